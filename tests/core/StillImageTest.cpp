// Still images: bit depth per saved format, widening and channel handling on load, hostile
// float values and sizes, and saves that never leave a half-written or temporary file.
#include "core/StillImage.h"
#include "tests/support/InvariantCheck.h"
#include "tests/support/SyntheticImages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace
{
std::vector<uint16_t> Samples(Helper::CRGB48Buffer& image)
{
    return {image.GetData(), image.GetData() + size_t(image.Width()) * image.Height() * 3};
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
}  // namespace

TEST(StillImage, EachSaveFormatKeepsItsBitDepth)
{
    struct SCase
    {
        const char* ext;
        int maxAbs;        // after save and load, against the expectation below
        bool eightBit;     // the expectation is the sample's high byte × 257
    } cases[] = {
        {"png", 0, false},  {"tiff", 0, false}, {"ppm", 0, false},   {"jp2", 0, false},
        {"tif", 0, true},   {"jpg", 4 * 257, true},
        {"exr", 1, false},  {"pfm", 1, false},  {"tif32", 1, false}, {"HDR", 65535 / 100, false},
    };
    QTemporaryDir dir;
    const int w = 40, h = 33; // the JPEG 2000 writer needs 32 × 32
    // Smooth gradients, so the lossy format is judged on its depth rather than on edges.
    std::vector<uint16_t> image;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.insert(image.end(), {uint16_t(0x1234 + x * 600 + y * 100), uint16_t(20000 + x * 400),
                                       uint16_t(40000 - y * 600)});
    // The first sample, 0x1234, would come back as 0x1212 from 8 bits.
    for (const SCase& c : cases)
    {
        const QString path = dir.filePath(QStringLiteral("image.%1").arg(c.ext));
        QString error;
        ASSERT_TRUE(StillImage::Save(path, image.data(), w, h, error)) << c.ext << ": " << error.toStdString();
        Helper::CRGB48Buffer loaded;
        ASSERT_TRUE(StillImage::Load(path, loaded, error)) << c.ext << ": " << error.toStdString();
        ASSERT_EQ(loaded.GetSize(), QSize(w, h)) << c.ext;
        std::vector<uint16_t> expected = image;
        if (c.eightBit)
            for (uint16_t& s : expected)
                s = uint16_t((s >> 8) * 257);
        const auto result = TestImages::CompareImages(Samples(loaded).data(), expected.data(), w, h, c.maxAbs);
        EXPECT_LE(result.iMaxAbs, c.maxAbs) << c.ext << ": " << result.Describe();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), int(std::size(cases)));
}

TEST(StillImage, LoadWidensGreyAndDropsAlpha)
{
    // ffmpeg stores raw pixels as PNG without converting them (same pixel format in and out).
    struct SCase
    {
        const char* pixFmt;
        QByteArray pixel;
        uint16_t expected[3];
    } cases[] = {
        {"gray", QByteArray("\x4c", 1), {0x4C4C, 0x4C4C, 0x4C4C}},             // widened × 257, grey to RGB
        {"rgba", QByteArray("\x33\x66\x99\x10", 4), {0x3333, 0x6666, 0x9999}}, // alpha dropped
        {"gray16be", QByteArray("\x4c\x4d", 2), {0x4C4D, 0x4C4D, 0x4C4D}},     // 16 bits as they are
        {"rgba64be", QByteArray("\x12\x34\x56\x78\x9a\xbc\x00\x01", 8), {0x1234, 0x5678, 0x9ABC}},
    };
    QTemporaryDir dir;
    for (const SCase& c : cases)
    {
        const QString path = dir.filePath(QStringLiteral("%1.png").arg(c.pixFmt));
        QProcess ffmpeg;
        ffmpeg.start("ffmpeg", {"-nostdin", "-v", "error", "-f", "rawvideo", "-pix_fmt", c.pixFmt, "-s", "3x2", "-i", "-",
                                "-frames:v", "1", "-pix_fmt", c.pixFmt, "-y", path});
        ffmpeg.write(c.pixel.repeated(6));
        ffmpeg.closeWriteChannel();
        ASSERT_TRUE(ffmpeg.waitForFinished(20000) && ffmpeg.exitCode() == 0) << ffmpeg.readAllStandardError().toStdString();
        Helper::CRGB48Buffer loaded;
        QString error;
        ASSERT_TRUE(StillImage::Load(path, loaded, error)) << c.pixFmt << ": " << error.toStdString();
        std::vector<uint16_t> expected;
        for (int i = 0; i < 6; ++i)
            expected.insert(expected.end(), c.expected, c.expected + 3);
        EXPECT_EQ(Samples(loaded), expected) << c.pixFmt;
    }
}

