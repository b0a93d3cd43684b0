// The main window's construction, its actions and tool bars, the window layout kept between runs,
// the recovery question, and what reaches the window from outside: drops, messages, closing.
#include "app/HDRMainWindow.h"
#include "app/MainWindowProjectHost.h"

#include "app/DialogPrompt.h"
#include "app/HDRColorModuleWindow.h"
#include "app/HDRPresetCombineWindow.h"
#include "app/HDRProgressWindow.h"
#include "app/HDRScopesDockWidget.h"
#include "app/HDRTimelineDockWidget.h"
#include "app/LutLibraryPanel.h"
#include "app/OptionsWindow.h"
#include "app/PreviewWidget.h"
#include "app/VideoDockWidget.h"
#include "app/dock/HDRPostProcessingDockWidget.h"
#include "app/dock/HDRPresetsDockWidget.h"
#include "core/AppLog.h"
#include "lut/LutLibrary.h"
#include "session/DocumentFiles.h"
#include "session/ExportFrameGrader.h"
#include "session/GradingSession.h"
#include "session/PresetThumbnails.h"
#include "session/PresetsDockModel.h"
#include "session/PreviewModel.h"
#include "session/ProgramOptions.h"
#include "session/ProjectComponents.h"
#include "session/ProjectModel.h"
#include "session/RecoveryFile.h"
#include "session/ScopesModel.h"
#include "session/UndoStore.h"
#include "session/UsageStatistics.h"
#include "session/VideoDockModel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStackedWidget>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

using Helper::AppLog;

namespace
{
const char* const kGeometryKey = "MainWindow/geometry";
const char* const kStateKey = "MainWindow/windowState";
}  // namespace

HDRMainWindow::HDRMainWindow(int openCLError, const QString& arguments, const QString& operatingSystem,
                             QWidget* parent)
    : HDRMainWindow(openCLError, arguments, operatingSystem, nullptr, parent)
{
}

HDRMainWindow::HDRMainWindow(int openCLError, const QString& arguments, const QString& operatingSystem,
                             IUserPrompt* prompt, QWidget* parent)
    : QMainWindow(parent), m_iOpenCLError(openCLError), m_sArguments(arguments), m_sOperatingSystem(operatingSystem)
{
    m_constructionClock.start();
    if (!prompt)
    {
        m_ownPrompt = std::make_unique<CDialogPrompt>(this);
        prompt = m_ownPrompt.get();
    }
    m_pPrompt = prompt;
    setWindowTitle(QStringLiteral("Vantrope"));
    setObjectName(QStringLiteral("HDRMainWindow"));
    Construct();
}

HDRMainWindow::~HDRMainWindow()
{
    qApp->removeEventFilter(this);
    // The docks and the colour window hold references to the session, the preview widget and the
    // scopes; they go first, while those still exist.
    delete m_pColorModuleWindow;
    qDeleteAll(findChildren<HDRPresetCombineWindow*>(Qt::FindDirectChildrenOnly)); // uses the preset library
    delete m_pPostProcessingDockWidget;
    delete m_pPresetsDock;
    delete m_pHistogramDock;
    delete m_pScopesDock;
    delete m_pVideoDock;
    delete m_pCentralStack;
}

void HDRMainWindow::LogStep(const char* step) const
{
    AppLog(QString::number(m_constructionClock.elapsed()) + QLatin1String(step));
}

void HDRMainWindow::Construct()
{
    m_movie = std::make_unique<CMovieHandling>();
    m_movie->SetPrompt(m_pPrompt);
    LogStep(" ms - Create MovieHandling");

    ReadAndStoreStartTime();
    m_pHDRStatistic = std::make_unique<HDRStatistic>();
    m_pHDRStatistic->Increment(QStringLiteral("m_iProgramStarted"));
    m_session = std::make_unique<CGradingSession>();
    m_session->SetStatistics(m_pHDRStatistic.get());
    m_preview = std::make_unique<CPreviewModel>(*m_session);
    m_grader = std::make_unique<CExportFrameGrader>(*m_session);
    // The docks pick on the preview, so it exists before them; createImagePreview() places it.
    m_pPreviewWidget = new CPreviewWidget(*m_preview, this);
    m_pPreviewWidget->setObjectName(QStringLiteral("m_pPreviewWidget"));
    LogStep(" ms - Create m_pHDRStatistic");

    setStyleSheetFromCSS();
    LogStep(" ms - setStyleSheetFromCSS");
    createOptionsWindow();
    LogStep(" ms - createOptionsWindow");
    createActions();
    createToolBars();
    LogStep(" ms - createToolBars");

    createExposureDock();
    LogStep(" ms - createExposureDock");
    createHistogramDock();
    LogStep(" ms - createHistogramDock");
    createPostProcessingDock();
    LogStep(" ms - createPostProcessingDock");
    createPresetsDock();
    LogStep(" ms - createPresetsDock");
    createProjectParts();
    ApplyOptions();

    createStartScreen();
    LogStep(" ms - createStartScreen");
    createInfoDock();
    LogStep(" ms - createInfoDock");
    createTimelineDock();
    LogStep(" ms - createTimelineDock");

    createVideoDock();
    LogStep(" ms - createVideoDock");
    createImagePreview();
    LogStep(" ms - createImagePreview");
    createShortCuts();
    LogStep(" ms - createShortCuts");

    setAcceptDrops(true);
    RestoreLayout();
    ApplyInterfaceScale();
    UpdateEnabledActions();
    UpdateProjectActions();
    LogStep(" ms - MainWindow Init");

    OfferRecovery();
    qApp->installEventFilter(this);
}

