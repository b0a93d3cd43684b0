// Iterative tone mapping through the chain: the large-scale tones move together by the
// compression, the detail on them is lifted by the local contrast, however many passes the
// calculation quality asks for; the gradation afterwards spreads the tones over the range.
#include "FamilyTestUtil.h"

using namespace FamilyTest;

namespace
{
constexpr int kW = 64, kH = 32;

/// Left half around 0.03, right half around 0.8, both with a checkerboard of ×1.1 and ×0.9.
Image TwoToneTexture()
{
    return Grey(kW, kH, [](int x, int y) { return Level((x < kW / 2 ? 0.03f : 0.8f) * ((x + y) % 2 ? 1.1f : 0.9f)); });
}

/// Mean log2 of the green samples of the checkerboard's light (or dark) squares within columns
/// x0…x1, away from the top and bottom.
double MeanStops(const Image& image, int x0, int x1, int parity)
{
    double sum = 0;
    int n = 0;
    for (int y = 8; y < kH - 8; ++y)
        for (int x = x0; x < x1; ++x)
            if ((x + y) % 2 == parity)
                sum += std::log2(std::max<double>(At(image, kW, x, y, 1), 1.0) / 65535.0), ++n;
    return sum / n;
}

struct STones
{
    double between;        // stops from the dark half to the light half
    double darkDetail;     // stops between the squares of the dark half
    double lightDetail;
};

STones Tones(const Image& image)
{
    // Columns 8…23 and 40…55: more than the base's reach away from the step between the halves.
    auto mid = [&](int x0, int x1) { return 0.5 * (MeanStops(image, x0, x1, 0) + MeanStops(image, x0, x1, 1)); };
    return {mid(40, 56) - mid(8, 24), MeanStops(image, 8, 24, 1) - MeanStops(image, 8, 24, 0),
            MeanStops(image, 40, 56, 1) - MeanStops(image, 40, 56, 0)};
}

class ToneMappingFamily : public ::testing::Test
{
protected:
    /// Grades `image` with a chain of the one operator (radius 0.02: the base follows the picture
    /// over 9 pixels, so the measured columns are clear of the step; the given strengths).
    Image Grade(const char* kernel, const Image& image, float compression, float detail, bool gradation = false,
                int loopstep = 2)
    {
        CPostProcessing chain;
        CPostProcessing::SOperator op =
            COperatorCatalogue::Shared().CreateOperator(*COperatorCatalogue::Shared().FindKernel(kernel));
        op.aParams[0].afValues[0] = 0.02f, op.aParams[1].afValues[0] = compression, op.aParams[2].afValues[0] = detail;
        op.bCalcGradation = gradation;
        chain.Operators().append(op);
        m_engine.Settings().iLoopStep = loopstep;
        EXPECT_TRUE(m_engine.Slots().Fill(eWS_MAIN, image.data(), kW, kH, kW, kH, 4));
        chain.Process(m_engine, kW, kH, false);
        Helper::CRGB48Buffer& b = m_engine.Slots().Get(eWS_MAIN);
        return Image(b.GetData(), b.GetData() + size_t(kW) * kH * 3);
    }
    CTestEngine m_engine;
};
}  // namespace

TEST_F(ToneMappingFamily, CompressionAndLocalContrastReachTheirTotalsAtEveryQuality)
{
    // The halves lie log2(0.8 ÷ 0.03) = 4.74 stops apart, the squares log2(1.1 ÷ 0.9) = 0.29.
    const Image image = TwoToneTexture();
    const STones before = Tones(image);
    ASSERT_NEAR(before.between, 4.74, 0.01);
    ASSERT_NEAR(before.lightDetail, 0.29, 0.01);
    for (const int loopstep : {1, 2, 4}) // four, three and one passes
    {
        // 50 % compression pulls the halves 40 % closer; detail stays.
        const STones compressed = Tones(Grade("MP_calcPixelTMitercontrast", image, 0.5f, 0.0f, false, loopstep));
        EXPECT_NEAR(compressed.between, 4.74 * 0.6, 0.25) << loopstep;
        EXPECT_NEAR(compressed.lightDetail, 0.29, 0.03) << loopstep;
        EXPECT_NEAR(compressed.darkDetail, 0.29, 0.03) << loopstep;
        // 50 % local contrast doubles the detail; the halves keep their distance.
        const STones lifted = Tones(Grade("MP_calcPixelTMitercontrast", image, 0.0f, 0.5f, false, loopstep));
        EXPECT_NEAR(lifted.between, 4.74, 0.1) << loopstep;
        EXPECT_NEAR(lifted.lightDetail, 0.58, 0.06) << loopstep;
    }
    EXPECT_FALSE(MP_HasEffect("MP_calcPixelTMitercontrast", *Settings(m_engine, "MP_calcPixelTMitercontrast", {{1, 0.0f}, {2, 0.0f}})));
    EXPECT_TRUE(MP_HasEffect("MP_calcPixelTMitercontrast", *Defaults(m_engine, "MP_calcPixelTMitercontrast")));
}

TEST_F(ToneMappingFamily, BrillianceLiftsEachChannelAroundTheLuminance)
{
    // Red twice green (one stop); 25 % brilliance lifts each channel's distance from the base by
    // half: 1.5 stops.
    const Image image = Uniform(kW, kH, Level(0.6f), Level(0.3f), Level(0.3f));
    const Image out = Grade("MP_calcPixelTMiterbrillance", image, 0.0f, 0.25f);
    const size_t centre = (size_t(kH / 2) * kW + kW / 2) * 3;
    EXPECT_NEAR(std::log2(double(out[centre]) / out[centre + 1]), 1.5, 0.05);
    EXPECT_EQ(out[centre + 1], out[centre + 2]);
}

TEST_F(ToneMappingFamily, GradationAfterwardsSpreadsTheTonesOverTheRange)
{
    const Image out = Grade("MP_calcPixelTMitercontrast", TwoToneTexture(), 0.8f, 0.3f, true);
    const auto [lo, hi] = std::minmax_element(out.begin(), out.end());
    EXPECT_LT(*lo, Level(0.01f));
    EXPECT_GT(*hi, Level(0.98f));
}
