#include "tests/video/TestClips.h"

#include "core/Paths.h"

#include <cstdio>

#include <map>
#include <memory>
#include <optional>

namespace
{
// Points TMPDIR at a folder of this test program for its whole run (and removes it after).
class CVideoTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/vantrope-video-tests-XXXXXX");
        ASSERT_TRUE(m_dir->isValid());
        qputenv("TMPDIR", QFile::encodeName(m_dir->path()));
        ASSERT_TRUE(QDir().mkpath(Scratch()));
    }
    void TearDown() override { m_dir.reset(); }
    QString Scratch() const { return m_dir->path() + "/scratch"; }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

CVideoTestEnvironment* const g_environment =
    static_cast<CVideoTestEnvironment*>(::testing::AddGlobalTestEnvironment(new CVideoTestEnvironment));

QStringList Lavfi(const char* graph)
{
    return {"-f", "lavfi", "-i", graph};
}
QStringList H264(const char* graph)
{
    return Lavfi(graph) + QStringList{"-c:v", "libx264"};
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

SRecipe Rotated(const char* file, EClip from, const char* angle)
{
    return {file, {"-i", "$IN", "-c", "copy", "-metadata:s:v:0", QStringLiteral("rotate=%1").arg(angle)}, from};
}

const std::map<EClip, SRecipe>& Recipes()
{
    const char* v25 = "testsrc2=s=64x36:r=25:d=0.4";
    const char* two = "testsrc2=s=64x36:r=25:d=2";
    static const std::map<EClip, SRecipe> recipes = {
        {EClip::ePlain, {"plain.mp4", Lavfi("testsrc2=s=64x36:r=30000/1001:d=0.3") + Lavfi("sine=d=0.3") +
                                          QStringList{"-c:v", "libx264", "-c:a", "aac", "-shortest"}}},
        {EClip::eNoAudio, {"noaudio.mp4", H264(v25)}},
        {EClip::eTwoSeconds, {"two_seconds.mp4", H264(two)}},
        {EClip::eCoverFirst, {"cover_first.mp4", Lavfi("testsrc2=s=32x18:r=1/2:d=4") + Lavfi(v25) +
                                                     QStringList{"-map", "0", "-map", "1", "-c:v:0", "mjpeg", "-c:v:1", "libx264"}}},
        {EClip::eCoverPicture, {"cover.png", Lavfi("testsrc2=s=32x18") + QStringList{"-frames:v", "1"}}},
        {EClip::eAttachedCover, {"attached_cover.mkv", H264(v25) + QStringList{"-attach", "$IN", "-metadata:s:t", "mimetype=image/png"},
                                 EClip::eCoverPicture}},
        {EClip::eTwoFilms, {"two_films.mp4", Lavfi(v25) + H264("testsrc2=s=32x18:r=25:d=0.4") + QStringList{"-map", "0", "-map", "1"}}},
        {EClip::eRotate90, Rotated("rotate90.mp4", EClip::ePlain, "90")},
        {EClip::eRotate180, Rotated("rotate180.mp4", EClip::ePlain, "180")},
        {EClip::eRotate270, Rotated("rotate270.mp4", EClip::ePlain, "270")},
        {EClip::eRate240, {"rate240.mp4", H264("testsrc2=s=64x36:r=240:d=0.1")}},
        {EClip::eRate1000, {"rate1000.mp4", H264("testsrc2=s=64x36:r=1000:d=0.02")}},
        {EClip::eMatroska, {"plain.mkv", {"-i", "$IN", "-c", "copy"}, EClip::ePlain}},
        {EClip::eMatroskaAsMp4, {"matroska.mp4", {"-i", "$IN", "-c", "copy", "-f", "matroska"}, EClip::ePlain}},
        {EClip::eWmv, {"clip.wmv", Lavfi(v25) + Lavfi("sine=d=0.4") + QStringList{"-c:v", "wmv2", "-c:a", "wmav2"}}},
        {EClip::eAudioOnly, {"audio_only.mp4", Lavfi("sine=d=0.3") + QStringList{"-c:a", "aac"}}},
        {EClip::eZeroLength, {"zero.mp4", {}, {}, QByteArray("")}},
        {EClip::eJunk, {"junk.mp4", {}, {}, QByteArray(1024, 'j')}},
        // Key frames every 5 frames, so the first half of a cut clip still decodes in part.
        {EClip::eTruncated, {"truncated.mp4", H264(two) + QStringList{"-g", "5"}, {}, {}, true}},
        {EClip::eFastStartHalf, {"faststart_half.mp4", H264(two) + QStringList{"-g", "5", "-movflags", "+faststart"}, {}, {}, true}},
        // Cropped after the conversion to RGB: a crop of subsampled pictures keeps even sizes.
        {EClip::eOddLossless, {"odd.mov", Lavfi("testsrc2=s=34x18:r=25:d=0.2") +
                                              QStringList{"-vf", "format=rgb24,crop=33:17", "-c:v", "png"}}},
        {EClip::eOddLosslessRotated, Rotated("odd_rotated.mov", EClip::eOddLossless, "90")},
        {EClip::eFullHd, {"fullhd.mp4", H264("testsrc2=s=1920x1080:r=25:d=0.2") + QStringList{"-preset", "ultrafast"}}},
        {EClip::eTiny, {"tiny.mov", Lavfi("color=s=16x16:r=25:d=0.2") + QStringList{"-vf", "scale=1:1,format=rgb24", "-c:v", "png"}}},
        {EClip::eRawH264, {"raw.h264", H264(v25) + QStringList{"-f", "h264"}}},
        {EClip::eThreeAudio, {"three_audio.mkv", Lavfi(v25) + Lavfi("sine=d=0.4") + Lavfi("sine=f=500:d=0.4") +
                                                     Lavfi("sine=f=700:d=0.4") +
                                                     QStringList{"-map", "0", "-map", "1", "-map", "2", "-map", "3", "-c:v", "libx264",
                                                                 "-c:a:0", "aac", "-c:a:1", "libmp3lame", "-c:a:2", "ac3"}}},
        {EClip::eTitled, {"titled.mp4", Lavfi(two) + Lavfi("sine=d=2") + QStringList{"-c:v", "libx264", "-c:a", "aac", "-shortest",
                                                                                "-metadata", "title=Vantrope Title"}}},
        {EClip::eNineAudio, {"nine_audio.mkv", NineAudio()}},
        {EClip::eTitledRotate90, Rotated("titled_rotate90.mp4", EClip::eTitled, "90")},
        {EClip::eShortGop, {"short_gop.mp4", H264("testsrc2=s=96x54:r=25:d=3") + QStringList{"-g", "10", "-bf", "2", "-pix_fmt", "yuv420p"}}},
        {EClip::eVariableRate, {"variable_rate.mp4", H264("testsrc2=s=64x36:r=25:d=3") +
                                                         QStringList{"-vf", "select='lt(n\\,30)+not(mod(n\\,5))'", "-vsync", "vfr"}}},
        {EClip::eHugeHeader, {"huge.y4m", {}, {}, "YUV4MPEG2 W16000 H16000 F25:1 Ip A1:1 C420jpeg\nFRAME\nabc"}},
    };
    return recipes;
}

bool MakeClip(const SRecipe& recipe, const QString& path)
{
    if (recipe.arguments.isEmpty())
        return WriteWholeFile(path, recipe.bytes);
    QStringList arguments = recipe.arguments;
    for (QString& argument : arguments)
        if (argument == "$IN")
            argument = TestClip(*recipe.from);
    const QString output = recipe.cutHalf ? path + ".whole" + path.mid(path.lastIndexOf('.')) : path;
    if (!Ffmpeg(arguments << output))
        return false;
    if (!recipe.cutHalf)
        return true;
    QFile in(output), out(path);
    const bool cut = in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly) && out.write(in.read(in.size() / 2)) > 0;
    in.remove();
    return cut;
}
}  // namespace

