#include "dialogs/screensteps.h"
#include "langtext.h"
#include "shell/clsregistry.h"
#include "shell/modlxplang.h"

using namespace lxp;

class TestScreenTexts : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::StartedProgram> program;

    void storeHelp(const QString& language) {
        QVERIFY(shared().objREGISTRY->StringSave(
            kCurrentUserKey, shared().strREGBASEKEY + kSettingsKeyName, "HELP", language));
    }

private slots:
    void init() { program = std::make_unique<testing::StartedProgram>(); }
    void cleanup() { program.reset(); }

    // The stored HELP decides each lookup, not the language the program holds; an
    // unknown stored language keeps the list read last. Entries not there, and every
    // entry without a text provider, read "0".
    void storedHelpDecides() {
        QCOMPARE(ScreenTextLoad(24), QString("OK"));
        storeHelp("KOREAN");
        shared().strHELPLANGUAGE = "ENGLISH";
        QCOMPARE(ScreenTextLoad(24), QString::fromUtf8("확인"));
        storeHelp("FRENCH");
        QCOMPARE(ScreenTextLoad(23), QString::fromUtf8("나가기"));
        storeHelp("ENGLISH");
        shared().strHELPLANGUAGE = "KOREAN";
        QCOMPARE(ScreenTextLoad(24), QString("OK"));
        QCOMPARE(ScreenTextLoad(52), QString("0"));
        shared().objLANGTEXT.reset();
        shared().strHELPTEXTS.clear();
        QCOMPARE(ScreenTextLoad(24), QString("0"));
    }
};

QTEST_MAIN(TestScreenTexts)
#include "tst_screentexts.moc"
