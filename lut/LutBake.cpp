// The parameter bake: every lattice point is adjusted by the active steps, with hue, saturation
// and value always taken from the point's own input colour, never from the source triple.
#include "lut/LutEngine.h"

#include "core/EngineState.h"
#include "core/Timing.h"
#include "core/WorkerSplit.h"

#include <cmath>
#include <utility>

namespace
{
struct SBakeArgs
{
    const float* pSource = nullptr;
    float* pDestination = nullptr;
    int iSize = 0;
    LutParameters p;
    // Steps whose parameter is away from its neutral value by more than 0.001.
    bool bActive[eLP_COUNT] = {};
    bool bNeedHsv = false;
    float fBrightness2 = 0.f; // b2 = 2·p1
    float fContrast = 0.f;    // k0 = 2·p2 − 1
    float fSaturation = 0.f;  // s = 2·p3, raised to 2.5 above 1
};

// Clamps to 0…1; NaN becomes 0 (it fails the first comparison).
inline float Clamp01(float v)
{
    v = v > 0.f ? v : 0.f;
    return v < 1.f ? v : 1.f;
}

inline void Clamp01(float* c)
{
    c[0] = Clamp01(c[0]);
    c[1] = Clamp01(c[1]);
    c[2] = Clamp01(c[2]);
}

struct SHsv
{
    float h, s, v;
};

// The branch-light hue: sort the channels with two swaps, remembering the sector offset in K.
SHsv InputHsv(float x, float y, float z)
{
    float k = 0.f;
    if (y < z)
    {
        std::swap(y, z);
        k = -1.f;
    }
    if (x < y)
    {
        std::swap(x, y);
        k = -1.f / 3.f - k;
    }
    const float chroma = x - (y < z ? y : z);
    return {std::fabs(k + (y - z) / (6.f * chroma + 1e-20f)), chroma / (x + 1e-20f), x};
}

float SkinWeight(float hue, float s, float v, float k)
{
    const float hw = (0.5f * k + 0.5f) * 0.113f;
    const float e = (1.f - k) * 0.85f + 0.15f;
    float h = hue + 0.03f;
    if (h >= 1.f)
        h = h - 1.f;
    if (h < 0.113f - hw || h > 0.113f + hw)
        return 0.f;
    float t = 1.f - std::fabs(0.113f - h) / hw;
    if (s < 0.35f)
        t = t * std::sqrt(1.f - std::fabs(0.35f - s) / 0.35f);
    else
        t = t * (1.f - std::fabs(0.35f - s) / 0.65f);
    if (v < 0.6f)
        t = t * (1.f - std::fabs(0.6f - v) / 0.6f);
    // At the window's very edge rounding can leave t a hair below zero, where the power is NaN.
    return t > 0.f ? std::pow(t, e) : 0.f;
}

float SkyWeight(float h, float s)
{
    if (!(h >= 0.47999996f && h <= 0.718f))
        return 0.f;
    // At the edges of the window the argument can round a hair below zero.
    const float a = (1.f - std::fabs(0.599f - h) / 0.119f) * s;
    return a > 0.f ? std::sqrt(a) : 0.f;
}

inline void MixBack(float* c, const float* c0, float w)
{
    for (int i = 0; i < 3; ++i)
        c[i] = (1.f - w) * c[i] + w * c0[i];
}

inline void Balance(float* c, float w, float gain)
{
    for (int i = 0; i < 3; ++i)
        c[i] = w * c[i] * gain + c[i] * (1.f - w);
    Clamp01(c);
}

// The channel pushed by a colour balance gets exponent 1.5 − p, the two others p + 0.5.
inline void ChannelBalance(float* c, int channel, float p)
{
    for (int i = 0; i < 3; ++i)
        c[i] = std::pow(c[i], i == channel ? 1.5f - p : p + 0.5f);
}

void BakePoint(const SBakeArgs& a, int r, int g, int b)
{
    const float last = float(a.iSize - 1);
    const float c0[3] = {float(r) / last, float(g) / last, float(b) / last};
    const size_t offset = LutLattice::Offset(r, g, b, a.iSize);
    const float* cs = a.pSource + offset;
    const LutParameters& p = a.p;
    const bool* on = a.bActive;

    SHsv hsv{0.f, 0.f, 0.f};
    if (a.bNeedHsv)
        hsv = InputHsv(c0[0], c0[1], c0[2]);
    const float V = hsv.v;

    float c[3];
    for (int i = 0; i < 3; ++i)
        c[i] = (cs[i] - c0[i]) * p[eLP_INTENSITY] + c0[i];

    if (on[eLP_BRIGHTNESS])
    {
        const float b2 = a.fBrightness2;
        if (b2 <= 1.f)
        {
            const float f = 1.f - (1.f - V * V) * (1.f - b2);
            for (float& x : c)
                x = x * f;
        }
        else
        {
            const float f = (b2 - 1.f) * 0.75f * V;
            for (float& x : c)
                x = x * (1.f - f) + f;
        }
        Clamp01(c);
    }
    if (on[eLP_CONTRAST])
    {
        const float k = std::sqrt(1.f - 2.f * std::fabs(V - 0.5f)) * a.fContrast;
        for (float& x : c)
            x = x + (x - 0.5f) * k;
        Clamp01(c);
    }
    if (on[eLP_SATURATION])
    {
        const float m = (c[0] + c[1] + c[2]) * 0.333333f;
        for (float& x : c)
            x = m + (x - m) * a.fSaturation;
        Clamp01(c);
    }
    if (on[eLP_BALANCE_SHADOWS])
        Balance(c, (1.f - V) * (1.f - V), 3.f * (p[eLP_BALANCE_SHADOWS] - 0.5f) + 1.f);
    if (on[eLP_BALANCE_LIGHTS])
        Balance(c, V * V * (1.f - V), 3.f * (p[eLP_BALANCE_LIGHTS] - 0.5f) + 1.f);
    if (on[eLP_BALANCE_RED])
        ChannelBalance(c, 0, p[eLP_BALANCE_RED]);
    if (on[eLP_BALANCE_GREEN])
        ChannelBalance(c, 1, p[eLP_BALANCE_GREEN]);
    if (on[eLP_BALANCE_BLUE])
        ChannelBalance(c, 2, p[eLP_BALANCE_BLUE]);

    if (on[eLP_PROTECT_LIGHTS])
        MixBack(c, c0, V * p[eLP_PROTECT_LIGHTS]);
    if (on[eLP_PROTECT_SHADOWS])
        MixBack(c, c0, (1.f - V) * p[eLP_PROTECT_SHADOWS]);
    if (on[eLP_PROTECT_SATURATION])
        MixBack(c, c0, hsv.s * p[eLP_PROTECT_SATURATION]);
    if (on[eLP_PROTECT_SKIN])
        MixBack(c, c0, SkinWeight(hsv.h, hsv.s, V, p[eLP_PROTECT_SKIN]) * p[eLP_PROTECT_SKIN]);
    if (on[eLP_PROTECT_SKY])
        MixBack(c, c0, SkyWeight(hsv.h, hsv.s) * p[eLP_PROTECT_SKY]);

    Clamp01(c);
    float* out = a.pDestination + offset;
    out[0] = c[0];
    out[1] = c[1];
    out[2] = c[2];
}

SBakeArgs Prepare(int size, const float* source, float* destination, const LutParameters& p)
{
    SBakeArgs a;
    a.pSource = source;
    a.pDestination = destination;
    a.iSize = size;
    a.p = p;
    const auto table = LutParameterTable();
    for (int i = eLP_BRIGHTNESS; i < eLP_COUNT; ++i)
        a.bActive[i] = std::fabs(p[i] - table[size_t(i)].fNeutral) > 0.001f;
    a.bNeedHsv = a.bActive[eLP_BRIGHTNESS] || a.bActive[eLP_CONTRAST] ||
                 a.bActive[eLP_BALANCE_SHADOWS] || a.bActive[eLP_BALANCE_LIGHTS];
    for (int i = eLP_PROTECT_LIGHTS; i <= eLP_PROTECT_SKY; ++i)
        a.bNeedHsv = a.bNeedHsv || a.bActive[i];
    a.fBrightness2 = 2.f * p[eLP_BRIGHTNESS];
    a.fContrast = 2.f * p[eLP_CONTRAST] - 1.f;
    a.fSaturation = 2.f * p[eLP_SATURATION];
    if (a.fSaturation > 1.f)
        a.fSaturation = std::pow(a.fSaturation, 2.5f);
    return a;
}
}  // namespace

void MP_calcLUTtoLUTCalc(int size, const float* source, float* destination, const LutParameters& p)
{
    if (!source || !destination || !LutLattice::IsValidSize(size))
        return;
    const double stamp = MP_TimeStamp();
    const SBakeArgs args = Prepare(size, source, destination, p);
    // Slabs of constant blue, one band of slabs per worker.
    MP_MT_ForBands(size, MP_UI_GetThreadCount(), [&args](const TaskFuncParams& t) {
        for (int b = t.iRowBegin; b < t.iRowEnd; ++b)
            for (int g = 0; g < args.iSize; ++g)
                for (int r = 0; r < args.iSize; ++r)
                    BakePoint(args, r, g, b);
    });
    MP_LogMs(stamp, "MP_calcLUTtoLUTCalc");
}

void MP_calcLUTtoLUTCalc(int size, const float* source, float* destination, float p0, float p1,
                         float p2, float p3, float p4, float p5, float p6, float p7, float p8,
                         float p9, float p10, float p11, float p12, float p13)
{
    LutParameters p;
    p.afValue = {p0, p1, p2, p3, p4, p5, p6, p7, p8, p9, p10, p11, p12, p13};
    MP_calcLUTtoLUTCalc(size, source, destination, p);
}
