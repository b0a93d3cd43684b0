// The video dock ("Videoeinstellungen"): a view over CVideoDockModel — the export options with
// their selectors, the clip's resolution and length, the timeline, the position buttons, the
// playback button and the save button.
#pragma once

#include <QDockWidget>

class CTimelineLabel;
class CVideoDockModel;
class QComboBox;
class QLabel;
class QToolButton;

class CVideoDockWidget : public QDockWidget
{
    Q_OBJECT

public:
    explicit CVideoDockWidget(CVideoDockModel& model, QWidget* parent = nullptr);

    CVideoDockModel& Model() { return m_model; }
    CTimelineLabel* Timeline() const { return m_pTimeline; }

public slots:
    /// Shows the model's view: title, labels, selectors, check buttons and enabled states.
    void refresh();

private:
    QToolButton* Button(const char* name, const QString& icon, const QString& tip, bool checkable = false);
    QComboBox* Selector(const char* name, const QString& tip, const QStringList& items);

    CVideoDockModel& m_model;
    QToolButton* m_pPlaySourceButton = nullptr;
    QToolButton* m_pPlayResultButton = nullptr;
    QToolButton* m_pCopyAudioButton = nullptr;
    QToolButton* m_pCopyMetadataButton = nullptr;
    QToolButton* m_pMirrorButton = nullptr;
    QToolButton* m_pFlipButton = nullptr;
    QComboBox* m_pCodecComboBox = nullptr;
    QComboBox* m_pQualityComboBox = nullptr;
    QComboBox* m_pArtefactComboBox = nullptr;
    QToolButton* m_pExpandTimelineButton = nullptr;
    QToolButton* m_pPosStartButton = nullptr;
    QToolButton* m_pPosLeftButton = nullptr;
    QToolButton* m_pPosStepLeftButton = nullptr;
    QToolButton* m_pPlayPauseButton = nullptr;
    QToolButton* m_pPosCenterButton = nullptr;
    QToolButton* m_pPosStepRightButton = nullptr;
    QToolButton* m_pPosRightButton = nullptr;
    QToolButton* m_pPosEndButton = nullptr;
    QToolButton* m_pSaveButton = nullptr;
    QLabel* m_pResolutionLabel = nullptr;
    QLabel* m_pLengthLabel = nullptr;
    QLabel* m_pPositionLabel = nullptr;
    QLabel* m_pStatusLabel = nullptr;
    CTimelineLabel* m_pTimeline = nullptr;
};
