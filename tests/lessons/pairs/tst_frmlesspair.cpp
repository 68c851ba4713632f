#include "controls/picbtn.h"
#include "dialogs/frmmsgcrect.h"
#include "dialogs/frmmsgwrong.h"
#include "lessons/pairs/frmlesspair.h"
#include "shell/modprogmain.h"
#include "shell/sharedstate.h"
#include "support/testseam.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

using namespace lxp;

// The matching pairs screen, played by clicking its real cards.
class TestFrmLessPair : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;
    QTimer answerer;
    QStringList dialogsSeen;
    QString answer = "btnpOK";
    std::function<void(QWidget*)> inspectDialog;

    frmLESSPAIR* lesson() { return windows().get<frmLESSPAIR>(); }
    QWidget* card(int i)
    {
        return lesson()->screen()->findChild<QWidget*>(QStringLiteral("picCARD_%1").arg(i));
    }
    QLabel* picture(int i)
    {
        return lesson()->screen()->findChild<QLabel*>(QStringLiteral("imgMATCH_%1").arg(i));
    }
    QColor frame(int i) { return card(i)->palette().color(QPalette::Window); }
    void clickCard(int i) { QTest::mouseClick(card(i), Qt::LeftButton, {}, QPoint(60, 60)); }
    QList<int> cardsOf(const QString& word)
    {
        QList<int> found;
        for (int i = 0; i < PairsGame::kCards; ++i)
            if (lesson()->game().card(i).word == word)
                found << i;
        return found;
    }

