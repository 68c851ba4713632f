// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/choices.h"
#include "core/screentexts.h"
#include "core/settingsstore.h"
#include "core/sharedstate.h"
#include "support/testseam.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>

using namespace lxp;

// The settings store, the learner's choices kept in it and the screen texts they select.
class TestSettingsStore : public QObject {
    Q_OBJECT

    const QString key = QString::fromLatin1(SettingsStore::kCurrentUser);
    const QString subKey = "SOFTWARE\\Corvane Software Dev.\\Lexipond\\frmPROGMENUMAINDETAILS";
    SettingsStore registry;

private slots:
    // A saved text reads back whole, from the settings file's group; a stored value that
    // is not text or is longer than 254 characters reads as the default.
    void readBack_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("empty text, not blanks") << QVariant(QString("")) << "";
        QTest::newRow("254 characters") << QVariant(QString(254, 'E')) << QString(254, 'E');
        QTest::newRow("255 characters") << QVariant(QString(255, 'E')) << "DEFAULT";
        QTest::newRow("list") << QVariant(QStringList{"ENGLISH", "KOREAN"}) << "DEFAULT";
        // clang-format on
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
        const QSettings file(seam.settingsPath, QSettings::IniFormat);
        QCOMPARE(file.value("frmPROGMENUMAINDETAILS/LANGUAGE").toString(), QString("ENGLISH"));
    }

    // The choices are stored as the words the program has always written and read back
    // the same; a missing or unknown word reads as the default. The stored help language,
    // not the one in force, picks each screen text (a word in the wrong case made every
    // text "0").
    void choicesRoundTrip_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("help");
        QTest::addColumn<bool>("british");
        QTest::addColumn<bool>("korean");
        // clang-format off
        QTest::newRow("nothing stored") << QString() << QString() << false << false;
        QTest::newRow("ENGLISH, KOREAN") << "ENGLISH" << "KOREAN" << true << true;
        QTest::newRow("unknown words") << "english" << "korean" << false << false;
        // clang-format on
    }
    void choicesRoundTrip()
    {
        QFETCH(QString, language);
        QFETCH(QString, help);
        QFETCH(bool, british);
        QFETCH(bool, korean);
        TestSeam seam;
        QSettings file(seam.settingsPath, QSettings::IniFormat);
        file.beginGroup("frmPROGMENUMAINDETAILS");
        if (!language.isNull()) {
            file.setValue("LANGUAGE", language);
            file.setValue("HELP", help);
        }
        file.sync();
        resetShared();
        shared().helpLanguage = korean ? HelpLanguage::English : HelpLanguage::Korean;
        QCOMPARE(ScreenTextLoad(24), korean ? QString::fromUtf8("확인") : QString("OK"));
        const Choices loaded = Choices::Load();
        QCOMPARE(loaded.contentVariant == ContentVariant::British, british);
        QCOMPARE(loaded.helpLanguage == HelpLanguage::Korean, korean);
        QVERIFY(loaded.Save());
        file.sync();
        QCOMPARE(file.value("LANGUAGE").toString(), british ? "ENGLISH" : "AMERICAN");
        QCOMPARE(file.value("HELP").toString(), korean ? "KOREAN" : "ENGLISH");
    }

    // A settings path below a plain file, or one that is a folder, a named pipe (reading
    // it hung the start), a file far larger than any the program writes or one that cannot
    // be read as settings: the choices read as their defaults, saving answers false and
    // leaves the path as it was.
    void aPathThatIsNoSettingsFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"below a file", "folder", "pipe", "huge", "garbage"})
            QTest::newRow(kind) << kind;
    }
    void aPathThatIsNoSettingsFileIsLeftAlone()
    {
        QFETCH(QString, kind);
        TestSeam seam;
        QDir().mkpath(QFileInfo(seam.settingsPath).path());
        if (kind == "below a file")
            seam.settingsPath = "/dev/null/Corvane Software Dev./Lexipond.conf";
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(seam.settingsPath));
        else if (kind == "pipe")
            QCOMPARE(mkfifo(seam.settingsPath.toLocal8Bit().constData(), 0600), 0);
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

    // An empty address opens nothing; a web address goes to the shell alone (the About
    // box's tests cover the mail link).
    void webLinkGoesToTheShell()
    {
        TestSeam seam;
        registry.InternetLinkRun("0", "http://", "");
        registry.InternetLinkRun("0", "http://", "www.example.org/lexipond");
        QCOMPARE(seam.shellRequests,
                 (QList<QPair<QString, bool>>{{"www.example.org/lexipond", true}}));
    }

    // Piece `number` of `text` cut at `separator`; "0" for a piece that is not there.
    void stringPiece_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("middle") << "a|b|c" << "|" << 2 << "b";
        QTest::newRow("past the end") << "a|b|c" << "|" << 4 << "0";
        QTest::newRow("empty piece") << "a||c" << "|" << 2 << "";
        QTest::newRow("empty last piece") << "a|b|" << "|" << 3 << "";
        QTest::newRow("piece 0") << "a|b" << "|" << 0 << "0";
        QTest::newRow("INT_MIN") << "a|b" << "|" << std::numeric_limits<int>::min() << "0";
        QTest::newRow("long separator never matches") << "a||b" << "||" << 1 << "a||b";
        // clang-format on
    }
    void stringPiece()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(int, number);
        QFETCH(QString, expected);
        QCOMPARE(StringPiece(text, separator, number), expected);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
