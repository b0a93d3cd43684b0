// The export job: descriptor, job life, whole exports with real programs, every stage × fault
// pair and aborts through the stand-in programs, read-only and full destination drives.
#include "core/EngineState.h"
#include "core/Paths.h"
#include "core/Progress.h"
#include "tests/support/LogCapture.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/SmallDisk.h"
#include "tests/video/TestClips.h"
#include "video/JobEnvironment.h"
#include "video/JobProgressView.h"

#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <functional>
#include <set>
#include <string_view>

using SDstDesc = CMovieHandling::SDstDesc;

namespace
{
const char* const kErrorDialog = "warning|Unexpected error|An unexpected error has occurred. Code: ";

// Records what the job shows and can stop it at a chosen point of its progress.
class CRecorder : public IJobProgressView, public IProgressSink
{
public:
    void Open(const QString& title, int expected) override { log << QStringLiteral("open|%1|%2").arg(title).arg(expected); }
    void AddCategory(int id) override { log << QStringLiteral("category|%1").arg(id); }
    void SetText(const QString& text) override { log << "text|" + text; }
    void Suspend(bool on) override { log << QStringLiteral("suspend|%1").arg(on); }
    void Close() override { log << "close"; }
    void OnProgress(int category, float fraction) override
    {
        if (category == 40)
        {
            lastVideoFraction = fraction;
            maxVideoFraction = std::max(maxVideoFraction, fraction);
        }
        if (trigger && category == triggerCategory && fraction >= triggerFraction)
            std::exchange(trigger, nullptr)();
    }

    QStringList log;
    float lastVideoFraction = -1.0f, maxVideoFraction = -1.0f;
    int triggerCategory = -1;
    float triggerFraction = 0.0f;
    std::function<void()> trigger;
};

class ExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MP_UI_SetThreadCount(2);
        ASSERT_TRUE(m_out.isValid());
        m_movie = std::make_unique<CMovieHandling>();
        m_movie->SetPrompt(&m_prompt);
        m_movie->SetProgressView(&m_recorder);
        // Generous for a loaded machine; the hanging programs' cases shorten them.
        m_movie->SetPipeStallLimit(30000);
        m_movie->SetStepTimeLimit(30000);
        m_movie->SetProbeTimeLimit(15000);
        MP_SetProgressSink(&m_recorder);
    }
    void TearDown() override { MP_SetProgressSink(nullptr); }

    SDstDesc Destination(const QString& name = "result.mp4", CMovieHandling::ECodec codec = CMovieHandling::eCODEC0) const
    {
        SDstDesc dst;
        dst.SetPath(name.startsWith('/') ? name : m_out.path() + "/" + name);
        dst.SetCodec(codec);
        return dst;
    }
    // The job under its invariant: the source unchanged, only the destination (when expected)
    // and the job log appear in the watched folders, no child left; `more` adds to the watch.
    int CheckedExport(const QString& clip, const SDstDesc& dst, bool destinationExpected, int limitMs = 30000,
                      const std::function<void(CInvariantCheck&)>& more = {})
    {
        CInvariantCheck check(limitMs);
        if (more)
            more(check);
        check.WatchFile(clip);
        for (const QString& folder : {m_out.path(), QFileInfo(clip).absolutePath(), m_movie->TempDirectory(), dst.Folder()})
            check.WatchFolder(folder);
        check.ExpectOutput(Helper::UserDirectory() + "MovieHandling.log");
        if (destinationExpected)
            check.ExpectOutput(dst.DestinationFile());
        const int result = m_movie->ProcessJob(m_movie->OpenJob(clip, dst));
        m_movie->CloseJob();
        EXPECT_EQ(check.Violations(), QStringList());
        return result;
    }
    // The error code of the one error dialog, empty when none was shown.
    QString ErrorCode() const
    {
        QString code;
        for (const QString& entry : m_prompt.Log())
            if (entry.startsWith(kErrorDialog))
            {
                EXPECT_TRUE(code.isEmpty()) << "more than one error dialog";
                code = entry.mid(int(strlen(kErrorDialog)), 4);
            }
        return code;
    }
    QString JobLog() const { return QString::fromUtf8(ReadWholeFile(Helper::UserDirectory() + "MovieHandling.log")); }

    CTempHome m_home;
    QTemporaryDir m_out{TestScratchFolder() + "/out-XXXXXX"};
    CScriptedPrompt m_prompt;
    CRecorder m_recorder;
    std::unique_ptr<CMovieHandling> m_movie;
};
}  // namespace

