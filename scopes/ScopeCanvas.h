// Drawing on a 16-bit RGB scope picture: fills, lines, circles, glyphs and added light. Every
// primitive clips to the picture, so graticule code can draw without bounds checks.
#pragma once

#include "core/ImageBuffer.h"

#include <cstdint>

struct SRgb16
{
    uint16_t r = 0, g = 0, b = 0;
};

/// Adds `colour` to the pixel whose samples start at `out`, each channel saturating at 65535.
inline void AddLight(uint16_t* out, SRgb16 colour)
{
    out[0] = uint16_t(out[0] + colour.r > 65535 ? 65535 : out[0] + colour.r);
    out[1] = uint16_t(out[1] + colour.g > 65535 ? 65535 : out[1] + colour.g);
    out[2] = uint16_t(out[2] + colour.b > 65535 ? 65535 : out[2] + colour.b);
}

class CScopeCanvas
{
public:
    /// Draws into `picture`, which must hold a valid size.
    explicit CScopeCanvas(Helper::CRGB48Buffer& picture);

    int Width() const { return m_iWidth; }
    int Height() const { return m_iHeight; }
    /// The samples of pixel (x, y), unclipped: for loops that stay inside the picture.
    uint16_t* Pixel(int x, int y) { return m_pData + (size_t(y) * m_iWidth + x) * 3; }

    void Fill(SRgb16 colour);
    void Set(int x, int y, SRgb16 colour);
    void HLine(int x0, int x1, int y, SRgb16 colour);
    void VLine(int x, int y0, int y1, SRgb16 colour);
    /// A one-pixel line from (x0, y0) to (x1, y1), both ends included.
    void Line(int x0, int y0, int x1, int y1, SRgb16 colour);
    /// The outline of the square of half-size `half` around (cx, cy).
    void Square(int cx, int cy, int half, SRgb16 colour);
    /// A circle of radius `radius` around (cx, cy), centre coordinates in pixels.
    void Circle(double cx, double cy, double radius, SRgb16 colour);

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_iWidth && y < m_iHeight; }

    uint16_t* m_pData;
    int m_iWidth, m_iHeight;
};
