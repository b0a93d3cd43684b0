// The pieces of the layer frame: the spline, the geometry shapes as the dock edits them and as
// they weight an operator, and the layer effect.
#include "EngineTestUtil.h"
#include "engine/GeometryShapes.h"
#include "engine/Spline.h"

#include <gtest/gtest.h>

TEST(Spline, NaturalCubicThroughSixPoints)
{
    // Expected values from an independent solution of the natural spline's tridiagonal system
    // (second derivatives), with the first and last knot moved to −0.01 and 1.01.
    struct SCase
    {
        float y[6];
        double at[7]; // x = 0, 0.1, 0.3, 0.5, 0.7, 0.9, 1.0
    };
    const SCase cases[] = {
        {{0, 0.2f, 0.4f, 0.6f, 0.8f, 1.0f},
         {0.0093914, 0.1037024, 0.2993679, 0.5, 0.7006321, 0.8962976, 0.9906086}},
        {{0, 0.16f, 0.37f, 0.63f, 0.84f, 1.0f},
         {0.0070495, 0.0792535, 0.2560319, 0.5, 0.7439681, 0.9207465, 0.9929505}},
        {{1, 0.8f, 0.65f, 0.52f, 0.41f, 0.31f},
         {0.9899802, 0.8912699, 0.7208298, 0.5829084, 0.4625365, 0.3612735, 0.3146235}},
        {{0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f}, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5}},
    };
    const float xs[7] = {0.0f, 0.1f, 0.3f, 0.5f, 0.7f, 0.9f, 1.0f};
    for (const SCase& c : cases)
    {
        float values[12];
        for (int i = 0; i < 6; ++i)
            values[2 * i] = 0.2f * i, values[2 * i + 1] = c.y[i];
        float a[7], b[7], cc[7], d[7], xp[7];
        MP_SplineCoefficients(values, a, b, cc, d, xp);
        EXPECT_TRUE(xp[1] == -0.01f && xp[6] == 1.01f);
        std::vector<float> table(65536);
        MP_SplineTable(values, table.data());
        for (int k = 0; k < 7; ++k)
        {
            EXPECT_NEAR(MP_SplineEval(a, b, cc, d, xp, xs[k]), c.at[k], 2e-5) << "y0 " << c.y[0] << " x " << xs[k];
            const int i = int(xs[k] * 65535.0f + 0.5f);
            EXPECT_NEAR(table[size_t(i)], c.at[k], 5e-5);
        }
    }
    // Values outside 0…1 are clamped.
    const float wild[12] = {0, 0, 0.2f, 1, 0.4f, 0, 0.6f, 1, 0.8f, 0, 1, 1};
    std::vector<float> table(65536);
    MP_SplineTable(wild, table.data());
    for (float v : table)
        ASSERT_TRUE(v >= 0.0f && v <= 1.0f);
}

namespace
{
float Opacity(const std::vector<float>& shapes, int x, int y, int w, int h, int panorama = 0)
{
    CTestEngine engine;
    auto p = FreshParams(engine);
    p->width = w, p->height = h, p->panoramamode = panorama;
    std::vector<float> geo(256, 0.0f);
    std::copy(shapes.begin(), shapes.end(), geo.begin());
    return MP_GeometryOpacity(geo.data(), MP_GeometryShapesInUse(geo.data()), x, y, *p);
}
}  // namespace

