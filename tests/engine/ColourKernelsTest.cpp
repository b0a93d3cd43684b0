// Worked examples of the colour operators: exponents, truncation and the fixed-point path.
#include "EngineTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
constexpr float kDecode = 1.5259022e-5f;
const float kFlatCurve[12] = {0, 1, 0.2f, 1, 0.4f, 1, 0.6f, 1, 0.8f, 1, 1, 1};

/// One pixel per 16-bit level: (i, i, i) for i = 0…65535.
std::vector<uint16_t> AllLevels()
{
    std::vector<uint16_t> image(65536 * 3);
    for (int i = 0; i < 65536; ++i)
        image[3 * i] = image[3 * i + 1] = image[3 * i + 2] = uint16_t(i);
    return image;
}

/// The largest distance of channel `ch` of an all-levels image from level^e.
int WorstFromPower(const std::vector<uint16_t>& image, int ch, float e)
{
    int worst = 0;
    for (int i = 0; i < 65536; ++i)
        worst = std::max(worst, std::abs(int(image[3 * i + ch]) - int(Level(std::pow(float(i) * kDecode, e)))));
    return worst;
}

class ColourKernels : public ::testing::Test
{
protected:
    CTestEngine m_engine;
};
}  // namespace

TEST_F(ColourKernels, GammaAtNeutralLosesOneUnitOn512Levels)
{
    auto p = FreshParams(m_engine);
    p->p[0][0] = p->p[1][0] = p->p[2][0] = 0.5f;
    PlainCombo(*p, 3);
    std::vector<uint16_t> image = AllLevels();
    ASSERT_EQ(CallKernel("MP_calcPixelGammaColor", image, 65536, 1, *p), MP_SUCCESS);
    int lost = 0;
    for (int i = 0; i < 65536; ++i)
    {
        ASSERT_TRUE(image[3 * i] == i || image[3 * i] == i - 1) << i;
        lost += image[3 * i] != i;
    }
    EXPECT_EQ(lost, 512);
    EXPECT_EQ(image[3 * 257], 256);
    EXPECT_EQ(image[3 * 65535], 65535);

    // Through the dispatcher the neutral operator is not run at all.
    std::vector<uint16_t> untouched = AllLevels();
    EXPECT_EQ(RunKernel("MP_calcPixelGammaColor", 65536, 1, untouched.data(), untouched.data(), 6, 6, p.get(), -1,
                        0, 0, true, true),
              MP_SUCCESS);
    EXPECT_EQ(untouched, AllLevels());
}

TEST_F(ColourKernels, BalanceGammaAndTemperatureExponentsPerChannel)
{
    // Temperature, cool: d = 1 at s = 0 → raw 1.4, 1.05, 0.7, each less half the difference of
    // the other two departures: 1.4 + 0.125, 1.05 − 0.05, 0.7 − 0.175. Warm: d = 1 at s = 1 →
    // raw 0.3, 0.88, 1.6: 0.3 + 0.24, 0.88 − 0.05, 1.6 − 0.29.
    struct SCase
    {
        const char* kernel;
        float s[3];
        float e[3]; // expected exponents
    };
    const SCase cases[] = {
        {"MP_calcPixelColorBalance", {1.0f, 0.5f, 0.5f}, {0.005f, 0.5025f, 0.5025f}},
        {"MP_calcPixelColorBalance", {0.0f, 0.5f, 0.5f}, {1.995f, 0.5025f, 0.5025f}},
        {"MP_calcPixelColorBalance", {0.5f, 0.5f, 0.0f}, {0.5025f, 0.5025f, 1.995f}},
        {"MP_calcPixelGammaColor", {0.0f, 1.0f, 0.25f}, {1.995f, 0.005f, 1.4975f}},
        {"MP_calcPixelColorTemperature", {0.353851852f}, {1.0f, 1.0f, 1.0f}},
        {"MP_calcPixelColorTemperature", {0.0f}, {1.525f, 1.0f, 0.525f}},
        {"MP_calcPixelColorTemperature", {1.0f}, {0.54f, 0.83f, 1.31f}},
    };
    for (const SCase& c : cases)
    {
        auto p = FreshParams(m_engine);
        const bool temperature = std::string(c.kernel) == "MP_calcPixelColorTemperature";
        for (int k = 0; k < 3; ++k)
            p->p[k][0] = c.s[k];
        if (temperature)
            std::memcpy(p->p[1], kFlatCurve, sizeof(kFlatCurve));
        PlainCombo(*p, temperature ? 2 : 3);
        std::vector<uint16_t> image = AllLevels();
        ASSERT_EQ(CallKernel(c.kernel, image, 65536, 1, *p), MP_SUCCESS);
        // Decimal exponents may differ from the kernel's single-precision ones in the last bit,
        // which moves a level by at most one unit; a wrong exponent moves thousands.
        for (int ch = 0; ch < 3; ++ch)
            EXPECT_LE(WorstFromPower(image, ch, c.e[ch]), 1) << c.kernel << " " << c.s[0] << " channel " << ch;
    }
}

