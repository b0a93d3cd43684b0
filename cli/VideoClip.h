// Checks shared by the clip commands of vantrope-cli: a readable clip, the media programs, and
// what the prober makes of the clip. Each prints one error line when it fails.
#pragma once

#include <QString>

class CInterruptGuard;
class CMovieHandling;

/// True when `clip` is a readable regular file and the prober (and, with `needConverter`, the
/// converter) can be run.
bool CheckClipAndTools(const QString& clip, CMovieHandling& movie, bool needConverter);

/// 0 when the prober understands `clip`; otherwise the command's exit code (1, or 3 after Ctrl-C
/// with `interrupted` printed) with the reason printed: an empty file, a damaged or foreign one, a
/// prober that did not answer.
int CheckProbeable(const QString& clip, CMovieHandling& movie, const CInterruptGuard& interrupt,
                   const QString& interrupted = QStringLiteral("interrupted"));

/// Prints that `clip` holds no video stream (naming its audio streams when it has some).
void ReportNoVideo(const QString& clip, CMovieHandling& movie);

/// The end of a clip command whose prober or converter run failed: `interrupted` after Ctrl-C (3),
/// the program that did not answer in time when one was stopped, else `otherwise` (1).
int ClipToolFailed(const CMovieHandling& movie, const CInterruptGuard& interrupt, const QString& otherwise,
                   const QString& interrupted = QStringLiteral("interrupted"));
