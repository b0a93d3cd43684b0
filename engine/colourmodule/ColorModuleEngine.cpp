#include "engine/colourmodule/ColorModuleEngine.h"

#include "core/ColourSpace.h"
#include "core/EngineState.h"
#include "core/Timing.h"

#include <cmath>
#include <cstring>
#include <mutex>
#include <vector>

namespace
{
constexpr float kTwoPi = 6.28318530717958647692f;
constexpr float kDecode = 1.f / 65535.f;

std::vector<uint16_t> g_hsvGrid;          // 3 × 128³ samples, built once
std::once_flag g_gridOnce;
std::vector<uint16_t> g_selection(MP_CM_GRID_ENTRIES); // rebuilt per layer
std::vector<float> g_values(65536);                      // rebuilt per layer
std::vector<float> g_huePartial(65536), g_satPartial(65536); // rebuilt per layer
double g_lastCall = 0.0;

/// Anything not a finite number becomes `fallback`; the rest is clamped to lo..hi. Every setting
/// passes through here before it reaches a table, so a damaged record cannot poison one.
float Sane(float v, float lo, float hi, float fallback = 0.f)
{
    if (!std::isfinite(v))
        return fallback;
    return v < lo ? lo : (v > hi ? hi : v);
}

float Clamp01(float v)
{
    return v > 0.f ? (v < 1.f ? v : 1.f) : 0.f;
}

int Workers()
{
    return MP_UI_GetThreadCount();
}

/// Weight of a brightness x under the minimum value V: 1 from V up, fading with the fourth power below.
float ValueWeight(float x, float valMin)
{
    if (!(valMin > x))
        return 1.f;
    const float t = (valMin - x) / std::fmax(0.001f, valMin);
    const float t2 = t * t;
    return 1.f - t2 * t2;
}

/// A layer's selection with the hue range moved so that it and its soft margin lie inside 0..1.
struct SAlignedRange
{
    float h1, h2, dh;
    float s1, s2, ds;
    float shift;
    bool invert;

    explicit SAlignedRange(const SCMSelection& sel)
    {
        h1 = Sane(sel.fHueMin, 0.f, 1.f);
        h2 = Sane(sel.fHueMax, 0.f, 1.f);
        s1 = Sane(sel.fSatMin, 0.f, 1.f);
        s2 = Sane(sel.fSatMax, 0.f, 1.f);
        ds = Sane(sel.fSoftness, 0.f, 1.f) / 2.f;
        dh = ds / kTwoPi;
        invert = sel.bInvert;
        shift = 0.f;
        bool shifted = false;
        if (h1 > h2 || h2 + dh >= 1.f)
            shift = dh + 1.f - h1, shifted = true;
        else if (h1 - dh < 0.f)
            shift = dh - h1, shifted = true;
        if (shifted)
        {
            h2 += shift;
            if (h2 >= 1.f)
                h2 -= 1.f;
            h1 = dh;
        }
    }

    /// What a hue (or a saturation) alone says: kOutside beyond the soft margin, kInside within
    /// the range, else its partial weight in the margin.
    static constexpr float kOutside = -1.f;
    static constexpr float kInside = 2.f;

    float HuePartial(float h) const
    {
        float hp = h + shift;
        if (hp >= 1.f)
            hp -= 1.f;
        if (hp < h1 - dh || hp > h2 + dh)
            return kOutside;
        if (hp >= h1 && hp <= h2)
            return kInside;
        return hp < h1 ? 1.f - (h1 - hp) / dh : 1.f - (hp - h2) / dh;
    }

    float SatPartial(float s) const
    {
        if (s < s1 - ds || s > s2 + ds)
            return kOutside;
        if (s >= s1 && s <= s2)
            return kInside;
        return s < s1 ? 1.f - (s1 - s) / ds : 1.f - (s - s2) / ds;
    }

    /// The weight from the two partial answers and the value weight vw.
    float Combine(float hue, float sat, float vw) const
    {
        float w;
        if (hue == kOutside || sat == kOutside)
            w = 0.f;
        else if (hue == kInside && sat == kInside)
            w = vw;
        else
        {
            // In the soft margin: the smaller of the partial weights that apply.
            const float wh = hue == kInside ? 0.f : hue, ws = sat == kInside ? 0.f : sat;
            const float m = (wh > 0.f && (ws <= 0.f || ws > wh)) ? wh : ws;
            w = m * m * vw;
        }
        return invert ? 1.f - w : w;
    }

