// Where a scope picture puts its plot, its parts and its graticule labels.
#pragma once

#include "scopes/ScopeTypes.h"

struct SScopeLayout
{
    /// Pixel size of the label font; 0 when the picture is too small for labels.
    int iLabelScale = 0;
    /// The plot: the waveform's or histogram's area, the parade's three sections with their gaps,
    /// the vectorscope's square.
    QRect plot;
    /// As SScope::areas: one per counted grid (the histogram's one plot).
    std::vector<QRect> areas;
};

/// The layout of a `kind` scope picture of `size` (at least kMinScopeSide on each side).
SScopeLayout LayoutScope(EScopeKind kind, QSize size);
