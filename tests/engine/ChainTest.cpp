// A chain run over the working slots: skipping, progress, panorama switch, thumbnails, masks,
// log lines, abort, statistics and the LUT step with its video bake rule.
#include "EngineTestUtil.h"
#include "core/Progress.h"
#include "engine/OperatorCatalogue.h"
#include "lut/LutState.h"

#include "tests/support/SyntheticImages.h"

#include <gtest/gtest.h>

namespace
{
struct SProgressSpy : IProgressSink
{
    std::vector<std::pair<int, float>> reports;
    void OnProgress(int category, float fraction) override { reports.push_back({category, fraction}); }
};

struct SObserver : IProcessObserver, IUsageStatistics
{
    int started = 0, refreshed = 0;
    CEngineState* abortOnStart = nullptr;
    QMap<QString, int> highest;
    void CalculationStarted() override
    {
        ++started;
        if (abortOnStart)
            abortOnStart->bAbort = true;
    }
    void RefreshViews() override { ++refreshed; }
    void ReportHighest(const QString& key, int value) override { highest[key] = std::max(highest.value(key, -1), value); }
};

class Chain : public ::testing::Test
{
protected:
    void SetUp() override { Fill(eWS_MAIN, 160, 130); }
    void TearDown() override { MP_SetProgressSink(nullptr); }
    void Fill(EWorkingSlot slot, int w, int h) { Fill(slot, TestImages::Ramp(w, h), w, h); }
    void Fill(EWorkingSlot slot, const std::vector<uint16_t>& image, int w, int h)
    {
        ASSERT_TRUE(m_engine.Slots().Fill(slot, image.data(), w, h, w, h, 4));
    }
    std::vector<uint16_t> Slot(EWorkingSlot slot)
    {
        Helper::CRGB48Buffer& b = m_engine.Slots().Get(slot);
        return std::vector<uint16_t>(b.GetData(), b.GetData() + size_t(b.Width()) * b.Height() * 3);
    }
    void Process(int w, int h, bool thumbnail = false, const SProcessContext& context = {})
    {
        m_chain.Process(m_engine, w, h, thumbnail, context);
    }
    /// Runs the chain over the main slot with the log on and returns the log.
    std::string LoggedRun(bool thumbnail = false, const SProcessContext& context = {})
    {
        m_engine.State().bLogging = true;
        CStdoutCapture capture;
        Process(160, 130, thumbnail, context);
        return capture.Text();
    }
    CTestEngine m_engine;
    CPostProcessing m_chain;
};
}  // namespace

TEST_F(Chain, NeutralOperatorsRunNothingAndLeaveTheImageBitIdentical)
{
    for (const char* kernel : {"MP_calcPixelGammaColor", "MP_calcPixelColorBalance", "MP_calcPixelBasicTools",
                               "MP_calcPixelVignette", "MP_calcPixelHueExpose", "MP_calcPixelColorPalette",
                               "MP_calcPixelmanualbwpoint", "MP_calcPixelGradationLagrange",
                               "MP_calcPixelColorTemperature"})
        m_chain.Operators().append(CatalogueOperator(kernel));
    CPostProcessing::SOperator sharpen = CatalogueOperator("MP_calcPixelSharpen");
    sharpen.aParams[0].afValues[0] = 0.0f;
    m_chain.Operators().append(sharpen);
    const std::vector<uint16_t> before = Slot(eWS_MAIN);
    SProgressSpy spy;
    MP_SetProgressSink(&spy);
    const std::string log = LoggedRun();
    EXPECT_EQ(Slot(eWS_MAIN), before);
    EXPECT_EQ(log.find("MP_calcPixel"), std::string::npos) << log;
    EXPECT_NE(log.find("BEGIN\r\n"), std::string::npos);
    EXPECT_NE(log.find("END\r\n"), std::string::npos);
    // Ten operators, ten equal slices on channel 5.
    std::vector<std::pair<int, float>> slices;
    for (int i = 1; i <= 10; ++i)
        slices.push_back({5, float(i) / 10.0f});
    EXPECT_EQ(spy.reports, slices);

    // A chain of one switched-off operator still ends its progress at one.
    m_chain.Operators() = {CatalogueOperator("MP_calcPixelNegative")};
    m_chain.Operators()[0].bActive = false;
    spy.reports.clear();
    Process(160, 130);
    EXPECT_EQ(Slot(eWS_MAIN), before);
    EXPECT_EQ(spy.reports, (std::vector<std::pair<int, float>>{{5, 1.0f}}));
}

