#include "langtext.h"
#include "shell/clsregistry.h"
#include "shell/modlxplang.h"
#include "shell/modprogmain.h"
#include "shell/sharedstate.h"
#include "shell/window.h"
#include "support/testseam.h"

#include <QRegularExpression>
#include <QTest>

using namespace lxp;

class TestScreenTexts : public QObject {
    Q_OBJECT

    void storeHelp(const QString& language)
    {
        SharedState& state = shared();
        QVERIFY(state.objREGISTRY->StringSave(kCurrentUserKey,
                                              state.strREGBASEKEY + kSettingsKeyName, "HELP", language));
    }

    static QStringList entries(const QString& list) { return list.split(QLatin1Char('|')); }

private slots:
    void init() { resetShared(); }
    void cleanup() { windows().clear(); }

    void bothListsHaveEveryEntryTheScreensUse()
    {
        const LangText provider;
        for (const QString& list : {provider.EnglishTexts(), provider.KoreanTexts()}) {
            const QStringList items = entries(list);
            QCOMPARE(items.size(), 51);
            for (int n = 8; n <= 51; ++n) {
                if (n == 31)
                    continue;
                const QString entry = items.at(n - 1);
                QVERIFY2(!entry.trimmed().isEmpty(), qPrintable(QString("entry %1 is empty").arg(n)));
                QCOMPARE(entry, entry.trimmed());
            }
        }
    }

    void koreanListIsWrittenInHangul()
    {
        const QStringList items = entries(LangText().KoreanTexts());
        static const QRegularExpression hangul(QStringLiteral("[\\x{AC00}-\\x{D7A3}]"));
        for (int n = 8; n <= 51; ++n) {
            if (n != 31)
                QVERIFY2(items.at(n - 1).contains(hangul), qPrintable(QString::number(n)));
        }
        // The menu's own entries as the screens show them.
        QCOMPARE(items.at(24 - 1), QString::fromUtf8("확인"));
        QCOMPARE(items.at(49 - 1), QString::fromUtf8("한국어"));
    }

    void englishEntriesOfTheMenu()
    {
        const QStringList items = entries(LangText().EnglishTexts());
        QCOMPARE(items.at(37 - 1), QString("Learn the alphabet"));
        QCOMPARE(items.at(41 - 1), QString("Find a matching pair"));
        QCOMPARE(items.at(24 - 1), QString("OK"));
    }

    void lookupFollowsTheStoredLanguageNotTheSharedOne()
    {
        TestSeam seam;
        StartUp();
        QCOMPARE(ScreenTextLoad(24), QString("OK"));
        storeHelp("KOREAN");
        shared().strHELPLANGUAGE = "ENGLISH";
        QCOMPARE(ScreenTextLoad(24), QString::fromUtf8("확인"));
        storeHelp("ENGLISH");
        shared().strHELPLANGUAGE = "KOREAN";
        QCOMPARE(ScreenTextLoad(24), QString("OK"));
    }

    void missingEntriesReadAsZero_data()
    {
        QTest::addColumn<int>("entry");
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
        QTest::newRow("52") << 52;
        QTest::newRow("1000") << 1000;
    }
    void missingEntriesReadAsZero()
    {
        QFETCH(int, entry);
        TestSeam seam;
        StartUp();
        QCOMPARE(ScreenTextLoad(entry), QString("0"));
    }

    void unknownStoredLanguageKeepsTheListLoadedLast()
    {
        TestSeam seam;
        StartUp();
        storeHelp("KOREAN");
        QCOMPARE(ScreenTextLoad(23), QString::fromUtf8("나가기"));
        storeHelp("FRENCH");
        QCOMPARE(ScreenTextLoad(23), QString::fromUtf8("나가기"));
    }

    void withoutAProviderEveryTextReadsZero()
    {
        TestSeam seam;
        StartUp();
        shared().objLANGTEXT.reset();
        shared().strHELPTEXTS.clear();
        QCOMPARE(ScreenTextLoad(24), QString("0"));
        QCOMPARE(ScreenTextLoad(1), QString(""));
    }

    void helpLanguageApply()
    {
        TestSeam seam;
        StartUp();
        HelpLanguageApply("KOREAN");
        QCOMPARE(shared().strHELPTEXTS, LangText().KoreanTexts());
        HelpLanguageApply("korean");
        QCOMPARE(shared().strHELPTEXTS, LangText().KoreanTexts());
        HelpLanguageApply("ENGLISH");
        QCOMPARE(shared().strHELPTEXTS, LangText().EnglishTexts());
    }
};

QTEST_MAIN(TestScreenTexts)
#include "tst_screentexts.moc"
