// The Netpbm formats read and written directly: binary grey and colour maps (P5, P6, 8 or 16
// bits) and float maps (Pf, PF). The general image library writes neither 16-bit maps nor float
// maps correctly and reads 16-bit maps with a rounding loss, so these never go through it.
#pragma once

#include "core/ImageBuffer.h"

#include <QByteArray>
#include <QString>

namespace Netpbm
{
/// True when the first bytes are the magic number of a format Read() handles.
bool IsNetpbm(const QByteArray& head);

/// Reads P5, P6 (samples scaled from their maximum to 0…65535), Pf and PF (clamped to 0…1, NaN as
/// 0, rows stored bottom to top). Refuses before allocating when width × height × 3 × 2 exceeds
/// `maxBytes`. False with `error` set on failure.
bool Read(const QString& path, Helper::CRGB48Buffer& image, quint64 maxBytes, QString& error);

/// A 16-bit P6 map, samples big-endian.
QByteArray EncodePpm16(const unsigned short* pixels, int width, int height);
/// A little-endian PF map, each sample ÷ 65535, rows bottom to top.
QByteArray EncodePfm(const unsigned short* pixels, int width, int height);
}  // namespace Netpbm