TEST(Geometry, AdditiveAndSubtractiveShapes)
{
    // q0 kind, q1/q2 half size, q3 hardness, q4 shape, q5 strength, q6/q7 centre.
    const std::vector<float> hardEllipse = {1, 0.25f, 0.25f, 1, 0.5f, 1, 0.5f, 0.5f};
    EXPECT_NEAR(Opacity(hardEllipse, 50, 50, 101, 101), 1.0f, 1e-2);
    EXPECT_EQ(Opacity(hardEllipse, 2, 2, 101, 101), 0.0f);     // outside: an additive shape exists
    const std::vector<float> hole = {2, 0.25f, 0.25f, 1, 0.5f, 1, 0.5f, 0.5f};
    EXPECT_EQ(Opacity(hole, 2, 2, 101, 101), 1.0f);            // outside a subtractive shape: full
    EXPECT_NEAR(Opacity(hole, 50, 50, 101, 101), 0.0f, 1e-2);  // inside: removed
    EXPECT_EQ(Opacity({}, 5, 5, 10, 10), 1.0f);                // no shapes

    // Soft diamond (q4 = 0, q3 = 0) of strength 0.8 half way to its edge: worked by hand,
    // e = 1.002, len = 0.5^1.002, s = (1 − len^(1 ÷ (0.08e + 0.92)))^2 × 0.8.
    const std::vector<float> diamond = {1, 0.5f, 0.5f, 0, 0, 0.8f, 0.5f, 0.5f};
    EXPECT_NEAR(Opacity(diamond, 75, 50, 100, 100), 0.20051f, 1e-4);

    // A weak subtractive shape inside an additive one lowers it; below 0.0025 is zero.
    const std::vector<float> both = {1, 0.4f, 0.4f, 1, 1, 1, 0.5f, 0.5f, 2, 0.1f, 0.1f, 1, 1, 0.3f, 0.5f, 0.5f};
    EXPECT_NEAR(Opacity(both, 50, 50, 100, 100), 0.7f, 1e-2);
    const std::vector<float> faint = {1, 0.4f, 0.4f, 1, 1, 0.002f, 0.5f, 0.5f};
    EXPECT_EQ(Opacity(faint, 50, 50, 100, 100), 0.0f);

    // Degenerate shapes cover nothing.
    const std::vector<float> flat = {2, 0.0f, 0.25f, 1, 0.5f, 1, 0.5f, 0.5f};
    EXPECT_EQ(Opacity(flat, 50, 50, 101, 101), 1.0f);

    // Panorama images wrap around horizontally.
    const std::vector<float> nearLeftEdge = {1, 0.1f, 0.5f, 1, 1, 1, 0.02f, 0.5f};
    EXPECT_EQ(Opacity(nearLeftEdge, 199, 50, 200, 100, 0), 0.0f);
    EXPECT_GT(Opacity(nearLeftEdge, 199, 50, 200, 100, 1), 0.9f);
}

TEST(Frame, LayerModeOpacityAndGeometryAroundAKernel)
{
    CTestEngine engine;
    // Negative with mode 3 (multiply): c0 × (1 − c0); at 40 % opacity mixed with the input.
    // Worked in single precision from c0 = 49151 ÷ 65535 = 0.750011, truncated to levels:
    // 0.187494 → 12287; 0.75 + (0.1875 − 0.75) × 0.4 = 0.525 → 34405; max(c0, 1 − c0) → 49151;
    // 0.75 + (0.25 − 0.75) × 0.25 = 0.625 → 40959.
    const uint16_t in = 49151;
    struct SCase
    {
        float mode, opacity;
        uint16_t expected;
    };
    const SCase cases[] = {{3, 100, 12287}, {3, 40, 34405}, {1, 100, 49151}, {0, 25, 40959}};
    for (const SCase& c : cases)
    {
        auto p = FreshParams(engine);
        p->p[0][0] = c.mode;
        p->p[0][1] = c.opacity;
        std::vector<uint16_t> image = {in, in, in};
        ASSERT_EQ(CallKernel("MP_calcPixelNegative", image, 1, 1, *p), MP_SUCCESS);
        EXPECT_EQ(image[0], c.expected) << "mode " << c.mode << " opacity " << c.opacity;
    }
    // A subtractive shape over the left half keeps those pixels bit-identical.
    auto p = FreshParams(engine);
    PlainCombo(*p, 0);
    const float hole[8] = {2, 0.3f, 1.0f, 1, 1, 1, 0.0f, 0.5f};
    std::copy(hole, hole + 8, p->p[1]);
    std::vector<uint16_t> image(20 * 4 * 3, 30000);
    ASSERT_EQ(CallKernel("MP_calcPixelNegative", image, 20, 4, *p), MP_SUCCESS);
    EXPECT_EQ(image[0], 30000);       // x = 0: inside the hole
    EXPECT_EQ(image[3 * 19], 35535);  // x = 19: full strength
}

// ---------------------------------------------------------------------------------------------

