// The "Expertenmodus" dock: a view over the grading session's operator chain (operator lists by
// type, the chain, the controls of the selected operator), its film-type and frame-blending
// choices and its LUT.
#pragma once

#include "engine/ChainEditor.h"
#include "engine/OperatorFilter.h"
#include "session/LutPanelModel.h"

#include <QDockWidget>
#include <QList>

class CChainView;
class CFilmTypePanel;
class CFrameBlendPanel;
class CGradingSession;
class CLutPanel;
class COperatorListView;
class CParameterControl;
class CPreviewTools;
class IPreviewSurface;
class IUserPrompt;
class QGroupBox;
class QScrollArea;
class QSettings;
class QTabWidget;

class HDRPostProcessingDockWidget : public QDockWidget
{
    Q_OBJECT

public:
    HDRPostProcessingDockWidget(CGradingSession& session, IUserPrompt& prompt, IPreviewSurface* preview,
                                QWidget* parent = nullptr);
    /// The same over another operator catalogue than the built-in one.
    HDRPostProcessingDockWidget(CGradingSession& session, IUserPrompt& prompt, IPreviewSurface* preview,
                                const COperatorCatalogue& catalogue, QWidget* parent = nullptr);
    ~HDRPostProcessingDockWidget() override;

    CLutPanel* LutPanel() const { return m_pLutPanel; }
    COperatorListView* OperatorList() const { return m_pOperatorList; }
    CChainView* ChainList() const { return m_pChainView; }
    CFilmTypePanel* FilmTypePanel() const { return m_pFilmTypePanel; }
    CFrameBlendPanel* FrameBlendPanel() const { return m_pFrameBlendPanel; }
    /// The controls of the operator selected in the chain, in set order.
    const QList<CParameterControl*>& Controls() const { return m_controls; }
    CChainEditor& Editor() { return m_editor; }
    CLutPanelModel& LutModel() { return m_lutModel; }
    COperatorFilter& Filter() { return m_filter; }

    /// Appends the catalogue's operator for `kernel` to the chain and selects it; its index or −1.
    int AddOperator(const QString& kernel);

    /// Writes the dock's widget state ("PostProcessingDock/…": filter buttons, film type, frame
    /// blending, LUT panel).
    void SaveWidgetState(QSettings& settings) const;
    /// Reads the keys that are present and refreshes the views.
    void LoadWidgetState(QSettings& settings);

signals:
    /// Emitted on every change of an operator, control, film type or LUT parameter that should
    /// refresh the preview.
    void updateCurrentPostProcessing();
    /// The chain entry whose selection mask the preview should show, −1 for the grade.
    void maskViewChanged(int entry);
    /// A change of the frame-blending choice: it changes exports and projects, not the preview.
    void frameBlendChanged();

public slots:
    /// Re-reads the chain, the film-type and frame-blending choices and the LUT state (after a
    /// load).
    void refreshFromSession();

private:
    void Build();
    void ShowControls(int index);
    /// Renders the frame once per layer mode of the LUT and makes the chosen one current.
    void BrowseLayerModes();

    CGradingSession& m_session;
    IUserPrompt& m_prompt;
    CChainEditor m_editor;
    COperatorFilter m_filter;
    CLutPanelModel m_lutModel;
    CPreviewTools* m_pTools;
    QTabWidget* m_pTabs = nullptr;
    COperatorListView* m_pOperatorList = nullptr;
    CChainView* m_pChainView = nullptr;
    QScrollArea* m_pControlsArea = nullptr;
    QGroupBox* m_pControlsBox = nullptr;
    QList<CParameterControl*> m_controls;
    CFilmTypePanel* m_pFilmTypePanel = nullptr;
    CFrameBlendPanel* m_pFrameBlendPanel = nullptr;
    CLutPanel* m_pLutPanel = nullptr;
};
