// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "core/sharedstate.h"
#include "lessons/words/wordsquizwindow.h"
#include "support/testseam.h"

#include <QLabel>
#include <QTest>

using namespace lxp;

// Another word of the picture quiz on its real screen, from a click on Next: a
// position drawn, the photograph decoded and shown, five choices dealt.
class BenchWordNext : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSeam> seam;

    WordsQuizWindow* quiz() { return windows().get<WordsQuizWindow>(); }

private slots:
    void initTestCase()
    {
        seam = std::make_unique<TestSeam>();
        StartUp();
        windows().find("frmMAINMENU")->close();
        shared().wordsCaption = "Words - Animals";
        shared().category = "ANIMALS";
        quiz()->show();
    }
    void cleanupTestCase()
    {
        windows().clear();
        seam.reset();
    }

    void wordNext()
    {
        auto* next = quiz()->screen()->findChild<QWidget*>("btnpNEXT");
        auto* picture = quiz()->screen()->findChild<QLabel*>("picMAINWINDOW");
        int repeats = 0;
        QBENCHMARK
        {
            const qint32 before = quiz()->quiz().wordNumber();
            QTest::mouseClick(next, Qt::LeftButton, {}, QPoint(10, 10));
            repeats += quiz()->quiz().wordNumber() == before ? 1 : 0;
        }
        QCOMPARE(repeats, 0);
        QVERIFY(!picture->pixmap().isNull());
    }
};

QTEST_MAIN(BenchWordNext)
#include "bench_wordnext.moc"
