// The LUT engine: lookups (worked values, identity, vector rows against the scalar one, layer
// modes, bands, non-finite points) and the parameter bake (worked colours, protection windows).
#include "core/EngineState.h"
#include "lut/LutApplyRows.h"
#include "lut/LutEngine.h"
#include "tests/support/SyntheticImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>
#include <vector>

namespace
{
std::vector<float> Identity(int n)
{
    std::vector<float> lattice(size_t(n) * n * n * 3);
    LutLattice::WriteIdentity(lattice.data(), n);
    return lattice;
}

std::vector<uint16_t> Applied(const std::vector<float>& lattice, int n, std::vector<uint16_t> pixels, int mode = 0,
                              int width = 0, ELutInterpolation interpolation = eLI_TRILINEAR)
{
    const int w = width ? width : int(pixels.size() / 3);
    MP_calcLUTtoImage(w, int(pixels.size() / 3) / w, n, lattice.data(), mode, pixels.data(), interpolation);
    return pixels;
}

std::vector<float> RandomLattice(int n, float low, float high, uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> value(low, high);
    std::vector<float> lattice(size_t(n) * n * n * 3);
    for (float& v : lattice)
        v = value(random);
    return lattice;
}

std::vector<float> Bake(int n, const std::vector<float>& source, const LutParameters& p)
{
    std::vector<float> out(source.size(), -7.f); // exactly N³ triples: an overrun is an ASan report
    MP_calcLUTtoLUTCalc(n, source.data(), out.data(), p);
    return out;
}

LutParameters With(ELutParameter which, float value)
{
    LutParameters p = LutParameters::Defaults();
    p[which] = value;
    return p;
}

}  // namespace

TEST(LutApply, WorkedLookupsPinOrderWeightsLayerModesAndTheTetrahedron)
{
    // Two random 2-point lattices where interpolating blue first, or weighting as a + (b − a)·f,
    // would change one 16-bit word.
    const std::vector<float> orderSensitive = {
        0.73934114f, 0.173095003f, 0.788398445f, 0.607772112f, 0.0749340877f, 0.008541774f, 0.409291238f, 0.688828707f,
        0.521432161f, 0.472708672f, 0.0921492949f, 0.767617345f, 0.638210475f, 0.514729857f, 0.0259304065f, 0.585257292f,
        0.560324252f, 0.81311959f, 0.593481362f, 0.601598978f, 0.646651864f, 0.638269067f, 0.759186387f, 0.745351195f};
    EXPECT_EQ(Applied(orderSensitive, 2, {65270, 60640, 44823}), (std::vector<uint16_t>{38420, 35264, 48318}));
    const std::vector<float> weightSensitive = {
        0.274578035f, 0.162332356f, 0.207390651f, 0.935868979f, 0.553811193f, 0.166982651f, 0.520481884f, 0.819781065f,
        0.979965985f, 0.0417350419f, 0.978115737f, 0.531274796f, 0.634440422f, 0.334238976f, 0.472466439f, 0.0037248875f,
        0.996837974f, 0.61665839f, 0.763686955f, 0.187220812f, 0.525070012f, 0.184449881f, 0.450358421f, 0.684562862f};
    EXPECT_EQ(Applied(weightSensitive, 2, {26187, 17564, 61338}), (std::vector<uint16_t>{27945, 33673, 34967}));

    // A lattice answering 0.5 everywhere. Modes ≤ 0 give the lookup alone, multiply (3) halves the
    // pixel, an unknown mode gives the incoming pixel back (the pixel is the blend's layer).
    const std::pair<int, std::vector<uint16_t>> modes[] = {
        {0, {32767, 32767, 32767}}, {-4, {32767, 32767, 32767}}, {3, {0, 8192, 32767}}, {48, {0, 16384, 65535}}};
    for (const auto& [mode, expected] : modes)
    {
        const std::vector<uint16_t> out = Applied(std::vector<float>(24, 0.5f), 2, {0, 16384, 65535}, mode);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(out[i], expected[i], 1) << "mode " << mode << " channel " << i;
    }

    // A 2-point lattice that is 1 at one corner per channel: red at (1, 1, 1), green at (1, 0, 1),
    // blue at (1, 0, 0). Tetrahedral lookup walks from black along the axes by falling fraction, so a
    // corner weighs the fraction of its last axis minus the next: min(r, g, b), min(r, b) − g when g is
    // the smallest, r − max(g, b) when r is the largest.
    std::vector<float> corners(8 * 3, 0.f);
    corners[LutLattice::Offset(1, 1, 1, 2)] = corners[LutLattice::Offset(1, 0, 1, 2) + 1] = 1.f;
    corners[LutLattice::Offset(1, 0, 0, 2) + 2] = 1.f;
    const std::vector<uint16_t> pixels = {32768, 16384, 49152, 65535, 65535, 65535, 65535, 0, 65535,
                                          60000, 50000, 40000, 13107, 52428, 39321, 0, 0, 0};
    const std::vector<uint16_t> tetra = Applied(corners, 2, pixels, 0, 6, eLI_TETRAHEDRAL);
    for (size_t p = 0; p < pixels.size(); p += 3)
    {
        const double r = pixels[p] / 65535.0, g = pixels[p + 1] / 65535.0, b = pixels[p + 2] / 65535.0;
        const double tetraWant[3] = {std::min({r, g, b}), std::max(0.0, std::min(r, b) - g), std::max(0.0, r - std::max(g, b))};
        for (size_t c = 0; c < 3; ++c)
            EXPECT_NEAR(tetra[p + c], tetraWant[c] * 65535.0, 1.0) << "pixel " << p / 3 << " channel " << c;
    }
}

