// Benchmarks of the video dock's timeline on a real clip, through the same models as the window:
// the marker moved to a random position until the graded preview of that frame is ready, single
// frame steps, and playback of the graded clip in the preview.
#include "cli/Benchmark.h"
#include "cli/bench/BenchGrade.h"
#include "session/GradingSession.h"
#include "session/PreviewModel.h"
#include "session/VideoDockModel.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <random>

namespace
{
struct STimeline
{
    CMovieHandling movie;
    CGradingSession session;
    CPreviewModel preview{session};
    CVideoDockModel dock{movie, session, QStringLiteral("bench")};
    std::mt19937 random{5};
    QString strFailure;
};

std::shared_ptr<STimeline> OpenTimeline(const SBenchOptions& options, QString& error)
{
    const QString clip = options.extra.value("clip");
    if (clip.isEmpty())
        return error = CliBench::tr("braucht --clip DATEI"), nullptr;
    const int lutSize = options.extra.value("lut-size", "33").toInt();
    if (lutSize < 2 || lutSize > 64)
        return error = CliBench::tr("--lut-size muss 2 bis 64 sein"), nullptr;
    auto state = std::make_shared<STimeline>();
    const int previewSide = options.extra.value("preview", "1280").toInt();
    state->preview.SetPreviewLongSide(previewSide);
    state->dock.SetPreviewLongSide(previewSide);
    if (!SetUpBenchGrade(state->session, lutSize, error))
        return nullptr;
    STimeline* s = state.get();
    QObject::connect(&s->dock, &CVideoDockModel::mainImageReady,
                     [s](const Helper::CRGB48Buffer& frame, const Helper::CRGB48Buffer* reduced, int) {
                         auto* scaled = const_cast<Helper::CRGB48Buffer*>(reduced);
                         s->preview.SetFrame(const_cast<Helper::CRGB48Buffer&>(frame).GetData(), frame.Width(),
                                             frame.Height(), scaled ? scaled->GetData() : nullptr,
                                             scaled ? scaled->GetSize() : QSize());
                     });
    QObject::connect(&s->dock.Fetcher(), &CFrameFetcher::frameFailed,
                     [s](qint64, const QString& message) { s->strFailure = message; });
    if (!s->dock.SetSource(clip, &error))
        return nullptr;
    return state;
}

// Runs the event loop until the preview has graded the frame asked for (30 s at most).
void WaitForPreview(STimeline& s)
{
    QEventLoop loop;
    QObject::connect(&s.preview, &CPreviewModel::updated, &loop, &QEventLoop::quit);
    QObject::connect(&s.dock.Fetcher(), &CFrameFetcher::frameFailed, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
}

double TimedMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// One step: the marker jumps to a random position; timed until the graded preview is there.
// The summary then times --steps single frame steps onward from a random position.
bool PrepareScrub(const SBenchOptions& options, std::function<void()>& step, QString& error)
{
    const std::shared_ptr<STimeline> state = OpenTimeline(options, error);
    if (!state)
        return false;
    step = [s = state.get()] {
        s->dock.SetMarker(std::uniform_real_distribution<double>(0.0, 1.0)(s->random));
        s->dock.RefreshMainImage();
        WaitForPreview(*s);
    };
    const int steps = std::max(1, options.extra.value("steps", "50").toInt());
    SetBenchSummary([state, steps](double) {
        STimeline& s = *state;
        s.dock.SetMarker(std::uniform_real_distribution<double>(0.0, 0.5)(s.random));
        s.dock.RefreshMainImage();
        WaitForPreview(s);
        std::vector<double> times;
        for (int i = 0; i < steps; ++i)
            times.push_back(TimedMs([&s] {
                s.dock.OnPosStepRight();
                WaitForPreview(s);
            }));
        std::sort(times.begin(), times.end());
        return QStringLiteral("next-frame: median %1 ms, max %2 ms over %3 steps (preview %4x%5, frames resampled "
                              "by the preview: %6)%7")
            .arg(times[times.size() / 2], 0, 'f', 1)
            .arg(times.back(), 0, 'f', 1)
            .arg(steps)
            .arg(s.preview.PreviewSize().width())
            .arg(s.preview.PreviewSize().height())
            .arg(s.session.ResampleCount())
            .arg(s.strFailure.isEmpty() ? QString() : " - failure: " + s.strFailure);
    });
    return true;
}

// One step: --seconds of playback of the graded clip from its first frame.
bool PreparePlayback(const SBenchOptions& options, std::function<void()>& step, QString& error)
{
    const std::shared_ptr<STimeline> state = OpenTimeline(options, error);
    if (!state)
        return false;
    const int seconds = std::clamp(options.extra.value("seconds", "5").toInt(), 1, 600);
    auto shown = std::make_shared<int>(0);
    auto skipped = std::make_shared<int>(0);
    step = [s = state.get(), seconds, shown, skipped] {
        s->dock.OnPosStart();
        WaitForPreview(*s);
        QEventLoop loop;
        QObject::connect(&s->dock.Playback(), &CClipPlayback::stopped, &loop, &QEventLoop::quit);
        QTimer::singleShot(seconds * 1000, &loop, [s] { s->dock.OnStop(); });
        s->dock.OnPlayPause();
        loop.exec();
        *shown = s->dock.Playback().ShownFrames();
        *skipped = s->dock.Playback().SkippedFrames();
    };
    SetBenchSummary([state, shown, skipped](double medianMs) {
        return QStringLiteral("playback: %1 frames shown per second of %2 (%3 skipped), preview %4x%5")
            .arg(medianMs > 0.0 ? *shown * 1000.0 / medianMs : 0.0, 0, 'f', 1)
            .arg(state->dock.Fetcher().FrameRate(), 0, 'f', 2)
            .arg(*skipped)
            .arg(state->preview.PreviewSize().width())
            .arg(state->preview.PreviewSize().height());
    });
    return true;
}

const SBenchmark kTimelineBenchmarks[] = {
    {"scrub", "marker to a random position of --clip FILE until its graded preview is ready (five colour operators, "
              "--lut-size LUT, --preview long side); then --steps next-frame steps (default 50)",
     PrepareScrub},
    {"playback", "--seconds (default 5) of playback of the graded --clip FILE in the preview (fps shown)",
     PreparePlayback},
};
}  // namespace

std::span<const SBenchmark> TimelineBenchmarks()
{
    return kTimelineBenchmarks;
}
