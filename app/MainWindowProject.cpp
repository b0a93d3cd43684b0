// The main window's projects: the project components and model, the file-menu entries (open,
// save, save as, recent projects, examples), the Edit menu over the undo points with the history
// timeline, and the recovery project written while the grade has unsaved changes.
#include "app/MainWindowProjectHost.h"

#include "app/HDRColorModuleWindow.h"
#include "app/HDRProgressWindow.h"
#include "app/HDRTimelineDockWidget.h"
#include "app/LutLibraryPanel.h"
#include "app/OptionsWindow.h"
#include "app/dock/DockIcons.h"
#include "app/dock/HDRPostProcessingDockWidget.h"
#include "app/dock/HDRPresetsDockWidget.h"
#include "core/AppLog.h"
#include "core/Paths.h"
#include "session/GradingSession.h"
#include "session/PresetsDockModel.h"
#include "session/PreviewModel.h"
#include "session/ProjectComponents.h"
#include "session/ProjectModel.h"
#include "session/RecentProjects.h"
#include "session/RecoveryFile.h"
#include "session/UndoStore.h"
#include "session/UsageStatistics.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QTimer>

namespace
{
/// The grade rests this long before its state becomes an undo point.
constexpr int kUndoRestMs = 1500;
/// The recovery project is written at most this often while there are changes.
constexpr int kRecoveryIntervalMs = 60 * 1000;
}  // namespace

CMainWindowProjectHost::CMainWindowProjectHost(HDRMainWindow& window) : m_window(window)
{
}

ProjectFile::SHeader CMainWindowProjectHost::CurrentHeader()
{
    ProjectFile::SHeader header;
    header.bPostProcessing = true; // the only stage this program has
    header.bVideoIsLoaded = m_window.m_bHasDocument && m_window.m_bVideo;
    header.sVideoFilePath = header.bVideoIsLoaded ? m_window.m_sDocumentPath : QString();
    return header;
}

void CMainWindowProjectHost::ResetForProject()
{
    // The document stays on screen: a snapshot of the same picture need not load it again.
    m_window.m_session->ResetGrade();
}

void CMainWindowProjectHost::OpenProjectDocument(const ProjectFile::SHeader& header)
{
    const QString path = header.bVideoIsLoaded ? header.sVideoFilePath : m_window.m_projectParts->Series().SourcePath();
    m_window.OpenProjectDocument(header.bVideoIsLoaded, path);
}

QString CMainWindowProjectHost::ProposedProjectPath()
{
    const QString name = ProjectFile::DefaultName(CurrentHeader().sVideoFilePath,
                                                  QFileInfo(m_window.m_sDocumentPath).completeBaseName());
    return m_window.DialogStartFolder() + "/" + name;
}

void CMainWindowProjectHost::RememberDialogFolder(const QString& path)
{
    m_window.RememberDialogFolder(path);
}

void CMainWindowProjectHost::ProjectStateChanged()
{
    m_window.UpdateProjectActions();
}

