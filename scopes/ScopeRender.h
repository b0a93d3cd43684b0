// Drawing a scope picture from its counts: the background, the graticule with its labels, then
// the traces (density for waveform, parade and vectorscope; filled curves for the histogram).
#pragma once

#include "scopes/ScopeLayout.h"

/// Draws `counts` of a `settings.eKind` scope laid out as `layout` into `picture`, which must
/// already have settings.size.
void RenderScope(const SScopeSettings& settings, const SScopeLayout& layout, const SScopeCounts& counts,
                 Helper::CRGB48Buffer& picture);

/// A histogram axis label: "950", "1500", "20k", "1.5M", "10M".
QByteArray ScopeCountLabel(uint64_t count);
