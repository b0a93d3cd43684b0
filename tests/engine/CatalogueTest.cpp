// The operator catalogue: the telling entries exactly, parse errors and add-on documents, and
// chain entries made from entries.
#include "EngineTestUtil.h"
#include "engine/OperatorCatalogue.h"

#include "tests/support/LogCapture.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
struct SExpectedControl
{
    int kind;
    const char* name;
    float min, max;
    float defaults[3];
};

struct SExpectedEntry
{
    const char* kernel;
    const char* name;
    const char* type;
    std::vector<SExpectedControl> controls;
};

constexpr int S = CPostProcessing::eSLIDER, SP = CPostProcessing::eSPLINE, C = CPostProcessing::eCOLOR,
              CB = CPostProcessing::eCOMBO, G = CPostProcessing::eGEO;
}  // namespace

TEST(Catalogue, TellingEntriesHaveTheirSetsRangesAndDefaults)
{
    const std::vector<SExpectedEntry> expected = {
        {"MP_calcPixelColorBalance", "Farbbalance", "color",
         {{S, "Cyan-Rot", -100, 100, {0.5f}}, {S, "Magenta-Grün", -100, 100, {0.5f}}, {S, "Gelb-Blau", -100, 100, {0.5f}},
          {CB, "", 0, 1, {0, 100}}, {G, "", 0, 1, {}}}},
        {"MP_calcPixelColorIntensity", "Farbleuchtkraft", "color",
         {{S, "Stärke", -100, 300, {0.5625f}}, {SP, "Maskierung", 0, 1, {0, 1}}, {CB, "", 0, 1, {0, 100}}, {G, "", 0, 1, {}}}},
        {"MP_calcPixelColorTemperature", "Farbtemperatur", "color",
         {{S, "Temperatur", 1000, 14500, {0.353851852f}}, {SP, "Maskierung", 0, 1, {0, 1}}, {CB, "", 0, 1, {0, 100}}, {G, "", 0, 1, {}}}},
        {"MP_calcPixelGammaColor", "Farbkanal Gamma", "color",
         {{S, "Gamma Rotanteil", -100, 100, {0.5f}}, {S, "Gamma Grünanteil", -100, 100, {0.5f}},
          {S, "Gamma Blauanteil", -100, 100, {0.5f}}, {CB, "", 0, 1, {0, 100}}, {G, "", 0, 1, {}}}},
        {"MP_calcPixelBasicTools", "Helligkeit Kontrast Gamma", "exposure",
         {{S, "Helligkeit", -100, 100, {0.5f}}, {S, "Kontrast", -100, 100, {0.5f}}, {S, "Gamma Korrektur", -100, 100, {0.5f}},
          {SP, "Maskierung", 0, 1, {0, 1}}, {CB, "", 0, 1, {0, 100}}, {G, "", 0, 1, {}}}},
        {"MP_calcPixelmanualbwpoint", "manueller Schwarz/Weißpunkt", "exposure",
         {{S, "Schwarzpunkt", 0, 50, {0.0f}}, {S, "Weißpunkt", 50, 100, {1.0f}}, {CB, "", 0, 1, {0, 100}}, {G, "", 0, 1, {}}}},
        {"MP_calcPixelGradationLagrange", "Gradationskurve", "exposure",
         {{SP, "Gradationskurve", 0, 1, {0, 0}}, {CB, "", 0, 1, {0, 100}}, {G, "", 0, 1, {}}}},
        {"MP_calcPixelColorMix", "Farbton hinzumischen", "color",
         {{S, "Stärke", 0, 100, {0.5f}}, {C, "Farbton", 0, 1, {0, 0, 0.9f}}, {CB, "", 0, 1, {0, 100}}, {G, "", 0, 1, {}}}},
        {"MP_calcPixelSepia", "Sepia Tönung", "color",
         {{SP, "Maskierung", 0, 1, {0, 1}}, {C, "Farbton", 0, 1, {0, 0, 0.9f}}, {CB, "", 0, 1, {0, 100}}, {G, "", 0, 1, {}}}},
        {"MP_calcPixelNegative", "Negativ", "color", {{CB, "", 0, 1, {0, 100}}, {G, "", 0, 1, {}}}},
    };
    const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
    for (const SExpectedEntry& x : expected)
    {
        const SCatalogueEntry* e = catalogue.FindKernel(x.kernel);
        ASSERT_NE(e, nullptr) << x.kernel;
        EXPECT_EQ(e->sName, QString::fromUtf8(x.name));
        EXPECT_EQ(e->sType, x.type);
        EXPECT_EQ(catalogue.FindDisplayKey(QString::fromUtf8(x.name)), e);
        ASSERT_EQ(e->controls.size(), int(x.controls.size())) << x.kernel;
        const CPostProcessing::SOperator op = catalogue.CreateOperator(*e);
        ASSERT_EQ(op.aParams.size(), x.controls.size());
        for (size_t i = 0; i < x.controls.size(); ++i)
        {
            const SExpectedControl& c = x.controls[i];
            const SCatalogueControl& got = e->controls[int(i)];
            EXPECT_EQ(got.eSetType, c.kind) << x.kernel << " set " << i;
            EXPECT_EQ(op.aParams[i].eType, c.kind);
            if (c.kind == S)
            {
                EXPECT_EQ(got.sName, QString::fromUtf8(c.name));
                EXPECT_EQ(got.fMin, c.min);
                EXPECT_EQ(got.fMax, c.max);
                EXPECT_EQ(op.aParams[i].afValues[0], c.defaults[0]) << x.kernel << " set " << i;
            }
            if (c.kind == CB)
            {
                EXPECT_EQ(op.aParams[i].afValues[1], 100.0f);
            }
            if (c.kind == SP) // masking curves start flat at 1, tone curves as the identity
            {
                EXPECT_EQ(op.aParams[i].afValues[c.defaults[1] == 1 ? 1 : 3], c.defaults[1] == 1 ? 1.0f : 0.2f);
            }
            if (c.kind == C)
            {
                EXPECT_EQ(op.aParams[i].afValues[2], c.defaults[2]);
            }
        }
    }
    // Colour defaults in full.
    const auto mix = catalogue.CreateOperator(*catalogue.FindKernel("MP_calcPixelColorMix"));
    EXPECT_EQ(mix.aParams[1].afValues[3], 0.70f);
    EXPECT_EQ(mix.aParams[1].afValues[4], 0.30f);
    const auto sepia = catalogue.CreateOperator(*catalogue.FindKernel("MP_calcPixelSepia"));
    EXPECT_EQ(sepia.aParams[1].afValues[3], 0.8f);
    EXPECT_EQ(sepia.aParams[1].afValues[4], 0.6f);
    EXPECT_TRUE(mix.bActive);
    EXPECT_EQ(mix.eType, 4);
    EXPECT_EQ(mix.uiHash, CPostProcessing::KernelHash("MP_calcPixelColorMix"));
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
