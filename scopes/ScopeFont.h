// The graticule labels' built-in font: 5 × 7 pixel glyphs for digits, "k", "M", "." and the
// letters of the vectorscope's colour targets, scaled by whole pixels.
#pragma once

#include "scopes/ScopeCanvas.h"

#include <QByteArray>

constexpr int kScopeGlyphWidth = 5;
constexpr int kScopeGlyphHeight = 7;

/// Width in pixels of `text` at `scale` (glyphs one column apart).
int ScopeTextWidth(const QByteArray& text, int scale);
/// Draws `text` with its top-left corner at (x, y); characters without a glyph stay blank.
void DrawScopeText(CScopeCanvas& canvas, int x, int y, const QByteArray& text, int scale, SRgb16 colour);
