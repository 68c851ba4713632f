#pragma once

#include "shell/window.h"

#include <QStringList>

namespace lxp {

// The main window: the frame that holds the main menu or one lesson screen.
class mdiPROGMAIN : public Window {
    Q_OBJECT
public:
    static constexpr const char* kName = "mdiPROGMAIN";
    // Inner size of the frame in pixels; the learner cannot change it.
    static constexpr int kClientWidth = 670;
    static constexpr int kClientHeight = 560;

    mdiPROGMAIN();

    // The windows closed on shutdown, in order, before the frame itself.
    static const QStringList& ShutdownOrder();

    // The lesson or menu screen now shown inside the frame, if any.
    Window* OpenChild() const;

protected:
    QWidget* CreateScreen() override;
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel) override;
    void Form_Unload() override;

private:
    bool m_shuttingDown = false;
};

} // namespace lxp