    /// The weight of hue h and saturation s with the value weight vw already known.
    float Weight(float h, float s, float vw) const { return Combine(HuePartial(h), SatPartial(s), vw); }
};

inline uint32_t GridIndex(uint16_t r, uint16_t g, uint16_t b)
{
    return (uint32_t(r >> 9) << 14) | (uint32_t(g >> 9) << 7) | uint32_t(b >> 9);
}

void BuildGrid()
{
    g_hsvGrid.assign(size_t(MP_CM_GRID_ENTRIES) * 3, 0);
    uint16_t* grid = g_hsvGrid.data();
    MP_MT_ForBands(128, Workers(), [grid](const TaskFuncParams& band) {
        for (int r = band.iRowBegin; r < band.iRowEnd; ++r)
            for (int g = 0; g < 128; ++g)
                for (int b = 0; b < 128; ++b)
                {
                    const Colour::SComponents hsv = Colour::RgbToHsv(r / 127.f, g / 127.f, b / 127.f);
                    uint16_t* e = grid + (size_t(r * 128 + g) * 128 + b) * 3;
                    e[0] = uint16_t(Clamp01(hsv.f0) * 65535.f);
                    e[1] = uint16_t(Clamp01(hsv.f1) * 65535.f);
                    e[2] = uint16_t(Clamp01(hsv.f2) * 65535.f);
                }
    });
}

void CopyRows(const uint16_t* source, uint16_t* target, int width, int height)
{
    if (source != target)
        std::memcpy(target, source, size_t(width) * size_t(height) * 3 * sizeof(uint16_t));
}
}  // namespace

bool SCMEffectParams::SameLayers(const SCMEffectParams& o) const
{
    constexpr size_t n = sizeof(aiActive);
    return !std::memcmp(aiActive, o.aiActive, n) && !std::memcmp(afHueMin, o.afHueMin, n) &&
           !std::memcmp(afHueMax, o.afHueMax, n) && !std::memcmp(afSatMin, o.afSatMin, n) &&
           !std::memcmp(afSatMax, o.afSatMax, n) && !std::memcmp(afValMin, o.afValMin, n) &&
           !std::memcmp(afSoftness, o.afSoftness, n) && !std::memcmp(aiInvert, o.aiInvert, n) &&
           !std::memcmp(afDstHue, o.afDstHue, n) && !std::memcmp(afDstSat, o.afDstSat, n) &&
           !std::memcmp(afDstVal, o.afDstVal, n) && !std::memcmp(afSatContrast, o.afSatContrast, n) &&
           !std::memcmp(afValContrast, o.afValContrast, n);
}

void MP_CM_InitTables()
{
    std::call_once(g_gridOnce, BuildGrid);
}

const uint16_t* MP_CM_HsvGrid()
{
    MP_CM_InitTables();
    return g_hsvGrid.data();
}

const uint16_t* MP_CM_SelectionTable()
{
    return g_selection.data();
}

const float* MP_CM_ValueTable()
{
    return g_values.data();
}

int32_t MP_CM_CreateRGBTable(float hueMin, float hueMax, float satMin, float satMax, float valMin, float softness,
                             bool invert)
{
    const uint16_t* grid = MP_CM_HsvGrid();
    const float v = Sane(valMin, 0.f, 1.f);
    float* values = g_values.data();
    MP_MT_ForBands(65536, Workers(), [values, v](const TaskFuncParams& band) {
        for (int k = band.iRowBegin; k < band.iRowEnd; ++k)
            values[k] = ValueWeight(float(k) * kDecode, v);
    });

    // Hue and saturation each take 65536 levels in the grid: their partial answers are looked up.
    const SAlignedRange range(SCMSelection{hueMin, hueMax, satMin, satMax, v, softness, invert});
    float* hues = g_huePartial.data();
    float* sats = g_satPartial.data();
    MP_MT_ForBands(65536, Workers(), [&range, hues, sats](const TaskFuncParams& band) {
        for (int k = band.iRowBegin; k < band.iRowEnd; ++k)
        {
            hues[k] = range.HuePartial(float(k) * kDecode);
            sats[k] = range.SatPartial(float(k) * kDecode);
        }
    });
    uint16_t* table = g_selection.data();
    MP_MT_ForBands(128, Workers(), [&range, grid, values, hues, sats, table](const TaskFuncParams& band) {
        const size_t begin = size_t(band.iRowBegin) * 16384, end = size_t(band.iRowEnd) * 16384;
        for (size_t i = begin; i < end; ++i)
        {
            const uint16_t* e = grid + i * 3;
            const float w = range.Combine(hues[e[0]], sats[e[1]], values[e[2]]);
            table[i] = uint16_t(Clamp01(w) * 65535.f);
        }
    });
    return MP_SUCCESS;
}

