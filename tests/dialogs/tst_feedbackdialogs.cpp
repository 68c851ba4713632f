// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/correctanswerdialog.h"
#include "dialogs/wronganswerdialog.h"
#include "support/screensteps.h"

using namespace lxp;
using namespace lxp::testing;

class TestFeedbackDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;
    QStringList& played() { return program->seam.played; }

    // Shows a dialog modally and, once it shows, runs `whileOpen` (which closes it).
    void showModal(const QString& name, const std::function<void()>& whileOpen)
    {
        const auto ran = whenModal(name, whileOpen);
        windows().get(name)->showModal();
        QVERIFY(*ran);
        QVERIFY(!windows().find(name)->isOpen());
    }

private slots:
    void init()
    {
        program = std::make_unique<StartedProgram>();
        // Stand-in effect sounds, so that the test does not depend on the recordings.
        for (const char* effect : {"WIN", "BELLHIGH", "LOOSE"})
            program->seam.setResource("AUDIO", effect, QByteArray("RIFF stand-in for ") + effect);
    }
    void cleanup() { program.reset(); }

    // A dialog plays its sound once, when it opens to be filled, and sits in the main
    // window with no text cut off.
    void soundAtLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("sounds");
        QTest::newRow("correct") << "frmMSGCRECT" << QStringList{"AUDIO/WIN"};
        QTest::newRow("ten in a row") << "frmMSGCRT10" << QStringList{"AUDIO/BELLHIGH"};
        QTest::newRow("wrong") << "frmMSGWRONG" << QStringList{"AUDIO/LOOSE"};
        QTest::newRow("play again") << "frmMSGPLYAG" << QStringList{};
    }
    void soundAtLoad()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, sounds);
        played().clear();
        windows().get(name)->open();
        if (name == "frmMSGCRECT")
            windows().get<CorrectAnswerDialog>()->fill("You found Apple", QPixmap());
        else if (name == "frmMSGWRONG")
            windows().get<WrongAnswerDialog>()->fill("You have not found it", QPixmap());
        QCOMPARE(played(), sounds);
        QCOMPARE(screenOf(name)->parentWidget(), screenOf("mdiPROGMAIN"));
        QVERIFY(textsFit(name));
        // Touching it again, or showing it, plays nothing more.
        windows().get(name)->open();
        showModal(name, [&] { click(name, name == "frmMSGPLYAG" ? "btnpYES" : "btnpOK"); });
        QCOMPARE(played(), sounds);
    }

    // The ten-in-a-row headline flashes, back and forth, and starts afresh at each opening.
    void headlineFlashes()
    {
        const auto colour = [] {
            return element<QLabel>("frmMSGCRT10", "lblCORRECT")
                ->palette()
                .color(QPalette::WindowText);
        };
        windows().get("frmMSGCRT10")->open();
        const QColor first = colour();
        QTRY_VERIFY_WITH_TIMEOUT(colour() != first, 1500);
        QTRY_COMPARE_WITH_TIMEOUT(colour(), first, 1500);
        QTRY_VERIFY_WITH_TIMEOUT(colour() != first, 1500);
        windows().get("frmMSGCRT10")->close();
        windows().get("frmMSGCRT10")->open();
        QCOMPARE(colour(), first);
    }

    // The answer is true when the dialog opens; closed without its buttons it stays true.
    void playAgainAnswers_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Yes") << "btnpYES" << true;
        QTest::newRow("No") << "btnpNO" << false;
        QTest::newRow("closed by its close box") << "close" << true;
    }
    void playAgainAnswers()
    {
        QFETCH(QString, how);
        QFETCH(bool, answer);
        shared().playAgain = !answer;
        showModal("frmMSGPLYAG", [&] {
            QCOMPARE(shared().playAgain, true);
            if (how == "close")
                screenOf("frmMSGPLYAG")->close();
            else
                click("frmMSGPLYAG", how);
        });
        QCOMPARE(shared().playAgain, answer);
    }

    // After the pairs game's two side pictures, the next opening shows the centre picture
    // again, centred, the sides hidden and empty.
    void centrePictureBackAfterThePairsGame()
    {
        auto* dialog = windows().get<WrongAnswerDialog>();
        const auto picture = [&](const char* name) { return element<QLabel>("frmMSGWRONG", name); };
        dialog->open();
        QPixmap side(300, 225);
        side.fill(Qt::red);
        dialog->fillPair("You have found  Apple and Ant", side, side);
        showModal("frmMSGWRONG", [&] {
            QVERIFY(picture("imgPICTUREA")->isVisible() && picture("imgPICTUREB")->isVisible());
            QVERIFY(!picture("imgPICTURE")->isVisible());
            click("frmMSGWRONG", "btnpOK");
        });
        played().clear();
        dialog->open();
        QVERIFY(picture("imgPICTURE")->isVisibleTo(dialog->screen()));
        QCOMPARE(played(), QStringList{"AUDIO/LOOSE"});
        for (const char* name : {"imgPICTUREA", "imgPICTUREB"})
            QVERIFY(!picture(name)->isVisibleTo(dialog->screen()) &&
                    picture(name)->pixmap().isNull());
        QCOMPARE(picture("imgPICTURE")->geometry().center().x(), dialog->screen()->width() / 2);
    }
};

QTEST_MAIN(TestFeedbackDialogs)
#include "tst_feedbackdialogs.moc"
