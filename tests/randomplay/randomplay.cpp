// SPDX-License-Identifier: GPL-3.0-or-later
// Random play: starts the program on the test seam and sends a seeded stream of a child's
// input to whatever is on screen (clicks, double and right clicks on controls and random
// points, mouse moves, keys, close requests, now and then the program's end, after which
// it starts again), through the window system's side (QWindow) so that it meets modality,
// the input hold and the mouse grab. After every input it checks that the program is
// whole; a failure prints the seed and the last 50 inputs.
//
//   randomplay [--seed N] [--events N] [--sounds real|silent]
//
// With real sounds (the default) every sound blocks for its length, as the output does.
#include "app/startup.h"
#include "core/sharedstate.h"
#include "lessons/pairs/pairswindow.h"
#include "lessons/picwords/picwordswindow.h"
#include "lessons/words/wordsquizwindow.h"
#include "screens/mainwindow.h"
#include "support/testseam.h"
#include "ui/inputhold.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <random>
#include <thread>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using namespace lxp;

namespace {

constexpr qint64 kTurnLimitMs = 2000;
constexpr qint64 kEndLimitMs = 10000;

qint64 nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Shared by the program's thread, the watchdog and the failure report.
std::atomic<qint64> lastTurn{0};
std::atomic<bool> inSound{false}, watching{false}, finished{false};
std::mutex logMutex;
std::deque<std::string> lastEvents;
unsigned long long seed = 1;

void note(const QString& event)
{
    const std::lock_guard lock(logMutex);
    lastEvents.push_back(event.toStdString());
    if (lastEvents.size() > 50)
        lastEvents.pop_front();
}

void report(const char* why)
{
    std::fprintf(stderr, "random play FAILED, seed %llu: %s\nthe last %zu events:\n", seed, why,
                 lastEvents.size());
    for (const std::string& event : lastEvents)
        std::fprintf(stderr, "  %s\n", event.c_str());
    std::fflush(stderr);
}

[[noreturn]] void fail(const QString& why)
{
    {
        const std::lock_guard lock(logMutex);
        report(qPrintable(why));
    }
    std::_Exit(1);
}

// A crash (or a sanitizer's report, signal 0) reports the inputs that led to it too.
void crashed(int signal)
{
    report(signal ? strsignal(signal) : "sanitizer report");
    if (signal) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

// Sound time is not a hang: the sound output blocks the program for the sound's length.
class PlaySeam : public TestSeam {
public:
    void playSound(const QByteArray& wav, const QString& label) override
    {
        inSound = true;
        TestSeam::playSound(wav, label);
        lastTurn = nowMs();
        inSound = false;
    }
};

bool isShownWindow(const QString& name)
{
    const Window* window = windows().find(name);
    return window && window->isOpen() && window->screen()->isVisible();
}

template <class T> const T* openLesson()
{
    auto* window = qobject_cast<T*>(windows().find(QLatin1String(T::kName)));
    return window && window->isOpen() ? window : nullptr;
}

class Driver {
public:
    Driver(int events) : m_random(seed), m_events(events) {}

    int done = 0;
    int starts = 0;

    // One run of the program, from its start to its end.
    void run(bool realSounds)
    {
        ++starts;
        windows().clear();
        resetShared();
        PlaySeam seam;
        seam.soundsTakeTheirLength = realSounds;
        StartUp();
        m_endAsked = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [this] { turn(); });
        timer.start(1);
        lastTurn = nowMs();
        watching = true;
        QApplication::exec();
        watching = false;
        note(QStringLiteral("-- end of run %1").arg(starts));
        windows().clear();
    }

private:
    std::mt19937_64 m_random;
    int m_events;
    qint64 m_endAsked = 0;

    int pick(int n) { return int(m_random() % quint64(qMax(n, 1))); }

    // Runs from a timer in whatever event loop turns: checks, then sends the next input.
    void turn()
    {
        lastTurn = nowMs();
        check();
        if (m_endAsked) {
            if (nowMs() - m_endAsked > kEndLimitMs)
                fail(QStringLiteral("the program did not end within 10 s of the request"));
        } else if (done >= m_events || pick(1500) == 0) {
            m_endAsked = nowMs();
            note(QStringLiteral("#%1 program end").arg(done));
            Window* main = windows().find(QLatin1String(kMainWindowName));
            if (main && main->screen())
                QCoreApplication::postEvent(main->screen()->windowHandle(), new QCloseEvent);
            else
                QCoreApplication::exit(0);
        } else if (send() && ++done % 1000 == 0) {
            std::printf("random play: %d events, %d starts\n", done, starts);
            std::fflush(stdout);
        }
    }

    // The window that takes input: the modal dialog when one shows (the window system
    // refuses input to the others), else mostly the main window.
    QWidget* target()
    {
        if (QWidget* modal = QApplication::activeModalWidget())
            return modal;
        QWidgetList shown;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->windowHandle())
                shown << top;
        Window* main = windows().find(QLatin1String(kMainWindowName));
        if (main && main->screen() && main->screen()->isVisible() && pick(10) != 0)
            return main->screen();
        return shown.isEmpty() ? nullptr : shown[pick(int(shown.size()))];
    }

