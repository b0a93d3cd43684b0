// The shared helpers of the exposure kernels that are not worth inlining: planes, blurs and
// histograms.
#include "engine/kernels/exposure/ExposureShared.h"

#include "core/WorkerSplit.h"
#include "engine/EngineContext.h"
#include "engine/kernels/Neighbourhood.h"

#include <algorithm>
#include <type_traits>

namespace Exposure
{
namespace
{
// A box radius beyond any picture side: the sums stay within 32 bits (8001 × 65535) and the
// window start-up stays short.
constexpr int kMaxBoxRadius = 4000;

/// The mean of a window from its sum, rounded. The same sum always gives the same level (the
/// float conversion is exact below 2^24 and deterministic above).
inline uint16_t WindowMean(uint32_t sum, float inverse)
{
    return uint16_t(int(float(sum) * inverse + 0.5f));
}

/// One box pass of radius r along every row, edges clamped. The middle of a row, where no
/// index needs clamping, runs as a plain loop.
void BoxRows(const Params& p, const uint16_t* in, uint16_t* out, int w, int h, int r)
{
    const float inverse = 1.0f / float(2 * r + 1);
    MP_MT_ForBands(h, MP_KernelWorkers(p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
        {
            const uint16_t* __restrict s = in + size_t(y) * w;
            uint16_t* __restrict d = out + size_t(y) * w;
            uint32_t sum = uint32_t(s[0]) * uint32_t(r + 1);
            for (int i = 1; i <= r; ++i)
                sum += s[std::min(i, w - 1)];
            auto clamped = [&](int x) {
                d[x] = WindowMean(sum, inverse);
                sum += s[std::min(x + r + 1, w - 1)];
                sum -= s[std::max(x - r, 0)];
            };
            const int middleBegin = std::min(r, w), middleEnd = std::max(middleBegin, w - r - 1);
            int x = 0;
            for (; x < middleBegin; ++x)
                clamped(x);
            for (; x < middleEnd; ++x)
            {
                d[x] = WindowMean(sum, inverse);
                sum += s[x + r + 1];
                sum -= s[x - r];
            }
            for (; x < w; ++x)
                clamped(x);
        }
    });
}

/// One box pass of radius r down every column, edges clamped. The columns are split into bands
/// and each band walks the rows top to bottom with one running sum per column, so memory is
/// read row by row.
void BoxColumns(const Params& p, const uint16_t* in, uint16_t* out, int w, int h, int r)
{
    const float inverse = 1.0f / float(2 * r + 1);
    MP_MT_ForBands(w, MP_KernelWorkers(p, w, h), [&](const TaskFuncParams& t) {
        const int x0 = t.iRowBegin, n = t.iRowEnd - t.iRowBegin;
        std::vector<uint32_t> sums(size_t(n), 0);
        uint32_t* __restrict sum = sums.data();
        const uint16_t* first = in + x0;
        for (int x = 0; x < n; ++x)
            sum[x] = uint32_t(first[x]) * uint32_t(r + 1);
        for (int i = 1; i <= r; ++i)
        {
            const uint16_t* row = in + size_t(std::min(i, h - 1)) * w + x0;
            for (int x = 0; x < n; ++x)
                sum[x] += row[x];
        }
        for (int y = 0; y < h; ++y)
        {
            uint16_t* __restrict d = out + size_t(y) * w + x0;
            for (int x = 0; x < n; ++x)
                d[x] = WindowMean(sum[x], inverse);
            const uint16_t* __restrict add = in + size_t(std::min(y + r + 1, h - 1)) * w + x0;
            const uint16_t* __restrict sub = in + size_t(std::max(y - r, 0)) * w + x0;
            for (int x = 0; x < n; ++x)
                sum[x] = sum[x] + add[x] - sub[x];
        }
    });
}
}  // namespace

namespace
{
/// One lattice value of the noise: uniform in −1…1, or about normal with standard deviation 1
/// (the sum of the hash's four bytes).
inline float Corner(int x, int y, uint32_t seed, bool gauss)
{
    const uint32_t h = Hash(x, y, seed);
    if (!gauss)
        return float(h >> 8) * (2.0f / 16777216.0f) - 1.0f;
    const int sum = int(h & 255u) + int((h >> 8) & 255u) + int((h >> 16) & 255u) + int(h >> 24);
    return float(sum - 510) * (1.0f / 147.8f);
}

/// One octave of value noise added to the rows of a band. Lattice rows are hashed once per band
/// and kept while the pixel rows move through them (the lower row becomes the upper one); each
/// pixel row then interpolates between its two lattice rows in plain loops. Cells of a pixel or
/// less are not interpolated: each pixel takes its own lattice value.
class COctaveRows
{
public:
    COctaveRows(int width, float du, uint32_t seed, bool gauss)
        : m_iWidth(width), m_uiSeed(seed), m_bGauss(gauss),
          m_iLattice(du >= 1.0f ? 0 : int(float(width - 1) * du) + 2)
    {
        m_top.resize(size_t(m_iLattice)), m_bottom.resize(size_t(m_iLattice)), m_column.resize(size_t(m_iLattice));
        m_x.resize(size_t(width)), m_fx.resize(size_t(width));
        for (int i = 0; i < width; ++i)
        {
            const float u = float(i) * du;
            m_x[size_t(i)] = int(u);
            const float f = u - float(m_x[size_t(i)]);
            m_fx[size_t(i)] = f * f * (3.0f - 2.0f * f);
        }
    }

