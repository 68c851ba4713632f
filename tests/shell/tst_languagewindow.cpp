#include "controls/picbtn.h"
#include "dialogs/screensteps.h"
#include "shell/modlxplang.h"

#include <QFile>

using namespace lxp;
using namespace lxp::testing;

namespace {

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
    void init() { program = std::make_unique<StartedProgram>(); }
    void cleanup() { program.reset(); }

    // OK stores both choices, and the open menu, not reopened, speaks Korean at once with
    // its texts whole.
    void koreanAfterOkReachesTheOpenMenu() {
        QWidget* menuBefore = screenOf("frmMAINMENU");
        QStringList stored;
        withLanguageWindow([&] {
            click("frmLANGUAGE", "btnpKOREAN");
            click("frmLANGUAGE", "btnpENGLISH");
            click("frmLANGUAGE", "btnpOK");
        });
        const auto settings = program->seam.openSettings();
        for (const char* key : {"LANGUAGE", "HELP"})
            stored << settings->value(QString("frmPROGMENUMAINDETAILS/") + key).toString();
        QCOMPARE(stored, QStringList({"ENGLISH", "KOREAN"}));
        QCOMPARE(QStringList({shared().strLANGUAGE, shared().strHELPLANGUAGE}), stored);
        QCOMPARE(screenOf("frmMAINMENU"), menuBefore);
        QCOMPARE(element<QLabel>("frmMAINMENU", "lblALPHABET")->text(), QString::fromUtf8("알파벳 배우기"));
        for (int n = 38; n <= 44; ++n)
            QVERIFY2(textsOf("frmMAINMENU").contains(ScreenTextLoad(n)), qPrintable(ScreenTextLoad(n)));
        QVERIFY(textsFit("frmMAINMENU"));
    }

    // The window opens with its texts whole. Choosing moves the choices (the window keeps
    // its texts until OK), but Cancel or the close box (a mended fault) changes nothing:
    // not the settings, the choices in force or the texts.
    void cancelOrCloseBoxChangesNothing_data() {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }
    void cancelOrCloseBoxChangesNothing() {
        QFETCH(bool, byCloseBox);
        const QStringList before{shared().strLANGUAGE, shared().strHELPLANGUAGE, shared().strHELPTEXTS};
        const QStringList menuBefore = textsOf("frmMAINMENU");
        withLanguageWindow([&] {
            QVERIFY(textsFit("frmLANGUAGE"));
            const QStringList windowBefore = textsOf("frmLANGUAGE");
            click("frmLANGUAGE", "btnpKOREAN");
            click("frmLANGUAGE", "btnpENGLISH");
            QCOMPARE(QStringList({shared().strLANGUAGE, shared().strHELPLANGUAGE}), QStringList({"ENGLISH", "KOREAN"}));
            QCOMPARE(textsOf("frmLANGUAGE"), windowBefore);
            if (!byCloseBox)
                click("frmLANGUAGE", "btnpCANCEL");
        });
        QVERIFY(!QFile::exists(program->seam.settingsPath));
        QCOMPARE(QStringList({shared().strLANGUAGE, shared().strHELPLANGUAGE, shared().strHELPTEXTS}), before);
        QCOMPARE(textsOf("frmMAINMENU"), menuBefore);
    }
};

QTEST_MAIN(TestLanguageWindow)
#include "tst_languagewindow.moc"
