// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/pairs/pairswindow.h"
#include "support/screensteps.h"
#include "ui/picturebutton.h"

#include <QCloseEvent>
#include <QDialog>
#include <QElapsedTimer>

using namespace lxp;
using namespace lxp::testing;

// What the learner does while a sound of the matching pairs game plays.
enum class Action { Card, NewGame, Exit, LessonClose, ProgramClose };
Q_DECLARE_METATYPE(Action)

// The matching pairs game with sounds that take their real length, and the learner
// clicking and closing while they play. Clicks wait until the step that plays the
// sound has finished; a window that closes meanwhile does nothing more; the cards
// always show what the game holds.
class TestPairsSounds : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;
    QTimer answerer;
    QWidget* answering = nullptr;
    QElapsedTimer answeringSince;
    QStringList dialogTexts;
    QStringList faults;
    bool programClosed = false;
    qsizetype soundsAtClose = 0;

    static constexpr const char* kDialogs[] = {"frmMSGCRECT", "frmMSGWRONG", "frmMSGPLYAG",
                                               "frmMSGCRT10"};

    PairsWindow* lesson() { return windows().get<PairsWindow>(); }
    const PairsGame& game() { return lesson()->game(); }
    QWidget* card(int i) { return element(PairsWindow::kName, QString("picCARD_%1").arg(i)); }
    bool faceUp(int i)
    {
        return element<QLabel>(PairsWindow::kName, QString("imgMATCH_%1").arg(i))->isVisible();
    }
    bool yellow(int i) { return card(i)->palette().color(QPalette::Window) == QColor(255, 255, 0); }
    int cardOf(const std::function<bool(const PairCard&)>& wanted)
    {
        for (int i = 0; i < PairsGame::kCards; ++i)
            if (wanted(game().card(i)))
                return i;
        return -1;
    }

    // A close request from the window system, which refuses it while a modal dialog
    // blocks the window.
    static bool postClose(QWidget* target)
    {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != target->window())
            return false;
        QCoreApplication::postEvent(target, new QCloseEvent);
        return true;
    }

    bool perform(Action action, int c)
    {
        const bool blocked = QApplication::activeModalWidget() != nullptr;
        switch (action) {
        case Action::Card:
            postClick(card(c));
            break;
        case Action::NewGame:
            postClick(element(PairsWindow::kName, "btnpNEW"));
            break;
        case Action::Exit:
            postClick(element(PairsWindow::kName, "btnpEXIT"));
            break;
        case Action::LessonClose:
            return postClose(lesson()->screen());
        case Action::ProgramClose:
            return postClose(screenOf("mdiPROGMAIN"));
        }
        return !blocked;
    }

    // Until no dialog is open, no word waits to be spoken and no click waits.
    void settle()
    {
        for (int quiet = 0; quiet < 3;) {
            QTest::qWait(150);
            quiet = QApplication::activeModalWidget() ? 0 : quiet + 1;
        }
    }

    void watchWindows()
    {
        connect(windows().get("mdiPROGMAIN"), &Window::closed, this, [this] {
            programClosed = true;
            soundsAtClose = program->seam.played.size();
        });
    }

    // Every feedback dialog that shows: over the game, one at a time.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QString name = watched->objectName();
        if (event->type() != QEvent::Show ||
            !std::count(std::begin(kDialogs), std::end(kDialogs), name))
            return false;
        if (programClosed)
            faults << name + " shown after the program closed";
        else if (!lesson()->isOpen())
            faults << name + " shown over the main menu";
        for (const char* other : kDialogs)
            if (other != name && screenOf(other) && screenOf(other)->isVisible())
                faults << name + " shown while " + other + " was open";
        return false;
    }

    // Invariants that hold whatever the learner did.
    void checkTheGameAsShown()
    {
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        if (programClosed) {
            QCOMPARE(program->seam.played.mid(soundsAtClose), QStringList());
            return;
        }
        if (!lesson()->isOpen())
            return;
        int yellowCards = 0;
        int waiting = 0;
        for (int i = 0; i < PairsGame::kCards; ++i) {
            QCOMPARE(yellow(i), game().card(i).matched);
            QCOMPARE(faceUp(i), game().card(i).pictureShown);
            yellowCards += yellow(i) ? 1 : 0;
            waiting += game().card(i).faceUp() ? 1 : 0;
        }
        QCOMPARE(yellowCards, 2 * game().pairsFound());
        QCOMPARE(waiting, int(game().cardsTurned()));
        QVERIFY(waiting <= 1);
    }

