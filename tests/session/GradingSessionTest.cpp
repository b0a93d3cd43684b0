// The grading session: source and working size, presets with missing kernels, the grade with
// film type and LUT, the export's frame callback, and the colour layers, which recolour the
// working image before the chain in the preview grade and in every export frame.
#include "tests/session/SessionTestUtil.h"

namespace
{
using SessionTest::Operator;
using SessionTest::Pixels;

class Session : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_state.bLogging = false;
        ASSERT_TRUE(m_session.FilmTypes().Load(SessionTest::kFilmTypes));
    }
    CEngineState m_state;
    CGradingSession m_session{m_state};
    const std::vector<uint16_t> m_source = TestImages::Ramp(80, 60);
};

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

TEST_F(Session, GradesTheSourceAgainAndAgainWithoutDrift)
{
    ASSERT_FALSE(m_session.Grade()); // no source yet
    ASSERT_TRUE(m_session.SetSource(m_source.data(), 80, 60));
    m_session.Chain().Operators().append(Operator("MP_calcPixelNegative"));
    ASSERT_TRUE(m_session.Grade());
    const std::vector<uint16_t> first = Pixels(m_session.Result());
    ASSERT_TRUE(m_session.Grade());
    EXPECT_EQ(Pixels(m_session.Result()), first); // each grade starts from the source, not from the last result
    for (size_t i = 0; i < first.size(); ++i)
        ASSERT_LE(std::abs(int(first[i]) - (65535 - int(m_source[i]))), 1);
}

TEST_F(Session, FilmTypeJoinsTheGrade)
{
    // The LUT's part: the frame callback's test below and the command line's grade test.
    ASSERT_TRUE(m_session.SetSource(m_source.data(), 80, 60));
    m_session.FilmTypes().SetIndex(m_session.FilmTypes().FindByName("Schwarzweiß weich"));
    ASSERT_TRUE(m_session.Grade());
    const std::vector<uint16_t> bw = Pixels(m_session.Result());
    for (size_t i = 0; i < bw.size(); i += 3)
        ASSERT_LE(std::abs(int(bw[i]) - int(bw[i + 1])), 1) << i;
}

TEST_F(Session, PresetWithMissingKernelsNamesThem)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.ini");
    ASSERT_TRUE(SessionTest::WriteFile(
        path, "[Operator_000000]\nKernel=MP_calcPixelNegative\n[Operator_000001]\nKernel=MP_calcPixelTeleport\n"));
    CLogCapture log;
    QStringList missing;
    QString error;
    EXPECT_FALSE(m_session.LoadPreset(path, &missing, &error));
    EXPECT_EQ(missing, QStringList{"MP_calcPixelTeleport"});
    EXPECT_EQ(m_session.Chain().Operators().size(), 1);
    EXPECT_FALSE(m_session.LoadPreset(dir.filePath("none.ini"), &missing, &error));
    EXPECT_TRUE(error.contains("none.ini"));
}

TEST_F(Session, FrameCallbackGradesInPlaceAndBakesOncePerVideo)
{
    ASSERT_TRUE(m_session.SetSource(m_source.data(), 80, 60));
    m_session.Lut().CreateIdentity(5, "id");
    m_session.Lut().SetParameter(eLP_SATURATION, 0.0f);
    m_state.bVideoMode = true;
    std::vector<uint16_t> frame = m_source;
    ASSERT_TRUE(m_session.GradeFrame(m_session.Engine(), frame.data(), 80, 60, 0));
    const std::vector<uint16_t> grey = frame;
    for (size_t i = 0; i < grey.size(); i += 3)
        ASSERT_LE(std::abs(int(grey[i]) - int(grey[i + 2])), 1);
    // Later frames reuse the lattice baked for frame 0, whatever the sliders say now.
    m_session.Lut().SetParameter(eLP_SATURATION, 0.5f);
    frame = m_source;
    ASSERT_TRUE(m_session.GradeFrame(m_session.Engine(), frame.data(), 80, 60, 1));
    EXPECT_EQ(frame, grey);
    EXPECT_FALSE(m_session.GradeFrame(m_session.Engine(), nullptr, 80, 60, 0));
}

