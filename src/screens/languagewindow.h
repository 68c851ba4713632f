// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/choices.h"
#include "ui/window.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QString>

namespace lxp {

class PictureButton;

// The language window, frmLANGUAGE: the learner picks the variant of English of the lessons
// (American or British) and the language of the screen texts (English or Korean).
// OK stores both choices and puts the new screen texts on the main menu at once;
// Cancel, or closing the window any other way, puts back what was in force when the
// window opened and stores nothing.
class LanguageWindow : public Window {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmLANGUAGE";
    static constexpr int kWidth = 621;
    static constexpr int kHeight = 539;
    // A marker frame lies this far left of and above the button it marks (75 twips).
    static constexpr int kMarkerOffset = 5;

    LanguageWindow();

protected:
    QWidget* createScreen() override;
    void onLoad() override;
    void onClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LanguageChoose(ContentVariant variant);
    void HelpLanguageChoose(HelpLanguage language);
    void markerPlace(QFrame* marker, PictureButton* button);
    void HelpTextsSet();
    void textsLoad();
    void Confirm();
    void Cancel();
    void ChoicesRestore();

    // What was in force when the window opened, for Cancel.
    Choices m_kept;
    // Set by OK and Cancel; a window closed without them is cancelled.
    bool m_answered = false;

    QPointer<QLabel> m_lblENGLISHTYPE;
    QPointer<QLabel> m_lblAMERICAN;
    QPointer<QLabel> m_lblENGLISH;
    QPointer<QLabel> m_lblHELPTYPE;
    QPointer<QLabel> m_lblENGHELP;
    QPointer<QLabel> m_lblKOREANHELP;
    QPointer<PictureButton> m_btnpAMERICAN;
    QPointer<PictureButton> m_btnpENGLISH;
    QPointer<PictureButton> m_btnpENGHELP;
    QPointer<PictureButton> m_btnpKOREAN;
    QPointer<PictureButton> m_btnpOK;
    QPointer<PictureButton> m_btnpCANCEL;
    QPointer<QFrame> m_shpLANGSEL;
    QPointer<QFrame> m_shpHELPSEL;
    QPointer<QLabel> m_notKept;
};

} // namespace lxp
