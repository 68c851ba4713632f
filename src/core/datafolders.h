// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lxp {

// The folder of the write-along animations: "Animations" beside the program file when
// it is there (a build folder, an installed tree through its link), else
// "lexipond/Animations" in the platform's data folders (XDG_DATA_DIRS and the user's
// own data folder on Linux), else an empty text. Needs the application object.
QString AnimationsFolder();

} // namespace lxp
