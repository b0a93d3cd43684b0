// Files start-up writes and reads: the cross-product registration and the configured start page.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace StartupFiles
{
/// home + "/ProjectData/Vantrope 1.ini".
QString RegistrationFilePath();
/// Writes the application folder, the program's executable and the version numbers. Every
/// executable file of the folder whose name has neither "OpenCL" nor "unins" in it is a
/// candidate; the last one listed wins.
void WriteRegistration(const QString& appDir);

/// Reads "openbrowserpage" of the link file; when a page is set, counts the start in
/// "oem.ini" and calls `openPage` on the first two counted starts. True when it was opened.
bool HandleStartPage(const QString& appDir, const QString& userDir,
                     const std::function<void(const QUrl&)>& openPage);
}  // namespace StartupFiles
