// Checks shared by the clip commands of vantrope-cli: a readable clip and the media programs.
#pragma once

#include <QString>

class CInterruptGuard;
class CMovieHandling;

/// True when `clip` is a readable regular file and the prober (and, with `needConverter`, the
/// converter) can be run; otherwise prints one error line and returns false.
bool CheckClipAndTools(const QString& clip, CMovieHandling& movie, bool needConverter);

/// The end of a clip command whose prober or converter run failed: "interrupted" after Ctrl-C
/// (3), the program that did not answer in time when one was stopped, else `otherwise` (1).
int ClipToolFailed(const CMovieHandling& movie, const CInterruptGuard& interrupt, const QString& otherwise);