TEST_F(ColourKernels, NegativeAtHalfOpacityIsMidGrey)
{
    auto p = FreshParams(m_engine);
    p->p[0][1] = 50.0f;
    std::vector<uint16_t> image = AllLevels();
    ASSERT_EQ(CallKernel("MP_calcPixelNegative", image, 65536, 1, *p), MP_SUCCESS);
    EXPECT_EQ(image, std::vector<uint16_t>(65536 * 3, 32767));

    PlainCombo(*p, 0);
    image = AllLevels();
    ASSERT_EQ(CallKernel("MP_calcPixelNegative", image, 65536, 1, *p), MP_SUCCESS);
    for (const auto& [in, out] : {std::pair{0, 65535}, {1, 65534}, {257, 65278}, {32768, 32767}, {65535, 0}})
        EXPECT_EQ(image[3 * in], out) << in;
}

TEST_F(ColourKernels, IntensityKeepsGreyGreyBesidesTheLift)
{
    auto p = FreshParams(m_engine);
    p->p[0][0] = 0.5625f;
    std::memcpy(p->p[1], kFlatCurve, sizeof(kFlatCurve));
    PlainCombo(*p, 2);
    std::vector<uint16_t> image = AllLevels();
    ASSERT_EQ(CallKernel("MP_calcPixelColorIntensity", image, 65536, 1, *p), MP_SUCCESS);
    for (int i = 0; i < 65536; ++i)
    {
        ASSERT_EQ(image[3 * i], image[3 * i + 1]) << i;
        ASSERT_EQ(image[3 * i], image[3 * i + 2]) << i;
        ASSERT_LE(std::abs(int(image[3 * i]) - int(Level(float(i) * kDecode * 0.999f + 0.001f))), 1) << i;
    }
    // Strength 0 turns a colour into the grey of the same channel sum: 31000 × 0.999 + 65.5.
    p->p[0][0] = 0.0f;
    std::vector<uint16_t> colour = {60000, 30000, 3000};
    ASSERT_EQ(CallKernel("MP_calcPixelColorIntensity", colour, 1, 1, *p), MP_SUCCESS);
    EXPECT_EQ(colour[0], colour[1]);
    EXPECT_EQ(colour[1], colour[2]);
    EXPECT_NEAR(colour[0], 31034.5, 2);
}

TEST_F(ColourKernels, BlackWhitePointStretch)
{
    struct SCase
    {
        float lo, hi;
        uint16_t in, out;
    };
    const SCase cases[] = {
        {0.3f, 0.3f, 50000, 0}, // no range: black
        {0.3f, 0.3f, 65535, 0},        {0.0f, 1.0f, 40000, 40000},
        {0.25f, 0.75f, 32768, 32768}, // (0.500008 − 0.25) × 2
        {0.25f, 0.75f, 10000, 0},      {0.25f, 0.75f, 60000, 65535},
    };
    for (const SCase& c : cases)
    {
        auto p = FreshParams(m_engine);
        p->lummin = c.lo, p->lummax = c.hi;
        std::vector<uint16_t> image = {c.in, c.in, c.in};
        ASSERT_EQ(CallKernel("MP_calcPixelbwpoint", image, 1, 1, *p), MP_SUCCESS);
        EXPECT_EQ(image[0], c.out) << c.lo << ".." << c.hi << " at " << c.in;
    }
}

TEST_F(ColourKernels, BasicToolsWithFlatCurve)
{
    // Brightness 0.6, contrast 0.7, gamma 0.4: bright 0.2, contrast 1.4, e = 1.199² = 1.4376;
    // (clamp((c + 0.2 − 0.5) × 1.4 + 0.5))^e, worked out per level.
    auto p = FreshParams(m_engine);
    p->p[0][0] = 0.6f, p->p[1][0] = 0.7f, p->p[2][0] = 0.4f;
    std::memcpy(p->p[3], kFlatCurve, sizeof(kFlatCurve));
    PlainCombo(*p, 4);
    std::vector<uint16_t> image = {0, 10000, 20000, 32768, 45000, 65535};
    ASSERT_EQ(CallKernel("MP_calcPixelBasicTools", image, 2, 1, *p), MP_SUCCESS);
    EXPECT_EQ(image, (std::vector<uint16_t>{1735, 11255, 24699, 45851, 65535, 65535}));
}

