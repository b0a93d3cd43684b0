// Probing: metrics of real clips of every kind, the answer files, counting fall-backs and
// hostile answers.
#include "tests/video/TestClips.h"

#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>

TEST(Probe, MetricsOfRealClips)
{
    const struct
    {
        EClip clip;
        int main;
        QSize size;
        const char *rate, *rawRate; // with the limit rule, and without
        int frames, video, mainVideo, audio;
        const char* audioCodecs; // by audio ordinal, comma-separated
        double duration;
    } cases[] = {
        {EClip::ePlain, 0, {64, 36}, "30000/1001", "30000/1001", 9, 1, 1, 1, "aac", 0.30},
        {EClip::eNoAudio, 0, {64, 36}, "25/1", "25/1", 10, 1, 1, 0, "", 0.40},
        {EClip::eCoverFirst, 1, {64, 36}, "25/1", "25/1", 10, 2, 1, 0, "", 4.0},
        {EClip::eAttachedCover, 0, {64, 36}, "25/1", "25/1", 10, 2, 1, 0, "", 0.40},
        {EClip::eTwoFilms, 0, {64, 36}, "25/1", "25/1", 10, 2, 2, 0, "", 0.40},
        {EClip::eRotate90, 0, {36, 64}, "30000/1001", "30000/1001", 9, 1, 1, 1, "aac", 0.30},
        {EClip::eRotate180, 0, {64, 36}, "30000/1001", "30000/1001", 9, 1, 1, 1, "aac", 0.30},
        {EClip::eRotate270, 0, {36, 64}, "30000/1001", "30000/1001", 9, 1, 1, 1, "aac", 0.30},
        {EClip::eRate240, 0, {64, 36}, "120/1", "240/1", 24, 1, 1, 0, "", 0.10},
        {EClip::eRate1000, 0, {64, 36}, "30/1", "1000/1", 20, 1, 1, 0, "", 0.02},
        {EClip::eMatroska, 0, {64, 36}, "30000/1001", "30000/1001", 9, 1, 1, 1, "aac", 0.32},
        {EClip::eMatroskaAsMp4, 0, {64, 36}, "30000/1001", "30000/1001", 9, 1, 1, 1, "aac", 0.32},
        {EClip::eWmv, 0, {64, 36}, "25/1", "25/1", 10, 1, 1, 1, "wmav2", 0.49}, // with the format's preroll
        {EClip::eOddLosslessRotated, 0, {17, 33}, "25/1", "25/1", 5, 1, 1, 0, "", 0.20},
        {EClip::eFastStartHalf, 0, {64, 36}, "25/1", "25/1", 50, 1, 1, 0, "", 2.0},
        {EClip::eRawH264, 0, {64, 36}, "25/1", "25/1", 10, 1, 1, 0, "", -1},
        {EClip::eThreeAudio, 0, {64, 36}, "25/1", "25/1", 10, 1, 1, 3, "aac,mp3,ac3", 0.44},
        {EClip::eHugeHeader, 0, {-1, -1}, "25/1", "25/1", -1, 1, 1, 0, "", -1}, // declared size refused
        {EClip::eAudioOnly, -1, {-1, -1}, "", "", -1, 0, 0, 1, "aac", 0.30},
        {EClip::eZeroLength, -1, {-1, -1}, "", "", -1, 0, 0, 0, "", -1},
        {EClip::eJunk, -1, {-1, -1}, "", "", -1, 0, 0, 0, "", -1},
        {EClip::eTruncated, -1, {-1, -1}, "", "", -1, 0, 0, 0, "", -1},
    };
    for (const auto& c : cases)
    {
        const QString clip = TestClip(c.clip);
        SCOPED_TRACE(QFileInfo(clip).fileName().toStdString());
        CTidyScope check(30000, {TestPrivateTemp()});
        check.WatchFile(clip);
        {
            CMovieHandling movie;
            EXPECT_EQ(movie.MainVideoStream(clip), c.main);
            EXPECT_EQ(movie.GetFrameSize(clip), c.size);
            EXPECT_EQ(movie.GetFrameRate(clip, true), QLatin1String(c.rate));
            EXPECT_EQ(movie.GetFrameRate(clip, false), QLatin1String(c.rawRate));
            EXPECT_EQ(movie.GetNumFrames(clip), c.frames);
            EXPECT_EQ(movie.CountStreams(clip, CMovieHandling::eSK_VIDEO), c.video);
            EXPECT_EQ(movie.CountStreams(clip, CMovieHandling::eSK_MAIN_VIDEO), c.mainVideo);
            EXPECT_EQ(movie.CountStreams(clip, CMovieHandling::eSK_AUDIO), c.audio);
            EXPECT_NEAR(movie.GetDuration(clip), c.duration, 0.03);
            EXPECT_EQ(CMovieHandling::NeedsConversion({clip}), c.clip == EClip::eWmv);
            // A frame comes out exactly when there is a picture of known size in a clip of known length.
            EXPECT_EQ(movie.ExtractFrame(clip, "bmp", 0, 1000, true, {-1, -1}).isEmpty(),
                      c.size.width() < 1 || c.duration < 0);
            const QStringList codecs = QString::fromLatin1(c.audioCodecs).split(',', Qt::SkipEmptyParts);
            for (int i = 0; i <= c.audio; ++i) // every audio ordinal, and one past the last
                EXPECT_EQ(movie.GetAudioCodecName(clip, i), codecs.value(i)) << i;
        }
    }
}

