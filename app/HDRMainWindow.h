// The main window: owns the movie handling object, the grading session with its preview, the
// docks and the colour window, and turns menu actions, drops, the command line and messages of a
// second instance into loads, recalculations and saves.
#pragma once

#include "video/MovieHandling.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <functional>
#include <memory>

class CExportFrameGrader;
class CGradingSession;
class CMainWindowProjectHost;
class CProjectComponents;
class CProjectModel;
class CUndoStore;
class HDRTimelineDockWidget;
class CLutLibrary;
class CPostProcessing;
class CPresetLibrary;
class CPresetThumbnails;
class CPresetsDockModel;
class CPreviewModel;
class CPreviewWidget;
class CScopePane;
class CScopesModel;
class CVideoDockModel;
class CVideoDockWidget;
class HDRColorModuleWindow;
class HDROptionsWindow;
class HDRPostProcessingDockWidget;
class HDRPresetsDockWidget;
class HDRProgressWindow;
class HDRScopesDockWidget;
class HDRStatistic;
class IUserPrompt;
class LutLibraryPanel;
class QAction;
class QDockWidget;
class QLabel;
class QListWidget;
class QMenu;
class QStackedWidget;
class QTimer;
class QToolButton;

class HDRMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    HDRMainWindow(int openCLError, const QString& arguments, const QString& operatingSystem,
                  QWidget* parent = nullptr);
    /// The same with every question, message and file dialog going through `prompt` (not owned;
    /// it must outlive the window). Null uses the toolkit's dialogs.
    HDRMainWindow(int openCLError, const QString& arguments, const QString& operatingSystem, IUserPrompt* prompt,
                  QWidget* parent = nullptr);
    ~HDRMainWindow() override;

    int openCLError() const { return m_iOpenCLError; }
    QString startArguments() const { return m_sArguments; }
    QString lastMessage() const { return m_sLastMessage; }

    CGradingSession& Session() { return *m_session; }
    CPreviewModel& PreviewModel() { return *m_preview; }
    CPreviewWidget* PreviewWidget() const { return m_pPreviewWidget; }
    CMovieHandling& Movie() { return *m_movie; }
    /// Grades the frames of video exports.
    CExportFrameGrader& ExportGrader() { return *m_grader; }
    HDRStatistic& Statistics() { return *m_pHDRStatistic; }
    HDRPostProcessingDockWidget* PostProcessingDock() const { return m_pPostProcessingDockWidget; }
    LutLibraryPanel* LutLibraryControls() const { return m_pLutLibraryPanel; }
    CLutLibrary& LutLibrary() { return *m_lutLibrary; }
    HDRPresetsDockWidget* PresetsDock() const { return m_pPresetsDock; }
    CPresetsDockModel& PresetsModel() { return *m_presetsModel; }
    /// The components that write and read project state, in registration order.
    /// The "HDR-Histogramm" dock's histogram, a view of the scopes model like the "Scopes" dock's.
    CScopePane* HistogramPane() const { return m_pHistogram; }
    HDRScopesDockWidget* ScopesDock() const { return m_pScopesDock; }
    CScopesModel& Scopes() { return *m_scopes; }
    CVideoDockWidget* VideoDock() const { return m_pVideoDock; }
    CVideoDockModel& VideoDockModel() { return *m_videoDockModel; }
    /// Null until "Farbmodul" was first used.
    HDRColorModuleWindow* ColorModuleWindow() const { return m_pColorModuleWindow; }
    /// The widget-size step of the screen the window started on (5, 6 or 7).
    int WidgetSizeStep() const { return m_iWidgetSizeStep; }

    bool HasDocument() const { return m_bHasDocument; }
    bool IsVideoMode() const { return m_bVideo; }
    /// The loaded video or image, with "/" separators; empty without a document.
    const QString& DocumentPath() const { return m_sDocumentPath; }
    /// Empty in normal use, "FILTER" after a plug-in exchange file.
    const QString& WorkingMode() const { return m_sWorkingMode; }

    /// Loads a clip: asks for it when `path` is empty. False when nothing new was loaded.
    bool LoadVideo(const QString& path = QString());
    /// Loads a still image as the document: asks for it when `path` is empty.
    bool LoadStillImage(const QString& path = QString());
    /// Reads a plug-in exchange file, enters filter-plug-in mode and loads its first image.
    bool LoadExchangeFile(const QString& path);
    /// The command-line text of a start, or a second instance's message.
    void InterpretCommandLine(const QString& text);
    /// "Ergebnisbild speichern": asks for the file, recalculates at full size when wanted, saves.
    bool SaveResultImage();
    /// Grades the current frame at full resolution behind the progress window.
    bool RecalculateFullResolution();

    // Projects, undo points and the recovery project (MainWindowProject.cpp).
    CProjectModel& Project() { return *m_project; }
    CProjectComponents& ProjectParts() { return *m_projectParts; }
    CUndoStore& UndoPoints() { return *m_pUndo; }
    HDRTimelineDockWidget* TimelineDock() const { return m_pTimelineDock; }
    /// Saves an undo point of the current state (the preview picture as its image).
    bool SaveUndoPoint();
    /// Loads undo point `index`; first saves the current state when it changed enough.
    bool LoadUndoPoint(int index);
    /// Writes the recovery project now when the state changed since it was last written.
    bool WriteRecoveryIfDue();

