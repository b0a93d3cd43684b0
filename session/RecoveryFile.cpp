#include "session/RecoveryFile.h"

#include "core/IUserPrompt.h"
#include "core/FileTree.h"
#include "core/Paths.h"
#include "session/ProjectTransaction.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace RecoveryFile
{
QString ProjectPath()
{
    return Helper::UserDirectory() + "Recover" + ".vantropeProject";
}

QString DataFolder()
{
    return Helper::UserDirectory() + "Recover" + ".data";
}

SOutcome Ask(const QString& commandLine, IUserPrompt& prompt)
{
    SOutcome outcome;
    if (!commandLine.isEmpty() || !QFileInfo::exists(ProjectPath()))
        return outcome;
    outcome.bAsked = true;
    const IUserPrompt::EAnswer answer = prompt.Question(
        QCoreApplication::translate("HDRMainWindow", "Automatisch gespeichertes Projekt"),
        QCoreApplication::translate("HDRMainWindow", "Es wurde ein automatisch gespeichertes Projekt gefunden. "
                                                     "Wollen Sie dieses einladen?"));
    outcome.bOpen = answer == IUserPrompt::eYes;
    return outcome;
}

void RemoveAfterQuestion(const SOutcome& outcome)
{
    const QFileInfo project(ProjectPath());
    if (outcome.bAsked && (project.exists() || project.isSymLink()))
        Remove();
}

void Remove()
{
    // Links in place of the folders are removed themselves, never what they point at.
    CProjectTransaction::RemovePair(ProjectPath());
    Helper::RemoveTree(DataFolder());
}
}  // namespace RecoveryFile
