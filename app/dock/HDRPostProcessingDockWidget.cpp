#include "app/dock/HDRPostProcessingDockWidget.h"

#include "app/LutBrowserWindow.h"
#include "app/dock/ChainView.h"
#include "app/dock/ControlFactory.h"
#include "app/dock/FilmTypePanel.h"
#include "app/dock/FrameBlendPanel.h"
#include "app/dock/LutPanel.h"
#include "app/dock/OperatorListView.h"
#include "app/dock/PreviewTools.h"
#include "engine/LayerModes.h"
#include "session/GradingSession.h"
#include "session/LutBrowse.h"

#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

HDRPostProcessingDockWidget::HDRPostProcessingDockWidget(CGradingSession& session, IUserPrompt& prompt,
                                                         IPreviewSurface* preview, QWidget* parent)
    : HDRPostProcessingDockWidget(session, prompt, preview, COperatorCatalogue::Shared(), parent)
{
}

HDRPostProcessingDockWidget::HDRPostProcessingDockWidget(CGradingSession& session, IUserPrompt& prompt,
                                                         IPreviewSurface* preview,
                                                         const COperatorCatalogue& catalogue, QWidget* parent)
    : QDockWidget(tr("Expertenmodus"), parent), m_session(session), m_prompt(prompt),
      m_editor(session.Chain(), catalogue), m_lutModel(session.Lut()), m_pTools(new CPreviewTools(preview, this))
{
    setObjectName(QStringLiteral("m_pPostProcessingDockWidget"));
    m_pTools->SetInputSampler([this](int op, QPointF pos, float* rgb) {
        return m_session.OperatorInputColour(op, QPoint(int(std::floor(pos.x())), int(std::floor(pos.y()))), rgb);
    });
    Build();
    refreshFromSession();
}

HDRPostProcessingDockWidget::~HDRPostProcessingDockWidget()
{
    // The controls take their overlays off the preview while the tools still exist.
    qDeleteAll(m_controls);
    m_controls.clear();
}

void HDRPostProcessingDockWidget::Build()
{
    m_pTabs = new QTabWidget(this);

    // Operators: the catalogue list, the chain, the selected operator's controls.
    auto* splitter = new QSplitter(Qt::Vertical, m_pTabs);
    m_pOperatorList = new COperatorListView(m_editor.Catalogue(), m_filter, splitter);
    m_pChainView = new CChainView(m_editor, splitter);
    m_pControlsArea = new QScrollArea(splitter);
    m_pControlsArea->setWidgetResizable(true);
    m_pControlsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    splitter->addWidget(m_pOperatorList);
    splitter->addWidget(m_pChainView);
    splitter->addWidget(m_pControlsArea);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 1);
    splitter->setStretchFactor(2, 4);
    splitter->setSizes({220, 110, 470}); // the controls of the selected operator get the most room
    splitter->setChildrenCollapsible(false);
    m_pTabs->addTab(splitter, tr("Operatoren"));

    auto* filmPage = new QWidget(m_pTabs);
    auto* filmColumn = new QVBoxLayout(filmPage);
    m_pFilmTypePanel = new CFilmTypePanel(m_session.FilmTypes(), filmPage);
    filmColumn->addWidget(m_pFilmTypePanel);
    m_pFrameBlendPanel = new CFrameBlendPanel(m_session.FrameBlending(), filmPage);
    filmColumn->addWidget(m_pFrameBlendPanel);
    filmColumn->addStretch(1);
    m_pTabs->addTab(filmPage, tr("Filmtyp"));

    auto* lutScroll = new QScrollArea(m_pTabs);
    lutScroll->setWidgetResizable(true);
    lutScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pLutPanel = new CLutPanel(m_lutModel, m_prompt, lutScroll);
    lutScroll->setWidget(m_pLutPanel);
    m_pTabs->addTab(lutScroll, tr("LUT"));
    setWidget(m_pTabs);

    connect(m_pOperatorList, &COperatorListView::addRequested, this, &HDRPostProcessingDockWidget::AddOperator);
    connect(m_pChainView, &CChainView::chainChanged, this, &HDRPostProcessingDockWidget::updateCurrentPostProcessing);
    connect(m_pChainView, &CChainView::currentChanged, this, &HDRPostProcessingDockWidget::ShowControls);
    connect(m_pChainView, &CChainView::maskViewChanged, this, &HDRPostProcessingDockWidget::maskViewChanged);
    connect(m_pFilmTypePanel, &CFilmTypePanel::changed, this, &HDRPostProcessingDockWidget::updateCurrentPostProcessing);
    connect(m_pFrameBlendPanel, &CFrameBlendPanel::changed, this, &HDRPostProcessingDockWidget::frameBlendChanged);
    connect(m_pLutPanel, &CLutPanel::lutChanged, this, &HDRPostProcessingDockWidget::updateCurrentPostProcessing);
    connect(m_pLutPanel, &CLutPanel::layerBrowserRequested, this, &HDRPostProcessingDockWidget::BrowseLayerModes);
}

