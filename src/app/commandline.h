// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace lxp {

// Reads the command line before the program opens a window: --help (-h) and
// --version (-v) print their text to standard output and give the exit code; every
// other argument is ignored (nothing is returned and the program starts as usual).
// Needs no window system.
std::optional<int> handleCommandLine(int argc, char* argv[]);

} // namespace lxp
