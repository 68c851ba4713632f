// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/wordresourcename.h"
#include "lessons/words/wordsmenuwindow.h"
#include "lessons/words/wordsquizwindow.h"
#include "support/screensteps.h"
#include "ui/picturebutton.h"

#include <QWindow>

using namespace lxp;
using namespace lxp::testing;

namespace {

constexpr const char* kMenu = WordsMenuWindow::kName;
constexpr const char* kQuiz = WordsQuizWindow::kName;

bool isOpen(const char* window)
{
    return windows().find(window) && windows().find(window)->isOpen();
}

// Moves the pointer through the window system onto a category button, or the empty
// page below them.
void pointTo(int category)
{
    QWidget* frame = screenOf("mdiPROGMAIN");
    const QWidget* target =
        category < 0 ? nullptr : element(kMenu, QString("btnpPICWORD1_%1").arg(category));
    const QPoint at = target ? target->mapTo(frame, target->rect().center()) : QPoint(335, 410);
    QTest::mouseMove(frame->windowHandle(), at);
    QTest::mouseMove(frame->windowHandle(), at + QPoint(3, 2));
}

PictureButton* choice(int b)
{
    return element<PictureButton>(kQuiz, QString("btnpPICWORD1_%1").arg(b));
}

} // namespace

// The category menu and the picture quiz, played with real clicks and keys; each
// feedback dialog is answered with its real OK button once its sentence is noted.
class TestWordsWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;
    QTimer answerer;
    QStringList dialogs; // "name: sentence, + when the picture shows"

    const WordsQuiz& quiz() { return windows().get<WordsQuizWindow>()->quiz(); }
    int rightButton()
    {
        for (int b = 0; b < WordsQuiz::kChoices; ++b)
            if (choice(b)->caption() == quiz().word())
                return b;
        return -1;
    }
    QString gaugeTip() { return element(kQuiz, "picSCALE")->toolTip(); }
    int gaugeCover() { return element(kQuiz, "shpLEVEL")->y(); }
    // Keys go where the window system sends them: to the focused button, if any.
    void key(Qt::Key key)
    {
        QWidget* focused = screenOf(kQuiz)->focusWidget();
        QTest::keyClick(focused ? focused : screenOf(kQuiz), key);
    }

    void start(const QString& help = {})
    {
        program = std::make_unique<StartedProgram>(QString(), help);
        click("frmMAINMENU", "btnpWORDS");
        QVERIFY(isOpen(kMenu) && !isOpen("frmMAINMENU"));
    }
    void openQuiz(int category)
    {
        click(kMenu, QString("btnpPICWORD1_%1").arg(category));
        QVERIFY(isOpen(kQuiz) && !isOpen(kMenu));
    }