TEST_F(Chain, LogLinesOfARun)
{
    m_chain.Operators().append(CatalogueOperator("MP_calcPixelNegative"));
    m_chain.Operators().append(CatalogueOperator("MP_calcPixelNoSuchKernel"));
    const std::string log = LoggedRun();
    for (const char* line : {"BEGIN\r\n", "Post-Processing ---------------------------------------------------\r\n",
                             " ms MP_calcPixelNegative/CPU/komplett(1,500),Err:0\r\n", "END\r\n", " ms Process() \r\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line << " in\n" << log;
    // The unknown operator does not stop the run.
    EXPECT_NE(log.find("unknown kernel MP_calcPixelNoSuchKernel"), std::string::npos);

    // Real-time playback writes none of them.
    m_engine.State().iPlayback = 1;
    EXPECT_EQ(LoggedRun(), "");
    m_engine.State().iPlayback = 0;
    EXPECT_TRUE(m_engine.Logging());
}

TEST_F(Chain, SmallImagesRunWithoutPanoramaWhichComesBackAfterwards)
{
    // A shape near the left edge reaches the right edge only while the image wraps around.
    CPostProcessing::SOperator negative = CatalogueOperator("MP_calcPixelNegative");
    const float shape[8] = {1, 0.1f, 1.0f, 1, 1, 1, 0.02f, 0.5f};
    std::copy(shape, shape + 8, negative.aParams[1].afValues);
    m_chain.Operators().append(negative);
    m_engine.Settings().iPanoramaMode = 1;
    for (const auto& [w, h, wraps] : {std::tuple{100, 50, false}, std::tuple{200, 150, true}})
    {
        Fill(eWS_MAIN, w, h);
        const std::vector<uint16_t> before = Slot(eWS_MAIN);
        Process(w, h, false);
        const size_t rightEdge = (size_t(h / 2) * w + (w - 1)) * 3;
        EXPECT_EQ(Slot(eWS_MAIN)[rightEdge] != before[rightEdge], wraps) << w << "×" << h;
        EXPECT_EQ(m_engine.Settings().iPanoramaMode, 1);
    }
}

TEST_F(Chain, ThumbnailRunsLeaveTheMainSlotProgressAndLogAlone)
{
    Fill(eWS_THUMBNAIL, 40, 30);
    m_chain.Operators().append(CatalogueOperator("MP_calcPixelNegative"));
    m_chain.SetPending(true);
    const std::vector<uint16_t> main = Slot(eWS_MAIN), thumb = Slot(eWS_THUMBNAIL);
    SProgressSpy spy;
    MP_SetProgressSink(&spy);
    SObserver observer;
    SProcessContext context;
    context.pObserver = &observer;
    EXPECT_EQ(LoggedRun(true, context), "");
    EXPECT_EQ(Slot(eWS_MAIN), main);
    EXPECT_NE(Slot(eWS_THUMBNAIL), thumb);
    EXPECT_TRUE(spy.reports.empty());
    EXPECT_EQ(observer.started, 0);
    EXPECT_TRUE(m_chain.IsPending());
    EXPECT_TRUE(m_engine.Logging());
}

TEST_F(Chain, MaskedOperatorBlendsWithTheImageBeforeIt)
{
    // Select the bright half (luminance ≥ 0.5, hard edge), then invert.
    CPostProcessing::SOperator mask = CatalogueOperator("MP_calcPixelMaskLuminance");
    mask.aParams[0].afValues[0] = 0.5f, mask.aParams[1].afValues[0] = 1.0f, mask.aParams[2].afValues[0] = 0.0f;
    m_chain.Operators().append(mask);
    m_chain.Operators().append(CatalogueOperator("MP_calcPixelNegative"));
    const std::vector<uint16_t> image = {10000, 10000, 10000, 50000, 50000, 50000};
    Fill(eWS_MAIN, image, 2, 1);
    Process(2, 1);
    // Not selected; selected with mask 0xFFFF → m = 16383: (15535 × 16383 + 50000 × 1) >> 14.
    EXPECT_EQ(Slot(eWS_MAIN), (std::vector<uint16_t>{10000, 10000, 10000, 15537, 15537, 15537}));
    EXPECT_EQ(m_engine.ForceMode(), MP_CALCMODE_NONE); // forced mode restored

    // The next run starts without a selection.
    m_chain.Operators().removeFirst();
    Fill(eWS_MAIN, image, 2, 1);
    Process(2, 1);
    EXPECT_EQ(Slot(eWS_MAIN)[0], 55535);
}

TEST_F(Chain, AbortedRunKeepsTheImageAndFinishesItsBookkeeping)
{
    m_chain.Operators().append(CatalogueOperator("MP_calcPixelNegative"));
    SObserver observer;
    observer.abortOnStart = &m_engine.State();
    SProcessContext context;
    context.pObserver = &observer;
    context.pStatistics = &observer;
    const std::vector<uint16_t> before = Slot(eWS_MAIN);
    m_chain.SetPending(true);
    Process(160, 130, false, context);
    EXPECT_EQ(Slot(eWS_MAIN), before);
    EXPECT_EQ(observer.started, 1);
    EXPECT_EQ(observer.refreshed, 1);
    EXPECT_FALSE(m_engine.AbortRequested());
    EXPECT_FALSE(m_engine.State().bCalcRunning);
    EXPECT_FALSE(m_chain.IsPending());
    EXPECT_TRUE(observer.highest.contains("m_iHighestPPCalcTime"));

    // While a video is processed no statistic is reported.
    SObserver video;
    context.pStatistics = &video;
    context.pObserver = nullptr;
    m_engine.State().bVideoMode = true;
    Process(160, 130, false, context);
    EXPECT_TRUE(video.highest.isEmpty());
}

TEST_F(Chain, SmoothingPrePassAndBlackWhitePass)
{
    CPostProcessing::SOperator negative = CatalogueOperator("MP_calcPixelNegative");
    negative.iprecalcSmooth = 95;
    negative.bCalcBW = true;
    m_chain.Operators().append(negative);
    const std::string log = LoggedRun();
    const size_t smooth = log.find("ms MP_calcPixelLocalContrast/");
    const size_t op = log.find("ms MP_calcPixelNegative/");
    const size_t bw = log.find("ms MP_calcPixelbwpoint/");
    ASSERT_TRUE(smooth != std::string::npos && op != std::string::npos && bw != std::string::npos) << log;
    EXPECT_LT(smooth, op);
    EXPECT_LT(op, bw);
    // After the stretch the image spans the full range.
    const std::vector<uint16_t> out = Slot(eWS_MAIN);
    EXPECT_EQ(*std::minmax_element(out.begin(), out.end()).first, 0);
    EXPECT_EQ(*std::minmax_element(out.begin(), out.end()).second, 65535);
}

TEST_F(Chain, LutStepBakesOncePerVideo)
{
    CLutState lut;
    lut.CreateIdentity(17, "test");
    // Source lattice: the negative.
    float* s = lut.Source().Data();
    for (size_t i = 0; i < size_t(17 * 17 * 17 * 3); ++i)
        s[i] = 1.0f - s[i];
    SProcessContext context;
    context.pLut = &lut;
    const std::vector<uint16_t> before = Slot(eWS_MAIN);
    auto inverted = [&](const std::vector<uint16_t>& out) {
        return std::abs(int(out[300]) - (65535 - int(before[300]))) <= 1;
    };
    Process(160, 130, false, context);
    EXPECT_TRUE(inverted(Slot(eWS_MAIN)));

    // Intensity 0 bakes the identity; during a video only frame 0 bakes.
    lut.SetParameter(eLP_INTENSITY, 0.0f);
    m_engine.State().bVideoMode = true;
    context.iVideoFrameCounter = 3;
    Fill(eWS_MAIN, 160, 130);
    Process(160, 130, false, context);
    EXPECT_TRUE(inverted(Slot(eWS_MAIN)));
    context.iVideoFrameCounter = 0;
    Fill(eWS_MAIN, 160, 130);
    Process(160, 130, false, context);
    EXPECT_LE(std::abs(int(Slot(eWS_MAIN)[300]) - int(before[300])), 1);

    lut.SetActive(false);
    Fill(eWS_MAIN, 160, 130);
    Process(160, 130, false, context);
    EXPECT_EQ(Slot(eWS_MAIN), before);
}

TEST_F(Chain, LayerCodeOfOperators)
{
    CPostProcessing::SOperator plain = CatalogueOperator("MP_calcPixelNegative");
    CPostProcessing::SOperator red = plain, other = plain, shaped = plain;
    red.aParams[0].afValues[0] = 37;
    other.aParams[0].afValues[0] = 12;
    shaped.aParams[1].afValues[0] = 1;
    CPostProcessing::SOperator noCombo = CatalogueOperator("MP_calcPixelMaskRemove");
    for (const auto& op : {plain, red, other, shaped, noCombo})
        m_chain.Operators().append(op);
    std::vector<int> codes;
    for (int i = -1; i <= 5; ++i)
        codes.push_back(m_chain.LayerCode(i));
    EXPECT_EQ(codes, (std::vector<int>{65535, 0, 2, 1, 128, 65535, 65535}));
}
