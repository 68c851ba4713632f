// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/words/wordsmenuwindow.h"

#include "core/screentexts.h"
#include "lessons/words/wordsquizwindow.h"
#include "ui/media.h"
#include "ui/picturebutton.h"
#include "ui/screenlabel.h"

#include <QLabel>

namespace lxp {

namespace {

const QString kPictures = QStringLiteral("screens/frmLESSWRDM");

// Each category button sits on a light tile with a soft shadow; the tiles stand in two
// rows of five on the page.
constexpr int kTileWidth = 120;
constexpr int kTileHeight = 104;
constexpr int kTileGap = 8;
constexpr int kColumns = 5;
constexpr int kTilesLeft = (670 - kColumns * kTileWidth - (kColumns - 1) * kTileGap) / 2;
constexpr int kTileTops[] = {136, 284};
constexpr int kShadowOffset = 4;
constexpr int kExitTop = 478;

} // namespace

WordsMenuWindow::WordsMenuWindow() : LessonWindow(QLatin1String(kName)) {}

void WordsMenuWindow::buildScreen(QWidget* screen)
{
    // The title on the left of the ribbon, the name of the category under the pointer
    // on its right.
    titleMake(screen, "lblWordsMenuShadow", "lblWordsMenu", QStringLiteral("Words Menu"),
              {44, -4, 320, 62}, {.pointSize = 30, .bold = true}, QColor(194, 216, 252));
    m_subject = ScreenLabel(
        screen, "lblSUBJECT", QString(), {360, 4, 290, 50},
        {.pointSize = 22, .bold = true, .colour = Qt::yellow, .alignment = Qt::AlignCenter});
    m_select = ScreenLabel(screen, "lblSELECT", QString(), {20, 70, 630, 40},
                           {.pointSize = 16, .colour = kInk, .alignment = Qt::AlignCenter});

    const QString tile = QStringLiteral("QFrame { background: #FFFDF6; border: 3px solid #4487C6;"
                                        " border-radius: 16px; }");
    const QString shadow =
        QStringLiteral("QFrame { background: rgba(31, 58, 95, 45); border-radius: 16px; }");
    for (int i = 0; i < int(kWordsCategories.size()); ++i) {
        const QRect place(kTilesLeft + (i % kColumns) * (kTileWidth + kTileGap),
                          kTileTops[i / kColumns], kTileWidth, kTileHeight);
        ScreenDecoration(screen, QStringLiteral("shpShape3_%1").arg(i),
                         place.translated(kShadowOffset, kShadowOffset), shadow);
        ScreenDecoration(screen, QStringLiteral("shpShape2_%1").arg(i), place, tile);

        // The faces are the screen's own pictures, set once with the button.
        const QString name = QLatin1String(kWordsCategories[size_t(i)].name);
        auto* button = new PictureButton(screen);
        button->setObjectName(QStringLiteral("btnpPICWORD1_%1").arg(i));
        button->setProperty("Tag", name);
        const QString face = QStringLiteral("btnpPICWORD1_") + name + QLatin1Char('_');
        button->setProperty("PictureHLight", PictureFromResource(kPictures, face + "HL"));
        button->setProperty("PicturePressed", PictureFromResource(kPictures, face + "PRESSED"));
        button->setProperty("PictureNormal", PictureFromResource(kPictures, face + "NORMAL"));
        button->move(place.center() - QPoint(kButtonWidth / 2, kButtonHeight / 2) + QPoint(1, 1));
        connect(button, &PictureButton::MouseOut, this, [this, i] { CategoryHover(i); });
        connect(button, &PictureButton::MouseUp, this,
                [this, i](short, short, float x, float y) { CategoryMouseUp(i, x, y); });
        m_categories[size_t(i)] = button;
    }

    ScreenDecoration(
        screen, QStringLiteral("lneLine1"), {70, 438, 530, 2},
        QStringLiteral("QFrame { background: rgba(68, 135, 198, 110); border: none; }"));
    exitButton()->move((670 - PictureButton::kDesignWidth) / 2, kExitTop);
}

void WordsMenuWindow::loadLesson()
{
    for (size_t i = 0; i < m_categories.size(); ++i)
        m_categories[i]->setTipText(ScreenTextLoad(kWordsCategories[i].tipText));
    m_select->setText(ScreenTextLoad(8));
    m_chosen = false;
    for (const auto& button : m_categories)
        button->setEnabled(true);
}

QString WordsMenuWindow::returnTo() const
{
    return m_chosen ? QLatin1String(WordsQuizWindow::kName) : LessonWindow::returnTo();
}

void WordsMenuWindow::CategoryHover(int i)
{
    PictureButton* button = m_categories[size_t(i)];
    if (!button || !m_subject)
        return;
    // The button repeats the event while the pointer moves over it: the read-out is
    // written only when it changes.
    if (!button->mousePosnOnOut())
        m_subject->clear();
    else if (m_subject->text() != button->tipText())
        m_subject->setText(button->tipText());
}

void WordsMenuWindow::CategoryMouseUp(int i, float x, float y)
{
    PictureButton* button = m_categories[size_t(i)];
    // Any mouse button released over the category chooses it (once).
    if (!button || !isOpen() || isClosing() || m_chosen || x < 0 || y < 0 || x > button->width() ||
        y > button->height())
        return;
    m_chosen = true;
    CategoryChoose(kWordsCategories[size_t(i)]);
    close();
}

} // namespace lxp
