// The operator catalogue: the telling entries exactly, parse errors and add-on documents, and
// chain entries made from entries.
#include "EngineTestUtil.h"
#include "engine/OperatorCatalogue.h"
#include "tests/support/CatalogueText.h"

#include "tests/support/LogCapture.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Catalogue, ChainEntryHasOneSetPerControlWithItsDefaults)
{
    // One operator of every control kind: slider, position, colour, tone curve, line, combo,
    // geometry — each becomes its set type with the element's defaults at the documented places.
    const COperatorCatalogue catalogue = CatalogueFromText(kEveryControlCatalogue);
    const SCatalogueEntry* e = catalogue.FindKernel("MP_calcPixelTestAll");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(catalogue.FindDisplayKey("Alles"), e);
    EXPECT_EQ(e->controls[0].fMin, -100.0f);
    EXPECT_EQ(e->controls[0].fMax, 300.0f);
    const CPostProcessing::SOperator op = catalogue.CreateOperator(*e);
    EXPECT_EQ(op.Kernel, "MP_calcPixelTestAll");
    EXPECT_EQ(op.eType, 4);
    EXPECT_TRUE(op.bActive);
    EXPECT_EQ(op.uiHash, CPostProcessing::KernelHash("MP_calcPixelTestAll"));
    using P = CPostProcessing;
    const std::vector<int32_t> kinds = {P::eSLIDER, P::ePOS, P::eCOLOR, P::eSPLINE, P::eLINE, P::eCOMBO, P::eGEO};
    ASSERT_EQ(op.aParams.size(), kinds.size());
    for (size_t i = 0; i < kinds.size(); ++i)
        EXPECT_EQ(op.aParams[i].eType, kinds[i]) << i;
    auto values = [&](size_t set, int count) {
        return std::vector<float>(op.aParams[set].afValues, op.aParams[set].afValues + count);
    };
    EXPECT_EQ(values(0, 2), (std::vector<float>{0.25f, 0.0f}));
    EXPECT_EQ(values(1, 3), (std::vector<float>{0.3f, 0.7f, 0.0f}));
    EXPECT_EQ(values(2, 5), (std::vector<float>{0.0f, 0.0f, 0.9f, 0.7f, 0.3f}));
    EXPECT_EQ(values(3, 4), (std::vector<float>{0.0f, 0.0f, 0.2f, 0.2f})); // the identity tone curve
    EXPECT_EQ(values(4, 5), (std::vector<float>{0.1f, 0.2f, 0.8f, 0.9f, 0.0f}));
    EXPECT_EQ(values(5, 3), (std::vector<float>{0.0f, 100.0f, 0.0f}));
    EXPECT_EQ(values(6, 8), std::vector<float>(8, 0.0f));
    // A masking curve starts flat at 1.
    const CPostProcessing::SOperator sharpen = catalogue.CreateOperator(*catalogue.FindKernel("MP_calcPixelTestSharpen"));
    for (int k = 1; k < 12; k += 2)
        EXPECT_EQ(sharpen.aParams[1].afValues[k], 1.0f) << k;
}

TEST(Catalogue, ColourToolsControlKinds)
{
    // Wheels with their luminance at one half, the pipette that reads the operator's input, joined
    // curves with their tints, curves over hue flat at one half.
    const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
    const SCatalogueEntry* threeWay = catalogue.FindKernel("MP_calcPixelColorLightShadow");
    EXPECT_TRUE(threeWay->controls[1].bWheel);
    EXPECT_EQ(catalogue.CreateOperator(*threeWay).aParams[1].afValues[0], 0.5f);
    EXPECT_TRUE(catalogue.FindKernel("MP_calcPixelWhitebalance")->controls[0].bPickInput);
    EXPECT_FALSE(catalogue.FindKernel("MP_calcPixelColorFilter")->controls[0].bPickInput);
    const SCatalogueEntry* curves = catalogue.FindKernel("MP_calcPixelColorGradation");
    EXPECT_FALSE(curves->controls[0].bJoined);
    EXPECT_TRUE(curves->controls[3].bJoined);
    EXPECT_EQ(curves->controls[3].iTint, 3);
    const SCatalogueEntry* hsl = catalogue.FindKernel("MP_calcPixelAdjustHSL");
    EXPECT_EQ(hsl->controls[0].iCategory, 2);
    const auto hue = catalogue.CreateOperator(*hsl);
    EXPECT_EQ(hue.aParams[0].afValues[1], 0.5f);
    EXPECT_EQ(hue.aParams[0].afValues[11], 0.5f);
}

TEST(Catalogue, TypesAndSorting)
{
    const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
    EXPECT_EQ(COperatorCatalogue::TypeNumber("tonemapping"), 0);
    EXPECT_EQ(COperatorCatalogue::TypeNumber("mask"), 7);
    EXPECT_EQ(COperatorCatalogue::TypeNumber("nonsense"), -1);
    const auto all = catalogue.ByType(-1);
    EXPECT_EQ(all.size(), catalogue.Entries().size());
    for (int i = 1; i < all.size(); ++i)
        EXPECT_LE(all[i - 1]->sName.localeAwareCompare(all[i]->sName), 0);
    for (const SCatalogueEntry* e : catalogue.ByType(7))
        EXPECT_TRUE(e->sKernel.startsWith("MP_calcPixelMask"));
}

TEST(Catalogue, ParseErrorsAndAddons)
{
    CLogCapture log;
    COperatorCatalogue catalogue;
    QByteArray broken = "<operators>\n  <operator kernel=\"MP_calcPixelNegative\" name=\"Negativ\">\n    <combo/>\n</operators>\n";
    QBuffer buffer(&broken);
    buffer.open(QIODevice::ReadOnly);
    QString error;
    EXPECT_FALSE(catalogue.Read(buffer, "PPOperators.xml", &error));
    EXPECT_TRUE(catalogue.Entries().isEmpty());
    EXPECT_TRUE(error.startsWith("ERROR in PPOperators.xml: ")) << error.toStdString();
    EXPECT_TRUE(error.contains(" at line 4 column ")) << error.toStdString();
    EXPECT_NE(log.Text().find(error.toStdString()), std::string::npos);

    QTemporaryDir dir;
    QFile good(dir.filePath("good.xml")), bad(dir.filePath("bad.xml"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly) && bad.open(QIODevice::WriteOnly));
    good.write("<operators><operator kernel=\"MP_calcPixelNegative\" name=\"Negativ\" type=\"color\"><combo/><geometry/></operator></operators>");
    bad.write("<operators><operator");
    good.close(), bad.close();
    log.Clear();
    EXPECT_EQ(catalogue.ReadAddons(dir.path()), 1);
    EXPECT_NE(log.Text().find("Addon XML good.xml successful"), std::string::npos) << log.Text();
    EXPECT_NE(log.Text().find("ERROR in bad.xml: "), std::string::npos);
    ASSERT_EQ(catalogue.Entries().size(), 1);
    EXPECT_EQ(catalogue.Entries()[0].iType, 4);
}
