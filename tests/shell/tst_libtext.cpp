#include "shell/clslibtext.h"

#include <QTest>

using lxp::clsLIBTEXT;

class TestLibText : public QObject {
    Q_OBJECT
private slots:
    void stringPiece_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expected");

        QTest::newRow("first of three") << "a|b|c" << "|" << 1 << "a";
        QTest::newRow("middle") << "a|b|c" << "|" << 2 << "b";
        QTest::newRow("last") << "a|b|c" << "|" << 3 << "c";
        QTest::newRow("beyond the last") << "a|b|c" << "|" << 4 << "0";
        QTest::newRow("no separator, piece 1") << "abc" << "|" << 1 << "abc";
        QTest::newRow("no separator, piece 2") << "abc" << "|" << 2 << "0";
        QTest::newRow("empty piece inside") << "a||c" << "|" << 2 << "";
        QTest::newRow("after an empty piece") << "a||c" << "|" << 3 << "c";
        QTest::newRow("empty last piece") << "a|b|" << "|" << 3 << "";
        QTest::newRow("beyond a trailing separator") << "a|b|" << "|" << 4 << "0";
        QTest::newRow("empty text, piece 1") << "" << "|" << 1 << "";
        QTest::newRow("empty text, piece 2") << "" << "|" << 2 << "0";
        QTest::newRow("piece 0") << "a|b" << "|" << 0 << "0";
        QTest::newRow("negative piece") << "a|b" << "|" << -3 << "0";
        QTest::newRow("long separator never matches") << "a||b" << "||" << 1 << "a||b";
        QTest::newRow("long separator, piece 2") << "a||b" << "||" << 2 << "0";
        QTest::newRow("empty separator") << "a|b" << "" << 1 << "a|b";
        QTest::newRow("case-sensitive separator") << "aXbxc" << "x" << 2 << "c";
        QTest::newRow("leading separator") << "|a" << "|" << 1 << "";
        QTest::newRow("Hangul pieces") << "확인|나가기" << "|" << 2 << "나가기";
    }

    void stringPiece()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(int, number);
        QFETCH(QString, expected);
        QCOMPARE(clsLIBTEXT::StringPiece(text, separator, number), expected);
    }

    void hugeNumbersDoNotWrap()
    {
        QCOMPARE(clsLIBTEXT::StringPiece("a|b", "|", std::numeric_limits<qint32>::min()), "0");
        QCOMPARE(clsLIBTEXT::StringPiece("a|b", "|", std::numeric_limits<qint32>::max()), "0");
    }
};

QTEST_APPLESS_MAIN(TestLibText)
#include "tst_libtext.moc"