    /// Adds amplitude × the noise at lattice row position v (≥ 0) to `out`.
    void Add(float* __restrict out, float v, float amplitude)
    {
        const int iy = int(v);
        if (m_iLattice == 0)
        {
            for (int i = 0; i < m_iWidth; ++i)
                out[i] += Corner(m_x[size_t(i)], iy, m_uiSeed, m_bGauss) * amplitude;
            return;
        }
        if (!m_bRows || iy != m_iRow)
        {
            if (m_bRows && iy == m_iRow + 1)
                m_top.swap(m_bottom);
            else
                Fill(m_top, iy);
            Fill(m_bottom, iy + 1);
            m_iRow = iy, m_bRows = true;
        }
        float fy = v - float(iy);
        fy = fy * fy * (3.0f - 2.0f * fy);
        for (int k = 0; k < m_iLattice; ++k)
            m_column[size_t(k)] = m_top[size_t(k)] + (m_bottom[size_t(k)] - m_top[size_t(k)]) * fy;
        const float* __restrict column = m_column.data();
        for (int i = 0; i < m_iWidth; ++i)
        {
            const int x = m_x[size_t(i)];
            out[i] += (column[x] + (column[x + 1] - column[x]) * m_fx[size_t(i)]) * amplitude;
        }
    }

private:
    void Fill(std::vector<float>& row, int iy) const
    {
        for (int k = 0; k < m_iLattice; ++k)
            row[size_t(k)] = Corner(k, iy, m_uiSeed, m_bGauss);
    }

    int m_iWidth;
    uint32_t m_uiSeed;
    bool m_bGauss;
    int m_iLattice; // lattice points a row needs (0: one value per pixel)
    std::vector<float> m_top, m_bottom, m_column, m_fx;
    std::vector<int> m_x;
    int m_iRow = 0;
    bool m_bRows = false;
};
}  // namespace

std::vector<float> NoisePlane(const Params& p, int width, int height, const SNoiseShape& shape)
{
    std::vector<float> plane(size_t(width) * height, 0.0f);
    const float scale = PreviewScale(p);
    // Cells below a hundredth of a pixel would only feed huge coordinates into the hash.
    const float cell = std::fmax(shape.fCell, 0.01f), stretch = std::clamp(shape.fStretch, 0.01f, 100.0f);
    const int octaves = std::clamp(shape.iOctaves, 1, 8);
    float norm = 0.0f, amplitude = 1.0f;
    for (int o = 0; o < octaves; ++o, amplitude *= shape.fGain)
        norm += amplitude;
    const float inverseNorm = norm > 0.0f ? 1.0f / norm : 0.0f;
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        float a = inverseNorm, size = cell;
        for (int o = 0; o < octaves; ++o, a *= shape.fGain, size *= 0.5f)
        {
            // A working pixel spans 1 ÷ scale full pixels. Beyond 16 cells per pixel the samples
            // are unrelated anyway; the bound keeps the cell coordinates small.
            const float pixel = 1.0f / scale;
            const float weight = std::fmin(size / pixel, 1.0f);
            const float du = std::fmin(pixel / (size * stretch), 16.0f), dv = std::fmin(pixel / size, 16.0f);
            COctaveRows rows(width, du, shape.uiSeed + uint32_t(o) * 131u, shape.bGauss);
            for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
                rows.Add(plane.data() + size_t(y) * width, float(y + p.y_offset) * dv, a * weight);
        }
    });
    return plane;
}

bool IsIdentityCurve(const float* v)
{
    for (int k = 0; k < 6; ++k)
        if (Differs(v[2 * k], 0.2f * float(k)) || Differs(v[2 * k + 1], 0.2f * float(k)))
            return false;
    return true;
}

