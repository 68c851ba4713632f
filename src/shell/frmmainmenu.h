#pragma once

#include "shell/window.h"

#include <QLabel>
#include <QPointer>
#include <array>

namespace lxp {

class picbtn;

// The main menu, the program's home screen inside the main window: five lesson
// buttons with their titles, and the close, language and About buttons.
class frmMAINMENU : public Window {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmMAINMENU";
    // Title colours of a lesson: black, and yellow while the pointer is over its button.
    static constexpr QRgb kTitleColour = 0xFF000000;
    static constexpr QRgb kTitleHoverColour = 0xFFFFFF00;

    frmMAINMENU();

    // Sets every run-time text of the menu (titles, captions, tooltips) from the
    // screen texts of the stored help language.
    void RefreshText();

protected:
    QWidget* CreateScreen() override;
    void Form_Load() override;

private:
    // One lesson of the menu: its button, its title and the window it opens.
    struct Lesson {
        const char* button;
        const char* label;
        const char* window;
        int text;
    };
    static const std::array<Lesson, 5> kLessons;

    void LessonOpen(const char* window);
    void LessonHover(picbtn* button, QLabel* label);

    std::array<QPointer<picbtn>, 5> m_lessonButtons;
    std::array<QPointer<QLabel>, 5> m_lessonLabels;
    QPointer<picbtn> m_btnpCLOSEPROGRAM;
    QPointer<picbtn> m_btnpLANGUAGE;
    QPointer<picbtn> m_btnpABOUT;
};

} // namespace lxp