TEST(GeometryShapes, AddFillsFreeSlotsRemoveMovesLaterShapesUpAndWriteClamps)
{
    float geo[MP_PARAM_VALUES] = {};
    SGeometryShape s;
    for (int i = 0; i < GeometrySet::kMaxShapes; ++i)
    {
        s.fCentreX = i / 64.0f;
        ASSERT_EQ(GeometrySet::Add(geo, s), i);
    }
    EXPECT_EQ(GeometrySet::Add(geo, s), -1);
    EXPECT_EQ(GeometrySet::Count(geo), 32);
    ASSERT_TRUE(GeometrySet::Remove(geo, 3));
    EXPECT_EQ(GeometrySet::Count(geo), 31);
    EXPECT_FLOAT_EQ(GeometrySet::Read(geo, 3).fCentreX, 4 / 64.0f);
    EXPECT_FLOAT_EQ(GeometrySet::Read(geo, 30).fCentreX, 31 / 64.0f);
    EXPECT_EQ(GeometrySet::Read(geo, 31).iKind, SGeometryShape::eUNUSED);
    EXPECT_FALSE(GeometrySet::Remove(geo, 32));
    EXPECT_EQ(GeometrySet::Add(geo, s), 31);

    // Written at slot 2 (values 16…23): kind, clamped half width and hardness, centre.
    float one[MP_PARAM_VALUES] = {};
    s.iKind = SGeometryShape::eSUBTRACTIVE;
    s.fHalfWidth = 1.5f, s.fHardness = -0.5f, s.fCentreY = 0.25f;
    GeometrySet::Write(one, 2, s);
    EXPECT_EQ(std::vector<float>({one[16], one[17], one[19], one[23]}), std::vector<float>({2.0f, 1.0f, 0.0f, 0.25f}));
    EXPECT_EQ(GeometrySet::Read(one, 2).iKind, SGeometryShape::eSUBTRACTIVE);
    EXPECT_EQ(GeometrySet::Count(one), 1);
}

TEST(GeometryShapes, HitTestFindsTheNearestHandle)
{
    float geo[MP_PARAM_VALUES] = {};
    GeometrySet::Add(geo, SGeometryShape()); // centre (50, 25) in a 100 × 50 image, corner (70, 35)
    SGeometryShape b;
    b.fCentreX = b.fCentreY = 0.2f;
    b.fHalfWidth = b.fHalfHeight = 0.1f; // centre (20, 10), corner (30, 15)
    GeometrySet::Add(geo, b);
    const GeometrySet::SHit centre = GeometrySet::HitTest(geo, 52, 24, 100, 50, 5);
    EXPECT_TRUE(centre.iShape == 0 && centre.eHandle == GeometrySet::eCENTRE);
    const GeometrySet::SHit corner = GeometrySet::HitTest(geo, 29, 16, 100, 50, 5);
    EXPECT_TRUE(corner.iShape == 1 && corner.eHandle == GeometrySet::eSIZE);
    EXPECT_EQ(GeometrySet::HitTest(geo, 90, 5, 100, 50, 5).iShape, -1);
}

TEST(GeometryShapes, AShapeWrittenHereWeightsTheOperatorWhereTheEngineLooks)
{
    float geo[MP_PARAM_VALUES] = {};
    SGeometryShape s;
    s.fCentreX = 0.25f, s.fCentreY = 0.5f, s.fHalfWidth = 0.1f, s.fHalfHeight = 0.2f, s.fHardness = 1.0f;
    GeometrySet::Add(geo, s);
    std::vector<float> shape(geo, geo + 8);
    EXPECT_GT(Opacity(shape, 50, 50, 200, 100), 0.9f);   // the centre
    EXPECT_EQ(Opacity(shape, 150, 50, 200, 100), 0.0f);  // far outside: additive only
    EXPECT_EQ(Opacity(shape, 50, 5, 200, 100), 0.0f);    // above the half height
    // The same shape made subtractive leaves full strength outside and cuts it inside.
    s.iKind = SGeometryShape::eSUBTRACTIVE;
    GeometrySet::Write(geo, 0, s);
    shape.assign(geo, geo + 8);
    EXPECT_FLOAT_EQ(Opacity(shape, 150, 50, 200, 100), 1.0f);
    EXPECT_LT(Opacity(shape, 50, 50, 200, 100), 0.1f);
}
