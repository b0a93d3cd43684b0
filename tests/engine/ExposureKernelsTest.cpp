// Worked examples of the exposure operators.
#include "FamilyTestUtil.h"

using namespace FamilyTest;

namespace
{
/// Exposure set 0 at `slider`, flat masking curve at `strength`, plain combo.
std::unique_ptr<Params> Exposure(CEngineContext& engine, float slider, float strength = 1.0f)
{
    auto p = FreshParams(engine);
    p->p[0][0] = slider;
    for (int k = 0; k < 6; ++k)
        p->p[1][2 * k] = 0.2f * float(k), p->p[1][2 * k + 1] = strength;
    PlainCombo(*p, 2);
    return p;
}
}  // namespace

TEST(ExposureKernels, StopsDoubleOrHalveEveryChannelAndClipAtWhite)
{
    // Slider 0…1 is −4…+4 EV: each stop doubles the level, truncated, clipped at 65535.
    const std::tuple<float, uint16_t, uint16_t> cases[] = { // slider, level in, level out
        {0.625f, 1000, 2000},  {0.625f, 32767, 65534}, {0.625f, 40000, 65535}, // +1 EV
        {0.25f, 20000, 5000},  {0.25f, 65535, 16383},                          // −2 EV: 16383.75
        {1.0f, 1000, 16000},   {0.0f, 40000, 2500},    {0.0f, 1000, 62},       // ±4 EV
    };
    for (const auto& [slider, in, out] : cases)
    {
        CTestEngine engine;
        EXPECT_EQ(Dispatched("MP_calcPixelExposureValue", *Exposure(engine, slider), {in, in, in}, 1, 1), (Image{out, out, out}))
            << slider << " at " << in;
    }
}

TEST(ExposureKernels, NeutralIsSkippedAndTheMaskingCurveWeakensTheStop)
{
    CTestEngine engine;
    const Image image = {1000, 20000, 40000};
    EXPECT_FALSE(MP_HasEffect("MP_calcPixelExposureValue", *Exposure(engine, 0.5f)));
    EXPECT_FALSE(MP_HasEffect("MP_calcPixelExposureValue", *Exposure(engine, 0.5009f)));
    EXPECT_TRUE(MP_HasEffect("MP_calcPixelExposureValue", *Exposure(engine, 0.5011f)));
    EXPECT_EQ(Dispatched("MP_calcPixelExposureValue", *Exposure(engine, 0.5f), image, 1, 1), image);
    // +1 EV at half strength everywhere: c0 + (2 c0 − c0) ÷ 2 = 1.5 c0.
    EXPECT_EQ(Whole("MP_calcPixelExposureValue", image, 1, 1, *Exposure(engine, 0.625f, 0.5f)),
              (Image{1500, 30000, 60000}));
}
