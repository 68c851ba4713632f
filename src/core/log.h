// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

namespace lxp {

// The program's one logging category, "lexipond". Warnings say plainly what went
// wrong (once); debug lines, off unless QT_LOGGING_RULES="lexipond.debug=true", trace
// windows opening and closing for checks of whole runs.
Q_DECLARE_LOGGING_CATEGORY(lxpLog)

} // namespace lxp
