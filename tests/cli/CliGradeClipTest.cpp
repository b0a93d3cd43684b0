// vantrope-cli grade on clips: a graded export with its progress line, the exported frame
// against the same frame graded as a still, the option refusals, Ctrl-C, and a killed export.
#include "tests/cli/CliRun.h"
#include "core/StillImage.h"
#include "lut/CubeFile.h"
#include "lut/LutLattice.h"
#include "tests/support/FakeTools.h"
#include "tests/support/InvariantCheck.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>

#include <unistd.h>

namespace
{
bool Ffmpeg(const QStringList& arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable("ffmpeg"), QStringList{"-nostdin", "-v", "error", "-y"} + arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Frame `index` of a clip as packed 8-bit RGB.
QByteArray DecodedFrame(const QString& clip, int index, int width, int height)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable("ffmpeg"),
                  {"-v", "error", "-i", clip, "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    process.waitForFinished(60000);
    return process.readAllStandardOutput().mid(qsizetype(index) * width * height * 3, qsizetype(width) * height * 3);
}

double Psnr(const QByteArray& a, const QByteArray& b)
{
    double sum = 0.0;
    for (qsizetype i = 0; i < a.size(); ++i)
    {
        const double d = double(uint8_t(a[i])) - double(uint8_t(b[i]));
        sum += d * d;
    }
    const double mse = sum / double(std::max<qsizetype>(a.size(), 1));
    return mse == 0.0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

class CliGradeClip : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // A smooth 128 × 72 picture with sound and a title, and a LUT that changes every colour.
        ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "gradients=s=128x72:r=25:d=2:speed=0.02", "-f", "lavfi", "-i",
                            "sine=d=2", "-c:v", "libx264", "-crf", "12", "-c:a", "aac", "-shortest", "-metadata",
                            "title=Clip Title", Path("clip.mp4")}));
        std::vector<float> lattice(9 * 9 * 9 * 3);
        LutLattice::WriteIdentity(lattice.data(), 9);
        for (size_t i = 0; i < lattice.size(); i += 3)
        {
            const float r = lattice[i], g = lattice[i + 1], b = lattice[i + 2];
            lattice[i] = 1.0f - g;
            lattice[i + 1] = b * b;
            lattice[i + 2] = 0.5f * (r + b);
        }
        QFile cube(Path("look.cube"));
        ASSERT_TRUE(cube.open(QIODevice::WriteOnly));
        cube.write(CubeFile::Format(lattice.data(), 9, "look"));
    }
    QString Path(const QString& name) const { return m_dir.filePath(name); }

    CTempHome m_home;
    QTemporaryDir m_dir;
};
}  // namespace

TEST_F(CliGradeClip, ExportMatchesTheStillGradeFrameForFrame)
{
    // Uncompressed: every exported frame equals the frame graded as a still (8-bit on both sides).
    const SCliRun raw = RunCli({"grade", Path("clip.mp4"), Path("raw.mp4"), "--lut", Path("look.cube"), "--codec", "1"});
    ASSERT_EQ(raw.code, 0) << raw.err.toStdString();
    EXPECT_EQ(raw.out.trimmed(), Path("raw.avi")); // the extension follows the codec
    EXPECT_TRUE(raw.err.contains("100%")) << raw.err.toStdString();
    EXPECT_TRUE(raw.err.contains("frames 50/50")) << raw.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("raw.mp4")));

    ASSERT_TRUE(Ffmpeg({"-i", Path("clip.mp4"), "-vf", "select=eq(n\\,20)", "-frames:v", "1", Path("frame20.png")}));
    const SCliRun still = RunCli({"grade", Path("frame20.png"), Path("graded20.png"), "--lut", Path("look.cube")});
    ASSERT_EQ(still.code, 0) << still.err.toStdString();
    ASSERT_TRUE(Ffmpeg({"-i", Path("graded20.png"), "-f", "rawvideo", "-pix_fmt", "rgb24", Path("graded20.rgb")}));
    QFile gradedFile(Path("graded20.rgb"));
    ASSERT_TRUE(gradedFile.open(QIODevice::ReadOnly));
    const QByteArray graded = gradedFile.readAll();
    const QByteArray exported = DecodedFrame(Path("raw.avi"), 20, 128, 72);
    ASSERT_EQ(exported.size(), 128 * 72 * 3);
    ASSERT_EQ(graded.size(), exported.size());
    int worst = 0;
    for (qsizetype i = 0; i < graded.size(); ++i)
        worst = std::max(worst, std::abs(int(uint8_t(graded[i])) - int(uint8_t(exported[i]))));
    EXPECT_LE(worst, 1); // the still is rounded from 16 bits, the export takes the high byte

    // H.264 (crf 23, 4:2:0): the same frame within the loss of the codec. 4:2:0 halves the
    // colour resolution and crf 23 quantises; on this smooth picture that costs well under
    // 1.5 levels on average, i.e. a PSNR above 35 dB; the ungraded frame scores below 20.
    const SCliRun h264 = RunCli({"grade", Path("clip.mp4"), Path("out.mp4"), "--lut", Path("look.cube")});
    ASSERT_EQ(h264.code, 0) << h264.err.toStdString();
    EXPECT_GT(Psnr(DecodedFrame(Path("out.mp4"), 20, 128, 72), graded), 35.0);
    EXPECT_LT(Psnr(DecodedFrame(Path("clip.mp4"), 20, 128, 72), graded), 20.0); // the grade changed the frame

    QProcess probe;
    probe.start(QStandardPaths::findExecutable("ffprobe"), {"-v", "error", "-show_streams", "-show_format", Path("out.mp4")});
    probe.waitForFinished(30000);
    const QString info = QString::fromUtf8(probe.readAllStandardOutput());
    EXPECT_TRUE(info.contains("codec_type=audio"));
    EXPECT_TRUE(info.contains("TAG:title=Clip Title"));
}

