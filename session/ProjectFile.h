// The project file pair: "<name>.vantropeProject" (INI keys) and the data folder
// "<name>.vantropedata" beside it, the main window's top-level keys, and the example projects.
#pragma once

#include <QString>

class QSettings;

namespace ProjectFile
{
inline constexpr const char* kExtension = ".vantropeProject";
inline constexpr const char* kDataSuffix = ".vantropedata";
/// The format written; files with a higher "Version" are refused.
inline constexpr int kVersion = 200;
/// "SaveMode" of a project saved by the user; files without the key load with mode 3.
inline constexpr int kUserSaveMode = 8;
inline constexpr int kDefaultLoadMode = 3;
inline constexpr int kExampleCount = 3;

/// `path` with ".vantropeProject" appended unless it already ends with it (case-sensitive).
QString WithExtension(const QString& path);
/// Directory (before the last "/") + "/" + base name (the file name before its last ".") +
/// ".vantropedata".
QString DataFolder(const QString& projectPath);
/// The name a new project is offered under: the clip's file name without its extension, else
/// the picture's name cut to 30 characters, else "MyProject" (translated).
QString DefaultName(const QString& videoPath, const QString& pictureName);
/// "<application folder>/examples/vantrope/<number>.vantropeProject" for the numbers 1 to 3.
QString ExamplePath(int number);
/// True when `path` names one of the example projects.
bool IsExamplePath(const QString& path);
/// A file of a data folder that may be read: a regular file, not a link to somewhere else.
bool IsOwnFile(const QString& path);

/// The keys the main window writes at the top of the file, in writing order.
struct SHeader
{
    int iVersion = kVersion;
    bool bPostProcessing = true;  // the post-processing stage is shown
    int iSaveMode = kUserSaveMode;
    bool bIsActualProjectUndo = false; // written as an undo snapshot
    bool bVideoIsLoaded = false;
    QString sVideoFilePath;

    void Write(QSettings& settings) const;
    /// Missing or unreadable keys keep their defaults, except "SaveMode" (3 when missing) and
    /// "Version" (0 when missing, so such files are accepted).
    static SHeader Read(const QSettings& settings);
};
}  // namespace ProjectFile
