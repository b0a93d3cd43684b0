// Builds the controls of a chain operator from its sets and their catalogue controls: one
// control per visible set, the kind chosen by the set type.
#pragma once

#include "app/dock/ParameterControl.h"

#include <QList>

class CPreviewTools;

/// The control for one set; null for a hidden catalogue control or an unknown set type.
CParameterControl* CreateParameterControl(CChainEditor& editor, int op, int set, CPreviewTools& tools, QWidget* parent);
/// Controls for every set of an operator, in set order.
QList<CParameterControl*> CreateOperatorControls(CChainEditor& editor, int op, CPreviewTools& tools, QWidget* parent);