// ---- descriptor ------------------------------------------------------------------------------

TEST(DstDesc, PathFolderAndResolution)
{
    // Path as set, as stored, its folder. A dot in a folder is no extension; the slash at
    // position 0 gives no folder.
    const char* const paths[][3] = {
        {"/videos/out.mp4", "/videos/out", "/videos"}, {"/videos/out.final.avi", "/videos/out.final", "/videos"},
        {"/videos.d/out", "/videos.d/out", "/videos.d"}, {"/videos/.hidden", "/videos/.hidden", "/videos"},
        {"out.mp4", "out", ""}, {"/out.mp4", "/out", ""}, {"", "", ""}};
    for (const auto& [path, stored, folder] : paths)
    {
        SDstDesc dst;
        dst.SetPath(path);
        EXPECT_EQ(dst.m_strPath + "|" + dst.Folder(), QString::fromUtf8(stored) + "|" + folder) << path;
    }

    // Sizes are rounded towards zero to multiples of the size step, 2.
    const std::pair<QSize, QSize> sizes[] = {
        {{1921, 1081}, {1920, 1080}}, {{-2, -2}, {-2, -2}}, {{640, 360}, {640, 360}}, {{1, 1}, {0, 0}}, {{-3, 5}, {-2, 4}}};
    SDstDesc dst;
    for (const auto& [requested, stored] : sizes)
    {
        dst.SetResolution(requested.width(), requested.height());
        EXPECT_EQ(dst.m_iResolution, stored);
    }
    dst.SetQuality(CMovieHandling::eBEST);
    dst.SetCodec(CMovieHandling::eCODEC1);
    EXPECT_EQ(dst.m_eQuality, CMovieHandling::eNORMAL);
    dst.SetPath("/v/clip.mp4");
    EXPECT_EQ(dst.DestinationFile(), "/v/clip.avi"); // the extension follows the codec
    EXPECT_FALSE(SDstDesc().IsValid());
    // The table's own values are pinned by the encoder's arguments below; pairs outside it have none.
    EXPECT_EQ(CMovieHandling::QualityParameter(CMovieHandling::ECodec(2), CMovieHandling::eNORMAL), -1);
    EXPECT_EQ(CMovieHandling::QualityParameter(CMovieHandling::eCODEC0, CMovieHandling::EQuality(5)), -1);
}

TEST(DstDesc, SettingsRoundTripAndUnknownNames)
{
    QTemporaryDir dir;
    QSettings settings(dir.path() + "/video.ini", QSettings::IniFormat);
    SDstDesc dst;
    dst.SetCodec(CMovieHandling::eCODEC1);
    dst.SetQuality(CMovieHandling::eLOWEST);
    dst.SetArtefact(CMovieHandling::eINTENSIVE);
    dst.m_bCopyMetadata = false;
    dst.m_bFlipY = true;
    dst.SetPath("/v/a b.mp4");
    dst.SetResolution(320, 180);
    dst.Save(settings);
    settings.sync();
    EXPECT_EQ(settings.value("DstDesc/m_eQuality").toString(), "eLOWEST");
    EXPECT_EQ(settings.value("DstDesc/m_eArtefact").toString(), "eINTENSIVE");
    SDstDesc loaded;
    loaded.m_bFlipX = true; // loading starts from the defaults
    loaded.Load(settings);
    EXPECT_EQ(loaded, dst);

    settings.setValue("DstDesc/m_eCodec", "eCODEC7");
    settings.setValue("DstDesc/m_eQuality", "best");
    settings.setValue("DstDesc/m_eArtefact", "");
    settings.remove("DstDesc/m_bFlipY");
    loaded.Load(settings);
    EXPECT_EQ(loaded.m_eCodec, CMovieHandling::eCODEC0);
    EXPECT_EQ(loaded.m_eQuality, CMovieHandling::eNORMAL);
    EXPECT_EQ(loaded.m_eArtefact, CMovieHandling::eUNCHANGED);
    EXPECT_FALSE(loaded.m_bFlipY);
    EXPECT_EQ(loaded.m_strPath, "/v/a b");
}

