// Where the program keeps its files: the user directory and the private temp folder.
#pragma once

#include <QString>

namespace Helper
{
/// home + "/Vantrope 1/" (with the trailing separator).
QString UserDirectory();
/// Creates the user directory with all parents when missing.
bool EnsureUserDirectory();

/// The private temp folder "vantrope-<uid>" inside the system temp folder, created with mode
/// 0700. Empty, with `error` set, when the path exists but is not a folder owned by this user
/// with no access for others, or is a symbolic link.
QString PrivateTempDirectory(QString* error = nullptr);
}  // namespace Helper