TEST_F(CliGradeClip, OptionsShapeTheResult)
{
    const SCliRun run = RunCli({"grade", Path("clip.mp4"), Path("small.mp4"), "--size", "64x36", "--no-audio", "--no-metadata",
                          "--flip-x", "--blend", "3:8", "--compare", "centre", "--artefact", "2", "--quality", "lowest"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    QProcess probe;
    probe.start(QStandardPaths::findExecutable("ffprobe"), {"-v", "error", "-show_streams", "-show_format", Path("small.mp4")});
    probe.waitForFinished(30000);
    const QString info = QString::fromUtf8(probe.readAllStandardOutput());
    EXPECT_TRUE(info.contains("width=64"));
    EXPECT_TRUE(info.contains("height=36"));
    EXPECT_FALSE(info.contains("codec_type=audio"));
    EXPECT_FALSE(info.contains("Clip Title"));
}

TEST_F(CliGradeClip, RefusalsWriteNothing)
{
    const struct
    {
        QStringList args;
        const char* message;
    } cases[] = {
        {{"--codec", "2"}, "bad value for --codec"},
        {{"--quality", "great"}, "bad value for --quality"},
        {{"--artefact", "5"}, "bad value for --artefact"},
        {{"--blend", "4:1"}, "bad value for --blend"},
        {{"--blend", "3:12"}, "bad value for --blend"},
        {{"--compare", "left"}, "bad value for --compare"},
        {{"--size", "1x1"}, "bad size"},
        {{"--lut", "/nonexistent.cube"}, "cannot read LUT"},
    };
    CInvariantCheck check(60000);
    check.WatchFolder(m_dir.path());
    for (const auto& c : cases)
    {
        const SCliRun run = RunCli(QStringList{"grade", Path("clip.mp4"), Path("out.mp4")} + c.args);
        EXPECT_EQ(run.code, 2) << c.message;
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    const SCliRun still = RunCli({"grade", Path("clip.mp4"), Path("out.png"), "--flip-x"});
    EXPECT_NE(still.code, 0);
    EXPECT_TRUE(still.err.contains("--flip-x is for clips")) << still.err.toStdString();
    const SCliRun same = RunCli({"grade", Path("clip.mp4"), Path("clip.mp4")});
    EXPECT_EQ(same.code, 2);
    EXPECT_TRUE(same.err.contains("it is the input clip")) << same.err.toStdString();
    EXPECT_EQ(check.Violations(), QStringList());
}

TEST_F(CliGradeClip, UnusableSourcesSayWhatIsWrong)
{
    const char* const kNotMedia = "cannot probe '%1': not a media file ffprobe understands (damaged, cut short or of another kind)";
    // Empty, junk, cut in half with its index at the end, and sound without a picture.
    QFile clip(Path("clip.mp4"));
    ASSERT_TRUE(clip.open(QIODevice::ReadOnly));
    const QByteArray whole = clip.readAll();
    const QByteArray half = whole.left(whole.size() / 2);
    const struct
    {
        const char* name;
        QByteArray bytes;
        const char* message; // %1: the clip
    } cases[] = {
        {"empty.mp4", "", "'%1' is empty (0 bytes), not a video clip"},
        {"junk.mp4", QByteArray(1024, 'j'), kNotMedia},
        {"half.mp4", half, kNotMedia},
    };
    for (const auto& c : cases)
    {
        QFile file(Path(c.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.bytes) == c.bytes.size());
    }
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "sine=d=1", "-c:a", "aac", Path("sound.mp4")}));
    CInvariantCheck check(60000);
    check.WatchFolder(m_dir.path());
    for (const auto& c : cases)
    {
        const SCliRun run = RunCli({"grade", Path(c.name), Path("out.mp4")});
        EXPECT_EQ(run.code, 2) << c.name;
        EXPECT_EQ(run.err, "vantrope-cli: " + QString(c.message).arg(Path(c.name)) + "\n");
    }
    const SCliRun sound = RunCli({"grade", Path("sound.mp4"), Path("out.mp4")});
    EXPECT_EQ(sound.code, 2);
    EXPECT_EQ(sound.err, QStringLiteral("vantrope-cli: '%1' holds no video stream, only 1 audio stream(s)\n").arg(Path("sound.mp4")));
    EXPECT_EQ(check.Violations(), QStringList());
}

