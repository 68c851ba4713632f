#include "controls/picbtn.h"
#include "dialogs/frmmsgcrect.h"
#include "dialogs/frmmsgcrt10.h"
#include "dialogs/frmmsgplyag.h"
#include "dialogs/frmmsgwrong.h"
#include "dialogs/modalsteps.h"
#include "shell/modprogmain.h"
#include "shell/sharedstate.h"
#include "support/testseam.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace lxp;

namespace {

QWidget* screenOf(const QString& name) {
    Window* window = windows().find(name);
    return window ? window->screen() : nullptr;
}

template <class T> T* element(const QString& window, const QString& name) {
    QWidget* screen = screenOf(window);
    return screen ? screen->findChild<T*>(name) : nullptr;
}

void click(const QString& window, const QString& name) {
    auto* button = element<picbtn>(window, name);
    QVERIFY2(button, qPrintable(window + "." + name));
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

QRgb textColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText).rgba();
}

QPixmap somePicture(const QColor& colour) {
    QPixmap picture(300, 225);
    picture.fill(colour);
    return picture;
}

} // namespace

class TestFeedbackDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;

    // Shows a dialog modally and, once it shows, runs `whileOpen` (which closes it).
    void showModal(const QString& name, const std::function<void()>& whileOpen) {
        const auto ran = testing::whenModal(name, whileOpen);
        windows().get(name)->ShowModal();
        QVERIFY(*ran);
        QVERIFY(!windows().find(name)->isLoaded());
    }

