#include "controls/picbtn.h"

#include "controls/frmtooltip.h"
#include "controls/handcursor.h"
#include "controls/pointerpos.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

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

// Two pictures are the same face when they share their pixel data.
bool sameFace(const QPixmap& a, const QPixmap& b)
{
    return a.cacheKey() == b.cacheKey();
}

} // namespace

picbtn::picbtn(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(kDesignWidth, kDesignHeight);

    m_lblWords = new QLabel(this);
    m_lblWords->setObjectName(QStringLiteral("lblWORDS"));
    m_lblWords->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_lblWords->setTextFormat(Qt::PlainText);
    m_lblWords->setAlignment(Qt::AlignCenter);
    QPalette palette = m_lblWords->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, kCaptionColour);
    m_lblWords->setPalette(palette);

    m_mouseDown = false;
    m_usePicJumpIn = false;
    m_tipReady = true;
    setEnabled_(true);
    layOut();
    // A new button takes any tip that is up away (and allows the tip to close).
    frmTOOLTIP::ButtonCreated();
    // The faces start empty; hover tracking works from now on.
    requestFace(Face::Normal);
    m_mouseDown = false;
    layOut();
    applyCursor();
}

picbtn::~picbtn() = default;

QSize picbtn::sizeHint() const
{
    return size();
}

// ---- Faces --------------------------------------------------------------------------

QPixmap picbtn::PictureNormal()
{
    m_mousePosnOnOut = false;
    return m_normal;
}

QPixmap picbtn::PictureHLight()
{
    m_mousePosnOnOut = true;
    return m_hLight;
}

QPixmap picbtn::PicturePressed()
{
    m_mousePosnOnOut = true;
    return m_pressed;
}

QPixmap picbtn::PictureDisabled()
{
    return m_disabled;
}

void picbtn::setFace(QPixmap& holder, const QPixmap& picture)
{
    holder = picture;
    layOut();
    requestFace(Face::Normal);
}

void picbtn::setPictureNormal(const QPixmap& picture)
{
    setFace(m_normal, picture);
}

void picbtn::setPictureHLight(const QPixmap& picture)
{
    setFace(m_hLight, picture);
    m_mousePosnOnOut = true;
}

void picbtn::setPicturePressed(const QPixmap& picture)
{
    setFace(m_pressed, picture);
    m_mousePosnOnOut = true;
}

void picbtn::setPictureDisabled(const QPixmap& picture)
{
    setFace(m_disabled, picture);
}

void picbtn::requestFace(Face face)
{
    if (m_usePicJumpIn) {
        PICDISABLED();
        return;
    }
    switch (face) {
    case Face::Normal:
        SHOWFACE(PictureNormal());
        break;
    case Face::HLight:
        SHOWFACE(PictureHLight());
        break;
    case Face::Pressed:
        SHOWFACE(PicturePressed());
        break;
    }
}

void picbtn::SHOWFACE(const QPixmap& picture)
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

void picbtn::PICDISABLED()
{
    if (m_useDisabled) {
        if (!sameFace(m_face, m_disabled))
            putOnFace(m_disabled);
        drawCaption();
        return;
    }
    PICPNORMAL();
}

void picbtn::PICPNORMAL()
{
    if (!sameFace(m_face, m_normal))
        putOnFace(m_normal);
    drawCaption();
}

void picbtn::putOnFace(const QPixmap& picture)
{
    m_face = picture;
    update();
}

// ---- Layout and caption ---------------------------------------------------------------

void picbtn::layOut()
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

void picbtn::drawCaption()
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

void picbtn::setCAPTION(const QString& caption)
{
    m_caption = caption;
    m_lblWords->setText(caption);
    setAccessibleName(caption);
    drawCaption();
}

// ---- Other properties -----------------------------------------------------------------

void picbtn::setToolTip_(const QString& text)
{
    m_toolTip = text;
    setAccessibleDescription(text);
    // A tip of this button that is up follows the new text (a change of the screen
    // language); nobody else's tip is touched.
    frmTOOLTIP* tip = frmTOOLTIP::instance();
    if (!tip || !tip->isLoaded() || tip->owner() != this)
        return;
    if (text.isEmpty())
        tip->DestroyTip();
    else
        tip->setText(text);
}

void picbtn::setEnabled_(bool enabled)
{
    m_enabled = enabled;
    m_settingEnabled = true;
    QWidget::setEnabled(enabled);
    m_settingEnabled = false;
    if (!enabled) {
        // A disabled button hears no more of the pointer, so it forgets what it knew.
        m_mouseDown = false;
        m_captured = false;
        m_tipReady = true;
        m_leftPressed = false;
        m_doubleClickPress = false;
    }
    requestFace(Face::Normal);
    applyCursor();
}

void picbtn::setBorderStyle(int style)
{
    if (style < -32768 || style > 32767)
        return;
    m_borderStyle = style;
}

void picbtn::applyCursor()
{
    if (m_enabled)
        setCursor(HandCursor());
    else
        unsetCursor();
}

