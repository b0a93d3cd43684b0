// The colour layers' engine half: selection by hue/saturation/value, recolouring, chaining and masks.
#include "EngineTestUtil.h"

#include "core/ColourSpace.h"
#include "engine/colourmodule/ColorModuleEngine.h"
#include "tests/support/SyntheticImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
uint16_t Q(float x)
{
    return uint16_t(x * 65535.f);
}

/// A packed image from colours given in 0..1.
std::vector<uint16_t> Pixels(std::initializer_list<std::array<float, 3>> colours)
{
    std::vector<uint16_t> image;
    for (const auto& c : colours)
        for (float v : c)
            image.push_back(Q(v));
    return image;
}

std::array<float, 3> FromHsv(float h, float s, float v)
{
    float r, g, b;
    Colour::HsvToRgb({h, s, v}, r, g, b);
    return {r, g, b};
}

/// A record with one layer in slot `i`: the default red selection over all brightness levels,
/// moving toward (dstHue, dstSat, dstVal) with neutral contrasts.
void SetLayer(SCMEffectParams& p, int i, float h1, float h2, float dstHue, float dstSat = 0.9f, float dstVal = 0.f)
{
    p.aiActive[i] = 1;
    p.afHueMin[i] = h1, p.afHueMax[i] = h2;
    p.afSatMin[i] = 0.8f, p.afSatMax[i] = 1.f, p.afValMin[i] = 0.f, p.afSoftness[i] = 0.5f;
    p.afDstHue[i] = dstHue, p.afDstSat[i] = dstSat, p.afDstVal[i] = dstVal;
    p.afSatContrast[i] = p.afValContrast[i] = 0.5f;
}

SCMEffectParams Record(std::vector<uint16_t>& source, std::vector<uint16_t>& target, int width)
{
    SCMEffectParams p;
    p.iWidth = width, p.iHeight = int(source.size() / 3 / size_t(width));
    p.pSource = source.data(), p.pTarget = target.data();
    return p;
}

float HueOf(const uint16_t* px)
{
    return Colour::RgbToHsv(px[0] / 65535.f, px[1] / 65535.f, px[2] / 65535.f).f0;
}
}  // namespace

TEST(ColorModuleEngine, WithoutActiveLayerTheTargetIsAnExactCopy)
{
    std::vector<uint16_t> source = TestImages::Noise(37, 23, 5), target(source.size(), 0xABCD);
    SCMEffectParams p = Record(source, target, 37);
    // Settings in an inactive slot must not matter.
    SetLayer(p, 2, 0.f, 1.f, 0.5f);
    p.aiActive[2] = 0;
    ASSERT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    EXPECT_EQ(target, source);
}

TEST(ColorModuleEngine, NullRecordOrBufferIsRefusedAndEmptySizeDoesNothing)
{
    std::vector<uint16_t> source(12, 1), target(12, 7);
    EXPECT_EQ(MP_UI_CalcCMEffects(nullptr), MP_ZEROPOINTER);
    SCMEffectParams p = Record(source, target, 2);
    p.pTarget = nullptr;
    EXPECT_EQ(MP_UI_CalcCMEffects(&p), MP_ZEROPOINTER);
    p = Record(source, target, 2);
    p.iWidth = 0;
    EXPECT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    EXPECT_EQ(target, std::vector<uint16_t>(12, 7));
    uint16_t mask[4] = {};
    EXPECT_EQ(MP_CM_CreateGrey16MaskBySelection(0, 1, 0, 1, 0, 0.5f, false, nullptr, mask, 2, 2), MP_ZEROPOINTER);
    EXPECT_EQ(MP_CM_CreateGrey16MaskByPickablilty(0, 1, 0, 1, source.data(), nullptr, 2, 2), MP_ZEROPOINTER);
}

TEST(ColorModuleEngine, NeutralLayerChangesColoursOnlyByTheRoundTrip)
{
    // Every hue at high saturation, some greys and darks: a wide range selects most of them.
    std::vector<uint16_t> source;
    for (int i = 0; i < 400; ++i)
        for (float v : FromHsv(i / 400.f, 0.8f + 0.2f * float(i % 5) / 4.f, 0.2f + 0.8f * float(i % 7) / 6.f))
            source.push_back(Q(v));
    std::vector<uint16_t> target(source.size());
    SCMEffectParams p = Record(source, target, 20);
    // Hue range 0.3..0.7 has centre 0.5; destination at the centres of all three ranges.
    SetLayer(p, 0, 0.3f, 0.7f, 0.5f, 0.9f, 0.f);
    ASSERT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    const TestImages::SCompareResult neutral = TestImages::CompareImages(source.data(), target.data(), 20, 20, 2);
    EXPECT_LE(neutral.iMaxAbs, 2) << neutral.Describe();

    // The same selection with a destination hue moved really recolours what it selects.
    p.afDstHue[0] = 0.8f;
    ASSERT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    const TestImages::SCompareResult moved = TestImages::CompareImages(source.data(), target.data(), 20, 20, 2);
    EXPECT_GT(moved.dFailFraction, 0.1);
}

