// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/log.h"

namespace lxp {

Q_LOGGING_CATEGORY(lxpLog, "lexipond", QtInfoMsg)

} // namespace lxp
