// The frame-blending controls of an export: how many frames are blended, by which rule, and
// whether the exported frames show before and after side by side.
#pragma once

#include <QGroupBox>

class CFrameBlendChoice;
class QCheckBox;
class QComboBox;

class CFrameBlendPanel : public QGroupBox
{
    Q_OBJECT

public:
    CFrameBlendPanel(CFrameBlendChoice& model, QWidget* parent = nullptr);
    /// Re-reads the model without reporting a change.
    void Refresh();

    QComboBox* CountBox() const { return m_pCount; }
    QComboBox* ModeBox() const { return m_pMode; }
    QCheckBox* HalfBox() const { return m_pHalf; }
    QCheckBox* CentreBox() const { return m_pCentre; }

signals:
    void changed();

private:
    CFrameBlendChoice& m_model;
    QComboBox* m_pCount;
    QComboBox* m_pMode;
    QCheckBox* m_pHalf;
    QCheckBox* m_pCentre;
};
