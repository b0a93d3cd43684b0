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

const QStringList kTestSource{"-f", "lavfi", "-i"};

bool CutHalf(const QString& from, const QString& to)
{
    QFile in(from), out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    return out.write(in.read(in.size() / 2)) > 0;
}

bool MakeClip(EClip clip, const QString& path)
{
    const QString v25 = "testsrc2=s=64x36:r=25:d=0.4";
    switch (clip)
    {
    case EClip::ePlain:
        return RunFfmpeg(kTestSource + QStringList{"testsrc2=s=64x36:r=30000/1001:d=0.3"} + kTestSource +
                         QStringList{"sine=d=0.3", "-c:v", "libx264", "-c:a", "aac", "-shortest", path});
    case EClip::eNoAudio:
        return RunFfmpeg(kTestSource + QStringList{v25, "-c:v", "libx264", path});
    case EClip::eTwoSeconds:
        return RunFfmpeg(kTestSource + QStringList{"testsrc2=s=64x36:r=25:d=2", "-c:v", "libx264", path});
    case EClip::eCoverFirst:
        return RunFfmpeg(kTestSource + QStringList{"testsrc2=s=32x18:r=1/2:d=4"} + kTestSource +
                         QStringList{v25, "-map", "0", "-map", "1", "-c:v:0", "mjpeg", "-c:v:1", "libx264", path});
    case EClip::eAttachedCover:
    {
        const QString cover = TestScratchFolder() + "/cover.png";
        return RunFfmpeg(kTestSource + QStringList{"testsrc2=s=32x18", "-frames:v", "1", cover}) &&
               RunFfmpeg(kTestSource + QStringList{v25, "-c:v", "libx264", "-attach", cover, "-metadata:s:t",
                                                   "mimetype=image/png", path});
    }
    case EClip::eTwoFilms:
        return RunFfmpeg(kTestSource + QStringList{v25} + kTestSource +
                         QStringList{"testsrc2=s=32x18:r=25:d=0.4", "-map", "0", "-map", "1", "-c:v", "libx264", path});
    case EClip::eRotate90:
    case EClip::eRotate180:
    case EClip::eRotate270:
    {
        const int degrees = clip == EClip::eRotate90 ? 90 : clip == EClip::eRotate180 ? 180 : 270;
        return RunFfmpeg({"-i", TestClip(EClip::ePlain), "-c", "copy", "-metadata:s:v:0",
                          QStringLiteral("rotate=%1").arg(degrees), path});
    }
    case EClip::eRate240:
        return RunFfmpeg(kTestSource + QStringList{"testsrc2=s=64x36:r=240:d=0.1", "-c:v", "libx264", path});
    case EClip::eRate1000:
        return RunFfmpeg(kTestSource + QStringList{"testsrc2=s=64x36:r=1000:d=0.02", "-c:v", "libx264", path});
    case EClip::eMatroska:
        return RunFfmpeg({"-i", TestClip(EClip::ePlain), "-c", "copy", path});
    case EClip::eWmv:
        return RunFfmpeg(kTestSource + QStringList{v25} + kTestSource +
                         QStringList{"sine=d=0.4", "-c:v", "wmv2", "-c:a", "wmav2", path});
    case EClip::eAudioOnly:
        return RunFfmpeg(kTestSource + QStringList{"sine=d=0.3", "-c:a", "aac", path});
    case EClip::eZeroLength:
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    }
    case EClip::eJunk:
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(QByteArray(1024, 'j')) == 1024;
    }
    case EClip::eTruncated:
    case EClip::eFastStartHalf:
    {
        const QString whole = path + ".whole.mp4";
        QStringList arguments = kTestSource + QStringList{"testsrc2=s=64x36:r=25:d=2", "-c:v", "libx264", "-g", "5"};
        if (clip == EClip::eFastStartHalf)
            arguments << "-movflags" << "+faststart";
        const bool ok = RunFfmpeg(arguments << whole) && CutHalf(whole, path);
        QFile::remove(whole);
        return ok;
    }
    case EClip::eOddLossless:
        // Cropped after the conversion to RGB: a crop of subsampled pictures keeps even sizes.
        return RunFfmpeg(kTestSource + QStringList{"testsrc2=s=34x18:r=25:d=0.2", "-vf", "format=rgb24,crop=33:17",
                                                   "-c:v", "png", path});
    case EClip::eOddLosslessRotated:
        return RunFfmpeg({"-i", TestClip(EClip::eOddLossless), "-c", "copy", "-metadata:s:v:0", "rotate=90", path});
    case EClip::eTiny:
        return RunFfmpeg(kTestSource + QStringList{"color=s=16x16:r=25:d=0.2", "-vf", "scale=1:1,format=rgb24", "-c:v",
                                                   "png", path});
    case EClip::eRawH264:
        return RunFfmpeg(kTestSource + QStringList{v25, "-c:v", "libx264", "-f", "h264", path});
    case EClip::eThreeAudio:
        return RunFfmpeg(kTestSource + QStringList{v25} + kTestSource + QStringList{"sine=d=0.4"} + kTestSource +
                         QStringList{"sine=f=500:d=0.4"} + kTestSource +
                         QStringList{"sine=f=700:d=0.4", "-map", "0", "-map", "1", "-map", "2", "-map", "3", "-c:v",
                                     "libx264", "-c:a:0", "aac", "-c:a:1", "libmp3lame", "-c:a:2", "ac3", path});
    case EClip::eHugeHeader:
    {
        QFile file(path);
        const QByteArray header = "YUV4MPEG2 W16000 H16000 F25:1 Ip A1:1 C420jpeg\nFRAME\nabc";
        return file.open(QIODevice::WriteOnly) && file.write(header) == header.size();
    }
    case EClip::eFullHd:
        return RunFfmpeg(kTestSource + QStringList{"testsrc2=s=1920x1080:r=25:d=0.2", "-c:v", "libx264", "-preset",
                                                   "ultrafast", path});
    }
    return false;
}

