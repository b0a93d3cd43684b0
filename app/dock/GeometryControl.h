// Control of an eGEO set: the list of shapes, adding and removing them, hardness, shape and
// strength of the selected one, additive or subtractive, and a toggle that edits the shapes on
// the preview.
#pragma once

#include "app/dock/GeometryOverlay.h"
#include "app/dock/ParameterControl.h"
#include "app/dock/PreviewTools.h"

class QListWidget;

class QRadioButton;
class QSlider;

class CGeometryControl : public CParameterControl
{
    Q_OBJECT

public:
    CGeometryControl(CChainEditor& editor, int op, int set, CPreviewTools& tools, QWidget* parent = nullptr);
    ~CGeometryControl() override;
    void Refresh() override;

    /// Adds a shape in the middle of the image and selects it; −1 when the set is full.
    int AddShape(bool additive);
    /// Removes the selected shape.
    void RemoveSelected();
    int Selected() const;
    void Select(int shape);
    QSlider* HardnessSlider() const { return m_apSlider[0]; }
    QSlider* ShapeSlider() const { return m_apSlider[1]; }
    QSlider* StrengthSlider() const { return m_apSlider[2]; }
    QRadioButton* SubtractiveButton() const { return m_pSubtractive; }
    QToolButton* EditButton() const { return m_pEdit; }
    CGeometryOverlay& Overlay() { return m_overlay; }

private:
    void ShowSelected();
    void OnSliders();

    CPreviewTools& m_tools;
    CGeometryOverlay m_overlay;
    QListWidget* m_pList;
    QToolButton* m_pAdd;
    QToolButton* m_pAddSub;
    QToolButton* m_pRemove;
    QSlider* m_apSlider[3];
    QRadioButton* m_pAdditive;
    QRadioButton* m_pSubtractive;
    QToolButton* m_pEdit;
};