void HDRMainWindow::setStyleSheetFromCSS()
{
    setStyleSheet(QStringLiteral(
        "QWidget#m_pStartScreen { background: #2b2d30; }"
        "QLabel#m_pStartTitle { color: #f0f0f0; font-size: 22pt; }"
        "QLabel#m_pStartText { color: #c8c8c8; font-size: 11pt; }"
        "QPushButton#m_pStartLoadVideoButton, QPushButton#m_pStartLoadImageButton"
        " { min-width: 180px; min-height: 34px; font-size: 11pt; }"
        "QWidget#m_pPreviewPage { background: #1e1f21; }"
        "QLabel#m_pInfoLabel { padding: 6px; }"));
}

void HDRMainWindow::createOptionsWindow()
{
    m_pOptionsWindow = new HDROptionsWindow(this);
    m_pOptionsWindow->setObjectName(QStringLiteral("options_window"));
    m_pOptionsWindow->hide();
    connect(m_pOptionsWindow, &HDROptionsWindow::optionsChanged, this, &HDRMainWindow::ApplyOptions);
    m_pProgressWindow = new HDRProgressWindow(this);
    m_pProgressWindow->setObjectName(QStringLiteral("progress_window"));
    m_pProgressWindow->hide();
}

void HDRMainWindow::createActions()
{
    const auto make = [this](const char* name, const QString& text, const QString& tip, auto slot) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setToolTip(tip);
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_pLoadVideoAction = make("m_pLoadVideoAction", tr("Video laden"), tr("Eine Videodatei öffnen"),
                              [this] { LoadVideo(); });
    m_pLoadImageAction = make("m_pLoadImageAction", tr("Bild laden"), tr("Ein einzelnes Bild öffnen"),
                              [this] { LoadStillImage(); });
    m_pSaveImageAction = make("m_pSaveImageAction", tr("Ergebnisbild speichern"),
                              tr("Das bearbeitete Bild als Datei speichern"), [this] { SaveResultImage(); });
    m_pSaveVideoAction = make("m_pSaveVideoAction", tr("Video speichern"),
                              tr("Das ganze Video mit der aktuellen Bearbeitung speichern"), &HDRMainWindow::saveVideo);
    m_pOptionsAction = make("m_pOptionsAction", tr("Optionen"), tr("Programmeinstellungen"), &HDRMainWindow::showOptions);
    m_pColorModuleAction = make("m_pColorModuleAction", tr("Farbmodul"), tr("Farbebenen bearbeiten"),
                                &HDRMainWindow::showColorModule);
    m_pQuitAction = make("m_pQuitAction", tr("Beenden"), tr("Das Programm beenden"), &QWidget::close);
    m_pLoadVideoAction->setShortcut(QKeySequence::Open);
    m_pSaveImageAction->setShortcut(QKeySequence::Save);
    m_pQuitAction->setShortcut(QKeySequence::Quit);
}

