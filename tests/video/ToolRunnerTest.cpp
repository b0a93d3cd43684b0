// The process runners: frame counters, outcomes of runs, kills, program lookup, pipe text.
#include "tests/support/FakeTools.h"
#include "tests/support/InvariantCheck.h"
#include "tests/support/LogCapture.h"
#include "tests/video/TestClips.h"
#include "video/Bin.h"
#include "video/CommandLine.h"
#include "video/EventPump.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

TEST(FrameCounter, ParsesTheFirstCounterOfAChunk)
{
    const struct
    {
        const char* chunk;
        int expected;
    } cases[] = {
        {"frame=  123 fps= 25 q=28.0 size=  256kB", 123},
        {"frame=    1 fps=0.0\rframe=    2 fps=0.0\r", 1}, // several progress lines: the first counts
        {"  fr ame = 12 fps", 12},                        // every blank is removed before the search
        {"frame=\n\t 45\n", 45},
        {"size=1kB time=00:00:01.00", -1},
        {"frame=abc", -1},
        {"frame=", -1},
        {"", -1},
        {"frame=0 fps", 0},
        {"frame=99999999999999", INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseFrameCounter(QString::fromLatin1(c.chunk)), c.expected) << c.chunk;
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

TEST(CommandLine, TimePositionsAndQuotedPaths)
{
    const std::pair<qint64, const char*> times[] = {
        {0, "00:00:00.000"},        {1, "00:00:00.001"},        {61001, "00:01:01.001"},
        {3599999, "00:59:59.999"},  {3600000, "01:00:00.000"},  {360000000, "100:00:00.000"},
        {-1, ""},
    };
    for (const auto& [ms, text] : times)
        EXPECT_EQ(FormatTimePosition(ms), QString::fromLatin1(text)) << ms;

    SToolCommand command{"/opt/x y/ffmpeg", {}, {}};
    command.Add({"-threads", "2", "-i"}).AddPath("/clips/a b %1 \"c\".mp4").Add({"-f", "image2pipe", "-"});
    EXPECT_EQ(command.CommandLine(),
              QStringLiteral("\"/opt/x y/ffmpeg\" -threads 2 -i \"/clips/a b %1 \"c\".mp4\" -f image2pipe -"));
    EXPECT_EQ(command.arguments.size(), 7); // the argument list itself is never quoted
    EXPECT_EQ(command.arguments[3], QStringLiteral("/clips/a b %1 \"c\".mp4"));
}

TEST(ToolRunner, ConverterOutcomeFollowsExitCodeAndStatus)
{
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    const struct
    {
        const char* fault;
        bool finishedOk;
    } cases[] = {
        {"", true}, {"any=exit1", false}, {"any=segv", false}, {"any=empty", true},
        {"any=stderr-flood", true}, // 1 MiB of error output before the work: drained, no dead-lock
    };
    for (const auto& c : cases)
    {
        CInvariantCheck check(20000);
        tools.SetFault(c.fault);
        CFFmpegBin converter;
        EXPECT_TRUE(converter.Run({"-version"}, true, false)) << c.fault;
        EXPECT_EQ(converter.FinishedOk(), c.finishedOk) << c.fault;
        EXPECT_FALSE(converter.IsRunning());
        EXPECT_EQ(check.Violations(), QStringList()) << c.fault;
    }

    // The end report alone decides: code 0 with a crash status is no success.
    CFFmpegBin converter;
    ASSERT_TRUE(converter.Reset(false));
    CLogCapture log;
    QMetaObject::invokeMethod(&converter, "OnFinshed", Q_ARG(int, 0), Q_ARG(QProcess::ExitStatus, QProcess::CrashExit));
    EXPECT_FALSE(converter.FinishedOk());
    EXPECT_NE(log.Text().find("CBin::OnFinshed() -> ExitCode: 0   ExitStatus: 1"), std::string::npos);
    QMetaObject::invokeMethod(&converter, "OnFinshed", Q_ARG(int, 0), Q_ARG(QProcess::ExitStatus, QProcess::NormalExit));
    EXPECT_TRUE(converter.FinishedOk());
}

TEST(ToolRunner, ProberWritesItsAnswerOnlyOnSuccess)
{
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    const QString clip = TestClip(EClip::ePlain);
    const QString answer = TestScratchFolder() + "/answer.ini";
    const struct
    {
        const char* fault;
        bool ok;
        const char* content; // expected in the answer file
    } cases[] = {
        {"", true, "codec_type=video"},
        {"probe=exit1", false, nullptr},
        {"probe=segv", false, nullptr},
        {"probe=empty", false, nullptr}, // no output is no answer
        {"probe=junk", true, "this is not an answer"},
        {"probe=hang", false, nullptr}, // killed at the time limit
        {"probe=stderr-flood", true, "codec_type=video"},
    };
    for (const auto& c : cases)
    {
        QFile::remove(answer);
        CInvariantCheck check(20000);
        tools.SetFault(c.fault);
        CFFprobeBin prober;
        prober.SetTimeLimit(std::strcmp(c.fault, "probe=hang") ? 30000 : 500);
        EXPECT_EQ(prober.Run({"-v", "quiet", "-print_format", "ini", "-show_streams", clip}, answer), c.ok) << c.fault;
        EXPECT_EQ(prober.TimedOut(), std::strcmp(c.fault, "probe=hang") == 0) << c.fault;
        QFile file(answer);
        if (c.content)
        {
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.fault;
            EXPECT_TRUE(file.readAll().contains(c.content)) << c.fault;
        }
        else
            EXPECT_FALSE(file.exists()) << c.fault;
        EXPECT_EQ(check.Violations(), QStringList()) << c.fault;
    }
    QFile::remove(answer);

    CFFprobeBin prober;
    EXPECT_FALSE(prober.Run({}, answer));
    EXPECT_FALSE(prober.Run({"-version"}, QString()));
}

TEST(ToolRunner, AConverterFallingSilentIsStopped)
{
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    const QStringList count{"-i", TestClip(EClip::eTwoSeconds), "-map", "0:v:0", "-c", "copy", "-f", "null", "-"};
    for (const char* fault : {"", "count=hang"})
    {
        tools.SetFault(fault);
        CFFmpegBin converter;
        converter.SetSilenceLimit(*fault ? 300 : 20000);
        ASSERT_TRUE(converter.Run(count, true, true)) << fault;
        EXPECT_EQ(converter.TimedOut(), *fault != 0) << fault;
        EXPECT_EQ(converter.FinishedOk(), *fault == 0) << fault;
        EXPECT_FALSE(converter.IsRunning());
    }
}

TEST(ToolRunner, ResetKillsARunningProcessFirst)
{
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    tools.SetFault("any=hang");
    CInvariantCheck check(20000);
    CFFmpegBin converter;
    ASSERT_TRUE(converter.Run({"-version"}, false, true));
    EXPECT_TRUE(converter.IsRunning());
    EXPECT_EQ(CInvariantCheck::LiveChildren().size(), 1);
    ASSERT_TRUE(converter.Reset(false));
    EXPECT_FALSE(converter.IsRunning());
    EXPECT_FALSE(converter.FinishedOk());
    EXPECT_EQ(converter.LastFrame(), 0);
    EXPECT_EQ(check.Violations(), QStringList());

    // The destructor ends a run still going as well.
    {
        CFFmpegBin other;
        ASSERT_TRUE(other.Run({"-version"}, false, false));
    }
    EXPECT_EQ(CInvariantCheck::LiveChildren(), QStringList());
}

TEST(ToolRunner, UnusableProgramsMakeEveryRunFail)
{
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
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
    const QByteArray saved = qgetenv("VANTROPE_FFMPEG_DIR");
    qunsetenv("VANTROPE_FFMPEG_DIR");
    QTemporaryDir app;
    CBin::SetApplicationDirectory(app.path());
    CFFmpegBin converter;
    // Nothing beside the application: the program on the PATH.
    EXPECT_EQ(QFileInfo(converter.ExecutablePath()).fileName(), QStringLiteral("ffmpeg"));
    EXPECT_FALSE(converter.ExecutablePath().startsWith(app.path()));
    EXPECT_TRUE(converter.ExecutableExists());

    // The application's own folder comes first.
    ASSERT_TRUE(QDir().mkpath(app.path() + "/FFmpeg"));
    const QString beside = app.path() + "/FFmpeg/ffmpeg";
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTROPE_SOURCE_DIR) + "/tests/support/fake_tool.sh", beside));
    ASSERT_TRUE(QFile::setPermissions(beside, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(converter.ExecutablePath(), beside);

    // The override folder is the only place looked at.
    QTemporaryDir empty;
    qputenv("VANTROPE_FFMPEG_DIR", QFile::encodeName(empty.path()));
    EXPECT_EQ(converter.ExecutablePath(), empty.path() + "/ffmpeg");
    EXPECT_FALSE(converter.ExecutableExists());

    CBin::SetApplicationDirectory(QString());
    if (saved.isEmpty())
        qunsetenv("VANTROPE_FFMPEG_DIR");
    else
        qputenv("VANTROPE_FFMPEG_DIR", saved);
}
