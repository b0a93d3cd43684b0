// Building blocks of the denoise and sharpen kernels (see EnhanceFilters.h).
#include "engine/kernels/enhance/EnhanceFilters.h"

#include "engine/KernelRegistry.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace Enhance
{
namespace detail
{
namespace
{
constexpr size_t kPooledBytes = size_t(1) << 20; // smaller blocks are not kept
constexpr size_t kPoolBudget = size_t(256) << 20;

struct SPool
{
    std::mutex mutex;
    std::unordered_map<void*, size_t> lent;     // block → its real size
    std::vector<std::pair<void*, size_t>> kept; // oldest first
    size_t keptBytes = 0;
};

SPool& Pool()
{
    static SPool pool;
    return pool;
}
}  // namespace

void* PoolTake(size_t bytes)
{
    if (bytes < kPooledBytes)
        return ::operator new(bytes);
    SPool& pool = Pool();
    std::lock_guard<std::mutex> lock(pool.mutex);
    // The newest kept block that fits without wasting more than half of it.
    for (size_t k = pool.kept.size(); k-- > 0;)
        if (pool.kept[k].second >= bytes && pool.kept[k].second / 2 <= bytes)
        {
            const auto block = pool.kept[k];
            pool.kept.erase(pool.kept.begin() + std::ptrdiff_t(k));
            pool.keptBytes -= block.second;
            pool.lent[block.first] = block.second;
            return block.first;
        }
    void* block = ::operator new(bytes);
    pool.lent[block] = bytes;
    return block;
}

void PoolGive(void* block, size_t bytes)
{
    if (bytes < kPooledBytes)
    {
        ::operator delete(block);
        return;
    }
    SPool& pool = Pool();
    std::lock_guard<std::mutex> lock(pool.mutex);
    const auto it = pool.lent.find(block);
    const size_t real = it != pool.lent.end() ? it->second : bytes;
    if (it != pool.lent.end())
        pool.lent.erase(it);
    pool.kept.emplace_back(block, real);
    pool.keptBytes += real;
    while (pool.keptBytes > kPoolBudget)
    {
        ::operator delete(pool.kept.front().first);
        pool.keptBytes -= pool.kept.front().second;
        pool.kept.erase(pool.kept.begin());
    }
}
}  // namespace detail

namespace
{
// Window radii are held to this, so a window's sum of squared levels stays below 2^53.
constexpr int kMaxRadius = 1000;

/// Nearest whole number, halves up, for |v| < 2^30 (every value rounded here: levels, window
/// means, guided coefficients); a plain conversion instead of floor() so loops vectorise.
double Round(double v)
{
    const double up = v + 0.5;
    const int32_t t = int32_t(up);
    return double(t - (double(t) > up ? 1 : 0));
}

uint16_t ToSample(double v)
{
    return v <= 0.0 ? 0 : (v >= 65535.0 ? 65535 : uint16_t(v + 0.5));
}

template <class Fn>
Plane Map(const SImage& img, const Fn& fn)
{
    Plane out(img.Count());
    ForRows(img, [&](int y0, int y1) {
        for (size_t i = size_t(y0) * img.w; i < size_t(y1) * img.w; ++i)
            out[i] = fn(i);
    });
    return out;
}
}  // namespace

float Scale(const Params& p)
{
    const float s = p.previewscalingfactor;
    return s > 0.0f && s <= 1.0f ? s : 1.0f;
}

int ScaledPixels(float fullSize, const Params& p, int minimum)
{
    const float v = fullSize * Scale(p);
    const int n = v > 0.0f ? (v < float(kMaxRadius) ? int(v + 0.5f) : kMaxRadius) : 0;
    return std::max(n, minimum);
}

int BorderBudget(const SBorder& border, const Params& p)
{
    if (!border.bTimesP00)
        return MP_BorderRows(border, p);
    Params held = p; // the border rule reads p[0][0] alone
    held.p[0][0] = MP_Clamp01(p.p[0][0]);
    held.previewscalingfactor = Scale(p);
    return std::min(MP_BorderRows(border, held), kMaxRadius);
}

// --- planes ------------------------------------------------------------------------------------
Plane Luminance(const SImage& img, const uint16_t* rgb, int step)
{
    const double wr = img.p->lumr, wg = img.p->lumg, wb = img.p->lumb;
    return Map(img, [&](size_t i) {
        const uint16_t* px = rgb + i * step;
        return std::clamp(Round(wr * px[0] + wg * px[1] + wb * px[2]), 0.0, 65535.0);
    });
}

Plane Channel(const SImage& img, const uint16_t* rgb, int step, int channel)
{
    return Map(img, [&](size_t i) { return double(rgb[i * step + channel]); });
}

std::array<Plane, 3> Chroma(const SImage& img, const uint16_t* rgb, int step, const Plane& lum)
{
    std::array<Plane, 3> chroma;
    for (int c = 0; c < 3; ++c)
        chroma[c] = Map(img, [&](size_t i) { return double(rgb[i * step + c]) - lum[i]; });
    return chroma;
}

// --- window filters ------------------------------------------------------------------------------
namespace
{
/// Window sums over (2r+1)² of K value planes at once, edges repeated. get(i, v) gives the K
/// whole-number values of pixel i; take(y, x0, x1, sums) receives, row by row and band by band of
/// columns, the K window sums of the pixels x0…x1−1 of row y (sums[k][x − x0]). Rows are summed
/// along x, then the row sums down each column; both running sums are exact.
template <int K, class Get, class Take>
void WindowSums(const SImage& img, int r, const Get& get, const Take& take)
{
    const int w = img.w, h = img.h;
    r = std::clamp(r, 0, kMaxRadius);
    Plane rows(img.Count() * K); // plane k of row sums at k × count
    ForRows(img, [&](int y0, int y1) {
        // One row of values, repeated at both ends so the running sums need no clamping.
        const int padded = w + 2 * r + 1;
        std::vector<double> line(size_t(padded) * K);
        double v[K];
        for (int y = y0; y < y1; ++y)
        {
            for (int x = 0; x < w; ++x)
            {
                get(size_t(y) * w + x, v);
                for (int k = 0; k < K; ++k)
                    line[size_t(k) * padded + r + x] = v[k];
            }
            for (int k = 0; k < K; ++k)
            {
                double* l = &line[size_t(k) * padded];
                std::fill(l, l + r, l[r]);
                std::fill(l + r + w, l + padded, l[r + w - 1]);
                double sum = 0.0;
                for (int j = 0; j <= 2 * r; ++j)
                    sum += l[j];
                double* d = &rows[k * img.Count() + size_t(y) * w];
                for (int x = 0; x < w; ++x)
                {
                    d[x] = sum;
                    sum += l[x + 2 * r + 1] - l[x];
                }
            }
        }
    });
    ForColumns(img, [&](int x0, int x1) {
        const int n = x1 - x0;
        std::vector<double> acc(size_t(n) * K, 0.0), current(size_t(n) * K);
        const double* sums[K];
        for (int k = 0; k < K; ++k)
        {
            sums[k] = &current[size_t(k) * n];
            double* a = &acc[size_t(k) * n];
            for (int j = -r; j <= r; ++j)
            {
                const double* s = &rows[k * img.Count() + size_t(std::clamp(j, 0, h - 1)) * w + x0];
                for (int x = 0; x < n; ++x)
                    a[x] += s[x];
            }
        }
        for (int y = 0; y < h; ++y)
        {
            for (int k = 0; k < K; ++k)
            {
                double* a = &acc[size_t(k) * n];
                double* c = &current[size_t(k) * n];
                const double* add = &rows[k * img.Count() + size_t(std::min(y + r + 1, h - 1)) * w + x0];
                const double* sub = &rows[k * img.Count() + size_t(std::max(y - r, 0)) * w + x0];
                for (int x = 0; x < n; ++x)
                {
                    c[x] = a[x];
                    a[x] += add[x] - sub[x];
                }
            }
            take(y, x0, x1, sums);
        }
    });
}
}  // namespace

void BoxSums(const SImage& img, int r, const Plane& in, Plane& out)
{
    Plane result(img.Count());
    WindowSums<1>(img, r, [&](size_t i, double* v) { v[0] = in[i]; }, [&](int y, int x0, int x1, const double* const* sums) {
        std::copy(sums[0], sums[0] + (x1 - x0), &result[size_t(y) * img.w + x0]);
    });
    out.swap(result);
}

void BoxMean(const SImage& img, int r, const Plane& in, Plane& out)
{
    r = std::clamp(r, 0, kMaxRadius);
    const double inverse = 1.0 / (double(2 * r + 1) * double(2 * r + 1));
    Plane result(img.Count());
    WindowSums<1>(img, r, [&](size_t i, double* v) { v[0] = in[i]; }, [&](int y, int x0, int x1, const double* const* sums) {
        double* d = &result[size_t(y) * img.w + x0];
        for (int x = 0; x < x1 - x0; ++x)
            d[x] = Round(sums[0][x] * inverse);
    });
    out.swap(result);
}

void LocalStatistics(const SImage& img, int r, const Plane& in, Plane& mean, Plane& variance)
{
    r = std::clamp(r, 0, kMaxRadius);
    const double inverse = 1.0 / (double(2 * r + 1) * double(2 * r + 1));
    Plane m(img.Count()), v(img.Count());
    WindowSums<2>(img, r, [&](size_t i, double* values) { values[0] = in[i], values[1] = in[i] * in[i]; },
                  [&](int y, int x0, int x1, const double* const* sums) {
                      const size_t row = size_t(y) * img.w + x0;
                      for (int x = 0; x < x1 - x0; ++x)
                      {
                          m[row + x] = sums[0][x] * inverse;
                          v[row + x] = std::max(sums[1][x] * inverse - m[row + x] * m[row + x], 0.0);
                      }
                  });
    mean.swap(m);
    variance.swap(v);
}

void GaussLike(const SImage& img, int r, const Plane& in, Plane& out)
{
    Plane tmp;
    BoxMean(img, r, in, out);
    BoxMean(img, r, out, tmp);
    BoxMean(img, r, tmp, out);
}

void BlurWithin(const SImage& img, int rows, const Plane& in, Plane& out)
{
    if (rows >= 3)
        GaussLike(img, rows / 3, in, out);
    else
        BoxMean(img, 1, in, out);
}

void Guided(const SImage& img, int r, double eps, const Plane& guide, const Plane& input, Plane& out)
{
    r = std::clamp(r, 0, kMaxRadius);
    const double inverse = 1.0 / (double(2 * r + 1) * double(2 * r + 1));
    // The coefficients a (in 2^-20) and b (in 1/16 levels) of every window become whole numbers,
    // so their window sums are exact as well.
    constexpr double kA = 1048576.0, kB = 16.0;
    Plane a(img.Count()), b(img.Count());
    auto coefficients = [&](int y, int x0, int x1, const double* mG, const double* mGG, const double* mP, const double* mGP) {
        const size_t row = size_t(y) * img.w + x0;
        for (int x = 0; x < x1 - x0; ++x)
        {
            const double g = mG[x] * inverse;
            const double var = std::max(mGG[x] * inverse - g * g, 0.0);
            const double p = mP ? mP[x] * inverse : g;
            const double cov = mP ? mGP[x] * inverse - g * p : var;
            const double denominator = var + eps;
            const double ai = denominator > 0.0 ? std::clamp(cov / denominator, -64.0, 64.0) : 0.0;
            a[row + x] = Round(ai * kA);
            b[row + x] = Round(std::clamp(p - ai * g, -8388608.0, 8388608.0) * kB);
        }
    };
    if (&guide == &input)
        WindowSums<2>(img, r, [&](size_t i, double* v) { v[0] = guide[i], v[1] = guide[i] * guide[i]; },
                      [&](int y, int x0, int x1, const double* const* s) { coefficients(y, x0, x1, s[0], s[1], nullptr, nullptr); });
    else
        WindowSums<4>(img, r, [&](size_t i, double* v) {
            v[0] = guide[i], v[1] = guide[i] * guide[i], v[2] = input[i], v[3] = guide[i] * input[i];
        }, [&](int y, int x0, int x1, const double* const* s) { coefficients(y, x0, x1, s[0], s[1], s[2], s[3]); });
    Plane result(img.Count());
    const double scaleA = inverse / kA, scaleB = inverse / kB;
    WindowSums<2>(img, r, [&](size_t i, double* v) { v[0] = a[i], v[1] = b[i]; },
                  [&](int y, int x0, int x1, const double* const* s) {
                      const size_t row = size_t(y) * img.w + x0;
                      for (int x = 0; x < x1 - x0; ++x)
                          result[row + x] = Round(s[0][x] * scaleA * guide[row + x] + s[1][x] * scaleB);
                  });
    out.swap(result);
}

namespace
{
/// Non-local means with patches of radius P (a compile-time constant, so the patch sums unroll
/// and vectorise). Each pair of opposite offsets ±o shares one field of patch distances: the
/// distance of the patches at x and x + o is the distance for −o seen from x + o.
template <int P>
void NonLocalMeansOf(const SImage& img, int search, double h, const Plane& in, Plane& out)
{
    constexpr int taps = 2 * P + 1;
    const int w = img.w, S = search;
    // A padded copy in floats (edges repeated). Columns need room for the offset and the
    // mirrored offset, rows for one of them. Every pixel sums its distances in the same order,
    // so float rounding cannot make a stripe differ from the whole image.
    const int mx = 2 * S + P, my = S + P, pw = w + 2 * mx, ph = img.h + 2 * my;
    FloatPlane fine(size_t(pw) * ph);
    MP_MT_ForBands(ph, img.Workers(), [&](const TaskFuncParams& t) {
        for (int py = t.iRowBegin; py < t.iRowEnd; ++py)
        {
            const double* row = &in[size_t(std::clamp(py - my, 0, img.h - 1)) * w];
            for (int px = 0; px < pw; ++px)
                fine[size_t(py) * pw + px] = float(std::clamp(row[std::clamp(px - mx, 0, w - 1)], 0.0, 65535.0));
        }
    });
    auto F = [&](int y, int x) { return &fine[size_t(y + my) * pw + x + mx]; };
    const double hh = std::max(h, 1.0e-3);
    const float scale = float(1.0 / (hh * hh * taps * taps));
    out.resize(img.Count());
    ForRows(img, [&](int y0, int y1) {
        const int rows = y1 - y0, ww = w + 2 * S; // weights for columns −S … w + S − 1
        std::vector<float> acc(size_t(rows) * w), weights(size_t(rows) * w, 1.0f);
        std::vector<float> sums(size_t(rows + S + 2 * P) * ww), squares(size_t(ww) + 2 * P);
        std::vector<float> field(size_t(rows + S) * ww); // row k is picture row y0 − S + k
        for (int k = 0; k < rows; ++k)
            std::memcpy(&acc[size_t(k) * w], F(y0 + k, 0), sizeof(float) * w);
        for (int dy = 0; dy <= S; ++dy)
            for (int dx = -S; dx <= S; ++dx)
            {
                if (dy == 0 && dx <= 0)
                    continue; // the pixel itself counts once, with weight 1; −o comes with o
                // Horizontal patch sums of rows y0 − dy − P … y1 + P − 1, then the vertical ones.
                for (int k = 0; k < rows + dy + 2 * P; ++k)
                {
                    const int y = y0 - dy - P + k;
                    const float* __restrict a = F(y, -S - P);
                    const float* __restrict b = F(y + dy, -S - P + dx);
                    float* __restrict q = squares.data();
                    for (int x = 0; x < ww + 2 * P; ++x)
                        q[x] = (a[x] - b[x]) * (a[x] - b[x]);
                    float* __restrict s = &sums[size_t(k) * ww];
                    std::copy(q, q + ww, s);
                    for (int j = 1; j < taps; ++j)
                        for (int x = 0; x < ww; ++x)
                            s[x] += q[x + j];
                }
                for (int k = 0; k < rows + dy; ++k)
                {
                    float* __restrict f = &field[size_t(k + S - dy) * ww];
                    const float* __restrict first = &sums[size_t(k) * ww];
                    std::copy(first, first + ww, f);
                    for (int j = 1; j < taps; ++j)
                    {
                        const float* __restrict next = &sums[size_t(k + j) * ww];
                        for (int x = 0; x < ww; ++x)
                            f[x] += next[x];
                    }
                    for (int x = 0; x < ww; ++x)
                    {
                        const float t = 1.0f - f[x] * scale;
                        const float positive = 0.5f * (t + std::fabs(t)); // max(t, 0) without a branch
                        f[x] = positive * positive;
                    }
                }
                for (int k = 0; k < rows; ++k)
                {
                    const float* __restrict ahead = &field[size_t(k + S) * ww + S];            // o from y0 + k
                    const float* __restrict behind = &field[size_t(k + S - dy) * ww + S - dx]; // −o: the field at x − o
                    const float* __restrict v1 = F(y0 + k + dy, dx);
                    const float* __restrict v2 = F(y0 + k - dy, -dx);
                    float* __restrict ak = &acc[size_t(k) * w];
                    float* __restrict wk = &weights[size_t(k) * w];
                    for (int x = 0; x < w; ++x)
                    {
                        ak[x] += ahead[x] * v1[x] + behind[x] * v2[x];
                        wk[x] += ahead[x] + behind[x];
                    }
                }
            }
        for (int k = 0; k < rows; ++k)
            for (int x = 0; x < w; ++x)
                out[size_t(y0 + k) * w + x] = Round(acc[size_t(k) * w + x] / weights[size_t(k) * w + x]);
    });
}
}  // namespace

void NonLocalMeans(const SImage& img, int search, int patch, double h, const Plane& in, Plane& out)
{
    search = std::clamp(search, 0, 16);
    if (patch >= 2)
        NonLocalMeansOf<2>(img, search, h, in, out);
    else
        NonLocalMeansOf<1>(img, search, h, in, out);
}

void LocalRange(const SImage& img, int r, const Plane& in, Plane& lo, Plane& hi)
{
    const int w = img.w, h = img.h;
    r = std::clamp(r, 0, kMaxRadius);
    Plane rowLo(img.Count()), rowHi(img.Count());
    ForRows(img, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < w; ++x)
            {
                const double* s = &in[size_t(y) * w];
                double a = s[x], b = s[x];
                for (int k = std::max(x - r, 0); k <= std::min(x + r, w - 1); ++k)
                    a = std::min(a, s[k]), b = std::max(b, s[k]);
                rowLo[size_t(y) * w + x] = a;
                rowHi[size_t(y) * w + x] = b;
            }
    });
    lo.resize(img.Count());
    hi.resize(img.Count());
    ForRows(img, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y)
        {
            double* l = &lo[size_t(y) * w];
            double* u = &hi[size_t(y) * w];
            std::memcpy(l, &rowLo[size_t(y) * w], sizeof(double) * w);
            std::memcpy(u, &rowHi[size_t(y) * w], sizeof(double) * w);
            for (int k = std::max(y - r, 0); k <= std::min(y + r, h - 1); ++k)
                for (int x = 0; x < w; ++x)
                {
                    l[x] = std::min(l[x], rowLo[size_t(k) * w + x]);
                    u[x] = std::max(u[x], rowHi[size_t(k) * w + x]);
                }
        }
    });
}