private slots:
    void init() {
        windows().clear();
        resetShared();
        seam = std::make_unique<TestSeam>();
        // Stand-in effect sounds, so that the test does not depend on the recordings.
        for (const char* effect : {"WIN", "BELLHIGH", "LOOSE"})
            seam->setResource("AUDIO", effect, QByteArray("RIFF stand-in for ") + effect);
        StartUp();
    }

    void cleanup() {
        windows().clear();
        seam.reset();
    }

    void dialogsShareTheirLook_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("correct") << "frmMSGCRECT" << QStringList{"btnpOK"} << QStringList{"OK"};
        QTest::newRow("ten in a row")
            << "frmMSGCRT10" << QStringList{"btnpOK"} << QStringList{"OK"};
        QTest::newRow("wrong") << "frmMSGWRONG" << QStringList{"btnpOK"} << QStringList{"OK"};
        QTest::newRow("play again")
            << "frmMSGPLYAG" << QStringList{"btnpYES", "btnpNO"} << QStringList{"Yes", "No"};
    }

    void dialogsShareTheirLook() {
        QFETCH(QString, name);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, captions);
        windows().get(name)->Load();
        QWidget* screen = screenOf(name);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QString("Lexipond"));
        QCOMPARE(screen->size(), QSize(527, 250));
        QCOMPARE(screen->parentWidget(), screenOf("mdiPROGMAIN"));
        QVERIFY(element<QWidget>(name, "shpWINDOW"));
        for (int i = 0; i < buttons.size(); ++i) {
            auto* button = element<picbtn>(name, buttons[i]);
            QVERIFY(button);
            QCOMPARE(button->CAPTION(), captions[i]);
            QVERIFY(!button->property("PictureNormal").value<QPixmap>().isNull());
            QVERIFY(screen->rect().contains(button->geometry()));
        }
        for (QLabel* label : screen->findChildren<QLabel*>()) {
            if (label->wordWrap() || label->text().isEmpty() || label->parent() != screen)
                continue;
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
        }
    }

    void soundPlaysAtTheFirstTouch_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("sounds");
        QTest::newRow("correct") << "frmMSGCRECT" << QStringList{"AUDIO/WIN"};
        QTest::newRow("ten in a row") << "frmMSGCRT10" << QStringList{"AUDIO/BELLHIGH"};
        QTest::newRow("wrong") << "frmMSGWRONG" << QStringList{"AUDIO/LOOSE"};
        QTest::newRow("play again") << "frmMSGPLYAG" << QStringList{};
    }

    void soundPlaysAtTheFirstTouch() {
        QFETCH(QString, name);
        QFETCH(QStringList, sounds);
        seam->played.clear();
        // The sentence is still the design text while the sound plays: the load step
        // runs before the caller's assignments.
        QString sentenceDuringSound;
        seam->onPlay = [&](const QString&) {
            if (auto* label = element<QLabel>(name, name == "frmMSGWRONG" ? "lblWordWasfrmMSGWRONG"
                                                                          : "lblWordWas"))
                sentenceDuringSound = label->text();
        };
        if (name == "frmMSGCRECT")
            windows().get<frmMSGCRECT>()->lblWordWas()->setText("You found Apple");
        else if (name == "frmMSGWRONG")
            windows().get<frmMSGWRONG>()->lblWordWasfrmMSGWRONG()->setText(
                "You have not found the correct one");
        else
            windows().get(name)->Load();
        QCOMPARE(seam->played, sounds);
        if (name == "frmMSGCRECT")
            QCOMPARE(sentenceDuringSound, QString(" Word Was"));
        if (name == "frmMSGWRONG")
            QCOMPARE(sentenceDuringSound, QString(" Word was"));
        // Touching it again while it is open plays nothing more.
        windows().get(name)->Load();
        QCOMPARE(seam->played, sounds);
        showModal(name, [&] { click(name, name == "frmMSGPLYAG" ? "btnpYES" : "btnpOK"); });
        QCOMPARE(seam->played, sounds);
    }

    void headlineFlashesWhiteAndBlue_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("correct") << "frmMSGCRECT";
        QTest::newRow("ten in a row") << "frmMSGCRT10";
    }

    void headlineFlashesWhiteAndBlue() {
        QFETCH(QString, name);
        windows().get(name)->Load();
        auto* headline = element<QLabel>(name, "lblCORRECT");
        auto* timer = element<QTimer>(name, "tmrANIM");
        QVERIFY(headline && timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(textColour(headline), QRgb(0xFFFFFFFF));
        QTRY_COMPARE_WITH_TIMEOUT(textColour(headline), QRgb(0xFF0000FF), 1500);
        QTRY_COMPARE_WITH_TIMEOUT(textColour(headline), QRgb(0xFFFFFFFF), 1500);
        QTRY_COMPARE_WITH_TIMEOUT(textColour(headline), QRgb(0xFF0000FF), 1500);
        windows().get(name)->Unload();
        // The next opening starts white again.
        windows().get(name)->Load();
        QCOMPARE(textColour(element<QLabel>(name, "lblCORRECT")), QRgb(0xFFFFFFFF));
    }

    void playAgainAnswers_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Yes") << "btnpYES" << true;
        QTest::newRow("No") << "btnpNO" << false;
        QTest::newRow("closed by its close box") << "close" << true;
    }

    void playAgainAnswers() {
        QFETCH(QString, how);
        QFETCH(bool, answer);
        shared().blnPLAYAGAIN = !answer;
        showModal("frmMSGPLYAG", [&] {
            QCOMPARE(shared().blnPLAYAGAIN, true); // preset when it opens
            if (how == "close")
                screenOf("frmMSGPLYAG")->close();
            else
                click("frmMSGPLYAG", how);
        });
        QCOMPARE(shared().blnPLAYAGAIN, answer);
    }

    void correctDialogForgetsItsCallerAtClosing() {
        auto* dialog = windows().get<frmMSGCRECT>();
        dialog->imgPICTURE()->setPixmap(somePicture(Qt::red));
        dialog->lblWordWas()->setText("You found Apple");
        QCOMPARE(dialog->imgPICTURE()->size(), QSize(85, 67));
        QVERIFY(dialog->imgPICTURE()->hasScaledContents());
        showModal("frmMSGCRECT", [&] {
            QCOMPARE(element<QLabel>("frmMSGCRECT", "lblWordWas")->text(),
                     QString("You found Apple"));
            click("frmMSGCRECT", "btnpOK");
        });
        QVERIFY(dialog->imgPICTURE()->pixmap().isNull());
        QCOMPARE(dialog->lblWordWas()->text(), QString(" Word Was"));
        dialog->Unload();
    }

    void wrongDialogShowsTheCentrePictureAgainAfterThePairsGame() {
        auto* dialog = windows().get<frmMSGWRONG>();
        QVERIFY(dialog->imgPICTURE()->isVisibleTo(dialog->screen()));
        QVERIFY(!dialog->imgPICTUREA()->isVisibleTo(dialog->screen()));
        QVERIFY(!dialog->imgPICTUREB()->isVisibleTo(dialog->screen()));
        // The matching-pairs game shows both cards.
        dialog->lblWordWasfrmMSGWRONG()->setText("You have found  Apple and Ant");
        dialog->imgPICTURE()->setVisible(false);
        dialog->imgPICTUREA()->setPixmap(somePicture(Qt::red));
        dialog->imgPICTUREA()->setVisible(true);
        dialog->imgPICTUREB()->setPixmap(somePicture(Qt::blue));
        dialog->imgPICTUREB()->setVisible(true);
        showModal("frmMSGWRONG", [&] {
            QWidget* screen = screenOf("frmMSGWRONG");
            auto* a = element<QLabel>("frmMSGWRONG", "imgPICTUREA");
            auto* b = element<QLabel>("frmMSGWRONG", "imgPICTUREB");
            QVERIFY(a->isVisible() && b->isVisible());
            QVERIFY(a->geometry().right() < screen->width() / 2);
            QVERIFY(b->geometry().left() > screen->width() / 2);
            QVERIFY(!a->geometry().intersects(b->geometry()));
            click("frmMSGWRONG", "btnpOK");
        });
        // The next lesson to use it finds the centre picture in place.
        seam->played.clear();
        QVERIFY(dialog->imgPICTURE()->isVisibleTo(dialog->screen()));
        QCOMPARE(seam->played, QStringList{"AUDIO/LOOSE"});
        QVERIFY(!dialog->imgPICTUREA()->isVisibleTo(dialog->screen()));
        QVERIFY(!dialog->imgPICTUREB()->isVisibleTo(dialog->screen()));
        QVERIFY(dialog->imgPICTUREA()->pixmap().isNull());
        QCOMPARE(dialog->lblWordWasfrmMSGWRONG()->text(), QString(" Word was"));
        const QRect centre = dialog->imgPICTURE()->geometry();
        QCOMPARE(centre.center().x(), dialog->screen()->width() / 2);
        dialog->Unload();
    }

    void dialogsWithoutTheirResourcesStillOpenAndClose() {
        seam->setResource("DIALOG", "MSGBOX", QByteArray());
        seam->setResource("AUDIO", "WIN", QByteArray());
        seam->setResource("BITMAP", "BTNNORMAL", QByteArray());
        seam->played.clear();
        showModal("frmMSGCRECT", [&] { click("frmMSGCRECT", "btnpOK"); });
        QVERIFY(seam->played.isEmpty());
    }
};

QTEST_MAIN(TestFeedbackDialogs)
#include "tst_feedbackdialogs.moc"
