// Blurs: Gaussian, horizontal, vertical and directional, the spin blur around a centre, the
// focus that blurs away from a sharp centre, and the bokeh blurs with a disc kernel.
#include "engine/LevelTables.h"
#include "engine/kernels/smooth/SmoothShared.h"

#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace
{
using Smooth::Smoothstep;

// ---------------------------------------------------------------------------------------------
// MP_calcPixelGaussSmooth — sets: 0 radius (× 200 pixels at full size: the farthest pixel read,
// σ ≈ radius ÷ 3), 1 masking curve, 2 combo, 3 geometry.
constexpr SSetLayout kGaussSets{1, eCR_MASK, 2, 3};

int GaussReach(const Params& p)
{
    return MP_ScaledRadius(p.p[0][0], 200.0f, p.previewscalingfactor);
}

bool GaussHasEffect(const Params& p)
{
    return GaussReach(p) >= 1;
}

/// Blurs the source along rows and/or columns into the target.
int RunGaussBlur(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, const Params* p, int rowReach,
                 int columnReach)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    std::vector<int32_t> plane = MP_ToFixedPlane(src, w, h, ss / 2);
    MP_GaussBlurFixed(*p, plane, w, h, 3, rowReach, columnReach);
    MP_FixedToTarget(*p, plane, dst, w, h, ts / 2);
    return MP_SUCCESS;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelHorBlur, MP_calcPixelVerBlur — sets: 0 radius (× 250 pixels at full size), 1 combo,
// 2 geometry. MP_calcPixelDirBlur — sets: 0 radius, 1 direction (0…180°), 2 combo, 3 geometry.
constexpr SSetLayout kLineSets{-1, eCR_NONE, 1, 2};
constexpr SSetLayout kDirSets{-1, eCR_NONE, 2, 3};

int LineReach(const Params& p)
{
    return MP_ScaledRadius(p.p[0][0], 250.0f, p.previewscalingfactor);
}

bool LineHasEffect(const Params& p)
{
    return LineReach(p) >= 1;
}

/// Three box passes along digital lines of direction `angle` (radians, x to the right, y down):
/// every pixel lies on exactly one line of unit steps along the major axis, so each pass costs
/// the same whatever the reach.
void LineBlur(const Params& p, std::vector<int32_t>& plane, int w, int h, double angle, int reach)
{
    const double c = std::cos(angle), s = std::sin(angle);
    const bool alongX = std::fabs(c) >= std::fabs(s);
    const int major = alongX ? w : h, minor = alongX ? h : w;
    const double slope = alongX ? s / c : c / s;
    std::vector<int> offset(static_cast<size_t>(major));
    for (int i = 0; i < major; ++i)
        offset[size_t(i)] = int(std::lround(double(i) * slope));
    const int lo = std::min(offset.front(), offset.back()), hi = std::max(offset.front(), offset.back());
    // A line of length `reach` spans reach × |cos| steps of the major axis.
    int radii[3];
    MP_GaussBoxRadii(int(std::lround(double(reach) * std::fabs(alongX ? c : s))), radii);
    std::vector<int32_t> out(plane.size());
    MP_MT_ForBands(minor + hi - lo, MP_KernelWorkers(p, w, h), [&](const TaskFuncParams& t) {
        std::vector<int32_t> a(size_t(major) * 3), pad;
        std::vector<size_t> index(static_cast<size_t>(major));
        for (int line = t.iRowBegin; line < t.iRowEnd; ++line)
        {
            const int start = line - hi;
            int n = 0;
            for (int i = 0; i < major; ++i)
            {
                const int m = start + offset[size_t(i)];
                if (m >= 0 && m < minor)
                    index[size_t(n++)] = alongX ? size_t(m) * w + i : size_t(i) * w + m;
            }
            for (int k = 0; k < n; ++k)
                for (int ch = 0; ch < 3; ++ch)
                    a[size_t(k) * 3 + ch] = plane[index[size_t(k)] * 3 + ch];
            for (int ch = 0; ch < 3; ++ch)
                MP_BoxPassesInPlace(a.data() + ch, n, 3, radii, pad);
            for (int k = 0; k < n; ++k)
                for (int ch = 0; ch < 3; ++ch)
                    out[index[size_t(k)] * 3 + ch] = a[size_t(k) * 3 + ch];
        }
    });
    plane.swap(out);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelRadialBlur — sets: 0 strength (the arc swept, up to 30°), 1 centre, 2 combo,
// 3 geometry. A spin blur: each pixel is averaged along the circle around the centre through it.
// Three passes of six bilinear taps each, every pass filling the gaps of the one before
// (arcs A, A ÷ 6, A ÷ 36), give 216 evenly spread samples at the cost of 18.
constexpr SSetLayout kRadialSets{-1, eCR_NONE, 2, 3};
constexpr float kRadialMaxArc = 30.0f * 3.14159265f / 180.0f;

bool RadialHasEffect(const Params& p)
{
    return p.p[0][0] > 0.001f;
}

void SpinPass(const Params& p, const std::vector<float>& in, std::vector<float>& out, int w, int h, float cx, float cy,
              float arc)
{
    constexpr int kTaps = 6;
    float cosines[kTaps], sines[kTaps];
    for (int k = 0; k < kTaps; ++k)
    {
        const float phi = arc * ((float(k) + 0.5f) / float(kTaps) - 0.5f);
        cosines[k] = std::cos(phi), sines[k] = std::sin(phi);
    }
    const Smooth::CBilinear sample(in.data(), w, h);
    MP_MT_ForBands(h, MP_KernelWorkers(p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
            {
                const float dx = float(x) - cx, dy = float(y) - cy;
                float sum[3] = {0.0f, 0.0f, 0.0f}, v[3];
                for (int k = 0; k < kTaps; ++k)
                {
                    sample.At(cx + dx * cosines[k] - dy * sines[k], cy + dx * sines[k] + dy * cosines[k], v);
                    sum[0] += v[0], sum[1] += v[1], sum[2] += v[2];
                }
                float* o = &out[(size_t(y) * w + x) * 3];
                o[0] = sum[0] / kTaps, o[1] = sum[1] / kTaps, o[2] = sum[2] / kTaps;
            }
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelFocus — sets: 0 blur (× 100 pixels at full size), 1 centre, 2 sharp area (radius
// as a fraction of the half diagonal), 3 transition (fraction of the half diagonal), 4 combo,
// 5 geometry. Outside the sharp area the blur grows smoothly through three blur levels.
constexpr SSetLayout kFocusSets{-1, eCR_NONE, 4, 5};

int FocusReach(const Params& p)
{
    return MP_ScaledRadius(p.p[0][0], 100.0f, p.previewscalingfactor);
}

bool FocusHasEffect(const Params& p)
{
    return FocusReach(p) >= 1 && p.p[2][0] < 0.999f;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelBokehBlur — sets: 0 radius of the disc (× 200 pixels at full size), 1 highlight
// bloom, 2 combo, 3 geometry. MP_calcPixelBokehLight — sets: 0 radius, 1 threshold (luminance
// from which lights form discs), 2 intensity, 3 combo, 4 geometry.
// A lens's out-of-focus blur is a disc, not a Gaussian, and bright lights keep their brightness
// in it: highlights are raised before the disc average, so they bloom into bright discs.
constexpr SSetLayout kBokehSets{-1, eCR_NONE, 2, 3};
constexpr SSetLayout kBokehLightSets{-1, eCR_NONE, 3, 4};
constexpr float kDiscCells = 12.0f; // largest disc radius averaged at full resolution

float BokehRadius(const Params& p)
{
    return MP_Clamp01(p.p[0][0]) * 200.0f * Smooth::PreviewScale(p);
}

bool BokehHasEffect(const Params& p)
{
    return BokehRadius(p) >= 1.0f;
}

bool BokehLightHasEffect(const Params& p)
{
    return BokehRadius(p) >= 1.0f && p.p[2][0] > 0.001f;
}

int FloorDiv(int a, int k)
{
    return a >= 0 ? a / k : -((-a + k - 1) / k);
}

/// Averages a three-channel fixed-point plane over a disc of `radius` pixels. Larger discs are
/// averaged on cells of k × k pixels (at most kDiscCells cells across the radius), so the cost
/// does not grow with the radius. The cells sit on a grid of image rows (y_offset counts), so a
/// stripe run averages the same cells as a whole-image run; the reach is radius + 2k rows.
std::vector<int32_t> DiscBlur(const Params& p, const std::vector<int32_t>& in, int w, int h, float radius)
{
    const int k = std::max(1, int(std::ceil(radius / kDiscCells)));
    const int j0 = FloorDiv(p.y_offset, k), j1 = FloorDiv(p.y_offset + h - 1, k);
    const int gw = (w + k - 1) / k, gh = j1 - j0 + 1;
    const int workers = MP_KernelWorkers(p, w, h);

    std::vector<int32_t> cells(size_t(gw) * gh * 3);
    MP_MT_ForBands(gh, workers, [&](const TaskFuncParams& t) {
        for (int j = t.iRowBegin; j < t.iRowEnd; ++j)
        {
            const int y0 = std::max((j0 + j) * k - p.y_offset, 0), y1 = std::min((j0 + j + 1) * k - p.y_offset, h);
            for (int i = 0; i < gw; ++i)
            {
                const int x0 = i * k, x1 = std::min(x0 + k, w);
                int64_t sum[3] = {0, 0, 0};
                for (int y = y0; y < y1; ++y)
                    for (int x = x0; x < x1; ++x)
                        for (int c = 0; c < 3; ++c)
                            sum[c] += in[(size_t(y) * w + x) * 3 + c];
                const SBoxMean mean((y1 - y0) * (x1 - x0));
                for (int c = 0; c < 3; ++c)
                    cells[(size_t(j) * gw + i) * 3 + c] = mean(sum[c]);
            }
        }
    });

    // Row prefix sums over cells padded by the disc radius, so every span is inside.
    const float rc = radius / float(k);
    const int pad = int(rc);
    std::vector<int> halfWidth(size_t(2 * pad + 1));
    int count = 0;
    for (int dy = -pad; dy <= pad; ++dy)
    {
        const int hw = int(std::floor(std::sqrt(std::fmax(rc * rc - float(dy * dy), 0.0f))));
        halfWidth[size_t(dy + pad)] = hw;
        count += 2 * hw + 1;
    }
    const size_t stride = size_t(gw + 2 * pad + 1) * 3;
    std::vector<int64_t> prefix(stride * gh, 0);
    MP_MT_ForBands(gh, workers, [&](const TaskFuncParams& t) {
        for (int j = t.iRowBegin; j < t.iRowEnd; ++j)
        {
            int64_t* row = &prefix[size_t(j) * stride];
            for (int i = -pad; i < gw + pad; ++i)
                for (int c = 0; c < 3; ++c)
                    row[size_t(i + pad + 1) * 3 + c] =
                        row[size_t(i + pad) * 3 + c] + cells[(size_t(j) * gw + std::clamp(i, 0, gw - 1)) * 3 + c];
        }
    });
    const SBoxMean mean(count);
    MP_MT_ForBands(gh, workers, [&](const TaskFuncParams& t) {
        for (int j = t.iRowBegin; j < t.iRowEnd; ++j)
            for (int i = 0; i < gw; ++i)
            {
                int64_t sum[3] = {0, 0, 0};
                for (int dy = -pad; dy <= pad; ++dy)
                {
                    const int64_t* row = &prefix[size_t(std::clamp(j + dy, 0, gh - 1)) * stride];
                    const int hw = halfWidth[size_t(dy + pad)];
                    for (int c = 0; c < 3; ++c)
                        sum[c] += row[size_t(i + hw + pad + 1) * 3 + c] - row[size_t(i - hw + pad) * 3 + c];
                }
                for (int c = 0; c < 3; ++c)
                    cells[(size_t(j) * gw + i) * 3 + c] = mean(sum[c]);
            }
    });

    // Back to pixels: bilinear between cell centres.
    std::vector<int32_t> out(in.size());
    MP_MT_ForBands(h, workers, [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
        {
            const double v = std::clamp((double(y + p.y_offset) + 0.5) / k - 0.5 - j0, 0.0, double(gh - 1));
            const int ja = int(v), jb = std::min(ja + 1, gh - 1);
            const double fy = v - ja;
            for (int x = 0; x < w; ++x)
            {
                const double u = std::clamp((double(x) + 0.5) / k - 0.5, 0.0, double(gw - 1));
                const int ia = int(u), ib = std::min(ia + 1, gw - 1);
                const double fx = u - ia;
                for (int c = 0; c < 3; ++c)
                {
                    auto at = [&](int j, int i) { return double(cells[(size_t(j) * gw + i) * 3 + c]); };
                    const double top = at(ja, ia) + (at(ja, ib) - at(ja, ia)) * fx;
                    const double bottom = at(jb, ia) + (at(jb, ib) - at(jb, ia)) * fx;
                    out[(size_t(y) * w + x) * 3 + c] = int32_t(std::lround(top + (bottom - top) * fy));
                }
            }
        }
    });
    return out;
}

/// The source as a fixed-point plane whose pixels are multiplied by gain[luminance level].
std::vector<int32_t> WeightedPlane(const Params& p, const uint16_t* src, int w, int h, int step, const float* gain)
{
    std::vector<int32_t> plane(size_t(w) * h * 3);
    MP_MT_ForBands(h, MP_KernelWorkers(p, w, h), [&](const TaskFuncParams& t) {
        for (size_t i = size_t(t.iRowBegin) * w; i < size_t(t.iRowEnd) * w; ++i)
        {
            const uint16_t* px = src + i * step;
            const float L = p.lumr * px[0] + p.lumg * px[1] + p.lumb * px[2];
            const float g = gain[std::clamp(int(L), 0, 65535)];
            for (int c = 0; c < 3; ++c)
                plane[3 * i + c] = int32_t(float(MP_ToFixed(px[c])) * g);
        }
    });
    return plane;
}
}  // namespace

int MP_calcPixelGaussSmooth(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    const int reach = p ? GaussReach(*p) : 0;
    return RunGaussBlur(w, h, src, dst, ss, ts, p, reach, reach);
}

int MP_calcPixelHorBlur(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunGaussBlur(w, h, src, dst, ss, ts, p, p ? LineReach(*p) : 0, 0);
}

int MP_calcPixelVerBlur(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunGaussBlur(w, h, src, dst, ss, ts, p, 0, p ? LineReach(*p) : 0);
}

int MP_calcPixelDirBlur(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    std::vector<int32_t> plane = MP_ToFixedPlane(src, w, h, ss / 2);
    LineBlur(*p, plane, w, h, double(MP_Clamp01(p->p[1][0])) * 3.14159265358979, LineReach(*p));
    MP_FixedToTarget(*p, plane, dst, w, h, ts / 2);
    return MP_SUCCESS;
}

int MP_calcPixelRadialBlur(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const CStableSource in(w, h, src, ss, dst);
    std::vector<float> a = Smooth::ToFloatRgb(in.Data(), w, h), b(a.size());
    const float H = float(p->height > 0 ? p->height : h);
    const float cx = MP_Clamp01(p->p[1][0]) * float(w), cy = MP_Clamp01(p->p[1][1]) * H - float(p->y_offset);
    float arc = MP_Clamp01(p->p[0][0]) * kRadialMaxArc;
    for (int pass = 0; pass < 3; ++pass, arc /= 6.0f)
    {
        SpinPass(*p, a, b, w, h, cx, cy, arc);
        a.swap(b);
    }
    const int step = ts / 2;
    for (size_t i = 0; i < size_t(w) * h; ++i)
        for (int c = 0; c < 3; ++c)
            dst[i * step + c] = MP_RoundLevel(a[3 * i + c]);
    return MP_SUCCESS;
}

int MP_calcPixelFocus(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const int reach = FocusReach(*p);
    std::vector<std::vector<int32_t>> levels(4, MP_ToFixedPlane(src, w, h, ss / 2));
    for (int l = 1; l < 4; ++l)
        MP_GaussBlurFixed(*p, levels[size_t(l)], w, h, 3, reach * l / 3, reach * l / 3);
    const float W = float(p->width > 0 ? p->width : w), H = float(p->height > 0 ? p->height : h);
    const float cx = MP_Clamp01(p->p[1][0]), cy = MP_Clamp01(p->p[1][1]);
    const float sharp = MP_Clamp01(p->p[2][0]), transition = std::fmax(MP_Clamp01(p->p[3][0]), 0.01f);
    const float halfDiagonal = 0.5f * std::sqrt(W * W + H * H);
    const int step = ts / 2;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
            {
                const float dx = float(x) - cx * W, dy = float(y + p->y_offset) - cy * H;
                const float d = std::sqrt(dx * dx + dy * dy) / halfDiagonal;
                const float blur = Smoothstep(sharp, sharp + transition, d) * 3.0f;
                const int l = std::min(int(blur), 2);
                const float f = blur - float(l);
                const size_t i = size_t(y) * w + x;
                for (int c = 0; c < 3; ++c)
                {
                    const float a = float(levels[size_t(l)][3 * i + c]), b = float(levels[size_t(l + 1)][3 * i + c]);
                    dst[i * step + c] = MP_FixedToLevel(int32_t(a + (b - a) * f));
                }
            }
    });
    return MP_SUCCESS;
}

int MP_calcPixelBokehBlur(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float bloom = MP_Clamp01(p->p[1][0]) * 8.0f;
    const SLevelTable* gain = MP_LevelTable(*p, eLT_BOKEH_BLOOM, {bloom}, [bloom](int i) {
        const float s = Smoothstep(0.85f, 1.0f, float(i) * MP_DECODE);
        return 1.0f + bloom * s * s;
    });
    const std::vector<int32_t> disc = DiscBlur(*p, WeightedPlane(*p, src, w, h, ss / 2, gain->af), w, h, BokehRadius(*p));
    MP_FixedToTarget(*p, disc, dst, w, h, ts / 2);
    return MP_SUCCESS;
}

int MP_calcPixelBokehLight(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    // Only what is brighter than the threshold, raised eightfold: a small light spread over a
    // disc keeps a visible brightness.
    const float threshold = MP_Clamp01(p->p[1][0]);
    const SLevelTable* gain = MP_LevelTable(*p, eLT_BOKEH_LIGHTS, {threshold}, [threshold](int i) {
        return 8.0f * Smoothstep(threshold, threshold + (1.0f - threshold) * 0.5f + 0.01f, float(i) * MP_DECODE);
    });
    const std::vector<int32_t> lights =
        DiscBlur(*p, WeightedPlane(*p, src, w, h, ss / 2, gain->af), w, h, BokehRadius(*p));
    const float intensity = MP_Clamp01(p->p[2][0]);
    const int sstep = ss / 2, tstep = ts / 2;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (size_t i = size_t(t.iRowBegin) * w; i < size_t(t.iRowEnd) * w; ++i)
        {
            float v[3];
            for (int c = 0; c < 3; ++c)
                v[c] = Smooth::Screen(src[i * sstep + c] * MP_DECODE, MP_FixedToFloat(lights[3 * i + c]) * intensity);
            for (int c = 0; c < 3; ++c)
                dst[i * tstep + c] = MP_RoundLevel(v[c]);
        }
    });
    return MP_SUCCESS;
}

namespace
{
constexpr uint32_t kWholeCpu = eKF_CPU_ONLY | eKF_WHOLE_IMAGE;
const SKernelEntry kSmoothBlurKernels[] = {
    // name + function                   border                          flags         reads           CL       effect test          sets
    {MP_KERNEL(MP_calcPixelGaussSmooth), SBorder::Rows(0),               kWholeCpu,    eIN_NEIGHBOURS, nullptr, GaussHasEffect,      kGaussSets},
    {MP_KERNEL(MP_calcPixelHorBlur),     SBorder::Scaled(500),           kWholeCpu,    eIN_NEIGHBOURS, nullptr, LineHasEffect,       kLineSets},
    {MP_KERNEL(MP_calcPixelVerBlur),     SBorder::Scaled(500),           kWholeCpu,    eIN_NEIGHBOURS, nullptr, LineHasEffect,       kLineSets},
    {MP_KERNEL(MP_calcPixelDirBlur),     SBorder::Scaled(500),           kWholeCpu,    eIN_NEIGHBOURS, nullptr, LineHasEffect,       kDirSets},
    {MP_KERNEL(MP_calcPixelRadialBlur),  SBorder::FromP00(200, 1, true), kWholeCpu,    eIN_NEIGHBOURS, nullptr, RadialHasEffect,     kRadialSets},
    {MP_KERNEL(MP_calcPixelFocus),       SBorder::FromP00(500, 1, true), kWholeCpu,    eIN_NEIGHBOURS, nullptr, FocusHasEffect,      kFocusSets},
    {MP_KERNEL(MP_calcPixelBokehBlur),   SBorder::Rows(256),             eKF_CPU_ONLY, eIN_NEIGHBOURS, nullptr, BokehHasEffect,      kBokehSets},
    {MP_KERNEL(MP_calcPixelBokehLight),  SBorder::Rows(256),             eKF_CPU_ONLY, eIN_NEIGHBOURS, nullptr, BokehLightHasEffect, kBokehLightSets},
};
}  // namespace

std::span<const SKernelEntry> SmoothBlurKernels()
{
    return kSmoothBlurKernels;
}
