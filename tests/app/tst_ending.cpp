// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The program ended from outside (SIGTERM from a session's end, SIGINT from a
// terminal) goes at once and leaves the learner's settings file as it was.
class TestEnding : public QObject {
    Q_OBJECT

private slots:
    void endsAtOnceAndKeepsTheSettings_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void endsAtOnceAndKeepsTheSettings()
    {
        QFETCH(int, signal);
        QTemporaryDir home;
        const QString settings = home.filePath("config/Corvane Software Dev./Lexipond.conf");
        QVERIFY(QDir().mkpath(QFileInfo(settings).path()));
        const QByteArray stored = "[frmPROGMENUMAINDETAILS]\nHELP=KOREAN\nLANGUAGE=ENGLISH\n";
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stored) == stored.size());
        file.close();

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_RUNTIME_DIR", home.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "lexipond.debug=true");
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(LEXIPOND_PROGRAM, {});
        QVERIFY(program.waitForStarted());
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += program.readAll()).contains("main menu shown") ||
                                     program.state() == QProcess::NotRunning,
                                 20000);
        QCOMPARE(program.state(), QProcess::Running);

        QElapsedTimer clock;
        clock.start();
        ::kill(pid_t(program.processId()), signal);
        QVERIFY(program.waitForFinished(2000));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), stored);
    }
};

QTEST_GUILESS_MAIN(TestEnding)
#include "tst_ending.moc"
