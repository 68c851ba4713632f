// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "core/sharedstate.h"
#include "lessons/writealong/writealongwindow.h"
#include "support/testseam.h"

#include <QFile>
#include <QLabel>
#include <QMovie>
#include <QTemporaryDir>
#include <QTest>

using namespace lxp;

// A letter chosen on the write-along screen until both of its animations show their
// first frame: two files opened, their first frames decoded and both views painted.
// The letter's sound is recorded, not played (it plays after the animations start).
class BenchWriteAlongLetter : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSeam> seam;
    QTemporaryDir data;

    static QLabel* view(int i)
    {
        return windows().get<WriteAlongWindow>()->screen()->findChild<QLabel*>(
            QString("wbbWebBrowser%1").arg(i));
    }

private slots:
    void initTestCase()
    {
        // The shipped animations, found as an installed program finds them.
        QVERIFY(QDir().mkpath(data.path() + "/lexipond"));
        QVERIFY(
            QFile::link(LEXIPOND_SOURCE_DIR "/Animations", data.path() + "/lexipond/Animations"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path()));
        seam = std::make_unique<TestSeam>();
        StartUp();
        windows().find("frmMAINMENU")->close();
        windows().get<WriteAlongWindow>()->show();
        QTRY_VERIFY(!seam->played.isEmpty());
    }
    void cleanupTestCase()
    {
        windows().clear();
        seam.reset();
    }

    // From a click on a letter button to both views painted with the first frames,
    // a different letter each time.
    void letterToFirstFrames()
    {
        QWidget* screen = windows().get<WriteAlongWindow>()->screen();
        QList<QWidget*> letters;
        for (int i = 0; i < WriteAlongWindow::kLetters; ++i)
            letters << screen->findChild<QWidget*>(QString("btnpLETTERS_%1").arg(i));
        int next = 1;
        QBENCHMARK
        {
            QTest::mouseClick(letters[next++ % letters.size()], Qt::LeftButton, {}, QPoint(22, 22));
            view(1)->repaint();
            view(2)->repaint();
        }
        for (int i : {1, 2})
            QVERIFY(view(i)->movie() && view(i)->movie()->currentFrameNumber() == 0);
    }
};

QTEST_MAIN(BenchWriteAlongLetter)
#include "bench_writealongletter.moc"
