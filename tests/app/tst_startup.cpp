// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/catalogue.h"
#include "core/screentexts.h"
#include "support/screensteps.h"

#include <QFile>

using namespace lxp;
using namespace lxp::testing;

namespace {

// A window that notes its close and counts its loads; a lesson (a child window)
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
    void onCloseRequest(bool&) override { m_log->append("close " + name()); }
    void onClose() override
    {
        if (Window* menu = windows().get("frmMAINMENU"); menu && kind() == Kind::Child)
            menu->show();
    }

private:
    QStringList* m_log;
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

    QStringList log;

    // The windows the main window closes at the end, in the catalogue's order.
    static QStringList closedAtTheEnd()
    {
        QStringList names;
        for (const WindowEntry& entry : windows().entries())
            if (entry.name != "mdiPROGMAIN" && entry.name != "frmMAINMENU")
                names << entry.name;
        return names;
    }

    // Every window but the frame and the menu replaced by one that notes its close.
    void defineNotingWindows()
    {
        for (const QString& name : closedAtTheEnd()) {
            const auto kind = name == "frmLESSPAIR" ? Window::Kind::Child : Window::Kind::Dialog;
            WindowEntry entry;
            entry.name = name;
            entry.factory = [this, name, kind] {
                return std::make_unique<NotingWindow>(name, kind, &log);
            };
            windows().define(entry);
        }
    }

private slots:
    void init() { log.clear(); }
    void cleanup() { windows().clear(); }

    // The stored choices are in force from the start; with none, American English and
    // English texts. Reading stores nothing.
    void startUp_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("help");
        QTest::addColumn<bool>("british");
        QTest::addColumn<bool>("korean");
        QTest::newRow("nothing stored") << QString() << QString() << false << false;
        QTest::newRow("British, Korean") << "ENGLISH"
                                         << "KOREAN" << true << true;
    }
    void startUp()
    {
        QFETCH(QString, language);
        QFETCH(QString, help);
        QFETCH(bool, british);
        QFETCH(bool, korean);
        StartedProgram program(language, help);
        QCOMPARE(shared().contentVariant == ContentVariant::British, british);
        QCOMPARE(shared().helpLanguage == HelpLanguage::Korean, korean);
        const QString texts = ScreenTextList(korean ? HelpLanguage::Korean : HelpLanguage::English);
        QCOMPARE(shared().helpTexts, texts);
        QCOMPARE(ScreenTextLoad(37), texts.section('|', 36, 36));
        QCOMPARE(QFile::exists(program.seam.settingsPath), !language.isNull());
        QCOMPARE(program.seam.openSettings()->allKeys().size(), language.isNull() ? 0 : 2);
        QVERIFY(screenOf("frmMAINMENU")->isVisible());
    }

    // Closing the main window closes the open lesson by its own close step, then every
    // other open window in the catalogue's order, and stores nothing.
    void shutdownClosesTheOpenWindowsInOrderAndStoresNothing()
    {
        StartedProgram program("ENGLISH", "KOREAN");
        const QByteArray settingsBefore = fileBytes(program.seam.settingsPath);
        // Windows the start-up made already (the tooltip window) close without a note.
        QStringList expected{"close frmLESSPAIR"};
        for (const QString& name : closedAtTheEnd())
            if (name != "frmABOUTLXP" && name != "frmLESSPAIR" && !windows().find(name))
                expected << "close " + name;
        defineNotingWindows();
        // Every window open but the About box, which is left alone.
        for (const QString& name : closedAtTheEnd())
            if (name != "frmABOUTLXP")
                windows().get(name)->open();
        windows().find("frmMAINMENU")->close();
        windows().get("frmLESSPAIR")->show();

        screenOf("mdiPROGMAIN")->close();
        QCOMPARE(log, expected);
        for (const QString& name : closedAtTheEnd() + QStringList{"mdiPROGMAIN", "frmMAINMENU"})
            if (Window* w = windows().find(name))
                QVERIFY2(!w->isOpen(), qPrintable(name));
        QCOMPARE(fileBytes(program.seam.settingsPath), settingsBefore);
    }

    // A window is made once: closing drops its screen but keeps its fields, and the
    // next showing loads it again.
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
        QCOMPARE(window->loads, 2); // the same object, its count kept
        QVERIFY(window->screen());
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