TEST(Probe, RationalValues)
{
    const std::pair<const char*, float> cases[] = {
        {"30000/1001", 30000.0f / 1001.0f}, {"25/1", 25.0f}, {"0/1", 0.0f}, {"//1//2", 0.5f}, {"1/0", -1.0f},
        {"0/0", -1.0f}, {"-1/2", -1.0f},   {"1/2/3", -1.0f}, {"25", -1.0f}, {"a/b", -1.0f}, {"", -1.0f},
        {"nan/1", -1.0f}, {"1e39/1", -1.0f},
    };
    for (const auto& [text, value] : cases)
        EXPECT_FLOAT_EQ(CMovieHandling::RationalValue(text), value) << text;
}

TEST(Probe, AnswersAreReusedUntilRemoved)
{
    const QString first = TestClip(EClip::ePlain), second = TestClip(EClip::eRotate90);
    CTidyScope check(30000, {TestPrivateTemp()}); // the object's folder leaves with it
    CMovieHandling movie;
    const QDir folder(movie.TempDirectory());
    EXPECT_TRUE(movie.TempDirectory().startsWith(TestPrivateTemp() + "/"));
    EXPECT_EQ(QFileInfo(movie.TempDirectory()).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
    EXPECT_EQ(movie.GetFrameSize(first), QSize(64, 36));
    EXPECT_EQ(movie.GetAudioCodecName(first, 0), "aac");
    EXPECT_EQ(movie.CountFramesFFprobe(first, 0), 9);
    EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name),
              QStringList({"017010200_SrcAudio0.ini", "017010200_SrcFormat.ini", "017010200_SrcVideo0.ini",
                           "017010200_SrcVideoExt0.ini"}));

    // The names hold no clip name: without a removal the second clip reads the first one's answers.
    EXPECT_EQ(movie.GetFrameSize(second), QSize(64, 36));
    // Files of other kinds or other programs stay.
    ASSERT_TRUE(WriteWholeFile(folder.filePath("017010200_Notes.ini"), "x"));
    ASSERT_TRUE(WriteWholeFile(folder.filePath("999999999_SrcFormat.ini"), "x"));
    movie.RemoveIniFiles();
    EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name),
              QStringList({"017010200_Notes.ini", "999999999_SrcFormat.ini"}));
    EXPECT_EQ(movie.GetFrameSize(second), QSize(36, 64));
}

TEST(Probe, FrameCountFallsBackToDecodingThenToTheProber)
{
    const QString clip = TestClip(EClip::eMatroska); // no frame count in the container
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    CTidyScope check(30000, {TestPrivateTemp()});
    CMovieHandling movie;
    tools.StartSpy();
    EXPECT_EQ(movie.GetNumFrames(clip), 9);
    const QList<CFakeTools::SRun> runs = tools.Runs();
    EXPECT_TRUE(std::any_of(runs.begin(), runs.end(), [](const CFakeTools::SRun& run) { return run.strStage == "count"; }));

    // A converter that fails leaves the prober's count.
    tools.SetFault("count=exit1");
    EXPECT_EQ(movie.GetNumFrames(clip), 9);
    EXPECT_TRUE(QFileInfo::exists(movie.AnswerPath(CMovieHandling::eANSWER_VIDEO_COUNTED, 0)));

    // Neither can count: -1.
    movie.RemoveIniFiles();
    EXPECT_EQ(movie.GetFrameSize(clip), QSize(64, 36)); // answers without counting are in place
    tools.SetFault("count=segv probe=exit1");
    EXPECT_EQ(movie.GetNumFrames(clip), -1);
}

