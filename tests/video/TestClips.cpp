#include "tests/video/TestClips.h"

#include "core/Paths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>

namespace
{
// Points TMPDIR at a folder of this test program for its whole run.
class CVideoTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        m_savedTmp = qgetenv("TMPDIR");
        m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/vantrope-video-tests-XXXXXX");
        ASSERT_TRUE(m_dir->isValid());
        qputenv("TMPDIR", QFile::encodeName(m_dir->path()));
        ASSERT_TRUE(QDir().mkpath(m_dir->path() + "/scratch"));
    }
    void TearDown() override
    {
        if (m_savedTmp.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", m_savedTmp);
        m_dir.reset();
    }
    QString Scratch() const { return m_dir->path() + "/scratch"; }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_savedTmp;
};

CVideoTestEnvironment* const g_environment =
    static_cast<CVideoTestEnvironment*>(::testing::AddGlobalTestEnvironment(new CVideoTestEnvironment));

QStringList Lavfi(const char* graph)
{
    return {"-f", "lavfi", "-i", graph};
}

// How each clip is made: ffmpeg arguments ("$IN" is the clip named in `from`, the output comes
// last), or fixed bytes, optionally cut to the first half afterwards.
struct SRecipe
{
    const char* file;
    QStringList arguments;
    std::optional<EClip> from = {};
    QByteArray bytes = {};
    bool cutHalf = false;
};

QStringList NineAudio()
{
    QStringList arguments = Lavfi("testsrc2=s=64x36:r=25:d=0.4");
    for (int i = 0; i < 9; ++i)
        arguments += Lavfi(QStringLiteral("sine=f=%1:d=0.4").arg(300 + 100 * i).toLatin1().constData());
    for (int i = 0; i <= 9; ++i)
        arguments << "-map" << QString::number(i);
    return arguments << "-c:v" << "libx264" << "-c:a" << "aac";
}

