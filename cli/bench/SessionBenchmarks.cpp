// Benchmarks of the session: the export's frame callback on one full frame, and the preview's
// refresh after a slider change.
#include "cli/Benchmark.h"
#include "cli/CliPrompt.h"
#include "cli/bench/BenchGrade.h"
#include "core/EngineState.h"
#include "core/Timing.h"
#include "engine/ChainEditor.h"
#include "lut/LutLattice.h"
#include "session/ExportFrameGrader.h"
#include "session/GradingSession.h"
#include "session/PresetLibrary.h"
#include "session/PresetThumbnails.h"
#include "session/PreviewModel.h"
#include "video/JobEnvironment.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

bool SetUpBenchGrade(CGradingSession& session, int lutSize, QString& error, int* sliderOperator)
{
    int unused = -1;
    if (!sliderOperator)
        sliderOperator = &unused;
    CChainEditor editor(session.Chain(), COperatorCatalogue::Shared());
    struct SSetting
    {
        const char* kernel;
        std::initializer_list<std::pair<int, float>> values; // set → value 0
    };
    const SSetting chain[] = {
        {"MP_calcPixelColorBalance", {{0, 0.56f}, {2, 0.45f}}},
        {"MP_calcPixelColorTemperature", {{0, 0.42f}}},
        {"MP_calcPixelBasicTools", {{0, 0.55f}, {1, 0.6f}}},
        {"MP_calcPixelColorIntensity", {{0, 0.65f}}},
        {"MP_calcPixelColorPalette", {{1, 0.62f}, {5, 0.4f}}},
    };
    for (const SSetting& setting : chain)
    {
        const int index = editor.Add(setting.kernel);
        if (index < 0)
            return error = CliBench::tr("der Katalog hat kein %1").arg(setting.kernel), false;
        for (const auto& [set, value] : setting.values)
            if (!editor.SetValue(index, set, 0, value))
                return error = CliBench::tr("%1 hat keinen Satz %2").arg(setting.kernel).arg(set), false;
        if (QLatin1String(setting.kernel) == QLatin1String("MP_calcPixelColorIntensity"))
            *sliderOperator = index;
    }

    // A LUT that bends every channel (a soft S-curve with a cross-talk), not an identity.
    CLutState& lut = session.Lut();
    lut.CreateIdentity(lutSize, "bench");
    float* lattice = lut.Source().Data();
    for (size_t i = 0; i < size_t(lutSize) * lutSize * lutSize; ++i)
    {
        float* rgb = lattice + i * 3;
        const float r = rgb[0], g = rgb[1], b = rgb[2];
        rgb[0] = std::clamp(r + 0.08f * std::sin(6.2831853f * r) * 0.5f + 0.03f * (g - b), 0.0f, 1.0f);
        rgb[1] = std::clamp(g + 0.05f * std::sin(6.2831853f * g) * 0.5f, 0.0f, 1.0f);
        rgb[2] = std::clamp(0.95f * b + 0.04f * r, 0.0f, 1.0f);
    }
    lut.AdoptSource(lutSize, "bench");
    lut.SetParameter(eLP_SATURATION, 0.6f);
    lut.SetActive(true);
    return true;
}

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
        return error = CliBench::tr("--lut-size muss 2 bis 64 sein"), false;
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

struct SPreview
{
    CGradingSession session;
    CPreviewModel model{session};
    int iIntensity = -1; // operator whose slider the step moves
    int iStep = 0;
};

}  // namespace

