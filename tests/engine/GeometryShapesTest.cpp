// Geometry shapes edited by the dock: slots, removal, clamping, handles under the pointer, and
// that a shape written here weights the operator where the engine reads it.
#include "engine/GeometryShapes.h"
#include "engine/LayerFrame.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(GeometryShapes, AddFillsFreeSlotsAndRemoveMovesLaterShapesUp)
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
}

TEST(GeometryShapes, WriteClampsAndEncodesTheKind)
{
    float geo[MP_PARAM_VALUES] = {};
    SGeometryShape s;
    s.iKind = SGeometryShape::eSUBTRACTIVE;
    s.fHalfWidth = 1.5f;
    s.fHardness = -0.5f;
    s.fCentreY = 0.25f;
    GeometrySet::Write(geo, 2, s);
    EXPECT_FLOAT_EQ(geo[16], 2.0f);
    EXPECT_FLOAT_EQ(geo[17], 1.0f);
    EXPECT_FLOAT_EQ(geo[19], 0.0f);
    EXPECT_FLOAT_EQ(geo[23], 0.25f);
    const SGeometryShape back = GeometrySet::Read(geo, 2);
    EXPECT_EQ(back.iKind, SGeometryShape::eSUBTRACTIVE);
    EXPECT_FLOAT_EQ(back.fCentreY, 0.25f);
    EXPECT_EQ(GeometrySet::Count(geo), 1);
}

TEST(GeometryShapes, HitTestFindsTheNearestHandle)
{
    float geo[MP_PARAM_VALUES] = {};
    SGeometryShape a; // centre (50, 25) in a 100 × 50 image, corner handle at (70, 35)
    GeometrySet::Add(geo, a);
    SGeometryShape b;
    b.fCentreX = 0.2f;
    b.fCentreY = 0.2f;
    b.fHalfWidth = 0.1f;
    b.fHalfHeight = 0.1f; // centre (20, 10), corner (30, 15)
    GeometrySet::Add(geo, b);

    const GeometrySet::SHit centre = GeometrySet::HitTest(geo, 52, 24, 100, 50, 5);
    EXPECT_EQ(centre.iShape, 0);
    EXPECT_EQ(centre.eHandle, GeometrySet::eCENTRE);
    const GeometrySet::SHit corner = GeometrySet::HitTest(geo, 29, 16, 100, 50, 5);
    EXPECT_EQ(corner.iShape, 1);
    EXPECT_EQ(corner.eHandle, GeometrySet::eSIZE);
    EXPECT_EQ(GeometrySet::HitTest(geo, 90, 5, 100, 50, 5).iShape, -1);
}

TEST(GeometryShapes, AShapeWrittenHereWeightsTheOperatorWhereTheEngineLooks)
{
    float geo[MP_PARAM_VALUES] = {};
    SGeometryShape s;
    s.fCentreX = 0.25f;
    s.fCentreY = 0.5f;
    s.fHalfWidth = 0.1f;
    s.fHalfHeight = 0.2f;
    s.fHardness = 1.0f;
    GeometrySet::Add(geo, s);
    Params p;
    std::memset(&p, 0, sizeof(p));
    p.width = 200;
    p.height = 100;
    const int shapes = MP_GeometryShapesInUse(geo);
    EXPECT_EQ(shapes, 1);
    EXPECT_GT(MP_GeometryOpacity(geo, shapes, 50, 50, p), 0.9f);   // the centre
    EXPECT_EQ(MP_GeometryOpacity(geo, shapes, 150, 50, p), 0.0f);  // far outside: additive only
    EXPECT_EQ(MP_GeometryOpacity(geo, shapes, 50, 5, p), 0.0f);    // above the half height

    // The same shape made subtractive leaves full strength outside and cuts it inside.
    s.iKind = SGeometryShape::eSUBTRACTIVE;
    GeometrySet::Write(geo, 0, s);
    EXPECT_FLOAT_EQ(MP_GeometryOpacity(geo, shapes, 150, 50, p), 1.0f);
    EXPECT_LT(MP_GeometryOpacity(geo, shapes, 50, 50, p), 0.1f);
}
