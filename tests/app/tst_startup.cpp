// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/catalogue.h"
#include "core/screentexts.h"
#include "support/screensteps.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <csignal>

using namespace lxp;
using namespace lxp::testing;

namespace {

// A window that notes its close requests and counts its loads; a lesson (a child window)
// brings the menu back when it closes, as every lesson does.
class NotingWindow : public Window {
public:
    NotingWindow(const QString& name, Kind kind, QStringList* log) : Window(name, kind), m_log(log)
    {
    }
    int loads = 0;

protected:
    QWidget* createScreen() override { return new QWidget; }
    void onLoad() override { ++loads; }
    void onCloseRequest(bool&) override { m_log->append(name()); }
    void onClose() override
    {
        if (kind() == Kind::Child)
            windows().get(kMainMenuName)->show();
    }

private:
    QStringList* m_log;
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool fileWrite(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

    QStringList log;
    QTemporaryDir data; // data folders: "share" holds the shipped animations

    // Every window not made yet replaced by a noting one (the pairs lesson a child, the
    // others dialogs); their names in the catalogue's order.
    QStringList defineNotingWindows()
    {
        QStringList names;
        for (const WindowEntry& entry : windows().entries())
            if (!windows().find(entry.name))
                names << entry.name;
        for (const QString& name : names) {
            const auto kind = name == "frmLESSPAIR" ? Window::Kind::Child : Window::Kind::Dialog;
            WindowEntry entry;
            entry.name = name;
            entry.factory = [this, name, kind] {
                return std::make_unique<NotingWindow>(name, kind, &log);
            };
            windows().define(entry);
        }
        return names;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(data.filePath("share/lexipond")));
        QVERIFY(QFile::link(LEXIPOND_SOURCE_DIR "/Animations",
                            data.filePath("share/lexipond/Animations")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.filePath("none")));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(data.filePath("share")));
    }
    void init() { log.clear(); }
    void cleanup() { windows().clear(); }

