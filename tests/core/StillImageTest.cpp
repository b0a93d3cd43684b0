// Still images: bit depth per saved format, widening and channel handling on load, hostile
// float values and sizes, and saves that never leave a half-written or temporary file.
#include "core/StillImage.h"
#include "tests/support/InvariantCheck.h"
#include "tests/support/SmallDisk.h"
#include "tests/support/SyntheticImages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

namespace
{
std::vector<uint16_t> Load(const QString& path)
{
    Helper::CRGB48Buffer image;
    QString error;
    EXPECT_TRUE(StillImage::Load(path, image, error)) << path.toStdString() << ": " << error.toStdString();
    return image.IsValid() ? std::vector<uint16_t>(image.GetData(), image.GetData() + size_t(image.Width()) * image.Height() * 3)
                           : std::vector<uint16_t>();
}

// The load must fail at once with a reason, no image and nothing changed; the reason.
QString Refusal(const QString& path)
{
    CInvariantCheck check(5000);
    Helper::CRGB48Buffer image;
    QString error;
    const bool ok = StillImage::Load(path, image, error);
    EXPECT_FALSE(ok || image.IsValid() || error.isEmpty()) << path.toStdString();
    EXPECT_EQ(check.Violations(), QStringList()) << path.toStdString();
    return ok ? QString() : error;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

bool RunTool(const QString& program, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    const bool ok = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    EXPECT_TRUE(ok) << program.toStdString() << " " << arguments.join(' ').toStdString() << ": "
                    << process.readAllStandardError().toStdString();
    return ok;
}

bool Ffmpeg(const QStringList& arguments, const QByteArray& input = {})
{
    return RunTool("ffmpeg", QStringList{"-nostdin", "-v", "error"} + arguments, input);
}

std::vector<uint16_t> Repeated(const uint16_t (&pixel)[3], int count)
{
    std::vector<uint16_t> out;
    for (int i = 0; i < count; ++i)
        out.insert(out.end(), pixel, pixel + 3);
    return out;
}

QByteArray BigEndian32(quint32 v)
{
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(bytes, 4);
}

QByteArray LittleEndian(quint32 v, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char(v >> (8 * i)));
    return out;
}

// A PNG chunk with its checksum, which the reader verifies before it looks at the fields.
QByteArray PngChunk(const QByteArray& type, const QByteArray& data)
{
    const QByteArray covered = type + data;
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : covered)
    {
        crc ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return BigEndian32(quint32(data.size())) + covered + BigEndian32(~crc);
}

// A little-endian TIFF of one strip whose directory claims width × height RGB pixels.
QByteArray TiffHeader(quint32 width, quint32 height, quint16 samples)
{
    const quint16 tags[][3] = {{256, 4, 0}, {257, 4, 0}, {258, 3, 8}, {262, 3, 2}, {273, 4, 0}, {277, 3, samples}, {278, 4, 0}, {279, 4, 4}};
    QByteArray out = QByteArray("II*\0", 4) + LittleEndian(8, 4) + LittleEndian(std::size(tags), 2);
    const quint32 raster = 8 + 2 + 12 * std::size(tags) + 4;
    for (const auto& tag : tags)
    {
        const quint32 value = tag[0] == 256 ? width : tag[0] == 257 || tag[0] == 278 ? height : tag[0] == 273 ? raster : tag[2];
        out += LittleEndian(tag[0], 2) + LittleEndian(tag[1], 2) + LittleEndian(1, 4) + LittleEndian(value, 4);
    }
    return out + LittleEndian(0, 4) + QByteArray(4, '\x7f');
}

// A float map whose samples are the given bit patterns, rows top to bottom in `bits`.
QByteArray PfmFromBits(int width, int height, int channels, const std::vector<quint32>& bits)
{
    QByteArray out = QStringLiteral("%1\n%2 %3\n-1.0\n").arg(channels == 3 ? "PF" : "Pf").arg(width).arg(height).toLatin1();
    for (int y = height - 1; y >= 0; --y)
        for (int i = 0; i < width * channels; ++i)
            out += LittleEndian(bits[size_t(y) * width * channels + i], 4);
    return out;
}

quint32 Bits(float v)
{
    quint32 b;
    std::memcpy(&b, &v, 4);
    return b;
}
}  // namespace

