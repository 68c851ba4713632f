// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/wronganswerdialog.h"

#include "ui/media.h"
#include "ui/picturebutton.h"

namespace lxp {

namespace {
constexpr int kPictureTop = 74;
constexpr int kSidePictureInset = 70;
} // namespace

WrongAnswerDialog::WrongAnswerDialog() : FeedbackDialog(QLatin1String(kName)) {}

QWidget* WrongAnswerDialog::createScreen()
{
    QWidget* screen = newScreen();
    headline(screen, "lblWRONG", QStringLiteral("Sorry that is wrong"), 20, false);
    m_picture = picture(screen, "imgPICTURE", (kWidth - kPictureWidth) / 2, kPictureTop);
    m_pictureA = picture(screen, "imgPICTUREA", kSidePictureInset, kPictureTop);
    m_pictureB =
        picture(screen, "imgPICTUREB", kWidth - kSidePictureInset - kPictureWidth, kPictureTop);
    m_pictureA->hide();
    m_pictureB->hide();
    m_sentence = sentence(screen, "lblWordWasfrmMSGWRONG", QStringLiteral(" Word was"),
                          QRect(24, kPictureTop + kPictureHeight + 2, kWidth - 48, 46));
    okButton(screen, 192);
    return screen;
}

void WrongAnswerDialog::dialogLoaded()
{
    LoosePlay();
}

void WrongAnswerDialog::fill(const QString& sentence, const QPixmap& picture)
{
    if (!m_sentence)
        return;
    m_sentence->setText(sentence);
    m_picture->setPixmap(picture);
    describe(screen(), sentence);
}

void WrongAnswerDialog::fillPair(const QString& sentence, const QPixmap& pictureA,
                                 const QPixmap& pictureB)
{
    if (!m_sentence)
        return;
    m_sentence->setText(sentence);
    describe(screen(), sentence);
    m_picture->hide();
    m_pictureA->setPixmap(pictureA);
    m_pictureB->setPixmap(pictureB);
    m_pictureA->show();
    m_pictureB->show();
}

} // namespace lxp