TEST(JobEnvironment, LogSleepAndEngineModeComeBack)
{
    // The redirect itself is checked by a whole export; a job log that cannot be made changes nothing.
    CTempHome home;
    EXPECT_FALSE(Helper::StartLogging(home.Path() + "/missing/folder/job.log"));
    EXPECT_FALSE(Helper::IsLogging());

    Helper::DiableOSSleep();
    Helper::DiableOSSleep();
    Helper::RestoreOSSleepState();
    Helper::RestoreOSSleepState();
    EXPECT_FALSE(Helper::IsSleepInhibited());

    MP_UI_SetLogging(true);
    MP_UI_SetProgressBarUpdateDelayTime(250);
    {
        CExportEngineMode mode;
        EXPECT_TRUE(MP_UI_GetVideoMode());
        EXPECT_FALSE(MP_UI_GetLogging());
        EXPECT_EQ(MP_UI_GetProgressBarUpdateDelayTime(), 1000);
    }
    EXPECT_FALSE(MP_UI_GetVideoMode());
    EXPECT_TRUE(MP_UI_GetLogging());
    EXPECT_EQ(MP_UI_GetProgressBarUpdateDelayTime(), 250);
}

// ---- job life -------------------------------------------------------------------------------

TEST_F(ExportTest, JobOpensOnceAndTouchesNoFileItDidNotMake)
{
    // Files of the user named as intermediates were named before jobs had ids, the source among them.
    const QString id = CMovieHandling::ProgramIdentification();
    const QString source = m_out.path() + "/" + id + "_Tmp_VideoStream.mp4";
    ASSERT_TRUE(QFile::copy(TestClip(EClip::eTitled), source));
    CInvariantCheck check(60000);
    check.ExpectOutput(Destination().DestinationFile());
    for (const QString& name : {id + "_Tmp_AudioStream1.wav", id + "_Tmp_RawMovie.mp4", id + "_Tmp_ConvertedMovie.mp4"})
        ASSERT_TRUE(WriteWholeFile(m_out.path() + "/" + name, "the user's"));
    check.WatchFolder(m_out.path());

    CLogCapture log;
    const CMovieHandling::SJob job = m_movie->OpenJob(source, Destination());
    EXPECT_FALSE(job.IsEmpty());
    EXPECT_TRUE(m_movie->OpenJob(source, Destination()).IsEmpty());
    EXPECT_EQ(m_movie->DstFrameSize(job), QSize(64, 36));
    SDstDesc scaled = Destination();
    scaled.SetResolution(32, 18);
    EXPECT_EQ(m_movie->DstFrameSize({job.m_src, scaled}), QSize(32, 18));
    EXPECT_EQ(m_movie->DstFrameSize({job.m_src, SDstDesc()}), QSize(-1, -1));
    EXPECT_EQ(m_movie->TargetAudioCodec(job, 0), "aac");
    EXPECT_EQ(m_movie->TargetAudioCodec(job, 1), "");
    const QString audio = QFileInfo(m_movie->AudioStreamPath(job, 0)).fileName();
    EXPECT_TRUE(audio.startsWith(id + "_Tmp_AudioStream0-") && audio.endsWith(".aac")) << audio.toStdString();
    const QString image = m_movie->ExtractSrcFrame(job, "png", 0, 0, true, QSize(-1, -1));
    EXPECT_FALSE(image.isEmpty());
    QFile::remove(image);
    // No encoder without a rate or a picture size.
    EXPECT_TRUE(m_movie->WritePipeCommand(job, "", QSize(64, 36)).strProgram.isEmpty());
    EXPECT_TRUE(m_movie->WritePipeCommand(job, "25/1", QSize(0, 36)).strProgram.isEmpty());
    EXPECT_EQ(m_movie->ProcessJob(job), 0);
    m_movie->CloseJob();
    m_movie->CloseJob();
    EXPECT_EQ(check.Violations(), QStringList());
    EXPECT_TRUE(m_movie->ExtractSrcFrame(job, "png", 0, 0, true, QSize(-1, -1)).isEmpty());
    EXPECT_NE(log.Text().find("Helper::DiableOSSleep() -> Sleep disabled."), std::string::npos);

    // Processing needs an open job and a valid source.
    EXPECT_EQ(m_movie->ProcessJob(job), 2);
    EXPECT_EQ(m_movie->ProcessJob(m_movie->OpenJob(m_out.path() + "/missing.mp4", Destination())), 2);
    m_movie->CloseJob();
}

