// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/screentexts.h"
#include "screens/aboutbox.h"
#include "screens/mainmenu.h"
#include "support/screensteps.h"
#include "ui/picturebutton.h"
#include "ui/pointerpos.h"
#include "ui/tooltipwindow.h"

using namespace lxp;
using namespace lxp::testing;

namespace {

// The lesson buttons and their titles.
const QStringList kButtons = {"btnpALPHABET", "btnpWORDS", "btnpPICANDWORDS", "btnpWRITEALONG",
                              "btnpPAIRS"};
const QStringList kTitles = {"lblALPHABET", "lblLEARNWORDS", "lblPICTSWORDS", "lblWRITELETTER",
                             "lblMATCHINGPAIR"};

// The lesson titles shown in `colour`.
QStringList titlesIn(QRgb colour)
{
    QStringList found;
    for (const QString& name : kTitles)
        if (element<QLabel>("frmMAINMENU", name)->palette().color(QPalette::WindowText).rgba() ==
            colour)
            found << name;
    return found;
}

void pointTo(const QString& name)
{
    lxp::testing::pointTo(name.isEmpty() ? nullptr : element("frmMAINMENU", name), {335, 450});
}

} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;

private slots:
    void init()
    {
        program = std::make_unique<StartedProgram>();
        QVERIFY(QTest::qWaitForWindowExposed(screenOf("mdiPROGMAIN")));
    }
    void cleanup() { program.reset(); }

    // Exactly one title is lit while the pointer is over its button, across a row, down a
    // row and back; none over the pond. A lesson takes the menu's place in the frame;
    // leaving it, by its exit button or a close request, brings back the menu, no title lit
    // and every one whole.
    void hoverAndLessons()
    {
        for (const QString button :
             {"btnpALPHABET", "btnpWORDS", "btnpPAIRS", "btnpWRITEALONG", "btnpPAIRS", ""}) {
            pointTo(button);
            QCOMPARE(titlesIn(MainMenu::kTitleHoverColour),
                     button.isEmpty() ? QStringList()
                                      : QStringList{kTitles[kButtons.indexOf(button)]});
        }
        for (const auto& [button, lesson] :
             {std::pair{"btnpALPHABET", "frmLESSALPH"}, {"btnpPAIRS", "frmLESSPAIR"}}) {
            pointTo(button);
            click("frmMAINMENU", button);
            QTRY_VERIFY(!windows().find("frmMAINMENU")->isOpen());
            QCOMPARE(screenOf(lesson)->parentWidget(), screenOf("mdiPROGMAIN"));
            if (QString(lesson) == "frmLESSPAIR")
                screenOf(lesson)->close();
            else
                click(lesson, "btnpEXIT");
            QVERIFY(!windows().find(lesson)->isOpen() && windows().find("frmMAINMENU")->isOpen());
            QCOMPARE(titlesIn(MainMenu::kTitleColour), kTitles);
            QVERIFY(textsFit("frmMAINMENU"));
        }
    }

    // The tip opens inside a tall lesson button; the pointer going onto it is still on the
    // button: the title stays lit and the tip open. Off the button both end.
    void theButtonsOwnTipCountsAsTheButton()
    {
        auto* tip = windows().get<TooltipWindow>();
        tip->setIntervals(30, 4000, 20);
        auto* button = element<PictureButton>("frmMAINMENU", "btnpALPHABET");
        QWidget* frame = screenOf("mdiPROGMAIN");
        QPoint pointer = button->mapToGlobal(QPoint(4, 20));
        setPointerSource([&] { return pointer; });
        QTest::mouseMove(frame->windowHandle(), frame->mapFromGlobal(pointer));
        QTRY_VERIFY(tip->isTipVisible());
        const QRect tipPlace = tip->screen()->geometry();
        QVERIFY(
            QRect(button->mapToGlobal(QPoint(0, 0)), button->size()).contains(tipPlace.center()));

        // Onto the tip: the button hears the pointer leave, the tip window hears it move.
        pointer = tipPlace.center();
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
        QTest::mouseMove(tip->screen()->windowHandle(), tip->screen()->mapFromGlobal(pointer));
        QTest::qWait(100);
        QCOMPARE(titlesIn(MainMenu::kTitleHoverColour), QStringList{"lblALPHABET"});
        QVERIFY(button->mousePosnOnOut());
        QVERIFY(tip->isTipVisible() && tip->owner() == button);
        QCOMPARE(tip->text(), ScreenTextLoad(37));

        // Off the button, onto the pond.
        pointer = frame->mapToGlobal(QPoint(335, 450));
        pointTo(QString());
        QTRY_VERIFY(!tip->isTipVisible());
        QCOMPARE(titlesIn(MainMenu::kTitleHoverColour), QStringList());
        setPointerSource({});
    }

    // The About box's mail link asks the shell for "mailto:" and the address and the box
    // stays open; a credit does nothing.
    void aboutBoxMailLinkAsksTheShell()
    {
        windows().get<AboutBox>()->open();
        click("frmABOUTLXP", "lblEMAIL");
        click("frmABOUTLXP", "lblCREDIT1");
        QCOMPARE(program->seam.shellRequests,
                 (QList<QPair<QString, bool>>{{"mailto:support@corvane-software.example", false}}));
        QVERIFY(windows().get<AboutBox>()->isOpen());
    }

    // A lesson window that cannot be made leaves the menu open, not an empty frame.
    void aLessonThatCannotBeMadeLeavesTheMenuOpen()
    {
        WindowEntry broken = windows().entries().at(2);
        QCOMPARE(broken.name, QString("frmLESSALPH"));
        broken.factory = [] { return std::unique_ptr<Window>(); };
        windows().define(broken);
        click("frmMAINMENU", "btnpALPHABET");
        QVERIFY(windows().find("frmMAINMENU")->isOpen() && screenOf("frmMAINMENU")->isVisible());
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
