// The scope engine's entry point: a scope picture and its counts from a 16-bit RGB picture, and
// the kinds' names on the command line.
#pragma once

#include "scopes/ScopeTypes.h"

#include <QString>

/// Counts `pixels` (packed 16-bit RGB, width × height) for settings.eKind and draws the scope
/// picture of settings.size (clamped to kMinScopeSide…kMaxScopeSide; gain clamped to its
/// range) into `scope`, reusing its buffers. The rows are counted in `bands` bands on the worker
/// split; the result does not depend on the band count. A null or empty picture gives an empty
/// graticule and zero counts.
void MakeScope(const uint16_t* pixels, int width, int height, const SScopeSettings& settings, int bands, SScope& scope);

/// "waveform", "parade", "vectorscope", "histogram".
const char* ScopeKindName(EScopeKind kind);
/// The kind with that name; false for an unknown name.
bool ScopeKindFromName(const QString& name, EScopeKind& kind);
