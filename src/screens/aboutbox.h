// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window.h"

#include <QLabel>
#include <QList>
#include <QPointer>
#include <QString>

namespace lxp {

class PictureButton;

// A source of the program's pictures, sounds or fonts, as its credits record in
// resources/credits/sources/ names it: the record's id, its display name, and whether
// it is the program's own work (drawn, recorded or animated for it).
struct CreditSource {
    QString id;
    QString displayName;
    bool ownWork = false;
};

// Every credits record the program was built with: the outside sources first, the
// word pictures and voices leading, then the program's own work.
QList<CreditSource> CreditSources();

// The texts of the About box's credit labels: every outside source in the order of
// CreditSources(), then one label for the program's own work; at most `labels`.
QStringList CreditLabelTexts(const QList<CreditSource>& sources, int labels);

// The version line of the About box: the major number, ".", then the minor and the
// revision numbers written together, read as a decimal number and shown with two
// decimals ("Version: 2.51" for 2.5.1, "Version: 3.00" for 3.0.0).
QString VersionText(int major, int minor, int revision);

// The About box: version, description, copyright, thanks, the sources of the
// program's pictures, sounds and fonts, and links to the web page and to support.
class AboutBox : public Window {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmABOUTLXP";
    static constexpr int kCreditLabels = 6;
    // Address of the product's web page, without a scheme, as the shell takes it.
    static constexpr const char* kWebAddress = "www.corvane-software.example/lexipond";
    static constexpr const char* kSupportAddress = "support@corvane-software.example";
    static constexpr const char* kThanks =
        "A big thank you to all involved at the websites contents above. With out their "
        "brilliant talent and inspiration this program could not be made.  ";

    AboutBox();

protected:
    QWidget* createScreen() override;
    void onLoad() override;

private:
    void WebPageOpen();
    void SupportMailWrite();
    QString windowHandle() const;

    // The support e-mail address, set at every opening.
    QString m_strEMAIL;

    QPointer<QLabel> m_lblVersion1_0;
    QPointer<QLabel> m_lblTHANKYOU;
    QPointer<QLabel> m_imgImage1;
    QPointer<QLabel> m_lblEMAIL;
    QPointer<PictureButton> m_btnpOK;
};

} // namespace lxp
