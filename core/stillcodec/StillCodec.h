// The still-image library's readers and writers, kept in a module of their own: the library
// loads some two hundred shared libraries when a program starts (a third of a second), so the
// programs load the module only when they first read or write a picture in one of its formats.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

/// Sample type a picture is written with.
enum class EStillSamples
{
    eUINT8,  // the high byte of each 16-bit sample
    eUINT16, // as it is
    eFLOAT,  // ÷ 65535
};

struct SStillCodec
{
    /// Reads the first picture of `path` with the library's reader named `reader` ("png", "tiff",
    /// …) into packed 16-bit RGB, after `admit(width, height, channels)` accepted its size and
    /// gave the buffer to fill (null refuses, with the message already in `error`). False with
    /// `error` set otherwise; messages call the format `formatName`.
    bool (*read)(const QString& path, const char* reader, const char* formatName,
                 const std::function<uint16_t*(int width, int height, int channels, QString& error)>& admit,
                 QString& error);
    /// Encodes a width × height packed RGB picture with the writer named `writer` into `bytes`,
    /// in memory: the codec never touches a file, so a full disk cannot make it leave half a file
    /// or end the process. Some writers choose a variant by the extension of `fileName` (JPEG
    /// 2000: container or bare code stream).
    bool (*encode)(const char* writer, const QString& fileName, EStillSamples samples, const uint16_t* pixels, int width, int height,
                   QByteArray& bytes, QString& error);
};

/// The module's one entry point (also linked directly into programs that cannot load modules).
extern "C" const SStillCodec* vantrope_still_codec();
