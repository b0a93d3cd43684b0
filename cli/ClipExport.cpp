#include "cli/ClipExport.h"

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "cli/Interrupt.h"
#include "cli/TerminalProgress.h"
#include "cli/VideoClip.h"
#include "session/ExportFrameGrader.h"
#include "session/VideoExportDriver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

int ExportClip(CGradingSession& session, CExportFrameGrader& grader, CMovieHandling::SDstDesc& destination,
               const QString& input, const QString& output)
{
    CMovieHandling movie;
    CInterruptGuard interrupt([&movie] {
        if (!movie.IsAborted())
            movie.Abort();
    });
    if (!CheckClipAndTools(input, movie, true))
        return 2;
    const QString aborted = QCoreApplication::translate("CliClip", "Export abgebrochen; nichts wurde geschrieben");
    if (const int failed = CheckProbeable(input, movie, interrupt, aborted))
        return failed == 3 ? 3 : 2;
    if (movie.MainVideoStream(input) < 0)
        return ReportNoVideo(input, movie), 2;
    const QFileInfo out(output);
    if (!out.absoluteDir().exists())
    {
        CliError(
            QCoreApplication::translate("CliClip", "'%1' kann nicht geschrieben werden: der Ordner existiert nicht").arg(output));
        return 2;
    }
    CMovieHandling::SDstDesc target = destination;
    target.SetPath(out.absoluteFilePath());
    if (QFileInfo(target.DestinationFile()) == QFileInfo(input))
    {
        CliError(QCoreApplication::translate("CliClip", "'%1' kann nicht geschrieben werden: es ist der Eingabeclip")
                     .arg(target.DestinationFile()));
        return 2;
    }
    // The whole frame is graded, as in the window; a requested size is graded and written.
    QSize size = destination.m_iResolution;
    if (size.width() < 1 || size.height() < 1)
        size = movie.GetFrameSize(input);

    int result = 3;
    if (!interrupt.Interrupted())
    {
        CCliPrompt prompt;
        CTerminalProgress progress([&grader] { return grader.Frames(); });
        movie.SetPrompt(&prompt);
        movie.SetProgressView(&progress);
        MP_SetProgressSink(&progress);
        CVideoExportDriver driver(movie, session, grader);
        result = driver.Export(input, out.absoluteFilePath(), destination,
                               size.width() >= 1 && size.height() >= 1 ? size : QSize(-2, -2));
        MP_SetProgressSink(nullptr);
        movie.SetProgressView(nullptr);
    }
    if (result == 3)
        CliError(aborted);
    return result;
}
