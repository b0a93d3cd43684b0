// What the main window writes: the result image in one of the result formats, and the whole clip
// through the export job with the current grade, both behind the progress window.
#include "app/HDRMainWindow.h"

#include "app/HDRProgressThread.h"
#include "app/HDRProgressWindow.h"
#include "app/OptionsWindow.h"
#include "core/AppLog.h"
#include "core/IUserPrompt.h"
#include "core/StillImage.h"
#include "session/ExportFrameGrader.h"
#include "session/GradingSession.h"
#include "session/PreviewModel.h"
#include "session/ResultFormats.h"
#include "session/UsageStatistics.h"
#include "session/VideoDockModel.h"
#include "session/VideoExportDriver.h"
#include "video/JobProgressView.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>
#include <QStatusBar>

#include <memory>

using Helper::AppLog;

namespace
{
// The progress window as the export job and the engine see it: the job opens and closes it and
// names its categories; engine reports travel through the progress thread object into it.
class CWindowJobProgress : public IJobProgressView
{
public:
    CWindowJobProgress(HDRProgressWindow& window, bool show) : m_window(window), m_bShow(show) {}
    ~CWindowJobProgress() override { Close(); }

    void Open(const QString& title, int expectedCategories) override { Start(title, title, expectedCategories); }
    void Start(const QString& title, const QString& text, int expectedCategories)
    {
        Close();
        m_thread = std::make_unique<HDRProgressThread>(expectedCategories);
        QObject::connect(m_thread.get(), &HDRProgressThread::sendMessage, &m_window, &HDRProgressWindow::receiveMessage);
        QObject::connect(m_thread.get(), &HDRProgressThread::repaintWindow, &m_window, &HDRProgressWindow::repaintWindow);
        MP_SetProgressSink(m_thread.get());
        if (m_bShow)
            m_window.Start(title, text);
    }
    void AddCategory(int id) override
    {
        if (m_thread)
            m_thread->RegisterCategory(id);
    }
    void SetText(const QString& text) override
    {
        if (m_thread && m_bShow)
            m_window.receiveMessage(SMessage{-1, text, 0, 0.0f}, m_thread->Overall());
    }
    void Suspend(bool on) override
    {
        if (m_bShow)
            m_window.setVisible(!on);
    }
    void Close() override
    {
        if (!m_thread)
            return;
        if (MP_GetProgressSink() == m_thread.get())
            MP_SetProgressSink(nullptr);
        m_thread.reset();
        if (m_bShow)
            m_window.Finish();
    }

private:
    HDRProgressWindow& m_window;
    bool m_bShow;
    std::unique_ptr<HDRProgressThread> m_thread;
};
}  // namespace

bool HDRMainWindow::RecalculateFullResolution()
{
    if (!m_preview->HasFrame())
        return false;
    CWindowJobProgress progress(*m_pProgressWindow, m_pOptionsWindow->Options().bShowProgress);
    const QString title = QCoreApplication::translate("ProgressWindowTitle", "Tonemapping");
    progress.Start(title, tr("Berechne Post Processing"), 1);
    return m_preview->RecalculateFullResolution();
}

bool HDRMainWindow::SaveResultImage()
{
    if (!m_bHasDocument)
        return false;
    const int last = ResultFormats::LastSavedFormat();
    QString path = m_pPrompt->SaveFile(tr("Ergebnisbild speichern"),
                                       DialogStartFolder() + "/" + tr("MyImage") + ResultFormats::Extension(last),
                                       ResultFormats::DialogFilter(last));
    if (path.isEmpty())
        return false;
    int index = ResultFormats::IndexOf(QString(), path);
    if (index < 0)
    {
        // A name without a known extension gets the offered format's.
        path += ResultFormats::Extension(last);
        index = last;
    }
    ResultFormats::StoreLastSavedFormat(index);
    RememberDialogFolder(path);

    if (m_preview->Scale() < 1.0 &&
        m_pPrompt->Question(tr("Warnung"), tr("Preview-Modus! Neu berechnen?")) == IUserPrompt::eYes)
        RecalculateFullResolution();

    QString error;
    bool saved = false;
    {
        CWindowJobProgress progress(*m_pProgressWindow, m_pOptionsWindow->Options().bShowProgress);
        progress.Start(tr("Bild speichern"), tr("Speichern wird vorbereitet."), 1);
        // The buffer offers its pixels only through a non-const accessor; Save only reads them.
        auto& result = const_cast<Helper::CRGB48Buffer&>(m_preview->Result());
        saved = StillImage::Save(path, result.GetData(), result.Width(), result.Height(), error);
    }
    // The full-resolution run replaced the preview; the next grade is at preview size again.
    updateCurrentPostProcessing();
    if (!saved)
    {
        AppLog("HDRMainWindow::SaveResultImage() -> Failed: " + path + " - " + error);
        m_pPrompt->Warning(tr("Ergebnisbild speichern"),
                           tr("Das Bild konnte nicht gespeichert werden:\n%1\n%2").arg(path, error));
        return false;
    }
    m_pHDRStatistic->Increment(QStringLiteral("m_iImagesSaved"));
    statusBar()->showMessage(tr("Gespeichert: %1").arg(path), 5000);
    return true;
}

void HDRMainWindow::saveVideo()
{
    if (!m_bVideo)
        return;
    // The export takes the dock's settings; the driver puts the path and resolution into them.
    CVideoDockModel& dock = *m_videoDockModel;
    dock.OnStop();
    CMovieHandling::SDstDesc& destination = dock.Destination();
    QSettings settings;
    CVideoExportDriver driver(*m_movie, *m_session, *m_grader);
    m_session->FrameBlending().ApplyTo(m_grader->Blend()); // the post-processing dock's choice
    const QString path = driver.AskDestination(*m_pPrompt, settings, destination);
    if (path.isEmpty())
    {
        dock.Update();
        return;
    }

    CWindowJobProgress progress(*m_pProgressWindow, m_pOptionsWindow->Options().bShowProgress);
    m_movie->SetProgressView(&progress);
    const auto restore = qScopeGuard([this] { m_movie->SetProgressView(nullptr); });
    const QMetaObject::Connection abort =
        connect(m_pProgressWindow, &HDRProgressWindow::aborted, m_movie.get(), &CMovieHandling::OnAbort);
    // The clip is graded at its own size, as the picture being graded is the full frame.
    const int result = driver.Export(m_sDocumentPath, path, destination, m_preview->FrameSize(),
                                     [this](bool on) { SetInteractive(on); });
    disconnect(abort);
    progress.Close();
    dock.Update();
    m_preview->UpdateNow();
    switch (result)
    {
    case 0:
        statusBar()->showMessage(tr("Video gespeichert: %1").arg(destination.DestinationFile()), 5000);
        break;
    case 3:
        statusBar()->showMessage(tr("Die Videobearbeitung wurde abgebrochen."), 5000);
        break;
    default:
        // The job has shown its error code already.
        statusBar()->showMessage(tr("Das Video konnte nicht gespeichert werden."), 5000);
        break;
    }
}
