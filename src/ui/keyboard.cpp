// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keyboard.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

namespace lxp {

void FocusRingPaint(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect).adjusted(2.5, 2.5, -2.5, -2.5);
    const qreal radius = qMin(ring.height(), ring.width()) / 5;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 5));
    painter.drawRoundedRect(ring, radius, radius);
    painter.setPen(QPen(QColor(16, 72, 168), 2.5));
    painter.drawRoundedRect(ring, radius, radius);
    painter.restore();
}

namespace {

// Lies over the whole control, above its children, and lets the pointer through.
class FocusRingOverlay : public QWidget {
public:
    explicit FocusRingOverlay(QWidget* control) : QWidget(control)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
        control->installEventFilter(this);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        FocusRingPaint(painter, rect());
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        QWidget* control = parentWidget();
        switch (event->type()) {
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            m_keyboard =
                m_keyboard || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
            break;
        }
        case QEvent::KeyPress:
            m_keyboard = true;
            break;
        case QEvent::MouseButtonPress:
            m_keyboard = false;
            break;
        default:
            break;
        }
        const bool shown = m_keyboard && control->hasFocus();
        if (shown != isVisible()) {
            setGeometry(control->rect());
            raise();
            setVisible(shown);
        }
        return false;
    }

private:
    bool m_keyboard = false;
};

} // namespace

void FocusRingAttach(QWidget* control)
{
    new FocusRingOverlay(control);
}

bool ArrowFocusMove(int key, QWidget* from, const QList<QWidget*>& among)
{
    QPoint way;
    switch (key) {
    case Qt::Key_Left:
        way = {-1, 0};
        break;
    case Qt::Key_Right:
        way = {1, 0};
        break;
    case Qt::Key_Up:
        way = {0, -1};
        break;
    case Qt::Key_Down:
        way = {0, 1};
        break;
    default:
        return false;
    }
    const auto centre = [](const QWidget* widget) {
        return widget->mapToGlobal(widget->rect().center());
    };
    // The nearest control ahead that way, a step aside counting three times a step ahead.
    const QPoint here = centre(from);
    QWidget* best = nullptr;
    int bestCost = 0;
    for (QWidget* other : among) {
        if (other == from || !other->isVisible() || !other->isEnabled())
            continue;
        const QPoint step = centre(other) - here;
        const int ahead = step.x() * way.x() + step.y() * way.y();
        if (ahead <= 0)
            continue;
        const int aside = qAbs(step.x() * way.y()) + qAbs(step.y() * way.x());
        const int cost = ahead + 3 * aside;
        if (!best || cost < bestCost) {
            best = other;
            bestCost = cost;
        }
    }
    if (best)
        best->setFocus(Qt::TabFocusReason);
    return best != nullptr;
}

} // namespace lxp
