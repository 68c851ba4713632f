// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picturebutton.h"

#include "ui/handcursor.h"
#include "ui/keyboard.h"
#include "ui/pointerpos.h"
#include "ui/tooltipwindow.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace lxp {

namespace {

// The caption band on the face, in pixels: it starts 3 pixels in, 9 pixels down, and
// is 22 pixels high; its width follows the control's width (15/16 of it).
constexpr int kCaptionLeft = 3;
constexpr int kCaptionTop = 9;
constexpr int kCaptionHeight = 22;
constexpr qreal kCaptionPointSize = 12.0;
// A caption too long for the band is set smaller, down to this size, rather than cut.
constexpr qreal kCaptionSmallestPointSize = 8.0;
const QColor kCaptionColour(192, 0, 0);

// The button numbers the screens know: 1 left, 2 right, 4 middle.
constexpr short kLeft = 1;
constexpr short kRight = 2;
constexpr short kMiddle = 4;

short buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return kLeft;
    case Qt::RightButton:
        return kRight;
    case Qt::MiddleButton:
        return kMiddle;
    default:
        return 0;
    }
}

short buttonsCode(Qt::MouseButtons buttons)
{
    short code = 0;
    if (buttons & Qt::LeftButton)
        code |= kLeft;
    if (buttons & Qt::RightButton)
        code |= kRight;
    if (buttons & Qt::MiddleButton)
        code |= kMiddle;
    return code;
}

short shiftCode(Qt::KeyboardModifiers modifiers)
{
    short code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

// What assistive technology (a screen reader) sees of a picture button: a button named
// by its caption, or when it has none by the accessible name its screen gave it (the
// letter of a letter button), or else by its tooltip; described by its tooltip; that
// can be pressed.
class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(PictureButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto* button = static_cast<const PictureButton*>(widget());
        switch (t) {
        case QAccessible::Name:
            if (!button->caption().isEmpty())
                return button->caption();
            return button->accessibleName().isEmpty() ? button->tipText()
                                                      : button->accessibleName();
        case QAccessible::Description:
            return button->tipText();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<PictureButton*>(widget())->animateClick();
    }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(PictureButton::staticMetaObject.className()) &&
        object->isWidgetType())
        return new PictureButtonAccessible(static_cast<PictureButton*>(object));
    return nullptr;
}

// Two pictures are the same face when they share their pixel data.
bool sameFace(const QPixmap& a, const QPixmap& b)
{
    return a.cacheKey() == b.cacheKey();
}

} // namespace

PictureButton::PictureButton(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    static const bool accessible = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(accessible);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(kDesignWidth, kDesignHeight);

    m_lblWords = new QLabel(this);
    m_lblWords->setObjectName(QStringLiteral("lblWORDS"));
    m_lblWords->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_lblWords->setTextFormat(Qt::PlainText);
    m_lblWords->setAlignment(Qt::AlignCenter);
    QPalette palette = m_lblWords->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, kCaptionColour);
    m_lblWords->setPalette(palette);

    m_mouseDown = false;
    m_usePicJumpIn = false;
    m_tipReady = true;
    setEnabled(true);
    layOut();
    // A new button takes any tip that is up away (and allows the tip to close).
    TooltipWindow::buttonCreated();
    // The faces start empty; hover tracking works from now on.
    requestFace(Face::Normal);
    m_mouseDown = false;
    layOut();
    applyCursor();
}

PictureButton::~PictureButton() = default;

QSize PictureButton::sizeHint() const
{
    return size();
}

// ---- Faces --------------------------------------------------------------------------

QPixmap PictureButton::pictureNormal()
{
    m_mousePosnOnOut = false;
    return m_normal;
}

QPixmap PictureButton::pictureHLight()
{
    m_mousePosnOnOut = true;
    return m_hLight;
}

QPixmap PictureButton::picturePressed()
{
    m_mousePosnOnOut = true;
    return m_pressed;
}

QPixmap PictureButton::pictureDisabled()
{
    return m_disabled;
}

void PictureButton::setFace(QPixmap& holder, const QPixmap& picture)
{
    holder = picture;
    layOut();
    requestFace(Face::Normal);
}

void PictureButton::setPictureNormal(const QPixmap& picture)
{
    setFace(m_normal, picture);
}

