// Still images on disk ↔ the 16-bit RGB working buffer, through OpenImageIO.
#pragma once

#include "core/ImageBuffer.h"

#include <QString>

namespace StillImage
{
/// Largest decoded size accepted: width × height × channels × 2 bytes, with at least 3 channels.
constexpr quint64 kMaxDecodedBytes = quint64(1) << 30;
/// Most pixels accepted (the working buffer takes 6 bytes each).
constexpr quint64 kMaxPixels = quint64(1) << 27;

/// Loads the first picture of a file into `image`: 8-bit samples widened × 257, 16-bit as they are,
/// float clamped to 0…1 (NaN as 0) and scaled by 65535, grey expanded to RGB, alpha and further
/// channels dropped. Reads only Netpbm, JPEG, PNG, TIFF, OpenEXR, Radiance and JPEG 2000 files,
/// recognised by their first bytes, and only under a name ending in an extension of that format;
/// anything else is an "unsupported format". Refuses, before allocating, sizes ≤ 0, more than
/// kMaxPixels and more than `maxBytes` (see kMaxDecodedBytes). Never opens anything but a regular
/// file. False with `error` set when the file cannot be read.
bool Load(const QString& path, Helper::CRGB48Buffer& image, QString& error, quint64 maxBytes = kMaxDecodedBytes);

/// True when Save() knows the extension of `path` (.tif, .jpg, .tiff, .hdr, .exr, .tif32, .pfm,
/// .png, .pn8, .jp2, .ppm, any case).
bool IsSaveFormat(const QString& path);

/// Writes a width × height RGB image (rows packed) in the format and bit depth its extension
/// stands for: .tif and .jpg 8-bit (JPEG at quality 100), .tiff, .png, .jp2 and .ppm 16-bit,
/// .hdr, .exr, .pfm and .tif32 (a TIFF) float; ".pn8" asks for an 8-bit PNG, written under the
/// name with ".png" in its place. Writes a temporary file in the destination folder
/// and renames it into place, so the destination is never left half-written and no temporary file
/// stays behind. False with `error` set on failure.
bool Save(const QString& path, const unsigned short* pixels, int width, int height, QString& error);
}  // namespace StillImage