void HDRPostProcessingDockWidget::BrowseLayerModes()
{
    QList<QPair<int, QString>> modes;
    for (const SLayerMode& m : LayerModes::List())
        modes.append({m.iMode, QCoreApplication::translate("LayerModes", m.pszKey)});
    CLayerModeBrowse browse(m_session, modes);
    LutBrowserWindow::Browse(browse, tr("LUT Layermethod"), tr("Create Images: "), this);
    m_pLutPanel->Refresh();
    emit updateCurrentPostProcessing();
}

int HDRPostProcessingDockWidget::AddOperator(const QString& kernel)
{
    const int index = m_editor.Add(kernel);
    if (index < 0)
        return -1;
    m_pChainView->Refresh(index);
    ShowControls(index);
    emit updateCurrentPostProcessing();
    return index;
}

void HDRPostProcessingDockWidget::ShowControls(int index)
{
    qDeleteAll(m_controls);
    m_controls.clear();
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(4, 4, 4, 4);
    if (m_editor.IsValid(index))
    {
        const SCatalogueEntry* entry = m_editor.Entry(index);
        const CPostProcessing::SOperator& op = m_editor.Chain().Operators()[index];
        const QString title = entry ? tr(entry->sName.toUtf8().constData()) : op.Kernel;
        m_pControlsBox = new QGroupBox(title, page);
        auto* box = new QVBoxLayout(m_pControlsBox);
        box->setContentsMargins(6, 4, 6, 4);
        m_controls = CreateOperatorControls(m_editor, index, *m_pTools, m_pControlsBox);
        for (CParameterControl* control : m_controls)
        {
            box->addWidget(control);
            connect(control, &CParameterControl::changed, this, &HDRPostProcessingDockWidget::updateCurrentPostProcessing);
        }
        if (m_controls.isEmpty())
            box->addWidget(new QLabel(tr("Dieser Operator hat keine Einstellungen."), m_pControlsBox));
        column->addWidget(m_pControlsBox);
    }
    else
    {
        m_pControlsBox = nullptr;
        auto* hint = new QLabel(tr("Operator aus der Liste wählen oder hinzufügen."), page);
        hint->setWordWrap(true);
        column->addWidget(hint);
    }
    column->addStretch(1);
    m_pControlsArea->setWidget(page); // deletes the previous page
}

void HDRPostProcessingDockWidget::refreshFromSession()
{
    m_pOperatorList->Refresh();
    m_pChainView->Refresh();
    ShowControls(m_pChainView->Current());
    m_pFilmTypePanel->Refresh();
    m_pFrameBlendPanel->Refresh();
    m_pLutPanel->Refresh();
}

void HDRPostProcessingDockWidget::SaveWidgetState(QSettings& settings) const
{
    m_filter.SaveState(settings);
    m_session.FilmTypes().SaveState(settings);
    m_session.FrameBlending().SaveState(settings);
    m_lutModel.SaveState(settings);
}

void HDRPostProcessingDockWidget::LoadWidgetState(QSettings& settings)
{
    m_filter.LoadState(settings);
    m_session.FilmTypes().LoadState(settings);
    m_session.FrameBlending().LoadState(settings);
    m_lutModel.LoadState(settings);
    refreshFromSession();
}
