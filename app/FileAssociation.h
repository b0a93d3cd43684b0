// Per-user association of project files with the program through the desktop's shared MIME
// database and default-application list. A mapping of the extension to another program is left
// alone.
#pragma once

#include <QString>

class IUserPrompt;

namespace FileAssociation
{
inline constexpr const char* kMimeType = "application/x-vantrope-project";
inline constexpr const char* kDesktopFile = "vantrope.desktop";

/// Writes the program's desktop entry, then (unless another program owns the extension) the
/// MIME package and the default application. A failed write shows "Error in setting Registry
/// values" through the prompt and ends the sequence. False on failure or when left alone.
bool Register(const QString& executablePath, const QString& iconPath, IUserPrompt* prompt);

/// The default application recorded for our MIME type in mimeapps.list (empty when none).
QString DefaultApplication();
}  // namespace FileAssociation