SCMLayerArgs MP_CM_LayerArgs(const SCMEffectParams& p, int i)
{
    const float h1 = Sane(p.afHueMin[i], 0.f, 1.f), h2 = Sane(p.afHueMax[i], 0.f, 1.f);
    const float s1 = Sane(p.afSatMin[i], 0.f, 1.f), s2 = Sane(p.afSatMax[i], 0.f, 1.f);
    const float centre = h1 > h2 ? std::fmod((h2 + 1.f + h1) / 2.f, 1.f) : (h1 + h2) / 2.f;
    SCMLayerArgs a;
    a.fHueShift = Sane(p.afDstHue[i], 0.f, 1.f) - centre;
    a.fSatShift = (Sane(p.afDstSat[i], 0.f, 1.f) - (s1 + s2) / 2.f) * ((s2 - s1) / 2.f + 1.f);
    a.fValShift = Sane(p.afDstVal[i], 0.f, 1.f) - Sane(p.afValMin[i], 0.f, 1.f);
    float factor = 2.f * Sane(p.afSatContrast[i], 0.f, 1.f, 0.5f);
    a.fSatFactor = factor < 1.f ? std::sqrt(factor) : factor;
    float contrast = 1.9f * Sane(p.afValContrast[i], 0.f, 1.f, 0.5f) + 0.05f;
    a.fValContrast = contrast < 1.f ? std::sqrt(contrast) : contrast;
    a.iWidth = p.iWidth;
    a.pTable = g_selection.data();
    return a;
}

void MP_CM_CalcCMLayer(const TaskFuncParams& rows, const SCMLayerArgs& a)
{
    const size_t stride = size_t(a.iWidth) * 3;
    const uint16_t* table = a.pTable;
    for (int y = rows.iRowBegin + rows.iBand; y < rows.iRowEnd; y += rows.iBandCount)
    {
        const uint16_t* in = a.pIn + size_t(y) * stride;
        uint16_t* out = a.pOut + size_t(y) * stride;
        // Unselected pixels keep their input: a whole-row copy is cheaper than one per pixel.
        if (in != out)
            std::memcpy(out, in, stride * sizeof(uint16_t));
        for (int x = 0; x < a.iWidth; ++x, in += 3, out += 3)
        {
            const uint16_t R = in[0], G = in[1], B = in[2];
            const uint16_t weight = table[GridIndex(R, G, B)];
            if (weight == 0)
                continue;
            const float w = float(weight) * kDecode;
            const float r = float(R) * kDecode, g = float(G) * kDecode, b = float(B) * kDecode;
            Colour::SComponents hsv = Colour::RgbToHsv(r, g, b);
            float h = hsv.f0 + a.fHueShift;
            if (h < 0.f)
                h += 1.f;
            else if (h > 1.f)
                h -= 1.f;
            hsv.f0 = h;
            hsv.f1 = Clamp01((hsv.f1 + a.fSatShift - 0.5f) * a.fSatFactor + 0.5f);
            hsv.f2 = Clamp01(hsv.f2 + a.fValShift);
            float rgb[3];
            Colour::HsvToRgb(hsv, rgb[0], rgb[1], rgb[2]);
            const float src[3] = {r, g, b};
            for (int c = 0; c < 3; ++c)
            {
                const float o = ((rgb[c] - 0.5f) * a.fValContrast + 0.5f) * w + (1.f - w) * src[c];
                out[c] = uint16_t(Clamp01(o) * 65535.f);
            }
        }
    }
}

int32_t MP_UI_CalcCMEffects(const SCMEffectParams* p)
{
    if (!p || !p->pSource || !p->pTarget)
        return MP_ZEROPOINTER;
    MP_Log("------------------------------------------------------------\r\n");
    MP_Log("%6.2f ms - Time since last MP_UI_CalcCMEffects\r\n",
           g_lastCall > 0.0 ? MP_ElapsedMs(g_lastCall) : MP_TimerElapsedMs());
    const double start = MP_TimeStamp();
    const int width = p->iWidth, height = p->iHeight;
    if (width > 0 && height > 0)
    {
        bool first = true;
        for (int i = 0; i < MP_CM_LAYER_SLOTS; ++i)
        {
            if (!p->aiActive[i])
                continue;
            double stamp = MP_TimeStamp();
            MP_CM_CreateRGBTable(p->afHueMin[i], p->afHueMax[i], p->afSatMin[i], p->afSatMax[i], p->afValMin[i],
                                 p->afSoftness[i], p->aiInvert[i] != 0);
            MP_Log(" Layer % 2d: %6.2f ms - MP_CM_CreateRGBTable \r\n", i, MP_ElapsedMs(stamp));
            stamp = MP_TimeStamp();
            SCMLayerArgs args = MP_CM_LayerArgs(*p, i);
            args.pIn = first ? p->pSource : p->pTarget;
            args.pOut = p->pTarget;
            MP_MT_ForInterleaved(height, Workers(), [&args](const TaskFuncParams& rows) { MP_CM_CalcCMLayer(rows, args); });
            MP_Log(" Layer % 2d: %6.2f ms - MP_CM_CalcCMLayer \r\n", i, MP_ElapsedMs(stamp));
            first = false;
        }
        if (first)
            CopyRows(p->pSource, p->pTarget, width, height);
    }
    MP_Log("%6.2f ms - MP_UI_CalcCMEffects Full \r\n", MP_ElapsedMs(start));
    g_lastCall = MP_TimeStamp();
    return MP_SUCCESS;
}