TEST(StillImage, FloatValuesAreClampedAndNanIsZero)
{
    QTemporaryDir dir;
    const float values[6] = {std::nanf(""), -1.f, 2.f, 0.5f, INFINITY, -INFINITY};
    QByteArray pfm = "PF\n2 1\n-1.0\n";
    pfm.append(reinterpret_cast<const char*>(values), sizeof values);
    WriteBytes(dir.filePath("hostile.pfm"), pfm);
    Helper::CRGB48Buffer loaded;
    QString error;
    ASSERT_TRUE(StillImage::Load(dir.filePath("hostile.pfm"), loaded, error)) << error.toStdString();
    EXPECT_EQ(Samples(loaded), (std::vector<uint16_t>{0, 0, 65535, 32767, 65535, 0}));
}

TEST(StillImage, HugeDeclaredSizesAreRefusedBeforeReading)
{
    QTemporaryDir dir;
    const QByteArray headers[] = {"P6\n30000 30000\n255\nabc", "PF\n30000 30000\n-1.0\nabcd"};
    const char* names[] = {"bomb.ppm", "bomb.pfm"};
    for (int i = 0; i < 2; ++i)
    {
        WriteBytes(dir.filePath(names[i]), headers[i]);
        CInvariantCheck check(5000);
        Helper::CRGB48Buffer loaded;
        QString error;
        EXPECT_FALSE(StillImage::Load(dir.filePath(names[i]), loaded, error)) << names[i];
        EXPECT_TRUE(error.contains("too large")) << error.toStdString();
        EXPECT_FALSE(loaded.IsValid());
        EXPECT_TRUE(check.Violations().isEmpty()) << check.Violations().join("\n").toStdString();
    }
}

TEST(StillImage, FailedSavesLeaveTheFolderAsItWas)
{
    QTemporaryDir dir;
    const std::vector<uint16_t> image = TestImages::Noise(5, 3, 1);
    WriteBytes(dir.filePath("old.png"), "old contents");
    QDir(dir.path()).mkdir("folder.png");
    QString error;
    for (const char* name : {"x.gif", "missing/x.png", "folder.png", "small.jp2"})
    {
        CInvariantCheck check;
        check.WatchFolder(dir.path());
        EXPECT_FALSE(StillImage::Save(dir.filePath(name), image.data(), 5, 3, error)) << name;
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(check.Violations().isEmpty()) << check.Violations().join("\n").toStdString();
    }
    // Success replaces the old file completely and leaves only it behind.
    CInvariantCheck check;
    check.WatchFolder(dir.path());
    check.ExpectOutput(dir.filePath("old.png"));
    ASSERT_TRUE(StillImage::Save(dir.filePath("old.png"), image.data(), 5, 3, error)) << error.toStdString();
    EXPECT_TRUE(check.Violations().isEmpty()) << check.Violations().join("\n").toStdString();
    Helper::CRGB48Buffer loaded;
    ASSERT_TRUE(StillImage::Load(dir.filePath("old.png"), loaded, error));
    EXPECT_EQ(Samples(loaded), image);
}
