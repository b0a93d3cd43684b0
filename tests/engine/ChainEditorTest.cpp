// Editing the chain from the post-processing controls: adding with catalogue defaults, moving,
// removing, switching, values kept in range, resets, slider units and curve points.
#include "engine/ChainEditor.h"
#include "engine/ColourWheel.h"

#include "tests/support/CatalogueText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
QStringList Kernels(const CPostProcessing& chain)
{
    QStringList names;
    for (const CPostProcessing::SOperator& op : chain.Operators())
        names << op.Kernel;
    return names;
}

/// An editor over a chain of its own, on the catalogue with one operator of every control kind.
class ChainEditor : public ::testing::Test
{
protected:
    const COperatorCatalogue m_catalogue = CatalogueFromText(kEveryControlCatalogue);
    CPostProcessing m_chain;
    CChainEditor m_editor{m_chain, m_catalogue};
};
}  // namespace

TEST_F(ChainEditor, AddsMovesRemovesAndSwitchesOperators)
{
    CPostProcessing& chain = m_chain;
    CChainEditor& editor = m_editor;
    EXPECT_EQ(editor.Add(QStringLiteral("MP_calcPixelUnknown")), -1);
    EXPECT_EQ(editor.Count(), 0);
    EXPECT_FALSE(chain.IsPending());

    EXPECT_EQ(editor.Add(QStringLiteral("MP_calcPixelTestAll")), 0);
    EXPECT_EQ(editor.Add(QStringLiteral("MP_calcPixelTestNoGeo")), 1);
    EXPECT_EQ(editor.Add(QStringLiteral("MP_calcPixelTestNoGeo"), 0), 0); // inserted in front
    EXPECT_EQ(editor.Add(QStringLiteral("MP_calcPixelTestAll"), 99), 3);   // past the end: appended
    EXPECT_TRUE(chain.IsPending());
    EXPECT_EQ(Kernels(chain), (QStringList{"MP_calcPixelTestNoGeo", "MP_calcPixelTestAll", "MP_calcPixelTestNoGeo", "MP_calcPixelTestAll"}));

    // An entry without a geometry element still gets its geometry set, last.
    EXPECT_EQ(chain.Operators()[0].aParams.back().eType, CPostProcessing::eGEO);

    chain.Operators()[1].aParams[0].afValues[0] = 0.75f; // mark the entry to follow it
    EXPECT_TRUE(editor.Move(1, 3));
    EXPECT_EQ(Kernels(chain), (QStringList{"MP_calcPixelTestNoGeo", "MP_calcPixelTestNoGeo", "MP_calcPixelTestAll", "MP_calcPixelTestAll"}));
    EXPECT_FLOAT_EQ(chain.Operators()[3].aParams[0].afValues[0], 0.75f);
    EXPECT_FALSE(editor.Move(0, 4));
    EXPECT_FALSE(editor.Move(-1, 0));

    EXPECT_TRUE(editor.SetActive(3, false));
    EXPECT_FALSE(chain.Operators()[3].bActive);
    EXPECT_FALSE(editor.SetActive(4, false));

    EXPECT_TRUE(editor.Remove(0));
    EXPECT_FALSE(editor.Remove(3));
    EXPECT_EQ(editor.Count(), 3);
    EXPECT_FLOAT_EQ(chain.Operators()[2].aParams[0].afValues[0], 0.75f);
}

TEST_F(ChainEditor, ValuesStayInTheirSetTypesRangeAndResetToTheirInitialValues)
{
    CChainEditor& editor = m_editor;
    ASSERT_EQ(editor.Add(QStringLiteral("MP_calcPixelTestAll")), 0);
    ASSERT_EQ(editor.Add(QStringLiteral("MP_calcPixelTestNoGeo")), 1);

    struct SCase
    {
        int set, value;
        float in, expected;
    };
    const SCase cases[] = {
        {0, 0, 1.5f, 1.0f},      // slider position at most 1
        {0, 0, -0.2f, 0.0f},     // never negative
        {0, 0, std::numeric_limits<float>::quiet_NaN(), 0.0f},
        {1, 1, 0.4f, 0.4f},
        {5, 0, 80.0f, 68.0f},    // layer mode at most 68
        {5, 1, 150.0f, 100.0f},  // opacity at most 100 %
        {6, 0, 3.0f, 2.0f},      // shape kind at most 2 (subtractive)
    };
    for (const SCase& c : cases)
    {
        EXPECT_TRUE(editor.SetValue(0, c.set, c.value, c.in)) << c.set << "/" << c.value;
        EXPECT_FLOAT_EQ(editor.Value(0, c.set, c.value), c.expected) << c.set << "/" << c.value;
    }
    EXPECT_FALSE(editor.SetValue(0, 0, 1, 0.5f)); // a slider has one value
    EXPECT_FALSE(editor.SetValue(0, 7, 0, 0.5f));
    EXPECT_FALSE(editor.SetValue(2, 0, 0, 0.5f));

    for (int set = 0; set < 7; ++set)
    {
        editor.SetValue(0, set, 0, 0.9f);
        editor.SetValue(0, set, 1, 0.1f);
        EXPECT_TRUE(editor.ResetSet(0, set));
        EXPECT_TRUE(editor.IsDefault(0, set)) << set;
    }
    EXPECT_FLOAT_EQ(editor.Value(0, 0, 0), 0.25f);

    // The geometry set that loading appends has no catalogue control; it still resets to empty.
    EXPECT_NE(editor.Control(1, 0), nullptr);
    EXPECT_EQ(editor.Control(1, 2), nullptr);
    editor.SetValue(1, 2, 0, 1.0f);
    EXPECT_FALSE(editor.IsDefault(1, 2));
    EXPECT_TRUE(editor.ResetSet(1, 2));
    EXPECT_FLOAT_EQ(editor.Value(1, 2, 0), 0.0f);
}

