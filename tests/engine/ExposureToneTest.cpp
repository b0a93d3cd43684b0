// Worked examples of the exposure family's tone and level operators, and which entries leave a
// picture alone at the catalogue's defaults. Expected levels are worked out by hand from each
// operator's formula with weights ¼, ½, ¼; the tolerance covers the 16-bit table index (a
// level table is read at trunc(L × 65535)) times the curve's slope.
#include "FamilyTestUtil.h"

using namespace FamilyTest;

TEST(ExposureTone, WorkedExamplesOnFlatPictures)
{
    struct SCase
    {
        const char* kernel;
        std::vector<SValue> values;
        uint16_t in[3], out[3];
        int tolerance;
    };
    const float half[12] = {0.0f, 0.5f, 0.2f, 0.5f, 0.4f, 0.5f, 0.6f, 0.5f, 0.8f, 0.5f, 1.0f, 0.5f};
    const SCase cases[] = {
        // L = 0.4 moves from the pivot 0.5 by 2^±1.5; the gain keeps the channel ratios 1:2:3.
        {"MP_calcPixelLuminanceContrast", {{0, 0, 1.0f}}, {13107, 26214, 39321}, {7116, 14231, 21347}, 3},
        {"MP_calcPixelLuminanceContrast", {{0, 0, 0.0f}}, {13107, 26214, 39321}, {15225, 30450, 45676}, 2},
        // Logistic S of slope 8 scaled to 0…1 at 0.25: 0.10499; its inverse: 0.36860.
        {"MP_calcPixelSoftContrast", {{0, 0, 1.0f}}, {16384, 16384, 16384}, {6881, 6881, 6881}, 2},
        {"MP_calcPixelSoftContrast", {{0, 0, 0.0f}}, {16384, 16384, 16384}, {24156, 24156, 24156}, 2},
        // Knee 0.7: V = 1 → 0.7 + 0.5 × 0.3 = 0.85, the whole pixel scaled by 0.85; below the knee nothing.
        {"MP_calcPixelHighlightProtect", {{0, 0, 1.0f}, {1, 0, 0.4f}}, {65535, 32767, 0}, {55704, 27851, 0}, 1},
        {"MP_calcPixelHighlightProtect", {{0, 0, 1.0f}, {1, 0, 0.4f}}, {39321, 39321, 39321}, {39321, 39321, 39321}, 0},
        // L = 0.9125, weight smoothstep(0.5, 1, L) = 0.91884 towards the grey 0.95625.
        {"MP_calcPixelBWcorrection", {{0, 0, 1.0f}, {1, 0, 0.5f}}, {58981, 62258, 55704}, {62368, 62634, 62102}, 2},
        // Shadows +100 % at 0.1: weight 0.896, × 2^1.344; lights +100 % at 0.9: 1 − 0.1 × 2^−1.344.
        {"MP_calcPixelLightShadow", {{1, 0, 1.0f}}, {6553, 6553, 6553}, {16635, 16635, 16635}, 3},
        {"MP_calcPixelLightShadow", {{0, 0, 1.0f}}, {58981, 58981, 58981}, {62953, 62953, 62953}, 2},
        // A flat curve at 0.5 over log luminance sends every luminance to (2^4 − 1) ÷ 255.
        {"MP_calcPixelLogGradationLagrange", {{0, 1, half[1]}, {0, 3, half[3]}, {0, 5, half[5]}, {0, 7, half[7]}, {0, 9, half[9]}, {0, 11, half[11]}},
         {13107, 26214, 39321}, {1927, 3855, 5782}, 1},
        // Input 0.1…0.9, midtones 2^−1.5, output 0.2…0.8: 0.3 → 0.2 + 0.6 × 0.25^0.35355.
        {"MP_calcPixelAdjustLuminance", {{0, 0, 0.1f}, {1, 0, 0.9f}, {2, 0, 1.0f}, {3, 0, 0.2f}, {4, 0, 0.8f}},
         {19660, 19660, 19660}, {37193, 37193, 37193}, 3},
        {"MP_calcPixelGreyscale", {}, {13107, 26214, 39321}, {23724, 23724, 23724}, 1},
        {"MP_calcPixelGreyscale", {{0, 0, 1.0f}, {1, 0, 0.0f}, {2, 0, 0.0f}}, {13107, 26214, 39321}, {13107, 13107, 13107}, 1},
        // Overlay of L = 0.4: 2 c L below 0.5, 1 − 2 (1 − c)(1 − L) above.
        {"MP_calcPixelBleachBypass", {{0, 0, 1.0f}}, {13107, 26214, 39321}, {10486, 20971, 34078}, 1},
        // Stretch of lummin 0.1 … lummax 0.8 (set in the record below): 0.45 → 0.5.
        {"MP_calcPixelautomaticbwpoint", {{0, 0, 1.0f}}, {29491, 29491, 29491}, {32768, 32768, 32768}, 2},
        {"MP_calcPixelautomaticbwpoint", {{0, 0, 0.5f}}, {29491, 29491, 29491}, {30840, 30840, 30840}, 2},
        // Flat pictures: the blurred planes equal the picture. Fog: v = 0.95 × 0.5, (c − v) ÷ (1 − v).
        {"MP_calcPixelReduceFog", {{1, 0, 1.0f}}, {32767, 39321, 45874}, {3121, 15604, 28086}, 2},
        // A red filter of +100 %: weights ¼ × 4, ½, ¼ normalised.
        {"MP_calcPixelBlackWhite", {{2, 0, 1.0f}}, {13107, 26214, 39321}, {20597, 20597, 20597}, 2},
        // Surroundings 0.25 light 0.25 by 0.25^−0.4.
        {"MP_calcPixelLightTuner", {{1, 0, 1.0f}}, {16384, 16384, 16384}, {28526, 28526, 28526}, 2},
        // Surroundings 0.9 above the threshold 0.6: x = 0.75 → 0.6 + 0.46875 × 0.4.
        {"MP_calcPixelHighlightRecover", {{0, 0, 1.0f}, {1, 0, 0.6f}}, {58981, 58981, 58981}, {51609, 51609, 51609}, 2},
        // γ = 2^(−1.5 (1 − 2 × 0.25)) at surroundings 0.25: 0.25^0.5946.
        {"MP_calcPixelDynamicLuminance", {{0, 0, 1.0f}}, {16384, 16384, 16384}, {28740, 28740, 28740}, 2},
        // Fading only, at the centre: 0.05 × 0.7 + 0.1.
        {"MP_calcPixelAging", {{0, 0, 1.0f}, {1, 0, 0.0f}, {2, 0, 1.0f}, {3, 0, 0.0f}}, {3276, 3276, 3276}, {8847, 8847, 8847}, 1},
    };
    for (const SCase& c : cases)
    {
        CTestEngine engine;
        auto p = ExposureRecord(engine, c.kernel, c.values);
        p->lummin = 0.1f, p->lummax = 0.8f;
        const Image image = Dispatched(c.kernel, *p, Uniform(9, 9, c.in[0], c.in[1], c.in[2]), 9, 9);
        for (int ch = 0; ch < 3; ++ch)
            EXPECT_NEAR(At(image, 9, 4, 4, ch), c.out[ch], c.tolerance) << c.kernel << " channel " << ch;
    }
}