CTidyScope::CTidyScope(int limitMs, const QStringList& folders) : CInvariantCheck(limitMs)
{
    for (const QString& folder : folders)
        WatchFolder(folder);
}

CTidyScope::~CTidyScope()
{
    EXPECT_EQ(Violations(), QStringList()) << Violations().join('\n').toStdString();
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

std::vector<unsigned char> ReadPpmRgb(const QString& path, QSize& size)
{
    const QByteArray ppm = ReadWholeFile(path);
    int width = 0, height = 0, maximum = 0, header = 0;
    if (std::sscanf(ppm.constData(), "P6 %d %d %d%n", &width, &height, &maximum, &header) != 3 || maximum != 255 ||
        width < 1 || height < 1 || ppm.size() != header + 1 + qsizetype(width) * height * 3)
        return {};
    size = QSize(width, height);
    const auto* rgb = reinterpret_cast<const unsigned char*>(ppm.constData()) + header + 1; // one blank after the header
    return {rgb, rgb + size_t(width) * height * 3};
}

std::vector<unsigned char> ExtractRgb(CMovieHandling& movie, const QString& clip, qint64 ms, QSize& size)
{
    const QString image = movie.ExtractFrame(clip, "ppm", ms, 0, true, QSize(-1, -1));
    std::vector<unsigned char> rgb = ReadPpmRgb(image, size);
    QFile::remove(image);
    return rgb;
}

int MaxDifference(const unsigned char* a, const unsigned char* b, size_t count)
{
    int worst = 0;
    for (size_t i = 0; i < count; ++i)
        worst = std::max(worst, std::abs(int(a[i]) - int(b[i])));
    return worst;
}
