#include "controls/picbtn.h"
#include "dialogs/modalsteps.h"
#include "shell/frmmainmenu.h"
#include "shell/mdiprogmain.h"
#include "shell/modprogmain.h"
#include "shell/sharedstate.h"
#include "support/testseam.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace lxp;

namespace {

const QStringList kLessonButtons = {"btnpALPHABET", "btnpWORDS", "btnpPICANDWORDS",
                                    "btnpWRITEALONG", "btnpPAIRS"};
const QStringList kLessonLabels = {"lblALPHABET", "lblLEARNWORDS", "lblPICTSWORDS",
                                   "lblWRITELETTER", "lblMATCHINGPAIR"};

QWidget* menuScreen() {
    Window* menu = windows().find("frmMAINMENU");
    return menu ? menu->screen() : nullptr;
}

template <class T> T* menuElement(const QString& name) {
    QWidget* screen = menuScreen();
    return screen ? screen->findChild<T*>(name) : nullptr;
}

QStringList yellowLabels() {
    QStringList yellow;
    for (const QString& name : kLessonLabels) {
        auto* label = menuElement<QLabel>(name);
        if (label &&
            label->palette().color(QPalette::WindowText).rgba() == frmMAINMENU::kTitleHoverColour)
            yellow << name;
    }
    return yellow;
}

QStringList blackLabels() {
    QStringList black;
    for (const QString& name : kLessonLabels) {
        auto* label = menuElement<QLabel>(name);
        if (label &&
            label->palette().color(QPalette::WindowText).rgba() == frmMAINMENU::kTitleColour)
            black << name;
    }
    return black;
}

} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;

    QWidget* frame() const {
        Window* main = windows().find("mdiPROGMAIN");
        return main ? main->screen() : nullptr;
    }

    // Moves the pointer over the middle of a menu element, through the window system
    // (so that a button holding the pointer sees the move first, as on screen).
    void pointTo(const QString& name) {
        auto* widget = menuElement<QWidget>(name);
        QVERIFY(widget);
        QWindow* window = frame()->windowHandle();
        QTest::mouseMove(window, widget->mapTo(frame(), widget->rect().center()));
        QTest::mouseMove(window, widget->mapTo(frame(), widget->rect().center() + QPoint(3, 2)));
    }

    void pointToEmptyPond() {
        QTest::mouseMove(frame()->windowHandle(), QPoint(335, 450));
        QTest::mouseMove(frame()->windowHandle(), QPoint(336, 452));
    }

    void clickButton(QWidget* screen, const QString& name) {
        auto* button = screen ? screen->findChild<picbtn*>(name) : nullptr;
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

private slots:
    void init() {
        windows().clear();
        resetShared();
        seam = std::make_unique<TestSeam>();
        StartUp();
        QVERIFY(frame());
        QVERIFY(QTest::qWaitForWindowExposed(frame()));
    }

    void cleanup() {
        windows().clear();
        seam.reset();
    }

    void menuCarriesItsElementsAndTexts() {
        QWidget* screen = menuScreen();
        QVERIFY(screen);
        QCOMPARE(screen->parentWidget(), frame());
        const QList<QPair<QString, int>> lessons = {{"ALPHABET", 37},
                                                    {"WORDS", 38},
                                                    {"PICANDWORDS", 39},
                                                    {"WRITEALONG", 40},
                                                    {"PAIRS", 41}};
        for (int i = 0; i < kLessonButtons.size(); ++i) {
            auto* button = menuElement<picbtn>(kLessonButtons[i]);
            auto* label = menuElement<QLabel>(kLessonLabels[i]);
            QVERIFY2(button && label, qPrintable(kLessonButtons[i]));
            QVERIFY(!button->property("PictureNormal").value<QPixmap>().isNull());
            QCOMPARE(button->size(), QSize(150, 112));
            QCOMPARE(button->CAPTION(), QString());
            // The title sits under its button and is not cut off.
            QVERIFY(label->geometry().top() >= button->geometry().bottom());
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
            QCOMPARE(label->font().family(), QString("Comic Sans MS"));
            QCOMPARE(label->font().pointSize(), 12);
        }
        const QStringList englishTitles = {"Learn the alphabet", "Learn great words",
                                           "Pictures and words", "Help to write Letters",
                                           "Find a matching pair"};
        for (int i = 0; i < kLessonLabels.size(); ++i) {
            QCOMPARE(menuElement<QLabel>(kLessonLabels[i])->text(), englishTitles[i]);
            QCOMPARE(menuElement<picbtn>(kLessonButtons[i])->ToolTip(), englishTitles[i]);
        }
        const QList<QPair<QString, QString>> bank = {
            {"btnpCLOSEPROGRAM", "Close"}, {"btnpLANGUAGE", "Language"}, {"btnpABOUT", "About"}};
        for (const auto& [name, text] : bank) {
            auto* button = menuElement<picbtn>(name);
            QVERIFY2(button, qPrintable(name));
            QCOMPARE(button->CAPTION(), text);
            QCOMPARE(button->ToolTip(), text);
            QVERIFY(!button->property("PictureNormal").value<QPixmap>().isNull());
            QVERIFY(frame()->rect().contains(button->geometry()));
        }
        for (const char* name : {"shpShape2", "shpShape3", "lneLine1"})
            QVERIFY2(menuElement<QWidget>(name), name);
    }

    void hoverLightsExactlyOneTitle_data() {
        QTest::addColumn<QStringList>("path");
        QTest::newRow("one button") << QStringList{"btnpALPHABET"};
        QTest::newRow("straight across a row")
            << QStringList{"btnpALPHABET", "btnpWORDS", "btnpPICANDWORDS"};
        QTest::newRow("down to the second row")
            << QStringList{"btnpWORDS", "btnpPAIRS", "btnpWRITEALONG"};
        QTest::newRow("back and forth") << QStringList{"btnpPAIRS", "btnpWRITEALONG", "btnpPAIRS"};
    }

    void hoverLightsExactlyOneTitle() {
        QFETCH(QStringList, path);
        QCOMPARE(yellowLabels(), QStringList());
        for (const QString& button : path) {
            pointTo(button);
            QCOMPARE(yellowLabels(), QStringList{kLessonLabels[kLessonButtons.indexOf(button)]});
        }
        pointToEmptyPond();
        QCOMPARE(yellowLabels(), QStringList());
    }

    void lessonOpensAndItsExitBringsAFreshMenu_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("lesson");
        QTest::addColumn<bool>("byCloseRequest");
        QTest::newRow("alphabet, exit button") << "btnpALPHABET"
                                               << "frmLESSALPH" << false;
        QTest::newRow("words, exit button") << "btnpWORDS"
                                            << "frmLESSWRDM" << false;
        QTest::newRow("pictures and words, close request") << "btnpPICANDWORDS"
                                                           << "frmLESSPCWD" << true;
        QTest::newRow("write-along, exit button") << "btnpWRITEALONG"
                                                  << "frmLESSWRIT" << false;
        QTest::newRow("pairs, close request") << "btnpPAIRS"
                                              << "frmLESSPAIR" << true;
    }

    void lessonOpensAndItsExitBringsAFreshMenu() {
        QFETCH(QString, button);
        QFETCH(QString, lesson);
        QFETCH(bool, byCloseRequest);

        pointTo(button);
        QCOMPARE(yellowLabels().size(), 1);
        clickButton(menuScreen(), button);
        QTRY_VERIFY(!windows().find("frmMAINMENU")->isLoaded());
        Window* opened = windows().find(lesson);
        QVERIFY(opened && opened->isLoaded());
        QCOMPARE(opened->screen()->parentWidget(), frame());

        if (byCloseRequest)
            opened->screen()->close();
        else
            clickButton(opened->screen(), "btnpEXIT");
        QVERIFY(!opened->isLoaded());
        QVERIFY(windows().find("frmMAINMENU")->isLoaded());
        QCOMPARE(yellowLabels(), QStringList());
        QCOMPARE(blackLabels(), kLessonLabels);
        QCOMPARE(menuElement<picbtn>("btnpABOUT")->CAPTION(), QString("About"));
    }

    void aLessonThatCannotBeMadeLeavesTheMenuOpen()
    {
        windows().define("frmLESSALPH", [] { return std::unique_ptr<Window>(); });
        clickButton(menuScreen(), "btnpALPHABET");
        QVERIFY(windows().find("frmMAINMENU")->isLoaded());
        QVERIFY(menuScreen()->isVisible());
    }

    void closeButtonEndsTheProgram() {
        // The program runs its event loop; the close button ends it.
        bool clicked = false;
        QTimer::singleShot(0, this, [&] {
            clicked = true;
            clickButton(menuScreen(), "btnpCLOSEPROGRAM");
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(clicked);
        QVERIFY(!windows().find("mdiPROGMAIN")->isLoaded());
        QVERIFY(!windows().find("frmMAINMENU")->isLoaded());
        QVERIFY(!QFile::exists(seam->settingsPath)); // nothing is saved at exit
    }

    void aboutAndLanguageOpenModallyAboveTheMenu_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("closer");
        QTest::newRow("About") << "btnpABOUT"
                               << "frmABOUTLXP"
                               << "btnpOK";
        QTest::newRow("language") << "btnpLANGUAGE"
                                  << "frmLANGUAGE"
                                  << "btnpCANCEL";
    }

    void aboutAndLanguageOpenModallyAboveTheMenu() {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, closer);
        bool wasModal = false;
        bool menuOpenBeneath = false;
        const auto ran = testing::whenModal(window, [&] {
            Window* dialog = windows().find(window);
            wasModal = dialog->screen()->parentWidget() == frame();
            menuOpenBeneath = windows().find("frmMAINMENU")->isLoaded();
            clickButton(dialog->screen(), closer);
        });
        clickButton(menuScreen(), button);
        QVERIFY(*ran);
        QVERIFY(wasModal);
        QVERIFY(menuOpenBeneath);
        QVERIFY(!windows().find(window)->isLoaded());
        QVERIFY(windows().find("frmMAINMENU")->isLoaded());
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