private slots:
    void initTestCase()
    {
        answerer.setInterval(10);
        connect(&answerer, &QTimer::timeout, this, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            auto* ok = dialog ? dialog->findChild<PictureButton*>("btnpOK") : nullptr;
            if (!ok || !dialog->isVisible())
                return;
            QString note = dialog->objectName() + ":";
            for (const char* name : {"lblWordWas", "lblWordWasfrmMSGWRONG"})
                if (auto* label = dialog->findChild<QLabel*>(name))
                    note += " " + label->text();
            if (auto* picture = dialog->findChild<QLabel*>("imgPICTURE"))
                note += picture->isVisible() && !picture->pixmap().isNull() ? " +" : " -";
            dialogs << note;
            QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(10, 10));
        });
    }
    void init()
    {
        dialogs.clear();
        answerer.start();
    }
    void cleanup()
    {
        answerer.stop();
        program.reset();
    }

    // The read-out follows the pointer from one category straight onto another, in the
    // help language, and empties off the buttons.
    void hoverReadOut_data()
    {
        QTest::addColumn<QString>("help");
        QTest::addColumn<QStringList>("names"); // Animals, Transport, Pets
        QTest::newRow("English") << "ENGLISH" << QStringList{"Animals", "Transport", "Pets"};
        QTest::newRow("Korean") << "KOREAN" << QStringList{"동물", "탈것", "반려동물"};
    }
    void hoverReadOut()
    {
        QFETCH(QString, help);
        QFETCH(QStringList, names);
        start(help);
        auto* subject = element<QLabel>(kMenu, "lblSUBJECT");
        QCOMPARE(subject->text(), QString());
        for (const auto& [category, name] : {std::pair{0, 0}, {6, 1}, {9, 2}}) {
            pointTo(category);
            QCOMPARE(subject->text(), names.at(name));
        }
        pointTo(-1);
        QCOMPARE(subject->text(), QString());
        QVERIFY(textsFit(kMenu));
    }

    // Any mouse button released over a category opens the quiz on it, its title and key
    // English whatever the help language.
    void aCategoryOpensTheQuiz_data()
    {
        QTest::addColumn<QString>("help");
        QTest::addColumn<int>("category");
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("count");
        QTest::newRow("Transport") << "ENGLISH" << 6 << Qt::LeftButton << "Transport" << 15;
        QTest::newRow("right button, Korean")
            << "KOREAN" << 0 << Qt::RightButton << "Animals" << 31;
    }
    void aCategoryOpensTheQuiz()
    {
        QFETCH(QString, help);
        QFETCH(int, category);
        QFETCH(Qt::MouseButton, mouseButton);
        QFETCH(QString, key);
        QFETCH(int, count);
        start(help);
        auto* button = element<PictureButton>(kMenu, QString("btnpPICWORD1_%1").arg(category));
        QTest::mouseClick(button, mouseButton, {}, button->rect().center());
        QVERIFY(isOpen(kQuiz) && !isOpen(kMenu) && !isOpen("frmMAINMENU"));
        QCOMPARE(shared().wordsCaption, "Words - " + key);
        QCOMPARE(shared().category, key.toUpper());
        QCOMPARE(element<QLabel>(kQuiz, "lblWORDS_1")->text(), "Words - " + key);
        QCOMPARE(element<QLabel>(kQuiz, "lbl1Of9frmLESSWRDS")->text(),
                 QString("%1 of %2").arg(quiz().wordNumber()).arg(count));
        QVERIFY(!element<QLabel>(kQuiz, "picMAINWINDOW")->pixmap().isNull());
        QVERIFY(rightButton() >= 0);
        QVERIFY(textsFit(kQuiz));
    }

    // Exit, the close box and Escape: the menu goes back to the main menu, the quiz to
    // the category menu.
    void theWayBack_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("close box") << "close box";
        QTest::newRow("Escape") << "Escape";
    }
    void theWayBack()
    {
        QFETCH(QString, way);
        start();
        const auto leave = [&](const char* window) {
            if (way == "Exit")
                click(window, "btnpEXIT");
            else if (way == "close box")
                screenOf(window)->close();
            else
                QTest::keyClick(screenOf(window), Qt::Key_Escape);
        };
        openQuiz(3);
        leave(kQuiz);
        QVERIFY(isOpen(kMenu) && !isOpen(kQuiz) && !isOpen("frmMAINMENU"));
        leave(kMenu);
        QVERIFY(isOpen("frmMAINMENU") && !isOpen(kMenu) && !isOpen(kQuiz));
    }

    // A right answer and a wrong one through the real dialogs, then ten right in a row;
    // a score of three is kept to the next opening, gauge and tooltip agreeing.
    void answersAndTheGauge()
    {
        start();
        openQuiz(2);
        QCOMPARE(gaugeTip(), QString("0/10"));
        const QString word = quiz().word();
        click(kQuiz, choice(rightButton())->objectName());
        QCOMPARE(dialogs, QStringList{"frmMSGCRECT: You found " + word + " +"});
        QTRY_VERIFY(program->seam.played.contains("WORDS/" + WordResourceName(word)));
        QCOMPARE(gaugeTip(), QString("1/10"));
        QVERIFY(gaugeCover() < 0);
        QVERIFY(quiz().word() != word);

        QStringList captions;
        for (int b = 0; b < WordsQuiz::kChoices; ++b)
            captions << choice(b)->caption();
        click(kQuiz, choice((rightButton() + 1) % WordsQuiz::kChoices)->objectName());
        QCOMPARE(dialogs.last(), QString("frmMSGWRONG: You have not found the correct one +"));
        QCOMPARE(gaugeTip(), QString("0/10"));
        QCOMPARE(gaugeCover(), 0);
        for (int b = 0; b < WordsQuiz::kChoices; ++b)
            QCOMPARE(choice(b)->caption(), captions.at(b));

        dialogs.clear();
        for (int i = 0; i < WordsQuiz::kScoreGoal; ++i)
            click(kQuiz, choice(rightButton())->objectName());
        QCOMPARE(dialogs.size(), WordsQuiz::kScoreGoal + 1);
        QCOMPARE(dialogs.last(),
                 QString("frmMSGCRT10: You have found 10 correct answers in a row."));
        QCOMPARE(gaugeTip(), QString("0/10"));
        QCOMPARE(gaugeCover(), 0);

        for (int i = 0; i < 3; ++i)
            click(kQuiz, choice(rightButton())->objectName());
        const int atThree = gaugeCover();
        click(kQuiz, "btnpEXIT");
        openQuiz(7);
        QCOMPARE(gaugeTip(), QString("3/10"));
        QCOMPARE(gaugeCover(), atThree);
        QVERIFY(atThree < 0);
    }

    // 1 to 5 choose the buttons from left to right, Space says the word (even on a
    // focused choice), N and Right ask for another word.
    void keys()
    {
        start();
        openQuiz(0);
        for (int k = 0; k < WordsQuiz::kChoices; ++k) {
            const bool right = k == rightButton();
            const QString word = quiz().word();
            key(Qt::Key(Qt::Key_1 + k));
            QCOMPARE(dialogs.last(), right ? "frmMSGCRECT: You found " + word + " +"
                                           : "frmMSGWRONG: You have not found the correct one +");
        }
        dialogs.clear();
        choice(0)->setFocus();
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
};

QTEST_MAIN(TestWordsWindows)
#include "tst_wordswindows.moc"
