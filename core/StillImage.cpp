#include "core/StillImage.h"

#include "core/Netpbm.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <OpenImageIO/imageio.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
struct SSaveFormat
{
    const char* pszExtension;
    const char* pszWriter; // chosen by name, so the file name's extension does not matter
    OIIO::TypeDesc type;
    QByteArray (*encode)(const unsigned short*, int, int); // our own writer instead
};

const SSaveFormat kSaveFormats[] = {
    {"tif", "tiff", OIIO::TypeDesc::UINT8, nullptr},
    {"jpg", "jpeg", OIIO::TypeDesc::UINT8, nullptr},
    {"tiff", "tiff", OIIO::TypeDesc::UINT16, nullptr},
    {"hdr", "hdr", OIIO::TypeDesc::FLOAT, nullptr},
    {"exr", "openexr", OIIO::TypeDesc::FLOAT, nullptr},
    {"tif32", "tiff", OIIO::TypeDesc::FLOAT, nullptr},
    {"pfm", nullptr, OIIO::TypeDesc::FLOAT, Netpbm::EncodePfm},
    {"png", "png", OIIO::TypeDesc::UINT16, nullptr},
    {"pn8", "png", OIIO::TypeDesc::UINT8, nullptr}, // an 8-bit PNG, written under ".png"
    {"jp2", "jpeg2000", OIIO::TypeDesc::UINT16, nullptr},
    {"ppm", nullptr, OIIO::TypeDesc::UINT16, Netpbm::EncodePpm16},
};

const SSaveFormat* SaveFormat(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const SSaveFormat& format : kSaveFormats)
        if (extension == QLatin1String(format.pszExtension))
            return &format;
    return nullptr;
}

std::string Native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// 0…1 to 16 bits by truncation; NaN and everything below 0 give 0.
uint16_t FromFloat(float v)
{
    v = v > 0.f ? v : 0.f;
    v = v < 1.f ? v : 1.f;
    return uint16_t(int(v * 65535.f));
}

template <typename T, typename Widen>
void Expand(const std::vector<T>& samples, int channels, uint16_t* out, size_t pixels, Widen widen)
{
    for (size_t i = 0; i < pixels; ++i)
    {
        const T* s = samples.data() + i * size_t(channels);
        out[3 * i + 0] = widen(s[0]);
        out[3 * i + 1] = widen(s[channels == 3 ? 1 : 0]);
        out[3 * i + 2] = widen(s[channels == 3 ? 2 : 0]);
    }
}

