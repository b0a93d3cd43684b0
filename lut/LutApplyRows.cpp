#include "lut/LutApplyRows.h"

#include "core/LayerBlend.h"
#include "lut/LutLattice.h"

#include <immintrin.h>

#include <cmath>
#include <cstring>

namespace
{
// Decoding multiplies by this single-precision constant rather than dividing by 65535.
constexpr float kToUnit = 1.5259022e-5f;

struct SAxis
{
    int i0, i1;
    float f;
};

inline SAxis Axis(uint16_t sample, int n)
{
    const float t = float(sample) * kToUnit;
    const float p = float(n - 1) * t;
    const float whole = std::trunc(p);
    int i0 = int(whole);
    i0 = i0 < n - 1 ? i0 : n - 1;
    return {i0, i0 + 1 < n - 1 ? i0 + 1 : n - 1, p - whole};
}

inline float Lerp(float a, float b, float f)
{
    return (1.f - f) * a + f * b;
}

// Clamps to 0…1 (NaN fails the first test and becomes 0) and truncates into 16 bits.
inline uint16_t Encode(float v)
{
    v = v > 0.f ? v : 0.f;
    v = v < 1.f ? v : 1.f;
    return uint16_t(int(v * 65535.f));
}

// The looked-up colour is the base of the blend, the incoming pixel its layer.
inline void Finish(int mode, float* colour, uint16_t* pixel)
{
    if (mode > 0)
    {
        float layer[3] = {float(pixel[0]) * kToUnit, float(pixel[1]) * kToUnit, float(pixel[2]) * kToUnit};
        MP_BlendLayerMode(mode, colour, layer);
        colour[0] = layer[0], colour[1] = layer[1], colour[2] = layer[2];
    }
    pixel[0] = Encode(colour[0]);
    pixel[1] = Encode(colour[1]);
    pixel[2] = Encode(colour[2]);
}
}  // namespace

void MP_LUTApplyRowScalar(const SLutApplyRows& lut, uint16_t* pixels, int count)
{
    const int n = lut.iSize;
    const float* lattice = lut.pLattice;
    for (int x = 0; x < count; ++x)
    {
        uint16_t* px = pixels + size_t(x) * 3;
        const SAxis r = Axis(px[0], n), g = Axis(px[1], n), b = Axis(px[2], n);
        auto at = [&](int ri, int gi, int bi) { return lattice + LutLattice::Offset(ri, gi, bi, n); };
        const float *p000 = at(r.i0, g.i0, b.i0), *p100 = at(r.i1, g.i0, b.i0);
        const float *p010 = at(r.i0, g.i1, b.i0), *p110 = at(r.i1, g.i1, b.i0);
        const float *p001 = at(r.i0, g.i0, b.i1), *p101 = at(r.i1, g.i0, b.i1);
        const float *p011 = at(r.i0, g.i1, b.i1), *p111 = at(r.i1, g.i1, b.i1);
        float colour[3];
        for (int c = 0; c < 3; ++c)
        {
            // Red first, then green, then blue.
            const float c00 = Lerp(p000[c], p100[c], r.f), c10 = Lerp(p010[c], p110[c], r.f);
            const float c01 = Lerp(p001[c], p101[c], r.f), c11 = Lerp(p011[c], p111[c], r.f);
            colour[c] = Lerp(Lerp(c00, c10, g.f), Lerp(c01, c11, g.f), b.f);
        }
        Finish(lut.iLayerMode, colour, px);
    }
}