const std::map<EClip, SRecipe>& Recipes()
{
    const char* v25 = "testsrc2=s=64x36:r=25:d=0.4";
    static const std::map<EClip, SRecipe> recipes = {
        {EClip::ePlain, {"plain.mp4", Lavfi("testsrc2=s=64x36:r=30000/1001:d=0.3") + Lavfi("sine=d=0.3") +
                                          QStringList{"-c:v", "libx264", "-c:a", "aac", "-shortest"}}},
        {EClip::eNoAudio, {"noaudio.mp4", Lavfi(v25) + QStringList{"-c:v", "libx264"}}},
        {EClip::eTwoSeconds, {"two_seconds.mp4", Lavfi("testsrc2=s=64x36:r=25:d=2") + QStringList{"-c:v", "libx264"}}},
        {EClip::eCoverFirst, {"cover_first.mp4", Lavfi("testsrc2=s=32x18:r=1/2:d=4") + Lavfi(v25) +
                                                     QStringList{"-map", "0", "-map", "1", "-c:v:0", "mjpeg", "-c:v:1", "libx264"}}},
        {EClip::eCoverPicture, {"cover.png", Lavfi("testsrc2=s=32x18") + QStringList{"-frames:v", "1"}}},
        {EClip::eAttachedCover, {"attached_cover.mkv", Lavfi(v25) + QStringList{"-c:v", "libx264", "-attach", "$IN",
                                                                                "-metadata:s:t", "mimetype=image/png"},
                                 EClip::eCoverPicture}},
        {EClip::eTwoFilms, {"two_films.mp4", Lavfi(v25) + Lavfi("testsrc2=s=32x18:r=25:d=0.4") +
                                                 QStringList{"-map", "0", "-map", "1", "-c:v", "libx264"}}},
        {EClip::eRotate90, {"rotate90.mp4", {"-i", "$IN", "-c", "copy", "-metadata:s:v:0", "rotate=90"}, EClip::ePlain}},
        {EClip::eRotate180, {"rotate180.mp4", {"-i", "$IN", "-c", "copy", "-metadata:s:v:0", "rotate=180"}, EClip::ePlain}},
        {EClip::eRotate270, {"rotate270.mp4", {"-i", "$IN", "-c", "copy", "-metadata:s:v:0", "rotate=270"}, EClip::ePlain}},
        {EClip::eRate240, {"rate240.mp4", Lavfi("testsrc2=s=64x36:r=240:d=0.1") + QStringList{"-c:v", "libx264"}}},
        {EClip::eRate1000, {"rate1000.mp4", Lavfi("testsrc2=s=64x36:r=1000:d=0.02") + QStringList{"-c:v", "libx264"}}},
        {EClip::eMatroska, {"plain.mkv", {"-i", "$IN", "-c", "copy"}, EClip::ePlain}},
        {EClip::eMatroskaAsMp4, {"matroska.mp4", {"-i", "$IN", "-c", "copy", "-f", "matroska"}, EClip::ePlain}},
        {EClip::eWmv, {"clip.wmv", Lavfi(v25) + Lavfi("sine=d=0.4") + QStringList{"-c:v", "wmv2", "-c:a", "wmav2"}}},
        {EClip::eAudioOnly, {"audio_only.mp4", Lavfi("sine=d=0.3") + QStringList{"-c:a", "aac"}}},
        {EClip::eZeroLength, {"zero.mp4", {}, {}, QByteArray("")}},
        {EClip::eJunk, {"junk.mp4", {}, {}, QByteArray(1024, 'j')}},
        // Key frames every 5 frames, so the first half of a cut clip still decodes in part.
        {EClip::eTruncated, {"truncated.mp4", Lavfi("testsrc2=s=64x36:r=25:d=2") + QStringList{"-c:v", "libx264", "-g", "5"},
                             {}, {}, true}},
        {EClip::eFastStartHalf, {"faststart_half.mp4", Lavfi("testsrc2=s=64x36:r=25:d=2") +
                                                           QStringList{"-c:v", "libx264", "-g", "5", "-movflags", "+faststart"},
                                 {}, {}, true}},
        // Cropped after the conversion to RGB: a crop of subsampled pictures keeps even sizes.
        {EClip::eOddLossless, {"odd.mov", Lavfi("testsrc2=s=34x18:r=25:d=0.2") +
                                              QStringList{"-vf", "format=rgb24,crop=33:17", "-c:v", "png"}}},
        {EClip::eOddLosslessRotated, {"odd_rotated.mov", {"-i", "$IN", "-c", "copy", "-metadata:s:v:0", "rotate=90"},
                                      EClip::eOddLossless}},
        {EClip::eFullHd, {"fullhd.mp4", Lavfi("testsrc2=s=1920x1080:r=25:d=0.2") +
                                            QStringList{"-c:v", "libx264", "-preset", "ultrafast"}}},
        {EClip::eTiny, {"tiny.mov", Lavfi("color=s=16x16:r=25:d=0.2") +
                                        QStringList{"-vf", "scale=1:1,format=rgb24", "-c:v", "png"}}},
        {EClip::eRawH264, {"raw.h264", Lavfi(v25) + QStringList{"-c:v", "libx264", "-f", "h264"}}},
        {EClip::eThreeAudio, {"three_audio.mkv", Lavfi(v25) + Lavfi("sine=d=0.4") + Lavfi("sine=f=500:d=0.4") +
                                                     Lavfi("sine=f=700:d=0.4") +
                                                     QStringList{"-map", "0", "-map", "1", "-map", "2", "-map", "3",
                                                                 "-c:v", "libx264", "-c:a:0", "aac", "-c:a:1",
                                                                 "libmp3lame", "-c:a:2", "ac3"}}},
        {EClip::eTitled, {"titled.mp4", Lavfi("testsrc2=s=64x36:r=25:d=2") + Lavfi("sine=d=2") +
                                            QStringList{"-c:v", "libx264", "-c:a", "aac", "-shortest", "-metadata",
                                                        "title=Vantrope Title"}}},
        {EClip::eNineAudio, {"nine_audio.mkv", NineAudio()}},
        {EClip::eTitledRotate90, {"titled_rotate90.mp4", {"-i", "$IN", "-c", "copy", "-metadata:s:v:0", "rotate=90"},
                                  EClip::eTitled}},
        {EClip::eShortGop, {"short_gop.mp4", Lavfi("testsrc2=s=96x54:r=25:d=3") +
                                                  QStringList{"-c:v", "libx264", "-g", "10", "-bf", "2", "-pix_fmt", "yuv420p"}}},
        {EClip::eVariableRate, {"variable_rate.mp4", Lavfi("testsrc2=s=64x36:r=25:d=3") +
                                                         QStringList{"-vf", "select='lt(n\\,30)+not(mod(n\\,5))'",
                                                                     "-vsync", "vfr", "-c:v", "libx264"}}},
        {EClip::eHugeHeader, {"huge.y4m", {}, {}, "YUV4MPEG2 W16000 H16000 F25:1 Ip A1:1 C420jpeg\nFRAME\nabc"}},
    };
    return recipes;
}