// Each format saves and loads back at its own depth, and every cut copy of the saved file (from
// empty to nine tenths) either loads whole or says why.
TEST(StillImage, EachFormatKeepsItsDepthAndTruncatedFilesLoadOrSayWhy)
{
    // Largest difference after save and load; 8-bit formats are compared with high byte × 257.
    const struct
    {
        const char* ext;
        int maxAbs;
        bool eightBit;
    } cases[] = {{"png", 0, false},  {"tiff", 0, false}, {"ppm", 0, false},   {"jp2", 0, false},        {"tif", 0, true},
                 {"jpg", 1028, true}, {"exr", 1, false},  {"pfm", 1, false},   {"tif32", 1, false}, {"HDR", 655, false}};
    QTemporaryDir dir;
    const int w = 40, h = 33; // the JPEG 2000 writer needs 32 × 32
    // Smooth gradients, so the lossy format is judged on its depth; the first sample, 0x1234,
    // would come back as 0x1212 from 8 bits.
    std::vector<uint16_t> image;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.insert(image.end(), {uint16_t(0x1234 + x * 600 + y * 100), uint16_t(20000 + x * 400), uint16_t(40000 - y * 600)});
    for (const auto& c : cases)
    {
        const QString path = dir.filePath(QStringLiteral("image.%1").arg(c.ext));
        QString error;
        ASSERT_TRUE(StillImage::Save(path, image.data(), w, h, error)) << c.ext << ": " << error.toStdString();
        std::vector<uint16_t> expected = image;
        for (uint16_t& s : expected)
            s = c.eightBit ? uint16_t((s >> 8) * 257) : s;
        const std::vector<uint16_t> loaded = Load(path);
        ASSERT_EQ(loaded.size(), expected.size()) << c.ext;
        const auto result = TestImages::CompareImages(loaded.data(), expected.data(), w, h, c.maxAbs);
        EXPECT_LE(result.iMaxAbs, c.maxAbs) << c.ext << ": " << result.Describe();

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        for (int tenths = 0; tenths < 10; ++tenths)
        {
            const QString cut = dir.filePath(QStringLiteral("cut%1.%2").arg(tenths).arg(c.ext));
            WriteBytes(cut, bytes.left(bytes.size() * tenths / 10));
            CInvariantCheck check(10000);
            Helper::CRGB48Buffer part;
            QString why;
            const bool ok = StillImage::Load(cut, part, why);
            EXPECT_TRUE(ok ? part.Width() == w && part.Height() == h : !why.isEmpty() && !part.IsValid())
                << c.ext << " " << tenths;
            EXPECT_TRUE(check.Violations().isEmpty()) << c.ext << " " << tenths;
            QFile::remove(cut);
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), int(std::size(cases)));
}

TEST(StillImage, FfmpegPngsWidenGreyDropAlphaUnmultipliedAndResolvePalettes)
{
    // ffmpeg stores raw pixels as PNG without converting them (same pixel format in and out).
    const struct
    {
        const char* pixFmt;
        QByteArray pixel;
        uint16_t expected[3];
    } cases[] = {
        {"gray", QByteArray("\x4c", 1), {0x4C4C, 0x4C4C, 0x4C4C}},
        {"rgba", QByteArray("\x33\x66\x99\x10", 4), {0x3333, 0x6666, 0x9999}},
        {"gray16be", QByteArray("\x4c\x4d", 2), {0x4C4D, 0x4C4D, 0x4C4D}},
        {"rgba64be", QByteArray("\x12\x34\x56\x78\x9a\xbc\x00\x01", 8), {0x1234, 0x5678, 0x9ABC}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases)
    {
        const QString path = dir.filePath(QStringLiteral("%1.png").arg(c.pixFmt));
        ASSERT_TRUE(Ffmpeg({"-f", "rawvideo", "-pix_fmt", c.pixFmt, "-s", "3x2", "-i", "-", "-frames:v", "1", "-pix_fmt",
                            c.pixFmt, "-y", path},
                           c.pixel.repeated(6)));
        EXPECT_EQ(Load(path), Repeated(c.expected, 6)) << c.pixFmt;
    }
    // Red through a palette, whose red is a few levels short of full.
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "color=red:s=3x2", "-frames:v", "1", "-pix_fmt", "pal8", "-s", "3x2", "-y",
                        dir.filePath("palette.png")}));
    const std::vector<uint16_t> palette = Load(dir.filePath("palette.png")), red = Repeated({65535, 0, 0}, 6);
    ASSERT_EQ(palette.size(), red.size());
    EXPECT_LE(TestImages::CompareImages(palette.data(), red.data(), 3, 2, 1028).iMaxAbs, 1028);
}

