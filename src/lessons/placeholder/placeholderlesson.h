// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/common/lessonwindow.h"

namespace lxp {

// A lesson screen that is not built yet: the lesson page with its title and the
// lesson's picture from the main menu, on the lesson frame.
class PlaceholderLesson : public LessonWindow {
    Q_OBJECT
public:
    // `titleText` is the screen-text entry of the lesson's title; `menuButton` the
    // main-menu button whose picture stands for the lesson.
    PlaceholderLesson(const QString& name, int titleText, const QString& menuButton);

protected:
    void buildScreen(QWidget* screen) override;
    void loadLesson() override;

private:
    int m_titleText;
    QString m_menuButton;
    QPointer<QLabel> m_title;
};

} // namespace lxp
