// Frame extraction with its retry rule, hostile clip names, and the read pipe.
#include "tests/support/LogCapture.h"
#include "tests/video/TestClips.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace
{
qsizetype Count(const std::string& text, const char* part)
{
    return QString::fromStdString(text).count(QLatin1String(part));
}

// Reads the pipe to its end: the number of frames, and their bytes one after another into `all`.
int ReadFrames(CMovieHandling& movie, CPipeStream& pipe, const QSize& size, std::vector<unsigned char>* all = nullptr)
{
    Helper::CRGB24Buffer frame;
    frame.Create(size, Helper::eCP_NO_CLEAR);
    int frames = 0;
    for (; movie.ReadFrame(pipe, frame); ++frames)
        if (all)
            all->insert(all->end(), frame.GetData(), frame.GetData() + size_t(size.width()) * size.height() * 3);
    return frames;
}

// Reads every frame of `clip` through the read pipe at its own rate.
std::vector<unsigned char> ReadAllFrames(CMovieHandling& movie, const QString& clip, QSize& size, int& frames)
{
    size = movie.GetFrameSize(clip);
    std::vector<unsigned char> all;
    std::unique_ptr<CPipeStream> pipe = movie.OpenReadPipe(clip, movie.GetFrameRate(clip, true), false);
    frames = pipe && size.width() > 0 ? ReadFrames(movie, *pipe, size, &all) : 0;
    return all;
}
}  // namespace

TEST(Extraction, RetryRule)
{
    const QByteArray longClip = "[streams.stream.0]\ncodec_type=video\n[format]\nnb_streams=1\nduration=100.0\n";
    const struct
    {
        qint64 position, maxReduction;
        QStringList attempts;
        const char* lastLine;
    } cases[] = {
        // At 0 nothing can be taken back: one try.
        {0, 1000, {"00:00:00.000"}, "Extraction has been aborted."},
        // In the last tenth a seek may land past the end: three tries, 500 ms apart.
        {99000, 5000, {"00:01:39.000", "00:01:38.500", "00:01:38.000"}, "Time reduced: 1500 ms"},
        // Earlier on, stepping back would not help.
        {50000, 5000, {"00:00:50.000"}, "Extraction at position 50000 of 100000 ms Doesn't work -> Stop immediately."},
        // The reduction may not exceed the largest one allowed.
        {99500, 400, {"00:01:39.500", "00:01:39.000"}, "Extraction has been aborted."},
    };
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    tools.SetFault("extract=exit1");
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.position);
        CTidyScope check(20000, {TestPrivateTemp()});
        CMovieHandling movie;
        ASSERT_TRUE(WriteWholeFile(movie.AnswerPath(CMovieHandling::eANSWER_FORMAT), longClip));
        tools.StartSpy();
        CLogCapture log;
        EXPECT_TRUE(movie.ExtractFrame(TestClip(EClip::ePlain), "jpg", c.position, c.maxReduction, true, {-1, -1}).isEmpty());
        QStringList positions;
        for (const auto& run : tools.Runs())
            if (run.strStage == "extract")
                positions << run.arguments.value(run.arguments.indexOf("-ss") + 1);
        EXPECT_EQ(positions, c.attempts);
        EXPECT_NE(log.Text().rfind(std::string("CMovieHandling::ExtractFrame() -> ") + c.lastLine), std::string::npos) << log.Text();
        EXPECT_EQ(Count(log.Text(), "Image couldn't be extracted."), c.attempts.size());
        movie.RemoveIniFiles();
    }

    // A converter that hangs is killed at the time limit and the attempt counts as failed.
    tools.SetFault("extract=hang");
    {
        CTidyScope check(10000);
        CMovieHandling movie;
        movie.SetExtractionTimeLimit(300);
        EXPECT_TRUE(movie.ExtractFrame(TestClip(EClip::ePlain), "jpg", 0, 1000, true, {-1, -1}).isEmpty());
        EXPECT_EQ(movie.UnansweredProgram(), "ffmpeg");
    }

    // A converter that cannot be started: no attempt runs, the same limits hold.
    tools.Break("ffmpeg", CFakeTools::eMISSING);
    CMovieHandling movie;
    ASSERT_TRUE(WriteWholeFile(movie.AnswerPath(CMovieHandling::eANSWER_FORMAT), longClip));
    CLogCapture log;
    EXPECT_TRUE(movie.ExtractFrame(TestClip(EClip::ePlain), "jpg", 99000, 5000, true, {-1, -1}).isEmpty());
    EXPECT_TRUE(movie.ExtractFrame(TestClip(EClip::ePlain), "jpg", 1000, 5000, true, {-1, -1}).isEmpty());
    EXPECT_EQ(Count(log.Text(), "-> Try "), 0);
    EXPECT_EQ(Count(log.Text(), "Stop immediately."), 1);
}

