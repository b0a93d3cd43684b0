#include "core/StillImage.h"

#include "core/Netpbm.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <OpenImageIO/imageio.h>

#include <fcntl.h>
#include <unistd.h>

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
bool Load(const QString& path, Helper::CRGB48Buffer& image, QString& error)
{
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly) && Netpbm::IsNetpbm(probe.peek(2)))
        return Netpbm::Read(path, image, kMaxDecodedBytes, error);
    // Colour values as stored: alpha is dropped, never multiplied in.
    OIIO::ImageSpec config;
    config.attribute("oiio:UnassociatedAlpha", 1);
    auto in = OIIO::ImageInput::open(Native(path), &config);
    if (!in)
    {
        error = QString::fromStdString(OIIO::geterror());
        return false;
    }
    const OIIO::ImageSpec& header = in->spec();
    const int channels = header.nchannels >= 3 ? 3 : 1;
    const quint64 bytes = quint64(header.width > 0 ? header.width : 0) * quint64(header.height > 0 ? header.height : 0) *
                          quint64(channels > header.nchannels ? channels : header.nchannels) * 2;
    if (header.width <= 0 || header.height <= 0 || header.nchannels < 1 || header.depth > 1)
    {
        error = QStringLiteral("unsupported image size %1 x %2").arg(header.width).arg(header.height);
        return false;
    }
    if (bytes > kMaxDecodedBytes)
    {
        error = QStringLiteral("image too large: %1 x %2 pixels, %3 channels").arg(header.width).arg(header.height).arg(header.nchannels);
        return false;
    }
    image.Create(QSize(header.width, header.height), Helper::eCP_NO_CLEAR);
    const size_t pixels = size_t(header.width) * size_t(header.height);
    uint16_t* out = image.GetData();
    bool ok;
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
        error = QString::fromStdString(in->geterror());
        image.Destroy();
        return false;
    }
    return true;
}

bool IsSaveFormat(const QString& path)
{
    return SaveFormat(path) != nullptr;
}

bool Save(const QString& path, const unsigned short* pixels, int width, int height, QString& error)
{
    const SSaveFormat* format = SaveFormat(path);
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
