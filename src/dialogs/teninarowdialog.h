// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/feedbackdialog.h"

namespace lxp {

// The ten-in-a-row dialog, frmMSGCRT10: "Well Done!" for ten right answers in a row,
// with the "BELLHIGH" sound when it opens and a flashing headline. Nothing to fill
// in; OK closes it.
class TenInARowDialog : public FeedbackDialog {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmMSGCRT10";
    TenInARowDialog();

protected:
    QWidget* createScreen() override;
    void dialogLoaded() override;
};

} // namespace lxp
