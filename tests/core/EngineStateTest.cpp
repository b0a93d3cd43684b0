// Engine defaults and setters: thread clamp, calculation-mode fall-backs, delays, weights,
// video output sizes, status names, lookup tables and the slot table.
#include "core/EngineState.h"
#include "core/EngineTables.h"
#include "core/ImageSlots.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
void Init(int threads)
{
    MP_UI_InitEngine("/tmp/textures/", threads, 1920, 1080);
}
}  // namespace

TEST(EngineState, InitialisationDefaults)
{
    Init(0);
    EXPECT_EQ(MP_UI_GetThreadCount(), 1);
    Init(100);
    EXPECT_EQ(MP_UI_GetThreadCount(), 64);
    Init(4);
    EXPECT_EQ(MP_UI_GetThreadCount(), 4);
    EXPECT_EQ(MP_UI_GetTextureDir(), "/tmp/textures/");
    EXPECT_EQ(MP_UI_GetScreenWidth(), 1920);
    EXPECT_EQ(MP_UI_GetCalcMode(), MP_CALCMODE_NONE);
    EXPECT_EQ(MP_UI_GetCalcForceMode(), MP_CALCMODE_NONE);
    EXPECT_EQ(MP_UI_GetProgressBarUpdateDelayTime(), 250);
    EXPECT_EQ(MP_UI_GetVideoResolutionModulo(), 2);
    EXPECT_TRUE(MP_UI_GetLogging());
    EXPECT_FALSE(MP_UI_GetVideoMode());
    EXPECT_FALSE(MP_UI_GetAbort());
    for (int mode = 0; mode < 4; ++mode)
        EXPECT_EQ(MP_UI_GetMaxMemAllocSize(mode), 0.0);
    float r, g, b;
    MP_UI_GetLumWeights(r, g, b);
    EXPECT_FLOAT_EQ(r, 0.3333f);
    EXPECT_FLOAT_EQ(g, 0.3334f);
    EXPECT_FLOAT_EQ(b, 0.3333f);
}

TEST(EngineState, CalcModeFallsBackToWhatIsAvailable)
{
    struct SCase
    {
        double oclCpu, oclGpu;
        int requested, expected;
    } cases[] = {
        {1e9, 0.0, 3, MP_CALCMODE_OPENCL_CPU}, {0.0, 0.0, 3, MP_CALCMODE_CPU},
        {0.0, 2e9, 3, MP_CALCMODE_OPENCL_GPU}, {0.0, 2e9, 2, MP_CALCMODE_CPU},
        {1e9, 0.0, 2, MP_CALCMODE_OPENCL_CPU}, {1e9, 2e9, 1, MP_CALCMODE_CPU},
    };
    for (const SCase& c : cases)
    {
        Init(2);
        MP_UI_SetMaxMemAllocSize(MP_CALCMODE_OPENCL_CPU, c.oclCpu);
        MP_UI_SetMaxMemAllocSize(MP_CALCMODE_OPENCL_GPU, c.oclGpu);
        MP_UI_SetCalcMode(c.requested);
        EXPECT_EQ(MP_UI_GetCalcMode(), c.expected) << "request " << c.requested;
        MP_UI_SetCalcMode(7);
        EXPECT_EQ(MP_UI_GetCalcMode(), c.expected) << "mode 7 must change nothing";
    }
    MP_UI_SetMaxMemAllocSize(MP_CALCMODE_CPU, 1073741824.0);
    EXPECT_NEAR(MP_UI_GetMaxPictureSize(MP_CALCMODE_CPU), 89.478, 0.001);
}

TEST(EngineState, SettersClampAndNormalise)
{
    Init(2);
    MP_UI_SetProgressBarUpdateDelayTime(0);
    EXPECT_EQ(MP_UI_GetProgressBarUpdateDelayTime(), 250);
    MP_UI_SetProgressBarUpdateDelayTime(1000);
    EXPECT_EQ(MP_UI_GetProgressBarUpdateDelayTime(), 1000);

    float r, g, b;
    MP_UI_SetLumWeights(2, 1, 1);
    MP_UI_GetLumWeights(r, g, b);
    EXPECT_FLOAT_EQ(r, 0.5f);
    EXPECT_FLOAT_EQ(g, 0.25f);
    EXPECT_FLOAT_EQ(b, 0.25f);
    MP_UI_SetLumWeights(0, 0, 0); // no positive sum: stored as given
    MP_UI_GetLumWeights(r, g, b);
    EXPECT_EQ(r + g + b, 0.0f);
    ASSERT_TRUE(MP_UI_GetLumPreset(2, r, g, b));
    EXPECT_FLOAT_EQ(g, 0.7154f);
    ASSERT_TRUE(MP_UI_GetLumPreset(3, r, g, b));
    EXPECT_FLOAT_EQ(r, 0.299f);
    EXPECT_FALSE(MP_UI_GetLumPreset(4, r, g, b));
}

