#include "scopes/ScopeFont.h"

#include <cstdint>

namespace
{
struct SGlyph
{
    char c;
    uint8_t rows[kScopeGlyphHeight]; // five bits per row, the leftmost column in bit 4
};

// clang-format off
const SGlyph kGlyphs[] = {
    {'0', {0b01110, 0b10001, 0b10011, 0b10101, 0b11001, 0b10001, 0b01110}},
    {'1', {0b00100, 0b01100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}},
    {'2', {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0b01000, 0b11111}},
    {'3', {0b11111, 0b00010, 0b00100, 0b00010, 0b00001, 0b10001, 0b01110}},
    {'4', {0b00010, 0b00110, 0b01010, 0b10010, 0b11111, 0b00010, 0b00010}},
    {'5', {0b11111, 0b10000, 0b11110, 0b00001, 0b00001, 0b10001, 0b01110}},
    {'6', {0b00110, 0b01000, 0b10000, 0b11110, 0b10001, 0b10001, 0b01110}},
    {'7', {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b01000, 0b01000}},
    {'8', {0b01110, 0b10001, 0b10001, 0b01110, 0b10001, 0b10001, 0b01110}},
    {'9', {0b01110, 0b10001, 0b10001, 0b01111, 0b00001, 0b00010, 0b01100}},
    {'k', {0b10000, 0b10000, 0b10010, 0b10100, 0b11000, 0b10100, 0b10010}},
    {'M', {0b10001, 0b11011, 0b10101, 0b10101, 0b10001, 0b10001, 0b10001}},
    {'.', {0b00000, 0b00000, 0b00000, 0b00000, 0b00000, 0b01100, 0b01100}},
    {'R', {0b11110, 0b10001, 0b10001, 0b11110, 0b10100, 0b10010, 0b10001}},
    {'G', {0b01110, 0b10001, 0b10000, 0b10111, 0b10001, 0b10001, 0b01111}},
    {'B', {0b11110, 0b10001, 0b10001, 0b11110, 0b10001, 0b10001, 0b11110}},
    {'C', {0b01110, 0b10001, 0b10000, 0b10000, 0b10000, 0b10001, 0b01110}},
    {'Y', {0b10001, 0b10001, 0b01010, 0b00100, 0b00100, 0b00100, 0b00100}},
    {'L', {0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b11111}},
};
// clang-format on

const SGlyph* Find(char c)
{
    for (const SGlyph& glyph : kGlyphs)
        if (glyph.c == c)
            return &glyph;
    return nullptr;
}
}  // namespace

int ScopeTextWidth(const QByteArray& text, int scale)
{
    return text.isEmpty() ? 0 : scale * (int(text.size()) * (kScopeGlyphWidth + 1) - 1);
}

void DrawScopeText(CScopeCanvas& canvas, int x, int y, const QByteArray& text, int scale, SRgb16 colour)
{
    for (char c : text)
    {
        if (const SGlyph* glyph = Find(c))
            for (int row = 0; row < kScopeGlyphHeight; ++row)
                for (int column = 0; column < kScopeGlyphWidth; ++column)
                    if (glyph->rows[row] & (0x10 >> column))
                        for (int dy = 0; dy < scale; ++dy)
                            for (int dx = 0; dx < scale; ++dx)
                                canvas.Set(x + column * scale + dx, y + row * scale + dy, colour);
        x += (kScopeGlyphWidth + 1) * scale;
    }
}
