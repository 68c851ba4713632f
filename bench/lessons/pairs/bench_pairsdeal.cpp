#include "lessons/pairs/frmlesspair.h"
#include "shell/modprogmain.h"
#include "shell/sharedstate.h"
#include "support/testseam.h"

#include <QTest>

using namespace lxp;

// One deal of the matching pairs game on its real screen: six letters and entries
// drawn from the letter table, six word pictures decoded, six copied.
class BenchPairsDeal : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSeam> seam;

private slots:
    void initTestCase()
    {
        seam = std::make_unique<TestSeam>();
        StartUp();
        windows().find("frmMAINMENU")->Unload();
        windows().get<frmLESSPAIR>()->Show();
    }
    void cleanupTestCase()
    {
        windows().clear();
        seam.reset();
    }

    void dealCards_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("British") << "ENGLISH";
        QTest::newRow("American") << "AMERICAN";
    }
    void dealCards()
    {
        QFETCH(QString, language);
        shared().strLANGUAGE = language;
        PairsGame& game = windows().get<frmLESSPAIR>()->game();
        QBENCHMARK { game.DealCards(); }
        QVERIFY(!game.card(11).word.isEmpty());
    }
};

QTEST_MAIN(BenchPairsDeal)
#include "bench_pairsdeal.moc"