TEST(ExposureTone, LightToolsFollowThePosition)
{
    // +2 EV inside half the half diagonal of a 5 × 5 picture: the centre (0.2 out) × 4, the
    // corner (1.0 out) untouched.
    Image image = ExposureRun("MP_calcPixelCenterLight", Uniform(5, 5, 6553, 6553, 6553), 5, 5, {{0, 0, 1.0f}, {1, 0, 0.5f}, {2, 0, 0.0f}});
    EXPECT_NEAR(At(image, 5, 2, 2, 0), 26212, 1);
    EXPECT_EQ(image[0], 6553);
    // A hard line across the middle (90°: down the picture): the top rows get γ = 2^−1.5.
    image = ExposureRun("MP_calcPixelTiltGamma", Uniform(4, 10, 16384, 16384, 16384), 4, 10, {{0, 0, 1.0f}, {1, 0, 0.25f}, {2, 0, 0.0f}});
    EXPECT_NEAR(image[0], 40144, 2);
    EXPECT_EQ(At(image, 4, 0, 9, 0), 16384);
}

namespace
{
/// One row of greys from `first` in steps of `step` (0…1).
Image Greys(int n, float first, float step)
{
    return Grey(n, 1, [&](int x, int) { return (first + step * float(x)) * 65535.0f; });
}
}  // namespace