void PictureButton::setPictureHLight(const QPixmap& picture)
{
    setFace(m_hLight, picture);
    m_mousePosnOnOut = true;
}

void PictureButton::setPicturePressed(const QPixmap& picture)
{
    setFace(m_pressed, picture);
    m_mousePosnOnOut = true;
}

void PictureButton::setPictureDisabled(const QPixmap& picture)
{
    setFace(m_disabled, picture);
}

void PictureButton::requestFace(Face face)
{
    if (m_usePicJumpIn) {
        showJumpInFace();
        return;
    }
    switch (face) {
    case Face::Normal:
        showFace(pictureNormal());
        break;
    case Face::HLight:
        showFace(pictureHLight());
        break;
    case Face::Pressed:
        showFace(picturePressed());
        break;
    }
}

void PictureButton::showFace(const QPixmap& picture)
{
    if (m_enabled) {
        if (!sameFace(m_face, picture))
            putOnFace(picture);
    } else if (!sameFace(m_face, m_disabled)) {
        putOnFace(m_disabled);
    }
    layOut();
    drawCaption();
}

void PictureButton::showJumpInFace()
{
    if (m_useDisabled) {
        if (!sameFace(m_face, m_disabled))
            putOnFace(m_disabled);
        drawCaption();
        return;
    }
    showNormalFace();
}

void PictureButton::showNormalFace()
{
    if (!sameFace(m_face, m_normal))
        putOnFace(m_normal);
    drawCaption();
}

void PictureButton::putOnFace(const QPixmap& picture)
{
    m_face = picture;
    update();
}

// ---- Layout and caption ---------------------------------------------------------------

void PictureButton::layOut()
{
    if (m_inLayout)
        return;
    m_inLayout = true;
    if (!m_usePicJumpIn) {
        // The control takes the size of the picture on its face; without a picture it
        // keeps the size it has.
        if (!m_face.isNull()) {
            const QSize faceSize = m_face.deviceIndependentSize().toSize();
            if (size() != faceSize || minimumSize() != faceSize || maximumSize() != faceSize)
                setFixedSize(faceSize);
        }
        m_faceWidth = width();
        m_faceHeight = height();
        update();
    }
    m_inLayout = false;
    drawCaption();
}

void PictureButton::drawCaption()
{
    const int bandWidth = qMax(0, (width() * 15 - 3) / 16);
    QFont font(QStringLiteral("Comic Sans MS"));
    for (qreal points = kCaptionPointSize; points >= kCaptionSmallestPointSize; points -= 0.5) {
        font.setPointSizeF(points);
        if (QFontMetrics(font).horizontalAdvance(m_caption) <= bandWidth)
            break;
    }
    m_lblWords->setFont(font);
    // A face whose line is taller than the band (Hangul) keeps the band's middle line.
    const int lineHeight = qMax(kCaptionHeight, QFontMetrics(font).height());
    const int top = kCaptionTop + (kCaptionHeight - lineHeight) / 2;
    m_lblWords->setGeometry(kCaptionLeft, top, bandWidth, lineHeight);
}

void PictureButton::setCaption(const QString& caption)
{
    m_caption = caption;
    m_lblWords->setText(caption);
    drawCaption();
}

// ---- Other properties -----------------------------------------------------------------

void PictureButton::setTipText(const QString& text)
{
    m_toolTip = text;
    // A tip of this button that is up follows the new text (a change of the screen
    // language); nobody else's tip is touched.
    TooltipWindow* tip = TooltipWindow::instance();
    if (!tip || !tip->isOpen() || tip->owner() != this)
        return;
    if (text.isEmpty())
        tip->DestroyTip();
    else
        tip->setText(text);
}

void PictureButton::enabledChanged(bool enabled)
{
    m_enabled = enabled;
    if (!enabled) {
        // A disabled button hears no more of the pointer, so it forgets what it knew.
        m_mouseDown = false;
        m_captured = false;
        m_tipReady = true;
        m_leftPressed = false;
        m_doubleClickPress = false;
        m_keyDown = false;
    }
    requestFace(Face::Normal);
    applyCursor();
}

void PictureButton::setBorderStyle(int style)
{
    if (style < -32768 || style > 32767)
        return;
    m_borderStyle = style;
}

