// Checks shared by the clip commands of vantrope-cli: a readable clip, the media programs, and
// what the prober makes of the clip. Each prints one error line when it fails.
#pragma once

#include <QString>

class CMovieHandling;

/// True when `clip` is a readable regular file and the prober (and, with `needConverter`, the
/// converter) can be run.
bool CheckClipAndTools(const QString& clip, CMovieHandling& movie, bool needConverter);
/// True when the prober understands `clip`; an empty file and a damaged or foreign one are told
/// apart.
bool CheckProbeable(const QString& clip, CMovieHandling& movie);
/// Prints that `clip` holds no video stream (naming its audio streams when it has some).
void ReportNoVideo(const QString& clip, CMovieHandling& movie);
