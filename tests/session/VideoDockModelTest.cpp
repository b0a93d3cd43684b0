// The video dock's models: the stepping arithmetic, selectors and their resets, the project group,
// the zoom stages with their thumbnail slots and extraction order, the time label's side,
// timecodes and playback's frame dropping; then, on a generated clip, frames picked at the
// marker (mirrored as the export mirrors them), thumbnails, and a cut clip's message.
#include "session/VideoDockModel.h"
#include "tests/session/SessionTestUtil.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace
{
class VideoDock : public ::testing::Test
{
protected:
    CMovieHandling m_movie;
    CGradingSession m_session;
    CVideoDockModel m_dock{m_movie, m_session, QStringLiteral("Videoeinstellungen")};
};

// A 160×90 clip of 50 frames at 25 fps whose frames all differ, with a key frame every 10; and
// its first half, whose index still promises all of it.
class CClips
{
public:
    static const CClips& Get()
    {
        static CClips clips;
        return clips;
    }
    QString Clip() const { return m_dir.filePath("clip.mp4"); }
    QString Cut() const { return m_dir.filePath("cut.mp4"); }

private:
    CClips()
    {
        const QStringList make{"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i", "testsrc2=s=160x90:r=25:d=2",
                               "-c:v", "libx264", "-g", "10", "-pix_fmt", "yuv420p", "-movflags", "+faststart"};
        EXPECT_EQ(QProcess::execute("ffmpeg", make + QStringList{Clip()}), 0);
        QFile whole(Clip()), cut(Cut());
        EXPECT_TRUE(whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
        cut.write(whole.read(whole.size() / 2));
    }
    QTemporaryDir m_dir;
};

// Runs the event loop until `signal` of `object` has come (or ten seconds have passed).
template <typename Object, typename Signal>
bool Await(Object* object, Signal signal)
{
    QEventLoop loop;
    bool arrived = false;
    const QMetaObject::Connection connection = QObject::connect(object, signal, &loop, [&] {
        arrived = true;
        loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    return arrived;
}
}  // namespace

TEST_F(VideoDock, StepsMoveByFramesAndSecondsWithinTheClip)
{
    using Step = void (CVideoDockModel::*)();
    const std::tuple<double, double, Step, double> cases[] = {
        {25.0, 0.0, &CVideoDockModel::OnPosStepRight, 0.004},
        {25.0, 0.0, &CVideoDockModel::OnPosRight, 0.1},
        {25.0, 0.5, &CVideoDockModel::OnPosStepLeft, 0.496},
        {25.0, 1.0, &CVideoDockModel::OnPosStepRight, 1.0},
        {25.0, 0.0, &CVideoDockModel::OnPosStepLeft, 0.0},
        {25.0, 0.95, &CVideoDockModel::OnPosRight, 1.0},
        // 1000 and 301 frames per second count as unknown: a frame step is 1 ÷ 29.97 s.
        {1000.0, 0.0, &CVideoDockModel::OnPosStepRight, 1.0 / 29.97 / 10.0},
        {301.0, 0.0, &CVideoDockModel::OnPosStepRight, 1.0 / 29.97 / 10.0},
        {300.0, 0.0, &CVideoDockModel::OnPosStepRight, 1.0 / 300.0 / 10.0},
        {25.0, 0.3, &CVideoDockModel::OnPosCenter, 0.5},
        {25.0, 0.3, &CVideoDockModel::OnPosEnd, 1.0},
        {25.0, 0.3, &CVideoDockModel::OnPosStart, 0.0},
    };
    for (const auto& [rate, start, step, expected] : cases)
    {
        m_dock.SetClipMetrics(QSize(160, 90), 10000, rate, rate);
        m_dock.SetMarker(start);
        (m_dock.*step)();
        EXPECT_NEAR(m_dock.Timeline().Marker(), expected, 1e-12) << rate << " fps from " << start;
    }
}

TEST_F(VideoDock, LengthLabelShowsTheRateOnlyUpTo300)
{
    const QString clip = CClips::Get().Clip(); // any file: the labels need a valid source
    m_dock.SetSource(clip);
    for (const auto& [rate, length, fps] : {std::tuple{25.0, "Länge: 00:00:10.000  (25 fps)", 25},
                                            std::tuple{29.97, "Länge: 00:00:10.000  (30 fps)", 30},
                                            std::tuple{1000.0, "Länge: 00:00:10.000", 0}})
    {
        m_dock.SetClipMetrics(QSize(160, 90), 10000, rate, rate);
        m_dock.Update();
        EXPECT_EQ(m_dock.View().length, QString::fromUtf8(length));
        EXPECT_EQ(m_dock.FrameRate(), fps);
    }
    EXPECT_EQ(m_dock.View().resolution, QStringLiteral("Auflösung: 160 x 90 px"));
    EXPECT_EQ(m_dock.View().title, QStringLiteral("Videoeinstellungen - clip.mp4"));
}

TEST_F(VideoDock, SelectorsStoreTheirValuesAndClearTheDestinationPath)
{
    // The quality list runs from best to lowest.
    using Select = void (CVideoDockModel::*)(int);
    const std::tuple<Select, int, CMovieHandling::ECodec, CMovieHandling::EQuality, CMovieHandling::EArtefact> cases[] = {
        {&CVideoDockModel::OnQualitySelected, 0, CMovieHandling::eCODEC0, CMovieHandling::eBEST, CMovieHandling::eUNCHANGED},
        {&CVideoDockModel::OnQualitySelected, 4, CMovieHandling::eCODEC0, CMovieHandling::eLOWEST, CMovieHandling::eUNCHANGED},
        // A codec silently resets the quality.
        {&CVideoDockModel::OnCodecSelected, 1, CMovieHandling::eCODEC1, CMovieHandling::eNORMAL, CMovieHandling::eUNCHANGED},
        {&CVideoDockModel::OnArtefactSelected, 3, CMovieHandling::eCODEC1, CMovieHandling::eNORMAL, CMovieHandling::eINTENSIVE},
    };
    for (const auto& [select, index, codec, quality, artefact] : cases)
    {
        m_dock.Destination().m_strPath = QStringLiteral("/tmp/old");
        (m_dock.*select)(index);
        const CMovieHandling::SDstDesc& d = m_dock.Destination();
        EXPECT_EQ(std::tuple(d.m_eCodec, d.m_eQuality, d.m_eArtefact), std::tuple(codec, quality, artefact)) << index;
        EXPECT_TRUE(d.m_strPath.isEmpty());
    }
    // The view follows on the update: "Normal" is the third item; uncompressed output has no quality.
    EXPECT_EQ(m_dock.View().iQuality, 2);
    EXPECT_EQ(m_dock.View().iCodec, 1);
    EXPECT_FALSE(m_dock.View().bQualityEnabled);
    for (auto toggle : {&CVideoDockModel::OnCopyAudio, &CVideoDockModel::OnCopyMetadata, &CVideoDockModel::OnFlipX,
                        &CVideoDockModel::OnFlipY})
    {
        m_dock.Destination().m_strPath = QStringLiteral("/tmp/old");
        (m_dock.*toggle)(false);
        EXPECT_TRUE(m_dock.Destination().m_strPath.isEmpty());
    }
    // Untranslated keys never reach the user: the German text stands in.
    EXPECT_EQ(CVideoDockModel::ChoiceText(CVideoDockModel::Qualities()[0]), QStringLiteral("Beste Qualität"));
}

TEST_F(VideoDock, ProjectGroupRoundTripsThroughTheSettings)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("project.ini");
    m_dock.SetClipMetrics(QSize(160, 90), 10000, 25.0, 25.0);
    m_dock.SetSource(CClips::Get().Clip());
    m_dock.OnCodecSelected(1);
    m_dock.OnArtefactSelected(2);
    m_dock.OnCopyAudio(false);
    m_dock.OnFlipY(true);
    m_dock.Destination().m_strPath = QStringLiteral("/videos/graded");
    m_dock.CloseClip(); // the marker stays where it is put below
    m_dock.SetMarker(0.25);
    m_dock.Timeline().SetFlipTimestamp(true);
    {
        QSettings settings(file, QSettings::IniFormat);
        m_dock.SaveProject(settings, dir.path());
    }
    QSettings settings(file, QSettings::IniFormat);
    EXPECT_EQ(settings.value("CVideoDockWidget/SrcDesc/m_strPath").toString(), CClips::Get().Clip());
    EXPECT_FLOAT_EQ(settings.value("CVideoDockWidget/Timeline/m_fXPosRel").toFloat(), 0.25f);
    EXPECT_TRUE(settings.value("CVideoDockWidget/Timeline/m_bFlipTimestamp").toBool());

    CMovieHandling movie;
    CVideoDockModel loaded(movie, m_session, QStringLiteral("Videoeinstellungen"));
    loaded.OnQualitySelected(0); // replaced: loading starts from a reset
    loaded.LoadProject(settings, dir.path());
    EXPECT_EQ(loaded.Source().m_strPath, CClips::Get().Clip());
    EXPECT_EQ(loaded.Destination(), m_dock.Destination());
    EXPECT_EQ(loaded.Timeline().Marker(), 0.25);
    EXPECT_TRUE(loaded.Timeline().FlipTimestamp());

    // An empty group resets everything.
    QSettings empty(dir.filePath("empty.ini"), QSettings::IniFormat);
    loaded.LoadProject(empty, dir.path());
    EXPECT_EQ(loaded.Destination(), CMovieHandling::SDstDesc());
    EXPECT_EQ(loaded.Timeline().Marker(), 0.0);
    EXPECT_EQ(loaded.SourceSize(), QSize(-2, -2));
}

TEST(Timeline, ZoomStagesShowTheirSlots)
{
    const std::vector<int> activeSlots[] = {{0, 32, 64}, {0, 16, 32, 48, 64}, {0, 8, 16, 24, 32, 40, 48, 56, 64}};
    const int counts[] = {3, 5, 9, 17, 33, 65};
    for (int stage = 0; stage < 6; ++stage)
    {
        std::vector<int> active;
        for (int slot = 0; slot < CTimelineModel::kSlots; ++slot)
            if (CTimelineModel::IsSlotActive(stage, slot))
                active.push_back(slot);
        EXPECT_EQ(int(active.size()), counts[stage]) << "stage " << stage;
        EXPECT_EQ(CTimelineModel::ThumbnailCount(stage), counts[stage]) << "stage " << stage;
        if (stage < 3)
        {
            EXPECT_EQ(active, activeSlots[stage]) << "stage " << stage;
        }
    }

    // A 1080-pixel desktop: a strip of 77, thumbnails 53 high and (16:9) 94 wide, 98 apart.
    EXPECT_EQ(CTimelineModel::ThumbnailSize(CTimelineModel::StripHeight(1080), QSize(1920, 1080)), QSize(94, 53));
    for (const auto& [width, stage] : {std::pair{300, 0}, std::pair{500, 1}, std::pair{1000, 2}, std::pair{1667, 3},
                                       std::pair{6371, 5}})
        EXPECT_EQ(CTimelineModel::HighestFittingStage(width, QSize(94, 53)), stage) << width;
}

TEST(Timeline, MissingThumbnailsSampleTimesAndTheTimeLabel)
{
    CTimelineModel timeline;
    timeline.SetDuration(10000);
    timeline.SetGeometry(1000, 1080, QSize(1920, 1080)); // thumbnails 94 wide
    timeline.SetZoom(1);
    timeline.SetThumbnail(16, QImage(94, 53, QImage::Format_RGB888));
    EXPECT_EQ(timeline.MissingSlots(), (std::vector<int>{0, 32, 48, 64}));
    // r = i/64 + (0.5 − i/64) × 94 ÷ 1000, in milliseconds of 10 s.
    for (const auto& [slot, ms] : {std::pair{0, 470}, {32, 5000}, {48, 7265}, {64, 9530}})
        EXPECT_EQ(timeline.SampleTimeMs(slot), ms) << slot;
    EXPECT_EQ(CTimelineModel::ThumbnailLeft(64, 94, 1000), 906);
    // Another desktop means other thumbnail sizes: all are made again.
    timeline.SetGeometry(1000, 1440, QSize(1920, 1080));
    EXPECT_EQ(timeline.MissingSlots().size(), 5u);

    // The time label goes left of the marker where it would not fit.
    for (const auto& [marker, left] : {std::pair{900, false}, {936, false}, {937, true}})
        EXPECT_EQ(CTimelineModel::LabelLeftOfMarker(marker, 60, 1000), left) << marker;
    timeline.SetDuration(7384567);
    timeline.SetMarker(0.5);
    EXPECT_EQ(timeline.MarkerTimeText(), QStringLiteral("01:01:32.283"));
    for (const auto& [frame, code] : {std::pair{0, "00:00:00:00"}, {1234, "00:00:49:09"}, {90074, "01:00:02:24"}})
        EXPECT_EQ(CVideoDockModel::Timecode(frame, 25), QLatin1String(code)) << frame;
}

TEST_F(VideoDock, MouseOnTheTimelineMovesTheMarker)
{
    m_dock.SetClipMetrics(QSize(160, 90), 10000, 25.0, 25.0);
    // The drag flag shows in the marker: it follows a move while pressed and only then.
    m_dock.OnTimelinePress(250, 1000);
    EXPECT_EQ(m_dock.Timeline().Marker(), 0.25);
    m_dock.OnTimelineMove(1200, 1000); // beyond the end: clamped
    EXPECT_EQ(m_dock.Timeline().Marker(), 1.0);
    m_dock.OnTimelineRelease();
    m_dock.OnTimelineMove(995, 1000);
    EXPECT_TRUE(m_dock.Timeline().Hover());
    m_dock.OnTimelineMove(980, 1000);
    EXPECT_FALSE(m_dock.Timeline().Hover());
    EXPECT_EQ(m_dock.Timeline().Marker(), 1.0); // moving without a press only hovers
}

TEST(ClipPlayback, FramesTheGradeCannotKeepUpWithAreSkipped)
{
    CClipPlayback playback;
    playback.Start(10, 100, 25.0);
    EXPECT_EQ(playback.NextFrame(10, 0), 11);
    EXPECT_EQ(playback.NextFrame(11, 39), 12);
    EXPECT_EQ(playback.NextFrame(11, 130), 14); // 130 ms after the start frame 13 is due: 12 and 13 are skipped
    EXPECT_EQ(playback.DueMs(15), 200);
}

TEST_F(VideoDock, PickedFrameArrivesMirroredAsTheExportTakesIt)
{
    std::vector<uint16_t> shown[2];
    int index = -1;
    QSize reduced;
    QObject::connect(&m_dock, &CVideoDockModel::mainImageReady,
                     [&](const Helper::CRGB48Buffer& frame, const Helper::CRGB48Buffer* preview, int i) {
        reduced = preview ? preview->GetSize() : QSize();
        auto& f = const_cast<Helper::CRGB48Buffer&>(frame);
        shown[m_dock.Destination().m_bFlipX].assign(f.GetData(), f.GetData() + size_t(f.Width()) * f.Height() * 3);
        index = i;
    });
    ASSERT_TRUE(m_dock.SetSource(CClips::Get().Clip()));
    m_dock.SetMarker(0.5); // 1 s: frame 25
    m_dock.RefreshMainImage();
    ASSERT_TRUE(Await(&m_dock, &CVideoDockModel::mainImageReady));
    EXPECT_EQ(index, 25);
    EXPECT_EQ(m_dock.View().position, QStringLiteral("00:00:01:00  (Bild 25)"));
    m_dock.SetPreviewLongSide(80); // the reduced copy comes mirrored too
    m_dock.OnFlipX(true);
    ASSERT_TRUE(Await(&m_dock, &CVideoDockModel::mainImageReady));
    EXPECT_EQ(reduced, QSize(80, 45));
    ASSERT_EQ(shown[0].size(), size_t(160 * 90 * 3));
    ASSERT_EQ(shown[1].size(), shown[0].size());
    std::vector<uint16_t> mirrored;
    for (int y = 0; y < 90; ++y)
        for (int x = 159; x >= 0; --x)
            mirrored.insert(mirrored.end(), &shown[0][(y * 160 + x) * 3], &shown[0][(y * 160 + x) * 3 + 3]);
    EXPECT_TRUE(mirrored == shown[1]);
}

TEST_F(VideoDock, ThumbnailsArriveForTheStageAndLeaveNoFiles)
{
    m_dock.SetTimelineGeometry(1000, 1080);
    ASSERT_TRUE(m_dock.SetSource(CClips::Get().Clip()));
    for (int i = 0; i < 10 && !m_dock.Timeline().MissingSlots().empty(); ++i)
        Await(&m_dock, &CVideoDockModel::timelineChanged);
    EXPECT_TRUE(m_dock.Timeline().MissingSlots().empty());
    EXPECT_EQ(m_dock.Timeline().Thumbnail(32).size(), QSize(94, 53));
    EXPECT_TRUE(m_dock.Timeline().Thumbnail(16).isNull()); // not a slot of stage 0
    m_dock.Reset();
    EXPECT_FALSE(m_dock.Fetcher().IsOpen());
    EXPECT_TRUE(m_dock.Timeline().Thumbnail(32).isNull());
    // Thumbnails never go through files: the dock's folder in the private temp folder holds
    // the prober's answers only.
    EXPECT_EQ(QDir(m_movie.TempDirectory()).entryList(QDir::Files).filter(".ini").size(),
              QDir(m_movie.TempDirectory()).entryList(QDir::Files).size());
}

TEST_F(VideoDock, CutClipShowsWhyAndKeepsTheLastGoodFrame)
{
    int frames = 0;
    QObject::connect(&m_dock, &CVideoDockModel::mainImageReady,
                     [&](const Helper::CRGB48Buffer&, const Helper::CRGB48Buffer*, int) { ++frames; });
    ASSERT_TRUE(m_dock.SetSource(CClips::Get().Cut()));
    m_dock.SetMarker(0.2);
    m_dock.RefreshMainImage();
    ASSERT_TRUE(Await(&m_dock, &CVideoDockModel::mainImageReady));
    m_dock.SetMarker(0.9);
    m_dock.RefreshMainImage();
    ASSERT_TRUE(Await(&m_dock.Fetcher(), &CFrameFetcher::frameFailed));
    EXPECT_EQ(frames, 1);
    EXPECT_TRUE(m_dock.View().status.contains("00:00:01.800")) << m_dock.View().status.toStdString();
    EXPECT_EQ(m_dock.ShownFrame(), 10);
}
