// The pictures of an undo point: the preview box (a third of the screen width, 4:3, the result
// fitted and centred on the interface's background colour) and the 160 × 120 thumbnail the
// history list shows. Pictures are packed 16-bit RGB.
#pragma once

#include <QSize>

#include <cstdint>
#include <vector>

namespace UndoPicture
{
constexpr int kThumbWidth = 160;
constexpr int kThumbHeight = 120;
/// The thumbnail file "undo.dat" holds exactly this many bytes.
constexpr int kThumbBytes = kThumbWidth * kThumbHeight * 3 * 2;

/// Width = screen width / 3, height = width × 3 / 4 (whole numbers, at least 1).
QSize BoxSize(int screenWidth);
/// The result size shrunk by 0.9999 steps until it fits the box, then rounded.
QSize FittedSize(QSize result, QSize box);
/// Resamples a picture to another size (smooth); false when the memory is not there.
bool Scale(const uint16_t* pixels, QSize size, QSize target, std::vector<uint16_t>& out);
/// The box picture: `background` (0xRRGGBB, each byte as the high byte of its sample) with the
/// result fitted into it and centred. False when the memory is not there.
bool MakeBox(const uint16_t* pixels, QSize size, QSize box, uint32_t background, std::vector<uint16_t>& out);
}  // namespace UndoPicture
