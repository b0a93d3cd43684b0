// The layer-mode blend shared by the colour operators and the LUT step: combines a base colour
// with a layer colour per pixel, on normalised 0…1 floats.
#pragma once

namespace LayerBlend
{
/// The ids of the blend modes are those of the blend-mode list; these are the ranges that exist.
constexpr bool IsKnownMode(int mode)
{
    return (mode >= 0 && mode <= 47) || (mode >= 50 && mode <= 58) || (mode >= 60 && mode <= 68);
}
}  // namespace LayerBlend

/// Replaces `ce` (the layer: an operator's result, or the incoming pixel in the LUT step) by the
/// blend of `c0` (the base) and `ce` in the given mode. Both are RGB triples. The result is not
/// clamped; mode 0 and every unknown mode leave `ce` as it is.
void MP_BlendLayerMode(int mode, const float* c0, float* ce);