void HDRMainWindow::createToolBars()
{
    QMenu* file = menuBar()->addMenu(tr("Datei"));
    file->addActions({m_pLoadVideoAction, m_pLoadImageAction});
    file->addSeparator();
    file->addActions({m_pSaveImageAction, m_pSaveVideoAction});
    file->addSeparator();
    file->addAction(m_pQuitAction);
    createProjectActions(file);
    QMenu* tools = menuBar()->addMenu(tr("Werkzeuge"));
    tools->addActions({m_pColorModuleAction, m_pOptionsAction});

    QToolBar* bar = addToolBar(tr("Datei"));
    bar->setObjectName(QStringLiteral("m_pFileToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addActions({m_pLoadVideoAction, m_pLoadImageAction});
    bar->addSeparator();
    bar->addActions({m_pSaveImageAction, m_pSaveVideoAction});
    QToolBar* toolBar = addToolBar(tr("Werkzeuge"));
    toolBar->setObjectName(QStringLiteral("m_pToolsToolBar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar->addActions({m_pColorModuleAction, m_pOptionsAction});
    statusBar();
}

void HDRMainWindow::RestoreLayout()
{
    QSettings settings;
    resize(1440, 900);
    restoreGeometry(settings.value(kGeometryKey).toByteArray());
    if (!restoreState(settings.value(kStateKey).toByteArray()))
    {
        // First start: the one-line exposure list needs little room, the histogram and the
        // operator lists more.
        resizeDocks({m_pExposureSeriesDock, m_pHistogramDock, m_pInfoDockWidget}, {90, 260, 120}, Qt::Vertical);
        resizeDocks({m_pPostProcessingDockWidget}, {400}, Qt::Horizontal);
    }
    m_pPostProcessingDockWidget->LoadWidgetState(settings);
}

void HDRMainWindow::SaveLayout() const
{
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kStateKey, saveState());
    m_pPostProcessingDockWidget->SaveWidgetState(settings);
}

void HDRMainWindow::ApplyInterfaceScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int width = screen ? screen->geometry().width() : 0;
    m_iWidgetSizeStep = ::WidgetSizeStep(width);
    AppLog(QStringLiteral("Interface Scale: %1 - Widget Size Step: %2").arg(InterfaceScale(width)).arg(m_iWidgetSizeStep));
    for (QToolBar* bar : findChildren<QToolBar*>())
        bar->setIconSize(QSize(4 * m_iWidgetSizeStep, 4 * m_iWidgetSizeStep));
    // Message boxes anywhere in the program take their button size from the screen width.
    const QString boxButtons = "QMessageBox " + CDialogPrompt::ButtonStyle(width);
    if (!qApp->styleSheet().contains(boxButtons))
        qApp->setStyleSheet(qApp->styleSheet() + boxButtons);
}

void HDRMainWindow::ApplyOptions()
{
    const SProgramOptions& options = m_pOptionsWindow->Options();
    m_lutLibrary->SetFixedDefaultFolder(options.sFixedDefaultFolder);
    m_lutLibrary->SetConfirmDestructive(options.bAutoSafe);
    m_project->SetOptions(options);
    m_preview->SetPreviewLongSide(options.iPreviewLongSide);
    updateCurrentPostProcessing();
}

void HDRMainWindow::OfferRecovery()
{
    const RecoveryFile::SOutcome outcome = RecoveryFile::Ask(m_sArguments, *m_pPrompt);
    if (outcome.bOpen)
    {
        AppLog("OpenProject: " + RecoveryFile::ProjectPath());
        ReplaceByProject([this] { return m_project->LoadRecovery(RecoveryFile::ProjectPath()); });
        m_bRecoveryDue = true; // the recovered state is the only copy until it is saved
    }
    else
        InterpretCommandLine(m_sArguments);
    RecoveryFile::RemoveAfterQuestion(outcome);
}

void HDRMainWindow::receiveMessage(QString message)
{
    m_sLastMessage = message;
    AppLog("InterpretReceivedMessage: " + message);
    InterpretCommandLine(message);
}

void HDRMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void HDRMainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    event->acceptProposedAction();
    if (RefuseInFilterMode())
        return;
    if (urls.size() > 1)
    {
        m_pPrompt->Warning(tr("Warnung"), tr("Bitte nur eine Video-Datei einladen."));
        return;
    }
    const QString file = urls.first().toLocalFile();
    switch (DocumentFiles::ClassifyDrop(file))
    {
    case DocumentFiles::EDropKind::Project:
        m_pHDRStatistic->Increment(QStringLiteral("m_iDragDropLoadProject"));
        AppLog("OpenProject: " + file);
        ReplaceByProject([this, file] { return m_project->Open(file); });
        break;
    case DocumentFiles::EDropKind::Addon:
        m_pPrompt->Information(tr("Add-on"), tr("Add-ons werden von dieser Version nicht unterstützt."));
        break;
    case DocumentFiles::EDropKind::Video:
        m_pHDRStatistic->Increment(QStringLiteral("m_iDragDropLoadVideo"));
        LoadVideo(file);
        break;
    case DocumentFiles::EDropKind::Other:
        m_pPrompt->Warning(tr("Warnung"), tr("Bitte laden Sie nur Videodateien ein."));
        break;
    }
}

void HDRMainWindow::closeEvent(QCloseEvent* event)
{
    // Ended from outside, the recovery project holds the state for the next start.
    if (!m_bTerminating && !m_project->ConfirmDiscard())
    {
        event->ignore();
        return;
    }
    if (!m_bTerminating)
        RecoveryFile::Remove();
    {
        HDRProgressWindow& progress = *m_pProgressWindow;
        if (m_pOptionsWindow->Options().bShowProgress && !m_pUndo->Entries().empty())
            progress.Start(QCoreApplication::translate("ProgressWindowTitle", "Undo-Daten bereinigen"), QString());
        m_pUndo->CleanUp();
        progress.Finish();
    }
    SaveLayout();
    m_pHDRStatistic->Save();
    if (m_pColorModuleWindow)
        m_pColorModuleWindow->close();
    event->accept();
}

bool HDRMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
    {
        if (m_pColorModuleWindow)
            m_pColorModuleWindow->abortPicking();
        m_videoDockModel->OnStop();
    }
    else if (event->type() == QEvent::Enter && watched->isWidgetType())
    {
        // The information dock explains the control under the mouse.
        const auto* widget = static_cast<QWidget*>(watched);
        if (!widget->toolTip().isEmpty() && (widget->window() == this || widget->window() == m_pColorModuleWindow))
            SetInfoText(widget->toolTip());
    }
    return QMainWindow::eventFilter(watched, event);
}
