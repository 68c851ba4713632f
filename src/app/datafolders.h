#pragma once

#include <QLoggingCategory>
#include <QString>

namespace lxp {

// The program's log: debug lines about where it found its files and how far it came
// at start-up; shown with QT_LOGGING_RULES="lexipond.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcLexipond)

// The folder of the write-along animations: "Animations" beside the program file when
// it is there (a build folder, an installed tree through its link), else
// "lexipond/Animations" in the platform's data folders (XDG_DATA_DIRS and the user's
// own data folder on Linux), else an empty text. Needs the application object.
QString animationsFolder();

} // namespace lxp
