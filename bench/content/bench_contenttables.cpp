// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of each content query on the shipped tables. Every query reads, converts and
// scans its whole table, so these are the worst cases: the last block, entry or word.

#include "content/contenttables.h"
#include "core/sharedstate.h"
#include "support/testseam.h"

#include <QtTest>

#include <functional>

using namespace lxp;

using Query = std::function<QString()>;
Q_DECLARE_METATYPE(Query)

constexpr ContentVariant kBritish = ContentVariant::British;

class BenchContentTables : public QObject {
    Q_OBJECT

private slots:
    void init() { m_seam = std::make_unique<TestSeam>(); }
    void cleanup() { m_seam.reset(); }

    void query_data()
    {
        QTest::addColumn<Query>("query");
        QTest::addColumn<QString>("result");
        QTest::newRow("ContentTableLoad") << Query([] {
            return QString::number(ContentTableLoad(kLetterTable, kBritish).size());
        }) << QStringLiteral("680");
        QTest::newRow("CategoryWordRead") << Query([] {
            return CategoryWordRead(QStringLiteral("VEGETABLES"), 15, kBritish).word;
        }) << QStringLiteral("Tomato");
        QTest::newRow("CategoryWordsList") << Query([] {
            return CategoryWordsList(QStringLiteral("VEGETABLES"), 15, kBritish).words.last();
        }) << QStringLiteral("Tomato");
        QTest::newRow("LetterWordRead")
            << Query([] { return LetterWordRead(QStringLiteral("Z"), 3, kBritish).name; })
            << QStringLiteral("Zoo");
        QTest::newRow("PictureWordCount")
            << Query([] { return QString::number(PictureWordCount(kBritish)); })
            << QStringLiteral("157");
        QTest::newRow("PictureWordRead")
            << Query([] { return PictureWordRead(157, kBritish).word; })
            << QStringLiteral("Zucchini");
    }
    void query()
    {
        QFETCH(Query, query);
        QFETCH(QString, result);
        QString answer;
        QBENCHMARK
        {
            answer = query();
        }
        QCOMPARE(answer, result);
    }

private:
    std::unique_ptr<TestSeam> m_seam;
};

QTEST_GUILESS_MAIN(BenchContentTables)
#include "bench_contenttables.moc"
