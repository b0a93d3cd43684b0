// What the main window does around an export, as a model: the save dialog's folder, name and
// filter, the engine settings of the export, the job itself and the recovery of the preview
// afterwards. The window only shows the dialog and enables or disables itself.
#pragma once

#include "video/MovieHandling.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class CExportFrameGrader;
class CGradingSession;
class IUserPrompt;
class QSettings;

class CVideoExportDriver
{
    Q_DECLARE_TR_FUNCTIONS(CVideoExportDriver)

public:
    CVideoExportDriver(CMovieHandling& movie, CGradingSession& session, CExportFrameGrader& grader);

    /// Step 1: asks for the destination ("Video speichern", name "Mein Video", filter by the
    /// codec's extension) starting in the remembered folder; stores the chosen folder back.
    /// Empty when cancelled.
    QString AskDestination(IUserPrompt& prompt, QSettings& settings, const CMovieHandling::SDstDesc& destination);
    /// The folder the dialog starts in: "lastDialogPath", else `fallback`, else the movies folder.
    static QString StartFolder(QSettings& settings, const QString& fallback = QString());

    /// Steps 2 to 5: exports `sourcePath` to `path` with `destination` (its path and resolution
    /// are set here, the resolution to the working size); `enableWindow(false)` while it runs.
    /// Returns the job's result (0, 2, 3).
    int Export(const QString& sourcePath, const QString& path, CMovieHandling::SDstDesc& destination,
               const QSize& workingSize, const std::function<void(bool)>& enableWindow = {});

private:
    CMovieHandling& m_movie;
    CGradingSession& m_session;
    CExportFrameGrader& m_grader;
};
