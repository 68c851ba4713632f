#pragma once

namespace lxp {

// Start-up of the program: fills the shared state and the program constants,
// creates the shared objects, reads the two stored choices, loads the screen texts
// of the help language and shows the main window (which shows the main menu).
// Expects the application object to exist; returns once the main window shows.
void StartUp();

// Names the application after the program's version information and makes the
// fonts the screens ask for resolve to the ones installed with the program.
void ApplicationPrepare();

} // namespace lxp
