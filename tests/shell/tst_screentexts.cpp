#include "dialogs/screensteps.h"
#include "langtext.h"
#include "shell/clsregistry.h"
#include "shell/modlxplang.h"

#include <QRegularExpression>

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

    // Both lists have all 51 entries; each one a screen uses (8-51 but 31) is trimmed
    // text, in Hangul in the Korean list.
    void bothListsAreComplete() {
        static const QRegularExpression hangul(QStringLiteral("[\\x{AC00}-\\x{D7A3}]"));
        const LangText provider;
        for (const QString& list : {provider.EnglishTexts(), provider.KoreanTexts()}) {
            const QStringList items = list.split('|');
            QCOMPARE(items.size(), 51);
            for (int n = 8; n <= 51; ++n) {
                const QString entry = items.at(n - 1);
                const bool korean = list == provider.KoreanTexts();
                QVERIFY2(n == 31 || (!entry.isEmpty() && entry == entry.trimmed() &&
                                     (!korean || entry.contains(hangul))),
                         qPrintable(QString::number(n)));
            }
        }
    }

    // The stored HELP decides each lookup, not the language the program holds; an
    // unknown stored language keeps the list read last.
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
    }

    // Entries that are not there, and every entry without a text provider, read "0".
    void missingEntriesReadAsZero() {
        for (int entry : {0, -1, 52, 1000})
            QCOMPARE(ScreenTextLoad(entry), QString("0"));
        shared().objLANGTEXT.reset();
        shared().strHELPTEXTS.clear();
        QCOMPARE(ScreenTextLoad(24), QString("0"));
    }
};

QTEST_MAIN(TestScreenTexts)
#include "tst_screentexts.moc"
