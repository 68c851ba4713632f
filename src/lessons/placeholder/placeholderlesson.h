#pragma once

#include "shell/window.h"

#include <QPointer>

namespace lxp {

class picbtn;

// A lesson screen that is not built yet: the lesson page with its title, the
// lesson's picture from the main menu and an exit button. Leaving it (the exit
// button or any other close request) shows the main menu again, as every lesson does.
class PlaceholderLesson : public Window {
    Q_OBJECT
public:
    // `titleText` is the screen-text entry of the lesson's title; `menuButton` the
    // main-menu button whose picture stands for the lesson.
    PlaceholderLesson(const QString& name, int titleText, const QString& menuButton);

protected:
    QWidget* CreateScreen() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    int m_titleText;
    QString m_menuButton;
    QPointer<picbtn> m_btnpEXIT;
};

} // namespace lxp
