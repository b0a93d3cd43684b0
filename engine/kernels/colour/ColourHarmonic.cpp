// The colour-scheme operator: a 17-point lattice derived from one of eight built-in reference
// pictures (the LUT-from-picture derivation with hue weighting), baked with the operator's own
// intensity, brightness, contrast, saturation and protections, and applied to the picture. The
// reference pictures are drawn here from their palettes, so nothing but these numbers is stored.
#include "engine/kernels/colour/ColourShared.h"
#include "lut/LutApplyRows.h"
#include "lut/LutEngine.h"
#include "lut/LutFromPicture.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

using namespace ColourFamily;

namespace
{
constexpr int kLatticeSize = 17;
constexpr int kSchemes = 8;
constexpr int kPictureSide = 64;

/// Five colours from dark to light; the reference picture runs through them.
struct SPalette
{
    float stops[5][3];
};

constexpr SPalette kPalettes[kSchemes] = {
    {{{0.18f, 0.08f, 0.25f}, {0.65f, 0.12f, 0.20f}, {0.95f, 0.45f, 0.12f}, {1.00f, 0.75f, 0.35f}, {1.00f, 0.92f, 0.75f}}}, // sunset
    {{{0.05f, 0.12f, 0.06f}, {0.15f, 0.32f, 0.12f}, {0.35f, 0.50f, 0.20f}, {0.60f, 0.65f, 0.35f}, {0.85f, 0.88f, 0.70f}}}, // forest
    {{{0.02f, 0.08f, 0.20f}, {0.05f, 0.25f, 0.45f}, {0.10f, 0.50f, 0.65f}, {0.45f, 0.75f, 0.85f}, {0.88f, 0.95f, 0.97f}}}, // ocean
    {{{0.20f, 0.08f, 0.03f}, {0.50f, 0.18f, 0.05f}, {0.80f, 0.40f, 0.08f}, {0.90f, 0.65f, 0.20f}, {0.95f, 0.85f, 0.60f}}}, // autumn
    {{{0.05f, 0.02f, 0.12f}, {0.50f, 0.00f, 0.60f}, {0.95f, 0.10f, 0.60f}, {0.10f, 0.80f, 0.95f}, {0.85f, 1.00f, 0.50f}}}, // neon
    {{{0.25f, 0.14f, 0.08f}, {0.55f, 0.33f, 0.18f}, {0.78f, 0.55f, 0.32f}, {0.90f, 0.75f, 0.52f}, {0.98f, 0.92f, 0.80f}}}, // desert
    {{{0.10f, 0.12f, 0.18f}, {0.30f, 0.36f, 0.45f}, {0.55f, 0.62f, 0.72f}, {0.78f, 0.84f, 0.90f}, {0.96f, 0.98f, 1.00f}}}, // winter
    {{{0.45f, 0.40f, 0.50f}, {0.80f, 0.65f, 0.72f}, {0.70f, 0.80f, 0.85f}, {0.92f, 0.85f, 0.70f}, {0.98f, 0.95f, 0.92f}}}, // pastel
};

/// The reference picture of a palette: its colours from top to bottom with a gentle wave, darker
/// to the left, so the picture has both the palette's hues and a spread of tones.
std::vector<uint16_t> ReferencePicture(const SPalette& palette)
{
    std::vector<uint16_t> picture(size_t(kPictureSide) * kPictureSide * 3);
    for (int y = 0; y < kPictureSide; ++y)
        for (int x = 0; x < kPictureSide; ++x)
        {
            const float fx = float(x) / float(kPictureSide - 1), fy = (float(y) + 0.5f) / float(kPictureSide);
            const float t = MP_Clamp01(fy + 0.12f * std::sin(6.2831853f * (1.5f * fx + fy * 0.8f))) * 3.999f;
            const int k = int(t);
            const float f = t - float(k), shade = 0.55f + 0.45f * fx;
            uint16_t* px = &picture[(size_t(y) * kPictureSide + x) * 3];
            for (int c = 0; c < 3; ++c)
                px[c] = MP_Encode(MP_Clamp01(Mix(palette.stops[k][c], palette.stops[k + 1][c], f) * shade));
        }
    return picture;
}

/// The lattice of a scheme, derived once per process.
const std::vector<float>& SchemeLattice(int scheme)
{
    static std::array<std::vector<float>, kSchemes> lattices;
    static std::array<std::once_flag, kSchemes> once;
    std::call_once(once[size_t(scheme)], [scheme] {
        std::vector<float>& lattice = lattices[size_t(scheme)];
        lattice.assign(size_t(kLatticeSize) * kLatticeSize * kLatticeSize * 3, 0.0f);
        const std::vector<uint16_t> picture = ReferencePicture(kPalettes[scheme]);
        LutFromPicture::Derive(picture.data(), kPictureSide, kPictureSide, kLatticeSize, 2, lattice.data(),
                               LutFromPicture::eHW_SATURATION);
    });
    return lattices[size_t(scheme)];
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorHarmonic — sets: 0 scheme (1 sunset, 2 forest, 3 ocean, 4 autumn, 5 neon,
// 6 desert, 7 winter, 8 pastel), 1 intensity, 2 brightness, 3 contrast, 4 saturation (0.5 neutral),
// 5 skin protection, 6 sky protection, 7 combo, 8 geometry.
constexpr SSetLayout kHarmonicSets{-1, eCR_NONE, 7, 8};

int Scheme(const Params& p)
{
    return int(MP_Clamp01(p.p[0][0]) * float(kSchemes - 1) + 0.5f);
}

bool HarmonicHasEffect(const Params& p)
{
    return p.p[1][0] > 0.001f;
}
}  // namespace

int MP_calcPixelColorHarmonic(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const std::vector<float>& source = SchemeLattice(Scheme(*p));
    constexpr size_t kFloats = size_t(kLatticeSize) * kLatticeSize * kLatticeSize * 3;
    std::vector<float> baked(kFloats), padded(kFloats / 3 * 4);
    auto v = [p](int set) { return MP_Clamp01(p->p[set][0]); };
    MP_calcLUTtoLUTCalc(kLatticeSize, source.data(), baked.data(), v(1), v(2), v(3), v(4), 0.5f, 0.5f, 0.5f, 0.5f,
                        0.5f, 0.0f, 0.0f, 0.0f, v(5), v(6));
    SLutApplyRows lut;
    lut.pLattice = baked.data();
    lut.iSize = kLatticeSize;
    lut.iLayerMode = 0;
    const MP_LutApplyRow row = MP_LUTApplyRowFunction();
    if (row != MP_LUTApplyRowScalar)
    {
        MP_LUTPadLattice(baked.data(), kLatticeSize, padded.data());
        lut.pPadded = padded.data();
    }
    const int sstep = ss / 2, tstep = ts / 2;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        std::vector<uint16_t> line(size_t(w) * 3);
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
        {
            const uint16_t* in = src + size_t(y) * w * sstep;
            uint16_t* out = dst + size_t(y) * w * tstep;
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 3; ++c)
                    line[size_t(x) * 3 + c] = in[size_t(x) * sstep + c];
            row(lut, line.data(), w);
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 3; ++c)
                    out[size_t(x) * tstep + c] = line[size_t(x) * 3 + c];
        }
    });
    return MP_SUCCESS;
}

namespace
{
const SKernelEntry kColourHarmonicKernels[] = {
    // name + function                    border            flags         reads       CL       effect test        sets
    {MP_KERNEL(MP_calcPixelColorHarmonic), SBorder::Rows(0), eKF_CPU_ONLY, eIN_COLOUR, nullptr, HarmonicHasEffect, kHarmonicSets},
};
}  // namespace

std::span<const SKernelEntry> ColourHarmonicKernels()
{
    return kColourHarmonicKernels;
}