    // The program starts with the stored choices in force (the defaults for none, or for
    // ones it cannot read), even with a part missing or broken as a damaged installation or
    // home folder has it; every lesson opens from the menu and can be left, the language
    // window and the About box open and close, nothing is stored, and a problem is said
    // once on the log.
    void startsAndEveryScreenOpens_data()
    {
        QTest::addColumn<QStringList>("missing"); // resource types, "Animations" or "HOME"
        QTest::addColumn<QByteArray>("settings"); // the settings file, when there is one
        QTest::addColumn<QString>("said");        // on the log, once
        QTest::addColumn<bool>("british");
        QTest::addColumn<bool>("korean");
        const QByteArray none;
        const QStringList whole; // nothing missing
        // clang-format off
        QTest::newRow("British, Korean stored") << whole
            << QByteArray("[frmPROGMENUMAINDETAILS]\nHELP=KOREAN\nLANGUAGE=ENGLISH\n") << "" << true << true;
        QTest::newRow("word pictures") << QStringList{"CUSTOM"} << none << "" << false << false;
        QTest::newRow("button faces") << QStringList{"BITMAP"} << none << "" << false << false;
        QTest::newRow("backgrounds") << QStringList{"DIALOG"} << none << "" << false << false;
        QTest::newRow("screen pictures") << QStringList{"screens/*"} << none << "" << false << false;
        QTest::newRow("content tables") << QStringList{"DATA"} << none << "" << false << false;
        QTest::newRow("sounds") << QStringList{"WORDS", "LETTERS", "AUDIO"} << none << "" << false << false;
        QTest::newRow("cursor and icon") << QStringList{"CURSOR", "ICON"} << none << "" << false << false;
        QTest::newRow("Animations folder") << QStringList{"Animations"} << none
                                           << "write-along animations cannot be found" << false << false;
        QTest::newRow("garbage settings file") << whole << QByteArray("\x01[\0\xff=\n[[", 8)
                                               << "cannot be read as a settings file" << false << false;
        QTest::newRow("unknown words in the settings") << whole
            << QByteArray("[frmPROGMENUMAINDETAILS]\nHELP=Klingon\nLANGUAGE=ENGLISH\n")
            << "stored choice HELP=Klingon is not one the program knows" << true << false;
        QTest::newRow("no home folder") << QStringList{"HOME"} << none
            << "there is no home folder \\(HOME is not set\\)" << false << false;
        // clang-format on
    }
    void startsAndEveryScreenOpens()
    {
        QFETCH(QStringList, missing);
        QFETCH(QByteArray, settings);
        QFETCH(QString, said);
        QFETCH(bool, british);
        QFETCH(bool, korean);
        TestSeam seam;
        seam.missingTypes = missing;
        const QByteArray home = qgetenv("HOME"), configHome = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", home);
            qputenv("XDG_CONFIG_HOME", configHome);
            qputenv("XDG_DATA_DIRS", QFile::encodeName(data.filePath("share")));
        });
        if (missing == QStringList{"Animations"})
            qputenv("XDG_DATA_DIRS", QFile::encodeName(data.filePath("none")));
        if (missing == QStringList{"HOME"}) {
            seam.settingsPath.clear(); // the program's own place
            qunsetenv("HOME");
            qunsetenv("XDG_CONFIG_HOME");
        }
        if (!settings.isEmpty())
            QVERIFY(fileWrite(seam.settingsPath, settings));
        if (!said.isEmpty()) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(said));
            QTest::failOnWarning(QRegularExpression(said));
        }
        windows().clear();
        resetShared();
        StartUp();
        QCOMPARE(shared().contentVariant == ContentVariant::British, british);
        QCOMPARE(shared().helpLanguage == HelpLanguage::Korean, korean);
        QCOMPARE(shared().helpTexts,
                 ScreenTextList(korean ? HelpLanguage::Korean : HelpLanguage::English));
        QVERIFY(screenOf(kMainMenuName) && screenOf(kMainMenuName)->isVisible());
        for (const WindowEntry& entry : windows().entries()) {
            if (entry.menuButton.isEmpty())
                continue;
            click(kMainMenuName, entry.menuButton);
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
        if (!seam.settingsPath.isEmpty())
            QCOMPARE(fileBytes(seam.settingsPath), settings);
    }

    // Closing the main window closes the open lesson by its own close step, then every
    // other open window (not a closed one) in the catalogue's order, and stores nothing.
    void shutdownClosesTheOpenWindowsInOrderAndStoresNothing()
    {
        StartedProgram program("ENGLISH", "KOREAN");
        const QByteArray settingsBefore = fileBytes(program.seam.settingsPath);
        QStringList expected = defineNotingWindows();
        expected.removeOne("frmABOUTLXP");
        for (const QString& name : expected)
            windows().get(name)->open();
        expected.move(expected.indexOf("frmLESSPAIR"), 0);
        windows().find(kMainMenuName)->close();
        windows().get("frmLESSPAIR")->show();

        screenOf(kMainWindowName)->close();
        QCOMPARE(log, expected);
        for (const WindowEntry& entry : windows().entries())
            if (Window* window = windows().find(entry.name))
                QVERIFY2(!window->isOpen(), qPrintable(entry.name));
        QCOMPARE(fileBytes(program.seam.settingsPath), settingsBefore);
    }

    // The program ended from outside (SIGTERM from a session's end, SIGINT from a
    // terminal) goes at once and leaves the learner's settings file as it was.
    void endedFromOutside_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void endedFromOutside()
    {
        QFETCH(int, signal);
        QTemporaryDir home;
        const QString settings = home.filePath("config/Corvane Software Dev./Lexipond.conf");
        const QByteArray stored = "[frmPROGMENUMAINDETAILS]\nHELP=KOREAN\nLANGUAGE=ENGLISH\n";
        QVERIFY(fileWrite(settings, stored));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* folder : {"HOME", "XDG_RUNTIME_DIR"})
            env.insert(folder, home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "lexipond.debug=true");
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(LEXIPOND_PROGRAM, {});
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
        QCOMPARE(fileBytes(settings), stored);
    }

    // A window is made once: closing drops its screen but keeps its fields, and the next
    // showing loads it again.
    void aWindowKeepsItsFieldsAndLoadsAgain()
    {
        TestSeam seam;
        ProgramWindowsDefine(windows());
        defineNotingWindows();
        auto* window = static_cast<NotingWindow*>(windows().get("frmMSGCRECT"));
        window->open();
        window->open(); // already open: no second load
        QCOMPARE(window->loads, 1);
        QPointer<QWidget> firstScreen = window->screen();
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(firstScreen.isNull() && !window->isOpen());
        window->show();
        QCOMPARE(window->loads, 2);
        QVERIFY(window->screen());
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