TEST(StillImage, FailedSavesLeaveTheFolderAsItWas)
{
    QTemporaryDir dir;
    const std::vector<uint16_t> image = TestImages::Noise(5, 3, 1);
    WriteBytes(dir.filePath("old.png"), "old contents");
    QDir(dir.path()).mkdir("folder.png");
    for (const char* name : {"x.gif", "missing/x.png", "folder.png", "small.jp2", "old.png"})
    {
        const bool replaces = QLatin1String(name) == QLatin1String("old.png");
        CInvariantCheck check;
        check.WatchFolder(dir.path());
        if (replaces)
            check.ExpectOutput(dir.filePath(name));
        QString error;
        EXPECT_EQ(StillImage::Save(dir.filePath(name), image.data(), 5, 3, error), replaces) << name;
        EXPECT_TRUE(check.Violations().isEmpty()) << name << ": " << check.Violations().join("\n").toStdString();
    }
    EXPECT_EQ(Load(dir.filePath("old.png")), image); // replaced completely

    // On a full drive every format fails whole: the image library used to leave a truncated PNG or
    // JPEG 2000 and report success, and its JPEG writer ended the process.
    ASSERT_TRUE(QDir(dir.path()).mkdir("full"));
    CSmallDisk disk(dir.filePath("full"), "size=64k");
    if (!disk.IsMounted())
        GTEST_SKIP() << CSmallDisk::kSkipReason;
    const std::vector<uint16_t> noise = TestImages::Noise(200, 200, 5); // far more than 64 KiB in any format
    for (const char* extension : {"tif", "jpg", "tiff", "hdr", "exr", "tif32", "pfm", "png", "jp2", "ppm"})
    {
        const QString path = dir.filePath(QStringLiteral("full/old.%1").arg(extension));
        WriteBytes(path, "old picture");
        CInvariantCheck check;
        check.WatchFolder(dir.path());
        QString error;
        EXPECT_FALSE(StillImage::Save(path, noise.data(), 200, 200, error)) << extension;
        EXPECT_EQ(error, "No space left on device") << extension;
        EXPECT_EQ(check.Violations(), QStringList()) << extension;
        QFile::remove(path);
    }
}

TEST(StillImage, SizeBombsAreRefusedFromTheirHeaders)
{
    QTemporaryDir dir;
    const QByteArray ihdr = BigEndian32(30000) + BigEndian32(30000) + QByteArray("\x08\x02\0\0\0", 5);
    const struct
    {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"bomb.hdr", "#?RADIANCE\nFORMAT=32-bit_rle_rgbe\n\n-Y 30000 +X 30000\n\x02\x02\x75\x30"},
        {"bomb.png", QByteArray("\x89PNG\r\n\x1A\n") + PngChunk("IHDR", ihdr) + PngChunk("IDAT", "xx") + PngChunk("IEND", "")},
        {"bomb.tif", TiffHeader(30000, 30000, 3)},
        // Few pixels, many channels: the byte cap counts every channel of the file.
        {"channels.tif", TiffHeader(4000, 4000, 60)},
        // Grey pixels still take 6 bytes each in the working buffer: the pixel cap.
        {"grey.pgm", "P5\n20000 20000\n255\nab"},
        // An attribute whose size field asks for 842 MB: the library would allocate it at once.
        {"attribute.exr", QByteArray("\x76\x2F\x31\x01\x02\0\0\0capDate\0string\0", 23) + LittleEndian(0x32320013, 4) + "2022:01:07"},
    };
    for (const auto& c : cases)
    {
        WriteBytes(dir.filePath(c.name), c.bytes);
        const QString error = Refusal(dir.filePath(c.name));
        EXPECT_TRUE(error.contains("too large") || error.contains("channels") || error.contains("damaged header"))
            << c.name << ": " << error.toStdString();
    }
}

TEST(StillImage, OnlyTheReaderOfTheContentsOpensAFile)
{
    QTemporaryDir dir;
    for (const char* foreign : {"red.tga", "red.bmp"})
        ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "color=red:s=8x8", "-frames:v", "1", "-y", dir.filePath(foreign)}));
    const std::vector<uint16_t> pixels = TestImages::Noise(4, 4, 3);
    QString error;
    ASSERT_TRUE(StillImage::Save(dir.filePath("real.png"), pixels.data(), 4, 4, error));
    for (const char* copy : {"red.tga:tga.png", "red.tga:tga.tif", "red.bmp:bmp.png", "red.bmp:bmp.jpg", "real.png:png.jpg",
                             "real.png:png.bmp", "real.png:png.tga", "real.png:png"})
    {
        const QStringList names = QString(copy).split(':');
        ASSERT_TRUE(QFile::copy(dir.filePath(names[0]), dir.filePath(names[1])));
    }
    // Targa and BMP are refused under their own names too; a PNG only loads as .png.
    for (const char* name : {"red.tga", "red.bmp", "tga.png", "tga.tif", "bmp.png", "bmp.jpg", "png.jpg", "png.bmp", "png.tga", "png"})
        EXPECT_TRUE(Refusal(dir.filePath(name)).startsWith("unsupported format")) << name;
    EXPECT_EQ(Load(dir.filePath("real.png")), pixels);

    // Neither waits on a pipe nor reads a folder or a device.
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.png")).constData(), 0600), 0);
    QDir(dir.path()).mkdir("folder.png");
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero.ppm")));
    for (const char* name : {"pipe.png", "folder.png", "zero.ppm", "missing.png"})
        Refusal(dir.filePath(name));
}