TEST_F(ChainEditor, SliderPositionsMapToTheShownRange)
{
    SCatalogueControl c;
    c.fMin = -100.0f, c.fMax = 300.0f;
    EXPECT_EQ(std::vector<float>({CChainEditor::ShownValue(c, 0.0f), CChainEditor::ShownValue(c, 0.25f),
                                  CChainEditor::ShownValue(c, 2.0f), CChainEditor::SliderPosition(c, 100.0f),
                                  CChainEditor::SliderPosition(c, 1000.0f)}),
              std::vector<float>({-100.0f, 0.0f, 300.0f, 0.5f, 1.0f}));
    c.fMax = c.fMin;
    EXPECT_FLOAT_EQ(CChainEditor::SliderPosition(c, 5.0f), 0.0f);
}

TEST_F(ChainEditor, CurvePointsKeepTheirEndsAndOrder)
{
    float curve[12];
    COperatorCatalogue::DefaultCurve(0, curve);

    // The first point stays at x = 0, the last at x = 1 with y clamped.
    CChainEditor::MoveCurvePoint(curve, 0, 0.5f, 0.3f);
    CChainEditor::MoveCurvePoint(curve, 5, 0.2f, 1.7f);
    EXPECT_EQ(std::vector<float>({curve[0], curve[1], curve[10], curve[11]}), std::vector<float>({0.0f, 0.3f, 1.0f, 1.0f}));
    CChainEditor::MoveCurvePoint(curve, 2, 0.9f, 0.5f); // cannot pass its right neighbour (0.6)
    EXPECT_FLOAT_EQ(curve[4], 0.59f);
    CChainEditor::MoveCurvePoint(curve, 2, 0.0f, 0.5f); // nor its left one (0.2)
    EXPECT_FLOAT_EQ(curve[4], 0.21f);
    CChainEditor::MoveCurvePoint(curve, 3, std::numeric_limits<float>::quiet_NaN(), -1.0f);
    EXPECT_TRUE(curve[6] == 0.6f && curve[7] == 0.0f) << curve[6] << ", " << curve[7];
    for (int i = 1; i < 6; ++i)
        EXPECT_LT(curve[2 * (i - 1)], curve[2 * i]) << i;
}

TEST_F(ChainEditor, ShapesAreEditedOnlyInGeometrySets)
{
    CChainEditor& editor = m_editor;
    ASSERT_EQ(editor.Add(QStringLiteral("MP_calcPixelTestAll")), 0);
    SGeometryShape s;
    s.iKind = SGeometryShape::eSUBTRACTIVE;
    EXPECT_EQ(editor.AddShape(0, 0, s), -1); // a slider set
    EXPECT_FLOAT_EQ(editor.Value(0, 0, 0), 0.25f);
    EXPECT_EQ(editor.AddShape(0, 6, s), 0);
    EXPECT_EQ(editor.AddShape(0, 6, SGeometryShape()), 1);
    EXPECT_FLOAT_EQ(editor.Value(0, 6, 0), 2.0f);
    EXPECT_FLOAT_EQ(editor.Value(0, 6, 8), 1.0f);

    s.fCentreX = 0.9f;
    EXPECT_TRUE(editor.SetShape(0, 6, 1, s));
    EXPECT_FLOAT_EQ(editor.Value(0, 6, 14), 0.9f);
    EXPECT_FALSE(editor.SetShape(0, 6, 32, s));
    EXPECT_FALSE(editor.SetShape(0, 5, 0, s));

    EXPECT_TRUE(editor.RemoveShape(0, 6, 0));
    EXPECT_FLOAT_EQ(editor.Value(0, 6, 6), 0.9f); // the second shape moved up
    EXPECT_FLOAT_EQ(editor.Value(0, 6, 8), 0.0f);
    EXPECT_FALSE(editor.RemoveShape(0, 6, -1));
    EXPECT_FALSE(editor.RemoveShape(0, 1, 0));
}

TEST_F(ChainEditor, ColourWheelPointsAndHueCurveEnds)
{
    // White sits at the centre, pure red on the right rim, green a third of a turn round.
    float set[5] = {0.5f, 0.0f, 1.0f, 1.0f, 1.0f};
    EXPECT_NEAR(ColourWheel::Point(set).x(), 0.0, 1e-6);
    ColourWheel::SetPoint(set, {-0.25, 0.433013});
    EXPECT_NEAR(set[2], 0.5f, 1e-4f); // hue 1/3 at half saturation: (0.5, 1, 0.5)
    EXPECT_NEAR(set[3], 1.0f, 1e-4f);
    EXPECT_NEAR(set[4], 0.5f, 1e-4f);
    EXPECT_EQ(set[0], 0.5f); // the luminance is not the wheel's
    ColourWheel::SetPoint(set, {3.0, 0.0}); // outside: on the rim
    EXPECT_NEAR(ColourWheel::Point(set).x(), 1.0, 1e-5);

    float curve[12];
    COperatorCatalogue::DefaultCurve(5, curve);
    CChainEditor::MoveCurvePoint(curve, 5, 0.7f, 0.9f, true);
    EXPECT_EQ(curve[10], 1.0f);
    EXPECT_EQ(curve[1], 0.9f);
    CChainEditor::MoveCurvePoint(curve, 0, 0.0f, 0.2f, false);
    EXPECT_EQ(curve[11], 0.9f);
}
