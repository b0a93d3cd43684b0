// Engine defaults and setters: thread clamp, calculation-mode fall-backs, delays, weights,
// video output sizes, status names, lookup tables and the slot table.
#include "core/EngineState.h"
#include "core/EngineTables.h"
#include "core/ImageSlots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(EngineState, InitialisationClampsTheWorkersAndResetsTheSettings)
{
    CEngineState state;
    for (const auto& [ideal, workers] : {std::pair{0, 1}, {100, 64}, {4, 4}})
    {
        state.Init("/tmp/textures/", ideal, 1920, 1080);
        EXPECT_EQ(state.ThreadCount(), workers) << ideal;
    }
    state.SetCalcForceMode(MP_CALCMODE_CPU);
    state.SetProgressDelay(1000);
    state.bVideoMode = true;
    state.Init("/tmp/textures/", 4, 1920, 1080);
    EXPECT_EQ(state.CalcForceMode(), MP_CALCMODE_NONE);
    EXPECT_EQ(state.ProgressDelay(), 250);
    EXPECT_FALSE(state.bVideoMode);
    EXPECT_EQ(state.TextureDir(), "/tmp/textures/");

    // The MP_UI_* functions are the application's state.
    MP_UI_InitEngine("/tmp/app/", 3, 800, 600);
    EXPECT_EQ(MP_ApplicationState().ThreadCount(), 3);
    MP_UI_SetLumWeights(2, 1, 1);
    float r, g, b;
    MP_ApplicationState().LumWeights(r, g, b);
    EXPECT_EQ((std::vector<float>{r, g, b}), (std::vector<float>{0.5f, 0.25f, 0.25f}));
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
        CEngineState state;
        state.SetMaxMemAllocSize(MP_CALCMODE_OPENCL_CPU, c.oclCpu);
        state.SetMaxMemAllocSize(MP_CALCMODE_OPENCL_GPU, c.oclGpu);
        state.SetCalcMode(c.requested);
        EXPECT_EQ(state.CalcMode(), c.expected) << "request " << c.requested;
        state.SetCalcMode(7);
        EXPECT_EQ(state.CalcMode(), c.expected) << "mode 7 must change nothing";
    }
    MP_UI_SetMaxMemAllocSize(MP_CALCMODE_CPU, 1073741824.0);
    EXPECT_NEAR(MP_UI_GetMaxPictureSize(MP_CALCMODE_CPU), 89.478, 0.001);
}

TEST(EngineState, SettersOutputSizesAndNames)
{
    CEngineState state;
    state.SetProgressDelay(0);
    EXPECT_EQ(state.ProgressDelay(), 250);
    float r, g, b;
    state.SetLumWeights(0, 0, 0); // no positive sum: stored as given
    state.LumWeights(r, g, b);
    EXPECT_EQ(r + g + b, 0.0f);
    ASSERT_TRUE(MP_UI_GetLumPreset(2, r, g, b));
    EXPECT_FLOAT_EQ(g, 0.7154f);
    EXPECT_FALSE(MP_UI_GetLumPreset(4, r, g, b));

    EXPECT_EQ(MP_VideoOutputDimension(1921), 1920);
    EXPECT_EQ(MP_VideoOutputDimension(1080), 1080);
    EXPECT_TRUE(MP_VideoOutputIsCrop(1921, 1081, 1920, 1080) && MP_VideoOutputIsCrop(1920, 1080, 1920, 1080));
    EXPECT_FALSE(MP_VideoOutputIsCrop(1922, 1080, 1920, 1080) || MP_VideoOutputIsCrop(1280, 720, 1920, 1080));

    EXPECT_STREQ(MP_StatusName(-7), "MP_NORESOLUTION");
    EXPECT_STREQ(MP_StatusName(-3), "___UNKNOWN___");
    EXPECT_STREQ(MP_CalcModeName(3), "OCL_GPU");
    EXPECT_STREQ(MP_CalcModeName(4), "");
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
    EXPECT_TRUE(right[0] > 60000 && right[2] < 10000);
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
    EXPECT_TRUE(w == 10 && h == 5);
    EXPECT_DOUBLE_EQ(MP_SlotMemory(), 300.0 + 24.0);
    MP_SlotRelease(0);
    EXPECT_EQ(MP_SlotGet(0, &w, &h), nullptr);
    EXPECT_EQ(h, -1);
    MP_UI_ReleaseEngine();
    EXPECT_DOUBLE_EQ(MP_SlotMemory(), 0.0);
}
