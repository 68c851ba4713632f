#include "controls/picbtn.h"
#include "dialogs/screensteps.h"
#include "shell/frmmainmenu.h"

#include <QFile>
#include <QWindow>

using namespace lxp;
using namespace lxp::testing;

namespace {

const QStringList kButtons = {"btnpALPHABET", "btnpWORDS", "btnpPICANDWORDS", "btnpWRITEALONG", "btnpPAIRS"};
const QStringList kTitles = {"lblALPHABET", "lblLEARNWORDS", "lblPICTSWORDS", "lblWRITELETTER", "lblMATCHINGPAIR"};

bool menuOpen() { return windows().find("frmMAINMENU")->isLoaded(); }

// The lesson titles shown in `colour`.
QStringList titlesIn(QRgb colour) {
    QStringList found;
    for (const QString& name : kTitles)
        if (element<QLabel>("frmMAINMENU", name)->palette().color(QPalette::WindowText).rgba() == colour)
            found << name;
    return found;
}

// Moves the pointer through the window system (so that a button holding the pointer
// sees the move first, as on screen) onto a menu button, or else the empty pond.
void pointTo(const QString& name) {
    QWidget* frame = screenOf("mdiPROGMAIN");
    const QWidget* target = name.isEmpty() ? nullptr : element("frmMAINMENU", name);
    const QPoint at = target ? target->mapTo(frame, target->rect().center()) : QPoint(335, 450);
    QTest::mouseMove(frame->windowHandle(), at);
    QTest::mouseMove(frame->windowHandle(), at + QPoint(3, 2));
}

} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;

private slots:
    void init() {
        program = std::make_unique<StartedProgram>();
        QVERIFY(QTest::qWaitForWindowExposed(screenOf("mdiPROGMAIN")));
    }
    void cleanup() { program.reset(); }

    // Exactly one title is yellow while the pointer is over its button; none elsewhere.
    void hoverLightsExactlyOneTitle_data() {
        QTest::addColumn<QStringList>("path");
        QTest::newRow("one button") << QStringList{"btnpALPHABET"};
        QTest::newRow("across a row") << QStringList{"btnpALPHABET", "btnpWORDS", "btnpPICANDWORDS"};
        QTest::newRow("down to the second row") << QStringList{"btnpWORDS", "btnpPAIRS", "btnpWRITEALONG"};
        QTest::newRow("back and forth") << QStringList{"btnpPAIRS", "btnpWRITEALONG", "btnpPAIRS"};
    }
    void hoverLightsExactlyOneTitle() {
        QFETCH(QStringList, path);
        QCOMPARE(titlesIn(frmMAINMENU::kTitleHoverColour), QStringList());
        for (const QString& button : path) {
            pointTo(button);
            QCOMPARE(titlesIn(frmMAINMENU::kTitleHoverColour), QStringList{kTitles[kButtons.indexOf(button)]});
        }
        pointTo(QString());
        QCOMPARE(titlesIn(frmMAINMENU::kTitleHoverColour), QStringList());
    }

    // A lesson takes the menu's place in the frame; leaving it, by its exit button or a
    // close request, brings back a fresh menu, every title black and whole.
    void lessonOpensAndComesBack_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("lesson");
        QTest::addColumn<bool>("byCloseRequest");
        QTest::newRow("alphabet") << "btnpALPHABET" << "frmLESSALPH" << false;
        QTest::newRow("words") << "btnpWORDS" << "frmLESSWRDM" << false;
        QTest::newRow("pictures and words") << "btnpPICANDWORDS" << "frmLESSPCWD" << true;
        QTest::newRow("write-along") << "btnpWRITEALONG" << "frmLESSWRIT" << false;
        QTest::newRow("pairs") << "btnpPAIRS" << "frmLESSPAIR" << true;
    }
    void lessonOpensAndComesBack() {
        QFETCH(QString, button);
        QFETCH(QString, lesson);
        QFETCH(bool, byCloseRequest);
        pointTo(button);
        QCOMPARE(titlesIn(frmMAINMENU::kTitleHoverColour).size(), 1);
        click("frmMAINMENU", button);
        QTRY_VERIFY(!menuOpen());
        QCOMPARE(screenOf(lesson)->parentWidget(), screenOf("mdiPROGMAIN"));
        if (byCloseRequest)
            screenOf(lesson)->close();
        else
            click(lesson, "btnpEXIT");
        QVERIFY(!windows().find(lesson)->isLoaded() && menuOpen());
        QCOMPARE(titlesIn(frmMAINMENU::kTitleColour), kTitles);
        QCOMPARE(element<picbtn>("frmMAINMENU", "btnpABOUT")->CAPTION(), QString("About"));
        QVERIFY(textsFit("frmMAINMENU"));
    }

    // A lesson window that cannot be made leaves the menu open, not an empty frame.
    void aLessonThatCannotBeMadeLeavesTheMenuOpen() {
        windows().define("frmLESSALPH", [] { return std::unique_ptr<Window>(); });
        click("frmMAINMENU", "btnpALPHABET");
        QVERIFY(menuOpen() && screenOf("frmMAINMENU")->isVisible());
    }

    // The close button ends the program's event loop and stores nothing.
    void closeButtonEndsTheProgram() {
        QTimer::singleShot(0, this, [] { click("frmMAINMENU", "btnpCLOSEPROGRAM"); });
        QTimer watchdog;
        watchdog.callOnTimeout([] { QCoreApplication::exit(1); });
        watchdog.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!windows().find("mdiPROGMAIN")->isLoaded() && !menuOpen());
        QVERIFY(!QFile::exists(program->seam.settingsPath));
    }

    // The About box opens modally above the open menu; OK closes it back to the menu.
    void aboutOpensAboveTheMenu() {
        bool aboveTheMenu = false;
        const auto ran = whenModal("frmABOUTLXP", [&] {
            aboveTheMenu = screenOf("frmABOUTLXP")->parentWidget() == screenOf("mdiPROGMAIN") && menuOpen();
            click("frmABOUTLXP", "btnpOK");
        });
        click("frmMAINMENU", "btnpABOUT");
        QVERIFY(*ran && aboveTheMenu);
        QVERIFY(!windows().find("frmABOUTLXP")->isLoaded() && menuOpen());
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