TEST_F(ExportTest, TwoExportsIntoOneFolderKeepApart)
{
    // A second export runs from start to end in the middle of the first one's video pass.
    const QString clip = TestClip(EClip::eTitled);
    const SDstDesc first = Destination("first.mp4"), second = Destination("second.mp4");
    CMovieHandling other;
    CScriptedPrompt otherPrompt;
    other.SetPrompt(&otherPrompt);
    int secondResult = -1;
    m_recorder.triggerCategory = CMovieHandling::CATEGORY_VIDEOPROCESS;
    m_recorder.triggerFraction = 0.5f;
    m_recorder.trigger = [&] {
        secondResult = other.ProcessJob(other.OpenJob(clip, second));
        other.CloseJob();
    };
    EXPECT_EQ(CheckedExport(clip, first, true, 60000, [&](CInvariantCheck& check) { check.ExpectOutput(second.DestinationFile()); }),
              0);
    EXPECT_EQ(secondResult, 0);
    EXPECT_EQ(ErrorCode(), "");
    EXPECT_EQ(otherPrompt.Log(), QStringList());
    for (const SDstDesc& dst : {first, second})
        EXPECT_EQ(ProbeMedia(dst.DestinationFile()).Value("nb_read_frames"), "50");
}

// ---- whole exports --------------------------------------------------------------------------

