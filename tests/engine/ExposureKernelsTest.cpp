// Worked examples of the exposure operators.
#include "EngineTestUtil.h"

#include <gtest/gtest.h>

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
    struct SCase
    {
        float slider;
        uint16_t in, out;
    };
    const SCase cases[] = {
        {0.625f, 1000, 2000},  {0.625f, 32767, 65534}, {0.625f, 40000, 65535}, // +1 EV
        {0.25f, 20000, 5000},  {0.25f, 65535, 16383},                          // −2 EV: 16383.75
        {1.0f, 1000, 16000},   {0.0f, 40000, 2500},    {0.0f, 1000, 62},       // ±4 EV
    };
    for (const SCase& c : cases)
    {
        CTestEngine engine;
        auto p = Exposure(engine, c.slider);
        std::vector<uint16_t> image = {c.in, c.in, c.in};
        ASSERT_EQ(RunKernel("MP_calcPixelExposureValue", 1, 1, image.data(), image.data(), 6, 6, p.get(), -1, 0, 0,
                            true, true),
                  MP_SUCCESS);
        EXPECT_EQ(image, (std::vector<uint16_t>{c.out, c.out, c.out})) << c.slider << " at " << c.in;
    }
}

TEST(ExposureKernels, NeutralIsSkippedAndTheMaskingCurveWeakensTheStop)
{
    CTestEngine engine;
    std::vector<uint16_t> image = {1000, 20000, 40000};
    const std::vector<uint16_t> original = image;
    EXPECT_FALSE(MP_HasEffect("MP_calcPixelExposureValue", *Exposure(engine, 0.5f)));
    EXPECT_FALSE(MP_HasEffect("MP_calcPixelExposureValue", *Exposure(engine, 0.5009f)));
    EXPECT_TRUE(MP_HasEffect("MP_calcPixelExposureValue", *Exposure(engine, 0.5011f)));
    auto neutral = Exposure(engine, 0.5f);
    EXPECT_EQ(RunKernel("MP_calcPixelExposureValue", 1, 1, image.data(), image.data(), 6, 6, neutral.get(), -1, 0, 0,
                        true, true),
              MP_SUCCESS);
    EXPECT_EQ(image, original);

    // +1 EV at half strength everywhere: c0 + (2 c0 − c0) ÷ 2 = 1.5 c0.
    auto half = Exposure(engine, 0.625f, 0.5f);
    ASSERT_EQ(CallKernel("MP_calcPixelExposureValue", image, 1, 1, *half), MP_SUCCESS);
    EXPECT_EQ(image, (std::vector<uint16_t>{1500, 30000, 60000}));
}
