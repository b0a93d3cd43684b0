#include "engine/kernels/colour/ColourShared.h"

namespace ColourFamily
{
float SkinWeight(const Colour::SComponents& hsv)
{
    // Skin lies around orange-red (hue 0.07, 25°), moderately saturated and not too dark.
    const float d = std::fabs((hsv.f0 > 0.5f ? hsv.f0 - 1.0f : hsv.f0) - 0.07f);
    if (d >= 0.08f)
        return 0.0f;
    return (1.0f - Smoothstep(0.03f, 0.08f, d)) * Smoothstep(0.08f, 0.2f, hsv.f1) *
           (1.0f - Smoothstep(0.55f, 0.75f, hsv.f1)) * Smoothstep(0.15f, 0.35f, hsv.f2);
}

int RunChannelTables(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p,
                     const SSetLayout& sets, const SChannelTables& tables)
{
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(sets, *p), SChannelTableOp{tables});
}

const SLevelTable* CurveTable(const Params& p, const float* v)
{
    float a[7], b[7], c[7], d[7], xp[7];
    MP_SplineCoefficients(v, a, b, c, d, xp);
    return MP_LevelTable(p, eLT_CURVE, {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]},
                         [&](int i) { return MP_SplineEval(a, b, c, d, xp, float(i) / 65535.0f); });
}

bool IsIdentityCurve(const float* curve)
{
    for (int i = 0; i < 6; ++i)
        if (Differs(curve[2 * i + 1], curve[2 * i]))
            return false;
    return true;
}

bool IsFlatCurve(const float* curve, float y)
{
    for (int i = 0; i < 6; ++i)
        if (Differs(curve[2 * i + 1], y))
            return false;
    return true;
}
}  // namespace ColourFamily