    // A point on a random visible control of `top`, or anywhere on it.
    QPoint point(QWidget* top, bool onControl, QString* what)
    {
        QWidgetList controls;
        if (onControl)
            for (QWidget* child : top->findChildren<QWidget*>())
                if (child->isVisible() && !child->isWindow())
                    controls << child;
        QWidget* on = controls.isEmpty() ? top : controls[pick(int(controls.size()))];
        const QPoint at(pick(on->width()), pick(on->height()));
        *what = QStringLiteral("%1/%2 (%3,%4)")
                    .arg(top->objectName(), on == top ? QStringLiteral("*") : on->objectName())
                    .arg(at.x())
                    .arg(at.y());
        return on->mapTo(top, at);
    }

    static void mouse(QWidget* top, QEvent::Type type, QPoint at, Qt::MouseButton button)
    {
        const bool down = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
        QCoreApplication::postEvent(top->windowHandle(),
                                    new QMouseEvent(type, at, at, top->mapToGlobal(QPointF(at)),
                                                    button, down ? button : Qt::NoButton, {}));
    }

    // Sends one input; false when there was nothing to send it to.
    bool send()
    {
        QWidget* top = target();
        if (!top || !top->windowHandle())
            return false;
        const int kind = pick(100);
        QString what;
        QString event;
        if (kind < 70) {
            const QPoint at = point(top, kind < 45, &what);
            const bool right = kind >= 62;
            const bool twice = !right && kind >= 55;
            const Qt::MouseButton button = right ? Qt::RightButton : Qt::LeftButton;
            event = (right ? "right click " : twice ? "double click " : "click ") + what;
            mouse(top, QEvent::MouseMove, at, Qt::NoButton);
            mouse(top, QEvent::MouseButtonPress, at, button);
            mouse(top, QEvent::MouseButtonRelease, at, button);
            if (twice) {
                mouse(top, QEvent::MouseButtonDblClick, at, button);
                mouse(top, QEvent::MouseButtonRelease, at, button);
            }
        } else if (kind < 80) {
            const QPoint at = point(top, false, &what);
            event = "move " + what;
            mouse(top, QEvent::MouseMove, at, Qt::NoButton);
        } else if (kind < 97) {
            // Letters, digits, then the keys below.
            static const QList<QPair<int, QString>> otherKeys{
                {Qt::Key_Left, {}},      {Qt::Key_Right, {}},  {Qt::Key_Up, {}},
                {Qt::Key_Down, {}},      {Qt::Key_Space, " "}, {Qt::Key_Return, "\r"},
                {Qt::Key_Escape, "\x1b"}};
            const int n = pick(36 + int(otherKeys.size()));
            const auto [code, text] =
                n < 26   ? QPair<int, QString>(Qt::Key_A + n, QChar('a' + n))
                : n < 36 ? QPair<int, QString>(Qt::Key_0 + n - 26, QChar('0' + n - 26))
                         : otherKeys[n - 36];
            event = QStringLiteral("key %1 (%2) to %3")
                        .arg(QKeySequence(code).toString())
                        .arg(code, 0, 16)
                        .arg(top->objectName());
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(top->windowHandle(),
                                            new QKeyEvent(type, code, Qt::NoModifier, text));
        } else {
            // The close box of a dialog; the main window's is the program's end (above).
            if (top->objectName() == QLatin1String(kMainWindowName))
                return false;
            event = "close request to " + top->objectName();
            QCoreApplication::postEvent(top->windowHandle(), new QCloseEvent);
        }
        note(QStringLiteral("#%1 %2").arg(done + 1).arg(event));
        return true;
    }