void LimitOvershoot(const Plane& lo, const Plane& hi, double overshoot, Plane& value)
{
    for (size_t i = 0; i < value.size(); ++i)
        value[i] = std::clamp(value[i], lo[i] - overshoot, hi[i] + overshoot);
}

FloatPlane Gradient(const SImage& img, const Plane& lum)
{
    const int w = img.w, h = img.h;
    const double scale = Scale(*img.p);
    // The smoothing against noise spans one full-size pixel: none in previews below ¾ size,
    // whose downscale has smoothed already.
    Plane mean;
    BoxMean(img, scale >= 0.75 ? 1 : 0, lum, mean);
    FloatPlane gradient(img.Count());
    ForRows(img, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y)
        {
            const double* up = &mean[size_t(std::max(y - 1, 0)) * w];
            const double* row = &mean[size_t(y) * w];
            const double* down = &mean[size_t(std::min(y + 1, h - 1)) * w];
            for (int x = 0; x < w; ++x)
            {
                const double gx = (row[std::min(x + 1, w - 1)] - row[std::max(x - 1, 0)]) * 0.5;
                const double gy = (down[x] - up[x]) * 0.5;
                gradient[size_t(y) * w + x] = float(std::sqrt(gx * gx + gy * gy) * scale);
            }
        }
    });
    return gradient;
}