TEST(ColorModuleEngine, RedRangeAcrossZeroSelectsBothSidesButNotCyanOrGrey)
{
    for (bool invert : {false, true})
    {
        const float w0 = invert ? 1.f : 0.f, w1 = invert ? 0.f : 1.f;
        auto weight = [invert](std::array<float, 3> c) {
            return MP_CM_GetSelectionWeight(c[0], c[1], c[2], 0.95f, 0.05f, 0.8f, 1.f, 0.f, 0.5f, invert, false);
        };
        EXPECT_FLOAT_EQ(weight(FromHsv(0.98f, 0.9f, 1.f)), w1);
        EXPECT_FLOAT_EQ(weight(FromHsv(0.02f, 0.9f, 1.f)), w1);
        EXPECT_FLOAT_EQ(weight(FromHsv(0.f, 1.f, 0.5f)), w1);
        EXPECT_FLOAT_EQ(weight(FromHsv(0.5f, 0.9f, 1.f)), w0);
        EXPECT_FLOAT_EQ(weight({0.5f, 0.5f, 0.5f}), w0);
        // Just past the hue end, inside the soft margin: partly selected.
        const float margin = weight(FromHsv(0.06f, 0.9f, 1.f));
        EXPECT_GT(margin, 0.05f);
        EXPECT_LT(margin, 0.95f);
    }

    // The table gives the same answers through the mask.
    std::vector<uint16_t> image = Pixels({FromHsv(0.98f, 0.9f, 1.f), FromHsv(0.02f, 0.9f, 1.f),
                                          FromHsv(0.5f, 0.9f, 1.f), {0.5f, 0.5f, 0.5f}});
    std::vector<uint16_t> mask(4);
    ASSERT_EQ(MP_CM_CreateGrey16MaskBySelection(0.95f, 0.05f, 0.8f, 1.f, 0.f, 0.5f, false, image.data(), mask.data(), 4, 1),
              MP_SUCCESS);
    EXPECT_EQ(mask, (std::vector<uint16_t>{65535, 65535, 0, 0}));
}

TEST(ColorModuleEngine, InvertRecoloursEverythingOutsideTheMarginAndLeavesTheRangeAlone)
{
    std::vector<uint16_t> source = Pixels({FromHsv(0.f, 0.9f, 1.f), FromHsv(0.5f, 0.9f, 1.f), {0.5f, 0.5f, 0.5f}});
    std::vector<uint16_t> target(source.size());
    SCMEffectParams p = Record(source, target, 3);
    SetLayer(p, 0, 0.95f, 0.05f, 0.f, 0.f, 0.f); // destination saturation 0: selected colours turn grey
    p.aiInvert[0] = 1;
    ASSERT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    EXPECT_EQ(std::vector<uint16_t>(target.begin(), target.begin() + 3),
              std::vector<uint16_t>(source.begin(), source.begin() + 3));
    // Cyan lost its saturation.
    EXPECT_NEAR(target[3], target[4], 600);
    EXPECT_NEAR(target[4], target[5], 600);
    EXPECT_LT(source[3], 10000);
}

TEST(ColorModuleEngine, GreyAndDarkColoursAreLeftAloneByDefaultRanges)
{
    std::vector<uint16_t> source = Pixels({{0.5f, 0.5f, 0.5f}, {0.f, 0.f, 0.f}, {1.f, 1.f, 1.f}, FromHsv(0.f, 0.9f, 0.5f)});
    std::vector<uint16_t> target(source.size());
    SCMEffectParams p = Record(source, target, 4);
    SetLayer(p, 0, 0.95f, 0.05f, 0.5f);
    p.afValMin[0] = 1.f; // the default minimum value: darker colours fade out with the fourth power
    p.afDstVal[0] = 1.f;
    ASSERT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    EXPECT_EQ(std::vector<uint16_t>(target.begin(), target.begin() + 9),
              std::vector<uint16_t>(source.begin(), source.begin() + 9));
    // Half-bright red has value weight 1 − 0.5⁴: mostly recoloured toward cyan.
    EXPECT_GT(target[10], source[10] + 10000);
}

