// Checks shared by the clip commands of vantrope-cli: a readable clip and the media programs.
#pragma once

#include <QString>

class CMovieHandling;

/// True when `clip` is a readable regular file and the prober (and, with `needConverter`, the
/// converter) can be run; otherwise prints one error line and returns false.
bool CheckClipAndTools(const QString& clip, CMovieHandling& movie, bool needConverter);
