// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/screentexts.h"
#include "support/screensteps.h"
#include "ui/picturebutton.h"

#include <QFile>
#include <QScopeGuard>

using namespace lxp;
using namespace lxp::testing;

namespace {

// The texts a window shows: its labels, and its buttons' captions and tooltips.
QStringList textsOf(const char* window)
{
    QStringList texts;
    for (QLabel* label : screenOf(window)->findChildren<QLabel*>())
        texts << label->text();
    for (PictureButton* button : screenOf(window)->findChildren<PictureButton*>())
        texts << button->caption() << button->tipText();
    return texts;
}

} // namespace

class TestLanguageWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedProgram> program;

    // Opens the language window from the menu, runs `steps`, then closes it by its close box.
    void withLanguageWindow(const std::function<void()>& steps)
    {
        const auto ran = whenModal("frmLANGUAGE", [&] {
            steps();
            if (QWidget* screen = screenOf("frmLANGUAGE"))
                screen->close();
        });
        click("frmMAINMENU", "btnpLANGUAGE");
        QVERIFY(*ran);
        QVERIFY(!windows().find("frmLANGUAGE")->isOpen());
    }

    static Choices choicesInForce() { return {shared().contentVariant, shared().helpLanguage}; }

private slots:
    void init() { program = std::make_unique<StartedProgram>(); }
    void cleanup() { program.reset(); }

    // OK stores both choices; the open menu speaks Korean at once, its texts whole.
    void koreanAfterOkReachesTheOpenMenu()
    {
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
        QCOMPARE(choicesInForce(), (Choices{ContentVariant::British, HelpLanguage::Korean}));
        QCOMPARE(screenOf("frmMAINMENU"), menuBefore);
        QCOMPARE(element<QLabel>("frmMAINMENU", "lblALPHABET")->text(),
                 QString::fromUtf8("알파벳 배우기"));
        for (int n = 38; n <= 44; ++n)
            QVERIFY2(textsOf("frmMAINMENU").contains(ScreenTextLoad(n)),
                     qPrintable(ScreenTextLoad(n)));
        QVERIFY(textsFit("frmMAINMENU"));
    }

    // Choosing moves the choices (the window keeps its texts until OK); Cancel or the close
    // box (a mended fault) leaves the settings, the choices in force and the texts.
    void cancelOrCloseBoxChangesNothing_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }
    void cancelOrCloseBoxChangesNothing()
    {
        QFETCH(bool, byCloseBox);
        const Choices before = choicesInForce();
        const QString textsBefore = shared().helpTexts;
        const QStringList menuBefore = textsOf("frmMAINMENU");
        withLanguageWindow([&] {
            QVERIFY(textsFit("frmLANGUAGE"));
            const QStringList windowBefore = textsOf("frmLANGUAGE");
            click("frmLANGUAGE", "btnpKOREAN");
            click("frmLANGUAGE", "btnpENGLISH");
            QCOMPARE(choicesInForce(), (Choices{ContentVariant::British, HelpLanguage::Korean}));
            QCOMPARE(textsOf("frmLANGUAGE"), windowBefore);
            if (!byCloseBox)
                click("frmLANGUAGE", "btnpCANCEL");
        });
        QVERIFY(!QFile::exists(program->seam.settingsPath));
        QCOMPARE(choicesInForce(), before);
        QCOMPARE(shared().helpTexts, textsBefore);
        QCOMPARE(textsOf("frmMAINMENU"), menuBefore);
    }

    // Choices that cannot be stored (no settings folder, no home folder) are in force for
    // this run, and the window says so in the language just chosen; OK then closes it.
    void choicesThatCannotBeKeptAreUsedAndSaidSo_data()
    {
        QTest::addColumn<QString>("settingsPath"); // empty: the program's own, from HOME
        QTest::addColumn<QByteArray>("home");
        QTest::newRow("no folder")
            << "/dev/null/Corvane Software Dev./Lexipond.conf" << QByteArray();
        QTest::newRow("no home folder") << QString() << QByteArray();
        QTest::newRow("home folder gone") << QString() << QByteArray("/nonexistent/lexipond");
    }
    void choicesThatCannotBeKeptAreUsedAndSaidSo()
    {
        QFETCH(QString, settingsPath);
        QFETCH(QByteArray, home);
        program->seam.settingsPath = settingsPath;
        const QByteArray homeBefore = qgetenv("HOME");
        const auto homeBack = qScopeGuard([&] { qputenv("HOME", homeBefore); });
        qputenv("HOME", home);
        qunsetenv("XDG_CONFIG_HOME");
        withLanguageWindow([&] {
            click("frmLANGUAGE", "btnpKOREAN");
            click("frmLANGUAGE", "btnpOK");
            QVERIFY(windows().find("frmLANGUAGE")->isOpen());
            QCOMPARE(element<QLabel>("frmLANGUAGE", "lblNOTKEPT")->text(),
                     ScreenTextList(HelpLanguage::Korean).section('|', 51, 51));
            QVERIFY(element<QLabel>("frmLANGUAGE", "lblNOTKEPT")->isVisible());
            QVERIFY(textsFit("frmLANGUAGE"));
            click("frmLANGUAGE", "btnpOK");
        });
        QCOMPARE(ScreenTextLoad(24), QString::fromUtf8("확인"));
        QCOMPARE(element<QLabel>("frmMAINMENU", "lblALPHABET")->text(),
                 QString::fromUtf8("알파벳 배우기"));
    }
};

QTEST_MAIN(TestLanguageWindow)
#include "tst_languagewindow.moc"
