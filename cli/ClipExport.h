// vantrope-cli's clip export: the window's "Video speichern" run headless through the same
// driver, with a progress line on standard error; Ctrl-C aborts it like the abort button.
#pragma once

#include "video/MovieHandling.h"

#include <QString>

class CExportFrameGrader;
class CGradingSession;

/// Exports `input` graded by `session` and `grader` to `output` (its extension follows the
/// codec). `destination` holds the export settings; a resolution in it is the size graded and
/// written, otherwise the clip's own size is. Returns 0 (written to
/// `destination.DestinationFile()`), 2 (the reason is printed) or 3 (aborted; nothing was written).
int ExportClip(CGradingSession& session, CExportFrameGrader& grader, CMovieHandling::SDstDesc& destination,
               const QString& input, const QString& output);
