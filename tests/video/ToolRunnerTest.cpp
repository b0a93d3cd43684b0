// The process runners: frame counters, outcomes of runs, kills, program lookup, pipe text.
#include "tests/video/TestClips.h"
#include "video/Bin.h"
#include "video/CommandLine.h"
#include "video/EventPump.h"

#include <QCoreApplication>

#include <climits>
#include <cstring>

TEST(CommandLine, FrameCountersTimePositionsAndUnquotedArguments)
{
    // Several progress lines: the first counts; every blank is removed before the search.
    const std::pair<const char*, int> counters[] = {
        {"frame=  123 fps= 25 q=28.0 size=  256kB", 123}, {"frame=    1 fps=0.0\rframe=    2 fps=0.0\r", 1},
        {"  fr ame = 12 fps", 12}, {"frame=\n\t 45\n", 45}, {"size=1kB time=00:00:01.00", -1}, {"frame=abc", -1},
        {"frame=", -1}, {"", -1}, {"frame=0 fps", 0}, {"frame=99999999999999", INT_MAX}};
    for (const auto& [chunk, expected] : counters)
        EXPECT_EQ(ParseFrameCounter(QString::fromLatin1(chunk)), expected) << chunk;

    const std::pair<qint64, const char*> times[] = {
        {0, "00:00:00.000"}, {1, "00:00:00.001"}, {61001, "00:01:01.001"}, {3599999, "00:59:59.999"},
        {3600000, "01:00:00.000"}, {360000000, "100:00:00.000"}, {-1, ""}};
    for (const auto& [ms, text] : times)
        EXPECT_EQ(FormatTimePosition(ms), QString::fromLatin1(text)) << ms;

    SToolCommand command{"/opt/x y/ffmpeg", {}, {}};
    command.Add({"-threads", "2", "-i"}).AddPath("/clips/a b %1 \"c\".mp4").Add({"-f", "image2pipe", "-"});
    // Only the logged command line quotes the program and paths; the argument list never does.
    EXPECT_EQ(command.arguments, QStringList({"-threads", "2", "-i", "/clips/a b %1 \"c\".mp4", "-f", "image2pipe", "-"}));
    EXPECT_EQ(command.CommandLine(), "\"/opt/x y/ffmpeg\" -threads 2 -i \"/clips/a b %1 \"c\".mp4\" -f image2pipe -");
}

namespace
{
// Waits the way a busy caller does: output piles up while sleeping and arrives all at once.
class CSleepingPump : public IEventPump
{
public:
    void Pause(int milliseconds) override
    {
        QThread::msleep(milliseconds);
        QCoreApplication::processEvents();
        ++m_iPauses;
    }
    void Wake() override {}
    int m_iPauses = 0;
};
}  // namespace

TEST(FrameCounter, TheNewestProgressLineCountsWhenOutputPilesUp)
{
    CSleepingPump pump;
    CFFmpegBin converter(nullptr, &pump);
    const QStringList count{"-i", TestClip(EClip::eTwoSeconds), "-map", "0:v:0", "-c", "copy", "-f", "null", "-"};
    ASSERT_TRUE(converter.Run(count, true, true));
    EXPECT_TRUE(converter.FinishedOk());
    EXPECT_GE(pump.m_iPauses, 1);
    EXPECT_EQ(converter.LastFrame(), 50);
    // Without progress parsing the counter stays at 0.
    ASSERT_TRUE(converter.Run(count, true, false));
    EXPECT_EQ(converter.LastFrame(), 0);
}

