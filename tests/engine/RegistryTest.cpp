// The kernel registry: name matching, property tables, border arithmetic, the dispatcher's plan,
// the catalogue in both directions, and sweeps over every kernel.
#include "EngineTestUtil.h"
#include "engine/OperatorCatalogue.h"

#include "tests/support/SyntheticImages.h"

#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

TEST(Registry, NameMatchingAndPropertyTables)
{
    EXPECT_EQ(MP_FindKernel(""), nullptr);
    EXPECT_EQ(MP_FindKernel("MP_calcPixelNoSuchKernel"), nullptr);
    ASSERT_NE(MP_FindKernel("MP_calcPixelSharpen"), nullptr);
    // A leading part of a listed name counts as listed.
    EXPECT_EQ(std::vector<bool>({MP_IsMaskKernel("MP_calcPixelMask"), MP_IsMaskKernel("MP_calcPixelMaskLum"),
                                 MP_IsMaskKernel("MP_calcPixelMaskLuminanceX"),
                                 MP_IsMaskKernel("MP_calcPixelMaskDeNoiseArtifactsLumHD")}),
              std::vector<bool>({true, true, false, false}));
    EXPECT_TRUE(MP_IsWholeImage("MP_calcPixelVignette"));
    EXPECT_FALSE(MP_IsWholeImage("MP_calcPixelSharpen"));
    EXPECT_FALSE(MP_IsProcessorOnly("MP_calcPixelColorIntensity")); // speed-tested
    EXPECT_TRUE(MP_IsProcessorOnly("MP_calcPixelNegative"));
    EXPECT_EQ(MP_RadiusFactor("MP_calcPixelSharpen"), 1.0f);
}

TEST(Registry, BorderArithmeticInWrittenOrder)
{
    CTestEngine engine;
    struct SCase
    {
        SBorder border;
        float p00, scale;
        int rows;
    };
    const SCase cases[] = {
        {SBorder::Rows(80), 0.7f, 0.5f, 80},
        {SBorder::FromP00(50, 3, true), 0.9f, 0.5f, 7},   // 45 ÷ 3 × 0.5 = 7.5
        {SBorder::FromP00(50, 3, true), 0.3f, 1.0f, 5},   // 15.000001 ÷ 3, not 0.3 × 16.666666
        {SBorder::FromP00(500, 1, true), 0.05f, 1.0f, 25},
        {SBorder::FromP00(500, 1, true), 1.0f, 0.25f, 125},
        {SBorder::FromP00(1, 1, false), 7.9f, 0.1f, 7},    // p[0][0] alone
        {SBorder::Scaled(25), 0.0f, 0.3f, 7},
        {SBorder::FromP00(500, 1, true), 1e30f, 1.0f, 1000000}, // hostile values stay bounded
        {SBorder::FromP00(500, 1, true), -5.0f, 1.0f, 0},
    };
    for (const SCase& c : cases)
    {
        auto p = FreshParams(engine, c.scale);
        p->p[0][0] = c.p00;
        EXPECT_EQ(MP_BorderRows(c.border, *p), c.rows) << c.p00 << " × " << c.border.fMultiplier;
    }
    auto p = FreshParams(engine);
    EXPECT_EQ(MP_BorderRows("MP_calcPixelNoSuchKernel", *p), 500);
    EXPECT_EQ(MP_BorderRows("MP_calcPixelGradationLagrange", *p), 500);
    EXPECT_EQ(MP_BorderRows("MP_calcPixelDeNoiseAverage", *p), 2);
}

