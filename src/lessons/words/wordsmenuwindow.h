// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/common/lessonwindow.h"
#include "lessons/words/wordscategories.h"

#include <QPointer>

#include <array>

class QLabel;

namespace lxp {

// The words lesson's category menu, frmLESSWRDM: ten category buttons
// (btnpPICWORD1_0 to _9), the name of the category under the pointer in the ribbon
// (lblSUBJECT), and the way back to the main menu. A category is chosen by releasing
// any mouse button over it; the picture quiz then opens on it.
class WordsMenuWindow : public LessonWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmLESSWRDM";

    // A category button's picture size, and where the buttons sit: two rows of five,
    // each button on a tile of its own.
    static constexpr int kButtonWidth = 100;
    static constexpr int kButtonHeight = 80;

    WordsMenuWindow();

protected:
    void buildScreen(QWidget* screen) override;
    void loadLesson() override;
    QString returnTo() const override;

private:
    void CategoryHover(int i);
    void CategoryMouseUp(int i, float x, float y);

    std::array<QPointer<PictureButton>, kWordsCategories.size()> m_categories;
    QPointer<QLabel> m_select;
    QPointer<QLabel> m_subject;
    // A category was chosen during this opening: closing leads to the quiz, not to the
    // main menu (blnCHOSEN).
    bool m_chosen = false;
};

} // namespace lxp
