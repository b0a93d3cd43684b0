// What the main window does with projects, without a window: the project path, the example mark
// and the unsaved state; save, save as, open with their questions and messages; the question
// before the current state is discarded; undo snapshots and the recovery project written and
// read with the same writer and reader. The window (or the command line) is the host that knows
// the current document and can reset and reopen it.
#pragma once

#include "session/ProgramOptions.h"
#include "session/ProjectFile.h"

#include <QCoreApplication>
#include <QString>

class CProjectRegistry;
class CUndoStore;
class HDRStatistic;
class IUserPrompt;

class IProjectHost
{
public:
    virtual ~IProjectHost() = default;
    /// The top-level keys of the current state (stage shown, clip loaded and its path).
    virtual ProjectFile::SHeader CurrentHeader() = 0;
    /// Closes the document and resets the grade without questions (the new-project reset).
    virtual void ResetForProject() = 0;
    /// Opens the document the loaded components name: the clip of `header` when one is loaded,
    /// else the picture set's picture; with neither the window stays empty.
    virtual void OpenProjectDocument(const ProjectFile::SHeader& header) = 0;
    /// Start folder + "/" + default name for the save dialog.
    virtual QString ProposedProjectPath() = 0;
    /// Keeps the folder of a path chosen in a dialog for the next dialog.
    virtual void RememberDialogFolder(const QString& path) = 0;
    /// Path, example mark or unsaved state changed.
    virtual void ProjectStateChanged() = 0;
};

class CProjectModel
{
    Q_DECLARE_TR_FUNCTIONS(HDRMainWindow)

public:
    CProjectModel(CProjectRegistry& registry, IProjectHost& host, IUserPrompt& prompt);

    void SetOptions(const SProgramOptions& options) { m_options = options; }
    void SetUndoStore(CUndoStore* undo) { m_pUndo = undo; }
    void SetStatistics(HDRStatistic* statistics) { m_pStatistics = statistics; }

    /// The open project's file; empty when there is none.
    const QString& Path() const { return m_sPath; }
    bool IsExample() const { return m_bExample; }
    /// The state differs from the saved project (the save action is enabled).
    bool IsUnsaved() const { return m_bUnsaved; }
    void MarkChanged();

    /// "Projekt speichern unter": asks for the path (".vantropeProject" appended), then saves.
    bool SaveAs();
    /// "Projekt speichern": at the project path; refused for an example, save-as without a path.
    bool Save();
    /// "Projekt laden": asks whether to save the current state first, asks for the file when
    /// `path` is empty, then replaces the state by the project. `asExample` marks it read-only.
    bool Open(const QString& path = QString(), bool asExample = false);
    /// Loads a project without asking first (command line, drops, the timeline of a fresh start).
    bool Load(const QString& path, bool asExample = false);
    /// A new project: no path, no example mark, nothing unsaved, no undo points.
    void New();

    /// 1 (save first), 0 (go on) or −1 (cancel); 0 without asking for an example project or
    /// with the confirmation option off.
    int AskToSave(bool withCancel);
    /// Before the current state is discarded: true when it may go (saved, or the user said
    /// no), false when the user cancelled or the save did not happen.
    bool ConfirmDiscard(bool withCancel = true);

    /// An undo point's snapshot: the current state to `projectFile`, nothing of the model
    /// changes; no message on failure.
    bool WriteSnapshot(const QString& projectFile);
    /// Replaces the current state by a snapshot; the project path stays, the state is unsaved.
    bool LoadSnapshot(const QString& projectFile);
    /// The recovery project: the current state with its undo points and the project path.
    bool WriteRecovery(const QString& projectFile);
    /// Opens a recovery project: its state, its undo points, the path of the project it was
    /// made from, and unsaved.
    bool LoadRecovery(const QString& projectFile);

private:
    enum class ELoad
    {
        eUser,
        eSnapshot,
        eRecovery,
    };
    bool LoadAs(const QString& path, ELoad kind, bool asExample);
    bool WriteUser(const QString& path);
    void SetState(const QString& path, bool example, bool unsaved);

    CProjectRegistry& m_registry;
    IProjectHost& m_host;
    IUserPrompt& m_prompt;
    SProgramOptions m_options;
    CUndoStore* m_pUndo = nullptr;
    HDRStatistic* m_pStatistics = nullptr;
    QString m_sPath;
    bool m_bExample = false;
    bool m_bUnsaved = false;
};
