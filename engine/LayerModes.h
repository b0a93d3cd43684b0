// The list of layer modes offered wherever a layer effect or the LUT's blend is chosen: the mode
// number (the item data) and its display key, in list order.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

struct SLayerMode
{
    int iMode;
    const char* pszKey; // translation key in the context "LayerModes"
};

namespace LayerModes
{
/// Every mode the blend knows (0…47, 50…58, 60…68), "Blendmode Normal" first.
const QVector<SLayerMode>& List();
/// The translated display name of a mode number; empty for an unknown number.
QString DisplayName(int mode);
/// Position of a mode number in the list, −1 when it is not there.
int IndexOf(int mode);
}  // namespace LayerModes
