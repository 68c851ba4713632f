#include "dialogs/screensteps.h"
#include "langtext.h"
#include "shell/mdiprogmain.h"
#include "shell/modlxplang.h"

#include <QFile>

using namespace lxp;
using namespace lxp::testing;

namespace {

// A window that notes its close and counts its loads; a lesson (a child window)
// brings the menu back when it closes, as every lesson does.
class NotingWindow : public Window {
public:
    NotingWindow(const QString& name, Kind kind, QStringList* log) : Window(name, kind), m_log(log) {}
    int loads = 0;

protected:
    QWidget* CreateScreen() override { return new QWidget; }
    void Form_Load() override { ++loads; }
    void Form_QueryUnload(bool&) override { m_log->append("close " + name()); }
    void Form_Unload() override {
        if (Window* menu = windows().get("frmMAINMENU"); menu && kind() == Kind::Child)
            menu->Show();
    }

private:
    QStringList* m_log;
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

    QStringList log;

    void defineNotingWindows() {
        for (const QString& name : mdiPROGMAIN::ShutdownOrder()) {
            const auto kind = name == "frmLESSPAIR" ? Window::Kind::Child : Window::Kind::Dialog;
            windows().define(name, [this, name, kind] {
                return std::make_unique<NotingWindow>(name, kind, &log);
            });
        }
    }

private slots:
    void init() { log.clear(); }
    void cleanup() { windows().clear(); }

    // The stored choices are in force from the start; with none, American English and
    // English texts; an unknown help language leaves no texts. Reading stores nothing.
    void startUp_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("texts");
        const QString english = LangText().EnglishTexts(), korean = LangText().KoreanTexts();
        QTest::newRow("nothing stored") << QString() << QString() << english;
        QTest::newRow("British, Korean") << "ENGLISH" << "KOREAN" << korean;
        QTest::newRow("unknown help language") << "ENGLISH" << "FRENCH" << QString();
    }
    void startUp() {
        QFETCH(QString, language);
        QFETCH(QString, help);
        QFETCH(QString, texts);
        StartedProgram program(language, help);
        QCOMPARE(shared().strLANGUAGE, language.isNull() ? QString("AMERICAN") : language);
        QCOMPARE(shared().strHELPLANGUAGE, help.isNull() ? QString("ENGLISH") : help);
        QCOMPARE(shared().strHELPTEXTS, texts);
        QCOMPARE(ScreenTextLoad(37), texts.isEmpty() ? "0" : texts.section('|', 36, 36));
        QCOMPARE(QFile::exists(program.seam.settingsPath), !language.isNull());
        QCOMPARE(program.seam.openSettings()->allKeys().size(), language.isNull() ? 0 : 2);
        QVERIFY(screenOf("frmMAINMENU")->isVisible());
    }

    // Closing the main window closes the open lesson by its own close step, then every
    // open window of the list in order, and stores nothing.
    void shutdownClosesTheOpenWindowsInOrderAndStoresNothing() {
        StartedProgram program("ENGLISH", "KOREAN");
        const QByteArray settingsBefore = fileBytes(program.seam.settingsPath);
        // Windows the start-up made already (the tooltip window) close without a note.
        QStringList expected{"close frmLESSPAIR"};
        for (const QString& name : mdiPROGMAIN::ShutdownOrder())
            if (name != "frmABOUTLXP" && name != "frmLESSPAIR" && !windows().find(name))
                expected << "close " + name;
        defineNotingWindows();
        // Every listed window open but the About box, which is left alone.
        for (const QString& name : mdiPROGMAIN::ShutdownOrder())
            if (name != "frmABOUTLXP")
                windows().get(name)->Load();
        windows().find("frmMAINMENU")->Unload();
        windows().get("frmLESSPAIR")->Show();

        screenOf("mdiPROGMAIN")->close();
        QCOMPARE(log, expected);
        for (const QString& name : mdiPROGMAIN::ShutdownOrder() + QStringList{"mdiPROGMAIN", "frmMAINMENU"})
            if (Window* w = windows().find(name))
                QVERIFY2(!w->isLoaded(), qPrintable(name));
        QCOMPARE(fileBytes(program.seam.settingsPath), settingsBefore);
    }

    // A window is made once: closing drops its screen but keeps its fields, and the
    // next showing loads it again.
    void aWindowKeepsItsFieldsAndLoadsAgain() {
        TestSeam seam;
        defineNotingWindows();
        auto* window = static_cast<NotingWindow*>(windows().get("frmMSGCRECT"));
        window->Load();
        window->Load(); // already open: no second load
        QCOMPARE(window->loads, 1);
        QPointer<QWidget> firstScreen = window->screen();
        QVERIFY(window->Unload());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(firstScreen.isNull() && !window->isLoaded());
        window->Show();
        QCOMPARE(window->loads, 2); // the same object, its count kept
        QVERIFY(window->screen());
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
