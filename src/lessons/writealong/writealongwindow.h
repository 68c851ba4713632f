// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/common/lessonwindow.h"

#include <QPointer>

#include <array>

class QKeyEvent;
class QLabel;
class QTimer;
class QWidget;

namespace lxp {

class AnimationView;

// The write-along lesson's window, frmLESSWRIT: the title, the instruction, two rows of
// letter buttons A to Z, and two square frames side by side with the capital letter
// being written (wbbWebBrowser1 in picBDRCAPS) and the small letter (wbbWebBrowser2 in
// picBDRLOW), each with an "other view" button under it, and exit.
//
// The animations are files in the animations folder (AnimationsFolder()), four a
// letter: "Q ucase chr.gif" and "q lcase chr.gif" when Q is chosen, "Q - Ucase.gif" and
// "q - lcase.gif" for the other views. A missing file or folder leaves its frame empty.
//
// Keys: A to Z choose a letter (C and S too), Up or Alt+C the capital's other view, Down
// or Alt+S the small letter's, Escape exits; each presses its button.
class WriteAlongWindow : public LessonWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmLESSWRIT";
    static constexpr int kLetters = kLetterKeys;

    WriteAlongWindow();

    // The letter chosen, "A" to "Z".
    const QString& letter() const { return m_letter; }

protected:
    void buildScreen(QWidget* screen) override;
    void loadLesson() override;
    void closeLesson() override;
    bool keyPressed(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A letter button: both "chr" animations of the letter, then the letter spoken.
    void LetterChoose(const QString& letter);
    // The path of an animation file; empty when there is no animations folder.
    QString animationPath(const QString& fileName) const;

    QString m_letter;
    QString m_folder;
    std::array<QPointer<PictureButton>, kLetters> m_letterButtons;
    QPointer<AnimationView> m_capitalView;
    QPointer<AnimationView> m_smallView;
    QPointer<PictureButton> m_capitalOtherButton;
    QPointer<PictureButton> m_smallOtherButton;
    QPointer<QLabel> m_instruction;
    // Runs the letter "A" once the screen has shown; due from the load step until the
    // screen first shows.
    QPointer<QTimer> m_openingTimer;
    bool m_openingDue = false;
};

} // namespace lxp