TEST(Registry, CalculationModePlanAndFallbacks)
{
    SKernelEntry device{"MP_calcPixelTestDevice", nullptr, SBorder::Rows(0), eKF_NONE, eIN_COLOUR, "TestDevice", nullptr, {}};
    CTestEngine engine;
    CEngineState& state = engine.State();
    auto p = FreshParams(engine);
    p->unit_kernel_multiplier = 1.0f;
    struct SCase
    {
        double cpuDevice, gpuDevice;
        int force;
        uint32_t flags;
        int width, height;
        int mode;
        bool whole;
    };
    const SCase cases[] = {
        {0, 0, MP_CALCMODE_NONE, eKF_NONE, 4000, 2000, MP_CALCMODE_CPU, true},
        {1e9, 0, MP_CALCMODE_NONE, eKF_NONE, 4000, 400, MP_CALCMODE_OPENCL_CPU, true},   // height < b + 500
        {0, 1e8, MP_CALCMODE_NONE, eKF_NONE, 4000, 2000, MP_CALCMODE_OPENCL_GPU, false}, // 500-row stripes
        {0, 1e9, MP_CALCMODE_NONE, eKF_NONE, 4000, 2000, MP_CALCMODE_OPENCL_GPU, true},  // fits 90 %
        {0, 1e8, MP_CALCMODE_NONE, eKF_WHOLE_IMAGE, 4000, 2000, MP_CALCMODE_OPENCL_GPU, true},
        {0, 1e8, MP_CALCMODE_CPU, eKF_NONE, 4000, 2000, MP_CALCMODE_CPU, true},           // forced by a mask
        {1e9, 0, MP_CALCMODE_OPENCL_GPU, eKF_NONE, 4000, 2000, MP_CALCMODE_OPENCL_CPU, true}, // 3 → 2
        {0, 1e8, MP_CALCMODE_NONE, eKF_CPU_ONLY, 4000, 2000, MP_CALCMODE_CPU, true},
    };
    for (const SCase& c : cases)
    {
        state.SetMaxMemAllocSize(MP_CALCMODE_OPENCL_CPU, c.cpuDevice);
        state.SetMaxMemAllocSize(MP_CALCMODE_OPENCL_GPU, c.gpuDevice);
        state.SetCalcForceMode(c.force);
        device.uiFlags = c.flags;
        const SKernelPlan plan = MP_PlanKernel(device, *p, c.width, c.height);
        EXPECT_EQ(plan.iMode, c.mode) << c.cpuDevice << "/" << c.gpuDevice << " force " << c.force;
        EXPECT_EQ(plan.bWhole, c.whole) << c.cpuDevice << "/" << c.gpuDevice << " h " << c.height;
        EXPECT_EQ(plan.iBorder, 1);
    }
    // A kernel without a device version always takes the processor.
    state.SetCalcForceMode(MP_CALCMODE_NONE);
    device.pszOpenCL = nullptr;
    EXPECT_EQ(MP_PlanKernel(device, *p, 100, 100).iMode, MP_CALCMODE_CPU);
    // The kernel-size multiplier scales the border.
    p->unit_kernel_multiplier = 2.5f;
    EXPECT_EQ(MP_PlanKernel(*MP_FindKernel("MP_calcPixelDeNoiseAverage"), *p, 10, 10).iBorder, 5);
}

TEST(Registry, CatalogueAndRegistryAgree)
{
    const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
    ASSERT_FALSE(catalogue.Entries().isEmpty());
    for (const SCatalogueEntry& e : catalogue.Entries())
    {
        const SKernelEntry* row = MP_FindKernel(e.sKernel.toStdString());
        ASSERT_TRUE(row && e.sKernel == QLatin1String(row->pszName)) << e.sKernel.toStdString();
        auto kindAt = [&](int index) { return index >= 0 && index < e.controls.size() ? e.controls[index].eSetType : -1; };
        if (row->sets.iCombo >= 0)
        {
            EXPECT_EQ(kindAt(row->sets.iCombo), CPostProcessing::eCOMBO) << e.sKernel.toStdString();
        }
        EXPECT_EQ(kindAt(row->sets.iGeo), CPostProcessing::eGEO) << e.sKernel.toStdString();
        EXPECT_EQ(row->sets.iGeo, e.controls.size() - 1) << e.sKernel.toStdString();
        if (row->sets.iCurve >= 0)
        {
            EXPECT_EQ(kindAt(row->sets.iCurve), CPostProcessing::eSPLINE) << e.sKernel.toStdString();
            EXPECT_EQ(e.controls[row->sets.iCurve].iCategory, row->sets.eCurveRole == eCR_TONE ? 0 : 1);
        }
        EXPECT_EQ(row->Has(eKF_MASK), e.sType == QLatin1String("mask")) << e.sKernel.toStdString();
    }
    // Every registry kernel is offered, except the ones its row marks as auxiliary.
    for (const SKernelEntry& row : MP_KernelTable())
        EXPECT_EQ(catalogue.Knows(QString::fromLatin1(row.pszName)), !row.Has(eKF_AUXILIARY)) << row.pszName;
}

