// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/feedbackdialog.h"
#include "support/screensteps.h"
#include "ui/picturebutton.h"

#include <QFile>

#include <algorithm>

using namespace lxp;
using namespace lxp::testing;

// How soon the program answers, with the test seam's silent sounds: from a click (or
// call) to the first frame it causes, that is once the first paint after it has been
// carried out, each figure the median of the repeats. Then the memory: the peak RSS of
// a run through every screen, and the RSS over fifty openings of each lesson.
//   QT_QPA_PLATFORM=offscreen build/bench/app/bench_response
class BenchResponse : public QObject {
    Q_OBJECT
    std::unique_ptr<StartedProgram> program;

    // Set by the first paint after `act` starts: the milliseconds until that paint has
    // been carried out (a call queued behind it). `whenPainted` runs then (inside a
    // modal loop `act` may have started, so it can end it).
    struct FirstFrame : QObject {
        QElapsedTimer clock;
        double ms = -1;
        bool queued = false;
        std::function<void()> whenPainted;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !queued) {
                queued = true;
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        ms = clock.nsecsElapsed() / 1e6;
                        if (whenPainted)
                            whenPainted();
                    },
                    Qt::QueuedConnection);
            }
            return false;
        }
    };

    static double toFirstFrame(const std::function<void()>& act,
                               std::function<void()> whenPainted = {})
    {
        FirstFrame frame;
        frame.whenPainted = std::move(whenPainted);
        qApp->installEventFilter(&frame);
        frame.clock.start();
        act();
        while (frame.ms < 0 && frame.clock.elapsed() < 3000)
            QCoreApplication::processEvents();
        qApp->removeEventFilter(&frame);
        return frame.ms;
    }

    static void report(std::vector<double> ms, double budget)
    {
        std::sort(ms.begin(), ms.end());
        const double median = ms[ms.size() / 2];
        qInfo("%s: median %.2f ms (max %.2f), budget %.0f ms", QTest::currentDataTag(), median,
              ms.back(), budget);
        QTest::setBenchmarkResult(median, QTest::WalltimeMilliseconds);
    }

    static double rssMb(const char* field)
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(field))
                return line.mid(int(strlen(field))).trimmed().split(' ').value(0).toDouble() / 1024;
        return -1;
    }

    static QList<QString> lessons()
    {
        QList<QString> names;
        for (const WindowEntry& entry : windows().entries())
            if (!entry.menuButton.isEmpty())
                names << entry.name;
        return names;
    }

    static void lessonRows()
    {
        QTest::addColumn<QString>("lesson");
        QTest::addColumn<QString>("menuButton");
        for (const WindowEntry& entry : windows().entries())
            if (!entry.menuButton.isEmpty())
                QTest::newRow(qPrintable(entry.name)) << entry.name << entry.menuButton;
    }

    // Lets waiting events run, closed screens (deleted later) going too, as the event
    // loop does between two clicks.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void leaveLesson(const QString& lesson) { click(lesson, QStringLiteral("btnpEXIT")); }

private slots:
    void initTestCase()
    {
        program = std::make_unique<StartedProgram>();
        QVERIFY(QTest::qWaitForWindowExposed(windows().get(kMainWindowName)->screen()));
    }
    void cleanupTestCase() { program.reset(); }

    // A click on the lesson's menu button to the lesson's first frame (budget 30 ms), and
    // a click on its exit button to the menu's first frame (budget 16 ms).
    void openAndLeave_data() { lessonRows(); }
    void openAndLeave()
    {
        QFETCH(QString, lesson);
        QFETCH(QString, menuButton);
        std::vector<double> open, leave;
        for (int i = 0; i < 15; ++i) {
            open.push_back(toFirstFrame([&] { click(kMainMenuName, menuButton); }));
            QVERIFY(screenOf(lesson) && screenOf(lesson)->isVisible());
            leave.push_back(toFirstFrame([&] { leaveLesson(lesson); }));
            settle();
            QVERIFY(!screenOf(lesson) && screenOf(kMainMenuName));
        }
        report(open, 30);
        qInfo("  leaving it:");
        report(leave, 16);
    }

    // A feedback dialog from the call that opens it to its first frame (budget 16 ms).
    void feedbackDialog_data()
    {
        QTest::addColumn<QString>("dialog");
        for (const char* name : {"frmMSGCRECT", "frmMSGCRT10", "frmMSGWRONG", "frmMSGPLYAG"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void feedbackDialog()
    {
        QFETCH(QString, dialog);
        auto* window = qobject_cast<FeedbackDialog*>(windows().get(dialog));
        QVERIFY(window);
        const Window::OpenGuard owner = windows().get(kMainMenuName)->guard();
        std::vector<double> ms;
        for (int i = 0; i < 15; ++i) {
            ms.push_back(toFirstFrame(
                [&] {
                    if (window->PrepareFor(owner))
                        window->showModal();
                },
                [&] { window->close(); }));
            QVERIFY(ms.back() >= 0 && !window->isOpen());
            settle();
        }
        report(ms, 16);
    }

    // The highlighted face on, then the normal face, each painted (budget 1 ms a change).
    void pictureButtonFace()
    {
        auto* button = element<PictureButton>(kMainMenuName, QStringLiteral("btnpPAIRS"));
        QVERIFY(button);
        const QPoint inside = button->rect().center();
        QBENCHMARK
        {
            QTest::mouseMove(button, inside);
            button->repaint();
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(button, &leave);
            button->repaint();
        }
    }

    // Every window opened, each lesson with a click on every control it shows (any
    // dialog that opens closed once shown), then fifty openings and closings of each
    // lesson. Budget: peak below 60 MB, no growth over the fifty.
    void memory()
    {
        auto* closeDialogs = new QTimer(this);
        connect(closeDialogs, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        closeDialogs->start(20);
        for (const WindowEntry& entry : windows().entries()) {
            Window* window = windows().get(entry.name);
            if (entry.name == kMainWindowName || entry.name == kMainMenuName)
                continue;
            if (window->kind() == Window::Kind::Dialog) {
                window->showModal();
                continue;
            }
            if (window->kind() != Window::Kind::Child)
                continue;
            windows().find(kMainMenuName)->close();
            window->show();
            for (auto* button : window->screen()->findChildren<PictureButton*>())
                if (window->isOpen() && button->isVisible() && button->isEnabled() &&
                    button->objectName() != QLatin1String("btnpEXIT"))
                    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
            window->close();
            windows().get(kMainMenuName)->show();
            settle();
        }
        closeDialogs->stop();
        qInfo("after every screen: RSS %.1f MB, peak %.1f MB (budget 60 MB)", rssMb("VmRSS:"),
              rssMb("VmHWM:"));
        for (const QString& lesson : lessons()) {
            Window* window = windows().get(lesson);
            QString line;
            for (int i = 1; i <= 50; ++i) {
                windows().find(kMainMenuName)->close();
                window->show();
                settle();
                window->close();
                windows().get(kMainMenuName)->show();
                settle();
                if (i % 10 == 0)
                    line += QStringLiteral(" %1").arg(rssMb("VmRSS:"), 0, 'f', 1);
            }
            qInfo("%s RSS (MB) after each ten openings:%s", qPrintable(lesson), qPrintable(line));
        }
        qInfo("peak RSS of the whole run %.1f MB (budget 60 MB)", rssMb("VmHWM:"));
        QVERIFY(rssMb("VmHWM:") > 0);
    }
};

QTEST_MAIN(BenchResponse)
#include "bench_response.moc"
