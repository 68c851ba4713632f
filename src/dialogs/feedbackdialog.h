// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window.h"

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <vector>

namespace lxp {

class PictureButton;

// What the four feedback dialogs (frmMSGCRECT, frmMSGCRT10, frmMSGWRONG, frmMSGPLYAG)
// share: a small modal window titled "Lexipond" on the "MSGBOX" picture, a headline in
// the green band at the top (flashing blue and white in the praising dialogs), a card
// below it with pictures, a sentence and answer buttons, and a frame (shpWINDOW)
// around the card. Each dialog builds its screen afresh at every opening, so whatever
// a caller put in goes away when the dialog closes.
class FeedbackDialog : public Window {
    Q_OBJECT
public:
    // Size of the dialog: the size of its background picture.
    static constexpr int kWidth = 527;
    static constexpr int kHeight = 250;
    // The word pictures: 1275 x 1005 twips.
    static constexpr int kPictureWidth = 85;
    static constexpr int kPictureHeight = 67;
    // Colours of a flashing headline.
    static constexpr QRgb kHeadlineWhite = 0xFFFFFFFF;
    static constexpr QRgb kHeadlineBlue = 0xFF0000FF;
    static constexpr int kFlashInterval = 1000;

    explicit FeedbackDialog(const QString& name);

    // Opens the dialog for a handler of `owner` (its load step plays its sound, and
    // other events run meanwhile) so that the caller can fill it in. False, with the
    // dialog closed again, when the owner has closed in the meantime or the dialog
    // could not open.
    bool PrepareFor(const Window::OpenGuard& owner);

protected:
    // The empty dialog with its frame; the subclass adds its elements.
    QWidget* newScreen();
    // The headline; a flashing one turns blue, white, blue ... every second while the
    // dialog is open.
    QLabel* headline(QWidget* screen, const char* name, const QString& text, int pointSize,
                     bool flashing);
    QLabel* sentence(QWidget* screen, const char* name, const QString& text, const QRect& geometry);
    QLabel* picture(QWidget* screen, const char* name, int left, int top);
    // The dialog's sentence as a screen reader gives it: its accessible description.
    static void describe(QWidget* screen, const QString& sentence);
    // An answer button with the "BTN" faces and screen text `captionText`, set at every
    // opening; `answer` runs on a click, before the dialog closes.
    PictureButton* answerButton(QWidget* screen, const char* name, int left, int top,
                                int captionText, std::function<void()> answer = {});
    // The OK button (screen text 24) at the foot of the card.
    PictureButton* okButton(QWidget* screen, int top);

    // The dialog's own part of the load step: its sound, its answer's default.
    virtual void dialogLoaded() {}

    void onLoad() override;
    void onClose() override;

private:
    struct Answer {
        QPointer<PictureButton> button;
        int captionText;
    };
    std::vector<Answer> m_answers;
    QPointer<QTimer> m_flasher;
};

} // namespace lxp
