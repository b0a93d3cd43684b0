#include "app/dock/ControlFactory.h"

#include "app/dock/ColourWheelControl.h"
#include "app/dock/GeometryControl.h"
#include "app/dock/LayerControl.h"
#include "app/dock/PreviewControls.h"
#include "app/dock/SliderControl.h"
#include "app/dock/SplineEditor.h"

CParameterControl* CreateParameterControl(CChainEditor& editor, int op, int set, CPreviewTools& tools, QWidget* parent)
{
    const SCatalogueControl* c = editor.Control(op, set);
    // A curve joined to the one before it is edited in that curve's editor.
    if (c && (!c->bVisible || (c->eSetType == CPostProcessing::eSPLINE && c->bJoined)))
        return nullptr;
    switch (editor.SetType(op, set))
    {
    case CPostProcessing::eSLIDER:
        return new CSliderControl(editor, op, set, parent);
    case CPostProcessing::ePOS:
        return new CPositionControl(editor, op, set, tools, parent);
    case CPostProcessing::eSPLINE:
        if (const int joined = editor.JoinedSets(op, set); joined > 0)
            return new CChannelCurvesControl(editor, op, set, joined + 1, parent);
        return new CSplineControl(editor, op, set, parent);
    case CPostProcessing::eCOLOR:
        if (c && c->bWheel)
            return new CColourWheelControl(editor, op, set, parent);
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
