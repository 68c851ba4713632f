// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/wordresourcename.h"
#include "lessons/words/wordsmenuwindow.h"
#include "lessons/words/wordsquizwindow.h"
#include "support/screensteps.h"
#include "ui/picturebutton.h"

#include <QCloseEvent>
#include <QRegularExpression>

using namespace lxp;
using namespace lxp::testing;

namespace {

constexpr const char* kMenu = WordsMenuWindow::kName;
constexpr const char* kQuiz = WordsQuizWindow::kName;
const QString kWrong = "frmMSGWRONG: You have not found the correct one +";

bool isOpen(const char* window)
{
    return windows().find(window) && windows().find(window)->isOpen();
}

QString button(int b)
{
    return QString("btnpPICWORD1_%1").arg(b);
}

} // namespace

// The category menu and the picture quiz, played with real clicks and keys; each
// feedback dialog is answered with its real OK button once its sentence is noted.
// Throughout, no feedback dialog may show while the quiz is closed.
class TestWordsWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;
    QTimer answerer;
    QStringList dialogs; // "name: sentence +" (+ when the picture shows)
    QStringList faults;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName().startsWith("frmMSG") &&
            !isOpen(kQuiz))
            faults << watched->objectName() + " shown without the quiz";
        return false;
    }

    const WordsQuiz& quiz() { return windows().get<WordsQuizWindow>()->quiz(); }
    QString right()
    {
        for (int b = 0; b < WordsQuiz::kChoices; ++b)
            if (quiz().choice(b) == quiz().word())
                return button(b);
        return {};
    }
    QString wrong() { return right() == button(0) ? button(1) : button(0); }
    QString gauge() { return element(kQuiz, "picSCALE")->toolTip(); }
    void key(Qt::Key key) // to the focused button, as the window system sends keys
    {
        QWidget* focused = screenOf(kQuiz)->focusWidget();
        QTest::keyClick(focused ? focused : screenOf(kQuiz), key);
    }
    void start(const QString& help = {}, int category = -1)
    {
        program = std::make_unique<StartedProgram>(QString(), help);
        click("frmMAINMENU", "btnpWORDS");
        QVERIFY(isOpen(kMenu) && !isOpen("frmMAINMENU"));
        if (category >= 0)
            click(kMenu, button(category));
    }

