// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/pairs/pairswindow.h"
#include "support/screensteps.h"
#include "ui/picturebutton.h"

#include <QCloseEvent>
#include <QElapsedTimer>

using namespace lxp;
using namespace lxp::testing;

// What the learner does while a sound of the game plays.
enum class Action { Card, NewGame, Exit, LessonClose, ProgramClose };
Q_DECLARE_METATYPE(Action)

// The matching pairs screen played with real clicks and keys on its cards. Each feedback
// dialog is answered with its real button after a moment, its texts and pictures noted;
// no dialog may show over another, over the menu or after the program has closed.
class TestPairsWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;
    QTimer answerer;
    QWidget* answering = nullptr;
    QElapsedTimer answeringSince;
    QStringList dialogs; // "name: sentence, pictures shown (centre, A, B)"
    QString playAgain;
    bool byKeyboard = false;
    QStringList faults;
    bool programClosed = false;
    qsizetype soundsAtClose = 0;

    PairsWindow* lesson() { return windows().get<PairsWindow>(); }
    const PairsGame& game() { return lesson()->game(); }
    QWidget* card(int i) { return element(PairsWindow::kName, QString("picCARD_%1").arg(i)); }
    bool faceUp(int i)
    {
        return element<QLabel>(PairsWindow::kName, QString("imgMATCH_%1").arg(i))->isVisible();
    }
    bool yellow(int i) { return card(i)->palette().color(QPalette::Window) == QColor(255, 255, 0); }
    void click(int i) { QTest::mouseClick(card(i), Qt::LeftButton, {}, QPoint(60, 60)); }
    int cardOf(const std::function<bool(const PairCard&)>& wanted)
    {
        for (int i = 0; i < PairsGame::kCards; ++i)
            if (wanted(game().card(i)))
                return i;
        return -1;
    }
    static QString noteOf(QWidget* dialog)
    {
        QString note = dialog->objectName() + ":";
        for (const char* name : {"lblWordWas", "lblWordWasfrmMSGWRONG"})
            if (auto* label = dialog->findChild<QLabel*>(name))
                note += " " + label->text();
        for (const char* name : {"imgPICTURE", "imgPICTUREA", "imgPICTUREB"})
            if (auto* picture = dialog->findChild<QLabel*>(name))
                note += picture->isVisible() ? " +" : " -";
        return note;
    }

    // A close request from the window system, refused while a modal dialog blocks.
    static bool postClose(QWidget* target)
    {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != target->window())
            return false;
        QCoreApplication::postEvent(target, new QCloseEvent);
        return true;
    }
    // Whether the action can reach the window (no dialog blocks it).
    bool perform(Action action, int c)
    {
        const bool blocked = QApplication::activeModalWidget() != nullptr;
        if (action == Action::LessonClose)
            return postClose(lesson()->screen());
        if (action == Action::ProgramClose)
            return postClose(screenOf("mdiPROGMAIN"));
        postClick(action == Action::Card      ? card(c)
                  : action == Action::NewGame ? element(PairsWindow::kName, "btnpNEW")
                                              : element(PairsWindow::kName, "btnpEXIT"));
        return !blocked;
    }
    // Until no dialog has been open for a while.
    void settle()
    {
        for (int quiet = 0; quiet < 3;) {
            QTest::qWait(150);
            quiet = QApplication::activeModalWidget() ? 0 : quiet + 1;
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QString name = watched->objectName();
        if (event->type() != QEvent::Show || !watched->isWidgetType() || !name.startsWith("frmMSG"))
            return false;
        if (programClosed || !lesson()->isOpen())
            faults << name + (programClosed ? " after the program closed" : " over the menu");
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != watched && top->objectName().startsWith("frmMSG") && top->isVisible())
                faults << name + " over " + top->objectName();
        return false;
    }

    // What holds whatever the learner did: the cards show what the game holds.
    void checkTheGameAsShown()
    {
        if (programClosed) {
            QCOMPARE(program->seam.played.mid(soundsAtClose), QStringList());
            return;
        }
        if (!lesson()->isOpen())
            return;
        int waiting = 0;
        for (int i = 0; i < PairsGame::kCards; ++i) {
            QCOMPARE(yellow(i), game().card(i).matched);
            QCOMPARE(faceUp(i), game().card(i).pictureShown);
            waiting += game().card(i).faceUp() ? 1 : 0;
        }
        QCOMPARE(waiting, int(game().cardsTurned()));
        QVERIFY(waiting <= 1);
    }