    // The program's state between two inputs.
    void check()
    {
        auto* main = qobject_cast<MainWindow*>(windows().find(QLatin1String(kMainWindowName)));
        if (!main || !main->isOpen() || m_endAsked)
            return;
        QStringList modals;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->isModal())
                modals << top->objectName();
        if (modals.size() > 1)
            fail("more than one modal dialog: " + modals.join(' '));
        const Window* child = main->OpenChild();
        const bool lessonOpen = child && child->name() != QLatin1String(kMainMenuName);
        bool dialogShown = false;
        for (const WindowEntry& entry : windows().entries()) {
            const Window* window = windows().find(entry.name);
            if (!window || window->kind() != Window::Kind::Dialog || !isShownWindow(entry.name))
                continue;
            dialogShown = true;
            // The answer dialogs and the play-again question belong to a lesson.
            if (entry.name.startsWith(QLatin1String("frmMSG")) && !lessonOpen)
                fail(entry.name + " shows while no lesson is open");
        }
        if (const auto* picwords = openLesson<PicturesAndWordsWindow>();
            picwords &&
            (picwords->game().wrongGuesses() < 0 || picwords->game().wrongGuesses() > 10))
            fail(QStringLiteral("pictures-and-words: %1 wrong")
                     .arg(picwords->game().wrongGuesses()));
        // The rest holds between two handlers, not inside one (a sound, a dialog).
        if (QThread::currentThread()->loopLevel() > 1 || InputHold::active())
            return;
        if (!dialogShown) {
            QStringList shown;
            for (QWidget* screen :
                 main->screen()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (screen->isVisible() && !screen->isWindow() &&
                    isShownWindow(screen->objectName()))
                    shown << screen->objectName();
            if (shown.size() != 1)
                fail("the main window shows " +
                     (shown.isEmpty() ? "nothing" : shown.join(" and ")));
        }
        if (const auto* pairs = openLesson<PairsWindow>()) {
            int yellow = 0;
            for (int i = 0; i < PairsGame::kCards; ++i)
                if (const auto* card =
                        pairs->screen()->findChild<QWidget*>(QStringLiteral("picCARD_%1").arg(i));
                    card && card->palette().color(QPalette::Window) == QColor(255, 255, 0))
                    ++yellow;
            if (yellow != 2 * pairs->game().pairsFound())
                fail(QStringLiteral("pairs: %1 found, %2 yellow cards")
                         .arg(pairs->game().pairsFound())
                         .arg(yellow));
        }
        if (const auto* quiz = openLesson<WordsQuizWindow>();
            quiz && (quiz->quiz().score() < 0 || quiz->quiz().score() > 9))
            fail(QStringLiteral("words quiz: score %1").arg(quiz->quiz().score()));
    }
};

// Fails the run when the event loop stops turning for longer than the limit outside sounds.
void watch()
{
    while (!finished) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (watching && !inSound && nowMs() - lastTurn > kTurnLimitMs)
            fail(QStringLiteral("the event loop did not turn for %1 ms").arg(nowMs() - lastTurn));
    }
}

// The offscreen platform's note that it cannot raise a window comes at every dialog.
void quieter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != QLatin1String("This plugin does not support raise()"))
        std::fputs(qPrintable(qFormatLogMessage(type, context, message) + '\n'), stderr);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int events = 1000;
    bool realSounds = true;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray option(argv[i]);
        if (option == "--seed")
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (option == "--events")
            events = std::atoi(argv[i + 1]);
        else if (option == "--sounds" && QByteArray(argv[i + 1]) != "real")
            realSounds = false;
    }
    for (const int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS})
        std::signal(signal, crashed);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback([] { crashed(0); });
#endif
    qInstallMessageHandler(quieter);
    QApplication app(argc, argv);
    ApplicationPrepare();
    std::printf("random play: seed %llu, %d events, %s sounds\n", seed, events,
                realSounds ? "real" : "silent");
    std::fflush(stdout);
    std::thread watchdog(watch);
    Driver driver(events);
    while (driver.done < events)
        driver.run(realSounds);
    finished = true;
    watchdog.join();
    std::printf("random play: seed %llu, %d events, %d starts, no failure\n", seed, driver.done,
                driver.starts);
    return 0;
}
