// The grade as a LUT: a chain of colour operators with the LUT panel's LUT, baked to 33 points
// and applied, against the same grade run directly; operators that look at neighbours (and such
// parts of a film type) are left out and named; saving writes a cube that reads back.
#include "lut/CubeFile.h"
#include "lut/LutEngine.h"
#include "lut/LutLibrary.h"
#include "session/GradeLut.h"
#include "tests/session/SessionTestUtil.h"

#include <cmath>
#include <memory>

namespace
{
class GradeLut : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MP_UI_SetLumWeights(0.3333f, 0.3334f, 0.3333f);
        MP_UI_SetLogging(false);
        ASSERT_TRUE(m_session.FilmTypes().Load(SessionTest::kFilmTypes));
        ASSERT_TRUE(m_session.SetSource(m_source.data(), 80, 60));
    }

    // Appends an operator with the first value of its first set moved to `value`.
    void Add(const char* kernel, float value)
    {
        CChainEditor editor(m_session.Chain(), COperatorCatalogue::Shared());
        const int index = editor.Add(kernel);
        ASSERT_GE(index, 0) << kernel;
        ASSERT_TRUE(editor.SetValue(index, 0, 0, value)) << kernel;
    }

    std::vector<uint16_t> Graded()
    {
        EXPECT_TRUE(m_session.Grade());
        return SessionTest::Pixels(m_session.Result());
    }

    CGradingSession m_session;
    // A smooth picture of mid-range colours: red across, green down, blue along the diagonal.
    static std::vector<uint16_t> Smooth()
    {
        std::vector<uint16_t> pixels;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 80; ++x)
                for (double v : {0.2 + 0.5 * x / 79.0, 0.2 + 0.5 * y / 59.0, 0.3 + 0.3 * (x + y) / 138.0})
                    pixels.push_back(uint16_t(std::lround(v * 65535.0)));
        return pixels;
    }
    const std::vector<uint16_t> m_source = Smooth();
};
}  // namespace

TEST_F(GradeLut, ColourOperatorsBakedAndAppliedMatchTheChainWithin1Of256)
{
    // Ten colour operators, each moved off its neutral first value, and the panel's LUT with a slider.
    const std::pair<const char*, float> chain[] = {
        {"MP_calcPixelColorBalance", 0.6f},  {"MP_calcPixelGammaColor", 0.55f},       {"MP_calcPixelBasicTools", 0.55f},
        {"MP_calcPixelExposureValue", 0.45f}, {"MP_calcPixelmanualbwpoint", 0.05f},   {"MP_calcPixelColorTemperature", 0.45f},
        {"MP_calcPixelSepia", 0.5f},         {"MP_calcPixelColorIntensity", 0.55f},   {"MP_calcPixelColorMix", 0.5f},
        {"MP_calcPixelNegative", 0.0f}};
    for (const auto& [kernel, value] : chain)
        Add(kernel, value);
    m_session.Lut().CreateIdentity(17, "panel");
    m_session.Lut().SetParameter(eLP_CONTRAST, 0.6f);
    const std::vector<uint16_t> direct = Graded();
    ASSERT_GT(TestImages::CompareImages(direct.data(), m_source.data(), 80, 60, 0).iMaxAbs, 4000); // a real grade

    std::vector<float> lattice;
    const CGradeLut::SResult result = CGradeLut::Bake(m_session, 33, lattice);
    ASSERT_TRUE(result.bOk);
    EXPECT_TRUE(result.leftOut.isEmpty()) << result.leftOut.join(", ").toStdString();
    std::vector<uint16_t> viaLut = m_source;
    MP_calcLUTtoImage(80, 60, 33, lattice.data(), 0, viaLut.data());
    const auto compared = TestImages::CompareImages(viaLut.data(), direct.data(), 80, 60, 65535 / 256);
    EXPECT_LE(compared.iMaxAbs, 65535 / 256);
    // The bake leaves the session's own result alone.
    EXPECT_EQ(Graded(), direct);
}

TEST_F(GradeLut, NeighbourOperatorsAndFilmGrainAreLeftOutAndNamed)
{
    Add("MP_calcPixelDeNoiseAverage", 0.8f);
    Add("MP_calcPixelColorIntensity", 0.7f);
    Add("MP_calcPixelSharpen", 0.5f);
    m_session.FilmTypes().SetIndex(1);
    m_session.FilmTypes().SetGraining(0.5f);
    std::vector<float> lattice;
    const CGradeLut::SResult result = CGradeLut::Bake(m_session, 9, lattice);
    ASSERT_TRUE(result.bOk);
    auto name = [](const char* kernel) {
        return QCoreApplication::translate("HDRPostProcessingDockWidget",
                                           COperatorCatalogue::Shared().FindKernel(kernel)->sName.toUtf8().constData());
    };
    ASSERT_GE(result.leftOut.size(), 3);
    EXPECT_EQ(result.leftOut.mid(0, 2), (QStringList{name("MP_calcPixelDeNoiseAverage"), name("MP_calcPixelSharpen")}));
    EXPECT_TRUE(result.leftOut.contains(name("MP_calcPixelAddGrain")));
    EXPECT_FALSE(result.leftOut.contains(name("MP_calcPixelColorIntensity")));

    // Saved as a file: the message names the left-out entries; the cube reads back at 9 points.
    QTemporaryDir dir;
    CLutLibrary library(dir.filePath("library"));
    CScriptedPrompt prompt;
    prompt.ExpectQuestion("LUT-Bibliothek", IUserPrompt::eNo);
    prompt.QueueText(dir.filePath("look.cube"));
    ASSERT_TRUE(CGradeLut::Save(m_session, 9, library, prompt));
    EXPECT_TRUE(prompt.Log().last().contains(name("MP_calcPixelSharpen")));
    auto state = std::make_unique<CLutState>();
    ASSERT_TRUE(state->ReadCube(dir.filePath("look.cube"), nullptr).bOk);
    EXPECT_EQ(state->Size(), 9);
    for (size_t i = 0; i < lattice.size(); ++i)
        ASSERT_NEAR(state->Source().Data()[i], lattice[i], 1e-6) << i;
}