int32_t MP_CM_CreateGrey16MaskBySelection(float hueMin, float hueMax, float satMin, float satMax, float valMin,
                                          float softness, bool invert, const uint16_t* source, uint16_t* mask,
                                          int width, int height)
{
    if (!source || !mask)
        return MP_ZEROPOINTER;
    if (width < 1 || height < 1)
        return MP_SUCCESS;
    const double start = MP_TimeStamp();
    MP_CM_CreateRGBTable(hueMin, hueMax, satMin, satMax, valMin, softness, invert);
    const uint16_t* table = g_selection.data();
    MP_MT_ForInterleaved(height, Workers(), [=](const TaskFuncParams& rows) {
        for (int y = rows.iRowBegin + rows.iBand; y < rows.iRowEnd; y += rows.iBandCount)
        {
            const uint16_t* in = source + size_t(y) * width * 3;
            uint16_t* out = mask + size_t(y) * width;
            for (int x = 0; x < width; ++x, in += 3)
                out[x] = table[GridIndex(in[0], in[1], in[2])];
        }
    });
    MP_Log("%6.2f ms - MP_CM_CreateGrey16MaskBySelection \r\n", MP_ElapsedMs(start));
    return MP_SUCCESS;
}

int32_t MP_CM_CreateGrey16MaskByPickablilty(float satMin, float satMax, float valMin, float valMax,
                                            const uint16_t* source, uint16_t* mask, int width, int height)
{
    if (!source || !mask)
        return MP_ZEROPOINTER;
    if (width < 1 || height < 1)
        return MP_SUCCESS;
    const double start = MP_TimeStamp();
    const float s1 = Sane(satMin, 0.f, 1.f), s2 = Sane(satMax, 0.f, 1.f);
    const float v1 = Sane(valMin, 0.f, 1.f), v2 = Sane(valMax, 0.f, 1.f);
    MP_MT_ForInterleaved(height, Workers(), [=](const TaskFuncParams& rows) {
        for (int y = rows.iRowBegin + rows.iBand; y < rows.iRowEnd; y += rows.iBandCount)
        {
            const uint16_t* in = source + size_t(y) * width * 3;
            uint16_t* out = mask + size_t(y) * width;
            for (int x = 0; x < width; ++x, in += 3)
            {
                const float r = in[0] * kDecode, g = in[1] * kDecode, b = in[2] * kDecode;
                const float max = std::fmax(r, std::fmax(g, b)), min = std::fmin(r, std::fmin(g, b));
                float s = 0.f, v = 0.f;
                if (max > 0.f)
                {
                    const float delta = max - min;
                    s = (delta == 0.f ? 0.001f : delta) / max;
                    v = max;
                }
                out[x] = (s >= s1 && s <= s2 && v >= v1 && v <= v2) ? 0 : 65535;
            }
        }
    });
    MP_Log(" %6.2f ms - MP_CM_CreateGrey16MaskByPickablilty \r\n", MP_ElapsedMs(start));
    return MP_SUCCESS;
}

float MP_CM_GetSelectionWeight(float r, float g, float b, float hueMin, float hueMax, float satMin, float satMax,
                               float valMin, float softness, bool invert, bool log)
{
    if (log)
        MP_Log("In -> h:(%f,%f), s:(%f,%f), v:%f - sm:%f \r\n", hueMin, hueMax, satMin, satMax, valMin, softness);
    const float v = Sane(valMin, 0.f, 1.f);
    const SAlignedRange range(SCMSelection{hueMin, hueMax, satMin, satMax, v, softness, invert});
    const Colour::SComponents hsv = Colour::RgbToHsv(Sane(r, 0.f, 1.f), Sane(g, 0.f, 1.f), Sane(b, 0.f, 1.f));
    if (log)
        MP_Log("   -> rgb(%f,%f,%f) -> hsv(%f,%f,%f) \r\n", r, g, b, hsv.f0, hsv.f1, hsv.f2);
    return Clamp01(range.Weight(hsv.f0, hsv.f1, ValueWeight(hsv.f2, v)));
}
