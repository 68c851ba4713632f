// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window.h"

#include <QLabel>
#include <QPointer>
#include <QRect>
#include <QTimer>

namespace lxp {

// The program's own tooltip: a small borderless window with one line of text that
// comes up a little below the pointer 600 ms after the pointer has come onto a picture
// button, hides itself after 4 s, and closes as soon as the pointer leaves the button
// or a mouse button goes down on it. One shared instance; only the picture buttons
// drive it: per hover CreateTip, Text, ShowTip; DestroyTip on every mouse-down.
//
// Until the first DestroyTip every request to close the window is refused.
class TooltipWindow : public Window {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmTOOLTIP";

    // Design values of the three timers (milliseconds).
    static constexpr int kStartDelay = 600;
    static constexpr int kShowTime = 4000;
    static constexpr int kWatchInterval = 100;
    // Offset of the tip from the pointer, in pixels.
    static constexpr int kOffsetX = 0;
    static constexpr int kOffsetY = 19;
    static constexpr int kDefaultMargin = 3;

    TooltipWindow();
    ~TooltipWindow() override;

    // The shared instance from the window registry; null when the program has not
    // declared it.
    static TooltipWindow* instance();

    // Called by every new picture button: takes any tip that is up away, and allows the
    // tip to close from then on. The tip window itself is made only when first needed.
    static void buttonCreated();

    // Stores the button the tip belongs to.
    void CreateTip(QWidget* owner);
    // Clears the text, allows closing from now on and closes the window.
    void DestroyTip();
    // Sets the text (loading the window, hidden) and places the window below the pointer.
    void setText(const QString& text);
    QString text() const;
    // Space in pixels between the window edge and the text.
    void setMargin(int pixels);
    int margin() const { return m_margin; }
    // Schedules the tip to show: only when it is not visible and has a text.
    void ShowTip();

    bool closeAllowed() const { return m_closeAllowed; }
    QWidget* owner() const { return m_owner; }
    bool isTipVisible() const;

    // The elements of the open window (null while closed).
    QLabel* tipLabel() const { return m_lblTip; }
    QTimer* startDelayTimer() const { return m_tmrStart; }
    QTimer* showTimer() const { return m_tmrShow; }
    QTimer* watchTimer() const { return m_tmrParent; }

    // Timer intervals used from the next opening on (tests shorten them).
    void setIntervals(int startMs, int showMs, int watchMs);

protected:
    QWidget* createScreen() override;
    void onLoad() override;
    void onCloseRequest(bool& cancel) override;
    void onClose() override;

private:
    friend class TipSurface;

    void placeTip();
    void startDelayElapsed();
    void showTimeElapsed();
    void watchPointer();
    // The pointer at `pointer` (global) over the tip window.
    void pointerOverTip(QPoint pointer);
    QRect ownerRect() const;
    void sizeLabel();

    QPointer<QWidget> m_owner;
    int m_margin = kDefaultMargin;
    bool m_closeAllowed = false;
    int m_startInterval = kStartDelay;
    int m_showInterval = kShowTime;
    int m_watchInterval = kWatchInterval;

    QPointer<QLabel> m_lblTip;
    QPointer<QTimer> m_tmrStart;
    QPointer<QTimer> m_tmrShow;
    QPointer<QTimer> m_tmrParent;
};

} // namespace lxp
