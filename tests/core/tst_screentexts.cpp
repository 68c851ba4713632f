// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/screentexts.h"
#include "core/sharedstate.h"
#include "support/testseam.h"

#include <QSettings>
#include <QTest>

using namespace lxp;

class TestScreenTexts : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;

private slots:
    void init()
    {
        resetShared();
        seam = std::make_unique<TestSeam>();
    }
    void cleanup() { seam.reset(); }

    // The stored help language decides each lookup, not the one the program holds. A
    // stored language that is not one of the two words reads as English (it made every
    // text "0" before); entries that are not there read "0".
    void storedHelpDecides_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("ok");
        QTest::newRow("nothing stored") << QVariant() << "OK";
        QTest::newRow("KOREAN") << QVariant("KOREAN") << QString::fromUtf8("확인");
        QTest::newRow("ENGLISH") << QVariant("ENGLISH") << "OK";
        QTest::newRow("not one of the words") << QVariant("korean") << "OK";
    }
    void storedHelpDecides()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, ok);
        if (stored.isValid())
            seam->openSettings()->setValue("frmPROGMENUMAINDETAILS/HELP", stored);
        shared().helpLanguage = HelpLanguage::Korean;
        QCOMPARE(ScreenTextLoad(24), ok);
        QCOMPARE(ScreenTextLoad(56), QString("0"));
    }

    // Piece `number` of `text` cut at `separator`; "0" for a piece that is not there.
    void stringPiece_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("a|b|c 2") << "a|b|c" << "|" << 2 << "b";
        QTest::newRow("a|b|c 4") << "a|b|c" << "|" << 4 << "0";
        QTest::newRow("a||c 2") << "a||c" << "|" << 2 << "";
        QTest::newRow("a|b| 4") << "a|b|" << "|" << 4 << "0";
        QTest::newRow("piece 0") << "a|b" << "|" << 0 << "0";
        QTest::newRow("INT_MIN") << "a|b" << "|" << std::numeric_limits<int>::min() << "0";
        QTest::newRow("long separator never matches") << "a||b" << "||" << 1 << "a||b";
        QTest::newRow("Hangul") << QString::fromUtf8("확인|나가기") << "|" << 2 << QString::fromUtf8("나가기");
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

QTEST_GUILESS_MAIN(TestScreenTexts)
#include "tst_screentexts.moc"