TEST(ColorModuleEngine, LayersChainInSlotOrderOnTheTarget)
{
    std::vector<uint16_t> source = Pixels({FromHsv(0.f, 0.9f, 1.f)}), target(3);
    SCMEffectParams p = Record(source, target, 1);
    SetLayer(p, 1, 0.95f, 0.05f, 1.f / 3.f, 0.9f, 0.f); // red → green
    SetLayer(p, 4, 0.28f, 0.38f, 2.f / 3.f, 0.9f, 0.f); // green → blue
    ASSERT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    EXPECT_NEAR(HueOf(target.data()), 2.f / 3.f, 0.01f);

    // The green layer alone sees the red source and leaves it.
    p.aiActive[1] = 0;
    ASSERT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    EXPECT_EQ(target, source);

    // In place (source equals target) gives the same as two buffers.
    p.aiActive[1] = 1;
    std::vector<uint16_t> inPlace = source;
    p.pSource = p.pTarget = inPlace.data();
    ASSERT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    EXPECT_NEAR(HueOf(inPlace.data()), 2.f / 3.f, 0.01f);
}

TEST(ColorModuleEngine, ResultDoesNotDependOnTheWorkerCount)
{
    std::vector<uint16_t> source = TestImages::Noise(64, 41, 9), one(source.size()), three(source.size());
    SCMEffectParams p = Record(source, one, 64);
    SetLayer(p, 0, 0.9f, 0.2f, 0.6f, 0.3f, 0.7f);
    p.afSatMin[0] = 0.1f;
    SetLayer(p, 3, 0.4f, 0.8f, 0.1f, 0.9f, 0.2f);
    p.afSatMin[3] = 0.2f, p.afSatContrast[3] = 0.9f, p.afValContrast[3] = 0.1f;
    MP_UI_SetThreadCount(1);
    ASSERT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    MP_UI_SetThreadCount(3);
    p.pTarget = three.data();
    ASSERT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    EXPECT_EQ(one, three);
    EXPECT_NE(one, source);
}

TEST(ColorModuleEngine, TableAndDirectWeightAgreeOverTheGrid)
{
    // Where the saturation weight reaches 0 at the margin's outer edge the rule counts it as not
    // applying, a step; range ends no grid ratio hits keep the comparison off that edge.
    const float h1 = 0.2f, h2 = 0.35f, s1 = 0.3137f, s2 = 0.7137f, v = 0.6f, soft = 0.4f;
    ASSERT_EQ(MP_CM_CreateRGBTable(h1, h2, s1, s2, v, soft, false), MP_SUCCESS);
    const uint16_t* table = MP_CM_SelectionTable();
    int partial = 0, full = 0;
    for (int r = 0; r < 128; r += 3)
        for (int g = 0; g < 128; g += 2)
            for (int b = 0; b < 128; b += 5)
            {
                const float direct = MP_CM_GetSelectionWeight(r / 127.f, g / 127.f, b / 127.f, h1, h2, s1, s2, v, soft, false, false);
                const float fromTable = table[(r * 128 + g) * 128 + b] / 65535.f;
                ASSERT_NEAR(direct, fromTable, 0.003f) << r << "," << g << "," << b;
                partial += fromTable > 0.01f && fromTable < 0.99f;
                full += fromTable >= 0.99f;
            }
    EXPECT_GT(partial, 50);
    EXPECT_GT(full, 50);
}

TEST(ColorModuleEngine, ValueTableFadesWithTheFourthPowerBelowTheMinimum)
{
    ASSERT_EQ(MP_CM_CreateRGBTable(0.f, 1.f, 0.f, 1.f, 0.5f, 0.f, false), MP_SUCCESS);
    const float* values = MP_CM_ValueTable();
    EXPECT_FLOAT_EQ(values[65535], 1.f);
    EXPECT_FLOAT_EQ(values[32768], 1.f);
    EXPECT_NEAR(values[16384], 0.9375038f, 1e-6f); // 1 − ((0.5 − 0.2500038) ÷ 0.5)⁴
    EXPECT_FLOAT_EQ(values[0], 0.f);
    // A minimum of 0 keeps every level.
    ASSERT_EQ(MP_CM_CreateRGBTable(0.f, 1.f, 0.f, 1.f, 0.f, 0.f, false), MP_SUCCESS);
    EXPECT_FLOAT_EQ(MP_CM_ValueTable()[0], 1.f);
}