// Both schemes give the identity back (all six orders of the fractions occur in the cube); white
// reads the last point of lattices of exactly N³ points, so an overrun is an ASan report.
TEST(LutApply, IdentityBandsNonFiniteValuesAndDegenerateCalls)
{
    const std::vector<uint16_t> cube = TestImages::RgbCube(40);
    for (const ELutInterpolation interpolation : {eLI_TRILINEAR, eLI_TETRAHEDRAL})
        for (int n : {2, 17, 33, 64})
        {
            const std::vector<uint16_t> out = Applied(Identity(n), n, cube, 0, 40 * 40, interpolation);
            for (size_t i = 0; i < cube.size(); ++i)
                ASSERT_TRUE(out[i] == cube[i] || out[i] + 1 == cube[i]) << interpolation << " N " << n << ": " << cube[i] << " -> " << out[i];
        }

    const int w = 37, h = 23, n = 5;
    const std::vector<uint16_t> noise = TestImages::Noise(w, h, 3);
    std::vector<float> lattice = Identity(n);
    lattice[0] = NAN, lattice[1] = INFINITY, lattice[2] = -INFINITY; // point (0, 0, 0)
    MP_UI_SetThreadCount(1);
    const std::vector<uint16_t> one = Applied(lattice, n, noise, 0, w);
    MP_UI_SetThreadCount(7);
    EXPECT_EQ(Applied(lattice, n, noise, 0, w), one);
    MP_UI_SetThreadCount(1);
    // Black sits exactly on the first point: NaN encodes as 0, +∞ as 65535, −∞ as 0.
    EXPECT_EQ(Applied(lattice, n, {0, 0, 0}), (std::vector<uint16_t>{0, 65535, 0}));

    std::vector<uint16_t> untouched = noise;
    MP_calcLUTtoImage(w, h, 65, lattice.data(), 0, untouched.data());
    MP_calcLUTtoImage(w, h, 1, lattice.data(), 0, untouched.data());
    MP_calcLUTtoImage(0, h, n, lattice.data(), 0, untouched.data());
    MP_calcLUTtoImage(w, h, n, nullptr, 0, untouched.data());
    MP_calcLUTtoImage(w, h, n, lattice.data(), 0, nullptr);
    EXPECT_EQ(untouched, noise);
}

