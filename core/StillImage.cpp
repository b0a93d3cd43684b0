#include "core/StillImage.h"

#include "core/AtomicFile.h"
#include "core/Netpbm.h"
#include "core/stillcodec/StillCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <algorithm>
#include <cstring>

// Present when a program links the codec in instead of loading its module (the fuzz targets and
// the sanitized builds, where the reference is strong so the archive member comes along).
#ifndef VANTROPE_STILL_CODEC_LINKED
#pragma weak vantrope_still_codec
#endif

namespace
{
struct SSaveFormat
{
    const char* pszExtension;
    const char* pszWriter; // the library's writer, chosen by name; null: our own encoder
    EStillSamples samples;
    QByteArray (*encode)(const unsigned short*, int, int);
};

const SSaveFormat kSaveFormats[] = {
    {"tif", "tiff", EStillSamples::eUINT8, nullptr},
    {"jpg", "jpeg", EStillSamples::eUINT8, nullptr},
    {"tiff", "tiff", EStillSamples::eUINT16, nullptr},
    {"hdr", "hdr", EStillSamples::eFLOAT, nullptr},
    {"exr", "openexr", EStillSamples::eFLOAT, nullptr},
    {"tif32", "tiff", EStillSamples::eFLOAT, nullptr},
    {"pfm", nullptr, EStillSamples::eFLOAT, Netpbm::EncodePfm},
    {"png", "png", EStillSamples::eUINT16, nullptr},
    {"pn8", "png", EStillSamples::eUINT8, nullptr}, // an 8-bit PNG, written under ".png"
    {"jp2", "jpeg2000", EStillSamples::eUINT16, nullptr},
    {"ppm", nullptr, EStillSamples::eUINT16, Netpbm::EncodePpm16},
};

const SSaveFormat* SaveFormat(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const SSaveFormat& format : kSaveFormats)
        if (extension == QLatin1String(format.pszExtension))
            return &format;
    return nullptr;
}

// The codec module: beside the program, or in the build's binary folder for programs that run
// from elsewhere in the build tree (the tests). Loaded once, on first use, and kept.
const SStillCodec* Codec(QString& error)
{
    struct SLoaded
    {
        const SStillCodec* codec = nullptr;
        QString error;
    };
    static const SLoaded loaded = [] {
        SLoaded result;
        if (vantrope_still_codec)
            return result.codec = vantrope_still_codec(), result;
        const QString programFolder = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
        for (const QString& folder : {programFolder, QStringLiteral(VANTROPE_MODULE_DIR)})
        {
            QLibrary module(folder + QStringLiteral("/vantrope_stillcodec.so"));
            using SEntry = const SStillCodec* (*)();
            if (const auto entry = reinterpret_cast<SEntry>(module.resolve("vantrope_still_codec")))
                return result.codec = entry(), result;
            result.error = module.errorString();
        }
        return result;
    }();
    if (!loaded.codec)
        error = QStringLiteral("the still-image module cannot be loaded: %1").arg(loaded.error);
    return loaded.codec;
}

// The formats a picture is read from: the ones Save() writes and the window offers. The contents
// decide the reader, by their first bytes, and the name must agree with them; every other reader of
// the image library stays unreachable, whatever the file is called. Several of those (Targa, BMP,
// ICO, DPX, PSD among them) have known memory-safety faults in the library's version we build
// against and get no further fixes, so BMP, PSD, PCX and Targa pictures are refused as
// "unsupported format" although the window's file list names them.
struct SReadFormat
{
    const char* pszName;
    const char* pszReader; // the library's reader, forced by name; null: Netpbm::Read
    QByteArrayView magics[4]; // unused ones empty
    QStringList extensions;
};

const QStringList kNetpbmExtensions = {"ppm", "pgm", "pbm", "pnm", "pfm"};
const SReadFormat kReadFormats[] = {
    {"Netpbm", nullptr, {"P5", "P6", "PF", "Pf"}, kNetpbmExtensions},
    // Plain-text and bitmap maps, which our own reader does not handle.
    {"Netpbm", "pnm", {"P1", "P2", "P3", "P4"}, kNetpbmExtensions},
    {"JPEG", "jpeg", {"\xFF\xD8\xFF"}, {"jpg", "jpeg", "jpe", "jif", "jfif"}},
    {"PNG", "png", {"\x89PNG\r\n\x1A\n"}, {"png"}},
    {"TIFF", "tiff", {QByteArrayView("II*\0", 4), QByteArrayView("MM\0*", 4), QByteArrayView("II+\0", 4), QByteArrayView("MM\0+", 4)},
     {"tif", "tiff", "tif32"}},
    {"OpenEXR", "openexr", {"\x76\x2F\x31\x01"}, {"exr"}},
    {"Radiance", "hdr", {"#?"}, {"hdr", "rgbe"}},
    {"JPEG 2000", "jpeg2000", {QByteArrayView("\0\0\0\x0CjP  \r\n\x87\n", 12), "\xFF\x4F\xFF\x51"}, {"jp2", "j2k", "j2c"}},
};