private slots:
    void initTestCase()
    {
        // Answers each feedback dialog with a real click on its button.
        answerer.setInterval(10);
        connect(&answerer, &QTimer::timeout, this, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible())
                return;
            auto* button = dialog->findChild<picbtn*>(dialog->objectName() == "frmMSGPLYAG"
                                                          ? answer
                                                          : QStringLiteral("btnpOK"));
            if (!button)
                return;
            dialogsSeen << dialog->objectName();
            if (inspectDialog)
                inspectDialog(dialog);
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
        });
    }

    void init()
    {
        windows().clear();
        resetShared();
        seam = std::make_unique<TestSeam>();
        // Stand-in recordings, so every sound the game asks for is heard by the seam.
        for (const char* effect : {"CLICK", "WIN", "LOOSE"})
            seam->setResource("AUDIO", effect, QByteArray("RIFF effect"));
        StartUp();
        dialogsSeen.clear();
        answer = "btnpOK";
        inspectDialog = nullptr;
        answerer.start();
        if (!windows().get<frmLESSPAIR>())
            QSKIP("the matching pairs window is not in the program's window list");
        windows().find("frmMAINMENU")->Unload();
        lesson()->Show();
    }
    void cleanup()
    {
        answerer.stop();
        windows().clear();
        seam.reset();
    }

    void opensWithTwelveFaceDownCardsOnTheGrid()
    {
        for (int i = 0; i < PairsGame::kCards; ++i) {
            QVERIFY(card(i)->isVisible() && !picture(i)->isVisible());
            QCOMPARE(frame(i), QColor(40, 112, 219));
            QCOMPARE(card(i)->size(), QSize(139, 121));
        }
        // Card 7 top left, card 5 bottom right, columns 144 and rows 126 pixels apart.
        QCOMPARE(card(5)->pos() - card(7)->pos(), QPoint(3 * 144, 2 * 126));
        QCOMPARE(card(0)->pos() - card(9)->pos(), QPoint(0, 126));
        QCOMPARE(card(10)->pos() - card(11)->pos(), QPoint(144, 0));
    }

    void aMatchIsPraisedFramedAndSpoken()
    {
        const QString word = lesson()->game().card(3).word;
        seam->setResource("WORDS", word, QByteArray("RIFF word"));
        const QList<int> pair = cardsOf(word);
        QString sentence;
        bool pictureShown = false;
        inspectDialog = [&](QWidget* dialog) {
            if (dialog->objectName() != "frmMSGCRECT")
                return;
            sentence = dialog->findChild<QLabel*>("lblWordWas")->text();
            pictureShown = dialog->findChild<QLabel*>("imgPICTURE")->isVisible();
        };
        clickCard(pair.at(0));
        QVERIFY(picture(pair.at(0))->isVisible());
        clickCard(pair.at(1));
        QCOMPARE(dialogsSeen, QStringList({"frmMSGCRECT"}));
        QCOMPARE(sentence, "You have found " + word);
        QVERIFY(pictureShown);
        for (const int i : pair) {
            QCOMPARE(frame(i), QColor(255, 255, 0));
            QVERIFY(picture(i)->isVisible());
        }
        QTRY_VERIFY(seam->played.contains("WORDS/" + word, Qt::CaseInsensitive));
        QVERIFY(seam->played.contains("AUDIO/WIN"));
    }

    void aMismatchShowsBothPicturesThenTurnsThemBack()
    {
        int a = -1, b = -1;
        for (int i = 1; i < PairsGame::kCards && b < 0; ++i)
            if (lesson()->game().card(i).word != lesson()->game().card(0).word) {
                a = 0;
                b = i;
            }
        bool sidePictures = false;
        QString sentence;
        inspectDialog = [&](QWidget* dialog) {
            sentence = dialog->findChild<QLabel*>("lblWordWasfrmMSGWRONG")->text();
            sidePictures = dialog->findChild<QLabel*>("imgPICTUREA")->isVisible() &&
                           dialog->findChild<QLabel*>("imgPICTUREB")->isVisible() &&
                           !dialog->findChild<QLabel*>("imgPICTURE")->isVisible();
        };
        clickCard(b);
        clickCard(a);
        QCOMPARE(dialogsSeen, QStringList({"frmMSGWRONG"}));
        QVERIFY(sidePictures);
        QCOMPARE(sentence, "You have found  " + lesson()->game().card(a).word + " and " +
                               lesson()->game().card(b).word);
        QVERIFY(!picture(a)->isVisible() && !picture(b)->isVisible());
        QCOMPARE(seam->played.count("AUDIO/CLICK"), 2);
        QVERIFY(seam->played.contains("AUDIO/LOOSE"));
    }

    void aThirdCardClickedDuringTheSecondSoundStaysDown()
    {
        // Cards 0 and the first card with another word; a third card in play.
        const PairsGame& game = lesson()->game();
        int second = -1, third = -1;
        for (int i = 1; i < PairsGame::kCards; ++i) {
            if (second < 0 && game.card(i).word != game.card(0).word)
                second = i;
            else if (third < 0 && game.card(i).word != game.card(0).word)
                third = i;
        }
        clickCard(0);
        // While the second card's sound plays, the learner clicks a third card: the
        // click waits in the queue and is handled right after the sound.
        int clicks = 0;
        seam->onPlay = [&](const QString& label) {
            if (label != "AUDIO/CLICK" || ++clicks != 1)
                return;
            const QPoint at(60, 60);
            QCoreApplication::postEvent(card(third), new QMouseEvent(QEvent::MouseButtonPress, at,
                card(third)->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(card(third), new QMouseEvent(QEvent::MouseButtonRelease, at,
                card(third)->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        };
        clickCard(second);
        QCOMPARE(dialogsSeen, QStringList({"frmMSGWRONG"}));
        QVERIFY(!picture(third)->isVisible());
        QVERIFY(game.card(third).enabled);
        QCOMPARE(game.intCARDSTURNED, qint16(0));
        QCOMPARE(seam->played.count("AUDIO/CLICK"), 2);
    }

    void sixPairsThenNoBringsTheMenuBack()
    {
        answer = "btnpNO";
        QStringList words;
        for (int i = 0; i < PairsGame::kPairs; ++i)
            words << lesson()->game().card(i).word;
        for (const QString& word : words) {
            const QList<int> pair = cardsOf(word);
            clickCard(pair.at(0));
            clickCard(pair.at(1));
        }
        QCOMPARE(dialogsSeen.count("frmMSGCRECT"), 6);
        QCOMPARE(dialogsSeen.last(), QString("frmMSGPLYAG"));
        QTRY_VERIFY(!lesson()->isLoaded());
        QVERIFY(windows().find("frmMAINMENU")->isLoaded());
    }

    void exitBringsTheMenuBack()
    {
        QTest::mouseClick(lesson()->screen()->findChild<picbtn*>("btnpEXIT"), Qt::LeftButton, {},
                          QPoint(20, 20));
        QVERIFY(!lesson()->isLoaded());
        QVERIFY(windows().find("frmMAINMENU")->isLoaded());
    }
};

QTEST_MAIN(TestFrmLessPair)
#include "tst_frmlesspair.moc"