QString FileName(EClip clip)
{
    static const std::map<EClip, const char*> names = {
        {EClip::ePlain, "plain.mp4"},          {EClip::eNoAudio, "noaudio.mp4"},        {EClip::eTwoSeconds, "two_seconds.mp4"},
        {EClip::eCoverFirst, "cover_first.mp4"}, {EClip::eAttachedCover, "attached_cover.mkv"},
        {EClip::eTwoFilms, "two_films.mp4"},   {EClip::eRotate90, "rotate90.mp4"},
        {EClip::eRotate180, "rotate180.mp4"},  {EClip::eRotate270, "rotate270.mp4"},
        {EClip::eRate240, "rate240.mp4"},      {EClip::eRate1000, "rate1000.mp4"},
        {EClip::eMatroska, "plain.mkv"},       {EClip::eWmv, "clip.wmv"},
        {EClip::eAudioOnly, "audio_only.mp4"}, {EClip::eZeroLength, "zero.mp4"},
        {EClip::eJunk, "junk.mp4"},            {EClip::eTruncated, "truncated.mp4"},
        {EClip::eFastStartHalf, "faststart_half.mp4"}, {EClip::eOddLossless, "odd.mov"},
        {EClip::eOddLosslessRotated, "odd_rotated.mov"}, {EClip::eFullHd, "fullhd.mp4"},
        {EClip::eTiny, "tiny.mov"},            {EClip::eRawH264, "raw.h264"},
        {EClip::eThreeAudio, "three_audio.mkv"}, {EClip::eHugeHeader, "huge.y4m"},
    };
    return QString::fromLatin1(names.at(clip));
}
}  // namespace

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
    const QString path = TestScratchFolder() + "/" + FileName(clip);
    if (!MakeClip(clip, path))
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