const SReadFormat* SniffedFormat(const QByteArray& head)
{
    for (const SReadFormat& format : kReadFormats)
        for (QByteArrayView magic : format.magics)
            if (!magic.isEmpty() && head.startsWith(magic))
                return &format;
    return nullptr;
}

QString ReadFormatNames()
{
    QStringList names;
    for (const SReadFormat& format : kReadFormats)
        if (!names.contains(QLatin1String(format.pszName)))
            names << QLatin1String(format.pszName);
    return names.join(QStringLiteral(", "));
}

// An OpenEXR header is a list of attributes (name, type name, 32-bit size, value) ending in an
// empty name; a multi-part file has one header per part and an empty one after them. The library
// allocates each value by its size field before reading it, so a damaged size could ask for
// gigabytes: every size must fit into what the file still holds, and the headers into the first
// 4 MiB.
bool ExrHeadersFit(const QString& path, QString& error)
{
    constexpr qint64 kMaxHeaderBytes = qint64(4) << 20;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return error = QStringLiteral("cannot read '%1': %2").arg(path, file.errorString()), false;
    const qint64 fileSize = file.size();
    const QByteArray data = file.read(kMaxHeaderBytes);
    const auto damaged = [&](const char* what) {
        error = QStringLiteral("cannot read OpenEXR image '%1': damaged header (%2)").arg(QFileInfo(path).fileName(), what);
        return false;
    };
    if (data.size() < 8)
        return damaged("too short");
    const auto byte = [&](qint64 at) { return quint8(data[at]); };
    const quint32 version = byte(4) | byte(5) << 8 | byte(6) << 16 | quint32(byte(7)) << 24;
    const bool multiPart = version & 0x1000;
    const int maxName = (version & 0x400) ? 256 : 32;
    qint64 at = 8;
    const auto name = [&]() {
        for (int n = 0; n < maxName && at < data.size(); ++n)
            if (data[at++] == '\0')
                return n > 0;
        return false;
    };
    for (int part = 0;; ++part)
    {
        if (part > 0 && (!multiPart || (at < data.size() && data[at] == '\0')))
            return true;
        for (;;)
        {
            if (at >= data.size())
                return damaged(data.size() < fileSize ? "header too large" : "truncated");
            if (data[at] == '\0')
            {
                ++at;
                break;
            }
            if (!name() || !name())
                return damaged("attribute name");
            if (at + 4 > data.size())
                return damaged("truncated");
            const qint32 size = qint32(byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16 | quint32(byte(at + 3)) << 24);
            at += 4;
            if (size < 0 || size > fileSize - at)
                return damaged("attribute size");
            at += size;
        }
    }
}

// A PNG must hold every chunk it announces, up to its end chunk. The library's PNG reader meets a
// file that ends early inside a read callback that hands libpng a copy of its error text and
// longjmps past that copy's destructor (a leak per read, out of our reach), so a truncated file is
// refused here, before the library sees it. Chunks are walked by their lengths only: 12 bytes
// each at least, so the walk ends within the file.
bool PngChunksComplete(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return error = QStringLiteral("cannot read '%1': %2").arg(path, file.errorString()), false;
    const qint64 size = file.size();
    for (qint64 at = 8; at + 8 <= size;)
    {
        uchar head[8];
        if (!file.seek(at) || file.read(reinterpret_cast<char*>(head), 8) != 8)
            break;
        const qint64 length = qint64(head[0]) << 24 | head[1] << 16 | head[2] << 8 | head[3];
        if (std::memcmp(head + 4, "IEND", 4) == 0 && at + 12 <= size)
            return true;
        at += 12 + length;
    }
    error = QStringLiteral("cannot read PNG image '%1': truncated file").arg(QFileInfo(path).fileName());
    return false;
}

