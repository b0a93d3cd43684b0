// vantrope-cli grade on clips: a graded export with its progress line, the exported frame
// against the same frame graded as a still, a layer file on every frame, the option and source
// refusals, Ctrl-C, and a killed export.
#include "tests/cli/CliRun.h"
#include "lut/CubeFile.h"
#include "lut/LutLattice.h"
#include "tests/support/FakeTools.h"

#include <QDir>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>
#include <csignal>

#include <unistd.h>

namespace
{
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

// Frame 20 of a 128 × 72 clip as packed 8-bit RGB.
QByteArray Frame20(const QString& clip)
{
    return DecodedFrames(clip).mid(qsizetype(20) * 128 * 72 * 3, 128 * 72 * 3);
}

class CliGradeClip : public CCliTest
{
protected:
    void SetUp() override
    {
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
        Write("look.cube", CubeFile::Format(lattice.data(), 9, "look"));
    }
};
}  // namespace

TEST_F(CliGradeClip, ExportMatchesTheStillGradeFrameForFrame)
{
    // Uncompressed: every exported frame equals the frame graded as a still (8-bit on both sides).
    const SCliRun raw = RunCli({"grade", Path("clip.mp4"), Path("raw.mp4"), "--lut", Path("look.cube"), "--codec", "1"});
    ASSERT_EQ(raw.code, 0) << raw.err.toStdString();
    EXPECT_EQ(raw.out.trimmed(), Path("raw.avi")); // the extension follows the codec
    EXPECT_TRUE(raw.err.contains("100%") && raw.err.contains("frames 50/50")) << raw.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("raw.mp4")));

    ASSERT_TRUE(Ffmpeg({"-i", Path("clip.mp4"), "-vf", "select=eq(n\\,20)", "-frames:v", "1", Path("frame20.png")}));
    const SCliRun still = RunCli({"grade", Path("frame20.png"), Path("graded20.png"), "--lut", Path("look.cube")});
    ASSERT_EQ(still.code, 0) << still.err.toStdString();
    QByteArray graded;
    ASSERT_TRUE(Ffmpeg({"-i", Path("graded20.png"), "-f", "rawvideo", "-pix_fmt", "rgb24", "-"}, &graded));
    const QByteArray exported = Frame20(Path("raw.avi"));
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
    EXPECT_GT(Psnr(Frame20(Path("out.mp4")), graded), 35.0);
    EXPECT_LT(Psnr(Frame20(Path("clip.mp4")), graded), 20.0); // the grade changed the frame
    const QString info = Probe(Path("out.mp4"));
    EXPECT_TRUE(info.contains("codec_type=audio") && info.contains("TAG:title=Clip Title")) << info.toStdString();

    const SCliRun small = RunCli({"grade", Path("clip.mp4"), Path("small.mp4"), "--size", "64x36", "--no-audio", "--no-metadata",
                                  "--flip-x", "--blend", "3:8", "--compare", "centre", "--artefact", "2", "--quality", "lowest"});
    ASSERT_EQ(small.code, 0) << small.err.toStdString();
    const QString smallInfo = Probe(Path("small.mp4"));
    EXPECT_TRUE(smallInfo.contains("width=64") && smallInfo.contains("height=36")) << smallInfo.toStdString();
    EXPECT_FALSE(smallInfo.contains("codec_type=audio") || smallInfo.contains("Clip Title")) << smallInfo.toStdString();
}

