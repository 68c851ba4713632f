// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/screensteps.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace lxp;
using namespace lxp::testing;

// The program with a part missing or broken, as a damaged installation or home folder
// might have it: it starts, every lesson of the catalogue opens from the menu and can
// be left, the language window and the About box open and close, nothing hangs, the
// settings file stays as it was, and the problem is said once on the log.
class TestMissingParts : public QObject {
    Q_OBJECT

    QTemporaryDir data; // data folders: "share" holds the shipped animations

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(data.filePath("share/lexipond")));
        QVERIFY(QFile::link(LEXIPOND_SOURCE_DIR "/Animations",
                            data.filePath("share/lexipond/Animations")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.filePath("none")));
    }

    void everyScreenOpensAndCanBeLeft_data()
    {
        QTest::addColumn<QStringList>("missing"); // resource types, "Animations" or "HOME"
        QTest::addColumn<QByteArray>("settings"); // the settings file, when there is one
        QTest::addColumn<QString>("said");        // on the log, once
        const QByteArray none;
        QTest::newRow("word pictures") << QStringList{"CUSTOM"} << none << "";
        QTest::newRow("button faces") << QStringList{"BITMAP"} << none << "";
        QTest::newRow("backgrounds") << QStringList{"DIALOG"} << none << "";
        QTest::newRow("screen pictures") << QStringList{"screens/*"} << none << "";
        QTest::newRow("content tables") << QStringList{"DATA"} << none << "";
        QTest::newRow("sounds") << QStringList{"WORDS", "LETTERS", "AUDIO"} << none << "";
        QTest::newRow("cursor and icon") << QStringList{"CURSOR", "ICON"} << none << "";
        QTest::newRow("Animations folder")
            << QStringList{"Animations"} << none << "write-along animations cannot be found";
        QTest::newRow("garbage settings file") << QStringList() << QByteArray("\x01[\0\xff=\n[[", 8)
                                               << "cannot be read as a settings file";
        QTest::newRow("unknown words in the settings")
            << QStringList()
            << QByteArray("[frmPROGMENUMAINDETAILS]\nHELP=Klingon\nLANGUAGE=ENGLISH\n")
            << "stored choice HELP=Klingon is not one the program knows";
        QTest::newRow("no home folder")
            << QStringList{"HOME"} << none << "there is no home folder \\(HOME is not set\\)";
    }
    void everyScreenOpensAndCanBeLeft()
    {
        QFETCH(QStringList, missing);
        QFETCH(QByteArray, settings);
        QFETCH(QString, said);
        TestSeam seam;
        seam.missingTypes = missing;
        qputenv("XDG_DATA_DIRS", QFile::encodeName(data.filePath(
                                     missing == QStringList{"Animations"} ? "none" : "share")));
        const QByteArray home = qgetenv("HOME"), configHome = qgetenv("XDG_CONFIG_HOME");
        if (missing == QStringList{"HOME"}) {
            seam.settingsPath.clear(); // the program's own place
            qunsetenv("HOME");
            qunsetenv("XDG_CONFIG_HOME");
        }
        QFile file(seam.settingsPath);
        if (!settings.isEmpty())
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) &&
                    file.write(settings) == settings.size() && file.flush());
        if (!said.isEmpty()) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(said));
            QTest::failOnWarning(QRegularExpression(said));
        }
        windows().clear();
        resetShared();
        StartUp();
        QVERIFY(screenOf("frmMAINMENU") && screenOf("frmMAINMENU")->isVisible());
        for (const WindowEntry& entry : windows().entries()) {
            if (entry.menuButton.isEmpty())
                continue;
            click("frmMAINMENU", entry.menuButton);
            QTRY_VERIFY2(windows().find(entry.name) && windows().find(entry.name)->isOpen(),
                         qPrintable(entry.name));
            QTest::keyClick(screenOf(entry.name), Qt::Key_Escape);
            QTRY_VERIFY2(windows().find(kMainMenuName)->isOpen(), qPrintable(entry.name));
        }
        for (const char* name : {"frmLANGUAGE", "frmABOUTLXP"}) {
            const auto ran = whenModal(name, [name] { screenOf(name)->close(); });
            windows().get(name)->showModal();
            QVERIFY2(*ran, name);
        }
        windows().clear();
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", configHome);
        if (!settings.isEmpty()) {
            file.close();
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), settings);
        }
    }
};

QTEST_MAIN(TestMissingParts)
#include "tst_missingparts.moc"