// ---- Tooltip --------------------------------------------------------------------------

void picbtn::TIPPREPARE()
{
    if (m_toolTip.isEmpty() || !m_tipReady)
        return;
    if (frmTOOLTIP* tip = frmTOOLTIP::instance()) {
        tip->CreateTip(this);
        tip->setText(m_toolTip);
    }
}

void picbtn::showTip()
{
    if (frmTOOLTIP* tip = frmTOOLTIP::instance())
        tip->ShowTip();
}

void picbtn::destroyTip()
{
    if (frmTOOLTIP* tip = frmTOOLTIP::instance())
        tip->DestroyTip();
}

// ---- Input ----------------------------------------------------------------------------

bool picbtn::isInside(float x, float y) const
{
    // The right and bottom edges count as inside.
    return x >= 0 && y >= 0 && x <= m_faceWidth && y <= m_faceHeight;
}

void picbtn::handleMouseDown(short button, short shift, float x, float y)
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

void picbtn::handleMouseMove(short button, short shift, float x, float y)
{
    QPointer<picbtn> self(this);
    emit MouseMove(button, shift, x, y);
    if (!self)
        return;
    TIPPREPARE();
    if (m_tipReady && !m_toolTip.isEmpty())
        showTip();
    if (button < kRight) {
        if (!isInside(x, y))
            requestFace(Face::Normal);
        else if (button == kLeft)
            requestFace(Face::Pressed);
    }
    if (!m_mouseDown) {
        picImage1_MouseOut(button, shift, x, y);
        if (!self)
            return;
    }
    applyCursor();
}

void picbtn::picImage1_MouseOut(short Button, short Shift, float X, float Y)
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

void picbtn::handleMouseUp(short button, short shift, float x, float y)
{
    if (button != kRight)
        requestFace(Face::Normal);
    m_mouseDown = false;
    emit MouseUp(button, shift, x, y);
}

void picbtn::mousePressEvent(QMouseEvent* event)
{
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

void picbtn::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_enabled || event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    // The second press of a double click: a mouse-down with fixed values, then
    // DblClick; its release raises MouseUp but no second Click.
    m_leftPressed = true;
    m_doubleClickPress = true;
    QPointer<picbtn> self(this);
    handleMouseDown(kLeft, 1, 1, 1);
    if (self)
        emit DblClick();
}

void picbtn::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_enabled)
        return;
    const QPointF pos = event->position();
    handleMouseMove(buttonsCode(event->buttons()), shiftCode(event->modifiers()), float(pos.x()),
                    float(pos.y()));
}

void picbtn::mouseReleaseEvent(QMouseEvent* event)
{
    const short button = buttonCode(event->button());
    if (!m_enabled || button == 0) {
        event->ignore();
        return;
    }
    const QPointF pos = event->position();
    const float x = float(pos.x());
    const float y = float(pos.y());
    const bool click =
        button == kLeft && m_leftPressed && !m_doubleClickPress && isInside(x, y);
    if (button == kLeft) {
        m_leftPressed = false;
        m_doubleClickPress = false;
    }
    QPointer<picbtn> self(this);
    handleMouseUp(button, shiftCode(event->modifiers()), x, y);
    if (!self || !click || !m_enabled)
        return;
    // The face blinks pressed once more, then stays normal until the next move.
    requestFace(Face::Pressed);
    requestFace(Face::Normal);
    emit Click();
}

void picbtn::keyReleaseEvent(QKeyEvent* event)
{
    if (m_enabled && m_tipReady && !m_toolTip.isEmpty())
        showTip();
    QWidget::keyReleaseEvent(event);
}

void picbtn::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    // The first move outside after hovering: the normal face and one MouseOut with
    // MousePosnONOUT false. While a button is held the pressed handling owns the face.
    if (!m_enabled || m_mouseDown || !m_captured)
        return;
    QPointF pos = mapFromGlobal(QPointF(PointerPos()));
    if (isInside(float(pos.x()), float(pos.y())))
        pos = QPointF(-1, -1); // the pointer has left, whatever it last reported
    handleMouseMove(buttonsCode(QGuiApplication::mouseButtons()),
                    shiftCode(QGuiApplication::keyboardModifiers()), float(pos.x()),
                    float(pos.y()));
}

// ---- Painting and events ----------------------------------------------------------------

void picbtn::paintEvent(QPaintEvent*)
{
    if (m_face.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_face);
}

void picbtn::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void picbtn::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // QWidget::setEnabled() on the button itself counts as setting Enabled.
    if (event->type() == QEvent::EnabledChange && !m_settingEnabled) {
        const bool enabled = !testAttribute(Qt::WA_ForceDisabled);
        if (enabled != m_enabled)
            setEnabled_(enabled);
    }
}

bool picbtn::event(QEvent* event)
{
    // The program's own tooltip window stands in for the system tooltip.
    if (event->type() == QEvent::ToolTip)
        return true;
    return QWidget::event(event);
}

} // namespace lxp
