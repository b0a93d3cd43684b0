#include "scopes/ScopeCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

CScopeCanvas::CScopeCanvas(Helper::CRGB48Buffer& picture)
    : m_pData(picture.GetData()), m_iWidth(picture.Width()), m_iHeight(picture.Height())
{
}

void CScopeCanvas::Fill(SRgb16 colour)
{
    uint16_t* p = m_pData;
    for (size_t i = 0, n = size_t(m_iWidth) * m_iHeight; i < n; ++i, p += 3)
        p[0] = colour.r, p[1] = colour.g, p[2] = colour.b;
}

void CScopeCanvas::Set(int x, int y, SRgb16 colour)
{
    if (!Inside(x, y))
        return;
    uint16_t* p = Pixel(x, y);
    p[0] = colour.r, p[1] = colour.g, p[2] = colour.b;
}

void CScopeCanvas::HLine(int x0, int x1, int y, SRgb16 colour)
{
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
        Set(x, y, colour);
}

void CScopeCanvas::VLine(int x, int y0, int y1, SRgb16 colour)
{
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        Set(x, y, colour);
}

void CScopeCanvas::Line(int x0, int y0, int x1, int y1, SRgb16 colour)
{
    // Bresenham: integer steps, so a line looks the same wherever it is drawn.
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;)
    {
        Set(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * error;
        if (e2 >= dy)
            error += dy, x0 += sx;
        if (e2 <= dx)
            error += dx, y0 += sy;
    }
}

void CScopeCanvas::Square(int cx, int cy, int half, SRgb16 colour)
{
    HLine(cx - half, cx + half, cy - half, colour);
    HLine(cx - half, cx + half, cy + half, colour);
    VLine(cx - half, cy - half, cy + half, colour);
    VLine(cx + half, cy - half, cy + half, colour);
}

void CScopeCanvas::Circle(double cx, double cy, double radius, SRgb16 colour)
{
    // Enough points that neighbours touch: eight per pixel of radius.
    const int points = std::max(16, int(8.0 * radius));
    for (int i = 0; i < points; ++i)
    {
        const double angle = 6.283185307179586 * i / points;
        Set(int(std::lround(cx + radius * std::cos(angle))), int(std::lround(cy + radius * std::sin(angle))), colour);
    }
}
