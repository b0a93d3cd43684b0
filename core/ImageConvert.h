// Conversions between the 8-bit, 16-bit and display formats, and small image helpers.
#pragma once

#include <QSize>

#include <cstdint>

/// 8-bit RGB → 16-bit RGB (v × 257). Mirror X reads each source row backwards, mirror Y writes
/// source row y to target row height − 1 − y. Split over the workers; returns an engine status.
int MP_MT_RGB24ToRGB48(int width, int height, uint16_t* target, const uint8_t* source,
                       bool mirrorX, bool mirrorY);

/// 16-bit RGB → 8-bit RGB (high byte): the top-left width × height region of a source whose
/// rows are sourceWidth pixels long (a crop, never a scale).
int MP_MT_RGB48ToRGB24(int width, int height, int sourceWidth, int sourceHeight,
                       const uint16_t* source, uint8_t* target);

/// 16-bit RGB → 0xFFRRGGBB display words.
int MP_MT_RGB48ToARGB32(int width, int height, const uint16_t* source, uint32_t* target);

namespace Helper
{
/// Reads 32-bit toolkit pixels (bytes B, G, R, A) into 16-bit RGB, each byte v becoming v × 257.
void CopyRGB32ToRGB48(const QSize& size, uint16_t* target, const uint32_t* sourceBits);

/// Replaces every pixel by (11·R + 16·G + 5·B) >> 5 in all three channels, keeping alpha.
/// False for a null image.
bool MakeGrey(uint32_t* bits, const QSize& size);

/// The size with the target's aspect ratio derived from the source size (see mode 0, 1, 2).
QSize FitAspect(const QSize& source, const QSize& target, int mode);
}  // namespace Helper
