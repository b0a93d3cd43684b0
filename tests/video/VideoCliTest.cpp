// vantrope-cli probe and frame, run as the user runs them.
#include "core/StillImage.h"
#include "tests/support/FakeTools.h"
#include "tests/support/InvariantCheck.h"
#include "tests/video/TestClips.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace
{
struct SCliResult
{
    int code = -1;
    QString out, err;
};

QProcess* StartCli(const QStringList& arguments)
{
    auto* process = new QProcess;
    process->start(QStringLiteral(VANTROPE_BIN_DIR) + "/vantrope-cli", arguments);
    return process;
}

SCliResult RunCli(const QStringList& arguments)
{
    std::unique_ptr<QProcess> process(StartCli(arguments));
    SCliResult result;
    if (!process->waitForFinished(60000))
        return result;
    result.code = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    result.out = QString::fromUtf8(process->readAllStandardOutput());
    result.err = QString::fromUtf8(process->readAllStandardError());
    return result;
}

QStringList ChildrenOf(qint64 pid)
{
    QStringList children;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    {
        QFile file(tasks + "/" + task + "/children");
        if (file.open(QIODevice::ReadOnly))
            children << QString::fromLatin1(file.readAll()).split(' ', Qt::SkipEmptyParts);
    }
    return children;
}
}  // namespace

TEST(VideoCli, ProbePrintsOneKeyALine)
{
    CInvariantCheck check(60000);
    check.WatchFolder(TestPrivateTemp());
    const struct
    {
        EClip clip;
        const char* expected;
    } cases[] = {
        {EClip::ePlain,
         "main_stream: 0\nwidth: 64\nheight: 36\nframe_rate: 30000/1001\nduration: 0.301\nframes: 9\n"
         "video_streams: 1\nmain_video_streams: 1\naudio_streams: 1\naudio_codec_0: aac\n"},
        {EClip::eCoverFirst,
         "main_stream: 1\nwidth: 64\nheight: 36\nframe_rate: 25/1\nduration: 4\nframes: 10\n"
         "video_streams: 2\nmain_video_streams: 1\naudio_streams: 0\n"},
    };
    for (const auto& c : cases)
    {
        const SCliResult result = RunCli({"probe", TestClip(c.clip)});
        EXPECT_EQ(result.code, 0) << result.err.toStdString();
        EXPECT_EQ(result.out, QString::fromUtf8(c.expected));
        EXPECT_EQ(result.err, QString());
    }
    EXPECT_EQ(check.Violations(), QStringList());
}

TEST(VideoCli, FailuresGiveOneLineAndAnErrorCode)
{
    const QString missing = TestScratchFolder() + "/missing.mp4";
    const struct
    {
        QStringList arguments;
        const char* message;
        const char* missingTool;
    } cases[] = {
        {{"probe", missing}, "cannot read clip", nullptr},
        {{"probe", TestScratchFolder()}, "not a regular file", nullptr},
        {{"probe", TestClip(EClip::eJunk)}, "not a media file", nullptr},
        {{"probe", TestClip(EClip::eAudioOnly)}, "holds no video stream", nullptr},
        {{"probe", TestClip(EClip::ePlain)}, "ffprobe not found", "ffprobe"},
        {{"frame", TestClip(EClip::ePlain), "--at", "0", "--out", TestScratchFolder() + "/x.png"}, "ffmpeg not found", "ffmpeg"},
        {{"frame", missing, "--at", "0", "--out", TestScratchFolder() + "/x.png"}, "cannot read clip", nullptr},
        {{"frame", TestClip(EClip::ePlain), "--at", "100000", "--out", TestScratchFolder() + "/x.png"},
         "no frame could be extracted", nullptr},
        {{"frame", TestClip(EClip::ePlain), "--at", "0", "--out", TestScratchFolder() + "/x"}, "no extension", nullptr},
        {{"frame", TestClip(EClip::ePlain), "--at", "-5", "--out", TestScratchFolder() + "/x.png"}, "bad position", nullptr},
        {{"frame", TestClip(EClip::ePlain), "--frame", "9", "--out", TestScratchFolder() + "/x.png"},
         "has no frame 9 (its last is frame 8)", nullptr},
        {{"frame", TestClip(EClip::ePlain), "--frame", "1", "--at", "0", "--out", TestScratchFolder() + "/x.png"},
         "give either --at or --frame", nullptr},
        {{"frame", TestClip(EClip::eTruncated), "--frame", "1", "--out", TestScratchFolder() + "/x.png"}, "cannot decode",
         nullptr},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        CInvariantCheck check(60000);
        check.WatchFolder(TestPrivateTemp());
        check.WatchFolder(TestScratchFolder());
        CFakeTools tools;
        if (c.missingTool)
            tools.Break(c.missingTool, CFakeTools::eMISSING);
        const SCliResult result = RunCli(c.arguments);
        EXPECT_GT(result.code, 0);
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(QLatin1String(c.message))) << result.err.toStdString();
        EXPECT_EQ(check.Violations(), QStringList());
    }
}

