// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tooltipwindow.h"

#include "ui/pointerpos.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace lxp {

namespace {

// A timer that is already running keeps its count; only a stopped one starts anew.
void switchOn(QTimer* timer)
{
    if (timer && !timer->isActive())
        timer->start();
}

// Starts the count anew.
void restart(QTimer* timer)
{
    if (!timer)
        return;
    timer->stop();
    timer->start();
}

// The tip's one line of text; the pointer on it is the pointer on the tip.
class TipLabel : public QLabel {
public:
    TipLabel(QWidget* parent, std::function<void(QPoint)> onPointer)
        : QLabel(parent), m_onPointer(std::move(onPointer))
    {
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        m_onPointer(event->globalPosition().toPoint());
    }

private:
    std::function<void(QPoint)> m_onPointer;
};

} // namespace

// The tip's borderless window: tooltip colours and a one-pixel frame. It takes no
// pointer input (the window system hands the pointer to whatever lies below it); where
// a platform gives it the pointer all the same, the pointer over it counts as over the
// button below.
class TipSurface : public QWidget {
public:
    explicit TipSurface(TooltipWindow* tip)
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput),
          m_tip(tip)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
        setMouseTracking(true);
        setPalette(QToolTip::palette());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
        painter.setPen(QPen(palette().color(QPalette::ToolTipText), 0));
        painter.drawRect(0, 0, width() - 1, height() - 1);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        m_tip->pointerOverTip(event->globalPosition().toPoint());
    }
    void leaveEvent(QEvent*) override { m_tip->pointerOverTip(PointerPos()); }

private:
    TooltipWindow* m_tip;
};

namespace {
// A picture button has been made in this run: its DestroyTip has allowed closing even if
// the tip window did not exist yet.
bool g_buttonMade = false;
} // namespace

TooltipWindow::TooltipWindow()
    : Window(QLatin1String(kName), Kind::Popup), m_closeAllowed(g_buttonMade)
{
}

void TooltipWindow::buttonCreated()
{
    g_buttonMade = true;
    if (auto* tip = qobject_cast<TooltipWindow*>(windows().find(QLatin1String(kName))))
        tip->DestroyTip();
}

TooltipWindow::~TooltipWindow() = default;

TooltipWindow* TooltipWindow::instance()
{
    return windows().get<TooltipWindow>();
}

void TooltipWindow::setIntervals(int startMs, int showMs, int watchMs)
{
    m_startInterval = startMs;
    m_showInterval = showMs;
    m_watchInterval = watchMs;
}

QWidget* TooltipWindow::createScreen()
{
    auto* surface = new TipSurface(this);

    auto* label = new TipLabel(surface, [this](QPoint pointer) { pointerOverTip(pointer); });
    label->setObjectName(QStringLiteral("lblTIP"));
    label->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QToolTip::palette().color(QPalette::ToolTipText));
    label->setPalette(palette);
    m_lblTip = label;

    auto makeTimer = [surface](const char* name, int interval) {
        auto* timer = new QTimer(surface);
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(interval);
        return timer;
    };
    m_tmrStart = makeTimer("tmrSTART", m_startInterval);
    m_tmrShow = makeTimer("tmrSHOW", m_showInterval);
    m_tmrParent = makeTimer("tmrPARENT", m_watchInterval);
    connect(m_tmrStart, &QTimer::timeout, this, &TooltipWindow::startDelayElapsed);
    connect(m_tmrShow, &QTimer::timeout, this, &TooltipWindow::showTimeElapsed);
    connect(m_tmrParent, &QTimer::timeout, this, &TooltipWindow::watchPointer);
    return surface;
}

void TooltipWindow::onLoad()
{
    setMargin(kDefaultMargin);
    sizeLabel();
    m_tmrParent->start();
}

void TooltipWindow::onCloseRequest(bool& cancel)
{
    // The program's end closes the tip in any case: a window that refused would be
    // left behind when the main window has gone.
    const Window* frame = windows().find(QLatin1String(kMainWindowName));
    const bool programEnding = frame && frame->isClosing();
    if (!m_closeAllowed && !programEnding)
        cancel = true;
}

