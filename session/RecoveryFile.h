// The recovery project the program leaves behind after a crash: asked about at start.
#pragma once

#include <QString>

class IUserPrompt;

namespace RecoveryFile
{
/// User directory + "Recover.vantropeProject".
QString ProjectPath();
/// User directory + "Recover.data" (the name of earlier versions; the project writer's data folder
/// is "Recover.vantropedata").
QString DataFolder();

struct SOutcome
{
    bool bAsked = false;
    bool bOpen = false;     // answered "Ja": open ProjectPath()
};
/// With an empty command line and an existing recovery project, asks "Automatisch gespeichertes
/// Projekt" / "Es wurde ein automatisch gespeichertes Projekt gefunden. Wollen Sie dieses
/// einladen?".
SOutcome Ask(const QString& commandLine, IUserPrompt& prompt);
/// After the command line was interpreted: deletes the project file and its data folder when the
/// question was asked and the file still exists.
void RemoveAfterQuestion(const SOutcome& outcome);
/// Deletes the recovery project with its data folders (at a clean end of the program).
void Remove();
}  // namespace RecoveryFile