TEST_F(ExportTest, OptionsAndClipsDecideWhichRunsHappenAndWhatComesOut)
{
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    using enum CMovieHandling::ECodec;
    using enum CMovieHandling::EQuality;
    const QStringList all{"decoder", "encoder", "audio-extract", "audio-mux", "metadata"}, silent{"decoder", "encoder", "metadata"};
    const struct
    {
        const char* name;
        EClip clip;
        bool audio, metadata;
        CMovieHandling::ECodec codec;
        CMovieHandling::EQuality quality;
        QStringList stages;   // the converter's runs (decoder and encoder start together, in either order)
        const char *encoder, *outCodec; // part of the encoder's arguments; the first stream of the result
        int audioStreams;
        const char* frames; // nullptr: as many as the constant-rate pipe delivers
        QSize size = {64, 36};
        const char* line = ""; // in the job log
    } cases[] = {
        {"default", EClip::eTitled, true, true, eCODEC0, eNORMAL, all,
         "-v quiet -f rawvideo -pix_fmt rgb24 -s 64x36 -r 25/1 -i - -c:v libx264 -pix_fmt yuv420p -crf 23 -an -y ", "h264", 1, "50"},
        {"no audio", EClip::eTitled, false, true, eCODEC0, eLOWEST, silent, "-crf 37", "h264", 0, "50"},
        {"no metadata", EClip::eTitled, true, false, eCODEC0, eBEST, all.mid(0, 4), "-crf 1", "h264", 1, "50"},
        {"silent clip", EClip::eNoAudio, true, true, eCODEC0, eNORMAL, silent, "-crf 23", "h264", 0, "10"},
        {"uncompressed", EClip::eTitled, true, true, eCODEC1, eNORMAL, all, "-c:v rawvideo -pix_fmt rgba -an -y ", "rawvideo", 1, "50"},
        // The converted copy runs at a constant 25/1.
        {"wmv", EClip::eWmv, true, true, eCODEC0, eLOWEST, QStringList{"convert"} + all, "-crf 37", "h264", 1, "11"},
        // No count in the container; the constant-rate pipe repeats one frame.
        {"three audio", EClip::eThreeAudio, true, true, eCODEC0, eNORMAL,
         QStringList{"count", "audio-extract", "audio-extract"} + all, "-crf 23", "h264", 3, "11"},
        // Sizes the encoder cannot take: a column and a row cropped, or scaled up when there is nothing to crop.
        {"odd size", EClip::eOddLossless, true, true, eCODEC0, eNORMAL, silent, "-crf 23", "h264", 0, "5", {32, 16},
         "Source size 33x17 -> 32x16"},
        {"tiny", EClip::eTiny, true, true, eCODEC0, eNORMAL, silent, "-crf 23", "h264", 0, "5", {2, 2}, "Source size 1x1 -> 2x2"},
        // 39 frames in 2.84 s come as 71 or more at 25/1; the progress never passes its end.
        {"variable rate", EClip::eVariableRate, true, true, eCODEC0, eNORMAL, silent, "-crf 23", "h264", 0, nullptr, {64, 36},
         "Frames processed: 7"},
        // The frames arrive turned; the result carries no rotation.
        {"turned", EClip::eTitledRotate90, true, true, eCODEC0, eNORMAL, all, "-crf 23", "h264", 1, "50", {36, 64},
         "Possible rotation has been removed."},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SDstDesc dst = Destination(QStringLiteral("opt %1.mp4").arg(c.name), c.codec);
        dst.SetQuality(c.quality);
        dst.m_bCopyAudio = c.audio;
        dst.m_bCopyMetadata = c.metadata;
        if (c.codec == eCODEC1)
            m_prompt.ExpectQuestion("großen Videodatei", IUserPrompt::eYes);
        tools.StartSpy();
        m_recorder.log.clear();
        m_recorder.lastVideoFraction = m_recorder.maxVideoFraction = -1.0f;
        CLogCapture outside;
        ASSERT_EQ(CheckedExport(TestClip(c.clip), dst, true, 60000), 0);
        QStringList stages, probedTwice;
        std::set<QString> probed;
        QString encoder, convert;
        for (const CFakeTools::SRun& run : tools.Runs())
        {
            // One prober run per file: every later question is answered from its answer.
            if (run.strTool == "ffprobe" && !run.arguments.contains("-count_frames") && !probed.insert(run.arguments.last()).second)
                probedTwice << run.arguments.last();
            if (run.strTool != "ffmpeg")
                continue;
            stages << run.strStage;
            EXPECT_EQ(run.arguments.value(0), "-nostdin") << run.strStage.toStdString();
            if (run.strStage == "encoder")
                encoder = run.arguments.join(' ');
            if (run.strStage == "convert")
                convert = run.arguments.join(' ');
        }
        EXPECT_EQ(probedTwice, QStringList());
        QStringList expectedStages = c.stages;
        std::sort(stages.begin(), stages.end());
        std::sort(expectedStages.begin(), expectedStages.end());
        EXPECT_EQ(stages, expectedStages);
        EXPECT_TRUE(encoder.contains(c.encoder)) << encoder.toStdString();
        // The encoder writes an intermediate of this program beside the result, of the result's kind.
        EXPECT_TRUE(encoder.contains(" " + m_out.path() + "/017010200_Tmp_VideoStream-") &&
                    encoder.endsWith(c.codec == eCODEC1 ? ".avi" : ".mp4"))
            << encoder.toStdString();
        const char* const converted = "-r 25/1 -vcodec libx264 -preset fast -profile:v baseline -acodec aac -b:a 96k -y ";
        EXPECT_TRUE(convert.isEmpty() || convert.contains(converted)) << convert.toStdString();
        const SMediaProbe out = ProbeMedia(dst.DestinationFile());
        EXPECT_EQ(out.Value("codec_name"), c.outCodec);
        EXPECT_EQ(QSize(out.Value("width").toInt(), out.Value("height").toInt()), c.size);
        EXPECT_EQ(out.Value("rotation") + out.Value("TAG:rotate"), "");
        EXPECT_EQ(out.Count("codec_type=audio"), c.audioStreams);
        EXPECT_EQ(out.Value("codec_name", 1), c.audioStreams > 0 ? "aac" : "");
        EXPECT_EQ(out.Value("TAG:title") == "Vantrope Title",
                  c.metadata && (c.clip == EClip::eTitled || c.clip == EClip::eTitledRotate90));
        if (c.frames)
        {
            EXPECT_EQ(out.Value("nb_read_frames"), c.frames);
        }
        EXPECT_TRUE(JobLog().contains(c.line)) << JobLog().toStdString();
        EXPECT_FLOAT_EQ(m_recorder.maxVideoFraction, 1.0f);
        EXPECT_FLOAT_EQ(m_recorder.lastVideoFraction, 1.0f);
        EXPECT_EQ(out.Value("pix_fmt") == "rgba", c.codec == eCODEC1);
        if (std::strcmp(c.name, "default") != 0)
            continue;
        EXPECT_NEAR(out.Value("duration").toDouble(), 2.0, 0.1);
        // The progress window: title, categories in order (no conversion), texts of each step.
        EXPECT_EQ(m_recorder.log.mid(0, 6), (QStringList{"open|MovieHandling Processing Video File|4", "category|42",
                                                           "category|40", "category|41", "category|43",
                                                           "text|MovieHandling Processing Video File (Video)"}));
        EXPECT_TRUE(m_recorder.log.contains("text|MovieHandling Processing Video File (Audio)"));
        EXPECT_EQ(m_recorder.log.last(), "close");
        // The job's lines went to its own log; the application log got them back after.
        EXPECT_TRUE(JobLog().contains("Helper::StartLogging() -> ")) << JobLog().toStdString();
        EXPECT_TRUE(JobLog().contains("CMovieHandling::ProcessVideo() -> Frames processed: 50"));
        EXPECT_NE(outside.Text().find("Helper::StopLogging()"), std::string::npos);
        EXPECT_EQ(outside.Text().find("Frames processed"), std::string::npos);
        EXPECT_FALSE(Helper::IsLogging());
        EXPECT_FALSE(Helper::IsSleepInhibited());
    }
    EXPECT_EQ(m_prompt.Unanswered(), 0);
    EXPECT_EQ(ErrorCode(), "");
}

