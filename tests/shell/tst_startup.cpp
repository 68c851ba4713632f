#include "langtext.h"
#include "shell/clsregistry.h"
#include "shell/frmmainmenu.h"
#include "shell/mdiprogmain.h"
#include "shell/modlxplang.h"
#include "shell/modprogmain.h"
#include "shell/sharedstate.h"
#include "support/testseam.h"

#include <QApplication>
#include <QFile>
#include <QTest>

using namespace lxp;

namespace {

// A window that notes what happens to it.
class NotingWindow : public Window {
public:
    NotingWindow(const QString& name, Kind kind, QStringList* log)
        : Window(name, kind), m_log(log) {}
    int loads = 0;
    int field = 0;

protected:
    QWidget* CreateScreen() override { return new QWidget; }
    void Form_Load() override { ++loads; }
    void Form_QueryUnload(bool&) override { m_log->append("close " + name()); }

private:
    QStringList* m_log;
};

// A lesson whose close step brings the main menu back, as every lesson does.
class NotingLesson : public NotingWindow {
public:
    using NotingWindow::NotingWindow;

protected:
    void Form_Unload() override
    {
        if (Window* menu = windows().get("frmMAINMENU"))
            menu->Show();
    }
};

void storeChoices(TestSeam& seam, const QString& language, const QString& help)
{
    auto settings = seam.openSettings();
    if (!language.isNull())
        settings->setValue("frmPROGMENUMAINDETAILS/LANGUAGE", language);
    if (!help.isNull())
        settings->setValue("frmPROGMENUMAINDETAILS/HELP", help);
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

    QStringList log;

    void defineNotingWindows()
    {
        for (const QString& name : mdiPROGMAIN::ShutdownOrder())
            windows().define(name, [this, name] {
                return std::make_unique<NotingWindow>(name, Window::Kind::Dialog, &log);
            });
        windows().define("frmLESSPAIR", [this] {
            return std::make_unique<NotingLesson>("frmLESSPAIR", Window::Kind::Child, &log);
        });
    }

private slots:
    void init()
    {
        windows().clear();
        resetShared();
        log.clear();
    }
    void cleanup() { windows().clear(); }

    void firstRunUsesTheDefaults()
    {
        TestSeam seam;
        StartUp();
        const SharedState& state = shared();
        QCOMPARE(state.strLANGUAGE, QString("AMERICAN"));
        QCOMPARE(state.strHELPLANGUAGE, QString("ENGLISH"));
        QCOMPARE(state.strHELPTEXTS, LangText().EnglishTexts());
        QCOMPARE(state.strREGBASEKEY, QString("SOFTWARE\\Corvane Software Dev.\\Lexipond\\"));
        QCOMPARE(ScreenTextLoad(37), QString("Learn the alphabet"));
        QVERIFY(!QFile::exists(seam.settingsPath)); // reading stores nothing
        QVERIFY(!QApplication::overrideCursor());
    }

    void mainWindowIsAFixedFrameHoldingTheMenu()
    {
        TestSeam seam;
        StartUp();
        Window* frame = windows().find("mdiPROGMAIN");
        QVERIFY(frame && frame->screen());
        QWidget* screen = frame->screen();
        QVERIFY(screen->isVisible());
        QCOMPARE(screen->windowTitle(), QString("Lexipond"));
        QCOMPARE(screen->size(), QSize(670, 560));
        QCOMPARE(screen->minimumSize(), QSize(670, 560));
        QCOMPARE(screen->maximumSize(), QSize(670, 560));
        Window* menu = windows().find("frmMAINMENU");
        QVERIFY(menu && menu->screen());
        QCOMPARE(menu->screen()->parentWidget(), screen);
        QVERIFY(menu->screen()->isVisible());
    }

    void storedChoicesAreInForceFromTheStart_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("expectedTexts");
        QTest::newRow("British, Korean") << "ENGLISH" << "KOREAN" << LangText().KoreanTexts();
        QTest::newRow("American, English") << "AMERICAN" << "ENGLISH" << LangText().EnglishTexts();
        QTest::newRow("unknown help language") << "ENGLISH" << "FRENCH" << QString();
    }
    void storedChoicesAreInForceFromTheStart()
    {
        QFETCH(QString, language);
        QFETCH(QString, help);
        QFETCH(QString, expectedTexts);
        TestSeam seam;
        storeChoices(seam, language, help);
        StartUp();
        QCOMPARE(shared().strLANGUAGE, language);
        QCOMPARE(shared().strHELPLANGUAGE, help);
        QCOMPARE(shared().strHELPTEXTS, expectedTexts);
        if (expectedTexts.isEmpty())
            QCOMPARE(ScreenTextLoad(24), QString("0"));
    }

    void shutdownClosesTheOpenWindowsInOrderAndStoresNothing()
    {
        TestSeam seam;
        storeChoices(seam, "ENGLISH", "KOREAN");
        const QByteArray settingsBefore = [&] {
            QFile f(seam.settingsPath);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        StartUp();
        // Windows the start-up has made already (the tooltip window, made when the
        // menu sets its tooltips) stay themselves and close without a log line.
        QStringList madeAtStartUp;
        for (const QString& name : mdiPROGMAIN::ShutdownOrder())
            if (windows().find(name))
                madeAtStartUp << name;
        // (after the start-up, which declares the program's own windows)
        defineNotingWindows();
        // Open every listed window but the About box (never opened: left alone).
        for (const QString& name : mdiPROGMAIN::ShutdownOrder())
            if (name != "frmABOUTLXP")
                windows().get(name)->Load();
        windows().find("frmMAINMENU")->Unload();
        windows().get("frmLESSPAIR")->Show();

        windows().find("mdiPROGMAIN")->screen()->close();

        QStringList expected{"close mdiPROGMAIN", "close frmLESSPAIR"};
        for (const QString& name : mdiPROGMAIN::ShutdownOrder())
            if (name != "frmABOUTLXP" && name != "frmLESSPAIR" && !madeAtStartUp.contains(name))
                expected << "close " + name;
        // The lesson closed first through its own close step, then the list.
        expected.removeAll("close mdiPROGMAIN");
        QCOMPARE(log, expected);
        for (const QString& name : mdiPROGMAIN::ShutdownOrder())
            if (Window* w = windows().find(name))
                QVERIFY2(!w->isLoaded(), qPrintable(name));
        QVERIFY(!windows().find("mdiPROGMAIN")->isLoaded());
        QVERIFY(!windows().find("frmMAINMENU")->isLoaded());
        QFile after(seam.settingsPath);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), settingsBefore);
    }

    void aWindowKeepsItsFieldsAndLoadsAgain()
    {
        TestSeam seam;
        defineNotingWindows();
        auto* window = static_cast<NotingWindow*>(windows().get("frmMSGCRECT"));
        QCOMPARE(windows().get("frmMSGCRECT"), window);
        QVERIFY(!window->isLoaded());
        window->Load();
        window->Load(); // already open: no second load
        QCOMPARE(window->loads, 1);
        window->field = 42;
        QPointer<QWidget> firstScreen = window->screen();
        QVERIFY(window->Unload());
        QVERIFY(!window->isLoaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(firstScreen.isNull());
        window->Show();
        QCOMPARE(window->loads, 2);
        QCOMPARE(window->field, 42);
        QVERIFY(window->screen() != nullptr);
        QVERIFY(!windows().get("frmNOSUCHWINDOW"));
    }

    void unloadingAClosedWindowDoesNothing()
    {
        TestSeam seam;
        defineNotingWindows();
        QVERIFY(windows().get("frmMSGWRONG")->Unload());
        QVERIFY(log.isEmpty());
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