void HDRMainWindow::createProjectParts()
{
    m_projectParts = std::make_unique<CProjectComponents>(*m_session, m_pPostProcessingDockWidget->LutModel(),
                                                          &m_pPostProcessingDockWidget->Filter(), m_presetsModel.get());

    m_pUndo = new CUndoStore(Helper::UserDirectory(), this);
    m_pUndo->SetStatistics(m_pHDRStatistic.get());
    m_projectHost = std::make_unique<CMainWindowProjectHost>(*this);
    m_project = std::make_unique<CProjectModel>(m_projectParts->Registry(), *m_projectHost, *m_pPrompt);
    m_project->SetUndoStore(m_pUndo);
    m_project->SetStatistics(m_pHDRStatistic.get());
    connect(m_pUndo, &CUndoStore::changed, this, &HDRMainWindow::UpdateProjectActions);

    m_pUndoTimer = new QTimer(this);
    m_pUndoTimer->setSingleShot(true);
    m_pUndoTimer->setInterval(kUndoRestMs);
    // Long work (an export) grades frames in the engine's slots meanwhile: the point waits for it.
    connect(m_pUndoTimer, &QTimer::timeout, this, [this] {
        if (!menuBar()->isEnabled())
            m_pUndoTimer->start();
        else if (m_pUndo->HasUnrecordedChanges())
            SaveUndoPoint();
    });
    m_pRecoveryTimer = new QTimer(this);
    m_pRecoveryTimer->setInterval(kRecoveryIntervalMs);
    connect(m_pRecoveryTimer, &QTimer::timeout, this, &HDRMainWindow::WriteRecoveryIfDue);
    m_pRecoveryTimer->start();

    // Every change of the grade passes one of these.
    connect(m_pPostProcessingDockWidget, &HDRPostProcessingDockWidget::updateCurrentPostProcessing, this,
            &HDRMainWindow::GradeChanged);
    connect(m_pPostProcessingDockWidget, &HDRPostProcessingDockWidget::frameBlendChanged, this,
            &HDRMainWindow::GradeChanged);
    connect(m_pLutLibraryPanel, &LutLibraryPanel::lutChanged, this, &HDRMainWindow::GradeChanged);
    // An applied preset is one step of the history at once, not after the rest period.
    connect(m_pPresetsDock, qOverload<CPostProcessing*, HDRPresetGroupBox*, bool>(&HDRPresetsDockWidget::updatePostProcessing),
            this, [this](CPostProcessing*, HDRPresetGroupBox*, bool undoPoint) {
                GradeChanged();
                if (!undoPoint)
                    return;
                // Once the event loop has started the preview of the new grade.
                QTimer::singleShot(0, this, [this] {
                    if (m_bHasDocument && !m_bLoadingProject && m_pUndo->HasUnrecordedChanges())
                    {
                        m_pUndoTimer->stop();
                        SaveUndoPoint();
                    }
                });
            });
    // Points left by a run that ended without cleaning up are of no use: none is listed.
    m_pUndo->CleanUp();
}

void HDRMainWindow::createProjectActions(QMenu* fileMenu)
{
    const auto make = [this](const char* name, const QString& text, auto slot) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setStatusTip(text);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_pNewProjectAction = make("m_pNewProjectAction", tr("Neues Projekt"), &HDRMainWindow::newProjectFromAction);
    m_pOpenProjectAction = make("m_pOpenProjectAction", tr("Projekt öffnen"),
                                [this] { ReplaceByProject([this] { return m_project->Open(); }); });
    m_pSaveProjectAction = make("m_pSaveProjectAction", tr("Projekt speichern"), [this] { m_project->Save(); });
    m_pSaveProjectAsAction = make("m_pSaveProjectAsAction", tr("Projekt speichern unter"), [this] { m_project->SaveAs(); });
    m_pOpenProjectAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    m_pSaveProjectAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

    QAction* first = fileMenu->actions().value(0);
    fileMenu->insertActions(first, {m_pNewProjectAction, m_pOpenProjectAction});
    m_pRecentMenu = new QMenu(tr("Zuletzt verwendete Projekte"), fileMenu);
    m_pRecentMenu->setObjectName(QStringLiteral("m_pRecentMenu"));
    connect(m_pRecentMenu, &QMenu::aboutToShow, this, &HDRMainWindow::FillRecentMenu);
    fileMenu->insertMenu(first, m_pRecentMenu);
    QMenu* examples = new QMenu(tr("Beispielprojekte"), fileMenu);
    examples->setObjectName(QStringLiteral("m_pExamplesMenu"));
    for (int n = 1; n <= ProjectFile::kExampleCount; ++n)
    {
        QAction* example = examples->addAction(tr("Beispielprojekt %1").arg(n));
        example->setObjectName(QStringLiteral("m_pExampleAction%1").arg(n));
        connect(example, &QAction::triggered, this,
                [this, n] { ReplaceByProject([this, n] { return m_project->Open(ProjectFile::ExamplePath(n), true); }); });
    }
    fileMenu->insertMenu(first, examples);
    fileMenu->insertSeparator(first);
    fileMenu->insertActions(m_pSaveImageAction, {m_pSaveProjectAction, m_pSaveProjectAsAction});

    m_pUndoAction = make("m_pUndoAction", tr("Rückgängig"), &HDRMainWindow::undo);
    m_pUndoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_pRedoAction = make("m_pRedoAction", tr("Wiederherstellen"), &HDRMainWindow::redo);
    m_pRedoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_pSaveUndoAction = make("m_pSaveUndoAction", tr("Undo-Punkt speichern"), &HDRMainWindow::SaveUndoPoint);
    QMenu* edit = new QMenu(tr("Bearbeiten"), menuBar());
    edit->setObjectName(QStringLiteral("m_pEditMenu"));
    edit->addActions({m_pUndoAction, m_pRedoAction});
    edit->addSeparator();
    edit->addAction(m_pSaveUndoAction);
    menuBar()->insertMenu(menuBar()->actions().value(1), edit);
}

