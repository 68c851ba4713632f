// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/writealong/writealongwindow.h"
#include "support/screensteps.h"

#include <QDir>
#include <QFileInfo>
#include <QMovie>
#include <QTemporaryDir>

using namespace lxp;
using namespace lxp::testing;

// The write-along screen with real clicks and keys. The test program has no animations
// beside it, so it finds them as an installed program does: "lexipond/Animations" in
// the data folders, here temporary ones.
class TestFrmLessWrit : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data;
    std::unique_ptr<StartedProgram> program;
    int shares = 0;

    static WriteAlongWindow* lesson() { return windows().get<WriteAlongWindow>(); }
    static QMovie* movie(int view)
    {
        return element<QLabel>(WriteAlongWindow::kName, QString("wbbWebBrowser%1").arg(view))
            ->movie();
    }
    // The files the two views play, "left, right" ("" for an empty view).
    static QString views()
    {
        QStringList files;
        for (int i : {1, 2})
            files << (movie(i) ? QFileInfo(movie(i)->fileName()).fileName() : QString());
        return files.join(", ");
    }
    // The animations folder of the next opening: the shipped one (linked), none, or a
    // copy without some files, in a data folder of its own listed after an empty one.
    void animationsAre(const QString& what, const QStringList& without = {})
    {
        const QString share = data->path() + "/share" + QString::number(++shares);
        const QString folder = share + "/lexipond/Animations";
        QVERIFY(QDir().mkpath(share + "/lexipond"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(data->path() + "/empty:" + share));
        const QDir shipped(LEXIPOND_SOURCE_DIR "/Animations");
        if (what == "shipped")
            QVERIFY(QFile::link(shipped.path(), folder));
        if (what == "copy" && QDir().mkpath(folder))
            for (const QString& name : shipped.entryList({"*.gif"}, QDir::Files))
                if (!without.contains(name))
                    QVERIFY(QFile::copy(shipped.filePath(name), folder + "/" + name));
    }
    // "A" is spoken once the screen shows.
    void openLesson()
    {
        program->seam.played.clear();
        bool visibleWhenSpoken = false;
        program->seam.onPlay = [&](const QString&) {
            visibleWhenSpoken = lesson()->screen()->isVisible();
        };
        windows().find("frmMAINMENU")->close();
        lesson()->show();
        QTRY_COMPARE(program->seam.played, QStringList({"LETTERS/A"}));
        program->seam.onPlay = nullptr;
        QVERIFY(visibleWhenSpoken);
    }

private slots:
    void init()
    {
        data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", QFile::encodeName(data->path() + "/home")); // none there
        animationsAre("shipped");
        program = std::make_unique<StartedProgram>();
    }
    void cleanup()
    {
        program.reset();
        data.reset();
    }

    // A opens with its two animations playing. Q: its two "chr" files from the first
    // frame, spoken; each other view then replaces its own frame's animation, the other
    // frame's going on undisturbed. Opened again, the lesson starts at A.
    void chooseQThenTheOtherViews()
    {
        openLesson();
        QCOMPARE(views(), QString("A ucase chr.gif, a lcase chr.gif"));
        QVERIFY(movie(1)->state() == QMovie::Running && movie(2)->state() == QMovie::Running);
        click(WriteAlongWindow::kName, "btnpLETTERS_16");
        QCOMPARE(program->seam.played.last(), QString("LETTERS/Q"));
        QCOMPARE(views(), QString("Q ucase chr.gif, q lcase chr.gif"));
        QCOMPARE(movie(1)->currentFrameNumber(), 0);

        QPointer<QMovie> small = movie(2);
        QTRY_VERIFY(small->currentFrameNumber() > 2);
        click(WriteAlongWindow::kName, "btnpPicbtn5");
        QCOMPARE(views(), QString("Q - Ucase.gif, q lcase chr.gif"));
        QCOMPARE(movie(1)->currentFrameNumber(), 0);
        QVERIFY(movie(2) == small && small->currentFrameNumber() > 2);

        QPointer<QMovie> capital = movie(1);
        QTRY_VERIFY(capital->currentFrameNumber() > 2);
        click(WriteAlongWindow::kName, "btnpPicbtn6");
        QCOMPARE(views(), QString("Q - Ucase.gif, q - lcase.gif"));
        QVERIFY(!small); // stopped and gone
        QVERIFY(movie(1) == capital && capital->currentFrameNumber() > 2);
        QCOMPARE(program->seam.played.size(), 2);

        click(WriteAlongWindow::kName, "btnpEXIT");
        QVERIFY(!lesson()->isOpen() && windows().find("frmMAINMENU")->isOpen());
        openLesson();
        QCOMPARE(views(), QString("A ucase chr.gif, a lcase chr.gif"));
    }

    // Q with one animation missing, and with none: Q is spoken all the same.
    void animationsFound_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("without");
        QTest::addColumn<QString>("shown");
        QTest::newRow("missing file")
            << "copy" << QStringList({"Q ucase chr.gif"}) << ", q lcase chr.gif";
        QTest::newRow("missing folder") << "none" << QStringList() << ", ";
    }
    void animationsFound()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, without);
        QFETCH(QString, shown);
        animationsAre(folder, without);
        openLesson();
        click(WriteAlongWindow::kName, "btnpLETTERS_16");
        QCOMPARE(views(), shown);
        QCOMPARE(program->seam.played.last(), QString("LETTERS/Q"));
    }

    // Nothing plays while the lesson cannot be seen: before it shows, while the main
    // window is hidden, and after it has closed.
    void hiddenLessonPlaysNothing()
    {
        windows().find("frmMAINMENU")->close();
        lesson()->open();
        QVERIFY(movie(1)->state() == QMovie::Paused && movie(2)->state() == QMovie::Paused);
        lesson()->show();
        QTRY_VERIFY(!program->seam.played.isEmpty());
        const QList<QPointer<QMovie>> movies = {movie(1), movie(2)};
        screenOf("mdiPROGMAIN")->hide();
        for (const auto& each : movies)
            QVERIFY(each->state() == QMovie::Paused);
        screenOf("mdiPROGMAIN")->show();
        for (const auto& each : movies)
            QVERIFY(each->state() == QMovie::Running);
        lesson()->close();
        QVERIFY(!movies[0] && !movies[1]);
    }

    // Keys from the opening at "A": a letter (C too), or a frame's other view.
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("shown");
        QTest::newRow("C is a letter") << int(Qt::Key_C) << 0 << "C ucase chr.gif, c lcase chr.gif";
        QTest::newRow("Up") << int(Qt::Key_Up) << 0 << "A - Ucase.gif, a lcase chr.gif";
        QTest::newRow("Alt+S") << int(Qt::Key_S) << int(Qt::AltModifier)
                               << "A ucase chr.gif, a - lcase.gif";
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, shown);
        openLesson();
        QWidget* focus = lesson()->screen()->focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(views(), shown);
    }
};

QTEST_MAIN(TestFrmLessWrit)
#include "tst_writealongwindow.moc"