TEST(StillImage, NonFiniteFloatsBecomeFixedWordsInEveryFloatFormat)
{
    // Quiet, signalling and negative NaN, ±inf, 1e30, -1e30, a denormal, -0 and 0.5.
    const std::vector<quint32> bits = {0x7FC00000, 0x7F800001, 0xFFC00000, 0x7F800000, 0xFF800000,
                                       Bits(1e30f), Bits(-1e30f), 0x00000001, 0x80000000, Bits(0.5f)};
    const std::vector<uint16_t> expected = {0, 0, 0, 65535, 0, 65535, 0, 0, 0, 32767};
    QTemporaryDir dir;
    WriteBytes(dir.filePath("bits.pfm"), PfmFromBits(10, 1, 1, bits));
    std::vector<uint16_t> grey;
    for (uint16_t v : expected)
        grey.insert(grey.end(), {v, v, v});
    EXPECT_EQ(Load(dir.filePath("bits.pfm")), grey);
    // The same values through the image library's float and half readers (half turns 1e30 into inf
    // and the denormal into 0).
    for (const char* target : {"float.exr:float", "half.exr:half", "float.tif:float"})
    {
        const QStringList parts = QString(target).split(':');
        ASSERT_TRUE(RunTool("oiiotool", {dir.filePath("bits.pfm"), "-d", parts[1], "-o", dir.filePath(parts[0])}));
        EXPECT_EQ(Load(dir.filePath(parts[0])), grey) << target;
    }
}

TEST(StillImage, OddShapesLoadWithTheirFirstThreeChannels)
{
    // Each image is made from a float map of known 8-bit levels by the image library's command-line
    // tool: channel selection, sample type, tiles, pages and CMYK are set there.
    const struct
    {
        const char* name;
        int width, height, channels; // channels 1: grey from red; 0: red whatever the levels
        QStringList options;
        int maxAbs;
    } cases[] = {
        {"one.png", 1, 1, 3, {"-d", "uint8"}, 0},
        {"row.png", 7, 1, 3, {"-d", "uint16"}, 0},
        {"column.tif", 1, 9, 3, {"-d", "uint8"}, 0},
        {"odd.png", 5, 3, 1, {"--ch", "R", "-d", "uint8"}, 0},
        {"rgba.tif", 3, 5, 3, {"--ch", "R,G,B,A=1", "-d", "uint16"}, 0},
        {"five.tif", 3, 3, 3, {"--ch", "R,G,B,G,R", "-d", "uint8"}, 0},
        {"six.exr", 3, 3, 3, {"--ch", "R,G,B,A=1,Z=0.5,W=0", "-d", "float"}, 1},
        {"tiled.exr", 37, 19, 3, {"--tile", "16", "16", "-d", "half"}, 40},
        {"tiled.tif", 37, 19, 3, {"--tile", "16", "16", "-d", "uint16"}, 0},
        {"pages.tif", 4, 4, 3, {"--dup", "--mulc", "0.5", "--siappend", "-d", "uint8"}, 0},
        // CMYK ink for red: no cyan, full magenta and yellow, no black.
        {"cmyk.tif", 3, 2, 0, {"--ch", "R=0,G=1,B=1,A=0", "--attrib", "tiff:ColorSpace", "CMYK", "-d", "uint8"}, 0},
    };
    QTemporaryDir dir;
    for (const auto& c : cases)
    {
        std::vector<quint32> bits;
        std::vector<uint16_t> expected;
        for (int i = 0; i < c.width * c.height; ++i)
        {
            const int level[3] = {(i * 37 + 11) % 256, (i * 53 + 97) % 256, (i * 71 + 200) % 256};
            for (int k = 0; k < 3; ++k)
            {
                bits.push_back(Bits(float(level[k]) / 255.f));
                expected.push_back(c.channels == 0 ? (k == 0 ? 65535 : 0) : uint16_t(level[c.channels == 1 ? 0 : k] * 257));
            }
        }
        const QString source = dir.filePath(QStringLiteral("%1.pfm").arg(c.name));
        WriteBytes(source, PfmFromBits(c.width, c.height, 3, bits));
        ASSERT_TRUE(RunTool("oiiotool", QStringList{source} + c.options + QStringList{"-o", dir.filePath(c.name)}));
        Helper::CRGB48Buffer image;
        QString error;
        ASSERT_TRUE(StillImage::Load(dir.filePath(c.name), image, error)) << c.name << ": " << error.toStdString();
        ASSERT_EQ(image.Width(), c.width) << c.name;
        ASSERT_EQ(image.Height(), c.height) << c.name;
        const auto result = TestImages::CompareImages(image.GetData(), expected.data(), c.width, c.height, c.maxAbs);
        EXPECT_LE(result.iMaxAbs, c.maxAbs) << c.name << ": " << result.Describe();
    }
}
