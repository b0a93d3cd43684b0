// Slider of an eSLIDER set: caption, the labelled ends, the value in the control's unit and a
// reset button. Every value change while dragging is reported.
#pragma once

#include "app/dock/ParameterControl.h"

class QSlider;

class CSliderControl : public CParameterControl
{
    Q_OBJECT

public:
    static constexpr int kSteps = 1000;

    CSliderControl(CChainEditor& editor, int op, int set, QWidget* parent = nullptr);
    void Refresh() override;
    QSlider* Slider() const { return m_pSlider; }

private:
    void OnValue(int value);
    void ShowValue();

    QSlider* m_pSlider;
    QLabel* m_pValue;
};
