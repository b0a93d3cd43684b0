// Fuzz target of the still-image reader: the first input byte picks one of the extensions the
// reader accepts, the rest is written under that name to a private folder and loaded through
// StillImage::Load, which converts it to the 16-bit working buffer. The oracle: a load either
// fails with a message and no image, or gives an image inside the size cap (a smaller one than
// the program's, so libFuzzer's allocation limit catches anything sized from a header that slips
// past it). Float values meet the conversion here, so NaN and overflow reach UBSan.
// With VANTROPE_STILL_SEEDS=<folder> set, it first writes 4 × 4 seed images in every format there
// (through the image library's writers) and stops. VANTROPE_FUZZ_VERBOSE=1 prints each result.
#include "core/StillImage.h"
#include "fuzz/FileLoaderFuzz.h"

#include <OpenImageIO/imageio.h>

#include <QByteArray>

#include <cstring>

namespace
{
// 1 MiB: under the sanitizer every large buffer costs page faults and shadow poisoning, and a
// mutated header asks for the cap at once; a small cap doubles the executions per second.
constexpr quint64 kFuzzMaxBytes = quint64(1) << 20;

const char* const kExtensions[] = {"ppm", "pfm", "pgm", "jpg", "tif", "png", "exr", "hdr", "jp2", "j2k"};

void Require(bool condition, const char* oracle)
{
    FuzzSupport::Require(condition, "still", oracle);
}

struct SHarness
{
    FuzzSupport::CInputFolder inputs{"still"};
    const bool verbose = std::getenv("VANTROPE_FUZZ_VERBOSE") != nullptr;

    SHarness()
    {
        // One thread, and library limits just above ours so that our own check is the one met.
        OIIO::attribute("threads", 1);
        OIIO::attribute("exr_threads", 0);
        OIIO::attribute("limits:imagesize_MB", int(kFuzzMaxBytes * 4 >> 20));
        OIIO::attribute("limits:channels", 64);
    }
};

SHarness& Harness()
{
    static SHarness harness;
    return harness;
}

// 4 × 4 images (32 × 32 for JPEG 2000, whose writer needs that much) in each format, grey, RGB
// and RGBA, 8-bit, 16-bit and float, tiled where the format has tiles; the selector byte first.
void WriteSeeds(const QString& folder)
{
    struct SSeed
    {
        const char* extension;
        const char* writer;
        int channels;
        OIIO::TypeDesc type;
        int tile;
    };
    const SSeed seeds[] = {
        {"ppm", "pnm", 3, OIIO::TypeDesc::UINT8, 0},     {"ppm", "pnm", 3, OIIO::TypeDesc::UINT16, 0},
        {"pgm", "pnm", 1, OIIO::TypeDesc::UINT8, 0},     {"pfm", "pnm", 3, OIIO::TypeDesc::FLOAT, 0},
        {"pfm", "pnm", 1, OIIO::TypeDesc::FLOAT, 0},     {"jpg", "jpeg", 3, OIIO::TypeDesc::UINT8, 0},
        {"jpg", "jpeg", 1, OIIO::TypeDesc::UINT8, 0},    {"tif", "tiff", 3, OIIO::TypeDesc::UINT8, 0},
        {"tif", "tiff", 4, OIIO::TypeDesc::UINT16, 16},  {"tif", "tiff", 1, OIIO::TypeDesc::FLOAT, 0},
        {"png", "png", 3, OIIO::TypeDesc::UINT8, 0},     {"png", "png", 4, OIIO::TypeDesc::UINT16, 0},
        {"png", "png", 1, OIIO::TypeDesc::UINT8, 0},     {"exr", "openexr", 3, OIIO::TypeDesc::HALF, 0},
        {"exr", "openexr", 4, OIIO::TypeDesc::FLOAT, 16}, {"hdr", "hdr", 3, OIIO::TypeDesc::FLOAT, 0},
        {"jp2", "jpeg2000", 3, OIIO::TypeDesc::UINT8, 0}, {"jp2", "jpeg2000", 3, OIIO::TypeDesc::UINT16, 0},
    };
    int index = 0;
    for (const SSeed& seed : seeds)
    {
        const int size = QLatin1String(seed.writer) == QLatin1String("jpeg2000") ? 32 : 4;
        OIIO::ImageSpec header(size, size, seed.channels, seed.type);
        if (seed.tile)
            header.tile_width = header.tile_height = seed.tile;
        if (QLatin1String(seed.extension) == QLatin1String("pfm") || QLatin1String(seed.extension) == QLatin1String("pgm"))
            header.attribute("pnm:binary", 1);
        std::vector<float> pixels(size_t(size) * size * seed.channels);
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = float((i * 37) % 101) / 100.f;
        const QString file = QStringLiteral("%1/.seed.%2").arg(folder).arg(seed.extension);
        auto out = OIIO::ImageOutput::create(seed.writer);
        if (!out || !out->open(QFile::encodeName(file).toStdString(), header) || !out->write_image(OIIO::TypeDesc::FLOAT, pixels.data()) ||
            !out->close())
        {
            std::fprintf(stderr, "seed %s/%d: %s\n", seed.extension, seed.channels, out ? out->geterror().c_str() : "no writer");
            continue;
        }
        QFile written(file);
        written.open(QIODevice::ReadOnly);
        const auto selector = char(std::find_if(std::begin(kExtensions), std::end(kExtensions),
                                                [&](const char* e) { return std::strcmp(e, seed.extension) == 0; }) -
                                   std::begin(kExtensions));
        QFile target(QStringLiteral("%1/seed-%2-%3").arg(folder).arg(++index, 2, 10, QLatin1Char('0')).arg(seed.extension));
        if (target.open(QIODevice::WriteOnly))
            target.write(QByteArray(1, selector) + written.readAll());
        written.remove();
    }
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (const char* folder = std::getenv("VANTROPE_STILL_SEEDS"))
    {
        QDir().mkpath(QFile::decodeName(folder));
        WriteSeeds(QFile::decodeName(folder));
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    SHarness& h = Harness();
    const QString path = h.inputs.Write(data + 1, size - 1, kExtensions[data[0] % std::size(kExtensions)]);
    if (path.isEmpty())
        return 0;
    Helper::CRGB48Buffer image;
    QString error;
    const bool ok = StillImage::Load(path, image, error, kFuzzMaxBytes);
    QFile::remove(path);
    if (Harness().verbose) // triage: what each input gave
        std::fprintf(stderr, "%s: %s\n", kExtensions[data[0] % std::size(kExtensions)],
                     ok ? qPrintable(QStringLiteral("%1 x %2").arg(image.Width()).arg(image.Height())) : qPrintable(error));
    Require(ok == image.IsValid(), "an image exactly when the load succeeds");
    Require(ok || !error.isEmpty(), "a failed load says why");
    if (ok)
        Require(image.Width() >= 1 && image.Height() >= 1 && quint64(image.Width()) * quint64(image.Height()) * 6 <= kFuzzMaxBytes,
                "a loaded image inside the size cap");
    return 0;
}
