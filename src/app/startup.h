// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lxp {

// Start-up of the program: reads the two stored choices into the shared state,
// applies the screen texts of the help language, declares the program's windows and
// shows the main window (which shows the main menu), with the busy pointer meanwhile.
// Expects the application object to exist; returns once the main window shows.
void StartUp();

// Names the application after the program's version information and prepares the
// fonts the screens ask for.
void ApplicationPrepare();

} // namespace lxp
