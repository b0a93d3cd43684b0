// The grade options of vantrope-cli and the steps that turn them into a grading session, a
// destination and a graded still or clip; shared by "grade" and "project".
#pragma once

#include "core/IUserPrompt.h"
#include "cli/Command.h"
#include "video/MovieHandling.h"

#include <QMap>
#include <QSet>
#include <QStringList>

class CExportFrameGrader;
class CFilmTypeModel;
class CGradingSession;
class CLutState;

struct SGradeOptions
{
    QStringList positional;
    QMap<QString, QString> values;
    QStringList lutParams;
    QSet<QString> flags;
};

/// "--key value" options of grade and file names; false with `error` unless exactly
/// `positionals` file names were given.
bool Parse(const QStringList& args, SGradeOptions& o, QString& error, int positionals = 2);
bool SetUpLut(CLutState& lut, const SGradeOptions& o, QString& error);
bool SetUpFilmType(CFilmTypeModel& films, const SGradeOptions& o, QString& error);
bool SetUpLayers(CGradingSession& session, const SGradeOptions& o, QString& error);
bool SetUpClip(const SGradeOptions& o, CMovieHandling::SDstDesc& dst, CExportFrameGrader& grader, QString& error);
/// An output ending in ".mp4" or ".avi".
bool IsClipOutput(const QString& output);
/// Grades the still `input` with the session at full size and writes `output`; the exit code.
int GradeStill(CGradingSession& session, const QString& input, const QString& output);
/// Exports the clip with the grader's session; Ctrl-C aborts; the exit code.
int ExportClip(CExportFrameGrader& grader, CMovieHandling::SDstDesc& dst, const QString& input, const QString& output);
/// "grade --project FILE OUT": the project's still or clip with its saved grade.
int RunGradeProject(const QStringList& args);

/// Answers for a run without anyone to ask: the options already said what is wanted.
class CCliPrompt : public IUserPrompt
{
public:
    EAnswer Question(const QString&, const QString&, bool) override { return eYes; }
    void Information(const QString&, const QString& text) override { CliPrint(text); }
    void Warning(const QString&, const QString& text) override { CliError(QString(text).replace('\n', " ")); }
    bool TextInput(const QString&, const QString&, QString&) override { return false; }
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
};