FloatPlane DetailWeight(const SImage& img, const Plane& lum, double low, double high)
{
    FloatPlane weight = Gradient(img, lum);
    for (float& v : weight)
        v = SmoothStep(low, high, v);
    return weight;
}

// --- float planes ------------------------------------------------------------------------------
void RecursiveGauss(const SImage& img, float sigma, FloatPlane& plane)
{
    // Young and van Vliet's third-order recursive filter, run forward and backward.
    const double s = std::clamp(double(sigma), 0.5, 250.0);
    const double q = s >= 2.5 ? 0.98711 * s - 0.96330 : 3.97156 - 4.14554 * std::sqrt(1.0 - 0.26891 * s);
    const double b0 = 1.57825 + 2.44413 * q + 1.4281 * q * q + 0.422205 * q * q * q;
    const float b1 = float((2.44413 * q + 2.85619 * q * q + 1.26661 * q * q * q) / b0);
    const float b2 = float(-(1.4281 * q * q + 1.26661 * q * q * q) / b0);
    const float b3 = float(0.422205 * q * q * q / b0);
    const float B = 1.0f - (b1 + b2 + b3);
    const int w = img.w, h = img.h;
    // Along rows, four rows side by side: each recursion waits for its previous result, so
    // four independent ones fill the processor (and the vector lanes) where one would stall.
    constexpr int kLanes = 4;
    ForRows(img, [&](int y0, int y1) {
        std::vector<float> lanes(size_t(w) * kLanes);
        for (int y = y0; y < y1; y += kLanes)
        {
            const int n = std::min(kLanes, y1 - y);
            for (int x = 0; x < w; ++x)
                for (int r = 0; r < kLanes; ++r)
                    lanes[size_t(x) * kLanes + r] = plane[size_t(y + std::min(r, n - 1)) * w + x];
            for (const int direction : {1, -1})
            {
                const int first = direction > 0 ? 0 : w - 1;
                float w1[kLanes], w2[kLanes], w3[kLanes];
                for (int r = 0; r < kLanes; ++r)
                    w1[r] = w2[r] = w3[r] = lanes[size_t(first) * kLanes + r];
                for (int x = first; x >= 0 && x < w; x += direction)
                    for (int r = 0; r < kLanes; ++r)
                    {
                        float& cell = lanes[size_t(x) * kLanes + r];
                        const float v = B * cell + b1 * w1[r] + b2 * w2[r] + b3 * w3[r];
                        cell = v, w3[r] = w2[r], w2[r] = w1[r], w1[r] = v;
                    }
            }
            for (int r = 0; r < n; ++r)
                for (int x = 0; x < w; ++x)
                    plane[size_t(y + r) * w + x] = lanes[size_t(x) * kLanes + r];
        }
    });
    // Down the columns, whole rows of a band at a time; the last three results are read back
    // from the rows already written (the edge row stands in before the first).
    ForColumns(img, [&](int x0, int x1) {
        const int n = x1 - x0;
        std::vector<float> tmp(size_t(n) * h), edge(static_cast<size_t>(n));
        auto run = [&](auto rowAt, auto store, int first, int dir) {
            std::copy(rowAt(first), rowAt(first) + n, edge.begin());
            const float *p1 = edge.data(), *p2 = p1, *p3 = p1;
            for (int k = 0; k < h; ++k)
            {
                const int y = first + k * dir;
                const float* __restrict in = rowAt(y);
                float* __restrict out = store(y);
                for (int j = 0; j < n; ++j)
                    out[j] = B * in[j] + b1 * p1[j] + b2 * p2[j] + b3 * p3[j];
                p3 = p2, p2 = p1, p1 = out;
            }
        };
        auto planeRow = [&](int y) { return &plane[size_t(y) * w + x0]; };
        auto tmpRow = [&](int y) { return &tmp[size_t(y) * n]; };
        run(planeRow, tmpRow, 0, 1);
        run(tmpRow, planeRow, h - 1, -1);
    });
}

