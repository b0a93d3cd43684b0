// Benchmarks of the session: the export's frame callback on one full frame.
#include "cli/Benchmark.h"
#include "core/EngineState.h"
#include "lut/LutLattice.h"
#include "session/ExportFrameGrader.h"
#include "session/GradingSession.h"
#include "video/JobEnvironment.h"

#include <memory>
#include <random>

namespace
{
struct SExportFrame
{
    CGradingSession session;
    CExportFrameGrader grader{session};
    Helper::CRGB24Buffer source, destination;
    std::unique_ptr<CExportEngineMode> mode; // the LUT is baked for the first frame only, as in an export
    int iFrame = 0;
};

// One step: an 8-bit noise frame of --size through the whole callback (8 → 16 bit, the grade with
// a --lut-size point LUT, back to 8 bit), as every exported frame goes.
bool PrepareExportFrame(const SBenchOptions& options, std::function<void()>& step, QString& error)
{
    auto state = std::make_shared<SExportFrame>();
    const int lutSize = options.extra.value("lut-size", "33").toInt();
    if (lutSize < 2 || lutSize > 64)
        return error = "--lut-size must be 2 to 64", false;
    state->session.Lut().CreateIdentity(lutSize, "bench");
    state->session.Lut().SetParameter(eLP_SATURATION, 0.65f); // saturation: the bake is not a copy
    state->session.Lut().SetActive(true);
    state->source.Create(options.size, Helper::eCP_NO_CLEAR);
    state->destination.Create(options.size, Helper::eCP_NO_CLEAR);
    std::mt19937 random(7);
    for (size_t i = 0; i < size_t(options.size.width()) * options.size.height() * 3; ++i)
        state->source.GetData()[i] = uint8_t(random());
    state->mode = std::make_unique<CExportEngineMode>();
    step = [state] { state->grader.ProcessFrame(state->source, state->destination, state->iFrame++); };
    SetBenchSummary([](double medianMs) {
        return QStringLiteral("export-frame: %1 frames per second").arg(medianMs > 0.0 ? 1000.0 / medianMs : 0.0, 0, 'f', 1);
    });
    return true;
}

const SBenchmark kSessionBenchmarks[] = {
    {"export-frame", "one frame of --size through the export's frame callback with a --lut-size LUT (default 33)",
     PrepareExportFrame},
};
}  // namespace

std::span<const SBenchmark> SessionBenchmarks()
{
    return kSessionBenchmarks;
}
