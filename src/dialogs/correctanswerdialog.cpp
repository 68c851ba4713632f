// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/correctanswerdialog.h"

#include "ui/media.h"

namespace lxp {

CorrectAnswerDialog::CorrectAnswerDialog() : FeedbackDialog(QLatin1String(kName)) {}

QWidget* CorrectAnswerDialog::createScreen()
{
    QWidget* screen = newScreen();
    headline(screen, "lblCORRECT", QStringLiteral("You are correct !"), 22, true);
    // The picture on the left of the card, the sentence beside it.
    m_picture = picture(screen, "imgPICTURE", 52, 86);
    m_sentence =
        sentence(screen, "lblWordWas", QStringLiteral(" Word Was"), QRect(156, 72, 334, 96));
    m_sentence->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    okButton(screen, 188);
    return screen;
}

void CorrectAnswerDialog::dialogLoaded()
{
    WinPlay();
}

void CorrectAnswerDialog::fill(const QString& sentence, const QPixmap& picture)
{
    if (m_sentence)
        m_sentence->setText(sentence);
    if (m_picture)
        m_picture->setPixmap(picture);
    describe(screen(), sentence);
}

} // namespace lxp