TEST(ExposureTone, LevelOperatorsMeasureThePicture)
{
    // The measurements count in bins of 1/4095 (1/1023 for the equaliser), hence the tolerances.
    // Twenty greys 0.025 … 0.975: a 10 % share is the two darkest (mean 0.05) and the two
    // brightest (mean 0.95); 0.475 → (0.475 − 0.05) ÷ 0.9.
    Image image = ExposureRun("MP_calcPixelWeighedBW", Greys(20, 0.025f, 0.05f), 20, 1, {{1, 0, 1.0f}});
    EXPECT_NEAR(image[9 * 3], 30947, 40);
    EXPECT_EQ(image[0], 0);
    EXPECT_EQ(image[19 * 3], 65535);

    // Each channel on its own from its lowest to its highest level; a flat channel stays.
    const float lowest[2] = {0.2f, 0.1f}, step[2] = {0.04f, 0.08f};
    image = Picture(11, 1, [&](int x, int, int c) { return c < 2 ? (lowest[c] + step[c] * x) * 65535 : 32767.0f; });
    image = ExposureRun("MP_calcPixelpercentbwpoint", image, 11, 1, {{0, 0, 0.0f}, {1, 0, 0.0f}});
    EXPECT_NEAR(image[5 * 3], 32767, 40);
    EXPECT_NEAR(image[5 * 3 + 1], 32767, 40);
    EXPECT_EQ(image[5 * 3 + 2], 32767);
    EXPECT_LE(image[0], 40);
    EXPECT_GE(image[10 * 3 + 1], 65495);

    // Levels spread evenly over 0.25 … 0.5: equalised, 0.375 goes to the middle; with the limit
    // at its end every bin is capped at the mean count and the excess shared out over all 1024
    // bins, so 0.375 only reaches (0.75 × 384 + 128) ÷ 1024 = 0.40625.
    const Image spread = Grey(16, 16, [](int x, int y) { return (0.25f + float(16 * y + x) / 1024.0f) * 65535.0f; });
    for (const auto& [limit, expected] : {std::pair{0.0f, 32768}, {1.0f, 26624}})
    {
        image = ExposureRun("MP_calcPixelHistogramEqualize", spread, 16, 16, {{0, 0, 1.0f}, {1, 0, limit}});
        EXPECT_NEAR(image[128 * 3], expected, 300) << "limit " << limit;
    }

    // Greys 0.1 … 0.5 stretched to 0…1 put the median 0.3 in the middle; a target of 0.25 then
    // needs the exponent 2.
    for (const auto& [target, expected] : {std::pair{0.5f, 32767}, {0.25f, 16384}})
    {
        image = ExposureRun("MP_calcPixelBalanceShadowLight", Greys(401, 0.1f, 0.001f), 401, 1, {{0, 0, 1.0f}, {1, 0, target}});
        EXPECT_NEAR(image[200 * 3], expected, 400) << "target " << target;
    }
}

TEST(ExposureTone, CorrectionsAreNeutralAtTheirDefaultsAndLooksAreNot)
{
    // Corrections leave a picture alone until a control moves (the effect test skips them);
    // looks, textures and the automatic operators act as soon as they are added.
    const QStringList corrections = {
        "MP_calcPixelExposureValue", "MP_calcPixelBasicTools", "MP_calcPixelmanualbwpoint", "MP_calcPixelVignette",
        "MP_calcPixelGradationLagrange", "MP_calcPixelLuminanceContrast", "MP_calcPixelFlattenLuminance",
        "MP_calcPixelHighlightProtect", "MP_calcPixelReduceFog", "MP_calcPixelHighlightRecover",
        "MP_calcPixelBWcorrection", "MP_calcPixelTiltGamma", "MP_calcPixelSoftBorderlight",
        "MP_calcPixelDynamicLuminance", "MP_calcPixelLightShadow", "MP_calcPixelLogGradationLagrange",
        "MP_calcPixelAdjustLuminance", "MP_calcPixelSoftContrast"};
    const Image scene = ExposureScene(40, 30);
    int exposure = 0;
    for (const SCatalogueEntry& e : COperatorCatalogue::Shared().Entries())
    {
        if (e.sType != QLatin1String("exposure"))
            continue;
        ++exposure;
        const std::string kernel = e.sKernel.toStdString();
        CTestEngine engine;
        auto p = ExposureRecord(engine, kernel.c_str());
        p->lummin = 0.2f, p->lummax = 0.7f; // what the chain measures in the scene below
        EXPECT_EQ(Dispatched(kernel.c_str(), *p, scene, 40, 30) == scene, corrections.contains(e.sKernel)) << kernel;
    }
    EXPECT_EQ(exposure, 57);
}
