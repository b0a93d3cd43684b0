// The colour layers inside the grade: they recolour the working image before the chain, in the
// preview grade and in every export frame, and a new picture drops the kept calculation.
#include "core/EngineState.h"
#include "engine/OperatorCatalogue.h"
#include "session/GradingSession.h"

#include "tests/support/LogCapture.h"
#include "tests/support/SyntheticImages.h"

#include <gtest/gtest.h>

namespace
{
std::vector<uint16_t> Pixels(const Helper::CRGB48Buffer& buffer)
{
    auto& b = const_cast<Helper::CRGB48Buffer&>(buffer);
    return {b.GetData(), b.GetData() + size_t(b.Width()) * b.Height() * 3};
}

/// The layers applied by the engine alone, for comparison.
std::vector<uint16_t> Recoloured(CColorModule& module, std::vector<uint16_t> image, int width, int height)
{
    const SImageRef ref{image.data(), width, height};
    const SCMEffectParams record = CColorModule::BuildRecord(module.Controls(), eRESULT, -1, ref, ref);
    EXPECT_EQ(MP_UI_CalcCMEffects(&record), MP_SUCCESS);
    return image;
}

class SessionLayers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MP_UI_SetLogging(false);
        ColorModule::CColorControls& c = m_session.ColourLayers().Controls();
        ASSERT_TRUE(c.AddLayer());
        SColorLayerData& d = c.Layer(0).Data();
        d.m_bActive = true;
        d.m_fSrcSatMin = 0.1f;
        d.m_fSrcVal = 0.f;
        d.m_fDstHue = 0.4f;
    }
    void TearDown() override { MP_UI_SetLogging(true); }

    CGradingSession m_session;
    const std::vector<uint16_t> m_source = TestImages::Noise(48, 32, 8);
};
}  // namespace

TEST_F(SessionLayers, LayersRunBeforeTheChain)
{
    ASSERT_TRUE(m_session.SetSource(m_source.data(), 48, 32));
    m_session.Chain().Operators().append(
        COperatorCatalogue::Shared().CreateOperator(*COperatorCatalogue::Shared().FindKernel("MP_calcPixelNegative")));
    ASSERT_TRUE(m_session.Grade());
    const std::vector<uint16_t> recoloured = Recoloured(m_session.ColourLayers(), m_source, 48, 32);
    ASSERT_NE(recoloured, m_source);
    const std::vector<uint16_t> graded = Pixels(m_session.Result());
    for (size_t i = 0; i < graded.size(); ++i)
        ASSERT_LE(std::abs(int(graded[i]) - (65535 - int(recoloured[i]))), 1) << i;

    // The same grade again reuses the kept calculation and gives the same picture.
    CLogCapture log;
    ASSERT_TRUE(m_session.Grade());
    EXPECT_NE(log.Text().find("Calculation skipped"), std::string::npos);
    EXPECT_EQ(Pixels(m_session.Result()), graded);

    // Switched off, the chain sees the picture as it is.
    m_session.ColourLayers().Controls().Layer(0).Data().m_bActive = false;
    ASSERT_TRUE(m_session.Grade());
    const std::vector<uint16_t> plain = Pixels(m_session.Result());
    for (size_t i = 0; i < plain.size(); ++i)
        ASSERT_LE(std::abs(int(plain[i]) - (65535 - int(m_source[i]))), 1) << i;
}

TEST_F(SessionLayers, NewPictureDropsTheKeptCalculation)
{
    ASSERT_TRUE(m_session.SetSource(m_source.data(), 48, 32));
    ASSERT_TRUE(m_session.Grade());
    const std::vector<uint16_t> other = TestImages::Noise(48, 32, 99);
    ASSERT_TRUE(m_session.SetSource(other.data(), 48, 32));
    ASSERT_TRUE(m_session.Grade());
    EXPECT_EQ(Pixels(m_session.Result()), Recoloured(m_session.ColourLayers(), other, 48, 32));

    // A new working size too: the module follows the preview size.
    ASSERT_TRUE(m_session.SetSource(other.data(), 48, 32, QSize(24, 16)));
    ASSERT_TRUE(m_session.Grade());
    EXPECT_EQ(m_session.ColourLayers().Input().GetSize(), QSize(24, 16));
    EXPECT_EQ(m_session.Result().GetSize(), QSize(24, 16));
}

TEST_F(SessionLayers, EveryExportFrameGetsTheLayersWithoutDisturbingThePreview)
{
    ASSERT_TRUE(m_session.SetSource(m_source.data(), 48, 32));
    ASSERT_TRUE(m_session.Grade());
    const std::vector<uint16_t> preview = Pixels(m_session.Result());
    for (int frameNo = 0; frameNo < 2; ++frameNo)
    {
        const std::vector<uint16_t> original = TestImages::Noise(48, 32, 20 + frameNo);
        std::vector<uint16_t> frame = original;
        ASSERT_TRUE(m_session.GradeFrame(m_session.Engine(), frame.data(), 48, 32, frameNo));
        EXPECT_EQ(frame, Recoloured(m_session.ColourLayers(), original, 48, 32));
    }
    // Back to the preview: still the picture's own recolouring.
    ASSERT_TRUE(m_session.Grade());
    EXPECT_EQ(Pixels(m_session.Result()), preview);
}