TEST(Extraction, RealFramesWithSizeAndRetryPastTheEnd)
{
    const QString clip = TestClip(EClip::eTwoSeconds);
    CFakeTools tools; // the real programs behind a spy
    ASSERT_TRUE(tools.IsValid());
    tools.StartSpy();
    CTidyScope check(30000, {TestPrivateTemp()});
    check.WatchFile(clip);
    CMovieHandling movie;
    CLogCapture log;
    const struct
    {
        qint64 position;
        QSize request, expected;
        int tries;
        const char* filter; // the converter's -vf argument
    } cases[] = {
        {0, {-1, -1}, {64, 36}, 1, ""},
        {1000, {32, 18}, {32, 18}, 1, "scale=32:18"},
        {1990, {-1, -1}, {64, 36}, 2, ""}, // past the last frame: found 500 ms earlier
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.position);
        log.Clear();
        const QString image = movie.ExtractFrame(clip, "ppm", c.position, 5000, true, c.request);
        ASSERT_EQ(image, movie.FrameImagePath("ppm"));
        QSize size;
        EXPECT_FALSE(ReadPpmRgb(image, size).empty());
        EXPECT_EQ(size, c.expected);
        EXPECT_EQ(Count(log.Text(), "-> Try "), c.tries);
        const QStringList arguments = tools.Runs().last().arguments;
        EXPECT_EQ(arguments.mid(0, 4), QStringList({"-nostdin", "-threads", "1", "-accurate_seek"}));
        EXPECT_EQ(arguments.contains("-vf") ? arguments.value(arguments.indexOf("-vf") + 1) : QString(), c.filter);
        QFile::remove(image);
    }
    // Nothing to take from: the end of a short clip with no time to step back into.
    EXPECT_TRUE(movie.ExtractFrame(TestClip(EClip::ePlain), "ppm", 290, 5000, true, {-1, -1}).isEmpty());
    EXPECT_FALSE(QFile::exists(movie.FrameImagePath("ppm")));
    // Unusable extensions never reach the converter.
    for (const char* extension : {"", "jpg/../../x", "b m p"})
        EXPECT_TRUE(movie.ExtractFrame(clip, extension, 0, 1000, true, {-1, -1}).isEmpty()) << extension;
    movie.RemoveIniFiles();
}

TEST(Extraction, HostileNamesReachTheProgramsIntact)
{
    const QString folder = TestScratchFolder() + "/hostile";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder)); // a name that ran a command would leave "pwned" here
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    for (const QString& name : {QString("-y.mp4"), QString("-i.mp4"), QString("$(touch pwned).mp4"), QString("`touch pwned`.mp4"),
                                QString("a'b\"c.mp4"), QString("x;touch pwned;.mp4"), QString("new\nline.mp4"),
                                QString("concat:a.mp4|b.mp4"), QString("http:x.mp4"), QString("file:x.mp4"), QString(251, 'n') + ".mp4"})
    {
        SCOPED_TRACE(name.left(40).toStdString());
        ASSERT_TRUE(QFile::copy(TestClip(EClip::ePlain), name));
        const QString absolute = folder + "/" + name;
        tools.StartSpy();
        CTidyScope check(30000);
        {
            CMovieHandling movie;
            EXPECT_EQ(movie.GetFrameSize(name), QSize(64, 36));
            const QString image = movie.ExtractFrame(name, "ppm", 0, 1000, true, {-1, -1});
            EXPECT_FALSE(image.isEmpty());
            QFile::remove(image);
            QSize size;
            int frames = 0;
            ReadAllFrames(movie, name, size, frames);
            EXPECT_EQ(frames, 9);
            movie.RemoveIniFiles();
        }
        const QList<CFakeTools::SRun> runs = tools.Runs();
        EXPECT_GE(runs.size(), 3);
        for (const auto& run : runs)
        {
            // The clip is exactly one argument, absolute, following "-i" for the converter and
            // last for the prober.
            EXPECT_EQ(run.arguments.count(absolute), 1) << run.strStage.toStdString();
            const QString before = run.arguments.value(run.arguments.indexOf(absolute) - 1);
            EXPECT_TRUE(run.strTool == "ffprobe" ? run.arguments.last() == absolute : before == "-i");
        }
        QFile::remove(name);
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QDir::setCurrent(saved);
}