TEST_F(Session, ExportedFramesGetNewGrainUnlessItIsFrozen)
{
    ASSERT_TRUE(m_session.SetSource(m_source.data(), 80, 60));
    CChainEditor editor(m_session.Chain(), COperatorCatalogue::Shared());
    ASSERT_EQ(editor.Add("MP_calcPixelAnalogGrain"), 0);
    const float amount = 0.5f;
    ASSERT_TRUE(editor.SetValues(0, 0, &amount, 1));
    auto frame = [&](int counter) {
        std::vector<uint16_t> pixels = m_source;
        EXPECT_TRUE(m_session.GradeFrame(m_session.Engine(), pixels.data(), 80, 60, counter));
        return pixels;
    };
    const std::vector<uint16_t> first = frame(0);
    EXPECT_NE(first, m_source);
    EXPECT_NE(frame(1), first);
    EXPECT_EQ(frame(0), first); // the same frame grades the same way twice
    m_session.Chain().Operators()[0].aParams[3].afValues[0] = 0.0f; // motion 0: frozen grain
    EXPECT_EQ(frame(5), first);
}

TEST_F(Session, FramesGradedInAnotherEngineContextLeaveThePreviewAlone)
{
    // The export grades in an engine context of its own: the preview's working image, its
    // selection mask and its level tables stay as the preview left them.
    m_session.Chain().Operators() = {Operator("MP_calcPixelMaskLuminance"), Operator("MP_calcPixelNegative")};
    ASSERT_TRUE(m_session.SetSource(m_source.data(), 80, 60, QSize(40, 30)));
    ASSERT_TRUE(m_session.Grade());
    const std::vector<uint16_t> preview = Pixels(m_session.Result());
    const uint16_t* selection = m_session.Engine().Mask().Plane(40, 30);
    ASSERT_NE(selection, nullptr);
    const std::vector<uint16_t> mask40(selection, selection + 40 * 30);

    CEngineContext exportEngine(m_state);
    std::vector<uint16_t> frame = TestImages::Noise(64, 48, 3);
    ASSERT_TRUE(m_session.GradeFrame(exportEngine, frame.data(), 64, 48, 0));
    EXPECT_EQ(Pixels(m_session.Result()), preview);
    ASSERT_NE(m_session.Engine().Mask().Plane(40, 30), nullptr);
    EXPECT_TRUE(std::equal(mask40.begin(), mask40.end(), m_session.Engine().Mask().Plane(40, 30)));
    EXPECT_NE(exportEngine.Mask().Plane(64, 48), nullptr);
}

TEST_F(SessionLayers, LayersRunBeforeTheChain)
{
    ASSERT_TRUE(m_session.SetSource(m_source.data(), 48, 32));
    m_session.Chain().Operators().append(Operator("MP_calcPixelNegative"));
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

TEST_F(SessionLayers, NewPicturesAndExportFramesGetTheirOwnRecolouring)
{
    ASSERT_TRUE(m_session.SetSource(m_source.data(), 48, 32));
    ASSERT_TRUE(m_session.Grade());
    const std::vector<uint16_t> other = TestImages::Noise(48, 32, 99);
    ASSERT_TRUE(m_session.SetSource(other.data(), 48, 32));
    ASSERT_TRUE(m_session.Grade());
    const std::vector<uint16_t> preview = Pixels(m_session.Result());
    EXPECT_EQ(preview, Recoloured(m_session.ColourLayers(), other, 48, 32)); // not the kept calculation

    // Every export frame is recoloured; back to the preview, still the picture's own recolouring.
    for (int frameNo = 0; frameNo < 2; ++frameNo)
    {
        const std::vector<uint16_t> original = TestImages::Noise(48, 32, 20 + frameNo);
        std::vector<uint16_t> frame = original;
        ASSERT_TRUE(m_session.GradeFrame(m_session.Engine(), frame.data(), 48, 32, frameNo));
        EXPECT_EQ(frame, Recoloured(m_session.ColourLayers(), original, 48, 32));
    }
    ASSERT_TRUE(m_session.Grade());
    EXPECT_EQ(Pixels(m_session.Result()), preview);

    // A new working size too: the module follows the preview size.
    ASSERT_TRUE(m_session.SetSource(other.data(), 48, 32, QSize(24, 16)));
    ASSERT_TRUE(m_session.Grade());
    EXPECT_EQ(m_session.ColourLayers().Input().GetSize(), QSize(24, 16));
    EXPECT_EQ(m_session.Result().GetSize(), QSize(24, 16));
}