TEST_F(CliGradeClip, CtrlCAtAnyStageStopsTheExportAndLeavesNothing)
{
    for (const QString stage : {"probe", "encoder"})
    {
        SCOPED_TRACE(stage.toStdString());
        CFakeTools tools;
        ASSERT_TRUE(tools.IsValid());
        tools.SetFault(stage + "=hang"); // the export stands still there until it is interrupted
        tools.StartSpy();
        CInvariantCheck check(30000);
        check.WatchFolder(m_dir.path());
        check.WatchFile(Path("clip.mp4"));
        QProcess process;
        process.start(VANTROPE_BIN_DIR "/vantrope-cli", {"grade", Path("clip.mp4"), Path("out.mp4")});
        ASSERT_TRUE(process.waitForStarted());
        // Ctrl-C as soon as the program of that stage runs.
        const auto running = [&] {
            const QList<CFakeTools::SRun> runs = tools.Runs();
            return std::any_of(runs.begin(), runs.end(), [&](const CFakeTools::SRun& run) { return run.strStage == stage; });
        };
        QElapsedTimer waited;
        waited.start();
        while (!running() && waited.elapsed() < 20000)
            QThread::msleep(20);
        ASSERT_TRUE(running());
        kill(pid_t(process.processId()), SIGINT);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 3);
        EXPECT_TRUE(QString::fromLocal8Bit(process.readAllStandardError()).contains("export aborted"));
        EXPECT_EQ(check.Violations(), QStringList());
    }
}

TEST_F(CliGradeClip, WhatAKilledExportLeftIsRemovedAtTheNextStart)
{
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    tools.SetFault("encoder=hang-after:5"); // the intermediate stream is written, then the export stands still
    // A temp folder of this test, so its listing holds only what these runs make.
    ASSERT_TRUE(QDir().mkpath(Path("tmp")));
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(Path("tmp")));
    const auto restore = qScopeGuard([&] { qputenv("TMPDIR", savedTmp); });
    CInvariantCheck check(60000);
    check.WatchFolder(m_dir.path());
    check.ExpectOutput(Path("tmp") + QStringLiteral("/vantrope-%1").arg(getuid()));

    QProcess process;
    process.start(VANTROPE_BIN_DIR "/vantrope-cli", {"grade", Path("clip.mp4"), Path("out.mp4")});
    ASSERT_TRUE(process.waitForStarted());
    const auto leftovers = [&] { return QDir(m_dir.path()).entryList({"017010200_Tmp_VideoStream-*"}, QDir::Files); };
    QElapsedTimer waited;
    waited.start();
    while (leftovers().isEmpty() && waited.elapsed() < 20000)
        QThread::msleep(20);
    kill(pid_t(process.processId()), SIGKILL);
    ASSERT_TRUE(process.waitForFinished(10000));
    // What the killed program left: its intermediate beside the destination and its temp folder.
    ASSERT_EQ(leftovers().size(), 1);
    EXPECT_EQ(QDir(Path("tmp") + QStringLiteral("/vantrope-%1").arg(getuid())).entryList({"movie-*"}, QDir::Dirs).size(), 1);

    const SCliRun next = RunCli({"probe", Path("clip.mp4")});
    EXPECT_EQ(next.code, 0) << next.err.toStdString();
    EXPECT_EQ(check.Violations(), QStringList());
}
