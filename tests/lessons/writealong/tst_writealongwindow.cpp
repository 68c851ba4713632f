// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/writealong/writealongwindow.h"
#include "support/screensteps.h"
#include "ui/picturebutton.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMovie>
#include <QTemporaryDir>

using namespace lxp;
using namespace lxp::testing;

// The write-along screen with real clicks and keys. The test program has no animations
// beside it, so it finds them where an installed program does: "lexipond/Animations"
// in the data folders, here a temporary folder of each test.
class TestFrmLessWrit : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data;
    std::unique_ptr<StartedProgram> program;
    int shares = 0;

    static WriteAlongWindow* lesson() { return windows().get<WriteAlongWindow>(); }
    static QLabel* view(int i)
    {
        return element<QLabel>(WriteAlongWindow::kName, QString("wbbWebBrowser%1").arg(i));
    }
    // The file an animation view plays ("" for none), with the frame it shows and
    // whether it runs.
    static QString shown(int i)
    {
        const QMovie* movie = view(i)->movie();
        return movie ? QFileInfo(movie->fileName()).fileName() : QString();
    }
    static QWidget* letterButton(QChar letter)
    {
        return element(WriteAlongWindow::kName,
                       QString("btnpLETTERS_%1").arg(letter.unicode() - u'A'));
    }
    static void clickOn(QWidget* widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    // The animations folder the lesson finds at its next opening: the shipped one
    // (linked), none, or a copy of it without some files; each in a data folder of its
    // own listed after an empty one.
    void animationsAre(const QString& what, const QStringList& without = {})
    {
        const QString share = data->path() + "/share" + QString::number(++shares);
        const QString folder = share + "/lexipond/Animations";
        QVERIFY(QDir().mkpath(share + "/lexipond"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(data->path() + "/empty:" + share));
        if (what == "shipped") {
            QVERIFY(QFile::link(LEXIPOND_SOURCE_DIR "/Animations", folder));
        } else if (what == "copy") {
            QVERIFY(QDir().mkpath(folder));
            const QDir shipped(LEXIPOND_SOURCE_DIR "/Animations");
            for (const QString& name : shipped.entryList({"*.gif"}, QDir::Files))
                if (!without.contains(name))
                    QVERIFY(QFile::copy(shipped.filePath(name), folder + "/" + name));
        }
    }
    void openLesson()
    {
        windows().find("frmMAINMENU")->close();
        lesson()->show();
        QTRY_COMPARE(program->seam.played, QStringList({"LETTERS/A"}));
    }

private slots:
    void init()
    {
        data = std::make_unique<QTemporaryDir>();
        // Nothing of the machine's own data folders: the user's is empty, the
        // system's are an empty one and one of the test's.
        qputenv("XDG_DATA_HOME", QFile::encodeName(data->path() + "/home"));
        animationsAre("shipped");
        program = std::make_unique<StartedProgram>();
    }
    void cleanup()
    {
        program.reset();
        data.reset();
    }

    // The letter is spoken once the screen shows, with both "A" animations on it, from
    // their first frame; opening again starts at "A" again.
    void opensAtA()
    {
        bool visibleWhenSpoken = false;
        program->seam.onPlay = [&](const QString&) {
            visibleWhenSpoken = lesson()->screen()->isVisible();
        };
        openLesson();
        QVERIFY(visibleWhenSpoken);
        QCOMPARE(shown(1), QString("A ucase chr.gif"));
        QCOMPARE(shown(2), QString("a lcase chr.gif"));
        for (int i : {1, 2})
            QVERIFY(view(i)->movie()->state() == QMovie::Running);

        clickOn(letterButton('Q'));
        click(WriteAlongWindow::kName, "btnpEXIT");
        QVERIFY(!lesson()->isOpen() && windows().find("frmMAINMENU")->isOpen());
        program->seam.played.clear();
        windows().find("frmMAINMENU")->close();
        lesson()->show();
        QTRY_COMPARE(program->seam.played, QStringList({"LETTERS/A"}));
        QCOMPARE(lesson()->letter(), QString("A"));
        QCOMPARE(shown(1) + ", " + shown(2), QString("A ucase chr.gif, a lcase chr.gif"));
    }

    // Q: its two "chr" files, spoken; each other view then replaces its own frame's
    // animation from the first frame, and the other frame's goes on undisturbed.
    void chooseQThenTheOtherViews()
    {
        openLesson();
        clickOn(letterButton('Q'));
        QCOMPARE(program->seam.played.last(), QString("LETTERS/Q"));
        QCOMPARE(shown(1) + ", " + shown(2), QString("Q ucase chr.gif, q lcase chr.gif"));
        QCOMPARE(view(1)->movie()->currentFrameNumber(), 0);

        QPointer<QMovie> small = view(2)->movie();
        QTRY_VERIFY(small->currentFrameNumber() > 2);
        click(WriteAlongWindow::kName, "btnpPicbtn5");
        QCOMPARE(shown(1), QString("Q - Ucase.gif"));
        QCOMPARE(view(1)->movie()->currentFrameNumber(), 0);
        QVERIFY(view(2)->movie() == small && small->currentFrameNumber() > 2);

        QPointer<QMovie> capital = view(1)->movie();
        QTRY_VERIFY(capital->currentFrameNumber() > 2);
        click(WriteAlongWindow::kName, "btnpPicbtn6");
        QCOMPARE(shown(2), QString("q - lcase.gif"));
        QVERIFY(!small); // the old animation is gone
        QVERIFY(view(1)->movie() == capital && capital->currentFrameNumber() > 2);
        QCOMPARE(program->seam.played.size(), 2);
    }

    // What the lesson finds in the data folders when Q is chosen; the letter is spoken
    // whatever it finds.
    void animationsFound_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("without");
        QTest::addColumn<QString>("views");
        QTest::newRow("data folder")
            << "shipped" << QStringList() << "Q ucase chr.gif, q lcase chr.gif";
        QTest::newRow("missing file")
            << "copy" << QStringList({"Q ucase chr.gif"}) << ", q lcase chr.gif";
        QTest::newRow("missing folder") << "none" << QStringList() << ", ";
    }
    void animationsFound()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, without);
        QFETCH(QString, views);
        animationsAre(folder, without);
        openLesson();
        clickOn(letterButton('Q'));
        QCOMPARE(shown(1) + ", " + shown(2), views);
        QCOMPARE(program->seam.played.last(), QString("LETTERS/Q"));
    }

    // Nothing plays while the lesson cannot be seen: before it shows, while the main
    // window is hidden, and after it has closed.
    void hiddenLessonPlaysNothing()
    {
        windows().find("frmMAINMENU")->close();
        lesson()->open();
        for (int i : {1, 2})
            QVERIFY(view(i)->movie()->state() == QMovie::Paused);
        lesson()->show();
        QTRY_VERIFY(!program->seam.played.isEmpty());
        const QList<QPointer<QMovie>> movies = {view(1)->movie(), view(2)->movie()};
        QWidget* frame = screenOf("mdiPROGMAIN");
        frame->hide();
        for (const auto& movie : movies)
            QVERIFY(movie->state() == QMovie::Paused);
        frame->show();
        for (const auto& movie : movies)
            QVERIFY(movie->state() == QMovie::Running);
        lesson()->close();
        for (const auto& movie : movies)
            QVERIFY(!movie);
    }

    // Keys from the opening at "A": a letter, or a frame's other view.
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("views");
        QTest::newRow("Q") << int(Qt::Key_Q) << 0 << "Q ucase chr.gif, q lcase chr.gif";
        QTest::newRow("shift Z") << int(Qt::Key_Z) << int(Qt::ShiftModifier)
                                 << "Z ucase chr.gif, z lcase chr.gif";
        QTest::newRow("C is a letter") << int(Qt::Key_C) << 0 << "C ucase chr.gif, c lcase chr.gif";
        QTest::newRow("Up") << int(Qt::Key_Up) << 0 << "A - Ucase.gif, a lcase chr.gif";
        QTest::newRow("Down") << int(Qt::Key_Down) << 0 << "A ucase chr.gif, a - lcase.gif";
        QTest::newRow("alt C") << int(Qt::Key_C) << int(Qt::AltModifier)
                               << "A - Ucase.gif, a lcase chr.gif";
        QTest::newRow("alt S") << int(Qt::Key_S) << int(Qt::AltModifier)
                               << "A ucase chr.gif, a - lcase.gif";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << "";
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, views);
        openLesson();
        QWidget* focus = lesson()->screen()->focusWidget();
        QTest::keyClick(focus ? focus : lesson()->screen(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        if (views.isEmpty()) {
            QVERIFY(!lesson()->isOpen() && windows().find("frmMAINMENU")->isOpen());
            return;
        }
        QCOMPARE(shown(1) + ", " + shown(2), views);
    }
};

QTEST_MAIN(TestFrmLessWrit)
#include "tst_writealongwindow.moc"