TEST(Probe, HostileAnswersAreValidated)
{
    const QByteArray format = "[streams.stream.0]\nindex=0\ncodec_type=video\navg_frame_rate=25/1\n"
                              "[streams.stream.0.side_data_list.side_data.0]\nrotation=ROT\n"
                              "[format]\nnb_streams=STREAMS\nduration=DURATION\n";
    const QByteArray video = "[STREAM]\nwidth=W\nheight=H\nr_frame_rate=RATE\nnb_frames=FRAMES\n"
                             "[SIDE_DATA]\nrotation=ROT\n[/SIDE_DATA]\n[/STREAM]\n";
    const std::map<QByteArray, QByteArray> base = {{"W", "64"},  {"H", "36"},      {"RATE", "25/1"},   {"FRAMES", "50"},
                                                   {"ROT", "0"}, {"STREAMS", "1"}, {"DURATION", "2.0"}};
    const struct
    {
        const char* key;
        const char* value;
        QSize size;
        const char* rate;
        int frames;
        double duration;
    } cases[] = {
        {"W", "64", {64, 36}, "25/1", 50, 2.0},      {"W", "-64", {64, 36}, "25/1", 50, 2.0},
        {"W", "0", {-1, -1}, "25/1", 50, 2.0},       {"W", "1e9", {-1, -1}, "25/1", 50, 2.0},
        {"W", "16000\nheight=16000", {-1, -1}, "25/1", 50, 2.0}, // declared 16000×16000: refused
        {"RATE", "1/0", {64, 36}, "", 50, 2.0},      {"RATE", "0/0", {64, 36}, "", 50, 2.0},
        {"RATE", "1000000/1", {64, 36}, "30/1", 50, 2.0}, {"RATE", "25/1 -vf x", {64, 36}, "", 50, 2.0},
        {"FRAMES", "-5", {64, 36}, "25/1", -1, 2.0}, // not a count: counting fails too (no programs)
        {"ROT", "1000000000", {64, 36}, "25/1", 50, 2.0}, {"ROT", "-90", {36, 64}, "25/1", 50, 2.0},
        {"DURATION", "nan", {64, 36}, "25/1", 50, -1.0}, {"DURATION", "-3", {64, 36}, "25/1", 50, -1.0},
        {"STREAMS", "2147483647", {64, 36}, "25/1", 50, 2.0}, {"STREAMS", "-1", {-1, -1}, "", -1, 2.0},
    };
    CFakeTools tools;
    tools.SetFault("any=exit1"); // every answer must come from the planted files
    const QString clip = TestClip(EClip::ePlain);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        CMovieHandling movie;
        auto fill = [&](QByteArray text) {
            for (const auto& [key, value] : base)
                text.replace(key, key == c.key ? QByteArray(c.value) : value);
            return text;
        };
        ASSERT_TRUE(WriteWholeFile(movie.AnswerPath(CMovieHandling::eANSWER_FORMAT), fill(format)));
        ASSERT_TRUE(WriteWholeFile(movie.AnswerPath(CMovieHandling::eANSWER_VIDEO, 0), fill(video)));
        EXPECT_EQ(movie.GetFrameSize(clip), c.size);
        EXPECT_EQ(movie.GetFrameRate(clip, true), QLatin1String(c.rate));
        EXPECT_EQ(movie.GetNumFrames(clip), c.frames);
        EXPECT_DOUBLE_EQ(movie.GetDuration(clip), c.duration);
    }
}

TEST(Probe, TagTextCannotAddKeys)
{
    // A stream title spanning lines, written to look like answer keys.
    const QString clip = TestScratchFolder() + "/tagged.mkv";
    ASSERT_TRUE(Ffmpeg({"-i", TestClip(EClip::ePlain), "-c", "copy", "-metadata:s:v:0",
                           "title=x\n[SIDE_DATA]\nrotation=90\n[/SIDE_DATA]\nwidth=65535\nnb_frames=77", "-metadata",
                           "title=y\n[format]\nnb_streams=9", clip}));
    CMovieHandling movie;
    EXPECT_EQ(movie.GetFrameSize(clip), QSize(64, 36));
    EXPECT_EQ(movie.CountStreams(clip, CMovieHandling::eSK_VIDEO), 1);
    EXPECT_EQ(movie.GetNumFrames(clip), 9);
    // The stream answer is built from the escaped format answer: no forged line in it.
    const QByteArray text = ReadWholeFile(movie.AnswerPath(CMovieHandling::eANSWER_VIDEO, 0));
    EXPECT_TRUE(text.startsWith("[STREAM]\n") && !text.contains("\nrotation=") && !text.contains("\nwidth=65535"))
        << text.toStdString();
}

TEST(Probe, OnlyRegularFilesReachTheProber)
{
    const QString folder = TestScratchFolder() + "/special";
    ASSERT_TRUE(QDir().mkpath(folder + "/dir.mp4"));
    ASSERT_EQ(mkfifo(QFile::encodeName(folder + "/fifo.mp4").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", folder + "/zero.mp4"));
    {
        QFile sparse(folder + "/sparse.mp4"); // 100 GiB of nothing, costing no disk
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(100) << 30));
    }
    for (const char* name : {"dir.mp4", "fifo.mp4", "zero.mp4", "sparse.mp4", "missing.mp4", ""})
    {
        SCOPED_TRACE(name);
        CTidyScope check(10000);
        CMovieHandling movie;
        movie.SetProbeTimeLimit(2000);
        const QString clip = *name ? folder + "/" + name : QString();
        EXPECT_EQ(movie.QueryFormat(clip), 2);
        EXPECT_EQ(movie.GetFrameSize(clip), QSize(-1, -1));
        EXPECT_TRUE(movie.ExtractFrame(clip, "bmp", 0, 1000, true, {-1, -1}).isEmpty());
    }
    QDir(folder).removeRecursively();
}