// The size checks before any allocation, then the buffer the codec fills.
uint16_t* Admit(Helper::CRGB48Buffer& image, int width, int height, int channels, quint64 maxBytes, QString& error)
{
    // 64-bit products of values below 2^31: no overflow. Every pixel becomes three 16-bit samples,
    // whatever the file holds, and the file's channels are counted at 2 bytes at least.
    const quint64 pixels = quint64(width) * quint64(height);
    const quint64 bytes = pixels * quint64(std::max(3, channels)) * 2;
    if (pixels > StillImage::kMaxPixels || bytes > maxBytes)
    {
        error = QStringLiteral("image too large: %1 x %2 pixels, %3 channels").arg(width).arg(height).arg(channels);
        return nullptr;
    }
    if (!image.TryCreate(QSize(width, height), Helper::eCP_NO_CLEAR))
    {
        error = QStringLiteral("out of memory");
        return nullptr;
    }
    return image.GetData();
}

bool ReadWithLibrary(const QString& path, const SReadFormat& format, Helper::CRGB48Buffer& image, QString& error,
                     quint64 maxBytes)
{
    const SStillCodec* codec = Codec(error);
    if (!codec)
        return false;
    const auto admit = [&](int width, int height, int channels, QString& reason) {
        return Admit(image, width, height, channels, maxBytes, reason);
    };
    if (codec->read(path, format.pszReader, format.pszName, admit, error))
        return true;
    image.Destroy();
    return false;
}

bool Encode(const QString& path, const SSaveFormat& format, const unsigned short* pixels, int width, int height, QByteArray& bytes,
            QString& error)
{
    if (format.encode)
        return bytes = format.encode(pixels, width, height), true;
    const SStillCodec* codec = Codec(error);
    return codec && codec->encode(format.pszWriter, QFileInfo(path).fileName(), format.samples, pixels, width, height, bytes, error);
}
}  // namespace

namespace StillImage
{
bool Load(const QString& path, Helper::CRGB48Buffer& image, QString& error, quint64 maxBytes)
{
    image.Destroy();
    const QFileInfo info(path);
    if (!info.exists())
        return error = QStringLiteral("'%1' does not exist").arg(path), false;
    // Pipes, devices and folders: opening one for reading may block or never end.
    if (!info.isFile())
        return error = QStringLiteral("'%1' is not a regular file").arg(path), false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return error = QStringLiteral("cannot read '%1': %2").arg(path, file.errorString()), false;
    const QByteArray head = file.read(16);
    file.close();
    const SReadFormat* format = SniffedFormat(head);
    if (!format)
        return error = QStringLiteral("unsupported format: '%1' is none of %2").arg(info.fileName(), ReadFormatNames()), false;
    if (!format->extensions.contains(info.suffix().toLower()))
        return error = QStringLiteral("unsupported format: '%1' holds a %2 image under another name")
                           .arg(info.fileName(), QLatin1String(format->pszName)),
               false;
    if (!format->pszReader)
        return Netpbm::Read(path, image, std::min(maxBytes, kMaxPixels * 6), error);
    if (QLatin1String(format->pszReader) == QLatin1String("openexr") && !ExrHeadersFit(path, error))
        return false;
    if (QLatin1String(format->pszReader) == QLatin1String("png") && !PngChunksComplete(path, error))
        return false;
    return ReadWithLibrary(path, *format, image, error, maxBytes);
}

bool IsSaveFormat(const QString& path)
{
    return SaveFormat(path) != nullptr;
}

bool Save(const QString& requested, const unsigned short* pixels, int width, int height, QString& error)
{
    const SSaveFormat* format = SaveFormat(requested);
    QString path = requested;
    if (format && QLatin1String(format->pszExtension) == QLatin1String("pn8"))
        path = requested.left(requested.size() - 3) + QStringLiteral("png");
    if (!format)
    {
        error = QStringLiteral("unsupported image format '%1'").arg(QFileInfo(path).suffix());
        return false;
    }
    if (!pixels || width < 1 || height < 1)
    {
        error = QStringLiteral("empty image");
        return false;
    }
    // The JPEG 2000 writer reports success but leaves an unreadable file below this size.
    if (format->pszWriter && QLatin1String(format->pszWriter) == QLatin1String("jpeg2000") && (width < 32 || height < 32))
    {
        error = QStringLiteral("JPEG 2000 needs at least 32 x 32 pixels");
        return false;
    }
    QByteArray bytes;
    return Encode(path, *format, pixels, width, height, bytes, error) && AtomicFile::Write(path, bytes, &error);
}
}  // namespace StillImage