private slots:
    void initTestCase()
    {
        qApp->installEventFilter(this);
        answerer.setInterval(20);
        connect(&answerer, &QTimer::timeout, this, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog != answering) {
                answering = dialog;
                answeringSince.start();
            }
            // The learner reads the dialog a moment (the word timer speaks meanwhile).
            auto* button = dialog
                               ? dialog->findChild<PictureButton*>(
                                     dialog->objectName() == "frmMSGPLYAG" ? playAgain : "btnpOK")
                               : nullptr;
            if (!button || !dialog->isVisible() || answeringSince.elapsed() < 300)
                return;
            dialogs << noteOf(dialog);
            answering = nullptr;
            if (!byKeyboard)
                return QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
            // The first answer has the focus; Tab goes on to the next one.
            if (dialog->focusWidget() != button)
                QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
            QTest::keyClick(button, Qt::Key_Return);
        });
    }
    void init()
    {
        program = std::make_unique<StartedProgram>();
        faults.clear();
        dialogs.clear();
        playAgain = "btnpYES";
        byKeyboard = programClosed = false;
        windows().find("frmMAINMENU")->close();
        lesson()->show();
        connect(windows().get("mdiPROGMAIN"), &Window::closed, this, [this] {
            programClosed = true;
            soundsAtClose = program->seam.played.size();
        });
        answerer.start();
    }
    void cleanup()
    {
        answerer.stop();
        answering = nullptr;
        program.reset();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        // A closed main window ends the program: event loops refuse to run until the
        // application's own loop has run again.
        if (programClosed) {
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
        }
    }

    // A mismatch by mouse: its dialog tells both words under both pictures, then both
    // cards turn back.
    void aMismatch()
    {
        const int other = cardOf([&](const PairCard& c) { return c.word != game().card(0).word; });
        click(other);
        click(0);
        QCOMPARE(dialogs, QStringList({"frmMSGWRONG: You have found  " + game().card(0).word +
                                       " and " + game().card(other).word + " - + +"}));
        QVERIFY(!faceUp(0) && !faceUp(other));
        QVERIFY(program->seam.played.contains("AUDIO/LOOSE"));
    }

    // A whole game without the mouse: the first card has the focus, the arrow keys go
    // from card to card, Space turns one; each pair's dialog shows its word and picture
    // and the pair is framed yellow; Return answers the dialogs, "No" (after a Tab)
    // closes the game.
    void aGameFromTheKeyboardAlone()
    {
        byKeyboard = true;
        playAgain = "btnpNO";
        const auto placeOf = [](int i) {
            for (int row = 0; row < 3; ++row)
                for (int column = 0; column < 4; ++column)
                    if (PairsWindow::kGrid[size_t(row)][size_t(column)] == i)
                        return QPoint(column, row);
            return QPoint();
        };
        const auto focused = [this] { return lesson()->screen()->window()->focusWidget(); };
        QPoint here = placeOf(PairsWindow::kGrid[0][0]);
        QCOMPARE(focused(), card(PairsWindow::kGrid[0][0]));
        QStringList words;
        for (int i = 0; i < PairsGame::kPairs; ++i)
            words << game().card(i).word;
        for (const QString& word : words) {
            for (int i = 0; i < PairsGame::kCards; ++i) {
                if (game().card(i).word != word)
                    continue;
                const QPoint there = placeOf(i);
                for (; here.x() != there.x(); here.rx() += there.x() > here.x() ? 1 : -1)
                    QTest::keyClick(focused(), there.x() > here.x() ? Qt::Key_Right : Qt::Key_Left);
                for (; here.y() != there.y(); here.ry() += there.y() > here.y() ? 1 : -1)
                    QTest::keyClick(focused(), there.y() > here.y() ? Qt::Key_Down : Qt::Key_Up);
                QCOMPARE(focused(), card(i));
                QTest::keyClick(card(i), Qt::Key_Space);
            }
            if (word == words.last())
                break;
            QCOMPARE(dialogs.last(), "frmMSGCRECT: You have found " + word + " +");
            checkTheGameAsShown();
        }
        QTRY_VERIFY(!lesson()->isOpen());
        QCOMPARE(dialogs.size(), PairsGame::kPairs + 1);
        QCOMPARE(dialogs.at(PairsGame::kPairs - 1),
                 "frmMSGCRECT: You have found " + words.last() + " +");
        QCOMPARE(dialogs.last(), QString("frmMSGPLYAG:"));
    }

    // With sounds of their real length, each action during each sound: clicks wait until
    // the step that plays the sound has finished; a closed window does nothing more.
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
        program->seam.soundsTakeTheirLength = true;
        const QString wordA = game().card(0).word;
        const int pairOfA =
            cardOf([&](const PairCard& c) { return &c != &game().card(0) && c.word == wordA; });
        const int b = cardOf([&](const PairCard& c) { return c.word != wordA; });
        const int c = cardOf(
            [&](const PairCard& c) { return c.word != wordA && c.word != game().card(b).word; });
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
        click(0);
        if (sound != "first card" && lesson()->isOpen())
            click(sound == "right" || sound == "word" ? pairOfA : b);
        settle();
        program->seam.onPlay = nullptr;
        QVERIFY(seen >= nth);

        checkTheGameAsShown();
        if (!counts)
            return; // a click on a window that a dialog blocks does nothing
        switch (action) {
        case Action::Card: // it counts, once the step before it has finished
            QVERIFY(faceUp(c) || dialogs.join(' ').contains(game().card(c).word));
            break;
        case Action::NewGame:
            QCOMPARE(game().pairsFound() + game().cardsTurned(), 0);
            break;
        case Action::Exit:
        case Action::LessonClose:
            QVERIFY(!lesson()->isOpen() && windows().find("frmMAINMENU")->isOpen());
            break;
        case Action::ProgramClose:
            QVERIFY(programClosed && !windows().find("frmMAINMENU")->isOpen());
            break;
        }
    }

    // New game during the wrong-answer sound, then two more cards: each click waits its
    // turn, and one dialog at a time is filled and answered.
    void newGameAndTwoCardsDuringTheWrongSound()
    {
        program->seam.soundsTakeTheirLength = true;
        program->seam.onPlay = [&](const QString& played) {
            if (played != "AUDIO/LOOSE" || program->seam.played.count(played) > 1)
                return;
            postClick(element(PairsWindow::kName, "btnpNEW"));
            postClick(card(3));
            postClick(card(8));
        };
        click(0);
        click(cardOf([&](const PairCard& c) { return c.word != game().card(0).word; }));
        settle();
        program->seam.onPlay = nullptr;
        checkTheGameAsShown();
        // The new deal's two cards were compared: a found pair or a second wrong answer.
        QCOMPARE(dialogs.size(), 2);
        QVERIFY(dialogs.last().contains(game().card(3).word));
    }
};

QTEST_MAIN(TestPairsWindow)
#include "tst_pairswindow.moc"
