// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Steps on the program's screens, for the tests of its windows.

#include "app/startup.h"
#include "core/sharedstate.h"
#include "support/testseam.h"
#include "ui/window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <functional>

namespace lxp::testing {

// The program started on a test seam, with the choices of English and of the screen
// texts stored if given; ending it closes every window.
struct StartedProgram {
    TestSeam seam;
    explicit StartedProgram(const QString& language = {}, const QString& help = {})
    {
        windows().clear();
        resetShared();
        if (!language.isNull())
            seam.openSettings()->setValue("frmPROGMENUMAINDETAILS/LANGUAGE", language);
        if (!help.isNull())
            seam.openSettings()->setValue("frmPROGMENUMAINDETAILS/HELP", help);
        StartUp();
    }
    ~StartedProgram() { windows().clear(); }
};

inline QWidget* screenOf(const QString& window)
{
    Window* found = windows().find(window);
    return found ? found->screen() : nullptr;
}

template <class T = QWidget> T* element(const QString& window, const QString& name)
{
    return screenOf(window)->findChild<T*>(name);
}

inline void click(const QString& window, const QString& name)
{
    QWidget* widget = element(window, name);
    QVERIFY2(widget, qPrintable(window + "." + name));
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// A click as the window system delivers it: to the top-level window, handled when the
// program next looks at its events. (Mouse events share their point with the pointing
// device, so each is made only when it is delivered.)
inline void postClick(QWidget* widget)
{
    QWidget* top = widget->window();
    const QPointF local = widget->mapTo(top, widget->rect().center());
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QMetaObject::invokeMethod(
            top->windowHandle(),
            [=, window = QPointer(top->windowHandle())] {
                QMouseEvent click(type, local, top->mapToGlobal(local), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  {});
                if (window)
                    QCoreApplication::sendEvent(window, &click);
            },
            Qt::QueuedConnection);
}

// Moves the pointer through the window system (so that a control holding the pointer
// sees the move first, as on screen) onto `target`, or else onto `elsewhere` in the
// main window.
inline void pointTo(const QWidget* target, QPoint elsewhere = {})
{
    QWidget* frame = screenOf(QStringLiteral("mdiPROGMAIN"));
    const QPoint at = target ? target->mapTo(frame, target->rect().center()) : elsewhere;
    QTest::mouseMove(frame->windowHandle(), at);
    QTest::mouseMove(frame->windowHandle(), at + QPoint(3, 2));
}

// Whether every one-line label directly on the window shows its whole text.
inline bool textsFit(const QString& window)
{
    for (QLabel* label : screenOf(window)->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!label->wordWrap() &&
            label->fontMetrics().horizontalAdvance(label->text()) > label->width())
            return false;
    return true;
}

// Runs `steps` once the window `name` shows modally (its load step may let events run
// before its modal loop starts, so a plain zero timer could come too early). After five
// seconds it gives up and closes any modal window, so that a failing test never hangs.
// The flag returned tells whether the steps ran.
inline std::shared_ptr<bool> whenModal(const QString& name, std::function<void()> steps)
{
    auto ran = std::make_shared<bool>(false);
    auto* poll = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool shown = modal && modal == screenOf(name);
        if (!shown && clock->elapsed() <= 5000)
            return;
        poll->stop();
        poll->deleteLater();
        if (shown) {
            *ran = true;
            steps();
        } else if (modal) {
            modal->close();
        }
    });
    poll->start(5);
    return ran;
}

} // namespace lxp::testing
