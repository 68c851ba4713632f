// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/picturebutton.h"
#include "ui/screenlabel.h"
#include "ui/window.h"

#include <QPixmap>
#include <QPointer>

#include <array>
#include <optional>

class QKeyEvent;

namespace lxp {

// The frame of every lesson window, a screen inside the main window:
//   - the "WINDOW" background and an exit button (btnpEXIT, screen text 23) that the
//     lesson places;
//   - a title with its shadow (titleMake);
//   - the letter keyboard of the alphabet and write-along lessons (letterKeysMake);
//   - exit, Escape and every close request close the lesson and bring back the window
//     it was opened from (the main menu unless said otherwise), and close any feedback
//     dialog of the lesson;
//   - the closed-window guard around sounds and feedback dialogs: each of the calls
//     below lets other events run, and answers whether the lesson is still open
//     afterwards. A handler stops at once when it is not.
// A lesson builds its elements in buildScreen(), loads them in loadLesson() and may
// tidy up in closeLesson(); keys the lesson does not handle reach keyPressed().
class LessonWindow : public Window {
    Q_OBJECT
public:
    explicit LessonWindow(const QString& name,
                          const QString& returnTo = QLatin1String(kMainMenuName));

protected:
    virtual void buildScreen(QWidget* screen) = 0;
    virtual void loadLesson() = 0;
    virtual void closeLesson() {}
    // A key pressed on the lesson and not taken by its focused button; true when used.
    // Escape exits unless the lesson takes it.
    virtual bool keyPressed(QKeyEvent* event);
    // A key that stands for `button` presses it (once while the key is held down); with no
    // button the key goes to keyPressed() above.
    bool keyPressButton(PictureButton* button, QKeyEvent* event);

    PictureButton* exitButton() const { return m_exitButton; }
    // The window shown when the lesson closes: the one given at construction unless
    // the lesson decides otherwise (asked as the lesson closes).
    virtual QString returnTo() const { return m_returnTo; }

    // A title in `colour` over its black shadow: the shadow at `geometry` (`shadowName`),
    // the title 3 pixels right of and below it (`titleName`).
    void titleMake(QWidget* screen, const char* shadowName, const char* titleName,
                   const QString& text, const QRect& geometry, const LabelLook& look,
                   const QColor& colour);

    // The letter keyboard: two rows of thirteen buttons A to Z with their faces
    // (btnpLETTERS_0 to _25, each named by its letter, its letter also in the property
    // "Tag"), centred on a pale panel named `panelName`, the first row's top at `top`.
    static constexpr int kLetterKeys = 26;
    std::array<PictureButton*, kLetterKeys> letterKeysMake(QWidget* screen, const char* panelName,
                                                           int top);

    // Sounds for a handler.
    [[nodiscard]] bool effectSound(const QString& name);
    [[nodiscard]] bool wordSound(const QString& word);
    [[nodiscard]] bool letterSound(const QString& letter);

    // The feedback dialogs for a handler, owned by the main window and modal.
    [[nodiscard]] bool wrongAnswerShow(const QString& sentence, const QPixmap& picture);
    [[nodiscard]] bool wrongAnswerShow(const QString& sentence, const QPixmap& pictureA,
                                       const QPixmap& pictureB);
    // The right-answer dialog in two steps: opened and filled (its "WIN" sound plays),
    // then shown, so that the lesson can start its word timer in between.
    [[nodiscard]] bool correctAnswerPrepare(const QString& sentence, const QPixmap& picture);
    [[nodiscard]] bool correctAnswerShow();
    [[nodiscard]] bool tenInARowShow();
    // The learner's answer to the play-again question; nothing when the lesson closed.
    [[nodiscard]] std::optional<bool> playAgainAsk();

    QWidget* createScreen() final;
    void onLoad() final;
    void onClose() final;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_returnTo;
    QPointer<PictureButton> m_exitButton;
};

} // namespace lxp
