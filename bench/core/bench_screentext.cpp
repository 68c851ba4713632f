// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/screentexts.h"
#include "support/screensteps.h"

using namespace lxp;

// One screen-text lookup reads the stored help language, fetches the whole list
// again and cuts the entry out of it.
class BenchScreenText : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::StartedProgram> program;

private slots:
    void initTestCase()
    {
        program = std::make_unique<testing::StartedProgram>(QString(), "KOREAN");
    }
    void cleanupTestCase() { program.reset(); }

    void screenTextLoad_data()
    {
        QTest::addColumn<int>("entry");
        QTest::newRow("first used entry") << 8;
        QTest::newRow("last entry") << 51;
    }
    void screenTextLoad()
    {
        QFETCH(int, entry);
        QString text;
        QBENCHMARK
        {
            text = ScreenTextLoad(entry);
        }
        QVERIFY(text != "0");
    }

    void stringPieceAlone()
    {
        const QString list = shared().helpTexts;
        QString text;
        QBENCHMARK
        {
            text = StringPiece(list, "|", 51);
        }
        QVERIFY(!text.isEmpty());
    }
};

QTEST_MAIN(BenchScreenText)
#include "bench_screentext.moc"
