// What the main window opens: clips (their first frame becomes the picture being graded), still
// images, plug-in exchange files, and the command-line text that names one of them.
#include "app/HDRMainWindow.h"

#include "app/HDRColorModuleWindow.h"
#include "app/HDRProgressWindow.h"
#include "app/OptionsWindow.h"
#include "app/dock/HDRPresetsDockWidget.h"
#include "core/AppLog.h"
#include "core/IUserPrompt.h"
#include "core/StillImage.h"
#include "session/DocumentFiles.h"
#include "session/ExchangeFile.h"
#include "session/PreviewModel.h"
#include "session/ProjectComponents.h"
#include "session/ProjectModel.h"
#include "session/UsageStatistics.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDockWidget>
#include <QListWidget>
#include <QMenuBar>
#include <QToolBar>
#include <QScopeGuard>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>

using Helper::AppLog;

namespace
{
// The first frame travels as a Netpbm picture: read without a codec library, and still images
// refuse BMP files.
const QString kFrameExtension = QStringLiteral("ppm");
}  // namespace

QString HDRMainWindow::DialogStartFolder() const
{
    const QString fixed = m_pOptionsWindow->Options().sFixedDefaultFolder;
    if (!fixed.isEmpty() && QFileInfo(fixed).isDir())
        return fixed;
    const QString last = QSettings().value("lastDialogPath").toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void HDRMainWindow::RememberDialogFolder(const QString& path) const
{
    QSettings().setValue("lastDialogPath", QFileInfo(path).absolutePath());
}

QString HDRMainWindow::DocumentToLoad(const QString& given, const QString& caption, const QString& filter)
{
    if (RefuseInFilterMode())
        return QString();
    // A project replacing the state has asked already; anything else offers to save first.
    if (m_bHasDocument && !m_bLoadingProject && !m_project->ConfirmDiscard())
        return QString();
    if (!given.isEmpty())
        return given;
    const QString path = m_pPrompt->OpenFile(caption, DialogStartFolder(), filter);
    if (!path.isEmpty())
        RememberDialogFolder(path);
    return path;
}

bool HDRMainWindow::RefuseInFilterMode()
{
    if (m_sWorkingMode != QLatin1String("FILTER"))
        return false;
    m_pPrompt->Warning(tr("Warnung"), tr("Neue Bilddaten können im Filter-Plugin-Modus nicht eingeladen werden."));
    return true;
}

void HDRMainWindow::SetInteractive(bool on)
{
    menuBar()->setEnabled(on);
    centralWidget()->setEnabled(on);
    for (QWidget* part : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (qobject_cast<QDockWidget*>(part) || qobject_cast<QToolBar*>(part))
            part->setEnabled(on);
    // Both change the grade: an export reads it while its frames are graded.
    m_pOptionsWindow->setEnabled(on);
    if (m_pColorModuleWindow)
        m_pColorModuleWindow->setEnabled(on);
}

void HDRMainWindow::UpdateEnabledActions()
{
    m_pSaveImageAction->setEnabled(m_bHasDocument);
    m_pSaveVideoAction->setEnabled(m_bHasDocument && m_bVideo);
}

bool HDRMainWindow::ShowFrame(Helper::CRGB48Buffer& image, const QString& path, bool video)
{
    if (!m_preview->SetFrame(image.GetData(), image.Width(), image.Height()))
        return false;
    m_pPresetsDock->SetFrame(image.GetData(), image.Width(), image.Height());
    m_bHasDocument = true;
    m_bVideo = video;
    m_sDocumentPath = QDir::fromNativeSeparators(path);
    m_sDocumentPath.replace('\\', '/');
    m_pExposureList->clear();
    m_pExposureList->addItem(QStringLiteral("%1 (%2 × %3)")
                                 .arg(QFileInfo(m_sDocumentPath).fileName())
                                 .arg(image.Width())
                                 .arg(image.Height()));
    m_pExposureList->setCurrentRow(0);
    m_pCentralStack->setCurrentWidget(m_pPreviewPage);
    m_projectParts->Series().SetPicture(m_sDocumentPath, m_preview->FrameSize(), m_preview->PreviewSize(), image.GetData());
    UpdateEnabledActions();
    updateHistogram();
    if (!m_bLoadingProject)
    {
        // A new document: a change of an open project, and the first state its history returns to.
        if (!m_project->Path().isEmpty())
            m_project->MarkChanged();
        m_bRecoveryDue = true;
        SaveUndoPoint();
    }
    UpdateProjectActions();
    return true;
}

bool HDRMainWindow::LoadVideo(const QString& given)
{
    const QString path = DocumentToLoad(given, tr("Video laden"), DocumentFiles::VideoDialogFilter());
    if (path.isEmpty())
        return false;
    const QString clip = QFileInfo(path).absoluteFilePath();

    const bool showProgress = m_pOptionsWindow->Options().bShowProgress;
    if (showProgress)
        m_pProgressWindow->Start(tr("Videodatei öffnen"), QFileInfo(clip).fileName());
    SetInteractive(false);
    const QString frameFile = m_movie->FrameImagePath(kFrameExtension);
    const auto done = qScopeGuard([&] {
        // The extracted frame is only a carrier: it never stays behind, loaded or not.
        QFile::remove(frameFile);
        SetInteractive(true);
        if (showProgress)
            m_pProgressWindow->Finish();
    });

    // The answer files hold no clip name: a new clip needs fresh ones.
    m_movie->RemoveIniFiles();
    QString failure;
    Helper::CRGB48Buffer frame;
    if (m_movie->TempDirectory().isEmpty())
        failure = m_movie->TempError();
    else if (m_movie->GetFrameSize(clip).width() < 1 || m_movie->GetDuration(clip) < 0.0)
        failure = tr("Die Datei enthält kein lesbares Video.");
    else
    {
        const QString extracted = m_movie->ExtractFrame(clip, kFrameExtension, 0, 1000, true, QSize(-1, -1));
        QString error;
        if (extracted.isEmpty())
            failure = tr("Aus dem Video konnte kein Bild gelesen werden.");
        else if (!StillImage::Load(extracted, frame, error))
            failure = error;
        if (!extracted.isEmpty() && extracted != frameFile)
            QFile::remove(extracted);
    }
    if (failure.isEmpty() && !ShowFrame(frame, clip, true))
        failure = tr("Nicht genug Speicher für das Bild.");
    if (!failure.isEmpty())
    {
        AppLog("HDRMainWindow::LoadVideo() -> Failed: " + clip + " - " + failure);
        m_pPrompt->Warning(tr("Video laden"), tr("Das Video %1 konnte nicht geladen werden.\n%2")
                                                  .arg(QFileInfo(clip).fileName(), failure));
        return false;
    }
    OpenVideoDock(clip);
    m_pHDRStatistic->Increment(QStringLiteral("m_iVideosLoaded"));
    AppLog("Video loaded: " + QFileInfo(m_sDocumentPath).fileName() + " - Path: " + m_sDocumentPath);
    statusBar()->showMessage(tr("Video geladen: %1").arg(m_sDocumentPath), 5000);
    return true;
}

bool HDRMainWindow::LoadStillImage(const QString& given)
{
    const QString path = DocumentToLoad(given, tr("Bild laden"), DocumentFiles::StillDialogFilter());
    if (path.isEmpty())
        return false;
    Helper::CRGB48Buffer image;
    QString error;
    if (!StillImage::Load(path, image, error) || !ShowFrame(image, QFileInfo(path).absoluteFilePath(), false))
    {
        AppLog("HDRMainWindow::LoadStillImage() -> Failed: " + path + " - " + error);
        m_pPrompt->Warning(tr("Bild laden"),
                           tr("Das Bild %1 konnte nicht geladen werden.\n%2").arg(QFileInfo(path).fileName(), error));
        return false;
    }
    CloseVideoDock();
    m_pHDRStatistic->Increment(QStringLiteral("m_iSingleImagesLoaded"));
    return true;
}

bool HDRMainWindow::LoadExchangeFile(const QString& path)
{
    if (RefuseInFilterMode())
        return false;
    SExchangeFile exchange;
    if (!ReadExchangeFile(path, exchange) || exchange.images.isEmpty())
    {
        m_pPrompt->Warning(tr("Warnung"), tr("Die Austauschdatei %1 konnte nicht gelesen werden.").arg(path));
        return false;
    }
    m_pHDRStatistic->Increment(QStringLiteral("m_iLIFImports"));
    m_pHDRStatistic->Increment(QStringLiteral("m_iLIFImagesLoaded"), int(exchange.images.size()));
    // Only one picture is graded at a time: the first of the series.
    const bool loaded = LoadStillImage(exchange.images.first());
    m_sWorkingMode = QStringLiteral("FILTER");
    return loaded;
}

void HDRMainWindow::InterpretCommandLine(const QString& text)
{
    const DocumentFiles::SCommand command =
        DocumentFiles::InterpretCommandLine(text, m_sWorkingMode == QLatin1String("FILTER"));
    switch (command.kind)
    {
    case DocumentFiles::ECommandKind::None:
        break;
    case DocumentFiles::ECommandKind::RawDevelopment:
        m_pPrompt->Information(tr("RAW-Entwicklung"), tr("Die RAW-Entwicklung ist in dieser Version nicht enthalten."));
        break;
    case DocumentFiles::ECommandKind::Project:
        // A second start's message may come while there is unsaved work: Open asks first then.
        ReplaceByProject([this, &command] { return m_project->Open(command.path); });
        break;
    case DocumentFiles::ECommandKind::Exchange:
        LoadExchangeFile(command.path);
        break;
    case DocumentFiles::ECommandKind::StillImage:
        LoadStillImage(command.path);
        break;
    case DocumentFiles::ECommandKind::Unknown:
        // A clip named on the command line opens like a dropped one.
        if (DocumentFiles::IsVideoFile(command.path) && QFileInfo(command.path).isFile())
            LoadVideo(command.path);
        break;
    }
}
