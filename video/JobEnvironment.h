// What an export changes around itself: the application log goes to a job log file, the system
// is kept from sleeping, and the engine runs in video mode with its own log and repaint settings.
#pragma once

#include <QString>

namespace Helper
{
/// Sends the application log stream into `path` (truncated) until StopLogging(); false when the
/// file cannot be opened (the log then stays where it was).
bool StartLogging(const QString& path);
void StopLogging();
/// True while the log goes into a file.
bool IsLogging();

/// Keeps the system from suspending or idling into sleep (a logind "sleep:idle" inhibitor
/// where the system bus offers one; otherwise only logged). Calls nest.
void DiableOSSleep();
void RestoreOSSleepState();
/// True while an inhibitor is held.
bool IsSleepInhibited();
}  // namespace Helper

/// For the life of the object: engine video mode on, engine logging off, progress repaints at
/// most once a second; the previous settings come back afterwards.
class CExportEngineMode
{
public:
    CExportEngineMode();
    ~CExportEngineMode();
    CExportEngineMode(const CExportEngineMode&) = delete;
    CExportEngineMode& operator=(const CExportEngineMode&) = delete;

private:
    bool m_bVideoMode;
    bool m_bLogging;
    int m_iDelayMs;
};
