// The shapes of a geometry set (eGEO): up to 32 shapes of 8 floats, read and written by name,
// added into the first free slot, removed with the later shapes moved up, and found under a
// point for dragging on the preview.
#pragma once

#include "engine/Params.h"

struct SGeometryShape
{
    enum EKind
    {
        eUNUSED = 0,
        eADDITIVE = 1,
        eSUBTRACTIVE = 2,
    };
    int iKind = eADDITIVE;
    float fHalfWidth = 0.2f;  // fraction of the image width
    float fHalfHeight = 0.2f; // fraction of the image height
    float fHardness = 0.5f;
    float fShape = 0.5f;      // 0 diamond, 0.5 ellipse, 1 nearly a rectangle
    float fStrength = 1.0f;
    float fCentreX = 0.5f;    // fractions of the image size
    float fCentreY = 0.5f;
};

namespace GeometrySet
{
constexpr int kMaxShapes = MP_GEO_SHAPES;
constexpr int kFloatsPerShape = 8;

/// Number of shapes in use (slots whose first float is non-zero).
int Count(const float* geo);
/// Shape in slot `i` (0…31).
SGeometryShape Read(const float* geo, int i);
/// Writes slot `i`, every value clamped to its range (kind 1 or 2, the rest 0…1).
void Write(float* geo, int i, const SGeometryShape& shape);
/// Puts the shape into the first free slot; its index, or −1 when all 32 are in use.
int Add(float* geo, const SGeometryShape& shape);
/// Empties slot `i` and moves the shapes behind it up by one.
bool Remove(float* geo, int i);

enum EHandle
{
    eNONE,
    eCENTRE,
    eSIZE, // the corner of the shape's bounding box: drags half width and half height
};
struct SHit
{
    int iShape = -1;
    EHandle eHandle = eNONE;
};
/// The nearest handle to `x`, `y` (image pixels of an image `width` × `height`) within `radius`
/// pixels; on equal distance the size handle and the later shape win.
SHit HitTest(const float* geo, double x, double y, int width, int height, double radius);
}  // namespace GeometrySet