TEST_F(CliGradeClip, LayerFileRecoloursEveryFrame)
{
    // The default red selection of one active layer, moved to green.
    Write("green.cml", "[General]\nVersionMajor=1\nVersionMinor=0\nLayer=1\n[Layer0]\nm_bActive=true\nm_fDstHue=0.33333333\n");
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "color=c=red:s=64x48:r=10:d=1", "-c:v", "libx264", "-crf", "10", "-pix_fmt",
                        "yuv444p", Path("red.mp4")}));
    const SCliRun run = RunCli({"grade", Path("red.mp4"), Path("green.mp4"), "--layers", Path("green.cml"), "--no-audio"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QByteArray frames = DecodedFrames(Path("green.mp4"));
    ASSERT_GE(frames.size(), 64 * 48 * 3 * 10);
    for (qsizetype frame = 0; frame < 10; ++frame)
    {
        const qsizetype centre = frame * 64 * 48 * 3 + (24 * 64 + 32) * 3;
        EXPECT_GT(uint8_t(frames[centre + 1]), 200) << frame;
        EXPECT_LT(uint8_t(frames[centre]), 60) << frame;
    }
}

TEST_F(CliGradeClip, RefusedOptionsAndUnusableSourcesWriteNothing)
{
    const QString kNotMedia = "cannot probe '%1': not a media file ffprobe understands (damaged, cut short or of another kind)";
    // Empty, junk, cut in half with its index at the end, and sound without a picture.
    const QByteArray whole = FileBytes(Path("clip.mp4"));
    Write("half.mp4", whole.left(whole.size() / 2));
    Write("empty.mp4", "");
    Write("junk.mp4", QByteArray(1024, 'j'));
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "sine=d=1", "-c:a", "aac", Path("sound.mp4")}));
    const struct
    {
        const char* input;
        const char* output;
        QStringList args;
        QString message; // %1: the input
    } cases[] = {
        {"clip.mp4", "out.mp4", {"--codec", "2"}, "bad value for --codec"},
        {"clip.mp4", "out.mp4", {"--quality", "great"}, "bad value for --quality"},
        {"clip.mp4", "out.mp4", {"--artefact", "5"}, "bad value for --artefact"},
        {"clip.mp4", "out.mp4", {"--blend", "4:1"}, "bad value for --blend"},
        {"clip.mp4", "out.mp4", {"--blend", "3:12"}, "bad value for --blend"},
        {"clip.mp4", "out.mp4", {"--compare", "left"}, "bad value for --compare"},
        {"clip.mp4", "out.mp4", {"--size", "1x1"}, "bad size"},
        {"clip.mp4", "out.mp4", {"--lut", "/nonexistent.cube"}, "cannot read LUT"},
        {"clip.mp4", "out.png", {"--flip-x"}, "--flip-x is for clips"},
        {"clip.mp4", "clip.mp4", {}, "cannot write '%1': it is the input clip"},
        {"empty.mp4", "out.mp4", {}, "'%1' is empty (0 bytes), not a video clip"},
        {"junk.mp4", "out.mp4", {}, kNotMedia},
        {"half.mp4", "out.mp4", {}, kNotMedia},
        {"sound.mp4", "out.mp4", {}, "'%1' holds no video stream, only 1 audio stream(s)"},
    };
    for (const auto& c : cases)
        ExpectRefusal(QStringList{"grade", Path(c.input), Path(c.output)} + c.args, 2, c.message.arg(Path(c.input)));
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
        ASSERT_TRUE(WaitUntil([&] {
            const QList<CFakeTools::SRun> runs = tools.Runs();
            return std::any_of(runs.begin(), runs.end(), [&](const CFakeTools::SRun& run) { return run.strStage == stage; });
        }));
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
    const QString movies = Path("tmp") + QStringLiteral("/vantrope-%1").arg(getuid());
    CInvariantCheck check(60000);
    check.WatchFolder(m_dir.path());
    check.ExpectOutput(movies);

    QProcess process;
    process.start(VANTROPE_BIN_DIR "/vantrope-cli", {"grade", Path("clip.mp4"), Path("out.mp4")});
    ASSERT_TRUE(process.waitForStarted());
    const auto leftovers = [&] { return QDir(m_dir.path()).entryList({"017010200_Tmp_VideoStream-*"}, QDir::Files); };
    WaitUntil([&] { return !leftovers().isEmpty(); });
    kill(pid_t(process.processId()), SIGKILL);
    ASSERT_TRUE(process.waitForFinished(10000));
    // What the killed program left: its intermediate beside the destination and its temp folder.
    ASSERT_EQ(leftovers().size(), 1);
    EXPECT_EQ(QDir(movies).entryList({"movie-*"}, QDir::Dirs).size(), 1);

    const SCliRun next = RunCli({"probe", Path("clip.mp4")});
    EXPECT_EQ(next.code, 0) << next.err.toStdString();
    EXPECT_EQ(check.Violations(), QStringList());
}