TEST(VideoCli, FrameWritesTheImage)
{
    const QString out = TestScratchFolder() + "/frame.bmp";
    CInvariantCheck check(60000);
    check.WatchFolder(TestPrivateTemp());
    check.ExpectOutput(out);
    for (const auto& [size, expected] : {std::pair<QString, QSize>{"", {64, 36}}, {"16x10", {16, 10}}})
    {
        QStringList arguments{"frame", TestClip(EClip::eTwoSeconds), "--at", "1500", "--out", out};
        if (!size.isEmpty())
            arguments << "--size" << size;
        const SCliResult result = RunCli(arguments);
        EXPECT_EQ(result.code, 0) << result.err.toStdString();
        QSize written;
        EXPECT_FALSE(ReadBmpRgb(out, written).empty());
        EXPECT_EQ(written, expected);
    }
    EXPECT_EQ(check.Violations(), QStringList());
    QFile::remove(out);
}

TEST(VideoCli, FrameNumberGivesTheFrameTheConverterExtractsAtItsTime)
{
    // Frame 37 of a 25 fps clip starts at 1480 ms; the converter's accurate seek takes it from there.
    const QString decoded = TestScratchFolder() + "/frame37.png", extracted = TestScratchFolder() + "/at1480.ppm";
    ASSERT_EQ(RunCli({"frame", TestClip(EClip::eShortGop), "--frame", "37", "--out", decoded}).code, 0);
    ASSERT_EQ(RunCli({"frame", TestClip(EClip::eShortGop), "--at", "1480", "--out", extracted}).code, 0);
    Helper::CRGB48Buffer a, b;
    QString error;
    ASSERT_TRUE(StillImage::Load(decoded, a, error)) << error.toStdString();
    ASSERT_TRUE(StillImage::Load(extracted, b, error)) << error.toStdString();
    ASSERT_EQ(a.GetSize(), QSize(96, 54));
    ASSERT_EQ(b.GetSize(), a.GetSize());
    EXPECT_TRUE(std::equal(a.GetData(), a.GetData() + 96 * 54 * 3, b.GetData()));
    QFile::remove(decoded);
    QFile::remove(extracted);
}

TEST(VideoCli, ParallelProbesKeepTheirOwnAnswers)
{
    // Two programs probing different clips at the same time each see their own clip.
    const QString wide = TestClip(EClip::ePlain), narrow = TestClip(EClip::eOddLossless);
    for (int round = 0; round < 8; ++round)
    {
        std::unique_ptr<QProcess> a(StartCli({"probe", wide})), b(StartCli({"probe", narrow}));
        ASSERT_TRUE(a->waitForFinished(60000) && b->waitForFinished(60000));
        EXPECT_TRUE(a->readAllStandardOutput().contains("\nwidth: 64\n")) << round;
        EXPECT_TRUE(b->readAllStandardOutput().contains("\nwidth: 33\n")) << round;
    }
}

TEST(VideoCli, CtrlCEndsAHungProbeOrFrameWithoutLeftovers)
{
    const struct
    {
        const char* fault;
        QStringList arguments;
    } cases[] = {
        {"probe=hang", {"probe", TestClip(EClip::ePlain)}},
        {"extract=hang", {"frame", TestClip(EClip::ePlain), "--at", "0", "--out", TestScratchFolder() + "/never.png"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.fault);
        CFakeTools tools;
        ASSERT_TRUE(tools.IsValid());
        tools.SetFault(c.fault);
        CInvariantCheck check(30000);
        check.WatchFolder(TestPrivateTemp());
        check.WatchFolder(TestScratchFolder());
        std::unique_ptr<QProcess> cli(StartCli(c.arguments));
        ASSERT_TRUE(cli->waitForStarted());
        QElapsedTimer timer;
        timer.start();
        while (ChildrenOf(cli->processId()).isEmpty() && timer.elapsed() < 20000)
            QThread::msleep(20);
        ::kill(pid_t(cli->processId()), SIGINT);
        ASSERT_TRUE(cli->waitForFinished(10000));
        EXPECT_EQ(cli->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(cli->exitCode(), 3);
        EXPECT_TRUE(cli->readAllStandardError().contains("interrupted"));
        EXPECT_EQ(check.Violations(), QStringList());
    }
}

TEST(VideoCli, ChildrenDieWithTheProgram)
{
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    tools.SetFault("extract=hang");
    std::unique_ptr<QProcess> cli(
        StartCli({"frame", TestClip(EClip::ePlain), "--at", "0", "--out", TestScratchFolder() + "/never.png"}));
    ASSERT_TRUE(cli->waitForStarted());
    QStringList children;
    QElapsedTimer timer;
    timer.start();
    while ((children = ChildrenOf(cli->processId())).isEmpty() && timer.elapsed() < 20000)
        QThread::msleep(20);
    ASSERT_EQ(children.size(), 1);
    ::kill(pid_t(cli->processId()), SIGKILL);
    ASSERT_TRUE(cli->waitForFinished(5000));
    timer.restart();
    while (QFile::exists("/proc/" + children[0]) && timer.elapsed() < 2000)
        QThread::msleep(20);
    EXPECT_FALSE(QFile::exists("/proc/" + children[0]));
    // The killed program had no chance to remove its own temp folder.
    for (const QString& left : QDir(TestPrivateTemp()).entryList({"movie-*"}, QDir::Dirs))
        QDir(TestPrivateTemp() + "/" + left).removeRecursively();
}
