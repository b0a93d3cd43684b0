// vantrope-cli probe and frame, run as the user runs them.
#include "tests/video/TestClips.h"

#include <csignal>

namespace
{
QProcess* StartCli(const QStringList& arguments)
{
    auto* process = new QProcess;
    process->start(QStringLiteral(VANTROPE_BIN_DIR) + "/vantrope-cli", arguments);
    return process;
}

// The process ids of the program's children, once it has any (waiting at most 20 s).
QStringList ChildrenOf(const QProcess& process)
{
    const QString tasks = QStringLiteral("/proc/%1/task").arg(process.processId());
    QStringList children;
    WaitUntil([&] {
        children.clear();
        for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            children << QString::fromLatin1(ReadWholeFile(tasks + "/" + task + "/children")).split(' ', Qt::SkipEmptyParts);
        return !children.isEmpty();
    });
    return children;
}
}  // namespace

TEST(VideoCli, ProbePrintsOneKeyALine)
{
    CTidyScope check(60000, {TestPrivateTemp()});
    const std::pair<EClip, const char*> cases[] = {
        {EClip::ePlain,
         "main_stream: 0\nwidth: 64\nheight: 36\nframe_rate: 30000/1001\nduration: 0.301\nframes: 9\n"
         "video_streams: 1\nmain_video_streams: 1\naudio_streams: 1\naudio_codec_0: aac\n"},
        {EClip::eCoverFirst,
         "main_stream: 1\nwidth: 64\nheight: 36\nframe_rate: 25/1\nduration: 4\nframes: 10\n"
         "video_streams: 2\nmain_video_streams: 1\naudio_streams: 0\n"},
    };
    for (const auto& [clip, expected] : cases)
    {
        const SCliRun result = RunCli({"probe", TestClip(clip)});
        EXPECT_EQ(result.code, 0) << result.err.toStdString();
        EXPECT_EQ(result.out, QString::fromUtf8(expected));
        EXPECT_EQ(result.err, QString());
    }
}

TEST(VideoCli, FailuresGiveOneLineAndAnErrorCode)
{
    const QString missing = TestScratchFolder() + "/missing.mp4", clip = TestClip(EClip::ePlain);
    const auto frame = [&](const QStringList& options, const QString& source = {}) {
        return QStringList{"frame", source.isEmpty() ? clip : source} + options + QStringList{"--out", TestScratchFolder() + "/x.png"};
    };
    const struct
    {
        QStringList arguments;
        const char* message;
        const char* missingTool = nullptr;
    } cases[] = {
        {{"probe", missing}, "cannot read clip"}, {{"probe", TestScratchFolder()}, "not a regular file"},
        {{"probe", TestClip(EClip::eJunk)}, "not a media file"}, {{"probe", TestClip(EClip::eAudioOnly)}, "holds no video stream"},
        {{"probe", clip}, "ffprobe not found", "ffprobe"}, {frame({"--at", "0"}), "ffmpeg not found", "ffmpeg"},
        {frame({"--at", "0"}, missing), "cannot read clip"}, {frame({"--at", "100000"}), "no frame could be extracted"},
        {{"frame", clip, "--at", "0", "--out", TestScratchFolder() + "/x"}, "no extension"}, {frame({"--at", "-5"}), "bad position"},
        {frame({"--frame", "9"}), "has no frame 9 (its last is frame 8)"},
        {frame({"--frame", "1", "--at", "0"}), "give either --at or --frame"},
        {frame({"--frame", "1"}, TestClip(EClip::eTruncated)), "cannot decode"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        CTidyScope check(60000, {TestPrivateTemp(), TestScratchFolder()});
        CFakeTools tools;
        if (c.missingTool)
            tools.Break(c.missingTool, CFakeTools::eMISSING);
        const SCliRun result = RunCli(c.arguments);
        EXPECT_GT(result.code, 0);
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(QLatin1String(c.message))) << result.err.toStdString();
    }
}

TEST(VideoCli, FrameWritesTheImageAtATimeOrAFrameNumber)
{
    // Frame 37 of a 25 fps clip starts at 1480 ms; the converter's accurate seek takes it from there.
    const QString clip = TestClip(EClip::eShortGop), decoded = TestScratchFolder() + "/frame37.png",
                  extracted = TestScratchFolder() + "/at1480.ppm", small = TestScratchFolder() + "/small.ppm";
    CTidyScope check(60000, {TestPrivateTemp()});
    ASSERT_EQ(RunCli({"frame", clip, "--frame", "37", "--out", decoded}).code, 0);
    ASSERT_EQ(RunCli({"frame", clip, "--at", "1480", "--out", extracted}).code, 0);
    ASSERT_EQ(RunCli({"frame", clip, "--at", "1480", "--size", "16x10", "--out", small}).code, 0);
    QSize size;
    EXPECT_FALSE(ReadPpmRgb(small, size).empty());
    EXPECT_EQ(size, QSize(16, 10));
    const std::vector<uint16_t> frame = LoadImage(decoded, &size);
    EXPECT_EQ(size, QSize(96, 54));
    EXPECT_TRUE(frame == LoadImage(extracted)); // the same frame, sample for sample
    for (const QString& file : {decoded, extracted, small})
        QFile::remove(file);
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

TEST(VideoCli, CtrlCEndsAHungProbeOrFrameWithoutLeftoversAndChildrenDieWithTheProgram)
{
    const QStringList frame{"frame", TestClip(EClip::ePlain), "--at", "0", "--out", TestScratchFolder() + "/never.png"};
    const std::tuple<const char*, QStringList, int> cases[] = { // fault, command, signal
        {"probe=hang", {"probe", TestClip(EClip::ePlain)}, SIGINT},
        {"extract=hang", frame, SIGINT},
        {"extract=hang", frame, SIGKILL},
    };
    for (const auto& [fault, arguments, stop] : cases)
    {
        SCOPED_TRACE(std::string(fault) + " " + strsignal(stop));
        CFakeTools tools;
        ASSERT_TRUE(tools.IsValid());
        tools.SetFault(fault);
        CInvariantCheck check(30000);
        check.WatchFolder(TestPrivateTemp());
        check.WatchFolder(TestScratchFolder());
        std::unique_ptr<QProcess> cli(StartCli(arguments));
        ASSERT_TRUE(cli->waitForStarted());
        const QStringList children = ChildrenOf(*cli);
        ASSERT_EQ(children.size(), 1);
        ::kill(pid_t(cli->processId()), stop);
        ASSERT_TRUE(cli->waitForFinished(10000));
        if (stop == SIGINT)
        {
            EXPECT_EQ(cli->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(cli->exitCode(), 3);
            EXPECT_TRUE(cli->readAllStandardError().contains("interrupted"));
            EXPECT_EQ(check.Violations(), QStringList());
            continue;
        }
        EXPECT_TRUE(WaitUntil([&] { return !QFile::exists("/proc/" + children[0]); }));
        // The killed program had no chance to remove its own temp folder.
        for (const QString& left : QDir(TestPrivateTemp()).entryList({"movie-*"}, QDir::Dirs))
            QDir(TestPrivateTemp() + "/" + left).removeRecursively();
    }
}