public slots:
    void receiveMessage(QString message);
    /// "Video speichern": the export of the loaded clip with the current grade.
    void saveVideo();
    /// A dock, LUT or layer changed: grade the preview again.
    void updateCurrentPostProcessing();
    void updateHistogram();
    void showHistogram();
    void showColorModule();
    void showOptions();
    /// "Neues Projekt": asks to save, then an empty window with a fresh grade.
    void newProjectFromAction();
    void undo();
    void redo();
    /// The program is asked to end from outside (a signal): the recovery project is written and
    /// the window closes without questions, so the next start offers the state.
    void terminateGracefully();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Construct();
    void LogStep(const char* step) const;

    // Construction steps (HDRMainWindow.cpp, MainWindowDocks.cpp).
    void setStyleSheetFromCSS();
    void createOptionsWindow();
    void createActions();
    void createToolBars();
    void createExposureDock();
    void createHistogramDock();
    void createPostProcessingDock();
    void createPresetsDock();
    /// A preset box was clicked: the preset's chain becomes the current grade.
    void ApplyPreset(const CPostProcessing& preset);
    void createStartScreen();
    void createInfoDock();
    void createImagePreview();
    void createShortCuts();

    // The video dock (MainWindowVideo.cpp).
    void createVideoDock();
    /// A clip became the document: the dock takes it (its decoder opens) and is shown.
    void OpenVideoDock(const QString& clip);
    /// A still became the document: the dock lets its clip go and hides.
    void CloseVideoDock();
    /// The frame the dock picked becomes the picture being graded.
    void ShowVideoFrame(const Helper::CRGB48Buffer& frame, const Helper::CRGB48Buffer* preview);
    void RestoreLayout();
    void SaveLayout() const;
    void ApplyInterfaceScale();
    void ApplyOptions();
    void OfferRecovery();
    void createProjectParts();
    void createProjectActions(QMenu* fileMenu);
    void createTimelineDock();
    /// A change of the grade: unsaved, counted for the undo points, due for the recovery project.
    void GradeChanged();
    void UpdateProjectActions();
    void FillRecentMenu();
    /// Runs a load that replaces the state by a project (no questions from the document loaders,
    /// no changes counted); a project without history gets its first undo point.
    bool ReplaceByProject(const std::function<bool()>& load);
    /// Loads a document (clip or still) named by a project without asking first.
    void OpenProjectDocument(bool video, const QString& path);
    void ShowEmptyState();
    /// The docks and windows show the session again after a project or snapshot replaced it.
    void RefreshGradeViews();

    // Document state (MainWindowLoading.cpp).
    bool RefuseInFilterMode();
    bool ShowFrame(Helper::CRGB48Buffer& image, const QString& path, bool video);
    void UpdateEnabledActions();
    QString DialogStartFolder() const;
    void RememberDialogFolder(const QString& path) const;
    /// `given`, or the open dialog's answer on the remembered folder (whose folder is remembered);
    /// empty when cancelled or refused in filter-plug-in mode.
    QString DocumentToLoad(const QString& given, const QString& caption, const QString& filter);
    void SetInfoText(const QString& text);
    /// Turns input to the menus, tool bars, docks and the centre off or on while long work runs;
    /// the progress window stays usable, so its abort button still reaches the job.
    void SetInteractive(bool on);

    int m_iOpenCLError;
    QString m_sArguments;
    QString m_sOperatingSystem;
    QString m_sLastMessage;
    QElapsedTimer m_constructionClock;

    std::unique_ptr<IUserPrompt> m_ownPrompt;
    IUserPrompt* m_pPrompt = nullptr;
    std::unique_ptr<CMovieHandling> m_movie;
    std::unique_ptr<CGradingSession> m_session;
    std::unique_ptr<CPreviewModel> m_preview;
    std::unique_ptr<CScopesModel> m_scopes;
    std::unique_ptr<CExportFrameGrader> m_grader;
    std::unique_ptr<CLutLibrary> m_lutLibrary;
    std::unique_ptr<HDRStatistic> m_pHDRStatistic;
    std::unique_ptr<CPresetLibrary> m_presetLibrary;
    std::unique_ptr<CPresetsDockModel> m_presetsModel;
    std::unique_ptr<CPresetThumbnails> m_presetThumbnails;
    std::unique_ptr<CVideoDockModel> m_videoDockModel;

    HDROptionsWindow* m_pOptionsWindow = nullptr;
    HDRProgressWindow* m_pProgressWindow = nullptr;
    QDockWidget* m_pExposureSeriesDock = nullptr;
    QListWidget* m_pExposureList = nullptr;
    QDockWidget* m_pHistogramDock = nullptr;
    CScopePane* m_pHistogram = nullptr;
    HDRScopesDockWidget* m_pScopesDock = nullptr;
    HDRPostProcessingDockWidget* m_pPostProcessingDockWidget = nullptr;
    HDRPresetsDockWidget* m_pPresetsDock = nullptr;
    LutLibraryPanel* m_pLutLibraryPanel = nullptr;
    QDockWidget* m_pInfoDockWidget = nullptr;
    QLabel* m_pInfoLabel = nullptr;
    HDRColorModuleWindow* m_pColorModuleWindow = nullptr;
    CVideoDockWidget* m_pVideoDock = nullptr;
    QStackedWidget* m_pCentralStack = nullptr;
    QWidget* m_pStartScreen = nullptr;
    QWidget* m_pPreviewPage = nullptr;
    CPreviewWidget* m_pPreviewWidget = nullptr;
    QToolButton* m_pBeforeAfterButton = nullptr;
    QToolButton* m_pSplitButton = nullptr;
    QToolButton* m_pActualSizeButton = nullptr;

    QAction* m_pLoadVideoAction = nullptr;
    QAction* m_pLoadImageAction = nullptr;
    QAction* m_pSaveImageAction = nullptr;
    QAction* m_pSaveVideoAction = nullptr;
    QAction* m_pOptionsAction = nullptr;
    QAction* m_pColorModuleAction = nullptr;
    QAction* m_pQuitAction = nullptr;
    QAction* m_pNewProjectAction = nullptr;
    QAction* m_pOpenProjectAction = nullptr;
    QAction* m_pSaveProjectAction = nullptr;
    QAction* m_pSaveProjectAsAction = nullptr;
    QAction* m_pUndoAction = nullptr;
    QAction* m_pRedoAction = nullptr;
    QAction* m_pSaveUndoAction = nullptr;
    QMenu* m_pRecentMenu = nullptr;

    friend class CMainWindowProjectHost;
    std::unique_ptr<CProjectComponents> m_projectParts;
    std::unique_ptr<CMainWindowProjectHost> m_projectHost;
    std::unique_ptr<CProjectModel> m_project;
    CUndoStore* m_pUndo = nullptr;
    HDRTimelineDockWidget* m_pTimelineDock = nullptr;
    QTimer* m_pUndoTimer = nullptr;     // records an undo point once the grade rests
    QTimer* m_pRecoveryTimer = nullptr; // writes the recovery project at a fixed interval
    bool m_bLoadingProject = false;     // a project or snapshot replaces the state: no questions, no changes counted
    bool m_bRecoveryDue = false;
    bool m_bTerminating = false;

    QString m_sWorkingMode;
    QString m_sDocumentPath;
    bool m_bHasDocument = false;
    bool m_bVideo = false;
    int m_iWidgetSizeStep = 5;
};