// ---------------------------------------------------------------------------------------------
// Sweeps over every kernel of the registry.
namespace
{
/// Non-neutral parameters for any kernel: the catalogue's defaults with the sliders moved, or
/// for a kernel outside the catalogue its first twelve values of every set spread over 0…1; a
/// black and white point inside the range for the kernels that read them.
std::unique_ptr<Params> SweepParams(CEngineContext& engine, const SKernelEntry& e)
{
    auto p = FreshParams(engine, 0.5f);
    p->lummin = 0.1f, p->lummax = 0.8f;
    if (const SCatalogueEntry* c = COperatorCatalogue::Shared().FindKernel(QString::fromLatin1(e.pszName)))
    {
        const CPostProcessing::SOperator op = COperatorCatalogue::Shared().CreateOperator(*c);
        for (size_t s = 0; s < op.aParams.size() && s < size_t(MP_PARAM_SETS); ++s)
        {
            std::copy(op.aParams[s].afValues, op.aParams[s].afValues + MP_PARAM_VALUES, p->p[s]);
            if (op.aParams[s].eType == CPostProcessing::eSLIDER)
                p->p[s][0] = std::fmod(p->p[s][0] + 0.17f + 0.11f * float(s), 1.0f);
        }
        return p;
    }
    for (int s = 0; s < MP_PARAM_SETS; ++s)
        for (int i = 0; i < 12; ++i)
            p->p[s][i] = std::fmod(0.3f + 0.17f * float(s) + 0.07f * float(i), 1.0f);
    return p;
}

uint64_t Fnv(const uint16_t* data, size_t count)
{
    uint64_t h = 1469598103934665603ull;
    for (size_t i = 0; i < count; ++i)
        h = (h ^ data[i]) * 1099511628211ull;
    return h;
}

/// The sweep parameters with the colours, curves, positions and lines of the catalogue entry
/// moved too, for kernels whose sliders alone leave them neutral.
void MoveEverySet(const SKernelEntry& e, Params& p)
{
    const SCatalogueEntry* c = COperatorCatalogue::Shared().FindKernel(QString::fromLatin1(e.pszName));
    for (int s = 0; c && s < c->controls.size() && s < MP_PARAM_SETS; ++s)
    {
        float* v = p.p[s];
        switch (c->controls[s].eSetType)
        {
        case CPostProcessing::eCOLOR:
            v[0] = 0.8f, v[2] = 0.9f - 0.3f * float(s % 2), v[3] = 0.55f, v[4] = 0.25f + 0.4f * float(s % 2);
            break;
        case CPostProcessing::eSPLINE:
            for (int i = 0; i < 6; ++i)
                v[2 * i + 1] = 0.15f + 0.7f * std::pow(v[2 * i], 0.6f) + 0.03f * float(s % 3);
            break;
        case CPostProcessing::ePOS:
            v[0] = 0.3f, v[1] = 0.65f;
            break;
        case CPostProcessing::eLINE:
            v[0] = 0.2f, v[1] = 0.1f, v[2] = 0.7f, v[3] = 0.9f;
            break;
        default:
            break;
        }
    }
}

/// Output of a kernel on a test image: the image, or for a mask kernel the mask (or nothing).
/// A kernel that leaves the picture as it was (but for the unit the decoding may lose) runs again with every set moved and a source that
/// differs from its target (the unprocessed picture of the kernels that blend it back).
std::vector<uint16_t> RunSweep(const SKernelEntry& e, std::vector<uint16_t> image, int w, int h, int threads, int* status = nullptr)
{
    CTestEngine engine;
    engine.State().SetThreadCount(threads);
    auto p = SweepParams(engine, e);
    const std::vector<uint16_t> input = image;
    int s = CallKernel(e.pszName, image, w, h, *p);
    if (e.Has(eKF_MASK))
    {
        const uint16_t* mask = engine.Mask().Plane(w, h);
        image.assign(mask ? mask : image.data(), (mask ? mask : image.data()) + (mask ? size_t(w) * h : image.size()));
    }
    else if (s == MP_SUCCESS && TestImages::CompareImages(image.data(), input.data(), w, h, 1).iMaxAbs <= 1)
    {
        p = SweepParams(engine, e);
        MoveEverySet(e, *p);
        const std::vector<uint16_t> source(input.rbegin(), input.rend());
        MP_FillKernelHeader(e, *p, w, h);
        s = e.pFunction(w, h, source.data(), image.data(), 6, 6, p.get());
    }
    if (status)
        *status = s;
    return image;
}

std::vector<uint16_t> TestImage(int w, int h)
{
    std::vector<uint16_t> ramp = TestImages::Ramp(w, h), noise = TestImages::Noise(w, h, 11);
    for (size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = uint16_t((ramp[i] + noise[i] / 8) / 2 + 8192);
    return ramp;
}

class EveryKernel : public ::testing::TestWithParam<const SKernelEntry*>
{
};

std::string KernelName(const ::testing::TestParamInfo<const SKernelEntry*>& info)
{
    return std::string(info.param->pszName).substr(12); // without "MP_calcPixel"
}

std::vector<const SKernelEntry*> AllKernels()
{
    std::vector<const SKernelEntry*> all;
    for (const SKernelEntry& e : MP_KernelTable())
        all.push_back(&e);
    return all;
}
}  // namespace


TEST_P(EveryKernel, OneBandAndSevenBandsGiveTheSameResult)
{
    const std::vector<uint16_t> image = TestImage(37, 23);
    const std::vector<uint16_t> one = RunSweep(*GetParam(), image, 37, 23, 1);
    EXPECT_EQ(one, RunSweep(*GetParam(), image, 37, 23, 7));
    EXPECT_EQ(one, RunSweep(*GetParam(), image, 37, 23, 1)); // same input twice
}

TEST_P(EveryKernel, AnySizeBufferAndValueIsHandled)
{
    // Degenerate sizes run.
    const SKernelEntry& e = *GetParam();
    for (const auto& [w, h] : {std::pair{1, 1}, {1, 7}, {7, 1}, {13, 5}})
    {
        int status = -100;
        RunSweep(e, TestImage(w, h), w, h, 4, &status);
        EXPECT_EQ(status, MP_SUCCESS) << w << "×" << h;
    }

    // Missing buffers and empty sizes touch nothing.
    CTestEngine engine;
    auto p = SweepParams(engine, e);
    std::vector<uint16_t> image = TestImage(8, 4);
    const std::vector<uint16_t> original = image;
    EXPECT_EQ(e.pFunction(8, 4, nullptr, image.data(), 6, 6, p.get()), MP_ZEROPOINTER);
    EXPECT_EQ(e.pFunction(8, 4, image.data(), nullptr, 6, 6, p.get()), MP_ZEROPOINTER);
    EXPECT_EQ(e.pFunction(8, 4, image.data(), image.data(), 6, 6, nullptr), MP_ZEROPOINTER);
    Params outside = *p;
    outside.pEngine = nullptr; // a record without an engine context
    EXPECT_EQ(e.pFunction(8, 4, image.data(), image.data(), 6, 6, &outside), MP_ZEROPOINTER);
    EXPECT_EQ(e.pFunction(0, 4, image.data(), image.data(), 6, 6, p.get()), MP_NORESOLUTION);
    EXPECT_EQ(e.pFunction(8, -1, image.data(), image.data(), 6, 6, p.get()), MP_NORESOLUTION);
    EXPECT_EQ(image, original);

    // Loaded presets are clamped, but a kernel must not misbehave on any float it is handed.
    for (const float v : {-1e30f, 1e30f, std::nanf(""), 4.0e6f})
    {
        auto hostile = SweepParams(engine, e);
        for (auto& set : hostile->p)
            std::fill_n(set, 12, v);
        std::vector<uint16_t> picture = TestImage(9, 6);
        MP_FillKernelHeader(e, *hostile, 9, 6);
        EXPECT_EQ(e.pFunction(9, 6, picture.data(), picture.data(), 6, 6, hostile.get()), MP_SUCCESS) << v;
    }
}

INSTANTIATE_TEST_SUITE_P(Registry, EveryKernel, ::testing::ValuesIn(AllKernels()), KernelName);

TEST(Registry, OutputDigestsMatchTheGoldenFile)
{
    const QString path = QStringLiteral(VANTROPE_SOURCE_DIR "/tests/engine/golden/kernels.txt");
    std::map<std::string, std::string> digests;
    for (const SKernelEntry& e : MP_KernelTable())
    {
        const std::vector<uint16_t> out = RunSweep(e, TestImage(64, 48), 64, 48, 4);
        digests[e.pszName] = QString::number(Fnv(out.data(), out.size()), 16).rightJustified(16, '0').toStdString();
    }
    // Two kernels with one digest means the sweep parameters drive them into the same degenerate
    // picture (all white, unchanged), and the digests would then guard nothing.
    std::map<std::string, std::string> byDigest;
    for (const auto& [name, digest] : digests)
        EXPECT_TRUE(byDigest.emplace(digest, name).second) << name << " and " << byDigest[digest] << " give one digest";
    if (qEnvironmentVariableIsSet("VANTROPE_UPDATE_GOLDEN"))
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QTextStream out(&file);
        out << "# Output digest per kernel on the 64x48 test image; refresh with VANTROPE_UPDATE_GOLDEN=1.\n";
        for (const auto& [name, digest] : digests)
            out << QString::fromStdString(name) << ' ' << QString::fromStdString(digest) << '\n';
        GTEST_SKIP() << "golden file rewritten";
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing " << path.toStdString();
    std::map<std::string, std::string> golden;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
        if (!line.startsWith('#') && line.contains(' '))
            golden[line.section(' ', 0, 0).toStdString()] = line.section(' ', 1, 1).toStdString();
    // A kernel without a line yet is new: it is reported, and joins the file at the next refresh.
    for (const auto& [name, digest] : digests)
        if (golden.count(name))
            EXPECT_EQ(golden[name], digest) << name << " changed its output (VANTROPE_UPDATE_GOLDEN=1 rewrites the file)";
        else
            std::printf("no golden digest yet for %s (%s)\n", name.c_str(), digest.c_str());
    for (const auto& [name, digest] : golden)
        EXPECT_TRUE(digests.count(name)) << name << " has a golden digest but no registry row";
}
