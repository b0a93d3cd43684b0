#include "engine/ColourWheel.h"

#include "core/ColourSpace.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr double kTurn = 6.283185307179586;
}

QPointF ColourWheel::Point(const float* set)
{
    const Colour::SComponents hsv = Colour::RgbToHsv(set[2], set[3], set[4]);
    const double angle = double(hsv.f0) * kTurn, radius = std::clamp(double(hsv.f1), 0.0, 1.0);
    return {radius * std::cos(angle), radius * std::sin(angle)};
}

void ColourWheel::SetPoint(float* set, QPointF point)
{
    const double radius = std::min(1.0, std::hypot(point.x(), point.y()));
    double hue = std::atan2(point.y(), point.x()) / kTurn;
    if (hue < 0.0)
        hue += 1.0;
    Colour::HsvToRgb({float(hue), float(radius), 1.0f}, set[2], set[3], set[4]);
}
