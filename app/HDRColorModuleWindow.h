// The colour window: the layer list of the session's colour module with its controls, colour
// pipettes on the central preview, the mask of a layer and a colour wheel shaded by the selection.
// Every decision is the module's; this window binds widgets to it.
#pragma once

#include "app/PreviewSurface.h"
#include "engine/colourmodule/ColorModuleEngine.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <vector>

class CGradingSession;
class IUserPrompt;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
struct SColorLayerData;

namespace ColorModule
{
/// A hue/saturation wheel at full value; colours outside the layer's selection are darkened by
/// their selection weight.
class CColorImage : public QWidget
{
public:
    explicit CColorImage(QWidget* parent = nullptr);
    /// Shades the wheel by a selection; no selection shows it unshaded.
    void SetSelection(const SCMSelection* selection);
    const QImage& Wheel() const { return m_image; }
    QSize sizeHint() const override { return {kSide, kSide}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    static constexpr int kSide = 180;
    QImage m_image;
};
}  // namespace ColorModule

class HDRColorModuleWindow : public QWidget
{
    Q_OBJECT

public:
    HDRColorModuleWindow(CGradingSession& session, IUserPrompt& prompt, IPreviewSurface* preview,
                         QWidget* parent = nullptr);
    ~HDRColorModuleWindow() override;

    /// The layer the controls show; −1 without layers.
    int CurrentLayer() const;
    void SetCurrentLayer(int index);
    /// The mask shown now (empty when none).
    const QImage& MaskImage() const { return m_maskImage; }

signals:
    /// Any change of a layer, the list, picking or the mask: the preview must be graded again.
    void layersChanged();

public slots:
    /// Re-reads the layer list (after the session's layers were replaced).
    void refreshFromSession();
    /// Ends any colour picking (Escape, or the program's abort).
    void abortPicking();

private:
    class CPickOverlay;
    struct SSlider
    {
        QSlider* pSlider;
        QLabel* pValue;
        float SColorLayerData::*field;
    };

    SColorLayerData* Current();
    QWidget* BuildSliders(const QList<QPair<QString, float SColorLayerData::*>>& rows, const char* prefix);
    void Changed();
    void FillList();
    void FillControls();
    void UpdateMask();
    void UpdateWheel();
    void StartPicking(bool source, bool on);
    bool Picked(QPointF imagePos);
    void PaintMarks(QPainter& painter, const QTransform& imageToWidget);

    CGradingSession& m_session;
    IUserPrompt& m_prompt;
    IPreviewSurface* m_pPreview;
    std::unique_ptr<CPickOverlay> m_overlay;
    bool m_bUpdating = false;
    QImage m_maskImage;

    QListWidget* m_pLayerList = nullptr;
    QPushButton* m_pAddButton = nullptr;
    QPushButton* m_pRemoveButton = nullptr;
    QPushButton* m_pUpButton = nullptr;
    QPushButton* m_pDownButton = nullptr;
    QPushButton* m_pCopyButton = nullptr;
    QPushButton* m_pPasteButton = nullptr;
    QPushButton* m_pSaveButton = nullptr;
    QPushButton* m_pLoadButton = nullptr;
    QPushButton* m_pPickSrcButton = nullptr;
    QPushButton* m_pPickDstButton = nullptr;
    QPushButton* m_pSrcToDstButton = nullptr;
    QPushButton* m_pResetButton = nullptr;
    QCheckBox* m_pInvertCheckBox = nullptr;
    QCheckBox* m_pShowMaskCheckBox = nullptr;
    QRadioButton* m_pMaskSelectionRadio = nullptr;
    QRadioButton* m_pMaskPickabilityRadio = nullptr;
    QLabel* m_pMaskView = nullptr;
    QLabel* m_pSrcSwatch = nullptr;
    QLabel* m_pDstSwatch = nullptr;
    QWidget* m_pControls = nullptr;
    ColorModule::CColorImage* m_pWheel = nullptr;
    std::vector<SSlider> m_sliders;
};
