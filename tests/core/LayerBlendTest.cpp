// The layer-mode blend against values worked out independently (the HSV and HSL modes through a
// reference colour-space library), and the colour-space conversions on their own.
#include "core/ColourSpace.h"
#include "core/LayerBlend.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
struct SBlendCase
{
    int iMode;
    float afExpected[3];
};

// Base c0 = (0.25, 0.5, 0.75), layer ce = (0.6, 0.2, 0.9); the HSV and HSL rows come from a reference
// colour-space implementation. Mode 0 and numbers outside the list keep the layer.
// clang-format off
const SBlendCase kBlendCases[] = {
    {1, {0.6f, 0.5f, 0.9f}}, {2, {0.25f, 0.2f, 0.75f}}, {3, {0.15f, 0.1f, 0.675f}}, {4, {0.425f, 0.35f, 0.825f}},
    {5, {0.2524876f, 0.1870829f, 0.7462406f}}, {6, {0.95f, -0.1f, 1.05f}}, {7, {0.35f, 0.3f, 0.15f}},
    {8, {0.85f, 0.7f, 0.35f}}, {9, {0.7f, 0.6f, 0.975f}}, {10, {0.55f, 0.5f, 0.3f}},
    {11, {1.434263f, 1.243781f, 1.078562f}}, {12, {0.48f, 0.2f, 0.9243416f}}, {13, {0.3f, 0.2f, 0.95f}},
    {14, {0.7989348f, 0.3992016f, 3.585657f}}, {15, {-0.5936255f, -0.5968064f, 0.8668442f}},
    {16, {0.85f, 0.7f, 1.65f}}, {17, {-0.15f, -0.3f, 0.65f}}, {18, {0.1f, 0.2f, 1.4f}},
    {19, {0.2015968f, 0.2007992f, 1.796407f}}, {20, {0.5f, 0.2f, 0.9f}}, {21, {0.f, 0.f, 1.f}},
    {22, {0.4793609f, 0.07984032f, 3.227092f}}, {23, {0.1558603f, 0.3121099f, 5.569307f}}, {24, {0.65f, 0.7f, 0.85f}},
    {25, {2.390438f, 0.3992016f, 1.198402f}}, {26, {0.4812744f, 0.3646917f, 1.072788f}},
    {27, {0.4596194f, 0.3807887f, 0.8284021f}}, {31, {0.49f, 0.66f, 0.84f}}, {45, {0.85f, 0.7f, 1.f}},
    {47, {0.95f, 0.5f, 1.f}}, {28, {0.441695f, 0.166695f, 0.991695f}}, {29, {0.758305f, 0.233305f, 0.808305f}},
    {30, {0.4f, 0.2f, 0.95f}}, {32, {0.4250175f, 0.349985f, 0.8250075f}}, {33, {0.599965f, 0.20003f, 0.899985f}},
    {34, {0.4249825f, 0.350015f, 0.8249925f}}, {35, {0.4189102f, 0.3552199f, 0.8223901f}},
    {36, {0.4735797f, 0.3083602f, 0.8458199f}}, {43, {0.3375175f, 0.424985f, 0.7875075f}},
    {44, {0.3374825f, 0.425015f, 0.7874925f}}, {46, {0.55003f, 0.60001f, 1.f}}, {50, {0.5357143f, 0.25f, 0.75f}},
    {51, {0.1666667f, 0.4583333f, 0.75f}}, {52, {0.5f, 0.1666667f, 0.75f}}, {53, {0.3f, 0.6f, 0.9f}},
    {54, {0.2299759f, 0.5257798f, 0.8215838f}}, {55, {0.25f, 0.5f, 0.75f}}, {56, {0.3f, 0.6f, 0.9f}},
    {57, {0.25f, 0.5f, 0.75f}}, {58, {0.1666667f, 0.4583333f, 0.75f}}, {60, {0.5357143f, 0.25f, 0.75f}},
    {61, {0.1111111f, 0.5f, 0.8888889f}}, {62, {0.5555556f, 0.1111111f, 0.8888889f}}, {63, {0.325f, 0.55f, 0.775f}},
    {64, {0.2278185f, 0.5244044f, 0.8209904f}}, {65, {0.25f, 0.5f, 0.75f}}, {66, {0.325f, 0.55f, 0.775f}},
    {67, {0.25f, 0.5f, 0.75f}}, {68, {0.1111111f, 0.5f, 0.8888889f}}, {37, {0.6f, 0.5f, 0.75f}},
    {38, {0.25f, 0.2f, 0.75f}}, {39, {0.25f, 0.5f, 0.9f}}, {40, {0.25f, 0.2f, 0.9f}}, {41, {0.6f, 0.5f, 0.9f}},
    {42, {0.6f, 0.2f, 0.75f}}, {0, {0.6f, 0.2f, 0.9f}}, {-1, {0.6f, 0.2f, 0.9f}}, {48, {0.6f, 0.2f, 0.9f}},
    {49, {0.6f, 0.2f, 0.9f}}, {59, {0.6f, 0.2f, 0.9f}}, {69, {0.6f, 0.2f, 0.9f}},
};
// clang-format on
}  // namespace

TEST(LayerBlend, EveryModeMatchesItsWorkedValue)
{
    const float c0[3] = {0.25f, 0.5f, 0.75f};
    for (const SBlendCase& c : kBlendCases)
    {
        float ce[3] = {0.6f, 0.2f, 0.9f};
        MP_BlendLayerMode(c.iMode, c0, ce);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(ce[i], c.afExpected[i], 2e-5f * std::fmax(1.f, std::fabs(c.afExpected[i])))
                << "mode " << c.iMode << " channel " << i;
    }
}

TEST(ColourSpace, RoundTripsAndHueEdges)
{
    for (float r = 0.f; r <= 1.f; r += 0.125f)
        for (float g = 0.f; g <= 1.f; g += 0.125f)
            for (float b = 0.f; b <= 1.f; b += 0.125f)
            {
                float v[3], l[3];
                Colour::HsvToRgb(Colour::RgbToHsv(r, g, b), v[0], v[1], v[2]);
                Colour::HslToRgb(Colour::RgbToHsl(r, g, b), l[0], l[1], l[2]);
                ASSERT_LT(std::fabs(v[0] - r) + std::fabs(v[1] - g) + std::fabs(v[2] - b) + std::fabs(l[0] - r) +
                              std::fabs(l[1] - g) + std::fabs(l[2] - b), 6e-6f) << r << " " << g << " " << b;
            }
    // Hues outside 0…1 wrap around; a NaN hue cannot pick a sector and reads as red.
    float r, g, b;
    Colour::HsvToRgb({1.25f, 1.f, 1.f}, r, g, b);
    EXPECT_TRUE(r == 0.5f && g == 1.f && b == 0.f);
    Colour::HsvToRgb({std::nanf(""), 1.f, 1.f}, r, g, b);
    EXPECT_TRUE(r == 1.f && g == 0.f && b == 0.f);
}
