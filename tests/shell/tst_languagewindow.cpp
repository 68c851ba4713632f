#include "controls/picbtn.h"
#include "dialogs/screensteps.h"
#include "shell/modlxplang.h"

#include <QFile>
#include <QFrame>

using namespace lxp;
using namespace lxp::testing;

namespace {

// Whether the frame marks the chosen button.
bool marks(const char* frame, const QString& button) {
    auto* marker = element<QFrame>("frmLANGUAGE", frame);
    auto* chosen = element("frmLANGUAGE", button);
    return marker->isVisible() && marker->pos() == chosen->pos() - QPoint(5, 5) &&
           marker->geometry().contains(chosen->geometry());
}

// The texts a window shows: its labels, and its buttons' captions and tooltips.
QStringList textsOf(const char* window) {
    QStringList texts;
    for (QLabel* label : screenOf(window)->findChildren<QLabel*>())
        texts << label->text();
    for (picbtn* button : screenOf(window)->findChildren<picbtn*>())
        texts << button->CAPTION() << button->ToolTip();
    return texts;
}

} // namespace

class TestLanguageWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;

    QStringList stored() {
        const auto settings = program->seam.openSettings();
        return {settings->value("frmPROGMENUMAINDETAILS/LANGUAGE").toString(),
                settings->value("frmPROGMENUMAINDETAILS/HELP").toString()};
    }

    // Opens the language window from the menu, runs `steps` while it is open, and
    // closes by its close box whatever the steps left open.
    void withLanguageWindow(const std::function<void()>& steps) {
        const auto ran = whenModal("frmLANGUAGE", [&] {
            steps();
            if (QWidget* screen = screenOf("frmLANGUAGE"))
                screen->close();
        });
        click("frmMAINMENU", "btnpLANGUAGE");
        QVERIFY(*ran);
        QVERIFY(!windows().find("frmLANGUAGE")->isLoaded());
    }

private slots:
    void cleanup() { program.reset(); }

    // OK stores both choices, and the open menu, not reopened, speaks Korean at once with
    // its texts whole; until OK the window keeps the stored language's texts.
    void koreanAfterOkReachesTheOpenMenu() {
        program = std::make_unique<StartedProgram>();
        QWidget* menuBefore = screenOf("frmMAINMENU");
        QStringList textsAtOpening, textsBeforeOk;
        withLanguageWindow([&] {
            textsAtOpening = textsOf("frmLANGUAGE");
            click("frmLANGUAGE", "btnpKOREAN");
            click("frmLANGUAGE", "btnpENGLISH");
            textsBeforeOk = textsOf("frmLANGUAGE");
            click("frmLANGUAGE", "btnpOK");
        });
        QCOMPARE(textsBeforeOk, textsAtOpening);
        QCOMPARE(stored(), QStringList({"ENGLISH", "KOREAN"}));
        QCOMPARE(QStringList({shared().strLANGUAGE, shared().strHELPLANGUAGE}), stored());
        QCOMPARE(screenOf("frmMAINMENU"), menuBefore);
        QCOMPARE(element<QLabel>("frmMAINMENU", "lblALPHABET")->text(), QString::fromUtf8("알파벳 배우기"));
        for (int n = 38; n <= 44; ++n)
            QVERIFY2(textsOf("frmMAINMENU").contains(ScreenTextLoad(n)), qPrintable(ScreenTextLoad(n)));
        QVERIFY(textsFit("frmMAINMENU"));
        withLanguageWindow([&] {
            QCOMPARE(element<picbtn>("frmLANGUAGE", "btnpCANCEL")->CAPTION(), QString::fromUtf8("나가기"));
            QVERIFY(textsFit("frmLANGUAGE"));
        });
    }

    // The window opens with the choices in force marked, its texts whole. Choosing moves
    // the markers and the choices, but Cancel or the close box changes nothing in the
    // end: not the settings, not the choices in force, not the texts.
    void cancelOrCloseBoxChangesNothing_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("languageButton");
        QTest::addColumn<QString>("helpButton");
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("Cancel") << QString() << QString() << "btnpENGLISH" << "btnpKOREAN" << false;
        QTest::newRow("close box") << QString() << QString() << "btnpENGLISH" << "btnpKOREAN" << true;
        QTest::newRow("Cancel, choices stored") << "ENGLISH" << "KOREAN" << "btnpAMERICAN" << "btnpENGHELP" << false;
    }
    void cancelOrCloseBoxChangesNothing() {
        QFETCH(QString, language);
        QFETCH(QString, help);
        QFETCH(QString, languageButton);
        QFETCH(QString, helpButton);
        QFETCH(bool, byCloseBox);
        program = std::make_unique<StartedProgram>(language, help);
        const QStringList before{shared().strLANGUAGE, shared().strHELPLANGUAGE, shared().strHELPTEXTS};
        const QStringList menuBefore = textsOf("frmMAINMENU");
        const auto chosen = [](const QString& button) { return button == "btnpENGHELP" ? "ENGLISH" : button.mid(4); };
        withLanguageWindow([&] {
            QVERIFY(marks("shpLANGSEL", "btnp" + before[0]));
            QVERIFY(marks("shpHELPSEL", before[1] == "KOREAN" ? "btnpKOREAN" : "btnpENGHELP"));
            QVERIFY(textsFit("frmLANGUAGE"));
            const QStringList windowBefore = textsOf("frmLANGUAGE");
            click("frmLANGUAGE", helpButton);
            click("frmLANGUAGE", languageButton);
            QVERIFY(marks("shpLANGSEL", languageButton) && marks("shpHELPSEL", helpButton));
            QCOMPARE(QStringList({shared().strLANGUAGE, shared().strHELPLANGUAGE}),
                     QStringList({chosen(languageButton), chosen(helpButton)}));
            QCOMPARE(textsOf("frmLANGUAGE"), windowBefore);
            if (!byCloseBox)
                click("frmLANGUAGE", "btnpCANCEL");
        });
        QCOMPARE(QFile::exists(program->seam.settingsPath), !language.isNull());
        QCOMPARE(stored(), language.isNull() ? QStringList({"", ""}) : QStringList({language, help}));
        QCOMPARE(QStringList({shared().strLANGUAGE, shared().strHELPLANGUAGE, shared().strHELPTEXTS}), before);
        QCOMPARE(textsOf("frmMAINMENU"), menuBefore);
    }
};

QTEST_MAIN(TestLanguageWindow)
#include "tst_languagewindow.moc"
