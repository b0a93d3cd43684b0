// The program's entry sequence: single instance, registration, language, log, engine,
// calculation mode, file association, main window, event loop, release.
#pragma once

#include <QString>

namespace Startup
{
int Run(int argc, char** argv);

/// Arguments 1..n−1 joined with single blanks. File names (the arguments not starting with "-")
/// are made absolute before the program moves into its own folder, and a name that is not UTF-8
/// becomes a stand-in that opens the same file (core/NativeNames.h).
QString JoinArguments(int argc, char** argv);
}  // namespace Startup
