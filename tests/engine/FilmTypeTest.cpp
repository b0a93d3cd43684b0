// Film types: the shipped table, the reader's error line, scaled values, the pass and the model.
#include "EngineTestUtil.h"
#include "engine/FilmTypes.h"
#include "engine/WorkingSlots.h"

#include "tests/support/LogCapture.h"
#include "tests/support/SyntheticImages.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace
{
const QString kShipped = QStringLiteral(VANTROPE_SOURCE_DIR "/resources/filmtypes_vantrope.xml");
}  // namespace

TEST(FilmTypes, ShippedTableHasDistinctLooks)
{
    CFilmTypeModel model;
    ASSERT_TRUE(model.Load(kShipped));
    ASSERT_GE(model.Types().size(), 12);
    QSet<QString> names;
    for (const SFilmType& t : model.Types())
    {
        names.insert(t.sName);
        EXPECT_TRUE(t.bVisible);
    }
    EXPECT_EQ(names.size(), model.Types().size());
    EXPECT_GE(model.FindByName("infrarot"), 1);
    EXPECT_EQ(model.FindByName("no such look"), 0);
}

TEST(FilmTypes, ReaderReportsTheErrorLine)
{
    CLogCapture log;
    QVector<SFilmType> types;
    QString error;
    auto read = [&](QByteArray text) {
        QBuffer buffer(&text);
        buffer.open(QIODevice::ReadOnly);
        return MP_ReadFilmTypes(buffer, types, &error);
    };
    EXPECT_FALSE(read("<filmtypes>\n<filmtype name=\"a\" gradation=\"0.1\"/>\n<filmtype name=\"b\"\n</filmtypes>"));
    EXPECT_TRUE(types.isEmpty());
    EXPECT_TRUE(error.startsWith("ERROR in filmtypes.xml: ")) << error.toStdString();
    EXPECT_TRUE(error.contains(" at line 4 column ")) << error.toStdString();
    EXPECT_NE(log.Text().find("ERROR in filmtypes.xml: "), std::string::npos);

    // Missing and non-numeric values read as neutral.
    ASSERT_TRUE(read("<filmtypes><filmtype name=\"x\" contrast=\"abc\" vignette=\"0.4\"/></filmtypes>"));
    EXPECT_EQ(types[0].afValue[eFT_CONTRAST], 0.5f);
    EXPECT_EQ(types[0].afValue[eFT_TEMPERATURE], 0.36f);
    EXPECT_EQ(types[0].afValue[eFT_VIGNETTE], 0.4f);
}

TEST(FilmTypes, ScaledValues)
{
    SFilmType t;
    for (int i = 0; i < eFT_COUNT; ++i)
        t.afValue[i] = 0.9f;
    t.afValue[eFT_PAL_BLU] = 0.1f;
    float x[eFT_COUNT];
    MP_ScaleFilmType(t, 0.5f, x);
    EXPECT_FLOAT_EQ(x[eFT_GRADATION], 0.45f);            // neutral 0
    EXPECT_FLOAT_EQ(x[eFT_CONTRAST], 0.7f);              // neutral 0.5
    EXPECT_FLOAT_EQ(x[eFT_TEMPERATURE], 0.63f);          // neutral 0.36
    EXPECT_FLOAT_EQ(x[eFT_PAL_RED], 0.5f + std::pow(0.2f, 0.75f));
    EXPECT_FLOAT_EQ(x[eFT_PAL_BLU], 0.5f - std::pow(0.2f, 0.75f));
    EXPECT_EQ(x[eFT_GRAINSIZE], 0.9f);                   // unscaled
    EXPECT_EQ(x[eFT_WHITEPOINT], 0.9f);
    MP_ScaleFilmType(t, 0.0f, x);
    EXPECT_EQ(x[eFT_SATURATION], 0.5f);
    EXPECT_EQ(x[eFT_PAL_MAG], 0.5f);
}

TEST(FilmTypes, PassRunsTheKernelsOfTheLookInOrder)
{
    CTestEngine engine;
    CFilmTypeModel model;
    ASSERT_TRUE(model.Load(kShipped));
    const SFilmType& infrared = model.Types()[model.FindByName("Infrarot") - 1];
    std::vector<uint16_t> image = TestImages::Ramp(64, 48);
    const std::vector<uint16_t> original = image;
    engine.State().bLogging = true;
    CStdoutCapture capture;
    MP_RunFilmTypePass(engine, infrared, 1.0f, 0.3f, image.data(), 64, 48, 1.0f);
    const std::string log = capture.Text();
    std::vector<size_t> order;
    for (const char* k : {"MP_calcPixelHueExpose/", "MP_calcPixelBasicTools/", "MP_calcPixelColorIntensity/",
                          "MP_calcPixelAddGrain/", "MP_calcPixelGaussAura/"})
    {
        order.push_back(log.find(k));
        ASSERT_NE(order.back(), std::string::npos) << k << " in\n" << log;
    }
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_EQ(log.find("MP_calcPixelVignette"), std::string::npos);
    EXPECT_NE(image, original);

    // Intensity 0 and no grain: every value is neutral, nothing runs.
    image = original;
    MP_RunFilmTypePass(engine, infrared, 0.0f, 0.0f, image.data(), 64, 48, 1.0f);
    EXPECT_EQ(image, original);
}

TEST(FilmTypes, ChainRunsTheSelectedTypeBeforeOrAfterTheOperators)
{
    CTestEngine engine;
    CFilmTypeModel model;
    ASSERT_TRUE(model.Load(kShipped));
    model.SetIndex(model.FindByName("Schwarzweiß kontrastreich"));
    const std::vector<uint16_t> image = TestImages::Ramp(64, 48);
    CPostProcessing chain;
    chain.Operators().append(
        COperatorCatalogue::Shared().CreateOperator(*COperatorCatalogue::Shared().FindKernel("MP_calcPixelColorMix")));
    SProcessContext context;
    context.pFilmTypes = &model;
    std::vector<uint16_t> results[2];
    for (int k = 0; k < 2; ++k)
    {
        model.SetPosition(k == 0 ? CFilmTypeModel::ePRE : CFilmTypeModel::ePOST);
        ASSERT_TRUE(engine.Slots().Fill(eWS_MAIN, image.data(), 64, 48, 64, 48, 4));
        chain.Process(engine, 64, 48, false, context);
        Helper::CRGB48Buffer& slot = engine.Slots().Get(eWS_MAIN);
        results[k].assign(slot.GetData(), slot.GetData() + 64 * 48 * 3);
    }
    // Black and white after the colour mix stays grey; before it, the mix tints it.
    const size_t mid = (24 * 64 + 32) * 3;
    EXPECT_EQ(results[1][mid], results[1][mid + 1]);
    EXPECT_GT(results[0][mid], results[0][mid + 2] + 1000);

    // An index past the table selects nothing.
    model.SetIndex(999);
    EXPECT_EQ(model.Index(), 0);
    EXPECT_EQ(model.Selected(), nullptr);
}