TEST(LutApply, VectorRowsMatchTheScalarReference)
{
    for (int n : {2, 3, 5, 17, 33, 64})
    {
        // Values beyond 0…1 and some non-finite ones, so the clamps are compared too; the padded
        // copy has exactly N³ points and the first pixel is white, so the last point is read.
        std::vector<float> lattice = RandomLattice(n, -0.3f, 1.3f, uint32_t(21 + n));
        for (size_t i = 0; i < lattice.size(); i += 41)
            lattice[i] = i % 3 == 0 ? NAN : i % 3 == 1 ? INFINITY : -INFINITY;
        std::vector<float> padded(size_t(n) * n * n * 4);
        MP_LUTPadLattice(lattice.data(), n, padded.data());
        const bool sse = __builtin_cpu_supports("sse4.1"), avx = __builtin_cpu_supports("avx2");
        const std::tuple<const char*, bool, MP_LutApplyRow, MP_LutApplyRow> rows[] = {
            {"sse4.1", sse, MP_LUTApplyRowSSE41, MP_LUTApplyRowScalar},
            {"avx2", avx, MP_LUTApplyRowAVX2, MP_LUTApplyRowScalar},
            {"tetrahedral sse4.1", sse, MP_LUTApplyRowTetrahedralSSE41, MP_LUTApplyRowTetrahedral}};
        for (int mode : {0, 3, 52})
            for (int width = 1; width <= 9; ++width)
            {
                std::vector<uint16_t> input = TestImages::Noise(width, 1, uint32_t(n * 100 + width));
                std::fill_n(input.begin(), 3, uint16_t(65535));
                input.back() = 0;
                const SLutApplyRows lut{lattice.data(), padded.data(), n, mode};
                for (const auto& [name, supported, row, scalar] : rows)
                {
                    if (!supported)
                        continue;
                    std::vector<uint16_t> reference = input, pixels = input;
                    scalar(lut, reference.data(), width);
                    row(lut, pixels.data(), width);
                    ASSERT_EQ(pixels, reference) << name << " N " << n << " mode " << mode << " width " << width;
                }
            }
    }
}

TEST(LutBake, NeutralSettingsKeepTheSourceAndBandsGiveOneFiniteLattice)
{
    for (int n : {2, 17, 64})
    {
        EXPECT_EQ(Bake(n, Identity(n), LutParameters::Defaults()), Identity(n)) << n;
        // Whatever finite values the source holds, including ones outside 0…1.
        EXPECT_EQ(Bake(n, RandomLattice(n, -3.f, 4.f, n), With(eLP_INTENSITY, 0.f)), Identity(n)) << n;
    }
    const std::vector<float> mixed = Bake(2, std::vector<float>(24, 0.f), With(eLP_INTENSITY, 0.25f));
    EXPECT_FLOAT_EQ(mixed[LutLattice::Offset(1, 1, 1, 2)], 0.75f);

    MP_UI_SetThreadCount(3);
    const int n = 9;
    const std::vector<float> source = RandomLattice(n, 0.f, 1.f, 5);
    const std::vector<float> reference = Bake(n, source, LutParameters::Defaults());
    const auto table = LutParameterTable();
    for (int i = eLP_BRIGHTNESS; i < eLP_COUNT; ++i)
    {
        const float neutral = table[size_t(i)].fNeutral;
        for (float offset : {-0.0009f, 0.0009f}) // settings start at 0
            EXPECT_EQ(Bake(n, source, With(ELutParameter(i), std::max(neutral + offset, 0.f))), reference)
                << table[size_t(i)].pszName << " " << offset;
        // Just outside the band the step runs and changes the lattice.
        EXPECT_NE(Bake(n, source, With(ELutParameter(i), neutral + 0.0011f)), reference) << table[size_t(i)].pszName;
    }
    MP_UI_SetThreadCount(1);

    // Every step on, a source with hostile values: one thread or seven give the same finite lattice.
    const int size = 64;
    std::vector<float> hostileSource = RandomLattice(size, -0.5f, 1.5f, 9);
    const float hostile[] = {NAN, INFINITY, -INFINITY, 1e30f, -1e30f, 1e-40f};
    for (size_t i = 0; i < hostileSource.size(); i += 97)
        hostileSource[i] = hostile[(i / 97) % std::size(hostile)];
    const LutParameters all{{0.9f, 0.6f, 0.7f, 0.8f, 0.4f, 0.6f, 0.45f, 0.55f, 0.6f, 0.2f, 0.2f, 0.3f, 0.5f, 0.5f}};
    const std::vector<float> oneThread = Bake(size, hostileSource, all);
    MP_UI_SetThreadCount(7);
    EXPECT_EQ(Bake(size, hostileSource, all), oneThread);
    MP_UI_SetThreadCount(1);
    for (float v : oneThread)
        ASSERT_TRUE(v >= 0.f && v <= 1.f) << v;
    // A NaN at the source reaches the destination as 0.
    EXPECT_EQ(Bake(2, std::vector<float>(24, NAN), LutParameters::Defaults()), std::vector<float>(24, 0.f));
}