bool MakeClip(const SRecipe& recipe, const QString& path)
{
    if (recipe.arguments.isEmpty())
        return WriteFile(path, recipe.bytes);
    QStringList arguments = recipe.arguments;
    for (QString& argument : arguments)
        if (argument == "$IN")
            argument = TestClip(*recipe.from);
    const QString output = recipe.cutHalf ? path + ".whole" + path.mid(path.lastIndexOf('.')) : path;
    if (!RunFfmpeg(arguments << output))
        return false;
    if (!recipe.cutHalf)
        return true;
    QFile in(output), out(path);
    const bool cut = in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly) && out.write(in.read(in.size() / 2)) > 0;
    in.remove();
    return cut;
}
}  // namespace

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool RunFfmpeg(const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStandardPaths::findExecutable("ffmpeg"), QStringList{"-nostdin", "-v", "error", "-y"} + arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString TestScratchFolder()
{
    return g_environment->Scratch();
}

QString TestPrivateTemp()
{
    return Helper::PrivateTempDirectory();
}

QString TestClip(EClip clip)
{
    static std::map<EClip, QString> made;
    const auto it = made.find(clip);
    if (it != made.end())
        return it->second;
    const SRecipe& recipe = Recipes().at(clip);
    const QString path = TestScratchFolder() + "/" + recipe.file;
    if (!MakeClip(recipe, path))
    {
        ADD_FAILURE() << "could not make the test clip " << path.toStdString();
        return {};
    }
    made[clip] = path;
    return path;
}

std::vector<unsigned char> ReadBmpRgb(const QString& path, QSize& size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bmp = file.readAll();
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bmp.constData() + at); };
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bmp.constData() + at); };
    if (bmp.size() < 54 || !bmp.startsWith("BM") || u16(28) != 24)
        return {};
    const int width = int(u32(18));
    const int rawHeight = int(u32(22));
    const int height = std::abs(rawHeight);
    const qsizetype stride = (qsizetype(width) * 3 + 3) / 4 * 4;
    const qsizetype offset = u32(10);
    if (width < 1 || height < 1 || offset + stride * height > bmp.size())
        return {};
    std::vector<unsigned char> rgb(size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
    {
        // Rows are stored bottom-up unless the height is negative; pixels as blue, green, red.
        const int row = rawHeight > 0 ? height - 1 - y : y;
        const unsigned char* in = reinterpret_cast<const unsigned char*>(bmp.constData()) + offset + stride * row;
        unsigned char* out = rgb.data() + size_t(y) * width * 3;
        for (int x = 0; x < width; ++x)
        {
            out[3 * x] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x];
        }
    }
    size = QSize(width, height);
    return rgb;
}
