// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/alphabet/alphabetwindow.h"
#include "support/screensteps.h"
#include "ui/inputhold.h"
#include "ui/picturebutton.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

using namespace lxp;
using namespace lxp::testing;

// The alphabet screen opened from the main menu, used with real clicks and keys.
class TestAlphabetWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;

    AlphabetWindow* lesson() { return windows().get<AlphabetWindow>(); }
    QLabel* label(const QString& name) { return element<QLabel>(AlphabetWindow::kName, name); }
    // "Airplane 1 of 5": the word in the ribbon and the counter.
    QString shown()
    {
        if (!lesson()->isOpen())
            return "closed";
        return label("lblTITLE1_0")->text() + label("lblTITLE2_0")->text() + " " +
               label("lbl1Of9")->text();
    }
    QString said() const { return program->seam.played.join(' '); }
    // Opens the lesson from the menu: the first word of A shows before the window
    // does; once it shows, the letter is said, then the word.
    void start(const QString& language, bool soundsTakeTheirLength = false)
    {
        program.reset();
        program = std::make_unique<StartedProgram>(language);
        program->seam.soundsTakeTheirLength = soundsTakeTheirLength;
        QStringList shownWhenSaid;
        program->seam.onPlay = [&](const QString& sound) {
            shownWhenSaid << sound + (lesson()->screen()->isVisible() ? " " + shown() : "");
        };
        click("frmMAINMENU", "btnpALPHABET");
        settle();
        program->seam.onPlay = nullptr;
        const QString first = language == "ENGLISH" ? " Airplane 1 of 5" : " Airplane 1 of 4";
        QCOMPARE(shownWhenSaid, QStringList({"LETTERS/A" + first, "WORDS/AIRPLANE" + first}));
        program->seam.played.clear();
    }
    // Until no sound has started and no input has waited for a while.
    void settle()
    {
        for (int quiet = 0; quiet < 3;) {
            const qsizetype sounds = program->seam.played.size();
            QTest::qWait(program->seam.soundsTakeTheirLength ? 150 : 10);
            const bool still = sounds == program->seam.played.size() && !InputHold::waiting();
            quiet = still ? quiet + 1 : 0;
        }
    }
    // A step posted as the window system delivers it: a click on an element, "key:NAME"
    // to the focused control, "close" a close request.
    void post(const QString& step)
    {
        QWidget* screen = lesson()->screen();
        if (step == "close")
            return QCoreApplication::postEvent(screen, new QCloseEvent);
        const bool key = step.startsWith("key:");
        QWidget* target = !key                    ? element(AlphabetWindow::kName, step)
                          : screen->focusWidget() ? screen->focusWidget()
                                                  : screen;
        const QPointF at = target->rect().center();
        for (const bool press : {true, false}) {
            if (key)
                QCoreApplication::postEvent(
                    target, new QKeyEvent(press ? QEvent::KeyPress : QEvent::KeyRelease,
                                          QKeySequence(step.mid(4))[0].key(), {}));
            else
                QCoreApplication::postEvent(
                    target,
                    new QMouseEvent(press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                                    at, target->mapToGlobal(at), Qt::LeftButton,
                                    press ? Qt::LeftButton : Qt::NoButton, {}));
        }
    }
    // The same at once.
    void perform(const QString& step)
    {
        post(step);
        QCoreApplication::sendPostedEvents();
    }

