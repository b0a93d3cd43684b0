// Worked examples of the colour family's per-pixel operators, run through the dispatcher at their
// catalogue defaults with some values changed: expected levels worked out by hand, or the
// direction and size of a change where a look has no single right number.
#include "FamilyTestUtil.h"

#include <array>

using namespace FamilyTest;

namespace
{
using Px = std::array<uint16_t, 3>;
using SChange = SValue;

/// A whole curve set at one height.
std::vector<SChange> FlatCurve(int set, float y)
{
    std::vector<SChange> c;
    for (int i = 0; i < 6; ++i)
        c.push_back({set, 2 * i + 1, y});
    return c;
}

std::vector<SChange> Colour(int set, float r, float g, float b)
{
    return {{set, 2, r}, {set, 3, g}, {set, 4, b}};
}

std::vector<SChange> operator+(std::vector<SChange> a, const std::vector<SChange>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

/// Runs a kernel through the dispatcher over a row of pixels.
std::vector<Px> RunRow(CEngineContext& engine, const char* kernel, const std::vector<SChange>& changes, std::vector<Px> row)
{
    auto p = Record(engine, kernel, changes);
    EXPECT_EQ(RunKernel(kernel, int(row.size()), 1, row[0].data(), row[0].data(), 6, 6, p.get(), -1, 0, 0, true, true),
              MP_SUCCESS);
    return row;
}

float Saturation(const Px& c)
{
    const float mx = std::max({c[0], c[1], c[2]}), mn = std::min({c[0], c[1], c[2]});
    return mx > 0 ? (mx - mn) / mx : 0.0f;
}

class ColourFamily : public ::testing::Test
{
protected:
    CTestEngine m_engine;
};
}  // namespace

TEST_F(ColourFamily, WorkedLevels)
{
    struct SCase
    {
        const char* kernel;
        std::vector<SChange> changes;
        std::vector<Px> in, out;
        int tolerance;
    };
    const SCase cases[] = {
        // Three-way: a full luminance on the gain wheel multiplies by 1.5; white clips.
        {"MP_calcPixelColorLightShadow", {{2, 0, 1.0f}}, {{26214, 26214, 26214}, {0, 0, 0}, {65535, 65535, 65535}},
         {{39321, 39321, 39321}, {0, 0, 0}, {65535, 65535, 65535}}, 1},
        // A pure red lift wheel: the tint (2/3, −1/3, −1/3) × 0.3 lifts black's red to 0.2 and
        // fades out towards white.
        {"MP_calcPixelColorLightShadow", Colour(0, 1, 0, 0), {{0, 0, 0}, {65535, 65535, 65535}}, {{13107, 0, 0}, {65535, 65535, 65535}}, 1},
        // A full luminance on the gamma wheel is the exponent 1/2: 0.25 becomes 0.5.
        {"MP_calcPixelColorLightShadow", {{1, 0, 1.0f}}, {{16384, 0, 65535}}, {{32767, 0, 65535}}, 1},
        // A flat red curve at one half; the untouched channels pass.
        {"MP_calcPixelColorGradation", FlatCurve(1, 0.5f), {{10000, 20000, 30000}}, {{32767, 20000, 30000}}, 1},
        // The master curve reaches every channel.
        {"MP_calcPixelColorGradation", FlatCurve(0, 0.25f), {{10000, 20000, 30000}}, {{16383, 16383, 16383}}, 1},
        // Half-way up eight stops is (2^4 − 1) ÷ 255 of white.
        {"MP_calcPixelLogColorGradation", FlatCurve(1, 0.5f), {{10000, 20000, 30000}}, {{3855, 20000, 30000}}, 1},
        // Hue curves: no saturation greys every colour at its value; a turn of +90° takes red to
        // chartreuse; +1 EV doubles a saturated red and leaves grey alone.
        {"MP_calcPixelAdjustHSL", FlatCurve(1, 0.0f), {{40000, 10000, 10000}}, {{40000, 40000, 40000}}, 1},
        {"MP_calcPixelAdjustHSL", FlatCurve(0, 1.0f), {{65535, 0, 0}}, {{32767, 65535, 0}}, 1},
        {"MP_calcPixelAdjustHSL", FlatCurve(2, 1.0f), {{20000, 0, 0}, {20000, 20000, 20000}}, {{40000, 0, 0}, {20000, 20000, 20000}}, 1},
        // The red slider turns red by +90° and leaves pure yellow and blue where they are.
        {"MP_calcPixelHueShift", {{0, 0, 0.75f}}, {{65535, 0, 0}, {65535, 65535, 0}, {0, 0, 65535}},
         {{32767, 65535, 0}, {65535, 65535, 0}, {0, 0, 65535}}, 1},
        // No saturation: red becomes the grey of its HSL lightness 0.5; +1 EV doubles.
        {"MP_calcPixelHSL", {{1, 0, 0.0f}}, {{65535, 0, 0}}, {{32767, 32767, 32767}}, 1},
        {"MP_calcPixelHSL", {{2, 0, 0.75f}}, {{10000, 20000, 5000}}, {{20000, 40000, 10000}}, 1},
        // The picked colour becomes the grey of its smallest channel: gains 0.5, 2/3, 1.
        {"MP_calcPixelWhitebalance", Colour(0, 0.8f, 0.6f, 0.4f), {{52428, 39321, 26214}, {65535, 65535, 65535}},
         {{26214, 26214, 26214}, {32767, 43690, 65535}}, 2},
        // The measured colour becomes the wanted one; with no reach a distant colour stays.
        {"MP_calcPixelToneCalibrate", Colour(0, 0.5f, 0.4f, 0.3f) + Colour(1, 0.3f, 0.4f, 0.5f), {{32767, 26214, 19660}},
         {{19660, 26214, 32767}}, 2},
        {"MP_calcPixelToneCalibrate", Colour(0, 0.5f, 0.4f, 0.3f) + Colour(1, 0.3f, 0.4f, 0.5f) + std::vector<SChange>{{2, 0, 0.0f}},
         {{0, 65535, 0}}, {{0, 65535, 0}}, 1},
        // Slope 1.5 on red, offset +0.1 on green, power 2 on blue.
        {"MP_calcPixelRGBTransform", {{0, 0, 0.75f}, {4, 0, 0.75f}, {8, 0, 0.0f}}, {{20000, 0, 32767}}, {{30000, 6553, 16383}}, 1},
        // Red levels from 0.1 to 0.8.
        {"MP_calcPixelManualRGBpoint", {{0, 0, 0.2f}, {3, 0, 0.6f}}, {{6553, 7, 7}, {52429, 7, 7}, {29491, 7, 7}},
         {{0, 7, 7}, {65535, 7, 7}, {32767, 7, 7}}, 2},
        // The S-curve keeps black, white and its pivot.
        {"MP_calcPixelSigmoidColor", {{0, 0, 1.0f}}, {{0, 9, 9}, {65535, 9, 9}, {32768, 9, 9}}, {{0, 9, 9}, {65535, 9, 9}, {32768, 9, 9}}, 1},
        // Red doubled, no luminance kept.
        {"MP_calcPixelWeighedRGB", {{0, 0, 1.0f}, {3, 0, 0.0f}}, {{10000, 10000, 10000}}, {{20000, 10000, 10000}}, 1},
        // The mixer's red takes blue alone.
        {"MP_calcPixelColorExchange", {{0, 0, 0.5f}, {2, 0, 0.75f}}, {{10000, 20000, 30000}}, {{30000, 20000, 30000}}, 1},
        // A full filter (1, 0.5, 0) without exposure compensation.
        {"MP_calcPixelColorFilter", Colour(0, 1, 0.5f, 0) + std::vector<SChange>{{1, 0, 1.0f}, {2, 0, 0.0f}},
         {{40000, 40000, 40000}}, {{40000, 20000, 0}}, 1},
        // Grey ink: a grey takes the ink (0.55, 0.62, 0.75) at its luminance by 60 %; a pure red
        // is above the saturation limit and stays.
        {"MP_calcPixelColorTint", {}, {{30000, 30000, 30000}, {65535, 0, 0}}, {{27468, 29437, 33093}, {65535, 0, 0}}, 3},
        // The flash-red pupil takes the mean of green and blue; skin is far below the threshold.
        {"MP_calcPixelRedEyes", {}, {{50000, 5000, 5000}, {50000, 35000, 28000}}, {{5000, 5000, 5000}, {50000, 35000, 28000}}, 1},
        // The palette's own red, black and white come out as they went in.
        {"MP_calcPixelC64", {{0, 0, 0.0f}}, {{34952, 14649, 12850}, {0, 0, 0}, {65535, 65535, 65535}},
         {{34952, 14649, 12850}, {0, 0, 0}, {65535, 65535, 65535}}, 1},
        // Levels per channel: each channel's darkest and brightest level become black and white.
        {"MP_calcPixelBalanceRGBShadowLight", {{1, 0, 0.0f}}, {{10000, 5000, 20000}, {30000, 25000, 30000}, {50000, 45000, 40000}},
         {{0, 0, 0}, {32767, 32767, 32767}, {65535, 65535, 65535}}, 2},
        // Channel means 30000, 30000, 15000 and spreads 10000, 10000, 5000 meet at 25000 and 8333.
        {"MP_calcPixelAutoRGBTransform", {}, {{20000, 20000, 10000}, {40000, 40000, 20000}}, {{16667, 16667, 16667}, {33333, 33333, 33333}}, 3},
    };
    for (const SCase& c : cases)
    {
        const std::vector<Px> got = RunRow(m_engine, c.kernel, c.changes, c.in);
        for (size_t i = 0; i < c.out.size(); ++i)
            for (int ch = 0; ch < 3; ++ch)
                EXPECT_NEAR(got[i][ch], c.out[i][ch], c.tolerance) << c.kernel << " pixel " << i << " channel " << ch;
    }
}

TEST_F(ColourFamily, CorrectionsAreSkippedAtTheirDefaults)
{
    for (const char* kernel : {"MP_calcPixelColorLightShadow", "MP_calcPixelColorGradation", "MP_calcPixelLogColorGradation",
                               "MP_calcPixelAdjustHSL", "MP_calcPixelHueShift", "MP_calcPixelHSL", "MP_calcPixelWhitebalance",
                               "MP_calcPixelToneCalibrate", "MP_calcPixelColorVibrance", "MP_calcPixelSmartColorVibrance",
                               "MP_calcPixelRGBTransform", "MP_calcPixelManualRGBpoint", "MP_calcPixelSigmoidColor",
                               "MP_calcPixelWeighedRGB", "MP_calcPixelColorExchange", "MP_calcPixelChromaticZoom",
                               "MP_calcPixelDaytime", "MP_calcPixelYeartime"})
        EXPECT_FALSE(MP_HasEffect(kernel, *Record(m_engine, kernel))) << kernel;
    // Looks act at their defaults and are skipped at no strength.
    for (const auto& [kernel, set] : {std::pair{"MP_calcPixelColorFilter", 1}, {"MP_calcPixelColorTint", 1}, {"MP_calcPixelPastell", 0},
                                      {"MP_calcPixelRedEyes", 1}, {"MP_calcPixelColorHarmonic", 1}, {"MP_calcPixelFlags", 3}})
    {
        EXPECT_TRUE(MP_HasEffect(kernel, *Record(m_engine, kernel))) << kernel;
        EXPECT_FALSE(MP_HasEffect(kernel, *Record(m_engine, kernel, {{set, 0, 0.0f}}))) << kernel;
    }
}

TEST_F(ColourFamily, VibranceLiftsMutedColoursMoreThanSaturatedOnes)
{
    const std::vector<Px> in = {{30000, 27000, 27000}, {60000, 10000, 10000}};
    const std::vector<Px> up = RunRow(m_engine, "MP_calcPixelColorVibrance", {{0, 0, 1.0f}}, in);
    const float mutedGain = Saturation(up[0]) - Saturation(in[0]), saturatedGain = Saturation(up[1]) - Saturation(in[1]);
    EXPECT_GT(mutedGain, 0.05f);
    EXPECT_GT(mutedGain, 4.0f * std::max(saturatedGain, 0.0f));
    // The luminance stays: only the departure from grey grows.
    EXPECT_NEAR(up[0][0] + up[0][1] + up[0][2], in[0][0] + in[0][1] + in[0][2], 6);
    const std::vector<Px> down = RunRow(m_engine, "MP_calcPixelColorVibrance", {{0, 0, 0.0f}}, in);
    EXPECT_LT(Saturation(down[0]), Saturation(in[0]) - 0.05f);

    // The smart variant lifts the same muted pixel less inside a colourful picture.
    std::vector<Px> grey(16, Px{30000, 30000, 30000}), colourful(16, Px{60000, 5000, 20000});
    grey[0] = colourful[0] = in[0];
    const float inGrey = Saturation(RunRow(m_engine, "MP_calcPixelSmartColorVibrance", {{0, 0, 1.0f}}, grey)[0]);
    const float inColour = Saturation(RunRow(m_engine, "MP_calcPixelSmartColorVibrance", {{0, 0, 1.0f}}, colourful)[0]);
    EXPECT_GT(inGrey, inColour + 0.02f);
    EXPECT_GT(inColour, Saturation(in[0]));
}

TEST_F(ColourFamily, LooksMoveColoursTheWayTheirNamesSay)
{
    const Px skyBlue{20000, 35000, 60000}, foliage{12000, 40000, 10000}, mid{30000, 30000, 30000};
    // Night: darker and bluer; autumn: green foliage turns red-orange; pastel: paler and lighter.
    const Px night = RunRow(m_engine, "MP_calcPixelDaytime", {{0, 0, 1.0f}}, {mid})[0];
    EXPECT_LT(night[0] + night[1] + night[2], 3 * 30000 * 3 / 4);
    EXPECT_GT(night[2], night[0] + 3000);
    const Px autumn = RunRow(m_engine, "MP_calcPixelYeartime", {{0, 0, 2.0f / 3.0f}}, {foliage})[0];
    EXPECT_GT(autumn[0], autumn[1]);
    const Px pastel = RunRow(m_engine, "MP_calcPixelPastell", {}, {skyBlue})[0];
    EXPECT_LT(Saturation(pastel), Saturation(skyBlue) - 0.15f);
    EXPECT_GT(pastel[0], skyBlue[0] + 5000);
    // The ocean scheme keeps a sea colour far better than a red it hardly holds.
    const std::vector<Px> ocean = RunRow(m_engine, "MP_calcPixelColorHarmonic", {{0, 0, 2.0f / 7.0f}, {1, 0, 1.0f}},
                                      {{55000, 8000, 8000}, {8000, 40000, 50000}});
    EXPECT_LT(Saturation(ocean[0]), Saturation(Px{55000, 8000, 8000}) - 0.3f);
    EXPECT_GT(Saturation(ocean[1]), Saturation(ocean[0]) + 0.2f);
}

TEST_F(ColourFamily, ChromaBalanceTakesOutCastsInDarkAndBrightGreys)
{
    // A blue cast in the dark greys and a red one in the bright greys are both taken out.
    std::vector<Px> cast;
    for (int i = 0; i < 8; ++i)
        cast.insert(cast.end(), {{9000, 9000, 11000}, {56000, 54000, 54000}, {30000, 30000, 30000}});
    const std::vector<Px> even = RunRow(m_engine, "MP_calcPixelBalanceChroma", {}, cast);
    EXPECT_LT(even[0][2] - even[0][0], (cast[0][2] - cast[0][0]) / 2);
    EXPECT_LT(even[1][0] - even[1][2], (cast[1][0] - cast[1][2]) / 2);
    EXPECT_LT(std::abs(even[2][0] - even[2][2]), 300);
}

TEST_F(ColourFamily, OriginalBlendMixesTheUnprocessedPictureBack)
{
    std::vector<uint16_t> original = {0, 20000, 65535}, graded = {40000, 40000, 40000};
    auto p = Record(m_engine, "MP_calcPixelOriginalBlend", {});
    MP_FillKernelHeader(*MP_FindKernel("MP_calcPixelOriginalBlend"), *p, 1, 1);
    ASSERT_EQ(MP_FindKernel("MP_calcPixelOriginalBlend")->pFunction(1, 1, original.data(), graded.data(), 6, 6, p.get()),
              MP_SUCCESS);
    EXPECT_NEAR(graded[0], 20000, 1);
    EXPECT_NEAR(graded[1], 30000, 1);
    EXPECT_NEAR(graded[2], 52767, 1);
    EXPECT_TRUE(MP_NeedsUnprocessed("MP_calcPixelOriginalBlend"));
}

TEST_F(ColourFamily, MotifsAreDrawnWhereAndAsLargeAsSet)
{
    // The German flag over the middle of a 30 × 20 picture, a picture-height tall: black, red and
    // gold thirds of its 2/3 half height; the rows and columns outside it stay.
    auto p = Record(m_engine, "MP_calcPixelFlags", {{0, 0, 0.0f}, {1, 0, 1.0f}, {2, 0, 0.5f}, {2, 1, 0.5f}, {3, 0, 1.0f}});
    const Image flag = Dispatched("MP_calcPixelFlags", *p, Uniform(30, 20, 30000, 30000, 30000), 30, 20);
    auto at = [&](int x, int y) { return Px{At(flag, 30, x, y, 0), At(flag, 30, x, y, 1), At(flag, 30, x, y, 2)}; };
    EXPECT_EQ(at(15, 5), (Px{0, 0, 0}));
    EXPECT_NEAR(at(15, 10)[0], 0xDD * 257, 1);
    EXPECT_EQ(at(15, 10)[1], 0);
    EXPECT_NEAR(at(15, 14)[1], 0xCE * 257, 1);
    for (int c = 0; c < 3; ++c)
    {
        EXPECT_NEAR(at(15, 0)[c], 30000, 1);
        EXPECT_NEAR(at(0, 10)[c], 30000, 1);
    }

    // The pumpkin's body is orange; the ball's centre is its black pentagon.
    auto motif = [&](const char* kernel) {
        auto p = Record(m_engine, kernel, {{1, 0, 1.0f}, {2, 0, 0.5f}, {2, 1, 0.5f}});
        return Dispatched(kernel, *p, Uniform(20, 20, 30000, 30000, 30000), 20, 20);
    };
    const Image pumpkin = motif("MP_calcPixelHWMotiv"), ball = motif("MP_calcPixelMotiv");
    const uint16_t* body = &pumpkin[(16 * 20 + 13) * 3]; // (u, v) ≈ (0.35, 0.65)
    EXPECT_GT(body[0], 50000);
    EXPECT_GT(body[0], body[1] + 10000);
    EXPECT_GT(body[1], body[2] + 10000);
    const uint16_t* centre = &ball[(10 * 20 + 10) * 3];
    EXPECT_LT(std::max({centre[0], centre[1], centre[2]}), 8000);
}
