// A contact sheet of the presets: the picture graded by every preset, as a labelled grid of
// thumbnails in packed 16-bit RGB. The labels are drawn with a small built-in pixel font, so the
// sheet needs no font system (the command line has none).
#pragma once

#include <QSize>

#include <cstdint>
#include <vector>

class CPresetLibrary;

struct SContactSheet
{
    QSize size;
    std::vector<uint16_t> pixels; // packed RGB, rows of size.width() pixels
};

namespace PresetContactSheet
{
constexpr int kColumns = 6;
constexpr QSize kCell{240, 180};
constexpr int kLabelHeight = 14;
constexpr int kGap = 6;

/// Grades the picture with every preset of the library and lays the thumbnails (the picture
/// fitted into kCell) out in rows of kColumns, each with "number name" below it. Empty when there is no preset or no picture.
SContactSheet Render(CPresetLibrary& library, const uint16_t* pixels, int width, int height);

/// Draws `text` (upper case; letters, digits and a few signs, umlauts spelt out, others as '?')
/// at (x, y) in 16-bit `colour`, clipped to the image and to `maxWidth` pixels.
void DrawLabel(std::vector<uint16_t>& image, QSize size, int x, int y, int maxWidth, const QString& text,
               uint16_t colour);
}  // namespace PresetContactSheet