private slots:
    void initTestCase()
    {
        qApp->installEventFilter(this);
        answerer.setInterval(20);
        connect(&answerer, &QTimer::timeout, this, [this] {
            int shown = 0;
            for (QWidget* top : QApplication::topLevelWidgets())
                shown += qobject_cast<QDialog*>(top) && top->isVisible() ? 1 : 0;
            if (shown > 1)
                faults << "two dialogs on screen";
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog != answering) {
                answering = dialog;
                answeringSince.start();
            }
            // The learner reads the dialog for a moment (the word timer speaks meanwhile).
            if (!dialog || answeringSince.elapsed() < 300)
                return;
            auto* button = dialog->findChild<PictureButton*>(
                dialog->objectName() == "frmMSGPLYAG" ? "btnpYES" : "btnpOK");
            if (!button)
                return;
            for (QLabel* label : dialog->findChildren<QLabel*>(QRegularExpression("^lblWordWas")))
                dialogTexts << label->text();
            answering = nullptr;
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
        });
    }

    void init()
    {
        program = std::make_unique<StartedProgram>();
        program->seam.soundsTakeTheirLength = true;
        faults.clear();
        dialogTexts.clear();
        programClosed = false;
        windows().find("frmMAINMENU")->close();
        lesson()->show();
        watchWindows();
        answerer.start();
    }
    void cleanup()
    {
        answerer.stop();
        answering = nullptr;
        program.reset();
        // A closed main window ends the program: the event loops refuse to run until
        // the application's own loop has run again.
        if (programClosed) {
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
        }
    }

    void actionDuringSound_data()
    {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<Action>("action");
        const std::pair<const char*, Action> actions[] = {
            {"card", Action::Card},
            {"new game", Action::NewGame},
            {"exit", Action::Exit},
            {"close box", Action::LessonClose},
            {"main window's close box", Action::ProgramClose}};
        for (const char* sound : {"first card", "second card", "wrong", "right", "word"})
            for (const auto& [name, action] : actions)
                QTest::addRow("%s during the %s sound", name, sound) << QString(sound) << action;
    }
    void actionDuringSound()
    {
        QFETCH(QString, sound);
        QFETCH(Action, action);
        const int a = 0;
        const QString wordA = game().card(a).word;
        const int pairOfA =
            cardOf([&](const PairCard& c) { return &c != &game().card(a) && c.word == wordA; });
        const int b = cardOf([&](const PairCard& c) { return c.word != wordA; });
        const int c = cardOf(
            [&](const PairCard& c) { return c.word != wordA && c.word != game().card(b).word; });
        const int second = sound == "right" || sound == "word" ? pairOfA : b;
        program->seam.setResource("WORDS", wordA, program->seam.resource("AUDIO", "CLICK"));

        const QString label = sound == "wrong"   ? "AUDIO/LOOSE"
                              : sound == "right" ? "AUDIO/WIN"
                              : sound == "word"  ? "WORDS/" + wordA.toUpper()
                                                 : "AUDIO/CLICK";
        const int nth = sound == "second card" ? 2 : 1;
        int seen = 0;
        bool counts = false;
        program->seam.onPlay = [&](const QString& played) {
            if (played == label && ++seen == nth)
                counts = perform(action, c);
        };
        QTest::mouseClick(card(a), Qt::LeftButton, {}, QPoint(60, 60));
        if (sound != "first card" && lesson()->isOpen())
            QTest::mouseClick(card(second), Qt::LeftButton, {}, QPoint(60, 60));
        settle();
        program->seam.onPlay = nullptr;
        QVERIFY(seen >= nth);

        checkTheGameAsShown();
        if (!counts)
            return; // a click on a window that a dialog blocks does nothing
        switch (action) {
        case Action::Card: // it counts, once the step before it has finished
            QVERIFY(faceUp(c) || dialogTexts.join(' ').contains(game().card(c).word));
            break;
        case Action::NewGame:
            QCOMPARE(game().pairsFound(), qint16(0));
            QCOMPARE(game().cardsTurned(), qint16(0));
            break;
        case Action::Exit:
        case Action::LessonClose:
            QVERIFY(!lesson()->isOpen());
            QVERIFY(windows().find("frmMAINMENU")->isOpen());
            break;
        case Action::ProgramClose:
            QVERIFY(programClosed);
            QVERIFY(!windows().find("frmMAINMENU")->isOpen());
            break;
        }
    }

    // New game during the wrong-answer sound, then two more cards: each click waits its
    // turn, and one wrong-answer dialog at a time is filled and answered.
    void newGameAndTwoCardsDuringTheWrongSound()
    {
        const int a = 0;
        const int b = cardOf([&](const PairCard& c) { return c.word != game().card(a).word; });
        program->seam.onPlay = [&](const QString& played) {
            if (played != "AUDIO/LOOSE" || program->seam.played.count(played) > 1)
                return;
            postClick(element(PairsWindow::kName, "btnpNEW"));
            postClick(card(3));
            postClick(card(8));
        };
        QTest::mouseClick(card(a), Qt::LeftButton, {}, QPoint(60, 60));
        QTest::mouseClick(card(b), Qt::LeftButton, {}, QPoint(60, 60));
        settle();
        program->seam.onPlay = nullptr;
        checkTheGameAsShown();
        // The new deal's two cards were compared: a found pair or a second wrong answer.
        QCOMPARE(dialogTexts.size(), 2);
        QVERIFY(dialogTexts.last().contains(game().card(3).word));
    }
};

QTEST_MAIN(TestPairsSounds)
#include "tst_pairssounds.moc"
