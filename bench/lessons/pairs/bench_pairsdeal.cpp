// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "core/sharedstate.h"
#include "lessons/pairs/pairswindow.h"
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
        windows().find("frmMAINMENU")->close();
        windows().get<PairsWindow>()->show();
    }
    void cleanupTestCase()
    {
        windows().clear();
        seam.reset();
    }

    // A new deal from a click on New game: twelve cards with their pictures.
    void dealCards()
    {
        auto* newGame = windows().get<PairsWindow>()->screen()->findChild<QWidget*>("btnpNEW");
        QBENCHMARK
        {
            QTest::mouseClick(newGame, Qt::LeftButton, {}, QPoint(10, 10));
        }
        QVERIFY(!windows().get<PairsWindow>()->game().card(11).word.isEmpty());
    }
};

QTEST_MAIN(BenchPairsDeal)
#include "bench_pairsdeal.moc"
