// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

namespace lxp {

// The program's one logging category, "lexipond". Warnings say plainly what went
// wrong (once); debug lines, off unless QT_LOGGING_RULES="lexipond.debug=true", trace
// windows opening and closing for checks of whole runs.
Q_DECLARE_LOGGING_CATEGORY(lxpLog)

// The start-up trace, for bench/startup: with LEXIPOND_STARTUP_TRACE set, each step of
// the start-up logs "startup <step> <ms>", the milliseconds since the steady clock
// reading (nanoseconds) the variable holds, or since the first step when it holds no
// such reading. The variable is read once; when it is unset a step costs one test.
bool StartupTraced();
void StartupStep(const char* step);

} // namespace lxp