TEST(ToolRunner, OutcomeFollowsExitCodeStatusAndSilence)
{
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    const QString clip = TestClip(EClip::eTwoSeconds), answer = TestScratchFolder() + "/answer.ini";
    // The prober writes its answer only on success, and no output is no answer. 1 MiB of error
    // output before the work is drained without a dead-lock; a program that hangs is stopped at
    // the limit (the converter once silent, the prober at its time limit).
    // Fault, the converter's and the prober's success, what the answer file holds (nullptr: none).
    const std::tuple<const char*, bool, bool, const char*> cases[] = {
        {"", true, true, "codec_type=video"}, {"any=exit1", false, false, nullptr}, {"any=segv", false, false, nullptr},
        {"any=empty", true, false, nullptr},  {"any=junk", true, true, "this is not an answer"},
        {"any=stderr-flood", true, true, "codec_type=video"}, {"any=hang", false, false, nullptr},
    };
    for (const auto& [fault, converterOk, proberOk, content] : cases)
    {
        SCOPED_TRACE(fault);
        const bool hang = std::strcmp(fault, "any=hang") == 0;
        QFile::remove(answer);
        CTidyScope check(20000);
        tools.SetFault(fault);
        CFFmpegBin converter;
        converter.SetSilenceLimit(hang ? 300 : 20000);
        EXPECT_TRUE(converter.Run({"-i", clip, "-map", "0:v:0", "-c", "copy", "-f", "null", "-"}, true, true));
        EXPECT_EQ(converter.FinishedOk(), converterOk);
        EXPECT_EQ(converter.TimedOut(), hang);
        EXPECT_FALSE(converter.IsRunning());
        CFFprobeBin prober;
        prober.SetTimeLimit(hang ? 500 : 30000);
        EXPECT_EQ(prober.Run({"-v", "quiet", "-print_format", "ini", "-show_streams", clip}, answer), proberOk);
        EXPECT_EQ(prober.TimedOut(), hang);
        EXPECT_EQ(QFile::exists(answer), content != nullptr);
        EXPECT_TRUE(!content || ReadWholeFile(answer).contains(content));
    }
    QFile::remove(answer);
    CFFprobeBin prober;
    EXPECT_FALSE(prober.Run({}, answer));
    EXPECT_FALSE(prober.Run({"-version"}, QString()));

    // The end report alone decides: code 0 with a crash status is no success.
    CFFmpegBin converter;
    ASSERT_TRUE(converter.Reset(false));
    QMetaObject::invokeMethod(&converter, "OnFinshed", Q_ARG(int, 0), Q_ARG(QProcess::ExitStatus, QProcess::CrashExit));
    EXPECT_FALSE(converter.FinishedOk());
    QMetaObject::invokeMethod(&converter, "OnFinshed", Q_ARG(int, 0), Q_ARG(QProcess::ExitStatus, QProcess::NormalExit));
    EXPECT_TRUE(converter.FinishedOk());
}

TEST(ToolRunner, ResetKillsARunningProcessFirst)
{
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    tools.SetFault("any=hang");
    CTidyScope check(20000); // no child left at the end
    CFFmpegBin converter;
    ASSERT_TRUE(converter.Run({"-version"}, false, true));
    EXPECT_TRUE(converter.IsRunning());
    EXPECT_EQ(CInvariantCheck::LiveChildren().size(), 1);
    ASSERT_TRUE(converter.Reset(false));
    EXPECT_FALSE(converter.IsRunning());
    EXPECT_FALSE(converter.FinishedOk());
    EXPECT_EQ(converter.LastFrame(), 0);

    // The destructor ends a run still going as well.
    {
        CFFmpegBin other;
        ASSERT_TRUE(other.Run({"-version"}, false, false));
    }
}

TEST(ToolRunner, UnusableProgramsMakeEveryRunFail)
{
    for (CFakeTools::EBreak how : {CFakeTools::eMISSING, CFakeTools::eNOT_EXECUTABLE, CFakeTools::eDIRECTORY})
    {
        CFakeTools broken;
        broken.Break("ffmpeg", how);
        broken.Break("ffprobe", how);
        CFFmpegBin converter;
        CFFprobeBin prober;
        EXPECT_FALSE(converter.IsValid()) << how;
        EXPECT_FALSE(converter.Run({"-version"}, true, false)) << how;
        EXPECT_FALSE(prober.Run({"-version"}, TestScratchFolder() + "/never.ini")) << how;
        EXPECT_FALSE(QFile::exists(TestScratchFolder() + "/never.ini"));
        EXPECT_TRUE(converter.ExecutablePath().startsWith(broken.Folder())) << how;
    }

    // Found once, valid for good; a run still needs the program to be there.
    CFakeTools later;
    CFFmpegBin converter;
    EXPECT_TRUE(converter.IsValid());
    later.Break("ffmpeg", CFakeTools::eMISSING);
    EXPECT_TRUE(converter.IsValid());
    EXPECT_FALSE(converter.Run({"-version"}, true, false));
}

TEST(ToolRunner, ProgramLookupOrder)
{
    CFakeTools restores; // the override folder as it was before
    qunsetenv("VANTROPE_FFMPEG_DIR");
    QTemporaryDir app;
    CBin::SetApplicationDirectory(app.path());
    CFFmpegBin converter;
    // The application's own folder comes before the PATH (which every test of the real programs uses).
    ASSERT_TRUE(QDir().mkpath(app.path() + "/FFmpeg"));
    const QString beside = app.path() + "/FFmpeg/ffmpeg";
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTROPE_SOURCE_DIR) + "/tests/support/fake_tool.sh", beside));
    ASSERT_TRUE(QFile::setPermissions(beside, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(converter.ExecutablePath(), beside);

    // The override folder is the only place looked at.
    qputenv("VANTROPE_FFMPEG_DIR", QFile::encodeName(app.path()));
    EXPECT_EQ(converter.ExecutablePath(), app.path() + "/ffmpeg");
    EXPECT_FALSE(converter.ExecutableExists());

    CBin::SetApplicationDirectory(QString());
}
