#pragma once

#include "shell/window.h"

namespace lxp {

// The main menu, the program's home screen inside the main window.
class frmMAINMENU : public Window {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmMAINMENU";
    frmMAINMENU();

    // Sets every run-time text of the menu from the screen texts.
    void RefreshText();

protected:
    QWidget* CreateScreen() override;
    void Form_Load() override;
};

} // namespace lxp