TEST(ReadPipe, FramesAreWholeRowsMatchingTheConvertersStill)
{
    // Clip, frame size, tolerance: lossy pictures may round differently on the two paths.
    const std::tuple<EClip, QSize, int> cases[] = {
        {EClip::eFullHd, {1920, 1080}, 2}, {EClip::eOddLossless, {33, 17}, 0}, {EClip::eOddLosslessRotated, {17, 33}, 0},
        {EClip::eTiny, {1, 1}, 0}};
    for (const auto& [kind, frameSize, tolerance] : cases)
    {
        const QString clip = TestClip(kind);
        SCOPED_TRACE(clip.toStdString());
        CTidyScope check(60000, {TestPrivateTemp()});
        CMovieHandling movie;
        QSize size;
        int frames = 0;
        const std::vector<unsigned char> all = ReadAllFrames(movie, clip, size, frames);
        ASSERT_EQ(size, frameSize);
        const size_t frameBytes = size_t(frameSize.width()) * frameSize.height() * 3;
        EXPECT_EQ(frames, 5);
        EXPECT_EQ(movie.GetNumFrames(clip), 5);
        ASSERT_EQ(all.size(), 5 * frameBytes);
        // Frame 3 of the pipe against the converter's own still of the same moment (40 ms per frame).
        QSize stillSize;
        const std::vector<unsigned char> still = ExtractRgb(movie, clip, 120, stillSize);
        ASSERT_EQ(stillSize, size);
        EXPECT_LE(MaxDifference(still.data(), all.data() + 3 * frameBytes, frameBytes), tolerance);
        movie.RemoveIniFiles();
    }
}

TEST(ReadPipe, DecoderFaultsEndTheStream)
{
    const QString clip = TestClip(EClip::ePlain);
    const std::tuple<const char*, int, int> cases[] = { // fault, frames read, error
        {"", 9, 0}, {"decoder=stderr-flood", 9, 0}, {"decoder=exit1-after:3", 3, 0}, {"decoder=truncated:4", 4, 0},
        {"decoder=kill-after:2", 2, 0}, {"decoder=segv", 0, 0}, {"decoder=exit1", 0, 0},
        {"decoder=hang", 0, ETIMEDOUT}, // nothing comes: the stall limit ends the wait
    };
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    for (const auto& [fault, frames, error] : cases)
    {
        SCOPED_TRACE(fault);
        CTidyScope check(20000);
        check.WatchFile(clip);
        CMovieHandling movie;
        const QSize size = movie.GetFrameSize(clip);
        tools.SetFault(fault);
        std::unique_ptr<CPipeStream> pipe = movie.OpenReadPipe(clip, "30000/1001", false);
        ASSERT_TRUE(pipe);
        pipe->SetStallLimit(error == ETIMEDOUT ? 500 : 20000); // a loaded machine may start slowly
        EXPECT_EQ(ReadFrames(movie, *pipe, size), frames);
        EXPECT_EQ(pipe->LastError(), error) << std::strerror(pipe->LastError());
        pipe->Close();
        // Error output is drained throughout; its last part is kept.
        EXPECT_EQ(pipe->ErrorTail(), std::strcmp(fault, "decoder=stderr-flood") ? QByteArray() : QByteArray(8192, 'x'));
        tools.SetFault("");
        movie.RemoveIniFiles();
    }

    // A cut clip whose index promises 50 frames (see the probe test): the pipe ends where the
    // data ends, about half way.
    CTidyScope check(20000);
    CMovieHandling movie;
    QSize size;
    int frames = 0;
    ReadAllFrames(movie, TestClip(EClip::eFastStartHalf), size, frames);
    EXPECT_GT(frames, 5);
    EXPECT_LT(frames, 40);
}

TEST(ReadPipe, LimitedRateAndRefusals)
{
    const QString clip = TestClip(EClip::eRate240);
    CMovieHandling movie;
    CLogCapture log;
    const QString rate = movie.GetFrameRate(clip, true);
    ASSERT_EQ(rate, "120/1");
    std::unique_ptr<CPipeStream> pipe = movie.OpenReadPipe(clip, rate, true);
    ASSERT_TRUE(pipe);
    // Resampled from 240 to 120 fps: about half the 24 frames of the 0.1 s clip (the rate
    // conversion may add one at either end).
    const int frames = ReadFrames(movie, *pipe, movie.GetFrameSize(clip));
    EXPECT_GE(frames, 12);
    EXPECT_LE(frames, 14);
    pipe.reset();

    const QString fifo = TestScratchFolder() + "/pipe.mp4";
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    log.Clear();
    EXPECT_FALSE(movie.OpenReadPipe(clip, "", false));
    EXPECT_FALSE(movie.OpenReadPipe(fifo, rate, false));
    EXPECT_EQ(Count(log.Text(), "CMovieHandling::OpenReadPipe(): 0x0\n"), 2);
    QFile::remove(fifo);
    EXPECT_EQ(CInvariantCheck::LiveChildren(), QStringList());
}
