// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/alphabet/alphabetwindow.h"
#include "support/screensteps.h"
#include "ui/inputhold.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

using namespace lxp;
using namespace lxp::testing;

// The alphabet lesson with recordings that take their real length, and the learner
// clicking, pressing keys and closing while they play. However the input falls, the
// screen settles on one entry: its counter belongs to it and the last word said is
// its word; a lesson closed meanwhile says nothing more.
class TestAlphabetSounds : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;

    AlphabetWindow* lesson() { return windows().get<AlphabetWindow>(); }
    QWidget* widget(const QString& name) { return element(AlphabetWindow::kName, name); }
    QString text(const QString& name)
    {
        return element<QLabel>(AlphabetWindow::kName, name)->text();
    }

    // A click as the window system delivers it: to the top-level window, handled when
    // the program next looks at its events.
    static void postClick(QWidget* target)
    {
        QWidget* top = target->window();
        const QPointF local = target->mapTo(top, target->rect().center());
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QMetaObject::invokeMethod(
                top->windowHandle(),
                [=, window = QPointer(top->windowHandle())] {
                    QMouseEvent click(
                        type, local, top->mapToGlobal(local), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
                    if (window)
                        QCoreApplication::sendEvent(window, &click);
                },
                Qt::QueuedConnection);
    }
    void perform(const QString& action)
    {
        if (action == "close") {
            QCoreApplication::postEvent(lesson()->screen(), new QCloseEvent);
        } else if (action == "Right") {
            QWidget* focus = lesson()->screen()->focusWidget();
            for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(focus, new QKeyEvent(type, Qt::Key_Right, {}));
        } else {
            postClick(widget(action));
        }
    }

    // Until no sound has started and no input has waited for a while.
    void settle()
    {
        for (int quiet = 0; quiet < 3;) {
            const qsizetype sounds = program->seam.played.size();
            QTest::qWait(150);
            quiet =
                sounds == program->seam.played.size() && InputHold::waiting() == 0 ? quiet + 1 : 0;
        }
    }

private slots:
    void init()
    {
        program = std::make_unique<StartedProgram>("ENGLISH");
        program->seam.soundsTakeTheirLength = true;
        click("frmMAINMENU", "btnpALPHABET");
        settle();
        QCOMPARE(program->seam.played, QStringList({"LETTERS/A", "WORDS/AIRPLANE"}));
        program->seam.played.clear();
    }
    void cleanup() { program.reset(); }

    void inputDuringARecording_data()
    {
        QTest::addColumn<QString>("first");  // clicked
        QTest::addColumn<QString>("during"); // the sound during which the rest comes
        QTest::addColumn<QStringList>("then");
        QTest::addColumn<QString>("expected"); // the word and counter shown at the end
        QTest::addColumn<QStringList>("said");
        const QString B = "btnpLETTERS_1", C = "btnpLETTERS_2", next = "btnpNEXT";
        QTest::newRow("letter during the letter")
            << B << "LETTERS/B" << QStringList{C} << "Camel 1 of 9"
            << QStringList{"LETTERS/B", "WORDS/BANANA", "LETTERS/C", "WORDS/CAMEL"};
        QTest::newRow("letter during the word")
            << B << "WORDS/BANANA" << QStringList{C} << "Camel 1 of 9"
            << QStringList{"LETTERS/B", "WORDS/BANANA", "LETTERS/C", "WORDS/CAMEL"};
        QTest::newRow("next twice quickly")
            << next << "WORDS/AMBULANCE" << QStringList{next} << "Apple 3 of 5"
            << QStringList{"WORDS/AMBULANCE", "WORDS/APPLE"};
        QTest::newRow("next twice and a key during the letter")
            << B << "LETTERS/B" << QStringList{next, next, "Right"} << "Bear 4 of 13"
            << QStringList{"LETTERS/B", "WORDS/BANANA", "WORDS/BASEBALL", "WORDS/BASKETBALL",
                           "WORDS/BEAR"};
        QTest::newRow("back then a letter during the word")
            << next << "WORDS/AMBULANCE" << QStringList{"btnpBACK", "btnpLETTERS_23"}
            << "X ray 1 of 2"
            << QStringList{"WORDS/AMBULANCE", "WORDS/AIRPLANE", "LETTERS/X", "WORDS/XRAY"};
        // The exit click waits its turn like any other; a close request does not.
        QTest::newRow("exit during the letter")
            << B << "LETTERS/B" << QStringList{"btnpEXIT"} << "closed"
            << QStringList{"LETTERS/B", "WORDS/BANANA"};
        QTest::newRow("close box during the letter")
            << B << "LETTERS/B" << QStringList{"close"} << "closed" << QStringList{"LETTERS/B"};
    }
    void inputDuringARecording()
    {
        QFETCH(QString, first);
        QFETCH(QString, during);
        QFETCH(QStringList, then);
        bool done = false;
        program->seam.onPlay = [&](const QString& sound) {
            if (sound != during || done)
                return;
            done = true;
            for (const QString& action : then)
                perform(action);
        };
        click(AlphabetWindow::kName, first);
        settle();
        program->seam.onPlay = nullptr;
        QVERIFY(done);
        QTEST(program->seam.played, "said");
        if (!lesson()->isOpen()) {
            QTEST(QString("closed"), "expected");
            QVERIFY(windows().find("frmMAINMENU")->isOpen());
            return;
        }
        // One entry on show, with its counter; the last word said (above) is its word.
        QTEST(text("lblTITLE1_0") + text("lblTITLE2_0") + " " + text("lbl1Of9"), "expected");
    }
};

QTEST_MAIN(TestAlphabetSounds)
#include "tst_alphabetsounds.moc"
