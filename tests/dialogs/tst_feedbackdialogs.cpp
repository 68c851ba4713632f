#include "dialogs/frmmsgcrect.h"
#include "dialogs/frmmsgwrong.h"
#include "dialogs/screensteps.h"

using namespace lxp;
using namespace lxp::testing;

namespace {

QRgb textColour(QLabel* label) { return label->palette().color(QPalette::WindowText).rgba(); }

QPixmap somePicture(const QColor& colour) {
    QPixmap picture(300, 225);
    picture.fill(colour);
    return picture;
}

} // namespace

class TestFeedbackDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;
    QStringList& played() { return program->seam.played; }

    // Shows a dialog modally and, once it shows, runs `whileOpen` (which closes it).
    void showModal(const QString& name, const std::function<void()>& whileOpen) {
        const auto ran = whenModal(name, whileOpen);
        windows().get(name)->ShowModal();
        QVERIFY(*ran);
        QVERIFY(!windows().find(name)->isLoaded());
    }

private slots:
    void init() {
        program = std::make_unique<StartedProgram>();
        // Stand-in effect sounds, so that the test does not depend on the recordings.
        for (const char* effect : {"WIN", "BELLHIGH", "LOOSE"})
            program->seam.setResource("AUDIO", effect, QByteArray("RIFF stand-in for ") + effect);
    }
    void cleanup() { program.reset(); }

    // A dialog plays its sound once, at its first touch, while its sentence still reads
    // the design text (the load step runs before the caller's assignments). It sits in
    // the main window with no text cut off.
    void soundAtLoad_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("designText");
        QTest::newRow("correct") << "frmMSGCRECT" << QStringList{"AUDIO/WIN"} << "lblWordWas" << " Word Was";
        QTest::newRow("ten in a row") << "frmMSGCRT10" << QStringList{"AUDIO/BELLHIGH"} << "" << "";
        QTest::newRow("wrong") << "frmMSGWRONG" << QStringList{"AUDIO/LOOSE"} << "lblWordWasfrmMSGWRONG" << " Word was";
        QTest::newRow("play again") << "frmMSGPLYAG" << QStringList{} << "" << "";
    }
    void soundAtLoad() {
        QFETCH(QString, name);
        QFETCH(QStringList, sounds);
        QFETCH(QString, sentence);
        QFETCH(QString, designText);
        played().clear();
        QString sentenceDuringSound;
        program->seam.onPlay = [&](const QString&) {
            if (!sentence.isEmpty())
                sentenceDuringSound = element<QLabel>(name, sentence)->text();
        };
        if (name == "frmMSGCRECT")
            windows().get<frmMSGCRECT>()->lblWordWas()->setText("You found Apple");
        else if (name == "frmMSGWRONG")
            windows().get<frmMSGWRONG>()->lblWordWasfrmMSGWRONG()->setText("You have not found it");
        else
            windows().get(name)->Load();
        QCOMPARE(played(), sounds);
        QCOMPARE(sentenceDuringSound, designText);

        QCOMPARE(screenOf(name)->parentWidget(), screenOf("mdiPROGMAIN"));
        QVERIFY(textsFit(name));
        // Touching it again, or showing it, plays nothing more.
        windows().get(name)->Load();
        showModal(name, [&] { click(name, name == "frmMSGPLYAG" ? "btnpYES" : "btnpOK"); });
        QCOMPARE(played(), sounds);
    }

    // The headline starts white and turns blue and white every second; white again at
    // the next opening.
    void headlineFlashesWhiteAndBlue_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("correct") << "frmMSGCRECT";
        QTest::newRow("ten in a row") << "frmMSGCRT10";
    }
    void headlineFlashesWhiteAndBlue() {
        QFETCH(QString, name);
        windows().get(name)->Load();
        auto* headline = element<QLabel>(name, "lblCORRECT");
        QCOMPARE(element<QTimer>(name, "tmrANIM")->interval(), 1000);
        QCOMPARE(textColour(headline), QRgb(0xFFFFFFFF));
        for (QRgb colour : {0xFF0000FFu, 0xFFFFFFFFu, 0xFF0000FFu})
            QTRY_COMPARE_WITH_TIMEOUT(textColour(headline), colour, 1500);
        windows().get(name)->Unload();
        windows().get(name)->Load();
        QCOMPARE(textColour(element<QLabel>(name, "lblCORRECT")), QRgb(0xFFFFFFFF));
    }

    // The answer is true when the dialog opens; closed without its buttons it stays true.
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
            QCOMPARE(shared().blnPLAYAGAIN, true);
            if (how == "close")
                screenOf("frmMSGPLYAG")->close();
            else
                click("frmMSGPLYAG", how);
        });
        QCOMPARE(shared().blnPLAYAGAIN, answer);
    }

    // After the pairs game showed two side pictures, the next opening shows the centre
    // picture again, centred, with the sides hidden and empty.
    void wrongDialogShowsTheCentrePictureAgainAfterThePairsGame() {
        auto* dialog = windows().get<frmMSGWRONG>();
        dialog->lblWordWasfrmMSGWRONG()->setText("You have found  Apple and Ant");
        dialog->imgPICTURE()->setVisible(false);
        dialog->imgPICTUREA()->setPixmap(somePicture(Qt::red));
        dialog->imgPICTUREA()->setVisible(true);
        dialog->imgPICTUREB()->setPixmap(somePicture(Qt::blue));
        dialog->imgPICTUREB()->setVisible(true);
        showModal("frmMSGWRONG", [&] {
            const int middle = dialog->screen()->width() / 2;
            QVERIFY(dialog->imgPICTUREA()->isVisible() && dialog->imgPICTUREB()->isVisible());
            QVERIFY(dialog->imgPICTUREA()->geometry().right() < middle);
            QVERIFY(dialog->imgPICTUREB()->geometry().left() > middle);
            click("frmMSGWRONG", "btnpOK");
        });
        played().clear();
        QVERIFY(dialog->imgPICTURE()->isVisibleTo(dialog->screen()));
        QCOMPARE(played(), QStringList{"AUDIO/LOOSE"});
        QVERIFY(!dialog->imgPICTUREA()->isVisibleTo(dialog->screen()));
        QVERIFY(!dialog->imgPICTUREB()->isVisibleTo(dialog->screen()));
        QVERIFY(dialog->imgPICTUREA()->pixmap().isNull());
        QCOMPARE(dialog->lblWordWasfrmMSGWRONG()->text(), QString(" Word was"));
        QCOMPARE(dialog->imgPICTURE()->geometry().center().x(), dialog->screen()->width() / 2);
    }
};

QTEST_MAIN(TestFeedbackDialogs)
#include "tst_feedbackdialogs.moc"
