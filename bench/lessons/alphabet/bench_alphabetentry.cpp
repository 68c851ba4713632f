// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "lessons/alphabet/alphabetwindow.h"
#include "support/testseam.h"

#include <QTest>

using namespace lxp;

// One step to the next word of the alphabet lesson on its real screen: the entry read
// from the letter table, the word and counter set, the photograph decoded, the
// sentences wrapped. The recording is noted by the test seam, not played.
class BenchAlphabetEntry : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSeam> seam;

private slots:
    void initTestCase()
    {
        seam = std::make_unique<TestSeam>();
        StartUp();
        windows().find("frmMAINMENU")->close();
        windows().get<AlphabetWindow>()->show();
        QTest::qWait(50); // the opening step says A and its first word
    }
    void cleanupTestCase()
    {
        windows().clear();
        seam.reset();
    }

    // Next on the letter B: thirteen words, a different photograph each time.
    void entryShow()
    {
        QWidget* screen = windows().get<AlphabetWindow>()->screen();
        QTest::mouseClick(screen->findChild<QWidget*>("btnpLETTERS_1"), Qt::LeftButton, {},
                          QPoint(20, 20));
        auto* next = screen->findChild<QWidget*>("btnpNEXT");
        QBENCHMARK
        {
            QTest::mouseClick(next, Qt::LeftButton, {}, QPoint(10, 10));
        }
        QCOMPARE(windows().get<AlphabetWindow>()->book().letter(), QString("B"));
        QVERIFY(seam->played.last().startsWith("WORDS/B"));
    }
};

QTEST_MAIN(BenchAlphabetEntry)
#include "bench_alphabetentry.moc"
