#include "controls/picbtn.h"
#include "dialogs/modalsteps.h"
#include "shell/frmlanguage.h"
#include "shell/modlxplang.h"
#include "shell/modprogmain.h"
#include "shell/sharedstate.h"
#include "support/testseam.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QSettings>
#include <QTest>
#include <QTimer>

using namespace lxp;

namespace {

QWidget* screenOf(const char* name) {
    Window* window = windows().find(QLatin1String(name));
    return window ? window->screen() : nullptr;
}

template <class T> T* element(const char* window, const QString& name) {
    QWidget* screen = screenOf(window);
    return screen ? screen->findChild<T*>(name) : nullptr;
}

void click(const char* window, const QString& name) {
    auto* button = element<picbtn>(window, name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void storeChoices(TestSeam& seam, const QString& language, const QString& help) {
    auto settings = seam.openSettings();
    settings->setValue("frmPROGMENUMAINDETAILS/LANGUAGE", language);
    settings->setValue("frmPROGMENUMAINDETAILS/HELP", help);
}

QString stored(TestSeam& seam, const QString& item) {
    return seam.openSettings()->value("frmPROGMENUMAINDETAILS/" + item).toString();
}

// The texts the learner sees on the main menu and on the language window.
QStringList menuTexts() {
    QStringList texts;
    for (const char* name :
         {"lblALPHABET", "lblLEARNWORDS", "lblPICTSWORDS", "lblWRITELETTER", "lblMATCHINGPAIR"})
        texts << element<QLabel>("frmMAINMENU", name)->text();
    for (const char* name : {"btnpCLOSEPROGRAM", "btnpLANGUAGE", "btnpABOUT"})
        texts << element<picbtn>("frmMAINMENU", name)->CAPTION();
    return texts;
}

QStringList languageWindowTexts() {
    QStringList texts;
    for (const char* name : {"lblENGLISHTYPE", "lblAMERICAN", "lblENGLISH", "lblHELPTYPE",
                             "lblENGHELP", "lblKOREANHELP"})
        texts << element<QLabel>("frmLANGUAGE", name)->text();
    for (const char* name : {"btnpOK", "btnpCANCEL"})
        texts << element<picbtn>("frmLANGUAGE", name)->CAPTION();
    for (const char* name : {"btnpAMERICAN", "btnpENGLISH", "btnpENGHELP", "btnpKOREAN"})
        texts << element<picbtn>("frmLANGUAGE", name)->ToolTip();
    return texts;
}

QStringList expectedMenuTexts() {
    QStringList texts;
    for (int n : {37, 38, 39, 40, 41, 42, 43, 44})
        texts << ScreenTextLoad(n);
    return texts;
}

} // namespace

class TestLanguageWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;

    void start(const QString& language = QString(), const QString& help = QString()) {
        windows().clear();
        resetShared();
        seam = std::make_unique<TestSeam>();
        if (!language.isNull())
            storeChoices(*seam, language, help);
        StartUp();
    }

    // Opens the language window from the menu, runs `steps` while it is open and
    // returns once it has closed.
    void withLanguageWindow(const std::function<void()>& steps) {
        const auto ran = testing::whenModal("frmLANGUAGE", [&] {
            steps();
            // A window left open by the steps is closed by its close box.
            if (QWidget* screen = screenOf("frmLANGUAGE"))
                screen->close();
        });
        click("frmMAINMENU", "btnpLANGUAGE");
        QVERIFY(*ran);
        QVERIFY(!windows().find("frmLANGUAGE")->isLoaded());
    }

private slots:
    void cleanup() {
        windows().clear();
        seam.reset();
    }

    void openingMarksTheChoicesInForce_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("languageButton");
        QTest::addColumn<QString>("helpButton");
        QTest::newRow("American, English help") << "AMERICAN"
                                                << "ENGLISH"
                                                << "btnpAMERICAN"
                                                << "btnpENGHELP";
        QTest::newRow("British, Korean help") << "ENGLISH"
                                              << "KOREAN"
                                              << "btnpENGLISH"
                                              << "btnpKOREAN";
        QTest::newRow("nothing stored") << QString() << QString() << "btnpAMERICAN"
                                        << "btnpENGHELP";
    }

    void openingMarksTheChoicesInForce() {
        QFETCH(QString, language);
        QFETCH(QString, help);
        QFETCH(QString, languageButton);
        QFETCH(QString, helpButton);
        start(language, help);
        withLanguageWindow([&] {
            QWidget* screen = screenOf("frmLANGUAGE");
            QVERIFY(screen);
            QCOMPARE(screen->windowTitle(), QString("Languages"));
            QCOMPARE(screen->size(), QSize(621, 539));
            const auto marks = [](const char* frame, const QString& button) {
                auto* marker = element<QFrame>("frmLANGUAGE", frame);
                auto* chosen = element<picbtn>("frmLANGUAGE", button);
                return marker && chosen && marker->isVisible() &&
                       marker->pos() == chosen->pos() - QPoint(5, 5) &&
                       marker->geometry().contains(chosen->geometry());
            };
            QVERIFY(marks("shpLANGSEL", languageButton));
            QVERIFY(marks("shpHELPSEL", helpButton));
            click("frmLANGUAGE", "btnpCANCEL");
        });
    }

