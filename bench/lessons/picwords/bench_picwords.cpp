// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "core/sharedstate.h"
#include "lessons/picwords/picwordswindow.h"
#include "support/testseam.h"
#include "ui/picturebutton.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <vector>

using namespace lxp;

// The pictures-and-words game on its real screen: a new word with its photograph, and
// one letter pressed.
class BenchPicturesAndWords : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSeam> seam;

    PicturesAndWordsWindow* lesson() { return windows().get<PicturesAndWordsWindow>(); }
    QWidget* element(const QString& name) { return lesson()->screen()->findChild<QWidget*>(name); }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(20, 20)); }

private slots:
    void initTestCase()
    {
        seam = std::make_unique<TestSeam>();
        StartUp();
        windows().find("frmMAINMENU")->close();
        lesson()->show();
    }
    void cleanupTestCase()
    {
        windows().clear();
        seam.reset();
    }

    // NewGame from a click on New word: a word drawn from the list, hidden, its
    // photograph decoded and shown, the 26 letters enabled.
    void newGame()
    {
        QWidget* newGame = element("btnpNEW");
        QBENCHMARK
        {
            click(newGame);
        }
        QVERIFY(!lesson()->game().word().isEmpty());
    }

    // A click on a letter of the word that does not finish it, the "BUTTON" sound left
    // out: the press, the rules and the repainting the sound's events let run. Timed
    // alone, on a fresh word already painted; the median of many presses, so that the
    // other work of a busy machine counts less.
    void letterPress()
    {
        seam->setResource("AUDIO", "BUTTON", QByteArray());
        QWidget* newGame = element("btnpNEW");
        std::vector<qint64> presses;
        for (int i = 0; i < 501; ++i) {
            click(newGame);
            QTest::qWait(20); // the new word painted, as it is long before a child presses

            const PicturesAndWordsGame& game = lesson()->game();
            const int letter = game.word().at(0).toUpper().unicode() - 'A';
            QWidget* button = element(QStringLiteral("btnpLETTERS_%1").arg(letter));
            QElapsedTimer clock;
            clock.start();
            click(button);
            presses.push_back(clock.nsecsElapsed());
            QVERIFY(!game.letterEnabled(letter) && game.wrongGuesses() == 0);
        }
        std::nth_element(presses.begin(), presses.begin() + 250, presses.end());
        QTest::setBenchmarkResult(double(presses[250]), QTest::WalltimeNanoseconds);
    }
};

QTEST_MAIN(BenchPicturesAndWords)
#include "bench_picwords.moc"