double BenchMedian(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

std::vector<uint16_t> PreviewFrame(QSize size)
{
    std::vector<uint16_t> frame(size_t(size.width()) * size.height() * 3);
    std::mt19937 random(11);
    size_t i = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
        {
            const int noise = int(random() % 4096) - 2048;
            const int r = x * 65535 / std::max(1, size.width() - 1), g = y * 65535 / std::max(1, size.height() - 1);
            frame[i++] = uint16_t(std::clamp(r + noise, 0, 65535));
            frame[i++] = uint16_t(std::clamp(g + noise, 0, 65535));
            frame[i++] = uint16_t(std::clamp((r + g) / 2 + noise, 0, 65535));
        }
    return frame;
}

namespace
{

// One step: a slider of a five-operator colour chain moves and the preview of a --size frame is
// refreshed (grade at preview size with a --lut-size LUT, display conversion). The
// frame is scaled to the preview size once, before the timing.
bool PreparePreview(const SBenchOptions& options, std::function<void()>& step, QString& error)
{
    auto state = std::make_shared<SPreview>();
    const int lutSize = options.extra.value("lut-size", "33").toInt();
    if (lutSize < 2 || lutSize > 64)
        return error = CliBench::tr("--lut-size muss 2 bis 64 sein"), false;
    if (options.extra.contains("preview"))
        state->model.SetPreviewLongSide(options.extra.value("preview").toInt());

    if (!SetUpBenchGrade(state->session, lutSize, error, &state->iIntensity))
        return false;

    const std::vector<uint16_t> frame = PreviewFrame(options.size);
    if (!state->model.SetFrame(frame.data(), options.size.width(), options.size.height()))
        return error = CliBench::tr("die Vorschau konnte das Bild nicht bearbeiten"), false;
    const bool log = options.extra.value("log") == "1"; // the kernels' timing lines
    step = [state, log] {
        CChainEditor slider(state->session.Chain(), COperatorCatalogue::Shared());
        slider.SetValue(state->iIntensity, 0, 0, 0.6f + 0.002f * float(state->iStep++ % 50));
        MP_UI_SetLogging(log);
        state->model.UpdateNow();
        MP_UI_SetLogging(false);
    };
    SetBenchSummary([state](double) {
        const QSize preview = state->model.PreviewSize();
        return QStringLiteral("preview: %1x%2 of %3x%4, frame scaled %5 time(s)")
            .arg(preview.width()).arg(preview.height())
            .arg(state->model.FrameSize().width()).arg(state->model.FrameSize().height())
            .arg(state->session.ResampleCount());
    });
    return true;
}

struct SPresetThumbnails
{
    CCliPrompt prompt;
    CPresetLibrary library{prompt};
    CPresetThumbnails thumbnails{library};
    std::vector<uint16_t> frame;
    QSize size;
    double dSlowestMs = 0.0;
};

// One step: a new --size frame for the presets dock, reduced once and graded by every shipped
// preset at thumbnail size, one after the other as the dock's timer does.
bool PreparePresetThumbnails(const SBenchOptions& options, std::function<void()>& step, QString& error)
{
    auto state = std::make_shared<SPresetThumbnails>();
    if (!state->library.LoadAll())
        return error = CliBench::tr("keine Presets neben dem Programm"), false;
    state->frame = PreviewFrame(options.size);
    state->size = options.size;
    step = [state] {
        state->thumbnails.SetFrame(state->frame.data(), state->size.width(), state->size.height());
        for (;;)
        {
            const double stamp = MP_TimeStamp();
            if (state->thumbnails.RenderNext() < 0)
                break;
            state->dSlowestMs = std::max(state->dSlowestMs, MP_ElapsedMs(stamp));
        }
    };
    SetBenchSummary([state](double) {
        return QStringLiteral("preset-thumbnails: %1 presets at %2x%3, slowest thumbnail %4 ms")
            .arg(state->library.Count())
            .arg(state->thumbnails.Size().width())
            .arg(state->thumbnails.Size().height())
            .arg(state->dSlowestMs, 0, 'f', 2);
    });
    return true;
}

const SBenchmark kSessionBenchmarks[] = {
    {"preset-thumbnails", "every shipped preset graded into its dock thumbnail (160x120) from one --size frame",
     PreparePresetThumbnails},
    {"preview", "a slider change and the preview refresh of a --size frame (five colour operators, --lut-size LUT, "
                "--preview long side, default 1280)",
     PreparePreview},
    {"export-frame", "one frame of --size through the export's frame callback with a --lut-size LUT (default 33)",
     PrepareExportFrame},
};
}  // namespace

std::span<const SBenchmark> SessionBenchmarks()
{
    return kSessionBenchmarks;
}
