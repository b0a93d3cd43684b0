// The project writer and reader: the top-level keys, every registered component in registration
// order, and extra data-folder files (the undo levels) — written as one transaction, read back
// only after the pair was found complete and of a version this program knows.
#pragma once

#include "session/ProjectFile.h"

#include <QSettings>
#include <QString>

#include <functional>
#include <memory>

class CProjectRegistry;
class CIniSource;

namespace ProjectStore
{
/// Writes further files into the (staged) data folder; false when one could not be written.
using FExtras = std::function<bool(const QString& dataFolder)>;

struct SWriteResult
{
    bool bOk = false;
    QString sFailedPath; // what could not be written: the project file, the folder or a data file
};
/// Writes the pair beside the old one and swaps it in when everything was written; on failure
/// the old pair stays as it was and nothing is left behind.
SWriteResult Write(const QString& projectPath, const ProjectFile::SHeader& header, CProjectRegistry& registry,
                   const FExtras& extras = {});

enum class EOpen
{
    eOk,
    eIncomplete,   // the project file or its data folder is missing ("Projektdateien unvollständig.")
    eIncompatible, // "Version" above 200 ("Projektdateien sind nicht kompatibel.")
};

/// An opened project: its keys (read from a private, safe copy) and its data folder.
class COpened
{
public:
    explicit COpened(const QString& projectPath);
    ~COpened();
    QSettings& Settings() { return *m_settings; }
    const ProjectFile::SHeader& Header() const { return m_header; }
    const QString& DataFolder() const { return m_sDataFolder; }
    /// The project's folder, against which relative paths are taken.
    const QString& Folder() const { return m_sFolder; }

private:
    friend EOpen Open(const QString&, std::unique_ptr<COpened>&);
    std::unique_ptr<CIniSource> m_source;
    std::unique_ptr<QSettings> m_settings;
    ProjectFile::SHeader m_header;
    QString m_sDataFolder, m_sFolder;
};

/// Finishes an interrupted save, checks the pair and the version, and opens the keys. Nothing
/// of the program's state changes here: the caller loads the components from `opened`.
EOpen Open(const QString& projectPath, std::unique_ptr<COpened>& opened);
}  // namespace ProjectStore
