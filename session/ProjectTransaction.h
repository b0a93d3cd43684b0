// A project save as one step: the new project file and data folder are written into a staging
// folder beside the old pair, flushed, and only then swapped in. Renaming the finished staging
// folder to ".<file>.commit" is the commit point: before it the old pair is untouched; after it
// the swap is finished by whoever comes next (this save, or the next save or load of the same
// project after a crash), so a reader always finds the old pair or the new one, never a mix.
#pragma once

#include <QString>

class CProjectTransaction
{
public:
    /// `projectPath` is the project file to replace (absolute, with its extension).
    explicit CProjectTransaction(const QString& projectPath);
    /// Removes the staging folder unless the transaction was committed.
    ~CProjectTransaction();
    CProjectTransaction(const CProjectTransaction&) = delete;
    CProjectTransaction& operator=(const CProjectTransaction&) = delete;

    /// Recovers what an interrupted earlier save left (see Recover) and creates the staging
    /// folder with an empty data folder. False when the project's folder cannot take it.
    bool Begin();
    /// Where the new project file and data folder are written.
    QString StagedProjectFile() const;
    QString StagedDataFolder() const;
    /// Flushes the staged pair and swaps it in. False (the old pair as it was) on failure.
    bool Commit();

    /// Finishes a committed swap of `projectPath` left by an interrupted save and removes the
    /// staging folders of saves whose process ended. False when a committed swap was found and
    /// could not be finished.
    static bool Recover(const QString& projectPath);
    /// Removes a project file and its data folder (links themselves, never what they point at).
    static bool RemovePair(const QString& projectPath);

private:
    QString m_sProject;
    QString m_sStaging; // empty until Begin succeeded, and after Commit
};