void LineBlur(const SImage& img, float length, float degrees, FloatPlane& plane)
{
    const double angle = (std::isfinite(degrees) ? degrees : 0.0f) * M_PI / 180.0;
    double dx = std::cos(angle), dy = -std::sin(angle); // image rows run downwards
    const bool transpose = std::fabs(dy) > std::fabs(dx);
    int w = img.w, h = img.h;
    FloatPlane work;
    if (transpose)
    {
        std::swap(dx, dy);
        std::swap(w, h);
        work.resize(plane.size());
        for (int y = 0; y < img.h; ++y)
            for (int x = 0; x < img.w; ++x)
                work[size_t(x) * w + y] = plane[size_t(y) * img.w + x];
    }
    FloatPlane& p = transpose ? work : plane;
    // Lines y = y0 + x·t through the picture, one per whole y0; each is sampled at every x
    // (interpolated between rows), box-summed along x through running sums (so the cost does not
    // grow with the length), and the pixels are read back between the two lines they fall between.
    const double t = dy / dx;
    // A streak `length` pixels long weighs that many pixels: half of it beyond the centre pixel.
    double halfX = 0.5 * (double(length) - 1.0) * std::fabs(dx);
    halfX = halfX > 0.0 ? std::min(halfX, 4096.0) : 0.0; // NaN too
    const int whole = int(halfX);
    const float part = float(halfX - whole), norm = float(1.0 / (2.0 * halfX + 1.0));
    const double reach = std::fabs(t) * (w - 1);
    const int first = -int(std::ceil(t > 0 ? reach : 0.0)) - 1;
    const int lines = h + int(std::ceil(reach)) + 3;
    // Where a line crosses column x: whole rows below its start and the part between two rows,
    // the same for every line (and mirrored for reading back).
    std::vector<int> down(static_cast<size_t>(w)), up(static_cast<size_t>(w));
    std::vector<float> downPart(static_cast<size_t>(w)), upPart(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x)
    {
        const double along = x * t, lower = std::floor(along), upper = std::floor(-along);
        down[x] = int(lower), downPart[x] = float(along - lower);
        up[x] = int(upper), upPart[x] = float(-along - upper);
    }
    FloatPlane blurred(size_t(lines) * w);
    MP_MT_ForBands(lines, img.Workers(), [&](const TaskFuncParams& band) {
        // Positions −whole − 1 … w + whole, the ends repeated; sums in double stay exact enough
        // over any line length.
        const int pad = whole + 1;
        std::vector<float> line(size_t(w) + 2 * pad);
        std::vector<double> sums(line.size() + 1);
        float* sample = line.data() + pad;
        for (int j = band.iRowBegin; j < band.iRowEnd; ++j)
        {
            for (int x = 0; x < w; ++x)
            {
                const int r0 = first + j + down[x];
                const int a = std::clamp(r0, 0, h - 1), b = std::clamp(r0 + 1, 0, h - 1);
                const float f = downPart[x];
                sample[x] = p[size_t(a) * w + x] * (1.0f - f) + p[size_t(b) * w + x] * f;
            }
            std::fill(line.begin(), line.begin() + pad, sample[0]);
            std::fill(line.end() - pad, line.end(), sample[w - 1]);
            for (size_t i = 0; i < line.size(); ++i)
                sums[i + 1] = sums[i] + line[i];
            float* out = &blurred[size_t(j) * w];
            for (int x = 0; x < w; ++x)
            {
                const float inner = float(sums[size_t(x) + 2 * whole + 2] - sums[size_t(x) + 1]);
                out[x] = (part * (sample[x - pad] + sample[x + pad]) + inner) * norm;
            }
        }
    });
    MP_MT_ForBands(h, img.Workers(), [&](const TaskFuncParams& band) {
        for (int y = band.iRowBegin; y < band.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
            {
                const size_t j = size_t(y + up[x] - first);
                const float f = upPart[x];
                p[size_t(y) * w + x] = blurred[j * w + x] * (1.0f - f) + blurred[(j + 1) * w + x] * f;
            }
    });
    if (transpose)
        for (int y = 0; y < img.h; ++y)
            for (int x = 0; x < img.w; ++x)
                plane[size_t(y) * img.w + x] = work[size_t(x) * w + y];
}

// --- write-back --------------------------------------------------------------------------------
void WriteLuminance(const SImage& img, const uint16_t* rgb, int rgbStep, const Plane& lum, const Plane& lumNew,
                    const float* weight, uint16_t* dst, int dstStep)
{
    ForRows(img, [&](int y0, int y1) {
        for (size_t i = size_t(y0) * img.w; i < size_t(y1) * img.w; ++i)
        {
            const double delta = (lumNew[i] - lum[i]) * (weight ? weight[i] : 1.0f);
            const uint16_t* in = rgb + i * rgbStep;
            const uint16_t r = ToSample(in[0] + delta), g = ToSample(in[1] + delta), b = ToSample(in[2] + delta);
            uint16_t* out = dst + i * dstStep;
            out[0] = r, out[1] = g, out[2] = b;
        }
    });
}

void WriteChroma(const SImage& img, const uint16_t* rgb, int rgbStep, const std::array<Plane, 3>& chroma,
                 const std::array<Plane, 3>& chromaNew, uint16_t* dst, int dstStep)
{
    const double weight[3] = {img.p->lumr, img.p->lumg, img.p->lumb};
    ForRows(img, [&](int y0, int y1) {
        for (size_t i = size_t(y0) * img.w; i < size_t(y1) * img.w; ++i)
        {
            // Channels filtered one by one need not keep their weighted sum at zero: the part of
            // the change that would move the luminance is taken out again.
            double delta[3], moved = 0.0;
            for (int c = 0; c < 3; ++c)
                delta[c] = chromaNew[c][i] - chroma[c][i], moved += weight[c] * delta[c];
            uint16_t v[3];
            for (int c = 0; c < 3; ++c)
                v[c] = ToSample(rgb[i * rgbStep + c] + delta[c] - moved);
            std::memcpy(dst + i * dstStep, v, sizeof(v));
        }
    });
}

void WriteChannels(const SImage& img, const std::array<Plane, 3>& planes, uint16_t* dst, int dstStep)
{
    ForRows(img, [&](int y0, int y1) {
        for (size_t i = size_t(y0) * img.w; i < size_t(y1) * img.w; ++i)
            for (int c = 0; c < 3; ++c)
                dst[i * dstStep + c] = ToSample(planes[c][i]);
    });
}
}  // namespace Enhance
