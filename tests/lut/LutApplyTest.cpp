// The lattice application: worked lookups that pin the interpolation order and weight form, the
// identity round trip, the last lattice point with exactly-sized lattices, the vector rows
// against the scalar reference, layer modes, bands and non-finite lattice values.
#include "core/EngineState.h"
#include "lut/LutApplyRows.h"
#include "lut/LutEngine.h"
#include "tests/support/SyntheticImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
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

struct SRowFunction
{
    const char* name;
    MP_LutApplyRow row;
    bool supported;
    MP_LutApplyRow reference;
};
const SRowFunction kVectorRows[] = {
    {"sse4.1", MP_LUTApplyRowSSE41, bool(__builtin_cpu_supports("sse4.1")), MP_LUTApplyRowScalar},
    {"avx2", MP_LUTApplyRowAVX2, bool(__builtin_cpu_supports("avx2")), MP_LUTApplyRowScalar},
    {"tetrahedral sse4.1", MP_LUTApplyRowTetrahedralSSE41, bool(__builtin_cpu_supports("sse4.1")),
     MP_LUTApplyRowTetrahedral}};
}  // namespace

TEST(LutApply, WorkedLookupsPinOrderAndWeights)
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
}

// Both schemes give the identity back (all six orders of the fractions occur in the cube).
TEST(LutApply, IdentityKeepsEverySampleOrLowersItByOne)
{
    const std::vector<uint16_t> cube = TestImages::RgbCube(40);
    for (const ELutInterpolation interpolation : {eLI_TRILINEAR, eLI_TETRAHEDRAL})
        for (int n : {2, 17, 33, 64})
        {
            const std::vector<uint16_t> out = Applied(Identity(n), n, cube, 0, 40 * 40, interpolation);
            for (size_t i = 0; i < cube.size(); ++i)
                ASSERT_TRUE(out[i] == cube[i] || out[i] + 1 == cube[i]) << interpolation << " N " << n << ": " << cube[i] << " -> " << out[i];
        }
}

TEST(LutApply, FullScaleUsesTheLastLatticePointWithoutReadingPastIt)
{
    for (int n : {2, 64})
    {
        // Exactly N³ triples, so any overrun is an ASan report (the vector rows: next test).
        std::vector<float> lattice(size_t(n) * n * n * 3, 0.f);
        const float last[3] = {0.25f, 0.5f, 0.75f};
        std::copy(last, last + 3, lattice.end() - 3);
        EXPECT_EQ(Applied(lattice, n, {65535, 65535, 65535}), (std::vector<uint16_t>{16383, 32767, 49151})) << n;
    }
}

TEST(LutApply, VectorRowsMatchTheScalarReference)
{
    std::mt19937 random(21);
    for (int n : {2, 3, 5, 17, 33, 64})
    {
        // Values beyond 0…1 and some non-finite ones, so the clamps are compared too; the padded
        // copy has exactly N³ points and the first pixel is white, so the last point is read.
        std::vector<float> lattice(size_t(n) * n * n * 3);
        std::uniform_real_distribution<float> value(-0.3f, 1.3f);
        for (float& v : lattice)
            v = value(random);
        for (size_t i = 0; i < lattice.size(); i += 41)
            lattice[i] = i % 3 == 0 ? NAN : i % 3 == 1 ? INFINITY : -INFINITY;
        std::vector<float> padded(size_t(n) * n * n * 4);
        MP_LUTPadLattice(lattice.data(), n, padded.data());
        for (int mode : {0, 3, 52})
            for (int width = 1; width <= 9; ++width)
            {
                std::vector<uint16_t> input = TestImages::Noise(width, 1, uint32_t(n * 100 + width));
                std::fill_n(input.begin(), 3, uint16_t(65535));
                input.back() = 0;
                const SLutApplyRows lut{lattice.data(), padded.data(), n, mode};
                for (const SRowFunction& f : kVectorRows)
                {
                    if (!f.supported)
                        continue;
                    std::vector<uint16_t> reference = input, pixels = input;
                    f.reference(lut, reference.data(), width);
                    f.row(lut, pixels.data(), width);
                    ASSERT_EQ(pixels, reference) << f.name << " N " << n << " mode " << mode << " width " << width;
                }
            }
    }
}

TEST(LutApply, LayerModeBlendsTheLookupWithTheIncomingPixel)
{
    const std::vector<float> grey(24, 0.5f); // 2-point lattice that answers 0.5 everywhere
    const std::vector<uint16_t> pixels = {0, 16384, 65535};
    const struct
    {
        int mode;
        std::vector<uint16_t> expected;
    } cases[] = {
        {0, {32767, 32767, 32767}},  // the lookup alone
        {-4, {32767, 32767, 32767}}, // any mode ≤ 0 is the lookup alone
        {1, {32767, 32767, 65535}},  // lighten: the larger of lookup and pixel
        {2, {0, 16384, 32767}},      // darken
        {3, {0, 8192, 32767}},       // multiply: 0.5 × pixel
        {48, {0, 16384, 65535}},     // unknown: the incoming pixel, decoded and encoded again
    };
    for (const auto& c : cases)
    {
        const std::vector<uint16_t> out = Applied(grey, 2, pixels, c.mode);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(out[size_t(i)], c.expected[size_t(i)], 1) << "mode " << c.mode << " channel " << i;
    }
}

TEST(LutApply, BandsNonFiniteValuesAndDegenerateCalls)
{
    const int w = 37, h = 23, n = 5;
    const std::vector<uint16_t> noise = TestImages::Noise(w, h, 3);
    std::vector<float> lattice = Identity(n);
    lattice[0] = NAN;       // point (0, 0, 0), red
    lattice[1] = INFINITY;  // green
    lattice[2] = -INFINITY; // blue
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

// On a lattice that is zero except at (1, 1, 1) tetrahedral lookup gives min(r, g, b) and
// trilinear r·g·b; white reads the last point without overrun.
TEST(LutApply, TetrahedralFollowsTheDiagonal)
{
    std::vector<float> corner(8 * 3, 0.f);
    std::fill(corner.end() - 3, corner.end(), 1.f);
    const std::vector<uint16_t> pixels = {32768, 16384, 49152, 65535, 65535, 65535, 65535, 0, 65535,
                                          60000, 50000, 40000, 13107, 52428, 39321, 0, 0, 0};
    const std::vector<uint16_t> tetra = Applied(corner, 2, pixels, 0, 6, eLI_TETRAHEDRAL), trilinear = Applied(corner, 2, pixels);
    for (size_t p = 0; p < pixels.size(); p += 3)
    {
        const double r = pixels[p] / 65535.0, g = pixels[p + 1] / 65535.0, b = pixels[p + 2] / 65535.0;
        for (int c = 0; c < 3; ++c)
        {
            EXPECT_NEAR(tetra[p + c], std::min({r, g, b}) * 65535.0, 1.0) << "pixel " << p / 3;
            EXPECT_NEAR(trilinear[p + c], r * g * b * 65535.0, 1.0) << "pixel " << p / 3;
        }
    }
}
