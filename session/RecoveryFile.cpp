#include "session/RecoveryFile.h"

#include "core/IUserPrompt.h"
#include "core/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
    if (!outcome.bAsked || !(project.exists() || project.isSymLink()))
        return;
    QFile::remove(ProjectPath());
    // A symbolic link in place of the data folder is removed itself: removing recursively
    // through it would delete files outside the user directory.
    const QFileInfo data(DataFolder());
    if (data.isDir() && !data.isSymLink())
        QDir(DataFolder()).removeRecursively();
    else if (data.exists() || data.isSymLink())
        QFile::remove(DataFolder());
}
}  // namespace RecoveryFile
