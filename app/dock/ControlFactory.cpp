#include "app/dock/ControlFactory.h"

#include "app/dock/GeometryControl.h"
#include "app/dock/LayerControl.h"
#include "app/dock/PreviewControls.h"
#include "app/dock/SliderControl.h"
#include "app/dock/SplineEditor.h"

CParameterControl* CreateParameterControl(CChainEditor& editor, int op, int set, CPreviewTools& tools, QWidget* parent)
{
    if (const SCatalogueControl* c = editor.Control(op, set); c && !c->bVisible)
        return nullptr;
    switch (editor.SetType(op, set))
    {
    case CPostProcessing::eSLIDER:
        return new CSliderControl(editor, op, set, parent);
    case CPostProcessing::ePOS:
        return new CPositionControl(editor, op, set, tools, parent);
    case CPostProcessing::eSPLINE:
        return new CSplineControl(editor, op, set, parent);
    case CPostProcessing::eCOLOR:
        return new CColourSwatchControl(editor, op, set, tools, parent);
    case CPostProcessing::eLINE:
        return new CLineControl(editor, op, set, tools, parent);
    case CPostProcessing::eCOMBO:
        return new CLayerControl(editor, op, set, parent);
    case CPostProcessing::eGEO:
        return new CGeometryControl(editor, op, set, tools, parent);
    default:
        return nullptr;
    }
}

QList<CParameterControl*> CreateOperatorControls(CChainEditor& editor, int op, CPreviewTools& tools, QWidget* parent)
{
    QList<CParameterControl*> controls;
    for (int set = 0; set < editor.SetCount(op); ++set)
        if (CParameterControl* control = CreateParameterControl(editor, op, set, tools, parent))
            controls.append(control);
    return controls;
}
