// Control of an eCOMBO set: the layer mode chosen by name from every mode of the blend, and the
// opacity 0…100 %.
#pragma once

#include "app/dock/ParameterControl.h"

class QComboBox;
class QSlider;

class CLayerControl : public CParameterControl
{
    Q_OBJECT

public:
    CLayerControl(CChainEditor& editor, int op, int set, QWidget* parent = nullptr);
    void Refresh() override;
    QComboBox* ModeBox() const { return m_pMode; }
    QSlider* OpacitySlider() const { return m_pOpacity; }

    /// Fills a combo box with every layer mode by name, the mode number as item data.
    static void FillModes(QComboBox* box);

private:
    QComboBox* m_pMode;
    QSlider* m_pOpacity;
    QLabel* m_pOpacityValue;
};
