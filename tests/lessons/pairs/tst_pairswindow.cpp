// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "core/sharedstate.h"
#include "lessons/pairs/pairswindow.h"
#include "support/screensteps.h"
#include "ui/picturebutton.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace lxp;

// The matching pairs screen, played by clicking its real cards; each feedback dialog
// is answered by clicking its real button, after its texts and pictures are noted.
class TestFrmLessPair : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;
    QTimer answerer;
    QStringList dialogs; // "name: sentence, pictures shown (centre, A, B)"
    QString playAgainButton;
    bool byKeyboard = false;

    PairsWindow* lesson() { return windows().get<PairsWindow>(); }
    const PairsGame& game() { return lesson()->game(); }
    QWidget* card(int i)
    {
        return lesson()->screen()->findChild<QWidget*>(QString("picCARD_%1").arg(i));
    }
    bool faceUp(int i)
    {
        return lesson()->screen()->findChild<QLabel*>(QString("imgMATCH_%1").arg(i))->isVisible();
    }
    QColor frame(int i) { return card(i)->palette().color(QPalette::Window); }
    void click(int i) { QTest::mouseClick(card(i), Qt::LeftButton, {}, QPoint(60, 60)); }
    QString noteOf(QWidget* dialog)
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

private slots:
    void initTestCase()
    {
        answerer.setInterval(10);
        connect(&answerer, &QTimer::timeout, this, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            const QString name = dialog ? dialog->objectName() : QString();
            auto* button = dialog ? dialog->findChild<PictureButton*>(
                                        name == "frmMSGPLYAG" ? playAgainButton : "btnpOK")
                                  : nullptr;
            if (!button || !dialog->isVisible())
                return;
            dialogs << noteOf(dialog);
            if (!byKeyboard)
                return QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
            // The dialog's first answer has the focus; Tab goes on to the next one.
            if (button->window()->focusWidget() != button)
                QTest::keyClick(button->window()->focusWidget(), Qt::Key_Tab);
            QTest::keyClick(button, Qt::Key_Return);
        });
    }

    void init()
    {
        windows().clear();
        resetShared();
        seam = std::make_unique<TestSeam>();
        for (const char* effect : {"CLICK", "WIN", "LOOSE"})
            seam->setResource("AUDIO", effect, "RIFF stand-in");
        StartUp();
        dialogs.clear();
        byKeyboard = false;
        answerer.start();
        windows().find("frmMAINMENU")->close();
        lesson()->show();
    }
    void cleanup()
    {
        answerer.stop();
        windows().clear();
        seam.reset();
    }

    // A whole game: a mismatch (with a third card clicked while the second card's sound
    // plays: it waits, and turns once the mismatch is over), then the six pairs, then "No".
    void aGameFromMismatchToTheMenu()
    {
        playAgainButton = "btnpNO";
        int other = 1;
        while (game().card(other).word == game().card(0).word)
            ++other;
        int third = 1;
        while (third == other)
            ++third;
        click(other);
        seam->onPlay = [&, clicks = 0](const QString& label) mutable {
            if (label == "AUDIO/CLICK" && ++clicks == 1)
                lxp::testing::postClick(card(third)); // queued: handled right after the sound
        };
        click(0);
        seam->onPlay = nullptr;
        QCOMPARE(dialogs, QStringList({"frmMSGWRONG: You have found  " + game().card(0).word +
                                       " and " + game().card(other).word + " - + +"}));
        QVERIFY(!faceUp(0) && !faceUp(other));
        QTRY_VERIFY(faceUp(third));
        QVERIFY(seam->played.contains("AUDIO/LOOSE"));

        QStringList words = {game().card(third).word};
        for (int i = 0; i < PairsGame::kPairs; ++i)
            if (!words.contains(game().card(i).word))
                words << game().card(i).word;
        for (const QString& word : words) {
            seam->setResource("WORDS", word, "RIFF stand-in");
            QList<int> pair;
            for (int i = 0; i < PairsGame::kCards; ++i)
                if (game().card(i).word == word)
                    pair << i;
            for (const int i : pair)
                if (!faceUp(i))
                    click(i);
            if (word == words.last())
                break; // the lesson has closed after the play-again question
            QCOMPARE(dialogs.last(), "frmMSGCRECT: You have found " + word + " +");
            QVERIFY(faceUp(pair.at(0)) && frame(pair.at(1)) == QColor(255, 255, 0));
            QTRY_VERIFY(seam->played.contains("WORDS/" + word.toUpper()));
        }
        QCOMPARE(dialogs.at(dialogs.size() - 2),
                 "frmMSGCRECT: You have found " + words.last() + " +");
        QCOMPARE(dialogs.last(), QString("frmMSGPLYAG:"));
        QTRY_VERIFY(!lesson()->isOpen());
        QVERIFY(windows().find("frmMAINMENU")->isOpen());
    }

    // A whole game without the mouse: the first card has the focus, the arrow keys go
    // from card to card, Space turns one, Return answers the dialogs and "No" (after a
    // Tab) closes the game.
    void aGameFromTheKeyboardAlone()
    {
        byKeyboard = true;
        playAgainButton = "btnpNO";
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
        }
        QTRY_VERIFY(!lesson()->isOpen());
        QCOMPARE(dialogs.size(), PairsGame::kPairs + 1);
        QCOMPARE(dialogs.last(), QString("frmMSGPLYAG:"));
    }

    void exitBringsTheMenuBack()
    {
        QTest::mouseClick(lesson()->screen()->findChild<PictureButton*>("btnpEXIT"), Qt::LeftButton,
                          {}, QPoint(20, 20));
        QVERIFY(!lesson()->isOpen());
        QVERIFY(windows().find("frmMAINMENU")->isOpen());
    }
};

QTEST_MAIN(TestFrmLessPair)
#include "tst_pairswindow.moc"
