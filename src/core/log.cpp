#include "core/log.h"

namespace lxp {

Q_LOGGING_CATEGORY(lxpLog, "lexipond", QtInfoMsg)

} // namespace lxp