TEST_F(ColourKernels, SepiaFixedPointAndFloatPaths)
{
    // Worked from the definition (weights 0.299/0.587/0.114 → w = 4898, 9617, 1867; colour
    // (0.9, 0.8, 0.6) → K = 17748, 16109, 12832; L16 = (b wb + g wg + r wr) >> 14).
    m_engine.State().SetLumWeights(0.299f, 0.587f, 0.114f);
    auto p = FreshParams(m_engine);
    std::memcpy(p->p[0], kFlatCurve, sizeof(kFlatCurve));
    p->p[1][2] = 0.9f, p->p[1][3] = 0.8f, p->p[1][4] = 0.6f;
    PlainCombo(*p, 2);
    std::vector<uint16_t> image = {40000, 20000, 10000};
    ASSERT_EQ(CallKernel("MP_calcPixelSepia", image, 1, 1, *p), MP_SUCCESS);
    EXPECT_EQ(image, (std::vector<uint16_t>{28146, 25663, 20695})); // L16 = 24837, M = 16384

    // A steep masking curve is read at the float luminance L (index trunc(L × 65535)), not at
    // L16, which lies up to 8 levels lower: m at 44505 gives M = 11661 (at 44500: 11669, which
    // would make the blue 29861), at 65535 M = 15010 (at 65527: 14994, blue 55527).
    const float steep[12] = {0, 1, 0.2f, 1, 0.4f, 0, 0.6f, 1, 0.8f, 0, 1, 1};
    std::memcpy(p->p[0], steep, sizeof(steep));
    image = {52000, 47000, 12000, 65535, 65535, 65535, 30000, 30000, 30000};
    ASSERT_EQ(CallKernel("MP_calcPixelSepia", image, 3, 1, *p), MP_SUCCESS);
    EXPECT_EQ(image, (std::vector<uint16_t>{50881, 46274, 29849, 65535, 65535, 55517, 30916, 30228, 28850}));

    // With a layer opacity the float path runs: c0 + (L × k − c0) × 0.6.
    std::memcpy(p->p[0], kFlatCurve, sizeof(kFlatCurve));
    p->p[2][1] = 60.0f;
    image = {40000, 20000, 10000};
    ASSERT_EQ(CallKernel("MP_calcPixelSepia", image, 1, 1, *p), MP_SUCCESS);
    EXPECT_EQ(image, (std::vector<uint16_t>{32891, 23400, 16420}));
}

TEST_F(ColourKernels, ColorMixAndGradation)
{
    // Full strength: L × colour ÷ (lum(colour) + 0.001); a black colour is replaced by equal
    // channels. L = 0.457866, lum(colour) = 0.57735: L × 0.57735 ÷ 0.57835 = 0.456974 → 29948.
    auto p = FreshParams(m_engine);
    p->p[0][0] = 1.0f;
    PlainCombo(*p, 2);
    std::vector<uint16_t> image = {60000, 30000, 0};
    ASSERT_EQ(CallKernel("MP_calcPixelColorMix", image, 1, 1, *p), MP_SUCCESS);
    EXPECT_EQ(image, (std::vector<uint16_t>{29948, 29948, 29948}));

    // An S curve's gain acts on all channels alike: ratios stay within the encoding's rounding;
    // the dark pixel darkens, the bright one brightens.
    p = FreshParams(m_engine);
    COperatorCatalogue::DefaultCurve(8, p->p[0]);
    PlainCombo(*p, 1);
    image = {60000, 30000, 15000, 10000, 5000, 2500};
    ASSERT_EQ(CallKernel("MP_calcPixelGradationLagrange", image, 2, 1, *p), MP_SUCCESS);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(double(image[i + i / 2]) / image[i + i / 2 + 1], 2.0, 0.002) << i;
    EXPECT_LT(image[3], 10000);
    EXPECT_GT(image[0], 60000);
}

TEST_F(ColourKernels, PlainRowsEqualThePerPixelFrame)
{
    // A stride of 8 bytes forces the per-pixel frame; 6 takes the table rows. Both must agree.
    struct SCase
    {
        const char* kernel;
        int combo;
        float s[3];
    };
    const SCase cases[] = {
        {"MP_calcPixelGammaColor", 3, {0.2f, 0.7f, 0.5f}},   {"MP_calcPixelColorBalance", 3, {0.8f, 0.3f, 0.6f}},
        {"MP_calcPixelNegative", 0, {0, 0, 0}},               {"MP_calcPixelmanualbwpoint", 2, {0.2f, 0.7f, 0}},
        {"MP_calcPixelBasicTools", 4, {0.4f, 0.65f, 0.55f}},
    };
    for (const SCase& c : cases)
    {
        auto p = FreshParams(m_engine);
        for (int k = 0; k < std::min(c.combo, 3); ++k)
            p->p[k][0] = c.s[k];
        if (c.combo == 4)
            COperatorCatalogue::DefaultCurve(1, p->p[3]);
        PlainCombo(*p, c.combo);
        std::vector<uint16_t> packed = AllLevels();
        ASSERT_EQ(CallKernel(c.kernel, packed, 65536, 1, *p), MP_SUCCESS);
        std::vector<uint16_t> wide(65536 * 4);
        for (int i = 0; i < 65536; ++i)
            wide[4 * i] = wide[4 * i + 1] = wide[4 * i + 2] = uint16_t(i);
        ASSERT_EQ(MP_FindKernel(c.kernel)->pFunction(65536, 1, wide.data(), wide.data(), 8, 8, p.get()), MP_SUCCESS);
        int mismatches = 0;
        for (int i = 0; i < 65536 * 3; ++i)
            mismatches += wide[4 * (i / 3) + i % 3] != packed[i];
        EXPECT_EQ(mismatches, 0) << c.kernel;
    }
}
