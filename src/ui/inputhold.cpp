// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/inputhold.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPointingDevice>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace lxp {
namespace {

bool isLearnerInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

// What is needed to make the input again when it is delivered. Pointer events share
// their points with the pointing device, which the next event changes, so they are
// made afresh from their values; other input events are plain copies.
std::function<std::unique_ptr<QEvent>()> copyOf(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        return [type = mouse.type(), local = mouse.position(), scene = mouse.scenePosition(),
                global = mouse.globalPosition(), button = mouse.button(), buttons = mouse.buttons(),
                modifiers = mouse.modifiers(), device = QPointer(mouse.pointingDevice())] {
            return std::make_unique<QMouseEvent>(
                type, local, scene, global, button, buttons, modifiers,
                device ? device.data() : QPointingDevice::primaryPointingDevice());
        };
    }
    case QEvent::Wheel: {
        const auto& wheel = static_cast<const QWheelEvent&>(event);
        return [local = wheel.position(), global = wheel.globalPosition(),
                pixels = wheel.pixelDelta(), angle = wheel.angleDelta(), buttons = wheel.buttons(),
                modifiers = wheel.modifiers(), phase = wheel.phase(), inverted = wheel.inverted()] {
            return std::make_unique<QWheelEvent>(local, global, pixels, angle, buttons, modifiers,
                                                 phase, inverted);
        };
    }
    default: {
        std::shared_ptr<const QEvent> copy(event.clone());
        return [copy] { return std::unique_ptr<QEvent>(copy->clone()); };
    }
    }
}

bool isShown(QObject* receiver)
{
    if (auto* widget = qobject_cast<QWidget*>(receiver))
        return widget->isVisible();
    if (auto* window = qobject_cast<QWindow*>(receiver))
        return window->isVisible();
    return true;
}

// Whether input for `receiver` goes to the modal dialog on screen, if there is one.
// Input for a window that the dialog blocks is not held: the window system refuses it.
bool reachesModalDialog(QObject* receiver)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return true;
    if (auto* widget = qobject_cast<QWidget*>(receiver))
        return widget->window() == modal;
    if (auto* window = qobject_cast<QWindow*>(receiver))
        return window == modal->windowHandle();
    return true;
}

class InputGate : public QObject {
public:
    static InputGate& instance()
    {
        static auto* gate = new InputGate; // lives as long as the process
        return *gate;
    }

    void holdBegin()
    {
        if (!m_filtering && QCoreApplication::instance()) {
            QCoreApplication::instance()->installEventFilter(this);
            m_filtering = true;
        }
        ++m_holds;
    }
    void holdEnd()
    {
        if (--m_holds == 0)
            releaseSoon();
    }
    // Input made inside a modal loop is the loop's own, whatever held input's handler
    // opened the loop.
    void modalBegin()
    {
        ++m_modalDepth;
        m_outerDelivering.push_back(std::exchange(m_delivering, std::nullopt));
    }
    void modalEnd()
    {
        --m_modalDepth;
        m_delivering = m_outerDelivering.back();
        m_outerDelivering.pop_back();
        releaseSoon();
    }
    bool holding() const { return m_holds > 0; }
    int waiting() const { return int(m_held.size()); }
    std::chrono::steady_clock::time_point madeAt() const
    {
        return m_delivering ? *m_delivering : std::chrono::steady_clock::now();
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (m_holds == 0 || !isLearnerInput(event->type()) || !reachesModalDialog(receiver))
            return false;
        m_held.push_back(
            {receiver, copyOf(*event), m_modalDepth, std::chrono::steady_clock::now()});
        return true;
    }

private:
    struct Held {
        QPointer<QObject> receiver;
        std::function<std::unique_ptr<QEvent>()> event;
        int modalDepth; // of the loop the input was taken from
        std::chrono::steady_clock::time_point made;
    };

    // Delivers held input from the event loop, once the handler now running returns.
    void releaseSoon()
    {
        if (m_releaseQueued || m_held.empty())
            return;
        m_releaseQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_releaseQueued = false;
                release();
            },
            Qt::QueuedConnection);
    }

    // Each input in turn, its handler finished before the next; input taken before a
    // modal loop waits while the loop runs. A hold that begins in a handler stops the
    // delivery; its end asks for it again.
    void release()
    {
        while (m_holds == 0) {
            const auto next = std::find_if(m_held.begin(), m_held.end(), [this](const Held& held) {
                return held.modalDepth >= m_modalDepth;
            });
            if (next == m_held.end())
                return;
            Held held = std::move(*next);
            m_held.erase(next);
            if (!held.receiver || !isShown(held.receiver))
                continue;
            const std::unique_ptr<QEvent> event = held.event();
            const auto outer = m_delivering;
            m_delivering = held.made;
            QCoreApplication::sendEvent(held.receiver, event.get());
            m_delivering = outer;
        }
    }

    int m_holds = 0;
    int m_modalDepth = 0;
    bool m_filtering = false;
    bool m_releaseQueued = false;
    std::deque<Held> m_held;
    // When the held input being delivered now was made; the same for the loops that
    // modal loops interrupt.
    std::optional<std::chrono::steady_clock::time_point> m_delivering;
    std::vector<std::optional<std::chrono::steady_clock::time_point>> m_outerDelivering;
};

} // namespace

InputHold::InputHold()
{
    InputGate::instance().holdBegin();
}

InputHold::~InputHold()
{
    InputGate::instance().holdEnd();
}

bool InputHold::active()
{
    return InputGate::instance().holding();
}

int InputHold::waiting()
{
    return InputGate::instance().waiting();
}

std::chrono::steady_clock::time_point InputHold::inputMadeAt()
{
    return InputGate::instance().madeAt();
}

ModalLoopScope::ModalLoopScope()
{
    InputGate::instance().modalBegin();
}

ModalLoopScope::~ModalLoopScope()
{
    InputGate::instance().modalEnd();
}

} // namespace lxp