void HDRMainWindow::createTimelineDock()
{
    m_pTimelineDock = new HDRTimelineDockWidget(*m_pUndo, *m_pPrompt, [this] { return m_pOptionsWindow->Options().bAutoSafe; }, this);
    addDockWidget(Qt::BottomDockWidgetArea, m_pTimelineDock);
    connect(m_pTimelineDock, &HDRTimelineDockWidget::loadRequested, this, &HDRMainWindow::LoadUndoPoint);
}

void HDRMainWindow::FillRecentMenu()
{
    m_pRecentMenu->clear();
    const QStringList recent = RecentProjects::List(QSettings());
    for (const QString& path : recent)
        connect(m_pRecentMenu->addAction(QDir::toNativeSeparators(path)), &QAction::triggered, this,
                [this, path] { ReplaceByProject([this, path] { return m_project->Open(path); }); });
    if (recent.isEmpty())
        m_pRecentMenu->addAction(tr("Keine Projekte"))->setEnabled(false);
}

void HDRMainWindow::UpdateProjectActions()
{
    if (!m_project)
        return;
    m_pSaveProjectAction->setEnabled(m_project->IsUnsaved() || m_project->Path().isEmpty());
    m_pSaveProjectAsAction->setEnabled(true);
    m_pUndoAction->setEnabled(m_pUndo->CanUndo());
    m_pUndoAction->setIcon(DockIcon(CUndoStore::IconName(m_pUndo->Counter())));
    m_pRedoAction->setEnabled(m_pUndo->CanRedo());
    m_pSaveUndoAction->setEnabled(m_bHasDocument);
    QString title = QStringLiteral("Vantrope");
    if (!m_project->Path().isEmpty())
        title += " - " + QFileInfo(m_project->Path()).completeBaseName();
    else if (m_bHasDocument)
        title += " - " + QFileInfo(m_sDocumentPath).fileName();
    setWindowTitle(title + (m_project->IsUnsaved() ? QStringLiteral(" *") : QString()));
}

void HDRMainWindow::GradeChanged()
{
    if (m_bLoadingProject || !m_project)
        return;
    m_project->MarkChanged();
    m_pUndo->CountChange();
    m_bRecoveryDue = true;
    if (m_bHasDocument)
        m_pUndoTimer->start();
    UpdateProjectActions();
}

void HDRMainWindow::RefreshGradeViews()
{
    m_pPostProcessingDockWidget->refreshFromSession();
    m_pLutLibraryPanel->refresh();
    if (m_pColorModuleWindow)
        m_pColorModuleWindow->refreshFromSession();
    updateCurrentPostProcessing();
}

void HDRMainWindow::ShowEmptyState()
{
    m_bHasDocument = false;
    m_bVideo = false;
    m_sDocumentPath.clear();
    m_pExposureList->clear();
    m_pCentralStack->setCurrentWidget(m_pStartScreen);
    UpdateEnabledActions();
}