std::vector<uint16_t> LuminancePlane(const Params& p, const uint16_t* image, int step, int width, int height)
{
    std::vector<uint16_t> plane(size_t(width) * height);
    const float wr = p.lumr, wg = p.lumg, wb = p.lumb;
    auto rows = [&](const TaskFuncParams& t, auto stride) {
        for (size_t i = size_t(t.iRowBegin) * width; i < size_t(t.iRowEnd) * width; ++i)
        {
            const uint16_t* px = image + i * stride;
            const float L = wr * float(px[0]) + wg * float(px[1]) + wb * float(px[2]) + 0.5f;
            plane[i] = uint16_t(int(std::clamp(L, 0.0f, 65535.0f)));
        }
    };
    // Packed pixels (the usual case) with a constant stride, so the loop vectorises.
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        if (step == 3)
            rows(t, std::integral_constant<size_t, 3>());
        else
            rows(t, size_t(step));
    });
    return plane;
}

std::vector<uint16_t> ChannelPlane(const Params& p, const uint16_t* image, int step, int width, int height, int channel)
{
    std::vector<uint16_t> plane(size_t(width) * height);
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        for (size_t i = size_t(t.iRowBegin) * width; i < size_t(t.iRowEnd) * width; ++i)
            plane[i] = image[i * step + channel];
    });
    return plane;
}

void BlurPlane(const Params& p, std::vector<uint16_t>& plane, int width, int height, int radius)
{
    radius = std::min(radius, 3 * kMaxBoxRadius);
    if (radius < 1 || plane.size() != size_t(width) * height)
        return;
    const int r1 = radius / 3, r2 = (radius - r1) / 2, r3 = radius - r1 - r2;
    std::vector<uint16_t> tmp(plane.size());
    for (const int r : {r1, r2, r3})
    {
        if (r < 1)
            continue;
        BoxRows(p, plane.data(), tmp.data(), width, height, r);
        BoxColumns(p, tmp.data(), plane.data(), width, height, r);
    }
}

std::vector<uint16_t> BlurredLuminance(const Params& p, const uint16_t* image, int step, int width, int height,
                                       int radius)
{
    std::vector<uint16_t> plane = LuminancePlane(p, image, step, width, height);
    BlurPlane(p, plane, width, height, radius);
    return plane;
}

std::vector<uint64_t> LuminanceHistogram(const Params& p, const uint16_t* image, int step, int width, int height,
                                         int bins)
{
    const float lum[3] = {p.lumr, p.lumg, p.lumb};
    const int bands = MP_KernelWorkers(p, width, height);
    std::vector<uint32_t> perBand(size_t(bands) * bins, 0);
    MP_MT_ForBands(height, bands, [&](const TaskFuncParams& t) {
        uint32_t* hist = &perBand[size_t(t.iBand) * bins];
        for (size_t i = size_t(t.iRowBegin) * width; i < size_t(t.iRowEnd) * width; ++i)
        {
            const uint16_t* px = image + i * step;
            const float L = MP_Clamp01((lum[0] * px[0] + lum[1] * px[1] + lum[2] * px[2]) * MP_DECODE);
            ++hist[int(L * float(bins - 1))];
        }
    });
    std::vector<uint64_t> total(size_t(bins), 0);
    for (int b = 0; b < bands; ++b)
        for (int i = 0; i < bins; ++i)
            total[size_t(i)] += perBand[size_t(b) * bins + i];
    return total;
}

std::vector<uint64_t> ChannelHistogram(const Params& p, const uint16_t* image, int step, int width, int height,
                                       int channel, int bins)
{
    const int bands = MP_KernelWorkers(p, width, height);
    std::vector<uint32_t> perBand(size_t(bands) * bins, 0);
    MP_MT_ForBands(height, bands, [&](const TaskFuncParams& t) {
        uint32_t* hist = &perBand[size_t(t.iBand) * bins];
        for (size_t i = size_t(t.iRowBegin) * width; i < size_t(t.iRowEnd) * width; ++i)
            ++hist[int(image[i * step + channel] * MP_DECODE * float(bins - 1))];
    });
    std::vector<uint64_t> total(size_t(bins), 0);
    for (int b = 0; b < bands; ++b)
        for (int i = 0; i < bins; ++i)
            total[size_t(i)] += perBand[size_t(b) * bins + i];
    return total;
}

float HistogramLevel(const std::vector<uint64_t>& histogram, double fraction, bool fromTop)
{
    uint64_t all = 0;
    for (const uint64_t n : histogram)
        all += n;
    const double limit = std::clamp(fraction, 0.0, 1.0) * double(all);
    uint64_t sum = 0;
    const int bins = int(histogram.size());
    for (int k = 0; k < bins; ++k)
    {
        const int i = fromTop ? bins - 1 - k : k;
        if (double(sum += histogram[size_t(i)]) > limit)
            return float(i) / float(std::max(bins - 1, 1));
    }
    return fromTop ? 0.0f : 1.0f;
}
}  // namespace Exposure