    void choosingMovesTheMarkers() {
        start();
        withLanguageWindow([&] {
            click("frmLANGUAGE", "btnpENGLISH");
            click("frmLANGUAGE", "btnpKOREAN");
            QCOMPARE(element<QFrame>("frmLANGUAGE", "shpLANGSEL")->pos(),
                     element<picbtn>("frmLANGUAGE", "btnpENGLISH")->pos() - QPoint(5, 5));
            QCOMPARE(element<QFrame>("frmLANGUAGE", "shpHELPSEL")->pos(),
                     element<picbtn>("frmLANGUAGE", "btnpKOREAN")->pos() - QPoint(5, 5));
            QCOMPARE(shared().strLANGUAGE, QString("ENGLISH"));
            QCOMPARE(shared().strHELPLANGUAGE, QString("KOREAN"));
            click("frmLANGUAGE", "btnpAMERICAN");
            QCOMPARE(shared().strLANGUAGE, QString("AMERICAN"));
            click("frmLANGUAGE", "btnpCANCEL");
        });
    }

    void koreanConfirmedReachesTheOpenMenuAtOnce() {
        start();
        QWidget* menuBefore = screenOf("frmMAINMENU");
        const QStringList english = menuTexts();
        QStringList textsBeforeOk;
        QStringList textsAtOpening;
        withLanguageWindow([&] {
            textsAtOpening = languageWindowTexts();
            click("frmLANGUAGE", "btnpKOREAN");
            click("frmLANGUAGE", "btnpENGLISH");
            // Until OK the window keeps the texts of the stored language.
            textsBeforeOk = languageWindowTexts();
            click("frmLANGUAGE", "btnpOK");
        });
        QCOMPARE(textsBeforeOk, textsAtOpening);
        QCOMPARE(stored(*seam, "HELP"), QString("KOREAN"));
        QCOMPARE(stored(*seam, "LANGUAGE"), QString("ENGLISH"));
        QCOMPARE(shared().strHELPLANGUAGE, QString("KOREAN"));
        QCOMPARE(shared().strLANGUAGE, QString("ENGLISH"));
        // The same menu, not reopened, now speaks Korean.
        QCOMPARE(screenOf("frmMAINMENU"), menuBefore);
        QCOMPARE(menuTexts(), expectedMenuTexts());
        QVERIFY(menuTexts() != english);
        QCOMPARE(menuTexts().first(), QString::fromUtf8("알파벳 배우기"));
        for (QLabel* label : screenOf("frmMAINMENU")->findChildren<QLabel*>())
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
        // The next opening of the language window is in Korean too.
        withLanguageWindow([&] {
            QCOMPARE(element<picbtn>("frmLANGUAGE", "btnpCANCEL")->CAPTION(),
                     QString::fromUtf8("나가기"));
            click("frmLANGUAGE", "btnpCANCEL");
        });
    }

    void cancelOrCloseBoxChangesNothing_data() {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }

    void cancelOrCloseBoxChangesNothing() {
        QFETCH(bool, byCloseBox);
        start();
        const QString helpTexts = shared().strHELPTEXTS;
        const QStringList english = menuTexts();
        QStringList textsAfterChoosing;
        withLanguageWindow([&] {
            click("frmLANGUAGE", "btnpKOREAN");
            click("frmLANGUAGE", "btnpENGLISH");
            textsAfterChoosing = languageWindowTexts();
            if (!byCloseBox)
                click("frmLANGUAGE", "btnpCANCEL");
        });
        QVERIFY(!QFile::exists(seam->settingsPath));
        QCOMPARE(shared().strHELPLANGUAGE, QString("ENGLISH"));
        QCOMPARE(shared().strLANGUAGE, QString("AMERICAN"));
        QCOMPARE(shared().strHELPTEXTS, helpTexts);
        QCOMPARE(menuTexts(), english);
        QCOMPARE(textsAfterChoosing.first(), QString("Choose your type of English"));
    }

    void cancelKeepsAnEarlierConfirmedChoice() {
        start("ENGLISH", "KOREAN");
        withLanguageWindow([&] {
            click("frmLANGUAGE", "btnpAMERICAN");
            click("frmLANGUAGE", "btnpENGHELP");
            click("frmLANGUAGE", "btnpCANCEL");
        });
        QCOMPARE(shared().strLANGUAGE, QString("ENGLISH"));
        QCOMPARE(shared().strHELPLANGUAGE, QString("KOREAN"));
        QCOMPARE(stored(*seam, "HELP"), QString("KOREAN"));
        QCOMPARE(stored(*seam, "LANGUAGE"), QString("ENGLISH"));
        QCOMPARE(menuTexts(), expectedMenuTexts());
    }

    void textsFitTheirPlaces_data() {
        QTest::addColumn<QString>("help");
        QTest::newRow("English") << "ENGLISH";
        QTest::newRow("Korean") << "KOREAN";
    }

    void textsFitTheirPlaces() {
        QFETCH(QString, help);
        start("AMERICAN", help);
        withLanguageWindow([&] {
            for (QLabel* label : screenOf("frmLANGUAGE")->findChildren<QLabel*>()) {
                if (label->text().isEmpty() || label->parent() != screenOf("frmLANGUAGE"))
                    continue;
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->objectName() + ": " + label->text()));
            }
            click("frmLANGUAGE", "btnpCANCEL");
        });
    }
};

QTEST_MAIN(TestLanguageWindow)
#include "tst_languagewindow.moc"