void TooltipWindow::onClose()
{
    for (QTimer* timer : {m_tmrStart.data(), m_tmrShow.data(), m_tmrParent.data()}) {
        if (timer)
            timer->stop();
    }
    // The screen goes later; nothing may reach its elements from now on.
    m_lblTip = nullptr;
    m_tmrStart = nullptr;
    m_tmrShow = nullptr;
    m_tmrParent = nullptr;
}

// ---- Operations ---------------------------------------------------------------------

void TooltipWindow::CreateTip(QWidget* owner)
{
    m_owner = owner;
}

void TooltipWindow::DestroyTip()
{
    if (m_lblTip)
        m_lblTip->clear();
    m_closeAllowed = true;
    close();
}

void TooltipWindow::setText(const QString& text)
{
    open();
    if (!m_lblTip)
        return;
    if (m_lblTip->text() != text) {
        m_lblTip->setText(text);
        sizeLabel();
        restart(m_tmrShow);
    }
    placeTip();
}

QString TooltipWindow::text() const
{
    return m_lblTip ? m_lblTip->text() : QString();
}

void TooltipWindow::setMargin(int pixels)
{
    m_margin = pixels;
    if (m_lblTip)
        m_lblTip->move(pixels, pixels);
}

bool TooltipWindow::isTipVisible() const
{
    return screen() && screen()->isVisible();
}

void TooltipWindow::ShowTip()
{
    if (!screen() || isTipVisible() || !m_lblTip || m_lblTip->text().isEmpty())
        return;
    placeTip();
    switchOn(m_tmrStart);
}

// ---- Placement and timers -------------------------------------------------------------

void TooltipWindow::sizeLabel()
{
    if (m_lblTip)
        m_lblTip->adjustSize();
}

void TooltipWindow::placeTip()
{
    QWidget* surface = screen();
    if (!surface || !m_lblTip)
        return;
    const QPoint pointer = PointerPos();
    QRect place(pointer.x() + kOffsetX, pointer.y() + kOffsetY, m_lblTip->width() + 2 * m_margin,
                m_lblTip->height() + 2 * m_margin);
    // Near the right or bottom edge of the screen the tip is pulled back so that it
    // ends at the edge. This holds for every placement, also the ones the watcher makes
    // while the tip waits to show.
    QScreen* display = QGuiApplication::screenAt(pointer);
    if (!display)
        display = QGuiApplication::primaryScreen();
    if (display) {
        const QRect area = display->geometry();
        if (place.right() > area.right())
            place.moveRight(area.right());
        if (place.bottom() > area.bottom())
            place.moveBottom(area.bottom());
    }
    surface->setGeometry(place);
    restart(m_tmrShow);
}

void TooltipWindow::startDelayElapsed()
{
    if (QWidget* surface = screen()) {
        surface->show();
        surface->raise();
    }
    switchOn(m_tmrShow);
    switchOn(m_tmrParent);
    if (m_tmrStart)
        m_tmrStart->stop();
}

void TooltipWindow::showTimeElapsed()
{
    if (QWidget* surface = screen())
        surface->hide();
}

void TooltipWindow::watchPointer()
{
    if (!isTipVisible())
        placeTip();
    const QPoint pointer = PointerPos();
    const QRect button = ownerRect();
    // The right and bottom edges of the button count as inside.
    const bool inside = !button.isNull() && pointer.x() >= button.left() &&
                        pointer.x() <= button.left() + button.width() &&
                        pointer.y() >= button.top() &&
                        pointer.y() <= button.top() + button.height();
    if (!inside)
        close();
}

QRect TooltipWindow::ownerRect() const
{
    if (!m_owner || !m_owner->isVisible())
        return QRect();
    return QRect(m_owner->mapToGlobal(QPoint(0, 0)), m_owner->size());
}

void TooltipWindow::pointerOverTip(QPoint pointer)
{
    QWidget* owner = m_owner;
    if (!owner)
        return;
    // Over the button the pointer is still on the button: the move goes on to it and
    // the tip stays. Off the button, the button hears that the pointer has left, which
    // also closes the tip.
    const QPointF local = owner->mapFromGlobal(QPointF(pointer));
    if (ownerRect().contains(pointer)) {
        QMouseEvent move(QEvent::MouseMove, local, QPointF(pointer), Qt::NoButton,
                         QGuiApplication::mouseButtons(), QGuiApplication::keyboardModifiers());
        QCoreApplication::sendEvent(owner, &move);
        return;
    }
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(owner, &leave);
    close();
}

} // namespace lxp