namespace
{
// The tetrahedron around a point: walk from its lowest corner to the highest along the axis with
// the largest fraction first, then the next; each corner weighs the difference of fractions.
// The order of the fractions comes from a table indexed by three comparisons rather than from
// branches, which noise makes guess wrong.
struct STetrahedron
{
    size_t first, second, last; // offsets of the three corners after the lowest
    float w0, w1, w2, w3;
};

inline STetrahedron Tetrahedron(const float f[3], const size_t step[3])
{
    // Axes from the largest fraction to the smallest, by (r > g) | (g > b) << 1 | (r > b) << 2;
    // codes 3 and 4 cannot occur.
    static constexpr uint8_t kOrder[8][3] = {{2, 1, 0}, {2, 0, 1}, {1, 2, 0}, {0, 1, 2},
                                             {0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {0, 1, 2}};
    const uint8_t* o = kOrder[int(f[0] > f[1]) | int(f[1] > f[2]) << 1 | int(f[0] > f[2]) << 2];
    const size_t first = step[o[0]], second = first + step[o[1]];
    return {first, second, second + step[o[2]], 1.f - f[o[0]], f[o[0]] - f[o[1]], f[o[1]] - f[o[2]], f[o[2]]};
}
}  // namespace

void MP_LUTApplyRowTetrahedral(const SLutApplyRows& lut, uint16_t* pixels, int count)
{
    const int n = lut.iSize;
    const float* lattice = lut.pLattice;
    for (int x = 0; x < count; ++x)
    {
        uint16_t* px = pixels + size_t(x) * 3;
        const SAxis r = Axis(px[0], n), g = Axis(px[1], n), b = Axis(px[2], n);
        const float* c = lattice + LutLattice::Offset(r.i0, g.i0, b.i0, n);
        // Steps along the axes; zero at the last point, where i1 = i0.
        const float f[3] = {r.f, g.f, b.f};
        const size_t step[3] = {size_t(r.i1 - r.i0) * 3, size_t(g.i1 - g.i0) * 3 * n, size_t(b.i1 - b.i0) * 3 * n * n};
        const STetrahedron t = Tetrahedron(f, step);
        float colour[3];
        for (int k = 0; k < 3; ++k)
            colour[k] = t.w0 * c[k] + t.w1 * c[t.first + k] + t.w2 * c[t.second + k] + t.w3 * c[t.last + k];
        Finish(lut.iLayerMode, colour, px);
    }
}

namespace
{
// (1 − f)·a + f·b lane by lane, the weights given as (1 − f) and f.
__attribute__((target("sse4.1"))) inline __m128 Lerp1(__m128 a, __m128 b, __m128 wa, __m128 wb)
{
    return _mm_add_ps(_mm_mul_ps(wa, a), _mm_mul_ps(wb, b));
}

__attribute__((target("avx2"))) inline __m256 Lerp2(__m256 a, __m256 b, __m256 wa, __m256 wb)
{
    return _mm256_add_ps(_mm256_mul_ps(wa, a), _mm256_mul_ps(wb, b));
}

// The lattice point at `a` in the low half, the one at `b` in the high half.
__attribute__((target("avx2"))) inline __m256 Corners(const float* a, const float* b)
{
    return _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(a)), _mm_loadu_ps(b), 1);
}

// Shared by the vector rows: clamps like Encode (max(x, 0) answers 0 for NaN) and truncates.
__attribute__((target("sse4.1"))) inline __m128i EncodeWords(__m128 colour)
{
    colour = _mm_min_ps(_mm_max_ps(colour, _mm_setzero_ps()), _mm_set1_ps(1.f));
    const __m128i words = _mm_cvttps_epi32(_mm_mul_ps(colour, _mm_set1_ps(65535.f)));
    return _mm_packus_epi32(words, words);
}

__attribute__((target("sse4.1"))) inline void StoreWords(uint16_t* px, __m128i packed)
{
    const uint32_t rg = uint32_t(_mm_cvtsi128_si32(packed));
    std::memcpy(px, &rg, 4);
    px[2] = uint16_t(_mm_extract_epi16(packed, 2));
}