void PictureButton::applyCursor()
{
    if (m_enabled)
        setCursor(HandCursor());
    else
        unsetCursor();
}

// ---- Tooltip --------------------------------------------------------------------------

void PictureButton::prepareTip()
{
    if (m_toolTip.isEmpty() || !m_tipReady)
        return;
    if (TooltipWindow* tip = TooltipWindow::instance()) {
        tip->CreateTip(this);
        tip->setText(m_toolTip);
    }
}

void PictureButton::showTip()
{
    if (TooltipWindow* tip = TooltipWindow::instance())
        tip->ShowTip();
}

void PictureButton::destroyTip()
{
    if (TooltipWindow* tip = TooltipWindow::instance())
        tip->DestroyTip();
}

// ---- Input ----------------------------------------------------------------------------

bool PictureButton::isInside(float x, float y) const
{
    // The right and bottom edges count as inside.
    return x >= 0 && y >= 0 && x <= m_faceWidth && y <= m_faceHeight;
}

void PictureButton::handleMouseDown(short button, short shift, float x, float y)
{
    m_mouseDown = true;
    m_tipReady = false;
    destroyTip();
    if (button == kRight) {
        requestFace(Face::Normal);
        m_mouseDown = false;
    } else {
        requestFace(Face::Pressed);
    }
    emit MouseDown(button, shift, x, y);
}

void PictureButton::handleMouseMove(short button, short shift, float x, float y)
{
    QPointer<PictureButton> self(this);
    emit MouseMove(button, shift, x, y);
    if (!self)
        return;
    prepareTip();
    if (m_tipReady && !m_toolTip.isEmpty())
        showTip();
    if (button < kRight) {
        if (!isInside(x, y))
            requestFace(Face::Normal);
        else if (button == kLeft)
            requestFace(Face::Pressed);
    }
    if (!m_mouseDown) {
        trackPointer(button, shift, x, y);
        if (!self)
            return;
    }
    applyCursor();
}

void PictureButton::trackPointer(short Button, short Shift, float X, float Y)
{
    m_captured = false;
    if (X < 0 || X > width() || Y < 0 || Y > height()) {
        m_tipReady = true;
        requestFace(Face::Normal);
    } else {
        m_captured = true;
        requestFace(Face::HLight);
        m_tipReady = false;
    }
    emit MouseOut(Button, Shift, X, Y);
}

void PictureButton::handleMouseUp(short button, short shift, float x, float y)
{
    if (button != kRight)
        requestFace(Face::Normal);
    m_mouseDown = false;
    emit MouseUp(button, shift, x, y);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    if (m_focusRing) {
        m_focusRing = false;
        update();
    }
    const short button = buttonCode(event->button());
    if (!m_enabled || button == 0) {
        event->ignore();
        return;
    }
    if (button == kLeft) {
        m_leftPressed = true;
        m_doubleClickPress = false;
    }
    const QPointF pos = event->position();
    handleMouseDown(button, shiftCode(event->modifiers()), float(pos.x()), float(pos.y()));
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_enabled || event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    // The second press of a double click: a mouse-down with fixed values, then
    // DblClick; its release raises MouseUp but no second Click.
    m_leftPressed = true;
    m_doubleClickPress = true;
    QPointer<PictureButton> self(this);
    handleMouseDown(kLeft, 1, 1, 1);
    if (self)
        emit DblClick();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_enabled)
        return;
    const QPointF pos = event->position();
    handleMouseMove(buttonsCode(event->buttons()), shiftCode(event->modifiers()), float(pos.x()),
                    float(pos.y()));
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    const short button = buttonCode(event->button());
    if (!m_enabled || button == 0) {
        event->ignore();
        return;
    }
    const QPointF pos = event->position();
    const float x = float(pos.x());
    const float y = float(pos.y());
    const bool click = button == kLeft && m_leftPressed && !m_doubleClickPress && isInside(x, y);
    if (button == kLeft) {
        m_leftPressed = false;
        m_doubleClickPress = false;
    }
    QPointer<PictureButton> self(this);
    handleMouseUp(button, shiftCode(event->modifiers()), x, y);
    if (!self || !click || !m_enabled)
        return;
    // The face blinks pressed once more, then stays normal until the next move.
    requestFace(Face::Pressed);
    requestFace(Face::Normal);
    emit Click();
}

