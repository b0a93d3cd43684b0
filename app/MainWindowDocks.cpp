// The main window's docks, its start screen and the central preview with its tool buttons, and
// the windows they open (colour window, options).
#include "app/HDRColorModuleWindow.h"
#include "app/HDRPresetCombineWindow.h"
#include "app/HDRMainWindow.h"
#include "app/HDRScopesDockWidget.h"
#include "app/LutLibraryPanel.h"
#include "app/OptionsWindow.h"
#include "app/PreviewWidget.h"
#include "app/ScopePane.h"
#include "app/dock/HDRPostProcessingDockWidget.h"
#include "app/dock/HDRPresetsDockWidget.h"
#include "app/dock/LutPanel.h"
#include "core/AppLog.h"
#include "lut/LutLibrary.h"
#include "session/GradingSession.h"
#include "session/PresetThumbnails.h"
#include "session/PresetsDockModel.h"
#include "session/PreviewModel.h"
#include "session/ScopesModel.h"

#include <QApplication>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
QDockWidget* MakeDock(QMainWindow* window, const QString& title, const char* objectName, QWidget* content,
                      Qt::DockWidgetArea area)
{
    auto* dock = new QDockWidget(title, window);
    dock->setObjectName(QLatin1String(objectName));
    dock->setWidget(content);
    window->addDockWidget(area, dock);
    return dock;
}
}  // namespace

void HDRMainWindow::createExposureDock()
{
    m_pExposureList = new QListWidget;
    m_pExposureList->setObjectName(QStringLiteral("m_pExposureList"));
    m_pExposureList->setToolTip(tr("Das geladene Bild oder Videobild mit seiner Größe"));
    m_pExposureList->setMinimumHeight(60);
    m_pExposureSeriesDock = MakeDock(this, tr("Belichtungsreihe"), "m_pExposureSeriesDock", m_pExposureList,
                                     Qt::LeftDockWidgetArea);
}

void HDRMainWindow::createHistogramDock()
{
    // The histogram and the "Scopes" dock are views of one scopes model over the preview picture.
    m_scopes = std::make_unique<CScopesModel>(*m_preview);
    connect(m_pPreviewWidget, &CPreviewWidget::viewChanged, this, [this] {
        const CPreviewWidget::EView view = m_pPreviewWidget->View();
        m_scopes->SetSource(view == CPreviewWidget::eOriginal ? CScopesModel::eOriginal
                            : view == CPreviewWidget::eSplit  ? CScopesModel::eSplit
                                                              : CScopesModel::eGraded,
                            m_pPreviewWidget->Split());
    });
    SScopeSettings histogram;
    histogram.eKind = eSK_HISTOGRAM;
    m_pHistogram = new CScopePane(*m_scopes, m_scopes->AddView(histogram), CScopePane::eFixedKind,
                                  QStringLiteral("HistogramDock/m_pHistogramPane"));
    m_pHistogram->setObjectName(QStringLiteral("m_pHistogramPane"));
    m_pHistogram->setToolTip(tr("Histogramm des bearbeiteten Bildes: Rot, Grün, Blau und Luminanz"));
    m_pHistogram->setMinimumSize(200, 120);
    m_pHistogramDock = MakeDock(this, tr("HDR-Histogramm"), "m_pHistogramDock", m_pHistogram, Qt::LeftDockWidgetArea);
    const int view = m_pHistogram->View();
    m_scopes->SetVisible(view, false);
    connect(m_pHistogramDock, &QDockWidget::visibilityChanged, this, [this, view](bool on) { m_scopes->SetVisible(view, on); });

    m_pScopesDock = new HDRScopesDockWidget(*m_scopes, this);
    addDockWidget(Qt::LeftDockWidgetArea, m_pScopesDock);
    tabifyDockWidget(m_pHistogramDock, m_pScopesDock);
    m_pHistogramDock->raise();
    QMenu* docks = menuBar()->addMenu(tr("Ansicht"));
    docks->addActions({m_pHistogramDock->toggleViewAction(), m_pScopesDock->toggleViewAction()});
}

void HDRMainWindow::createPostProcessingDock()
{
    m_pPostProcessingDockWidget = new HDRPostProcessingDockWidget(*m_session, *m_pPrompt, m_pPreviewWidget, this);
    addDockWidget(Qt::RightDockWidgetArea, m_pPostProcessingDockWidget);
    connect(m_pPostProcessingDockWidget, &HDRPostProcessingDockWidget::updateCurrentPostProcessing, this,
            &HDRMainWindow::updateCurrentPostProcessing);
    connect(m_pPostProcessingDockWidget, &HDRPostProcessingDockWidget::maskViewChanged, m_preview.get(),
            &CPreviewModel::SetShownMask);

    m_lutLibrary = std::make_unique<CLutLibrary>();
    m_pLutLibraryPanel = new LutLibraryPanel(*m_lutLibrary, *m_session, *m_pPrompt);
    m_pLutLibraryPanel->setObjectName(QStringLiteral("m_pLutLibraryPanel"));
    CLutPanel* lutPanel = m_pPostProcessingDockWidget->LutPanel();
    lutPanel->InsertLibraryControls(m_pLutLibraryPanel);
    // A LUT from the library replaces the state the dock shows; a change in the dock changes what
    // the library controls offer (adding needs a LUT, a reset goes back to the first entry).
    connect(m_pLutLibraryPanel, &LutLibraryPanel::lutChanged, m_pPostProcessingDockWidget,
            &HDRPostProcessingDockWidget::refreshFromSession);
    connect(m_pLutLibraryPanel, &LutLibraryPanel::lutChanged, this, &HDRMainWindow::updateCurrentPostProcessing);
    connect(lutPanel, &CLutPanel::lutChanged, m_pLutLibraryPanel, &LutLibraryPanel::refresh);
    connect(lutPanel, &CLutPanel::lutCleared, m_pLutLibraryPanel, &LutLibraryPanel::refresh);
}

