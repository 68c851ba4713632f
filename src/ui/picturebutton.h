// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace lxp {

// The picture button: the one button of every screen. It shows a bitmap face with a
// caption and swaps between four faces: normal, highlighted (pointer over it),
// pressed (a button held on it) and disabled. It shows the pointing-hand cursor,
// drives the program's own tooltip window (TooltipWindow) and raises its own events.
//
// Screens name their buttons btnp... (setObjectName), set the faces at load time
// (ButtonPicturesLoad sets them by property name: setProperty("PictureHLight", pixmap)),
// set CAPTION, ToolTip and Enabled, connect Click, and use MouseOut together with
// MousePosnONOUT for hover effects:
//   - MouseOut is raised on every move over the button (MousePosnONOUT true) and once
//     when the pointer leaves it (MousePosnONOUT false); hover handlers must tolerate
//     the repeats while the pointer stays inside.
//
// Enabled (property "Enabled") is QWidget::setEnabled() on the button itself: a
// disabled button shows PictureDisabled, receives no pointer or key input and shows
// the default arrow. A disabled parent window only blocks input and leaves the face
// alone.
//
// The control sizes itself to its face picture; the screens only move it.
//
// Event parameters are as the screens know them: Button 1 left, 2 right, 4 middle (for
// MouseMove the buttons held, combined); Shift 1 Shift, 2 Ctrl, 4 Alt; X and Y in
// pixels from the button's top-left corner.
class PictureButton : public QWidget {
    Q_OBJECT
    // Reading a face has a side effect that the hover handlers rely on: reading
    // PictureHLight or PicturePressed sets MousePosnONOUT, reading PictureNormal clears
    // it. Setting any face shows the normal face.
    Q_PROPERTY(QPixmap PictureNormal READ pictureNormal WRITE setPictureNormal)
    Q_PROPERTY(QPixmap PictureHLight READ pictureHLight WRITE setPictureHLight)
    Q_PROPERTY(QPixmap PicturePressed READ picturePressed WRITE setPicturePressed)
    Q_PROPERTY(QPixmap PictureDisabled READ pictureDisabled WRITE setPictureDisabled)
    Q_PROPERTY(QString CAPTION READ caption WRITE setCaption)
    Q_PROPERTY(QString ToolTip READ tipText WRITE setTipText)
    Q_PROPERTY(bool Enabled READ isButtonEnabled WRITE setEnabled)
    Q_PROPERTY(bool MousePosnONOUT READ mousePosnOnOut)
    Q_PROPERTY(bool CFm_MousePosnONOUT READ mousePosnOnOut)
    Q_PROPERTY(QPixmap cURRENTIMAGE READ currentImage)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool blnUSEPICJUMPIN READ usePicJumpIn WRITE setUsePicJumpIn)
    Q_PROPERTY(bool blnUSEDISABLED READ useDisabled WRITE setUseDisabled)

public:
    // The face size before any picture is set (the size the screens are laid out with).
    static constexpr int kDesignWidth = 140;
    static constexpr int kDesignHeight = 39;

    explicit PictureButton(QWidget* parent = nullptr);
    ~PictureButton() override;

    // The four faces (see the property notes above for the side effects).
    QPixmap pictureNormal();
    QPixmap pictureHLight();
    QPixmap picturePressed();
    QPixmap pictureDisabled();
    void setPictureNormal(const QPixmap& picture);
    void setPictureHLight(const QPixmap& picture);
    void setPicturePressed(const QPixmap& picture);
    void setPictureDisabled(const QPixmap& picture);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // The button's tooltip text; empty means no tooltip. Picture buttons never show
    // the system tooltip (QWidget::toolTip is not used).
    QString tipText() const { return m_toolTip; }
    void setTipText(const QString& text);

    // Whether the button itself is enabled (a disabled parent aside).
    bool isButtonEnabled() const { return m_enabled; }

    // True when the face last fetched was the highlighted or pressed one: in practice,
    // while the pointer is over an enabled button.
    bool mousePosnOnOut() const { return m_mousePosnOnOut; }
    // The picture now on the face.
    QPixmap currentImage() const { return m_face; }

    // Stored for the screens; the faces carry their own border, so nothing is drawn.
    // A value outside the 16-bit range leaves it unchanged.
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);

    // Jump-in mode: the face no longer follows the pointer and the control keeps its
    // size; face requests show the disabled face (with blnUSEDISABLED) or the normal one.
    bool usePicJumpIn() const { return m_usePicJumpIn; }
    void setUsePicJumpIn(bool on) { m_usePicJumpIn = on; }
    bool useDisabled() const { return m_useDisabled; }
    void setUseDisabled(bool on) { m_useDisabled = on; }

    // Shows the jump-in face: the disabled face with blnUSEDISABLED, else the normal one.
    void showJumpInFace();
    // Puts the normal face on, whatever the Enabled state, without a new layout.
    void showNormalFace();
    // One hover-tracking step: highlights the button when (X, Y) is over it and shows
    // the normal face when it is outside; raises MouseOut either way.
    void trackPointer(short Button, short Shift, float X, float Y);

    // A click from the keyboard, for a screen's own keys: the pressed face, MouseDown,
    // MouseUp and Click as a mouse click raises them, the pressed face kept a moment
    // longer so that the learner sees which button the key pressed. Nothing for a
    // disabled or hidden button.
    void animateClick();

    // Whether the focus ring shows: the button has the focus and the keyboard has been
    // used on it (or brought the focus by Tab); a mouse press hides it again.
    bool focusRingShown() const { return hasFocus() && m_focusRing; }

    // The caption label on the face.
    QLabel* captionLabel() const { return m_lblWords; }

    QSize sizeHint() const override;

signals:
    void Click();
    void DblClick();
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseOut(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Face { Normal, HLight, Pressed };

    void enabledChanged(bool enabled);
    void restFace();
    void setFace(QPixmap& holder, const QPixmap& picture);
    void requestFace(Face face);
    void showFace(const QPixmap& picture);
    void putOnFace(const QPixmap& picture);
    void layOut();
    void drawCaption();
    void applyCursor();
    void prepareTip();
    void showTip();
    void destroyTip();

    void handleMouseDown(short button, short shift, float x, float y);
    void handleMouseMove(short button, short shift, float x, float y);
    void handleMouseUp(short button, short shift, float x, float y);
    bool isInside(float x, float y) const;

    QPixmap m_normal;
    QPixmap m_hLight;
    QPixmap m_pressed;
    QPixmap m_disabled;
    QPixmap m_face;
    QString m_caption;
    QString m_toolTip;
    QLabel* m_lblWords = nullptr;

    bool m_enabled = true;
    bool m_mouseDown = false;
    bool m_captured = false;
    bool m_tipReady = true;
    bool m_mousePosnOnOut = false;
    bool m_usePicJumpIn = false;
    bool m_useDisabled = false;
    bool m_leftPressed = false;
    bool m_doubleClickPress = false;
    bool m_inLayout = false;
    // Space or Return held on the button.
    bool m_keyDown = false;
    // The focus ring shows once the keyboard has been used on the button.
    bool m_focusRing = false;
    int m_borderStyle = 1;
    int m_faceWidth = kDesignWidth;
    int m_faceHeight = kDesignHeight;
};

} // namespace lxp
