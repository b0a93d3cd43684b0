// Benchmarks of the video library: reading a whole clip through the converter's frame pipe.
#include "cli/Benchmark.h"
#include "video/MovieHandling.h"

#include <memory>

namespace
{
struct SReadPipe
{
    CMovieHandling movie;
    QString strClip, strRate;
    Helper::CRGB24Buffer frame;
    int iFrames = 0; // frames of the last pass
};

// One step: open the read pipe on --clip FILE, read every frame into one reused buffer, close.
bool PrepareReadPipe(const SBenchOptions& options, std::function<void()>& step, QString& error)
{
    auto state = std::make_shared<SReadPipe>();
    state->strClip = options.extra.value("clip");
    if (state->strClip.isEmpty())
        return error = CliBench::tr("read-pipe braucht --clip DATEI"), false;
    const QSize size = state->movie.GetFrameSize(state->strClip);
    state->strRate = state->movie.GetFrameRate(state->strClip, true);
    if (size.width() < 1 || state->strRate.isEmpty())
        return error = CliBench::tr("'%1' kann nicht untersucht werden").arg(state->strClip), false;
    const bool resample = state->strRate != state->movie.GetFrameRate(state->strClip, false);
    state->frame.Create(size, Helper::eCP_NO_CLEAR);
    step = [state, resample] {
        std::unique_ptr<CPipeStream> pipe = state->movie.OpenReadPipe(state->strClip, state->strRate, resample);
        int frames = 0;
        while (pipe && state->movie.ReadFrame(*pipe, state->frame))
            ++frames;
        state->iFrames = frames;
    };
    SetBenchSummary([state, size](double medianMs) {
        const double fps = medianMs > 0.0 ? state->iFrames * 1000.0 / medianMs : 0.0;
        return QStringLiteral("read-pipe: %1 frames of %2x%3, %4 fps")
            .arg(state->iFrames)
            .arg(size.width())
            .arg(size.height())
            .arg(fps, 0, 'f', 1);
    });
    return true;
}

const SBenchmark kVideoBenchmarks[] = {
    {"read-pipe", "every frame of --clip FILE through the converter's RGB frame pipe (fps)", PrepareReadPipe},
};
}  // namespace

std::span<const SBenchmark> VideoBenchmarks()
{
    return kVideoBenchmarks;
}
