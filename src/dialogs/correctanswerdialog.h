// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/feedbackdialog.h"

namespace lxp {

// The right-answer dialog, frmMSGCRECT: "You are correct !", the word's picture and a
// sentence about it, the "WIN" sound when it opens and a flashing headline. The
// caller opens it (FeedbackDialog::PrepareFor), fills it, then shows it with
// showModal(); OK closes it.
class CorrectAnswerDialog : public FeedbackDialog {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmMSGCRECT";
    CorrectAnswerDialog();

    // The sentence (lblWordWas) and the picture (imgPICTURE) of the open dialog.
    void fill(const QString& sentence, const QPixmap& picture);

protected:
    QWidget* createScreen() override;
    void dialogLoaded() override;

private:
    QPointer<QLabel> m_sentence;
    QPointer<QLabel> m_picture;
};

} // namespace lxp
