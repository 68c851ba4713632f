// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window.h"

#include "core/log.h"
#include "ui/inputhold.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>

#include <algorithm>
#include <optional>

namespace lxp {

namespace {

// Chains the controls of `screen` that take the focus by Tab in reading order: rows
// from the top, each row from the left (a control whose top lies within the first
// one's height of a row belongs to that row). Returns the first.
QWidget* readingOrderApply(QWidget* screen)
{
    QList<QWidget*> controls;
    for (QWidget* widget : screen->findChildren<QWidget*>())
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(screen))
            controls << widget;
    const auto place = [screen](QWidget* widget) {
        return QRect(widget->mapTo(screen, QPoint(0, 0)), widget->size());
    };
    std::stable_sort(controls.begin(), controls.end(),
                     [&](QWidget* a, QWidget* b) { return place(a).top() < place(b).top(); });
    QList<QWidget*> ordered;
    for (qsizetype rowStart = 0; rowStart < controls.size();) {
        const QRect first = place(controls[rowStart]);
        qsizetype rowEnd = rowStart + 1;
        while (rowEnd < controls.size() &&
               place(controls[rowEnd]).top() < first.top() + first.height() / 2)
            ++rowEnd;
        QList<QWidget*> row = controls.mid(rowStart, rowEnd - rowStart);
        std::stable_sort(row.begin(), row.end(),
                         [&](QWidget* a, QWidget* b) { return place(a).left() < place(b).left(); });
        ordered << row;
        rowStart = rowEnd;
    }
    for (qsizetype i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i - 1], ordered[i]);
    return ordered.value(0);
}

} // namespace

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

void Window::open()
{
    if (m_screen)
        return;
    // A dialog takes the learner's input only once it shows; until then (its load
    // step may play a sound) clicks and keys wait.
    std::optional<InputHold> hold;
    if (m_kind == Kind::Dialog)
        hold.emplace();
    QWidget* screen = createScreen();
    if (!screen)
        return;
    m_screen = screen;
    ++m_opening;
    screen->setObjectName(m_name);
    screen->installEventFilter(this);
    if (m_kind == Kind::Child) {
        if (Window* frame = windows().find(QLatin1String(kMainWindowName));
            frame && frame->screen()) {
            screen->setParent(frame->screen());
            screen->setGeometry(frame->screen()->rect());
        }
    } else if (m_kind == Kind::Dialog) {
        if (Window* frame = windows().find(QLatin1String(kMainWindowName));
            frame && frame->screen())
            screen->setParent(frame->screen(), screen->windowFlags() | Qt::Dialog);
    }
    qCDebug(lxpLog) << "opened" << m_name;
    onLoad();
    emit opened(m_name);
}

void Window::show()
{
    open();
    if (!m_screen)
        return;
    m_screen->show();
    m_screen->raise();
    if (m_kind != Kind::Child && m_kind != Kind::Popup)
        m_screen->activateWindow();
    // A screen opens with its first control focused, Tab going on in reading order.
    if (m_kind == Kind::Child)
        if (QWidget* first = readingOrderApply(m_screen))
            first->setFocus(Qt::OtherFocusReason);
}

void Window::showModal()
{
    open();
    if (!m_screen || m_inModalLoop)
        return;
    QPointer<QWidget> screen = m_screen;
    m_inModalLoop = true;
    ModalLoopScope modalLoop;
    qCDebug(lxpLog) << "shown modally" << m_name;
    if (QWidget* first = readingOrderApply(screen))
        first->setFocus(Qt::OtherFocusReason);
    if (auto* dialog = qobject_cast<QDialog*>(screen.data())) {
        dialog->setModal(true);
        dialog->exec();
    } else {
        screen->setWindowModality(Qt::ApplicationModal);
        screen->show();
        QEventLoop loop;
        connect(screen, &QObject::destroyed, &loop, &QEventLoop::quit);
        connect(this, &Window::closed, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::DialogExec);
    }
    m_inModalLoop = false;
    // A dialog dismissed by the window system (Escape, its close box) is closed too.
    if (m_screen && m_screen == screen)
        close();
}

bool Window::close()
{
    if (!m_screen || m_closing)
        return !m_screen;
    bool cancel = false;
    onCloseRequest(cancel);
    if (cancel || !m_screen)
        return !m_screen;
    m_closing = true;
    onClose();
    destroyScreen();
    qCDebug(lxpLog) << "closed" << m_name;
    m_closing = false;
    emit closed(m_name);
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
        close();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void WindowRegistry::define(WindowEntry entry)
{
    // A second definition of a name replaces the first in its place.
    const auto same = std::find_if(m_entries.begin(), m_entries.end(),
                                   [&](const WindowEntry& e) { return e.name == entry.name; });
    if (same != m_entries.end())
        *same = std::move(entry);
    else
        m_entries.push_back(std::move(entry));
}

Window* WindowRegistry::get(const QString& name)
{
    if (auto it = m_instances.find(name); it != m_instances.end())
        return it->second.get();
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const WindowEntry& e) { return e.name == name; });
    if (entry == m_entries.end() || !entry->factory)
        return nullptr;
    std::unique_ptr<Window> window = entry->factory();
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
    m_entries.clear();
}

WindowRegistry& windows()
{
    static WindowRegistry registry;
    return registry;
}

} // namespace lxp
