// vantrope-cli grade --layers: a layer file recolours stills and clips; a file it cannot use is
// refused with one line and nothing is written.
#include "CliRun.h"
#include "core/StillImage.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
/// ffmpeg itself, for making and decoding the test clip.
int Ffmpeg(const QStringList& args, QByteArray* out = nullptr)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable("ffmpeg"), QStringList{"-nostdin", "-v", "error"} + args);
    process.waitForFinished(60000);
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

class CliLayers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Left half pure red, right half pure blue.
        std::vector<uint16_t> image;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 32; ++x)
                image.insert(image.end(), {uint16_t(x < 16 ? 65535 : 0), 0, uint16_t(x < 16 ? 0 : 65535)});
        QString error;
        ASSERT_TRUE(StillImage::Save(Path("in.png"), image.data(), 32, 16, error)) << error.toStdString();
        // One active layer: the default red selection, moved to green.
        Write("green.cml", "[General]\nVersionMajor=1\nVersionMinor=0\nLayer=1\n"
                           "[Layer0]\nm_bActive=true\nm_fDstHue=0.33333333\n");
        Write("future.cml", "[General]\nVersionMajor=2\nLayer=1\n[Layer0]\nm_bActive=true\n");
    }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    void Write(const QString& name, const QByteArray& text)
    {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QTemporaryDir m_dir;
};
}  // namespace

TEST_F(CliLayers, LayerFileRecoloursAStill)
{
    const SCliRun run = RunCli({"grade", Path("in.png"), Path("out.png"), "--layers", Path("green.cml")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    Helper::CRGB48Buffer out;
    QString error;
    ASSERT_TRUE(StillImage::Load(Path("out.png"), out, error));
    const uint16_t* px = out.GetData();
    // Red became green (the layer's destination saturation 0.9 keeps a little red and blue).
    EXPECT_GT(px[1], 60000);
    EXPECT_LT(px[0], 7000);
    // Blue is outside the selection and stays as it was.
    const uint16_t* blue = px + 20 * 3;
    EXPECT_EQ(blue[0], 0);
    EXPECT_EQ(blue[1], 0);
    EXPECT_EQ(blue[2], 65535);
}

TEST_F(CliLayers, UnusableLayerFilesAreRefused)
{
    const std::pair<QString, const char*> cases[] = {{Path("future.cml"), "ist keine Layer-Datei der Version 1"},
                                                     {Path("missing.cml"), "kann nicht gelesen werden"}};
    for (const auto& [file, message] : cases)
    {
        const SCliRun run = RunCli({"grade", Path("in.png"), Path("out.png"), "--layers", file});
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.err, QStringLiteral("vantrope-cli: Die Datei %1 %2.\n").arg(file, QString::fromUtf8(message)));
        EXPECT_FALSE(QFile::exists(Path("out.png")));
    }
    EXPECT_EQ(RunCli({"grade", Path("in.png"), Path("out.png"), "--layers"}).code, 2);
}

TEST_F(CliLayers, LayerFileRecoloursEveryFrameOfAClip)
{
    ASSERT_EQ(Ffmpeg({"-y", "-f", "lavfi", "-i", "color=c=red:s=64x48:r=10:d=1", "-c:v", "libx264", "-crf", "10",
                      "-pix_fmt", "yuv444p", Path("red.mp4")}),
              0);
    const SCliRun run = RunCli({"grade", Path("red.mp4"), Path("green.mp4"), "--layers", Path("green.cml"), "--no-audio"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    QByteArray frames;
    ASSERT_EQ(Ffmpeg({"-i", Path("green.mp4"), "-f", "rawvideo", "-pix_fmt", "rgb24", "-"}, &frames), 0);
    ASSERT_GE(frames.size(), 64 * 48 * 3 * 10);
    for (qsizetype frame = 0; frame < 10; ++frame)
    {
        const qsizetype centre = frame * 64 * 48 * 3 + (24 * 64 + 32) * 3;
        EXPECT_GT(uint8_t(frames[centre + 1]), 200) << frame;
        EXPECT_LT(uint8_t(frames[centre]), 60) << frame;
    }
}
