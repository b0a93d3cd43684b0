// Controls of the sets picked on the preview: a position (ePOS), a line (eLINE) and a colour
// (eCOLOR, with a colour dialog and a pipette). Each shows its values and a toggle that hands the
// preview's mouse to it.
#pragma once

#include "app/dock/ParameterControl.h"
#include "app/dock/PreviewTools.h"

class QDoubleSpinBox;
class QPushButton;

class CPositionControl : public CParameterControl
{
    Q_OBJECT

public:
    CPositionControl(CChainEditor& editor, int op, int set, CPreviewTools& tools, QWidget* parent = nullptr);
    ~CPositionControl() override;
    void Refresh() override;
    QToolButton* PickButton() const { return m_pPick; }

private:
    void SetFromImage(QPointF imagePos);
    void OnSpin();

    CPreviewTools& m_tools;
    CCallbackOverlay m_overlay;
    QDoubleSpinBox* m_pX;
    QDoubleSpinBox* m_pY;
    QToolButton* m_pPick;
};

class CLineControl : public CParameterControl
{
    Q_OBJECT

public:
    CLineControl(CChainEditor& editor, int op, int set, CPreviewTools& tools, QWidget* parent = nullptr);
    ~CLineControl() override;
    void Refresh() override;
    QToolButton* PickButton() const { return m_pPick; }

private:
    void SetPoint(int which, QPointF imagePos);
    void OnSpin();

    CPreviewTools& m_tools;
    CCallbackOverlay m_overlay;
    QDoubleSpinBox* m_apSpin[4];
    QToolButton* m_pPick;
};

class CColourSwatchControl : public CParameterControl
{
    Q_OBJECT

public:
    CColourSwatchControl(CChainEditor& editor, int op, int set, CPreviewTools& tools, QWidget* parent = nullptr);
    ~CColourSwatchControl() override;
    void Refresh() override;
    QToolButton* PipetteButton() const { return m_pPipette; }
    /// Sets red, green and blue (0…1) and reports the change.
    void SetColour(const QColor& colour);

private:
    void ChooseColour();

    CPreviewTools& m_tools;
    CCallbackOverlay m_overlay;
    QPushButton* m_pSwatch;
    QToolButton* m_pPipette;
};
