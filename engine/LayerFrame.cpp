#include "engine/LayerFrame.h"

#include "core/WorkerSplit.h"
#include "engine/EngineContext.h"
#include "engine/Spline.h"

#include <cmath>

namespace
{
constexpr float kEpsilon = 0.001f;
}

int MP_GeometryShapesInUse(const float* geo)
{
    for (int i = MP_GEO_SHAPES; i >= 1; --i)
        if (geo[8 * (i - 1)] != 0.0f)
            return i;
    return 0;
}

float MP_GeometryOpacity(const float* geo, int shapes, int x, int y, const Params& params)
{
    const float W = float(params.width), H = float(params.height);
    const float Y = float(y + params.y_offset) / H;
    const float X = float(x) / W;
    const float Xl = float(x - params.width) / W;
    const float Xr = float(x + params.width) / W;
    float opacity = -1.0f, sub = -1.0f;
    bool additive = false;
    for (int i = 0; i < shapes && i < MP_GEO_SHAPES; ++i)
    {
        const float* q = geo + 8 * i;
        if (q[0] == 0.0f)
            continue;
        const bool isAdditive = q[0] == 1.0f;
        additive = additive || isAdditive;
        // Edge case: a shape without extent covers nothing (and must not divide by zero).
        if (!(q[1] > 0.0f) || !(q[2] > 0.0f))
            continue;
        const float dy = std::fabs(Y - q[7]) / q[2];
        if (!(dy <= 1.0f))
            continue;
        float dx = std::fabs(X - q[6]);
        if (params.panoramamode)
            dx = std::fmin(q[6] - Xl, std::fmin(dx, Xr - q[6]));
        dx = dx / q[1];
        if (!(dx < 1.0f))
            continue;
        float e = q[4] * (1.0f - kEpsilon) + kEpsilon;
        e = e < 0.5f ? 2.0f * e + 1.0f : ((e - 0.5f) * 8.0f) * ((e - 0.5f) * 8.0f) + 2.0f;
        const float len = std::pow(dx, e) + std::pow(dy, e);
        if (!(len <= 1.0f))
            continue;
        const float s = std::pow(1.0f - std::pow(len, 1.0f / (0.08f * e + 0.92f)),
                                 (1.0f - q[3]) * (2.0f - kEpsilon) + kEpsilon) *
                        q[5];
        if (isAdditive)
            opacity = std::fmax(opacity, s);
        else
            sub = std::fmax(sub, s);
    }
    if (opacity < 0.0f)
        opacity = additive ? 0.0f : 1.0f;
    if (sub >= 0.0f)
        opacity = opacity - sub;
    if (opacity < 0.0025f)
        opacity = 0.0f;
    return MP_Clamp01(opacity);
}

SLayerFrame MP_PrepareFrame(const SSetLayout& sets, const Params& params)
{
    SLayerFrame f;
    f.pParams = &params;
    f.afLum[0] = params.lumr;
    f.afLum[1] = params.lumg;
    f.afLum[2] = params.lumb;
    if (sets.iCombo >= 0 && sets.iCombo < MP_PARAM_SETS)
    {
        const float mode = params.p[sets.iCombo][0];
        f.iMode = mode >= 0.0f && mode < 1000.0f ? int(mode) : 0;
        f.fOpacity = MP_Clamp01(params.p[sets.iCombo][1] * 0.01f);
        f.bLayer = f.iMode != 0 || f.fOpacity != 1.0f;
    }
    if (sets.iGeo >= 0 && sets.iGeo < MP_PARAM_SETS && params.geometry_needed > 0)
    {
        f.pGeo = params.p[sets.iGeo];
        f.iShapes = params.geometry_needed < MP_GEO_SHAPES ? params.geometry_needed : MP_GEO_SHAPES;
    }
    if (sets.eCurveRole == eCR_MASK && sets.iCurve >= 0 && sets.iCurve < MP_PARAM_SETS && params.pEngine)
        f.pMask = MP_MaskingTable(params, params.p[sets.iCurve]);
    return f;
}

const float* MP_MaskingTable(const Params& params, const float* curve)
{
    if (MP_SplineIsFlatOne(curve))
        return nullptr;
    float a[7], b[7], c[7], d[7], xp[7];
    MP_SplineCoefficients(curve, a, b, c, d, xp);
    const float* v = curve; // the key: the curve's twelve values
    return MP_LevelTable(params, eLT_MASK, {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]},
                         [&](int i) { return MP_SplineEval(a, b, c, d, xp, float(i) / 65535.0f); })
        ->af;
}

SLayerFrame MP_PrepareFrame(const SKernelEntry& entry, const Params& params)
{
    return MP_PrepareFrame(entry.sets, params);
}

void MP_ApplyLayerFrame(const SLayerFrame& frame, int width, int height, const uint16_t* before,
                        int beforeStride, uint16_t* result, int resultStride)
{
    if (frame.IsPlain() || !before || !result || width < 1 || height < 1 || !frame.pParams ||
        !frame.pParams->pEngine)
        return;
    const int bs = beforeStride / 2, rs = resultStride / 2;
    // The kernel's own result is what the result image already holds.
    struct SResultOp
    {
        const uint16_t* result;
        int width, step;
        void Pixel(int x, int y, const uint16_t*, float*, float* ce) const
        {
            const uint16_t* px = result + (size_t(y) * width + x) * step;
            ce[0] = px[0] * MP_DECODE, ce[1] = px[1] * MP_DECODE, ce[2] = px[2] * MP_DECODE;
        }
    };
    const SResultOp op{result, width, rs};
    const auto row = MP_ChooseFrameRow<SResultOp>(frame);
    MP_MT_ForBands(height, MP_KernelWorkers(*frame.pParams, width, height), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            row(frame, op, before + size_t(y) * width * bs, bs, result + size_t(y) * width * rs, rs, width, y);
    });
}
