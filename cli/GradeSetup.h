// What "grade" shares with the commands that grade too ("project save" builds the same grade,
// "grade --project" exports the same way): option tables, the grade and clip set-up, and the
// still and clip outputs.
#pragma once

#include "cli/Command.h"
#include "video/MovieHandling.h"

class CCliArguments;
class CExportFrameGrader;
class CGradingSession;

/// --preset, --operator, --set, --layers.
CliOptions GradeOptions();
extern const SCliOption kFilmOptions[4];
extern const SCliOption kClipOptions[10];

/// An output ending in ".mp4" or ".avi".
bool IsClipOutput(const QString& output);
/// The preset, operators, LUT, film type and layers of the command line into `session`.
bool SetUpGrade(CCliArguments& args, CGradingSession& session);
/// The clip options into the destination descriptor (each option given replaces the value `dst`
/// holds) and the frame settings.
bool SetUpClip(CCliArguments& args, CMovieHandling::SDstDesc& dst, CExportFrameGrader& grader);
/// False (with the message) when a clip option is given for a still, or `output` has no image
/// extension.
bool RefuseClipOptions(CCliArguments& args, const QString& output);
/// Grades the still `input` with the session at full size and writes `output`; the exit code.
int GradeStill(CCliArguments& args, CGradingSession& session, const QString& input, const QString& output);
/// Exports the clip graded by `session` (Ctrl-C aborts), publishes and prints the written file;
/// the exit code.
int ExportAndPublish(CCliArguments& args, CGradingSession& session, CExportFrameGrader& grader,
                     CMovieHandling::SDstDesc& dst, const QString& input, const QString& output);
/// "grade --project FILE OUT" (CmdProject.cpp).
int GradeProject(CCliArguments& args);
