// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/placeholder/placeholderlesson.h"

#include "core/screentexts.h"
#include "ui/media.h"
#include "ui/picturebutton.h"

#include <QLabel>

namespace lxp {

PlaceholderLesson::PlaceholderLesson(const QString& name, int titleText, const QString& menuButton)
    : LessonWindow(name), m_titleText(titleText), m_menuButton(menuButton)
{
}

void PlaceholderLesson::buildScreen(QWidget* screen)
{
    // The title sits in the ribbon at the top of the page.
    m_title = ScreenLabel(
        screen, "lblTITLE", QString(), QRect(0, 8, 670, 42),
        {.pointSize = 18, .bold = true, .colour = Qt::yellow, .alignment = Qt::AlignCenter});

    // The lesson's picture from the main menu, in the middle of the page.
    auto* picture = new QLabel(screen);
    picture->setObjectName(QStringLiteral("imgLESSON"));
    picture->setPixmap(
        PictureFromResource(QStringLiteral("screens/frmMAINMENU"), m_menuButton + "_NORMAL"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setGeometry(0, 190, 670, 130);

    exitButton()->move(670 - PictureButton::kDesignWidth - 30, 490);
}

void PlaceholderLesson::loadLesson()
{
    m_title->setText(ScreenTextLoad(m_titleText));
}

} // namespace lxp
