// The program's entry sequence: single instance, registration, language, log, engine,
// calculation mode, file association, main window, event loop, release.
#pragma once

#include <QString>

namespace Startup
{
int Run(int argc, char** argv);

/// Arguments 1..n−1 joined with single blanks.
QString JoinArguments(int argc, char** argv);
}  // namespace Startup