TEST(ColorModuleEngine, LayerShiftsAndContrastFactors)
{
    SCMEffectParams p;
    SetLayer(p, 0, 0.95f, 0.05f, 0.5f, 0.9f, 0.7f);
    p.afValMin[0] = 0.2f;
    p.afSatContrast[0] = p.afValContrast[0] = 0.f;
    SCMLayerArgs a = MP_CM_LayerArgs(p, 0);
    EXPECT_NEAR(a.fHueShift, 0.5f, 1e-6f); // the centre of 0.95..0.05 is 0
    EXPECT_NEAR(a.fSatShift, 0.f, 1e-6f);
    EXPECT_NEAR(a.fValShift, 0.5f, 1e-6f);
    EXPECT_FLOAT_EQ(a.fSatFactor, 0.f);
    EXPECT_NEAR(a.fValContrast, 0.2236f, 1e-4f);
    p.afSatContrast[0] = p.afValContrast[0] = p.afDstSat[0] = 1.f;
    a = MP_CM_LayerArgs(p, 0);
    EXPECT_FLOAT_EQ(a.fSatFactor, 2.f);
    EXPECT_FLOAT_EQ(a.fValContrast, 1.95f);
    EXPECT_NEAR(a.fSatShift, 0.11f, 1e-6f);
}

TEST(ColorModuleEngine, PickabilityMarksNearlyGreyAndNearlyBlackPixels)
{
    std::vector<uint16_t> image = Pixels({{0.05f, 0.05f, 0.05f}, {0.8f, 0.1f, 0.1f}, {0.f, 0.f, 0.f},
                                          {0.5f, 0.5f, 0.5f}, {0.09f, 0.f, 0.f}, {0.3f, 0.28f, 0.28f}});
    // Value below 0.1, saturated, black, grey (saturation 0.002), saturated but too dark, saturation 0.067.
    std::vector<uint16_t> mask(6);
    ASSERT_EQ(MP_CM_CreateGrey16MaskByPickablilty(0.1f, 1.f, 0.1f, 1.f, image.data(), mask.data(), 3, 2), MP_SUCCESS);
    EXPECT_EQ(mask, (std::vector<uint16_t>{65535, 0, 65535, 65535, 65535, 65535}));
}

TEST(ColorModuleEngine, NonFiniteSettingsNeverReachTheTables)
{
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    std::vector<uint16_t> source = TestImages::Noise(16, 16, 2), target(source.size());
    SCMEffectParams p = Record(source, target, 16);
    SetLayer(p, 0, nan, inf, nan, -inf, 3.f);
    p.afValMin[0] = p.afSatContrast[0] = nan;
    p.afSoftness[0] = inf, p.afValContrast[0] = -inf, p.afSatMin[0] = -5.f;
    ASSERT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    for (int k = 0; k < 65536; ++k)
        ASSERT_TRUE(MP_CM_ValueTable()[k] >= 0.f && MP_CM_ValueTable()[k] <= 1.f) << k;
    const SCMLayerArgs a = MP_CM_LayerArgs(p, 0);
    for (float f : {a.fHueShift, a.fSatShift, a.fValShift, a.fSatFactor, a.fValContrast})
        EXPECT_TRUE(std::isfinite(f));
    EXPECT_FLOAT_EQ(a.fSatFactor, 1.f); // a missing contrast counts as neutral
    EXPECT_TRUE(std::isfinite(MP_CM_GetSelectionWeight(nan, inf, 0.f, nan, nan, nan, nan, nan, nan, false, false)));
}

TEST(ColorModuleEngine, LogsEachLayerAndTheWholeCall)
{
    std::vector<uint16_t> source = TestImages::Noise(8, 8, 1), target(source.size());
    SCMEffectParams p = Record(source, target, 8);
    SetLayer(p, 3, 0.95f, 0.05f, 0.5f);
    CStdoutCapture capture;
    ASSERT_EQ(MP_UI_CalcCMEffects(&p), MP_SUCCESS);
    MP_CM_GetSelectionWeight(1.f, 0.f, 0.f, 0.95f, 0.05f, 0.8f, 1.f, 1.f, 0.5f, false, true);
    const std::string text = capture.Text();
    for (const char* line : {"ms - Time since last MP_UI_CalcCMEffects\r\n", " Layer  3: ", " ms - MP_UI_CalcCMEffects Full \r\n",
                             "In -> h:(0.950000,0.050000), s:(0.800000,1.000000), v:1.000000 - sm:0.500000 \r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    EXPECT_EQ(text.find(" Layer  0: "), std::string::npos);
}