private slots:
    void initTestCase()
    {
        qApp->installEventFilter(this);
        answerer.setInterval(10);
        connect(&answerer, &QTimer::timeout, this, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            auto* ok = dialog ? dialog->findChild<PictureButton*>("btnpOK") : nullptr;
            if (!ok || !dialog->isVisible())
                return;
            QString note = dialog->objectName() + ":";
            for (QLabel* label : dialog->findChildren<QLabel*>(QRegularExpression("^lblWordWas")))
                note += " " + label->text();
            if (auto* picture = dialog->findChild<QLabel*>("imgPICTURE"))
                note += picture->isVisible() && !picture->pixmap().isNull() ? " +" : "";
            dialogs << note;
            QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(10, 10));
        });
    }
    void init()
    {
        dialogs.clear();
        faults.clear();
        answerer.start();
    }
    void cleanup()
    {
        answerer.stop();
        program.reset();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    // The read-out follows the pointer from one category straight onto another, in the
    // help language, and empties off the buttons. Any mouse button released over a
    // category opens the quiz on it, its title and key English whatever the language.
    void theMenu_data()
    {
        QTest::addColumn<QString>("help");
        QTest::addColumn<QStringList>("names"); // Animals, Transport, Pets
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::newRow("English, left button")
            << "ENGLISH" << QStringList{"Animals", "Transport", "Pets"} << Qt::LeftButton;
        QTest::newRow("Korean, right button")
            << "KOREAN" << QStringList{"동물", "탈것", "반려동물"} << Qt::RightButton;
    }
    void theMenu()
    {
        QFETCH(QString, help);
        QFETCH(QStringList, names);
        QFETCH(Qt::MouseButton, mouseButton);
        start(help);
        auto* subject = element<QLabel>(kMenu, "lblSUBJECT");
        QCOMPARE(subject->text(), QString());
        for (const auto& [category, name] : {std::pair{0, 0}, {6, 1}, {9, 2}, {-1, -1}}) {
            pointTo(category < 0 ? nullptr : element(kMenu, button(category)), {335, 410});
            QCOMPARE(subject->text(), names.value(name));
        }
        QVERIFY(textsFit(kMenu));
        QTest::mouseClick(element(kMenu, button(6)), mouseButton, {}, QPoint(50, 40));
        QVERIFY(isOpen(kQuiz) && !isOpen(kMenu) && !isOpen("frmMAINMENU"));
        QCOMPARE(shared().category, QString("TRANSPORT"));
        QCOMPARE(element<QLabel>(kQuiz, "lblWORDS_1")->text(), QString("Words - Transport"));
        QCOMPARE(element<QLabel>(kQuiz, "lbl1Of9frmLESSWRDS")->text(),
                 QString("%1 of 15").arg(quiz().wordNumber()));
        QVERIFY(!element<QLabel>(kQuiz, "picMAINWINDOW")->pixmap().isNull());
        QVERIFY(textsFit(kQuiz));
    }

    // Exit, the close box and Escape: the quiz goes back to the category menu, the menu
    // to the main menu.
    void theWayBack_data()
    {
        QTest::addColumn<QString>("way");
        for (const char* way : {"Exit", "close box", "Escape"})
            QTest::newRow(way) << QString(way);
    }
    void theWayBack()
    {
        QFETCH(QString, way);
        start({}, 3);
        for (const char* window : {kQuiz, kMenu}) {
            if (way == "Exit")
                click(window, "btnpEXIT");
            else if (way == "close box")
                screenOf(window)->close();
            else
                QTest::keyClick(screenOf(window), Qt::Key_Escape);
            QVERIFY(!isOpen(kQuiz) && isOpen(kMenu) == (window == kQuiz));
        }
        QVERIFY(isOpen("frmMAINMENU"));
    }

    // Through the real dialogs: a right answer (its word said by the timer) moves the
    // gauge up, a wrong one back down and keeps the choices; the tenth right in a row
    // brings the ten dialog; the score shows again on the next opening.
    void answersAndTheGauge()
    {
        start({}, 2);
        const auto level = [] { return element(kQuiz, "shpLEVEL")->y(); };
        const int empty = level();
        QCOMPARE(gauge(), QString("0/10"));
        const QString word = quiz().word();
        click(kQuiz, right());
        QCOMPARE(dialogs, QStringList{"frmMSGCRECT: You found " + word + " +"});
        QTRY_VERIFY(program->seam.played.contains("WORDS/" + WordResourceName(word)));
        QVERIFY(gauge() == "1/10" && level() < empty);
        const auto captions = [] {
            QStringList shown;
            for (int b = 0; b < WordsQuiz::kChoices; ++b)
                shown << element<PictureButton>(kQuiz, button(b))->caption();
            return shown;
        };
        const QStringList before = captions();
        click(kQuiz, wrong());
        QCOMPARE(dialogs.last(), kWrong);
        QVERIFY(gauge() == "0/10" && level() == empty);
        QCOMPARE(captions(), before);

        for (int i = 0; i <= WordsQuiz::kScoreGoal; ++i)
            click(kQuiz, right());
        QCOMPARE(dialogs.size(), 2 + WordsQuiz::kScoreGoal + 2);
        QCOMPARE(dialogs.at(2 + WordsQuiz::kScoreGoal),
                 QString("frmMSGCRT10: You have found 10 correct answers in a row."));
        click(kQuiz, "btnpEXIT");
        click(kMenu, button(7));
        QCOMPARE(gauge(), QString("1/10"));
    }

    // 1 to 5 choose the buttons from left to right, Space says the word (even on a
    // focused choice), N and Right ask for another word.
    void keys()
    {
        start({}, 0);
        for (int k = 0; k < WordsQuiz::kChoices; ++k) {
            const QString word = quiz().word();
            const bool isRight = right() == button(k);
            key(Qt::Key(Qt::Key_1 + k));
            QCOMPARE(dialogs.last(), isRight ? "frmMSGCRECT: You found " + word + " +" : kWrong);
        }
        dialogs.clear();
        element(kQuiz, button(0))->setFocus();
        program->seam.played.clear();
        key(Qt::Key_Space);
        QCOMPARE(program->seam.played, QStringList{"WORDS/" + WordResourceName(quiz().word())});
        for (const Qt::Key next : {Qt::Key_N, Qt::Key_Right}) {
            const qint32 before = quiz().wordNumber();
            key(next);
            QVERIFY(quiz().wordNumber() != before);
        }
        QCOMPARE(dialogs, QStringList());
    }

    // With sounds of their real length the learner leaves the quiz while its right,
    // wrong or speaker sound plays. A close request ends the quiz at once (no dialog
    // follows, nothing more plays); a click waits until the step has ended. Either way
    // the category menu comes back and no dialog shows over it.
    void leavingDuringASound_data()
    {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<bool>("closeBox");
        for (const char* sound : {"AUDIO/WIN", "AUDIO/LOOSE", "WORDS"}) {
            QTest::addRow("Exit during %s", sound) << QString(sound) << false;
            QTest::addRow("close box during %s", sound) << QString(sound) << true;
        }
    }
    void leavingDuringASound()
    {
        QFETCH(QString, sound);
        QFETCH(bool, closeBox);
        start({}, 4);
        program->seam.soundsTakeTheirLength = true;
        qsizetype playedThen = -1;
        program->seam.onPlay = [&](const QString& played) {
            if (!played.startsWith(sound) || playedThen >= 0)
                return;
            playedThen = program->seam.played.size();
            if (closeBox)
                QCoreApplication::postEvent(screenOf(kQuiz), new QCloseEvent);
            else
                postClick(element(kQuiz, "btnpEXIT"));
        };
        click(kQuiz, sound == "WORDS"       ? QString("btnpHELP")
                     : sound == "AUDIO/WIN" ? right()
                                            : wrong());
        QTRY_VERIFY(isOpen(kMenu) && !isOpen(kQuiz));
        program->seam.onPlay = nullptr;
        QVERIFY(playedThen > 0);
        if (closeBox) {
            QCOMPARE(program->seam.played.size(), playedThen);
            QCOMPARE(dialogs, QStringList());
        }
    }
};

QTEST_MAIN(TestWordsWindows)
#include "tst_wordswindows.moc"
