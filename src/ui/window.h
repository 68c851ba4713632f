// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace lxp {

// The names of the two windows that every other window knows: the frame that holds
// the screens, and the main menu that every lesson returns to.
inline constexpr const char* kMainWindowName = "mdiPROGMAIN";
inline constexpr const char* kMainMenuName = "frmMAINMENU";

// One window of the program. Each window class has exactly one long-lived instance
// (see WindowRegistry) that keeps the window's own fields for the whole run; its
// screen (the widgets) exists only while the window is open. Closing destroys the
// screen and keeps the fields; the load step runs at every opening. The window's
// name is its screen's objectName.
class Window : public QObject {
    Q_OBJECT
public:
    enum class Kind {
        TopLevel, // the main window
        Child,    // a screen inside the main window
        Dialog,   // a separate window, shown modally and owned by the main window
        Popup,    // a frameless window of its own that never takes the focus (the tooltip)
    };

    Window(const QString& name, Kind kind);
    ~Window() override;

    const QString& name() const { return m_name; }
    Kind kind() const { return m_kind; }
    bool isOpen() const { return m_screen != nullptr; }
    // True while the window's own close is carried out (its close step runs).
    bool isClosing() const { return m_closing; }
    // The open screen; null while the window is closed.
    QWidget* screen() const { return m_screen; }

    // Taken by a handler of the window when it starts: true while that opening of the
    // window lasts, false for good once the window has closed (by its exit button, a
    // close request or the program's end), even when it has been opened again since.
    // Sounds and modal dialogs let other events run, so a handler checks its guard
    // after each of them and stops when the window has closed.
    class OpenGuard {
    public:
        explicit OpenGuard(Window& window) : m_window(&window), m_opening(window.m_opening) {}
        explicit operator bool() const
        {
            return m_window && m_window->m_opening == m_opening && m_window->isOpen() &&
                   !m_window->isClosing();
        }

    private:
        QPointer<Window> m_window;
        quint64 m_opening;
    };
    OpenGuard guard() { return OpenGuard(*this); }

    // Opens the window without showing it: builds the screen and runs the load step.
    // Does nothing when it is open already (touching an element of a closed window
    // opens it first, as the screens rely on).
    void open();
    // Opens (if needed) and shows the window: a child screen fills the main window,
    // a dialog shows non-modally above it.
    void show();
    // Opens (if needed) and shows the window modally above the main window; returns
    // once the window has closed.
    void showModal();
    // A request to close the window: runs the close check (which may refuse by
    // setting cancel), then closes. Returns whether the window is closed. A window
    // that is not open is left alone.
    bool close();

signals:
    void opened(const QString& name);
    void closed(const QString& name);

protected:
    // Builds the screen with its design-time contents. The window takes ownership.
    virtual QWidget* createScreen() = 0;
    // The load step, run at every opening after the screen is built.
    virtual void onLoad() {}
    // Run on every request to close; set cancel to refuse.
    virtual void onCloseRequest(bool& cancel) { Q_UNUSED(cancel); }
    // Run just before the screen goes away.
    virtual void onClose() {}

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void destroyScreen();

    QString m_name;
    Kind m_kind;
    QPointer<QWidget> m_screen;
    quint64 m_opening = 0; // counts openings and closings
    bool m_inModalLoop = false;
    bool m_closing = false;
};

// One row of the program's catalogue of windows (app/catalogue.cpp).
struct WindowEntry {
    using Factory = std::function<std::unique_ptr<Window>()>;
    QString name;
    Factory factory;
    // For a lesson: the main-menu button that opens it, the label under that button
    // and the screen text of the label and the button's tooltip. Empty for the others.
    QString menuButton;
    QString menuLabel;
    int titleText = 0;
};

// Every window of the program, reachable by name and created on first use.
class WindowRegistry {
public:
    // Declares a window; the instance is made on the first get(). Declaring a name
    // again replaces its entry in its place.
    void define(WindowEntry entry);
    // The declared windows in the order they were declared.
    const std::vector<WindowEntry>& entries() const { return m_entries; }
    // The one instance of the window, created on first use; null for an unknown name.
    Window* get(const QString& name);
    template <class T> T* get() { return qobject_cast<T*>(get(QLatin1String(T::kName))); }
    // The instance if it has been created.
    Window* find(const QString& name) const;
    // Destroys every instance and definition (a new program run in tests).
    void clear();

private:
    std::vector<WindowEntry> m_entries;
    std::map<QString, std::unique_ptr<Window>> m_instances;
};

WindowRegistry& windows();

} // namespace lxp
