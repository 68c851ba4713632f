#include "shell/clsregistry.h"
#include "shell/modprogmain.h"
#include "shell/sharedstate.h"
#include "support/testseam.h"

#include <QSettings>
#include <QTest>

using namespace lxp;

class TestSettingsStore : public QObject {
    Q_OBJECT

    const QString key = QString::fromLatin1(kCurrentUserKey);
    const QString subKey = QStringLiteral("SOFTWARE\\Corvane Software Dev.\\Lexipond\\frmPROGMENUMAINDETAILS");
    clsREGISTRY registry;

    void writeRaw(TestSeam& seam, const QString& item, const QVariant& value)
    {
        auto settings = seam.openSettings();
        settings->setValue(QStringLiteral("frmPROGMENUMAINDETAILS/") + item, value);
        settings->sync();
    }

private slots:
    void roundTripReturnsExactlyTheSavedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("KOREAN") << "KOREAN";
        QTest::newRow("ENGLISH") << "ENGLISH";
        QTest::newRow("empty") << "";
        QTest::newRow("blanks kept") << "  AMERICAN ";
        QTest::newRow("comma") << "A,B";
        QTest::newRow("254 characters") << QString(254, QLatin1Char('x'));
    }
    void roundTripReturnsExactlyTheSavedText()
    {
        QFETCH(QString, text);
        TestSeam seam;
        QVERIFY(registry.StringSave(key, subKey, "LANGUAGE", text));
        QCOMPARE(registry.StringLoad(key, subKey, "LANGUAGE", "DEFAULT"), text);
    }

    void storedWhereAPersonFindsIt()
    {
        TestSeam seam;
        QVERIFY(registry.StringSave(key, subKey, "HELP", "KOREAN"));
        QSettings file(seam.settingsPath, QSettings::IniFormat);
        QCOMPARE(file.value("frmPROGMENUMAINDETAILS/HELP").toString(), QString("KOREAN"));
    }

    void missingKeyOrValueGivesTheDefault()
    {
        TestSeam seam;
        QCOMPARE(registry.StringLoad(key, subKey, "LANGUAGE", "AMERICAN"), QString("AMERICAN"));
        QVERIFY(registry.StringSave(key, subKey, "HELP", "KOREAN"));
        QCOMPARE(registry.StringLoad(key, subKey, "LANGUAGE", "AMERICAN"), QString("AMERICAN"));
        QCOMPARE(registry.StringLoad(key, subKey, "LANGUAGE"), QString());
    }

    void valueThatIsNotTextGivesTheDefault_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("list") << QVariant(QStringList{"ENGLISH", "KOREAN"});
        QTest::newRow("bytes") << QVariant(QByteArray("\x01\x02", 2));
        QTest::newRow("size") << QVariant(QSize(2, 3));
    }
    void valueThatIsNotTextGivesTheDefault()
    {
        QFETCH(QVariant, value);
        TestSeam seam;
        writeRaw(seam, "LANGUAGE", value);
        QCOMPARE(registry.StringLoad(key, subKey, "LANGUAGE", "AMERICAN"), QString("AMERICAN"));
    }

    void overLongValueGivesTheDefault()
    {
        TestSeam seam;
        writeRaw(seam, "LANGUAGE", QString(255, QLatin1Char('E')));
        QCOMPARE(registry.StringLoad(key, subKey, "LANGUAGE", "AMERICAN"), QString("AMERICAN"));
        writeRaw(seam, "LANGUAGE", QString(254, QLatin1Char('E')));
        QCOMPARE(registry.StringLoad(key, subKey, "LANGUAGE", "AMERICAN").size(), 254);
    }

    void otherRootsAndKeysAreNotReached()
    {
        TestSeam seam;
        QVERIFY(!registry.StringSave("-2147483646", subKey, "HELP", "KOREAN"));
        QVERIFY(!registry.StringSave(key, "SOFTWARE\\Someone Else\\Other\\Key", "HELP", "KOREAN"));
        QVERIFY(registry.StringSave(key, subKey, "HELP", "KOREAN"));
        QCOMPARE(registry.StringLoad("-2147483646", subKey, "HELP", "ENGLISH"), QString("ENGLISH"));
    }

    void unwritableStoreAnswersFalseWithoutCrashing()
    {
        TestSeam seam;
        // A folder below a plain file can never be created, not even by root.
        seam.settingsPath = "/dev/null/Corvane Software Dev./Lexipond.conf";
        QVERIFY(!registry.StringSave(key, subKey, "HELP", "KOREAN"));
        QCOMPARE(registry.StringLoad(key, subKey, "HELP", "ENGLISH"), QString("ENGLISH"));
    }

    void linksGoToTheShell()
    {
        TestSeam seam;
        registry.InternetLinkRun("0", "http://", "");
        QVERIFY(seam.shellRequests.isEmpty());
        registry.InternetLinkRun("0", "http://", "www.example.org/lexipond");
        registry.InternetLinkRun("0", "mailto:", "help@example.org");
        registry.InternetLinkRun("0", "", "/tmp/readme.txt");
        const QList<QPair<QString, bool>> expected = {
            {"www.example.org/lexipond", true},
            {"mailto:help@example.org", false},
            {"file:///tmp/readme.txt", false}};
        QCOMPARE(seam.shellRequests, expected);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