void HDRMainWindow::OpenProjectDocument(bool video, const QString& path)
{
    if (path.isEmpty())
        ShowEmptyState();
    else if (!(m_bHasDocument && m_bVideo == video && path == m_sDocumentPath) &&
             !(video ? LoadVideo(path) : LoadStillImage(path)))
        ShowEmptyState(); // the loaders have said why
    RefreshGradeViews();
    UpdateProjectActions();
}

bool HDRMainWindow::ReplaceByProject(const std::function<bool()>& load)
{
    m_bLoadingProject = true;
    const bool loaded = load();
    m_bLoadingProject = false;
    if (loaded && m_pUndo->Entries().empty())
        SaveUndoPoint();
    UpdateProjectActions();
    return loaded;
}

void HDRMainWindow::newProjectFromAction()
{
    if (!m_project->ConfirmDiscard())
        return;
    m_bLoadingProject = true;
    m_session->ResetGrade();
    m_projectParts->Series().Clear();
    ShowEmptyState();
    RefreshGradeViews();
    m_project->New();
    m_bLoadingProject = false;
    m_bRecoveryDue = false;
    RecoveryFile::Remove();
}

bool HDRMainWindow::SaveUndoPoint()
{
    m_pUndoTimer->stop();
    if (!m_bHasDocument || !m_preview->UpdateNow())
        return false;
    const Helper::CRGB48Buffer& result = m_preview->Result();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRgb background = palette().color(QPalette::Window).rgb() & 0xffffff;
    const bool saved = m_pUndo->SavePoint([this](const QString& file) { return m_project->WriteSnapshot(file); },
                                          const_cast<Helper::CRGB48Buffer&>(result).GetData(), result.GetSize(),
                                          screen ? screen->geometry().width() : 1920, background);
    UpdateProjectActions();
    return saved;
}

bool HDRMainWindow::LoadUndoPoint(int index)
{
    m_bLoadingProject = true;
    const bool loaded = m_pUndo->LoadPoint(
        index, [this](const QString& file) { return m_project->LoadSnapshot(file); }, [this] { return SaveUndoPoint(); });
    m_bLoadingProject = false;
    m_bRecoveryDue = m_bRecoveryDue || loaded;
    return loaded;
}

void HDRMainWindow::undo()
{
    m_bLoadingProject = true;
    const bool loaded = m_pUndo->Undo([this](const QString& file) { return m_project->LoadSnapshot(file); },
                                      [this] { return SaveUndoPoint(); });
    m_bLoadingProject = false;
    m_bRecoveryDue = m_bRecoveryDue || loaded;
}

void HDRMainWindow::redo()
{
    m_bLoadingProject = true;
    const bool loaded = m_pUndo->Redo([this](const QString& file) { return m_project->LoadSnapshot(file); });
    m_bLoadingProject = false;
    m_bRecoveryDue = m_bRecoveryDue || loaded;
}

bool HDRMainWindow::WriteRecoveryIfDue()
{
    if (!m_bRecoveryDue)
        return false;
    m_bRecoveryDue = false;
    // A saved project needs no recovery; a document without a project would be lost.
    if (!m_project->IsUnsaved() && !(m_bHasDocument && m_project->Path().isEmpty()))
    {
        RecoveryFile::Remove();
        return false;
    }
    Helper::EnsureUserDirectory();
    const bool written = m_project->WriteRecovery(RecoveryFile::ProjectPath());
    Helper::AppLog(QStringLiteral("HDRMainWindow::WriteRecoveryIfDue() -> %1").arg(written ? "written" : "failed"));
    return written;
}

void HDRMainWindow::terminateGracefully()
{
    m_bRecoveryDue = true;
    WriteRecoveryIfDue();
    m_bTerminating = true;
    // A window not shown yet does not end the event loop by closing.
    if (close())
        QCoreApplication::quit();
}
