// The presets of the presets dock: system presets beside the program, add-on presets and the
// user's own presets, with the file rules for naming, importing, exporting, copying, renaming,
// deleting, resetting, moving and combining them. Every question goes through IUserPrompt.
#pragma once

#include "engine/PostProcessing.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class COperatorCatalogue;
class IUserPrompt;

enum class EPresetOrigin
{
    eSYSTEM,
    eADDON,
    eUSER,
};

/// Why a file was or was not imported.
enum EPresetImportCode
{
    ePIC_IMPORTABLE = 0,
    ePIC_NO_TIMESTAMP = 1,
    ePIC_NO_DISPLAYNAME = 2,
    ePIC_NO_CATEGORY = 3,
    ePIC_INCOMPATIBLE = 4,
    ePIC_PRESENT = 5,
    ePIC_ADDON = 6,
};

struct SPreset
{
    std::unique_ptr<CPostProcessing> chain;
    EPresetOrigin eOrigin = EPresetOrigin::eSYSTEM;
    bool bBroken = false; // an operator names a kernel this build does not have
    bool bEnabled = true;
};

/// The files imported and refused, by class, for the import report.
struct SPresetImport
{
    QList<QStringList> byCode = QList<QStringList>(7); // file names per EPresetImportCode
    QList<int> added;                                   // indexes of the new presets
};

class CPresetLibrary
{
    Q_DECLARE_TR_FUNCTIONS(CPresetLibrary)

public:
    /// `systemFolder` holds "vantropepp_v2_*.ini", `userFolder` the user's presets and the
    /// temporary files.
    CPresetLibrary(const QString& systemFolder, const QString& userFolder, IUserPrompt& prompt,
                   const COperatorCatalogue& catalogue);
    /// The program's folders: "settings/" beside it and the user directory.
    explicit CPresetLibrary(IUserPrompt& prompt);
    ~CPresetLibrary();

    static QString ProgramSystemFolder();
    /// The folder of each installed add-on: the folders in "Addons/" of the system folder (at most
    /// 128), sorted by name.
    static QStringList AddonFolders(const QString& systemFolder);

    /// Reads the system presets, the presets of each add-on folder and the user presets, in that
    /// order and each sorted by file name. Without any system preset it shows the critical message
    /// and returns false (the program cannot go on).
    bool LoadAll(const QStringList& addonFolders);
    /// The same with the add-ons installed in the system folder.
    bool LoadAll() { return LoadAll(AddonFolders(m_sSystemFolder)); }

    int Count() const { return int(m_presets.size()); }
    bool IsValid(int index) const { return index >= 0 && index < Count(); }
    const SPreset& At(int index) const { return m_presets[size_t(index)]; }
    CPostProcessing& Chain(int index) { return *m_presets[size_t(index)].chain; }
    const CPostProcessing& Chain(int index) const { return *m_presets[size_t(index)].chain; }
    /// The preset whose display name or file name (with or without ".ini") is `name`; −1 when none.
    int Find(const QString& name) const;
    const QString& SystemFolder() const { return m_sSystemFolder; }
    const QString& UserFolder() const { return m_sUserFolder; }
    IUserPrompt& Prompt() { return m_prompt; }

    /// "vantropepp_vu_%06i.ini" after the highest one present in `userFolder` (0 when none).
    static QString NextUserFileName(const QString& userFolder);
    QString NextUserPath() const;

    /// The import code of a preset file, compared with the presets present in the two folders.
    static EPresetImportCode Classify(const QString& path, const QString& systemFolder, const QString& userFolder);
    /// Copies the importable files to the next user names and adds their presets.
    SPresetImport ImportFiles(const QStringList& paths);
    /// The report of an import: the files by class as rich text.
    static QString ImportReport(const SPresetImport& import);
    /// Asks for files ("Presets importieren"), imports them and shows the report; the index of the
    /// last preset added, −1 when none.
    int Import(const QString& startFolder);

    /// Saves the preset as a user preset under `path`.
    bool ExportTo(int index, const QString& path);
    /// Asks for the path ("Preset exportieren") and exports; false when cancelled or failed.
    bool Export(int index, const QString& startFolder);

    /// Copies the preset as a user preset named `name`; the new index, −1 on failure.
    int CopyAs(int index, const QString& name);
    /// Asks for the name ("Voreinstellung kopieren") and copies; −1 when cancelled or failed.
    int Copy(int index);
    bool RenameTo(int index, const QString& name);
    /// Asks for the new name ("Voreinstellung umbenennen").
    bool Rename(int index);
    /// Asks, then deletes the user preset's file and the preset.
    bool Delete(int index);
    /// Asks, then reads the preset again from its file.
    bool Reset(int index);
    /// Reads the preset from another file (a project's copy of it), keeping its own path; the
    /// preset is enabled and marked broken when a kernel is missing. False when it is broken.
    bool ReloadFrom(int index, const QString& path);
    /// Replaces a user preset's operators by `chain`'s and saves it.
    bool SaveOperators(int index, const CPostProcessing& chain);
    /// Swaps the preset with its neighbour: the two exchange their files, so the name-sorted order
    /// on disk follows. Only user presets move, and only among user presets.
    bool MoveUp(int index) { return Swap(index, index - 1); }
    bool MoveDown(int index) { return Swap(index, index + 1); }

    /// `a`'s operators followed by `b`'s, named "A + B", category "user" (not saved).
    std::unique_ptr<CPostProcessing> Combine(int a, int b);
    /// Presets that may be combined: those that loaded without missing kernels.
    QList<int> Combinable() const;

    /// Adds the preset file at `path` (a copy in the user folder or beside the program).
    int Add(const QString& path, EPresetOrigin origin);

    /// The distinct search tags of the presets, sorted.
    QStringList SearchTags() const;

private:
    bool Swap(int index, int other);
    QString Ask(const QString& title, const QString& label, const QString& proposal);
    bool Load(SPreset& preset);

    QString m_sSystemFolder;
    QString m_sUserFolder;
    IUserPrompt& m_prompt;
    const COperatorCatalogue& m_catalogue;
    std::vector<SPreset> m_presets;
};