void HDRMainWindow::createPresetsDock()
{
    m_presetLibrary = std::make_unique<CPresetLibrary>(*m_pPrompt);
    if (!m_presetLibrary->LoadAll())
    {
        // The critical message was shown; the program cannot go on without its presets.
        Helper::AppLog("No post-processing presets: the application ends");
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
    m_presetsModel = std::make_unique<CPresetsDockModel>(*m_presetLibrary);
    m_presetsModel->SelectFirstVisible();
    m_presetThumbnails = std::make_unique<CPresetThumbnails>(*m_presetLibrary);
    m_pPresetsDock = new HDRPresetsDockWidget(*m_presetsModel, *m_presetThumbnails, m_session->Chain(), this);
    addDockWidget(Qt::RightDockWidgetArea, m_pPresetsDock);
    tabifyDockWidget(m_pPostProcessingDockWidget, m_pPresetsDock);
    m_pPostProcessingDockWidget->raise();
    connect(m_pPresetsDock, qOverload<CPostProcessing*, HDRPresetGroupBox*>(&HDRPresetsDockWidget::updatePostProcessing),
            this, [this](CPostProcessing* preset, HDRPresetGroupBox*) {
                if (preset)
                    ApplyPreset(*preset);
            });
    connect(m_pPresetsDock, &HDRPresetsDockWidget::combineRequested, this, [this] {
        auto* window = new HDRPresetCombineWindow(*m_presetLibrary, *m_presetThumbnails, this);
        connect(window, &HDRPresetCombineWindow::presetAdded, m_pPresetsDock, &HDRPresetsDockWidget::presetsChanged);
        window->show();
    });
}

void HDRMainWindow::ApplyPreset(const CPostProcessing& preset)
{
    CPostProcessing& chain = m_session->Chain();
    chain.Operators() = preset.Operators();
    chain.SetPending(true);
    m_pPostProcessingDockWidget->refreshFromSession();
    updateCurrentPostProcessing();
}

void HDRMainWindow::createStartScreen()
{
    m_pStartScreen = new QWidget;
    m_pStartScreen->setObjectName(QStringLiteral("m_pStartScreen"));
    m_pStartScreen->setAttribute(Qt::WA_StyledBackground);
    auto* title = new QLabel(tr("Willkommen"), m_pStartScreen);
    title->setObjectName(QStringLiteral("m_pStartTitle"));
    auto* text = new QLabel(tr("Öffnen Sie ein Video oder ein Bild, oder ziehen Sie eine Videodatei in dieses Fenster."),
                            m_pStartScreen);
    text->setObjectName(QStringLiteral("m_pStartText"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    auto* video = new QPushButton(tr("Video laden"), m_pStartScreen);
    video->setObjectName(QStringLiteral("m_pStartLoadVideoButton"));
    video->setToolTip(m_pLoadVideoAction->toolTip());
    auto* image = new QPushButton(tr("Bild laden"), m_pStartScreen);
    image->setObjectName(QStringLiteral("m_pStartLoadImageButton"));
    image->setToolTip(m_pLoadImageAction->toolTip());
    connect(video, &QPushButton::clicked, m_pLoadVideoAction, &QAction::trigger);
    connect(image, &QPushButton::clicked, m_pLoadImageAction, &QAction::trigger);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(video);
    buttons->addSpacing(16);
    buttons->addWidget(image);
    buttons->addStretch();
    auto* column = new QVBoxLayout(m_pStartScreen);
    column->addStretch(2);
    column->addWidget(title, 0, Qt::AlignHCenter);
    column->addSpacing(12);
    column->addWidget(text);
    column->addSpacing(24);
    column->addLayout(buttons);
    column->addStretch(3);

    m_pCentralStack = new QStackedWidget(this);
    m_pCentralStack->setObjectName(QStringLiteral("m_pCentralStack"));
    m_pCentralStack->addWidget(m_pStartScreen);
    setCentralWidget(m_pCentralStack);
}

void HDRMainWindow::createInfoDock()
{
    m_pInfoLabel = new QLabel;
    m_pInfoLabel->setObjectName(QStringLiteral("m_pInfoLabel"));
    m_pInfoLabel->setWordWrap(true);
    m_pInfoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pInfoLabel->setMinimumHeight(60);
    SetInfoText(QString());
    m_pInfoDockWidget = MakeDock(this, tr("Informationen"), "m_pInfoDockWidget", m_pInfoLabel, Qt::LeftDockWidgetArea);
}

void HDRMainWindow::SetInfoText(const QString& text)
{
    m_pInfoLabel->setText(text.isEmpty() ? tr("Zeigen Sie mit der Maus auf ein Bedienelement, um hier seine "
                                              "Beschreibung zu lesen.")
                                         : text);
}

void HDRMainWindow::createImagePreview()
{
    m_pPreviewPage = new QWidget;
    m_pPreviewPage->setObjectName(QStringLiteral("m_pPreviewPage"));
    m_pPreviewPage->setAttribute(Qt::WA_StyledBackground);
    const auto tool = [this](const char* name, const QString& text, const QString& tip) {
        auto* button = new QToolButton(m_pPreviewPage);
        button->setObjectName(QLatin1String(name));
        button->setText(text);
        button->setToolTip(tip);
        button->setCheckable(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return button;
    };
    m_pBeforeAfterButton = tool("m_pBeforeAfterButton", tr("Vorher"), tr("Das unbearbeitete Bild zeigen"));
    m_pSplitButton = tool("m_pSplitButton", tr("Geteilt"), tr("Links das unbearbeitete, rechts das bearbeitete Bild"));
    m_pActualSizeButton = tool("m_pActualSizeButton", tr("100 %"),
                               tr("Ein Bildpunkt je Bildschirmpunkt (ziehen zum Verschieben); aus: einpassen"));
    const auto showView = [this] {
        m_pPreviewWidget->SetView(m_pSplitButton->isChecked()         ? CPreviewWidget::eSplit
                                  : m_pBeforeAfterButton->isChecked() ? CPreviewWidget::eOriginal
                                                                      : CPreviewWidget::eGraded);
    };
    connect(m_pBeforeAfterButton, &QToolButton::toggled, this, [this, showView](bool on) {
        if (on)
            m_pSplitButton->setChecked(false);
        showView();
    });
    connect(m_pSplitButton, &QToolButton::toggled, this, [this, showView](bool on) {
        if (on)
            m_pBeforeAfterButton->setChecked(false);
        showView();
    });
    connect(m_pActualSizeButton, &QToolButton::toggled, m_pPreviewWidget, &CPreviewWidget::SetActualSize);

    auto* tools = new QHBoxLayout;
    tools->setContentsMargins(4, 2, 4, 2);
    tools->addWidget(m_pBeforeAfterButton);
    tools->addWidget(m_pSplitButton);
    tools->addSpacing(12);
    tools->addWidget(m_pActualSizeButton);
    tools->addStretch();
    auto* column = new QVBoxLayout(m_pPreviewPage);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(tools);
    m_pPreviewWidget->setParent(m_pPreviewPage);
    m_pPreviewWidget->setToolTip(tr("Vorschau des bearbeiteten Bildes"));
    column->addWidget(m_pPreviewWidget, 1);
    m_pCentralStack->addWidget(m_pPreviewPage);
}

void HDRMainWindow::createShortCuts()
{
    auto* fit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this);
    connect(fit, &QShortcut::activated, m_pActualSizeButton, &QToolButton::toggle);
    auto* before = new QShortcut(QKeySequence(Qt::Key_B), this);
    connect(before, &QShortcut::activated, m_pBeforeAfterButton, &QToolButton::toggle);
}

void HDRMainWindow::updateCurrentPostProcessing()
{
    if (m_preview->HasFrame())
        m_preview->RequestUpdate();
}

void HDRMainWindow::updateHistogram()
{
    m_scopes->RequestUpdate();
}

void HDRMainWindow::showHistogram()
{
    m_pHistogramDock->show();
    m_pHistogramDock->raise();
    updateHistogram();
}

void HDRMainWindow::showColorModule()
{
    if (!m_pColorModuleWindow)
    {
        m_pColorModuleWindow = new HDRColorModuleWindow(*m_session, *m_pPrompt, m_pPreviewWidget, this);
        m_pColorModuleWindow->setWindowFlag(Qt::Window);
        m_pColorModuleWindow->setObjectName(QStringLiteral("color_module_window"));
        m_pColorModuleWindow->setWindowTitle(tr("Farbmodul"));
        connect(m_pColorModuleWindow, &HDRColorModuleWindow::layersChanged, this,
                &HDRMainWindow::updateCurrentPostProcessing);
        connect(m_pColorModuleWindow, &HDRColorModuleWindow::layersChanged, this, &HDRMainWindow::GradeChanged);
    }
    m_pColorModuleWindow->show();
    m_pColorModuleWindow->raise();
}

void HDRMainWindow::showOptions()
{
    m_pOptionsWindow->Reload();
    m_pOptionsWindow->show();
    m_pOptionsWindow->raise();
}
