// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lxp {

class WindowRegistry;

// Declares every window of the program: the one catalogue of what exists. The order
// of the lessons is their order on the main menu; the order of all windows is the
// order in which the program's end closes them.
void ProgramWindowsDefine(WindowRegistry& registry);

} // namespace lxp