TEST_F(ExportTest, DeclinedLargeFormatEndsWithoutDestination)
{
    m_prompt.ExpectQuestion("Möchten sie wirklich fortfahren?", IUserPrompt::eNo);
    EXPECT_EQ(CheckedExport(TestClip(EClip::eTitled), Destination("raw.mp4", CMovieHandling::eCODEC1), false, 30000,
                            [](CInvariantCheck& check) { check.WatchFolder(Helper::UserDirectory()); }),
              3);
    EXPECT_EQ(m_prompt.Log().size(), 1);
}

// ---- stage × fault, aborts ------------------------------------------------------------------

namespace
{
// The abort button pressed once the progress of `category` reaches `fraction`.
struct SAbort
{
    const char* name = nullptr;
    int category = -1;
    float fraction = 0.0f;
    int presses = 0;  // each press asks again
    bool yes = true;  // the answer to the question
};

struct SFaultCase
{
    const char* fault; // for the stand-in programs; or, with `broken`, what is wrong with the converter
    EClip clip;
    int result;
    const char* code; // of the error dialog, "" for none
    const char* line; // expected in the job log
    int broken = -1;  // a CFakeTools::EBreak of the converter itself
    SAbort abort = {};
};

void PrintTo(const SFaultCase& c, std::ostream* os)
{
    if (c.abort.name)
        *os << "abort " << c.abort.name;
    else
        *os << c.fault << " → " << c.line;
}

// Faults of the titled clip that end the same way, one row each.
std::vector<SFaultCase> Faults(std::initializer_list<const char*> faults, int result, const char* code, const char* line)
{
    std::vector<SFaultCase> rows;
    for (const char* fault : faults)
        rows.push_back({fault, EClip::eTitled, result, code, line});
    return rows;
}

std::vector<SFaultCase> Abort(const char* name, int category, float fraction, const char* fault = "", EClip clip = EClip::eTitled,
                              int presses = 1, bool yes = true)
{
    const char* line = yes ? "CMovieHandling::ProcessJob() -> Aborted." : "Frames processed: 50";
    return {{fault, clip, yes ? 3 : 0, "", line, -1, {name, category, fraction, presses, yes}}};
}

std::vector<SFaultCase> ExportFaults()
{
    const char* const tooMany = "CMovieHandling::ProcessJob() -> Only 1 - 8 video streams are supported.";
    const char* const noPipe = "CMovieHandling::OpenReadPipe(): 0x0";
    const std::vector<SFaultCase> groups[] = {
        // Stream counts outside the limits fail before any run.
        {{"", EClip::eTwoFilms, 2, "0101", tooMany}, {"", EClip::eAudioOnly, 2, "0101", tooMany},
         {"", EClip::eNineAudio, 2, "0201", "CMovieHandling::ProcessJob() -> Only 0 - 8 audio streams are supported."}},
        Faults({"probe=exit1", "probe=junk"}, 2, "0101", "main-video-stream(s): 0"),
        Faults({"probe=hang"}, 2, "0101", "ffprobe did not answer in time."),
        {{"convert=exit1", EClip::eWmv, 2, "0030", "CMovieHandling::ConvertVideo() -> Ret: 2"},
         {"convert=segv", EClip::eWmv, 2, "0030", "CMovieHandling::ConvertVideo() -> Ret: 2"},
         {"convert=hang", EClip::eWmv, 2, "0030", "CMovieHandling::ConvertVideo() -> No progress -> Stopped."},
         {"convert=truncated:2", EClip::eWmv, 2, "0030", "CMovieHandling::ConvertVideo() -> Frames converted: 2 of "}},
        Faults({"decoder=exit1", "decoder=empty", "decoder=segv"}, 2, "0130", "Frames processed: 0"),
        Faults({"decoder=hang"}, 2, "0130", "errno: 110"),
        Faults({"decoder=kill-after:30"}, 2, "0130", "Decoder status: 9"),
        Faults({"decoder=segv-after:30"}, 2, "0130", "Decoder status: 11"),
        Faults({"decoder=truncated:10"}, 2, "0130", "Frames processed: 10"),
        Faults({"decoder=truncated:40"}, 0, "", "Frames processed: 40"),
        Faults({"decoder=stderr-flood", "encoder=stderr-flood"}, 0, "", "Frames processed: 50"),
        Faults({"encoder=exit1", "encoder=segv"}, 2, "0130", "write aborted"),
        Faults({"encoder=empty"}, 2, "0130", "errno: 32"),
        Faults({"encoder=hang"}, 2, "0130", "Decoder status: 0, encoder status: 9"),
        Faults({"encoder=exit1-after:30", "encoder=kill-after:5"}, 2, "0130", "CMovieHandling::ProcessVideo() -> Ret: 2"),
        // The pipe may take a few more frames than the encoder read before it stopped.
        Faults({"encoder=truncated:30"}, 2, "0130", "Encoded frames: 30 of "),
        Faults({"audio-extract=exit1", "audio-mux=segv"}, 0, "", "CMovieHandling::ProcessAudio() -> Audio has been skipped."),
        Faults({"audio-extract=hang"}, 0, "", "CMovieHandling::ExtractAudio() -> Found 0 Stream(s)."),
        Faults({"audio-mux=exit1"}, 0, "", "CMovieHandling::CombineVideoAudio() -> "),
        Faults({"metadata=exit1", "metadata=hang", "metadata=kill-after:1"}, 0, "",
               "CMovieHandling::ProcessMetadata() -> Metadata have been skipped."),
        // A converter that cannot be started refuses before any file is made.
        {{"ffmpeg missing", EClip::eTitled, 2, "0130", noPipe, CFakeTools::eMISSING},
         {"ffmpeg not executable", EClip::eTitled, 2, "0130", noPipe, CFakeTools::eNOT_EXECUTABLE},
         {"ffmpeg a folder", EClip::eTitled, 2, "0130", noPipe, CFakeTools::eDIRECTORY}},
        // Aborts in every pass, and while a stalled program is waited for.
        Abort("video_1_percent", 40, 0.01f), Abort("video_half", 40, 0.5f), Abort("video_99_percent", 40, 0.98f),
        Abort("twice", 40, 0.5f, "", EClip::eTitled, 2), Abort("declined", 40, 0.5f, "", EClip::eTitled, 1, false),
        Abort("audio_pass", 41, 0.0f), Abort("finalisation", 43, 0.0f), Abort("stalled_encoder", 40, 0.0f, "encoder=hang"),
        Abort("stalled_remux", 43, 0.0f, "metadata=hang"), Abort("stalled_conversion", 39, 0.0f, "convert=hang", EClip::eWmv),
    };
    std::vector<SFaultCase> rows;
    for (const auto& group : groups)
        rows.insert(rows.end(), group.begin(), group.end());
    return rows;
}

class ExportFault : public ExportTest, public ::testing::WithParamInterface<SFaultCase>
{
};
}  // namespace

