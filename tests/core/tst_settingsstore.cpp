// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/choices.h"
#include "core/settingsstore.h"
#include "support/testseam.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>

using namespace lxp;

class TestSettingsStore : public QObject {
    Q_OBJECT

    const QString key = QString::fromLatin1(SettingsStore::kCurrentUser);
    const QString subKey = "SOFTWARE\\Corvane Software Dev.\\Lexipond\\frmPROGMENUMAINDETAILS";
    SettingsStore registry;

private slots:
    // A saved text reads back whole, from where a person finds it. A stored value that
    // is missing, not text, or longer than 254 characters reads as the default.
    void readBack_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("KOREAN") << QVariant("KOREAN") << "KOREAN";
        QTest::newRow("empty text, not blanks") << QVariant(QString("")) << "";
        QTest::newRow("254 characters") << QVariant(QString(254, 'E')) << QString(254, 'E');
        QTest::newRow("255 characters") << QVariant(QString(255, 'E')) << "DEFAULT";
        QTest::newRow("missing") << QVariant() << "DEFAULT";
        QTest::newRow("list") << QVariant(QStringList{"ENGLISH", "KOREAN"}) << "DEFAULT";
    }
    void readBack()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        TestSeam seam;
        QVERIFY(registry.StringSave(key, subKey, "LANGUAGE", "ENGLISH"));
        if (value.typeId() == QMetaType::QString)
            QVERIFY(registry.StringSave(key, subKey, "HELP", value.toString()));
        else if (value.isValid())
            seam.openSettings()->setValue("frmPROGMENUMAINDETAILS/HELP", value);
        QCOMPARE(registry.StringLoad(key, subKey, "HELP", "DEFAULT"), expected);
        if (expected != "DEFAULT")
            QCOMPARE(QSettings(seam.settingsPath, QSettings::IniFormat)
                         .value("frmPROGMENUMAINDETAILS/HELP")
                         .toString(),
                     expected);
    }

    void unwritableStoreAnswersFalseWithoutCrashing()
    {
        TestSeam seam;
        // A folder below a plain file can never be created, not even by root.
        seam.settingsPath = "/dev/null/Corvane Software Dev./Lexipond.conf";
        QVERIFY(!registry.StringSave(key, subKey, "HELP", "KOREAN"));
        QCOMPARE(registry.StringLoad(key, subKey, "HELP", "ENGLISH"), QString("ENGLISH"));
    }

    // The two choices are stored as the words the program has always written, and
    // read back the same; a missing, unknown or non-text value reads as the default.
    void choicesRoundTrip_data()
    {
        QTest::addColumn<QVariant>("language");
        QTest::addColumn<QVariant>("help");
        QTest::addColumn<bool>("british");
        QTest::addColumn<bool>("korean");
        QTest::newRow("AMERICAN, ENGLISH")
            << QVariant("AMERICAN") << QVariant("ENGLISH") << false << false;
        QTest::newRow("ENGLISH, KOREAN")
            << QVariant("ENGLISH") << QVariant("KOREAN") << true << true;
        QTest::newRow("nothing stored") << QVariant() << QVariant() << false << false;
        QTest::newRow("garbage") << QVariant("english") << QVariant("Klingon") << false << false;
        QTest::newRow("not text") << QVariant(QStringList{"ENGLISH"}) << QVariant(2) << false
                                  << false;
    }
    void choicesRoundTrip()
    {
        QFETCH(QVariant, language);
        QFETCH(QVariant, help);
        QFETCH(bool, british);
        QFETCH(bool, korean);
        TestSeam seam;
        QSettings file(seam.settingsPath, QSettings::IniFormat);
        for (const auto& [item, value] : {std::pair{"LANGUAGE", language}, {"HELP", help}})
            if (value.isValid())
                file.setValue(QString("frmPROGMENUMAINDETAILS/") + item, value);
        file.sync();
        const Choices loaded = Choices::Load();
        QCOMPARE(loaded.contentVariant == ContentVariant::British, british);
        QCOMPARE(loaded.helpLanguage == HelpLanguage::Korean, korean);
        QVERIFY(loaded.Save());
        file.sync();
        QCOMPARE(file.value("frmPROGMENUMAINDETAILS/LANGUAGE").toString(),
                 british ? "ENGLISH" : "AMERICAN");
        QCOMPARE(file.value("frmPROGMENUMAINDETAILS/HELP").toString(),
                 korean ? "KOREAN" : "ENGLISH");
    }

    // A settings path that is a folder, a named pipe (reading it hung the start), a file
    // far larger than any the program writes or one that cannot be read as settings is
    // not used: the choices read as their defaults, and saving leaves the path as it was.
    void aPathThatIsNoSettingsFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("huge file") << "huge";
        QTest::newRow("garbage") << "garbage";
    }
    void aPathThatIsNoSettingsFileIsLeftAlone()
    {
        QFETCH(QString, kind);
        TestSeam seam;
        QDir().mkpath(QFileInfo(seam.settingsPath).path());
        const QByteArray path = seam.settingsPath.toLocal8Bit();
        if (kind == "folder")
            QVERIFY(QDir().mkpath(seam.settingsPath));
        else if (kind == "pipe")
            QCOMPARE(mkfifo(path.constData(), 0600), 0);
        else {
            QFile file(seam.settingsPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(kind == "garbage"
                           ? QByteArray("\x01[\0\xff=\n[[", 8)
                           : "[frmPROGMENUMAINDETAILS]\nHELP=KOREAN\n" + QByteArray(1 << 20, ' '));
        }
        const QFileInfo before(seam.settingsPath);
        QCOMPARE(Choices::Load(), Choices());
        QVERIFY(!(Choices{ContentVariant::British, HelpLanguage::Korean}.Save()));
        const QFileInfo after(seam.settingsPath);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.lastModified(), before.lastModified());
    }

    // An empty address opens nothing; a web address goes alone, a mail address after "mailto:".
    void linksGoToTheShell()
    {
        TestSeam seam;
        registry.InternetLinkRun("0", "http://", "");
        registry.InternetLinkRun("0", "http://", "www.example.org/lexipond");
        registry.InternetLinkRun("0", "mailto:", "help@example.org");
        const QList<QPair<QString, bool>> expected = {{"www.example.org/lexipond", true},
                                                      {"mailto:help@example.org", false}};
        QCOMPARE(seam.shellRequests, expected);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