namespace {

// The keys that press a focused button, as a click does.
bool isPressKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

// How long a button pressed by a screen's key shows its pressed face after the click.
constexpr int kKeyPressShowMs = 120;

} // namespace

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (!m_focusRing) {
        m_focusRing = true;
        update();
    }
    if (!isPressKey(event)) {
        QWidget::keyPressEvent(event); // the screen's own keys go on to the screen
        return;
    }
    if (!m_enabled || event->isAutoRepeat() || m_keyDown)
        return;
    m_keyDown = true;
    handleMouseDown(kLeft, shiftCode(event->modifiers()), width() / 2.0f, height() / 2.0f);
}

void PictureButton::keyReleaseEvent(QKeyEvent* event)
{
    if (isPressKey(event) && !event->isAutoRepeat() && m_keyDown) {
        m_keyDown = false;
        QPointer<PictureButton> self(this);
        handleMouseUp(kLeft, shiftCode(event->modifiers()), width() / 2.0f, height() / 2.0f);
        if (self && m_enabled)
            emit Click();
        return;
    }
    if (m_enabled && m_tipReady && !m_toolTip.isEmpty())
        showTip();
    QWidget::keyReleaseEvent(event);
}

void PictureButton::animateClick()
{
    if (!m_enabled || !isVisible())
        return;
    QPointer<PictureButton> self(this);
    const float x = width() / 2.0f;
    const float y = height() / 2.0f;
    requestFace(Face::Pressed);
    emit MouseDown(kLeft, 0, x, y);
    if (self)
        emit MouseUp(kLeft, 0, x, y);
    if (self)
        emit Click();
    if (self)
        QTimer::singleShot(kKeyPressShowMs, this, &PictureButton::restFace);
}

// The face of a button nobody presses: highlighted under the pointer, else normal.
void PictureButton::restFace()
{
    if (m_mouseDown || m_keyDown)
        return;
    const QPointF pos = mapFromGlobal(QPointF(PointerPos()));
    requestFace(isInside(float(pos.x()), float(pos.y())) && underMouse() ? Face::HLight
                                                                         : Face::Normal);
}

void PictureButton::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
        m_focusRing = true;
    QWidget::focusInEvent(event);
    update();
}

void PictureButton::focusOutEvent(QFocusEvent* event)
{
    // A key held while the focus moves away lets go of the button without a click.
    if (m_keyDown) {
        m_keyDown = false;
        m_mouseDown = false;
        requestFace(Face::Normal);
    }
    QWidget::focusOutEvent(event);
    update();
}

void PictureButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    // The first move outside after hovering: the normal face and one MouseOut with
    // MousePosnONOUT false. While a button is held the pressed handling owns the face.
    if (!m_enabled || m_mouseDown || !m_captured)
        return;
    const QPoint pointer = PointerPos();
    QPointF pos = mapFromGlobal(QPointF(pointer));
    if (isInside(float(pos.x()), float(pos.y()))) {
        // The button's own tip over it counts as the button.
        const TooltipWindow* tip = TooltipWindow::instance();
        if (tip && tip->owner() == this && tip->isTipVisible() &&
            tip->screen()->geometry().contains(pointer))
            return;
        pos = QPointF(-1, -1); // the pointer has left, whatever it last reported
    }
    handleMouseMove(buttonsCode(QGuiApplication::mouseButtons()),
                    shiftCode(QGuiApplication::keyboardModifiers()), float(pos.x()),
                    float(pos.y()));
}

// ---- Painting and events ----------------------------------------------------------------

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_face.isNull())
        painter.drawPixmap(0, 0, m_face);
    if (!hasFocus() || !m_focusRing)
        return;
    FocusRingPaint(painter, rect());
}

void PictureButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void PictureButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // QWidget::setEnabled() on the button itself sets Enabled; a parent's does not.
    if (event->type() == QEvent::EnabledChange) {
        const bool enabled = !testAttribute(Qt::WA_ForceDisabled);
        if (enabled != m_enabled)
            enabledChanged(enabled);
    }
}

bool PictureButton::event(QEvent* event)
{
    // The program's own tooltip window stands in for the system tooltip.
    if (event->type() == QEvent::ToolTip)
        return true;
    return QWidget::event(event);
}

} // namespace lxp