TEST_P(ExportFault, EndsWithItsCodeAndLeavesNothingBehind)
{
    const SFaultCase& c = GetParam();
    CFakeTools tools;
    ASSERT_TRUE(tools.IsValid());
    // An earlier result at the destination survives every failure and abort untouched.
    const SDstDesc dst = Destination();
    ASSERT_TRUE(WriteWholeFile(dst.DestinationFile(), "an earlier export"));
    if (c.broken >= 0)
        tools.Break("ffmpeg", CFakeTools::EBreak(c.broken));
    else
        tools.SetFault(c.fault);
    const SAbort& abort = c.abort;
    if (abort.presses == 0 && std::string_view(c.fault).find("hang") != std::string_view::npos)
    {
        m_movie->SetPipeStallLimit(4000);
        m_movie->SetStepTimeLimit(3000);
        m_movie->SetProbeTimeLimit(1500);
    }
    if (abort.presses > 0)
    {
        // Nothing but the abort can end a stalled program here.
        m_movie->SetStepTimeLimit(600000);
        m_movie->SetPipeStallLimit(600000);
        for (int i = 0; i < abort.presses; ++i)
            m_prompt.ExpectQuestion("wirklich abgebrochen", abort.yes ? IUserPrompt::eYes : IUserPrompt::eNo);
        m_recorder.triggerCategory = abort.category;
        m_recorder.triggerFraction = abort.fraction;
        m_recorder.trigger = [this, &c] {
            const auto press = [this, &c] {
                for (int i = 0; i < c.abort.presses; ++i)
                    m_movie->OnAbort();
            };
            if (*c.fault)
                QTimer::singleShot(300, press); // while a stalled program is being waited for
            else
                press();
        };
    }
    const int result = CheckedExport(TestClip(c.clip), dst, c.result == 0);
    tools.SetFault("");
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(ErrorCode(), QString::fromLatin1(c.code));
    EXPECT_TRUE(JobLog().contains(QString::fromUtf8(c.line))) << c.line << "\n" << JobLog().toStdString();
    EXPECT_FALSE(m_movie->IsRunning());
    EXPECT_EQ(m_prompt.Unanswered(), 0);
    EXPECT_EQ(m_recorder.log.count("suspend|1"), abort.presses);
    if (c.result == 0)
    {
        EXPECT_GE(ProbeMedia(dst.DestinationFile()).Value("nb_read_frames").toInt(), 25);
    }
}

