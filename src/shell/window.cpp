#include "shell/window.h"

#include "shell/inputhold.h"
#include "shell/log.h"
#include "shell/mdiprogmain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <optional>

namespace lxp {

Window::Window(const QString& name, Kind kind) : m_name(name), m_kind(kind)
{
    setObjectName(name);
}

Window::~Window()
{
    // Screens can only go while the application object lives; after it has gone
    // the process is ending anyway.
    if (m_screen && QCoreApplication::instance())
        delete m_screen.data();
}

void Window::Load()
{
    if (m_screen)
        return;
    // A dialog takes the learner's input only once it shows; until then (its load
    // step may play a sound) clicks and keys wait.
    std::optional<InputHold> hold;
    if (m_kind == Kind::Dialog)
        hold.emplace();
    QWidget* screen = CreateScreen();
    if (!screen)
        return;
    m_screen = screen;
    ++m_opening;
    screen->setObjectName(m_name);
    screen->installEventFilter(this);
    if (m_kind == Kind::Child) {
        if (Window* frame = windows().find(QLatin1String(mdiPROGMAIN::kName)); frame && frame->screen()) {
            screen->setParent(frame->screen());
            screen->setGeometry(frame->screen()->rect());
        }
    } else if (m_kind == Kind::Dialog) {
        if (Window* frame = windows().find(QLatin1String(mdiPROGMAIN::kName)); frame && frame->screen())
            screen->setParent(frame->screen(), screen->windowFlags() | Qt::Dialog);
    }
    qCDebug(lxpLog) << "opened" << m_name;
    Form_Load();
    emit loaded(m_name);
}

void Window::Show()
{
    Load();
    if (!m_screen)
        return;
    m_screen->show();
    m_screen->raise();
    if (m_kind != Kind::Child && m_kind != Kind::Popup)
        m_screen->activateWindow();
}

void Window::ShowModal()
{
    Load();
    if (!m_screen || m_inModalLoop)
        return;
    QPointer<QWidget> screen = m_screen;
    m_inModalLoop = true;
    ModalLoopScope modalLoop;
    qCDebug(lxpLog) << "shown modally" << m_name;
    if (auto* dialog = qobject_cast<QDialog*>(screen.data())) {
        dialog->setModal(true);
        dialog->exec();
    } else {
        screen->setWindowModality(Qt::ApplicationModal);
        screen->show();
        QEventLoop loop;
        connect(screen, &QObject::destroyed, &loop, &QEventLoop::quit);
        connect(this, &Window::unloaded, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::DialogExec);
    }
    m_inModalLoop = false;
    // A dialog dismissed by the window system (Escape, its close box) is closed too.
    if (m_screen && m_screen == screen)
        Unload();
}

bool Window::Unload()
{
    if (!m_screen || m_unloading)
        return !m_screen;
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel || !m_screen)
        return !m_screen;
    m_unloading = true;
    Form_Unload();
    destroyScreen();
    qCDebug(lxpLog) << "closed" << m_name;
    m_unloading = false;
    emit unloaded(m_name);
    return true;
}

void Window::destroyScreen()
{
    QWidget* screen = m_screen;
    m_screen = nullptr;
    if (!screen)
        return;
    ++m_opening;
    screen->removeEventFilter(this);
    if (auto* dialog = qobject_cast<QDialog*>(screen); dialog && m_inModalLoop)
        dialog->done(QDialog::Rejected);
    screen->hide();
    screen->deleteLater();
}

bool Window::eventFilter(QObject* watched, QEvent* event)
{
    // A close request from the window system (a close box) goes through the
    // window's own close check.
    if (watched == m_screen && event->type() == QEvent::Close) {
        event->ignore();
        Unload();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void WindowRegistry::define(const QString& name, Factory factory)
{
    m_factories[name] = std::move(factory);
}

Window* WindowRegistry::get(const QString& name)
{
    if (auto it = m_instances.find(name); it != m_instances.end())
        return it->second.get();
    const auto factory = m_factories.find(name);
    if (factory == m_factories.end())
        return nullptr;
    std::unique_ptr<Window> window = factory->second();
    Window* raw = window.get();
    if (raw)
        m_instances.emplace(name, std::move(window));
    return raw;
}

Window* WindowRegistry::find(const QString& name) const
{
    const auto it = m_instances.find(name);
    return it == m_instances.end() ? nullptr : it->second.get();
}

void WindowRegistry::clear()
{
    m_instances.clear();
    m_factories.clear();
}

WindowRegistry& windows()
{
    static WindowRegistry registry;
    return registry;
}

} // namespace lxp
