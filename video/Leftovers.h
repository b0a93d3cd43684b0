// What a killed process leaves behind, and how a later start finds it: every running export job
// is noted in a small file in the user directory, and the private temp folders are named after
// their process. A process is named by its id and start time, so a process id used again by
// another program is not taken for the one that ended.
#pragma once

#include <QString>

#include <functional>

namespace Leftovers
{
/// "<pid>-<start time>" of this process.
QString ProcessTag();
/// True while the process a tag names runs.
bool IsRunning(const QString& processTag);
/// The process tag a job id or a "movie-<tag>-XXXXXX" folder name carries, empty when none.
QString TagOf(const QString& name);

/// Notes that the job `jobId` (ProcessTag() + "-" + a number) keeps intermediates in `folder`.
bool RecordJob(const QString& jobId, const QString& folder);
void ForgetJob(const QString& jobId);
/// For every noted job whose process has ended: `removeLeftovers(folder, jobId)`, then its note
/// goes. Notes of running processes stay untouched.
void SweepJobs(const std::function<void(const QString& folder, const QString& jobId)>& removeLeftovers);
/// Removes the "movie-<tag>-XXXXXX" folders in `folder` whose process has ended.
void SweepTempFolders(const QString& folder);
}  // namespace Leftovers