INSTANTIATE_TEST_SUITE_P(Export, ExportFault, ::testing::ValuesIn(ExportFaults()));

// ---- storage --------------------------------------------------------------------------------

TEST_F(ExportTest, ReadOnlyAndFullDestinationDrives)
{
    // Name, mount options, codec, the note of the error dialog.
    const std::tuple<const char*, const char*, CMovieHandling::ECodec, const char*> cases[] = {
        {"read-only", "ro,size=1m", CMovieHandling::eCODEC0, "In den Zielordner kann nicht geschrieben werden."},
        {"full", "size=160k", CMovieHandling::eCODEC1, "Der Datenträger des Zielordners ist voll."},
    };
    for (const auto& [name, options, codec, note] : cases)
    {
        SCOPED_TRACE(name);
        const QString folder = m_out.path() + "/" + name;
        ASSERT_TRUE(QDir().mkpath(folder));
        CSmallDisk mount(folder, options);
        if (!mount.IsMounted())
            GTEST_SKIP() << CSmallDisk::kSkipReason;
        m_prompt = CScriptedPrompt();
        if (codec == CMovieHandling::eCODEC1)
            m_prompt.ExpectQuestion("großen Videodatei", IUserPrompt::eYes);
        EXPECT_EQ(CheckedExport(TestClip(EClip::eTitled), Destination(folder + "/result.mp4", codec), false), 2);
        ASSERT_EQ(m_prompt.Log().size(), codec == CMovieHandling::eCODEC1 ? 2 : 1);
        EXPECT_EQ(m_prompt.Log().last(), kErrorDialog + QStringLiteral("0130\n%1").arg(QString::fromUtf8(note)));
    }
}