private slots:
    void cleanup() { program.reset(); }

    void buttonsAndKeys_data()
    {
        QTest::addColumn<QString>("steps"); // a key's step names the button it presses
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("said");
        const auto row = [](const char* name, const char* steps, const char* expected,
                            const char* said) {
            QTest::newRow(name) << QString(steps) << QString(expected) << QString(said);
        };
        row("speaker", "btnpLETTERS_8 btnpNEXT btnpNEXT btnpHELP", "Ice cream 3 of 5",
            "LETTERS/I WORDS/IBIS WORDS/ICE WORDS/ICECREAM WORDS/ICECREAM");
        row("key X", "key:X=btnpLETTERS_23", "X ray 1 of 2", "LETTERS/X WORDS/XRAY");
        row("key Left", "key:Left=btnpBACK", "Autumn 5 of 5", "WORDS/AUTUMN");
        row("key Right twice", "key:Right=btnpNEXT key:Right=btnpNEXT", "Apple 3 of 5",
            "WORDS/AMBULANCE WORDS/APPLE");
        // The letter A has the focus as the screen opens; Space is still the speaker.
        row("key Space", "key:Space=btnpHELP", "Airplane 1 of 5", "WORDS/AIRPLANE");
        row("key Escape", "key:Esc", "closed", "");
    }
    void buttonsAndKeys()
    {
        QFETCH(QString, steps);
        start("ENGLISH");
        QCOMPARE(lesson()->screen()->focusWidget()->objectName(), QString("btnpLETTERS_0"));
        for (const QString& step : steps.split(' ')) {
            perform(step.section('=', 0, 0));
            if (!step.contains('='))
                continue;
            // A key shows its button pressed for a moment.
            auto* button = element<PictureButton>(AlphabetWindow::kName, step.section('=', 1));
            QCOMPARE(button->currentImage().toImage(), button->picturePressed().toImage());
            QTRY_COMPARE(button->currentImage().toImage(), button->pictureNormal().toImage());
        }
        QTEST(shown(), "expected");
        QTEST(said(), "said");
        QVERIFY(lesson()->isOpen() || windows().find("frmMAINMENU")->isOpen());
    }

    // Every word of both tables: the sentences wrap inside their panel, the word (and its
    // shadow) stays inside the ribbon, the rest just right of the letter.
    void everyEntryFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("British") << "ENGLISH";
        QTest::newRow("American") << "AMERICAN";
    }
    void everyEntryFits()
    {
        QFETCH(QString, language);
        start(language);
        const QRect panel = element(AlphabetWindow::kName, "shpShape2_6")->geometry();
        int entries = 0;
        for (int i = 0; i < AlphabetWindow::kLetters; ++i) {
            perform(QString("btnpLETTERS_%1").arg(i));
            for (int n = lesson()->book().itemCount(); n > 0; --n, ++entries, perform("btnpNEXT")) {
                for (int s = 0; s < 3; ++s) {
                    QLabel* sentence = label(QString("lblSENTENCE1_%1").arg(s));
                    QVERIFY2(!sentence->text().isEmpty() && panel.contains(sentence->geometry()) &&
                                 sentence->heightForWidth(sentence->width()) <= sentence->height(),
                             qPrintable(shown() + ": " + sentence->text()));
                }
                for (int k = 0; k < 2; ++k) {
                    QLabel* letter = label(QString("lblTITLE1_%1").arg(k));
                    QLabel* rest = label(QString("lblTITLE2_%1").arg(k));
                    QCOMPARE(rest->x(), letter->x() + letter->width() + AlphabetWindow::kRestGap);
                    QVERIFY2(letter->x() >= 10 && rest->geometry().right() < 660,
                             qPrintable(shown()));
                }
                QVERIFY2(textsFit(AlphabetWindow::kName), qPrintable(shown()));
            }
        }
        QCOMPARE(entries, 157);
    }

    // Input while a recording of its real length plays: the screen settles on one entry,
    // the last word said being its word; a lesson closed meanwhile says nothing more.
    void inputDuringARecording_data()
    {
        QTest::addColumn<QString>("first");  // clicked
        QTest::addColumn<QString>("during"); // the sound during which the rest comes
        QTest::addColumn<QString>("then");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("said");
        const auto row = [](const char* name, const char* first, const char* during,
                            const char* then, const char* expected, const char* said) {
            QTest::newRow(name) << QString(first) << QString(during) << QString(then)
                                << QString(expected) << QString(said);
        };
        const char* B = "btnpLETTERS_1";
        const char* bSaid = "LETTERS/B WORDS/BANANA";
        row("letter during the letter", B, "LETTERS/B", "btnpLETTERS_2", "Camel 1 of 9",
            "LETTERS/B WORDS/BANANA LETTERS/C WORDS/CAMEL");
        row("letter during the word", B, "WORDS/BANANA", "btnpLETTERS_2", "Camel 1 of 9",
            "LETTERS/B WORDS/BANANA LETTERS/C WORDS/CAMEL");
        row("next twice quickly", "btnpNEXT", "WORDS/AMBULANCE", "btnpNEXT", "Apple 3 of 5",
            "WORDS/AMBULANCE WORDS/APPLE");
        row("next twice and a key during the letter", B, "LETTERS/B", "btnpNEXT btnpNEXT key:Right",
            "Bear 4 of 13", "LETTERS/B WORDS/BANANA WORDS/BASEBALL WORDS/BASKETBALL WORDS/BEAR");
        // The exit click waits its turn like any other; a close request does not.
        row("exit during the letter", B, "LETTERS/B", "btnpEXIT", "closed", bSaid);
        row("close box during the letter", B, "LETTERS/B", "close", "closed", "LETTERS/B");
    }
    void inputDuringARecording()
    {
        QFETCH(QString, first);
        QFETCH(QString, during);
        QFETCH(QString, then);
        start("ENGLISH", true);
        bool done = false;
        program->seam.onPlay = [&](const QString& sound) {
            if (sound == during && !std::exchange(done, true))
                for (const QString& step : then.split(' '))
                    post(step);
        };
        perform(first);
        settle();
        QVERIFY(done);
        QTEST(said(), "said");
        QTEST(shown(), "expected");
    }
};

QTEST_MAIN(TestAlphabetWindow)
#include "tst_alphabetwindow.moc"
