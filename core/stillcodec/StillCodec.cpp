// The module around the still-image library: reading into the 16-bit working format and encoding
// into memory.
#include "core/stillcodec/StillCodec.h"

#include <QFile>
#include <QFileInfo>

#include <OpenImageIO/filesystem.h>
#include <OpenImageIO/imageio.h>

#include <vector>

namespace
{
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
bool ReadAs(OIIO::ImageInput& in, int channels, OIIO::TypeDesc type, uint16_t* out, size_t pixels, Widen widen)
{
    std::vector<T> samples(pixels * size_t(channels));
    if (!in.read_image(0, 0, 0, channels, type, samples.data()))
        return false;
    Expand(samples, channels, out, pixels, widen);
    return true;
}

// The library's own checks of header sizes, as a second line behind the caller's (which gives
// the clearer message): 4 GiB, and more channels than any picture we read has.
void SetLibraryLimits()
{
    static const bool once = [] {
        constexpr int kImageSizeMB = 4096;
        int current = 0;
        if (OIIO::getattribute("limits:imagesize_MB", current) && (current == 0 || current > kImageSizeMB))
            OIIO::attribute("limits:imagesize_MB", kImageSizeMB);
        if (OIIO::getattribute("limits:channels", current) && (current == 0 || current > 64))
            OIIO::attribute("limits:channels", 64);
        return true;
    }();
    (void)once;
}

// The reader's own words, or a plain one when it gave none.
QString ReadError(const char* formatName, const QString& path, OIIO::ImageInput& in)
{
    const std::string reason = in.geterror();
    return QStringLiteral("cannot read %1 image '%2': %3")
        .arg(QLatin1String(formatName), QFileInfo(path).fileName(),
             reason.empty() ? QStringLiteral("damaged file") : QString::fromStdString(reason));
}

bool Read(const QString& path, const char* reader, const char* formatName,
          const std::function<uint16_t*(int, int, int, QString&)>& admit, QString& error)
{
    SetLibraryLimits();
    // Colour values as stored: alpha is dropped, never multiplied in.
    OIIO::ImageSpec config;
    config.attribute("oiio:UnassociatedAlpha", 1);
    auto in = OIIO::ImageInput::create(reader);
    if (!in)
        return error = QStringLiteral("no %1 reader: %2").arg(QLatin1String(formatName), QString::fromStdString(OIIO::geterror())), false;
    OIIO::ImageSpec header;
    if (!in->open(QFile::encodeName(path).toStdString(), header, config))
        return error = ReadError(formatName, path, *in), false;
    if (header.width <= 0 || header.height <= 0 || header.nchannels < 1 || header.depth > 1)
        return error = QStringLiteral("unsupported image size %1 x %2").arg(header.width).arg(header.height), false;
    uint16_t* out = admit(header.width, header.height, header.nchannels, error);
    if (!out)
        return false;
    const size_t pixels = size_t(header.width) * size_t(header.height);
    const int channels = header.nchannels >= 3 ? 3 : 1;
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
            ok = ReadAs<uint8_t>(*in, channels, OIIO::TypeDesc::UINT8, out, pixels, [](uint8_t v) { return uint16_t(v * 257); });
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
        error = ReadError(formatName, path, *in);
    return ok;
}

// 16-bit samples go out as they are, or as their high byte, or ÷ 65535 as floats.
bool Encode(const char* writer, const QString& fileName, EStillSamples samples, const uint16_t* pixels, int width, int height, QByteArray& bytes,
            QString& error)
{
    const size_t count = size_t(width) * size_t(height) * 3;
    std::vector<uint8_t> bytes8;
    std::vector<float> floats;
    const void* data = pixels;
    OIIO::TypeDesc type = OIIO::TypeDesc::UINT16;
    if (samples == EStillSamples::eUINT8)
    {
        bytes8.resize(count);
        for (size_t i = 0; i < count; ++i)
            bytes8[i] = uint8_t(pixels[i] >> 8);
        data = bytes8.data();
        type = OIIO::TypeDesc::UINT8;
    }
    else if (samples == EStillSamples::eFLOAT)
    {
        floats.resize(count);
        for (size_t i = 0; i < count; ++i)
            floats[i] = float(pixels[i]) / 65535.f;
        data = floats.data();
        type = OIIO::TypeDesc::FLOAT;
    }
    auto out = OIIO::ImageOutput::create(writer);
    if (!out)
        return error = QString::fromStdString(OIIO::geterror()), false;
    std::vector<unsigned char> encoded;
    OIIO::Filesystem::IOVecOutput memory(encoded);
    OIIO::ImageSpec header(width, height, 3, type);
    if (type == OIIO::TypeDesc::UINT8 && QLatin1String(writer) == QLatin1String("jpeg"))
        header.attribute("Compression", "jpeg:100");
    // The name only labels the library's messages and picks a variant; the bytes go to memory.
    bool ok = out->set_ioproxy(&memory) && out->open(QFile::encodeName(fileName).toStdString(), header) &&
              out->write_image(type, data);
    ok = out->close() && ok;
    if (!ok)
        return error = QString::fromStdString(out->geterror()), false;
    bytes = QByteArray(reinterpret_cast<const char*>(encoded.data()), qsizetype(encoded.size()));
    return true;
}

const SStillCodec kCodec = {Read, Encode};
}  // namespace

extern "C" __attribute__((visibility("default"))) const SStillCodec* vantrope_still_codec()
{
    return &kCodec;
}