TEST(LutBake, EachStepAndProtectionOnWorkedColours)
{
    // What, settings, lattice size, the point r, g, b of an identity source, its baked colour.
    const std::tuple<const char*, LutParameters, int, int, int, int, std::array<float, 3>> cases[] = {
        {"darkest brightness", With(eLP_BRIGHTNESS, 0.f), 3, 1, 1, 1, {0.125f, 0.125f, 0.125f}},
        {"brightest brightness", With(eLP_BRIGHTNESS, 1.f), 3, 1, 1, 1, {0.6875f, 0.6875f, 0.6875f}},
        {"full contrast", With(eLP_CONTRAST, 1.f), 5, 3, 1, 2, {0.9267767f, 0.0732233f, 0.5f}},
        {"no saturation is grey at 0.333333 of the sum", With(eLP_SATURATION, 0.f), 3, 2, 1, 0, {0.4999995f, 0.4999995f, 0.4999995f}},
        {"full saturation multiplies by 2^2.5", With(eLP_SATURATION, 1.f), 3, 2, 1, 0, {1.f, 0.5000025f, 0.f}},
        {"shadows balance", With(eLP_BALANCE_SHADOWS, 1.f), 5, 1, 1, 1, {0.4609375f, 0.4609375f, 0.4609375f}},
        {"lights balance", With(eLP_BALANCE_LIGHTS, 0.f), 5, 3, 3, 3, {0.591796875f, 0.591796875f, 0.591796875f}},
        {"red balance", With(eLP_BALANCE_RED, 1.f), 5, 1, 1, 1, {0.5f, 0.125f, 0.125f}},
        {"green balance", With(eLP_BALANCE_GREEN, 0.f), 5, 1, 1, 1, {0.5f, 0.125f, 0.5f}},
        {"blue balance", With(eLP_BALANCE_BLUE, 1.f), 5, 1, 1, 1, {0.125f, 0.125f, 0.5f}},
    };
    for (const auto& [what, p, n, r, g, b, expected] : cases)
    {
        const std::vector<float> baked = Bake(n, Identity(n), p);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_FLOAT_EQ(baked[LutLattice::Offset(r, g, b, n) + i], expected[i]) << what << " channel " << i;
    }

    // A black source: every point becomes w × its input colour, so the weight shows directly.
    // What, settings, lattice size, the point r, g, b, the weight.
    const std::tuple<const char*, LutParameters, int, int, int, int, float> protections[] = {
        {"lights at value 1", With(eLP_PROTECT_LIGHTS, 1.f), 5, 2, 1, 4, 1.f},
        {"lights at value 0.5", With(eLP_PROTECT_LIGHTS, 1.f), 5, 2, 1, 0, 0.5f},
        {"shadows at value 0.5", With(eLP_PROTECT_SHADOWS, 0.5f), 5, 2, 1, 0, 0.25f},
        {"saturation 0.5", With(eLP_PROTECT_SATURATION, 1.f), 5, 4, 2, 2, 0.5f},
        {"sky at hue 0.5833", With(eLP_PROTECT_SKY, 1.f), 5, 0, 2, 4, 0.9318516f},
        {"sky at hue 0.5", With(eLP_PROTECT_SKY, 1.f), 5, 0, 4, 4, 0.4099603f},
        {"sky at hue 0.7083", With(eLP_PROTECT_SKY, 1.f), 5, 1, 0, 4, 0.2850131f},
        {"no sky below the window (hue 0.4167)", With(eLP_PROTECT_SKY, 1.f), 5, 0, 4, 2, 0.f},
        {"no sky above the window (hue 0.75)", With(eLP_PROTECT_SKY, 1.f), 5, 2, 0, 4, 0.f},
        // Hue 0.9722 wraps to 0.0022 after the shift: inside the widest window, outside a narrow one.
        {"skin across the hue wrap", With(eLP_PROTECT_SKIN, 1.f), 17, 16, 10, 11, 0.5514423f},
        {"no skin in a narrow window", With(eLP_PROTECT_SKIN, 0.2f), 17, 16, 10, 11, 0.f},
    };
    for (const auto& [what, p, n, r, g, b, weight] : protections)
    {
        const std::vector<float> input = Identity(n), baked = Bake(n, std::vector<float>(input.size(), 0.f), p);
        const size_t at = LutLattice::Offset(r, g, b, n);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(baked[at + i], weight * input[at + i], 2e-7f) << what << " channel " << i;
    }
}