// One pixel: the three channels side by side in one register. The index arithmetic of the three
// axes runs in parallel, each corner is one four-float load from the padded lattice, and every
// multiply and add is the scalar one, lane by lane, so the words are identical.
__attribute__((target("sse4.1"))) inline void ApplyPixelSSE41(const float* lattice, int n, int mode,
                                                             uint16_t* px)
{
    const __m128 one = _mm_set1_ps(1.f);
    const __m128i lastIndex = _mm_set1_epi32(n - 1);
    const __m128i stride = _mm_setr_epi32(4, 4 * n, 4 * n * n, 0); // floats per step of r, g, b
    const __m128i sample = _mm_setr_epi32(px[0], px[1], px[2], 0);
    const __m128 p = _mm_mul_ps(_mm_set1_ps(float(n - 1)), _mm_mul_ps(_mm_cvtepi32_ps(sample), _mm_set1_ps(kToUnit)));
    const __m128i whole = _mm_cvttps_epi32(p);
    const __m128 f = _mm_sub_ps(p, _mm_cvtepi32_ps(whole));
    const __m128i i0 = _mm_min_epi32(whole, lastIndex);
    const __m128i i1 = _mm_min_epi32(_mm_add_epi32(i0, _mm_set1_epi32(1)), lastIndex);
    const __m128i o0 = _mm_mullo_epi32(i0, stride);
    const __m128i step = _mm_mullo_epi32(_mm_sub_epi32(i1, i0), stride);
    const float* q = lattice + _mm_cvtsi128_si32(o0) + _mm_extract_epi32(o0, 1) + _mm_extract_epi32(o0, 2);
    const int dr = _mm_cvtsi128_si32(step), dg = _mm_extract_epi32(step, 1), db = _mm_extract_epi32(step, 2);

    const __m128 w0 = _mm_sub_ps(one, f);
    const __m128 fr = _mm_shuffle_ps(f, f, 0x00), gr = _mm_shuffle_ps(w0, w0, 0x00);
    const __m128 fg = _mm_shuffle_ps(f, f, 0x55), gg = _mm_shuffle_ps(w0, w0, 0x55);
    const __m128 fb = _mm_shuffle_ps(f, f, 0xAA), gb = _mm_shuffle_ps(w0, w0, 0xAA);
    const __m128 c00 = Lerp1(_mm_loadu_ps(q), _mm_loadu_ps(q + dr), gr, fr);
    const __m128 c10 = Lerp1(_mm_loadu_ps(q + dg), _mm_loadu_ps(q + dg + dr), gr, fr);
    const __m128 c01 = Lerp1(_mm_loadu_ps(q + db), _mm_loadu_ps(q + db + dr), gr, fr);
    const __m128 c11 = Lerp1(_mm_loadu_ps(q + db + dg), _mm_loadu_ps(q + db + dg + dr), gr, fr);
    const __m128 colour = Lerp1(Lerp1(c00, c10, gg, fg), Lerp1(c01, c11, gg, fg), gb, fb);
    if (mode > 0)
    {
        alignas(16) float c[4];
        _mm_store_ps(c, colour);
        Finish(mode, c, px);
        return;
    }
    StoreWords(px, EncodeWords(colour));
}
}  // namespace

__attribute__((target("sse4.1"))) void MP_LUTApplyRowSSE41(const SLutApplyRows& lut,
                                                         uint16_t* pixels, int count)
{
    for (int x = 0; x < count; ++x)
        ApplyPixelSSE41(lut.pPadded, lut.iSize, lut.iLayerMode, pixels + size_t(x) * 3);
}

