// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window.h"

#include <QLabel>
#include <QPointer>

#include <vector>

namespace lxp {

class PictureButton;

// The main menu, frmMAINMENU, the program's home screen inside the main window: a
// button and a title for each lesson of the catalogue, and the close, language and
// About buttons.
class MainMenu : public Window {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmMAINMENU";
    // Title colours of a lesson: black, and yellow while the pointer is over its button.
    static constexpr QRgb kTitleColour = 0xFF000000;
    static constexpr QRgb kTitleHoverColour = 0xFFFFFF00;

    MainMenu();

    // Sets every run-time text of the menu (titles, captions, tooltips) from the
    // screen texts of the stored help language.
    void RefreshText();

protected:
    QWidget* createScreen() override;
    void onLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One lesson of the menu: its button, its title, the window it opens and the
    // screen text of the title.
    struct Lesson {
        QPointer<PictureButton> button;
        QPointer<QLabel> label;
        QString window;
        int titleText;
    };

    void LessonOpen(const QString& window);
    void LessonHover(PictureButton* button, QLabel* label);

    std::vector<Lesson> m_lessons;
    QPointer<PictureButton> m_closeButton;
    QPointer<PictureButton> m_languageButton;
    QPointer<PictureButton> m_aboutButton;
};

} // namespace lxp
