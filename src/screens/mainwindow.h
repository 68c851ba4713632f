// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window.h"

namespace lxp {

// The main window, mdiPROGMAIN: the frame that holds the main menu or one lesson
// screen. Closing it closes every other window and ends the program at once.
class MainWindow : public Window {
    Q_OBJECT
public:
    static constexpr const char* kName = "mdiPROGMAIN";
    // Inner size of the frame in pixels; the learner cannot change it.
    static constexpr int kClientWidth = 670;
    static constexpr int kClientHeight = 560;

    MainWindow();

    // The lesson or menu screen now shown inside the frame, if any.
    Window* OpenChild() const;

protected:
    QWidget* createScreen() override;
    void onLoad() override;
    void onCloseRequest(bool& cancel) override;
    void onClose() override;

private:
    bool m_shuttingDown = false;
};

} // namespace lxp
