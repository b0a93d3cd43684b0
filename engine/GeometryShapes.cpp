#include "engine/GeometryShapes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
float Unit(float v)
{
    return std::isfinite(v) ? std::clamp(v, 0.0f, 1.0f) : 0.0f;
}
}  // namespace

namespace GeometrySet
{
int Count(const float* geo)
{
    int n = 0;
    for (int i = 0; i < kMaxShapes; ++i)
        n += geo[i * kFloatsPerShape] != 0.0f;
    return n;
}

SGeometryShape Read(const float* geo, int i)
{
    SGeometryShape s;
    const float* q = geo + i * kFloatsPerShape;
    s.iKind = q[0] == 0.0f ? SGeometryShape::eUNUSED
                           : (q[0] == 1.0f ? SGeometryShape::eADDITIVE : SGeometryShape::eSUBTRACTIVE);
    s.fHalfWidth = q[1];
    s.fHalfHeight = q[2];
    s.fHardness = q[3];
    s.fShape = q[4];
    s.fStrength = q[5];
    s.fCentreX = q[6];
    s.fCentreY = q[7];
    return s;
}

void Write(float* geo, int i, const SGeometryShape& s)
{
    float* q = geo + i * kFloatsPerShape;
    q[0] = s.iKind == SGeometryShape::eSUBTRACTIVE ? 2.0f : (s.iKind == SGeometryShape::eUNUSED ? 0.0f : 1.0f);
    q[1] = Unit(s.fHalfWidth);
    q[2] = Unit(s.fHalfHeight);
    q[3] = Unit(s.fHardness);
    q[4] = Unit(s.fShape);
    q[5] = Unit(s.fStrength);
    q[6] = Unit(s.fCentreX);
    q[7] = Unit(s.fCentreY);
}

int Add(float* geo, const SGeometryShape& shape)
{
    for (int i = 0; i < kMaxShapes; ++i)
        if (geo[i * kFloatsPerShape] == 0.0f)
        {
            SGeometryShape s = shape;
            if (s.iKind == SGeometryShape::eUNUSED)
                s.iKind = SGeometryShape::eADDITIVE;
            Write(geo, i, s);
            return i;
        }
    return -1;
}

bool Remove(float* geo, int i)
{
    if (i < 0 || i >= kMaxShapes)
        return false;
    float* slot = geo + i * kFloatsPerShape;
    std::memmove(slot, slot + kFloatsPerShape, size_t(kMaxShapes - 1 - i) * kFloatsPerShape * sizeof(float));
    std::fill(geo + (kMaxShapes - 1) * kFloatsPerShape, geo + kMaxShapes * kFloatsPerShape, 0.0f);
    return true;
}

SHit HitTest(const float* geo, double x, double y, int width, int height, double radius)
{
    SHit hit;
    double best = radius * radius;
    for (int i = 0; i < kMaxShapes; ++i)
    {
        const SGeometryShape s = Read(geo, i);
        if (s.iKind == SGeometryShape::eUNUSED)
            continue;
        const double cx = s.fCentreX * width, cy = s.fCentreY * height;
        const double hx = (s.fCentreX + s.fHalfWidth) * width, hy = (s.fCentreY + s.fHalfHeight) * height;
        const double dSize = (x - hx) * (x - hx) + (y - hy) * (y - hy);
        const double dCentre = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        if (dCentre <= best)
        {
            best = dCentre;
            hit = {i, eCENTRE};
        }
        if (dSize <= best)
        {
            best = dSize;
            hit = {i, eSIZE};
        }
    }
    return hit;
}
}  // namespace GeometrySet
