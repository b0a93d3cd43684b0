#include "session/VideoExportDriver.h"

#include "core/AppLog.h"
#include "core/EngineState.h"
#include "core/IUserPrompt.h"
#include "session/ExportFrameGrader.h"
#include "session/GradingSession.h"
#include "video/JobEnvironment.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

using Helper::AppLog;

CVideoExportDriver::CVideoExportDriver(CMovieHandling& movie, CGradingSession& session, CExportFrameGrader& grader)
    : m_movie(movie), m_session(session), m_grader(grader)
{
}

QString CVideoExportDriver::StartFolder(QSettings& settings, const QString& fallback)
{
    const QString last = settings.value("lastDialogPath").toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    if (!fallback.isEmpty() && QFileInfo(fallback).isDir())
        return fallback;
    return QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
}

QString CVideoExportDriver::AskDestination(IUserPrompt& prompt, QSettings& settings,
                                           const CMovieHandling::SDstDesc& destination)
{
    const QString start = StartFolder(settings, destination.Folder());
    const QString path = prompt.SaveFile(tr("Video speichern"), start + "/" + tr("Mein Video"),
                                         QStringLiteral("*.%1").arg(destination.Extension()));
    if (!path.isEmpty())
        settings.setValue("lastDialogPath", QFileInfo(path).absolutePath());
    return path;
}

int CVideoExportDriver::Export(const QString& sourcePath, const QString& path, CMovieHandling::SDstDesc& destination,
                               const QSize& workingSize, const std::function<void(bool)>& enableWindow)
{
    AppLog("MP: HDRMainWindow::ProcessVideo(" + path + ")");
    // The working image as it is now; the preview is graded from the session's source again afterwards.
    const QSize master = m_session.WorkingSize();
    AppLog(QStringLiteral("MP: MasterBuffer: %1x%2 - FrameBufferRGB888: %3 bytes")
               .arg(master.width())
               .arg(master.height())
               .arg(qint64(master.width()) * master.height() * 3));
    const int result = [&] {
        CExportEngineMode mode; // video mode, no engine log lines, repaints once a second
        destination.SetPath(QFileInfo(path).absoluteFilePath());
        destination.SetResolution(workingSize.width(), workingSize.height());
        m_grader.Configure(destination);
        m_grader.SetWorkingSize(workingSize);
        m_movie.SetFrameCallback(m_grader.Callback());
        if (enableWindow)
            enableWindow(false);
        const CMovieHandling::SJob job = m_movie.OpenJob(sourcePath, destination);
        const int code = m_movie.ProcessJob(job);
        m_grader.LogAndResetTimes();
        m_movie.CloseJob();
        m_movie.SetFrameCallback({});
        if (enableWindow)
            enableWindow(true);
        return code;
    }();
    AppLog("MP: Recover Original Frame");
    if (!m_session.SourceSize().isEmpty())
        m_session.Grade();
    return result;
}