// The tetrahedral lookup in the padded lattice: one four-float load per corner, the same
// multiplies and adds as the scalar row lane by lane, so the words are identical.
__attribute__((target("sse4.1"))) void MP_LUTApplyRowTetrahedralSSE41(const SLutApplyRows& lut,
                                                                    uint16_t* pixels, int count)
{
    const int n = lut.iSize;
    const __m128i lastIndex = _mm_set1_epi32(n - 1);
    const __m128i stride = _mm_setr_epi32(4, 4 * n, 4 * n * n, 0); // floats per step of r, g, b
    for (int x = 0; x < count; ++x)
    {
        uint16_t* px = pixels + size_t(x) * 3;
        const __m128i sample = _mm_setr_epi32(px[0], px[1], px[2], 0);
        const __m128 p = _mm_mul_ps(_mm_set1_ps(float(n - 1)), _mm_mul_ps(_mm_cvtepi32_ps(sample), _mm_set1_ps(kToUnit)));
        const __m128i whole = _mm_cvttps_epi32(p);
        const __m128i i0 = _mm_min_epi32(whole, lastIndex);
        const __m128i i1 = _mm_min_epi32(_mm_add_epi32(i0, _mm_set1_epi32(1)), lastIndex);
        const __m128i o0 = _mm_mullo_epi32(i0, stride);
        alignas(16) float f[4];
        alignas(16) int32_t steps[4];
        _mm_store_ps(f, _mm_sub_ps(p, _mm_cvtepi32_ps(whole)));
        _mm_store_si128(reinterpret_cast<__m128i*>(steps), _mm_mullo_epi32(_mm_sub_epi32(i1, i0), stride));
        const size_t step[3] = {size_t(steps[0]), size_t(steps[1]), size_t(steps[2])};
        const STetrahedron t = Tetrahedron(f, step);
        const float* c = lut.pPadded + _mm_cvtsi128_si32(o0) + _mm_extract_epi32(o0, 1) + _mm_extract_epi32(o0, 2);
        __m128 colour = _mm_mul_ps(_mm_set1_ps(t.w0), _mm_loadu_ps(c));
        colour = _mm_add_ps(colour, _mm_mul_ps(_mm_set1_ps(t.w1), _mm_loadu_ps(c + t.first)));
        colour = _mm_add_ps(colour, _mm_mul_ps(_mm_set1_ps(t.w2), _mm_loadu_ps(c + t.second)));
        colour = _mm_add_ps(colour, _mm_mul_ps(_mm_set1_ps(t.w3), _mm_loadu_ps(c + t.last)));
        if (lut.iLayerMode > 0)
        {
            alignas(16) float out[4];
            _mm_store_ps(out, colour);
            Finish(lut.iLayerMode, out, px);
            continue;
        }
        StoreWords(px, EncodeWords(colour));
    }
}

