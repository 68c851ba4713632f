// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/feedbackdialog.h"

namespace lxp {

// The wrong-answer dialog, frmMSGWRONG: "Sorry that is wrong", with the "LOOSE" sound
// when it opens. The caller opens it (FeedbackDialog::PrepareFor), fills the sentence
// and either the centre picture or the two side pictures (the matching pairs game
// shows both cards), then shows it with showModal(); OK closes it.
class WrongAnswerDialog : public FeedbackDialog {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmMSGWRONG";
    WrongAnswerDialog();

    // The sentence (lblWordWasfrmMSGWRONG) and the centre picture (imgPICTURE).
    void fill(const QString& sentence, const QPixmap& picture);
    // The sentence and the two side pictures (imgPICTUREA, imgPICTUREB) instead of the
    // centre one.
    void fillPair(const QString& sentence, const QPixmap& pictureA, const QPixmap& pictureB);

protected:
    QWidget* createScreen() override;
    void dialogLoaded() override;

private:
    QPointer<QLabel> m_sentence;
    QPointer<QLabel> m_picture;
    QPointer<QLabel> m_pictureA;
    QPointer<QLabel> m_pictureB;
};

} // namespace lxp