TEST(EngineState, VideoOutputSizes)
{
    Init(2);
    EXPECT_EQ(MP_VideoOutputDimension(1921), 1920);
    EXPECT_EQ(MP_VideoOutputDimension(1081), 1080);
    EXPECT_EQ(MP_VideoOutputDimension(1080), 1080);
    EXPECT_TRUE(MP_VideoOutputIsCrop(1921, 1081, 1920, 1080));
    EXPECT_TRUE(MP_VideoOutputIsCrop(1920, 1080, 1920, 1080));
    EXPECT_FALSE(MP_VideoOutputIsCrop(1922, 1080, 1920, 1080));
    EXPECT_FALSE(MP_VideoOutputIsCrop(1280, 720, 1920, 1080));
}

TEST(EngineState, StatusAndModeNames)
{
    EXPECT_STREQ(MP_StatusName(MP_SUCCESS), "MP_SUCCESS");
    EXPECT_STREQ(MP_StatusName(-1), "MP_OUTOFMEMORY");
    EXPECT_STREQ(MP_StatusName(-2), "MP_ZEROPOINTER");
    EXPECT_STREQ(MP_StatusName(-7), "MP_NORESOLUTION");
    EXPECT_STREQ(MP_StatusName(-8), "MP_NOPATH");
    EXPECT_STREQ(MP_StatusName(-3), "___UNKNOWN___");
    EXPECT_STREQ(MP_CalcModeName(0), "none");
    EXPECT_STREQ(MP_CalcModeName(3), "OCL_GPU");
}

TEST(EngineTables, SampledValues)
{
    const SEngineTables& t = MP_GetTables();
    EXPECT_FLOAT_EQ(t.afExpNeg[0], 1.0f);
    EXPECT_FLOAT_EQ(t.afExpNeg[65535], float(std::exp(-1.0)));
    EXPECT_FLOAT_EQ(t.afSqrt[65535], 1.0f);
    EXPECT_FLOAT_EQ(t.afSqrtSqrt[16384], float(std::sqrt(std::sqrt(16384 / 65535.0))));
    EXPECT_FLOAT_EQ(t.afLog2[0], 0.001f);
    EXPECT_FLOAT_EQ(t.afLog2[65535], 1.0f);
    EXPECT_NEAR(t.afSin[4096], 1.0f, 1e-7);
    EXPECT_NEAR(t.afCos[8192], -1.0f, 1e-7);
    EXPECT_EQ(t.ClampSigned(-65536), -32767);
    EXPECT_EQ(t.ClampSigned(-5), -5);
    EXPECT_EQ(t.ClampSigned(65535), 32767);
    EXPECT_EQ(t.aiByteTo16384[255], 16384);
    EXPECT_EQ(t.aiByteTo16384[1], 64); // 16384 / 255 = 64.25
    ASSERT_EQ(t.auiColourWheel.size(), size_t(80 * 80 * 3));
    const uint16_t* right = &t.auiColourWheel[(40 * 80 + 78) * 3]; // hue 0 near the rim: red
    EXPECT_GT(right[0], 60000);
    EXPECT_LT(right[2], 10000);
}

TEST(ImageSlots, RegisterLookupReleaseAndMemory)
{
    int w = 0, h = 0;
    EXPECT_EQ(MP_SlotGet(1280, &w, &h), nullptr);
    EXPECT_EQ(w, -1);
    EXPECT_FALSE(MP_SlotRegister(-1, MP_SlotAlloc(8), 1, 1, 6.0));

    void* a = MP_SlotAlloc(10 * 5 * 6);
    ASSERT_TRUE(MP_SlotRegister(0, a, 10, 5, 6.0));
    ASSERT_TRUE(MP_SlotRegister(1279, MP_SlotAlloc(2 * 2 * 6), 2, 2, 6.0));
    EXPECT_EQ(MP_SlotGet(0, &w, &h), a);
    EXPECT_EQ(w, 10);
    EXPECT_EQ(h, 5);
    EXPECT_DOUBLE_EQ(MP_SlotMemory(), 300.0 + 24.0);
    MP_SlotRelease(0);
    EXPECT_EQ(MP_SlotGet(0, &w, &h), nullptr);
    EXPECT_EQ(h, -1);
    MP_UI_ReleaseEngine();
    EXPECT_DOUBLE_EQ(MP_SlotMemory(), 0.0);
}