template <typename T, typename Widen>
bool ReadAs(OIIO::ImageInput& in, int channels, OIIO::TypeDesc type, uint16_t* out, size_t pixels,
            Widen widen)
{
    std::vector<T> samples(pixels * size_t(channels));
    if (!in.read_image(0, 0, 0, channels, type, samples.data()))
        return false;
    Expand(samples, channels, out, pixels, widen);
    return true;
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

// The library's own checks of header sizes, as a second line behind ours (which gives the clearer
// message): twice the largest float image we accept, and more channels than any picture we read has.
void SetLibraryLimits()
{
    static const bool once = [] {
        const int ours = int((StillImage::kMaxDecodedBytes * 4) >> 20);
        int current = 0;
        if (OIIO::getattribute("limits:imagesize_MB", current) && (current == 0 || current > ours))
            OIIO::attribute("limits:imagesize_MB", ours);
        if (OIIO::getattribute("limits:channels", current) && (current == 0 || current > 64))
            OIIO::attribute("limits:channels", 64);
        return true;
    }();
    (void)once;
}

// The reader's own words, or a plain one when it gave none.
QString ReadError(const SReadFormat& format, const QString& path, OIIO::ImageInput& in)
{
    const std::string reason = in.geterror();
    return QStringLiteral("cannot read %1 image '%2': %3")
        .arg(QLatin1String(format.pszName), QFileInfo(path).fileName(),
             reason.empty() ? QStringLiteral("damaged file") : QString::fromStdString(reason));
}

bool ReadWithLibrary(const QString& path, const SReadFormat& format, Helper::CRGB48Buffer& image, QString& error,
                     quint64 maxBytes)
{
    SetLibraryLimits();
    // Colour values as stored: alpha is dropped, never multiplied in.
    OIIO::ImageSpec config;
    config.attribute("oiio:UnassociatedAlpha", 1);
    auto in = OIIO::ImageInput::create(format.pszReader);
    if (!in)
        return error = QStringLiteral("no %1 reader: %2").arg(QLatin1String(format.pszName), QString::fromStdString(OIIO::geterror())), false;
    OIIO::ImageSpec header;
    if (!in->open(Native(path), header, config))
        return error = ReadError(format, path, *in), false;
    if (header.width <= 0 || header.height <= 0 || header.nchannels < 1 || header.depth > 1)
        return error = QStringLiteral("unsupported image size %1 x %2").arg(header.width).arg(header.height), false;
    const int channels = header.nchannels >= 3 ? 3 : 1;
    // 64-bit products of values below 2^31: no overflow. Every pixel becomes three 16-bit samples,
    // whatever the file holds, and the file's channels are counted at 2 bytes at least.
    const quint64 pixels = quint64(header.width) * quint64(header.height);
    const quint64 bytes = pixels * quint64(std::max(3, header.nchannels)) * 2;
    if (pixels > StillImage::kMaxPixels || bytes > maxBytes)
        return error = QStringLiteral("image too large: %1 x %2 pixels, %3 channels")
                           .arg(header.width)
                           .arg(header.height)
                           .arg(header.nchannels),
               false;
    image.Create(QSize(header.width, header.height), Helper::eCP_NO_CLEAR);
    uint16_t* out = image.GetData();
    bool ok;
    // The library hands CMYK TIFF ink values over unconverted: R = (1 − C)(1 − K) and so on.
    const bool cmyk = header.nchannels >= 4 && header.get_int_attribute("tiff:PhotometricInterpretation", -1) == 5;
    if (cmyk)
    {
        std::vector<uint16_t> ink(pixels * 4);
        ok = in->read_image(0, 0, 0, 4, OIIO::TypeDesc::UINT16, ink.data());
        for (size_t i = 0; ok && i < pixels; ++i)
        {
            const uint32_t white = 65535u - ink[4 * i + 3];
            for (int c = 0; c < 3; ++c)
                out[3 * i + c] = uint16_t((65535u - ink[4 * i + c]) * white / 65535u);
        }
    }
    else
        switch (header.format.basetype)
    {
    case OIIO::TypeDesc::UINT8:
        ok = ReadAs<uint8_t>(*in, channels, OIIO::TypeDesc::UINT8, out, pixels,
                             [](uint8_t v) { return uint16_t(v * 257); });
        break;
    case OIIO::TypeDesc::HALF:
    case OIIO::TypeDesc::FLOAT:
    case OIIO::TypeDesc::DOUBLE:
        ok = ReadAs<float>(*in, channels, OIIO::TypeDesc::FLOAT, out, pixels, FromFloat);
        break;
    default:
        ok = ReadAs<uint16_t>(*in, channels, OIIO::TypeDesc::UINT16, out, pixels, [](uint16_t v) { return v; });
        break;
    }
    if (!ok)
    {
        error = ReadError(format, path, *in);
        image.Destroy();
        return false;
    }
    return true;
}

// A name in the destination's folder that nothing else uses, created empty with the usual
// permissions; it keeps the destination's extension for writers that look at it.
QString CreateTemporary(const QString& path)
{
    const QFileInfo info(path);
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        const QString candidate = QStringLiteral("%1/.%2.%3.%4")
                                      .arg(info.absolutePath(), info.completeBaseName())
                                      .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                                      .arg(info.suffix());
        const int fd = ::open(QFile::encodeName(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
        {
            ::close(fd);
            return candidate;
        }
        if (errno != EEXIST)
            break;
    }
    return QString();
}
bool WriteBytes(const QString& path, const QByteArray& bytes, QString& error)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    error = file.errorString();
    return false;
}

// 16-bit samples go out as they are, or as their high byte, or ÷ 65535 as floats.
bool WriteImage(const QString& path, const SSaveFormat& format, const unsigned short* pixels, int width,
                int height, QString& error)
{
    const size_t samples = size_t(width) * size_t(height) * 3;
    std::vector<uint8_t> bytes8;
    std::vector<float> floats;
    const void* data = pixels;
    if (format.type == OIIO::TypeDesc::UINT8)
    {
        bytes8.resize(samples);
        for (size_t i = 0; i < samples; ++i)
            bytes8[i] = uint8_t(pixels[i] >> 8);
        data = bytes8.data();
    }
    else if (format.type == OIIO::TypeDesc::FLOAT)
    {
        floats.resize(samples);
        for (size_t i = 0; i < samples; ++i)
            floats[i] = float(pixels[i]) / 65535.f;
        data = floats.data();
    }
    auto out = OIIO::ImageOutput::create(format.pszWriter);
    if (!out)
        return error = QString::fromStdString(OIIO::geterror()), false;
    OIIO::ImageSpec header(width, height, 3, format.type);
    if (format.type == OIIO::TypeDesc::UINT8 && QLatin1String(format.pszWriter) == QLatin1String("jpeg"))
        header.attribute("Compression", "jpeg:100");
    bool ok = out->open(Native(path), header) && out->write_image(format.type, data);
    ok = out->close() && ok;
    if (!ok)
        error = QString::fromStdString(out->geterror());
    return ok;
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
    const QString temporary = CreateTemporary(path);
    if (temporary.isEmpty())
    {
        error = QStringLiteral("cannot create a file in '%1'").arg(QFileInfo(path).absolutePath());
        return false;
    }
    const bool ok = format->encode ? WriteBytes(temporary, format->encode(pixels, width, height), error)
                                   : WriteImage(temporary, *format, pixels, width, height, error);
    if (ok && std::rename(Native(temporary).c_str(), Native(path).c_str()) == 0)
        return true;
    if (ok)
        error = QStringLiteral("cannot replace '%1'").arg(path);
    QFile::remove(temporary);
    return false;
}
}  // namespace StillImage
