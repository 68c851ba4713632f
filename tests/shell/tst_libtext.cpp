#include "shell/clslibtext.h"

#include <QTest>

using lxp::clsLIBTEXT;

class TestLibText : public QObject {
    Q_OBJECT
private slots:
    // Piece `number` of `text` cut at `separator`; "0" for a piece that is not there.
    void stringPiece_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a|b|c 2") << "a|b|c" << "|" << 2 << "b";
        QTest::newRow("a|b|c 4") << "a|b|c" << "|" << 4 << "0";
        QTest::newRow("abc 2") << "abc" << "|" << 2 << "0";
        QTest::newRow("a||c 2") << "a||c" << "|" << 2 << "";
        QTest::newRow("a|b| 4") << "a|b|" << "|" << 4 << "0";
        QTest::newRow("piece 0") << "a|b" << "|" << 0 << "0";
        QTest::newRow("INT_MIN") << "a|b" << "|" << std::numeric_limits<int>::min() << "0";
        QTest::newRow("long separator never matches") << "a||b" << "||" << 1 << "a||b";
        QTest::newRow("Hangul") << "확인|나가기" << "|" << 2 << "나가기";
    }
    void stringPiece() {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(int, number);
        QFETCH(QString, expected);
        QCOMPARE(clsLIBTEXT::StringPiece(text, separator, number), expected);
    }
};

QTEST_APPLESS_MAIN(TestLibText)
#include "tst_libtext.moc"
