// The colour wheel of a colour set shown as a disc: the set's colour (values 2…4) is the point
// at the angle of its hue (red to the right, counter-clockwise) and the distance of its
// saturation, white at the centre; the luminance slider beside the disc is the set's value 0.
#pragma once

#include <QPointF>

namespace ColourWheel
{
/// The point of the set's colour on the unit disc.
QPointF Point(const float* set);
/// Sets the colour for a point on the disc; a point outside it is taken to the rim.
void SetPoint(float* set, QPointF point);
}  // namespace ColourWheel