// Two pixels per step, one in each 128-bit half, with the same lane-by-lane arithmetic as the
// SSE4.1 row. A step reads 16 bytes of samples, so it runs only while three pixels remain;
// the last one or two pixels of a row go through the single-pixel code.
__attribute__((target("avx2"))) void MP_LUTApplyRowAVX2(const SLutApplyRows& lut, uint16_t* pixels,
                                                      int count)
{
    const int n = lut.iSize, mode = lut.iLayerMode;
    const float* lattice = lut.pPadded;
    const __m256 toUnit = _mm256_set1_ps(kToUnit), last = _mm256_set1_ps(float(n - 1));
    const __m256 one = _mm256_set1_ps(1.f);
    const __m256i lastIndex = _mm256_set1_epi32(n - 1), oneIndex = _mm256_set1_epi32(1);
    const __m256i stride = _mm256_setr_epi32(4, 4 * n, 4 * n * n, 0, 4, 4 * n, 4 * n * n, 0);
    // Samples r g b of pixel A to lanes 0…2 and of pixel B to lanes 4…6.
    const __m256i spread = _mm256_setr_epi32(0, 1, 2, 7, 3, 4, 5, 7);
    int x = 0;
    for (; x + 3 <= count; x += 2)
    {
        uint16_t* px = pixels + size_t(x) * 3;
        const __m256i wide = _mm256_cvtepu16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(px)));
        const __m256i sample = _mm256_permutevar8x32_epi32(wide, spread);
        const __m256 p = _mm256_mul_ps(last, _mm256_mul_ps(_mm256_cvtepi32_ps(sample), toUnit));
        const __m256i whole = _mm256_cvttps_epi32(p);
        const __m256 f = _mm256_sub_ps(p, _mm256_cvtepi32_ps(whole));
        const __m256i i0 = _mm256_min_epi32(whole, lastIndex);
        const __m256i i1 = _mm256_min_epi32(_mm256_add_epi32(i0, oneIndex), lastIndex);
        alignas(32) int32_t o0[8], step[8];
        _mm256_store_si256(reinterpret_cast<__m256i*>(o0), _mm256_mullo_epi32(i0, stride));
        _mm256_store_si256(reinterpret_cast<__m256i*>(step), _mm256_mullo_epi32(_mm256_sub_epi32(i1, i0), stride));
        const float* qa = lattice + o0[0] + o0[1] + o0[2];
        const float* qb = lattice + o0[4] + o0[5] + o0[6];
        const int dra = step[0], dga = step[1], dba = step[2];
        const int drb = step[4], dgb = step[5], dbb = step[6];

        const __m256 w0 = _mm256_sub_ps(one, f);
        const __m256 fr = _mm256_permute_ps(f, 0x00), gr = _mm256_permute_ps(w0, 0x00);
        const __m256 fg = _mm256_permute_ps(f, 0x55), gg = _mm256_permute_ps(w0, 0x55);
        const __m256 fb = _mm256_permute_ps(f, 0xAA), gb = _mm256_permute_ps(w0, 0xAA);
        const __m256 c00 = Lerp2(Corners(qa, qb), Corners(qa + dra, qb + drb), gr, fr);
        const __m256 c10 = Lerp2(Corners(qa + dga, qb + dgb), Corners(qa + dga + dra, qb + dgb + drb), gr, fr);
        const __m256 c01 = Lerp2(Corners(qa + dba, qb + dbb), Corners(qa + dba + dra, qb + dbb + drb), gr, fr);
        const __m256 c11 = Lerp2(Corners(qa + dba + dga, qb + dbb + dgb),
                                 Corners(qa + dba + dga + dra, qb + dbb + dgb + drb), gr, fr);
        const __m256 colour = Lerp2(Lerp2(c00, c10, gg, fg), Lerp2(c01, c11, gg, fg), gb, fb);
        if (mode > 0)
        {
            alignas(32) float c[8];
            _mm256_store_ps(c, colour);
            Finish(mode, c, px);
            Finish(mode, c + 4, px + 3);
            continue;
        }
        // Pixel A first: its 8-byte store also covers the red sample of B, rewritten right after.
        _mm_storel_epi64(reinterpret_cast<__m128i*>(px), EncodeWords(_mm256_castps256_ps128(colour)));
        StoreWords(px + 3, EncodeWords(_mm256_extractf128_ps(colour, 1)));
    }
    for (; x < count; ++x)
        ApplyPixelSSE41(lattice, n, mode, pixels + size_t(x) * 3);
}

MP_LutApplyRow MP_LUTApplyRowFunction()
{
    static const MP_LutApplyRow row = __builtin_cpu_supports("avx2")     ? MP_LUTApplyRowAVX2
                                      : __builtin_cpu_supports("sse4.1") ? MP_LUTApplyRowSSE41
                                                                         : MP_LUTApplyRowScalar;
    return row;
}

MP_LutApplyRow MP_LUTApplyRowTetrahedralFunction()
{
    static const MP_LutApplyRow row =
        __builtin_cpu_supports("sse4.1") ? MP_LUTApplyRowTetrahedralSSE41 : MP_LUTApplyRowTetrahedral;
    return row;
}

void MP_LUTPadLattice(const float* lattice, int n, float* padded)
{
    const size_t points = size_t(n) * n * n;
    for (size_t i = 0; i < points; ++i)
    {
        padded[4 * i + 0] = lattice[3 * i + 0];
        padded[4 * i + 1] = lattice[3 * i + 1];
        padded[4 * i + 2] = lattice[3 * i + 2];
        padded[4 * i + 3] = 0.f;
    }
}
