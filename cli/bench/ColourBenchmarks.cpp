// Benchmarks of the colour layers: six active layers over a frame (each rebuilds its selection
// table, then recolours what it selects), and one table rebuild alone.
#include "cli/Benchmark.h"
#include "core/EngineState.h"
#include "engine/colourmodule/ColorModuleEngine.h"

#include <cmath>
#include <memory>
#include <vector>

namespace
{
/// A smooth colour field: hue across, saturation and value down, like a real picture's coherent
/// areas (noise would measure cache misses of the 4 MiB selection table instead).
std::shared_ptr<std::vector<uint16_t>> Field(const SBenchOptions& o)
{
    const int w = o.size.width(), h = o.size.height();
    auto frame = std::make_shared<std::vector<uint16_t>>(size_t(w) * h * 3);
    uint16_t* p = frame->data();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x, p += 3)
        {
            const float hue = float(x) / float(w) * 6.f, s = 0.2f + 0.8f * float(y) / float(h);
            const float v = 0.3f + 0.7f * float((x + y) % 97) / 96.f;
            const float f = hue - std::floor(hue);
            const float c[3] = {v * (1.f - s), v * (1.f - s * f), v * (1.f - s * (1.f - f))};
            static const int order[6][3] = {{-1, 2, 0}, {1, -1, 0}, {0, -1, 2}, {0, 1, -1}, {2, 0, -1}, {-1, 0, 1}};
            for (int k = 0; k < 3; ++k)
            {
                const int idx = order[int(hue) % 6][k];
                p[k] = uint16_t((idx < 0 ? v : c[idx]) * 65535.f);
            }
        }
    return frame;
}

bool PrepareLayers(const SBenchOptions& o, std::function<void()>& step, QString&)
{
    auto frame = Field(o);
    auto target = std::make_shared<std::vector<uint16_t>>(frame->size());
    auto record = std::make_shared<SCMEffectParams>();
    record->iWidth = o.size.width();
    record->iHeight = o.size.height();
    record->pSource = frame->data();
    record->pTarget = target->data();
    // Six layers around the circle, each a 0.1 hue range with the soft edge, moved by a quarter turn.
    for (int i = 0; i < MP_CM_LAYER_SLOTS; ++i)
    {
        const float centre = float(i) / 6.f;
        record->aiActive[i] = 1;
        record->afHueMin[i] = std::fmod(centre + 0.95f, 1.f);
        record->afHueMax[i] = centre + 0.05f;
        record->afSatMin[i] = 0.3f;
        record->afSatMax[i] = 1.f;
        record->afValMin[i] = 0.4f;
        record->afSoftness[i] = 0.5f;
        record->afDstHue[i] = std::fmod(centre + 0.25f, 1.f);
        record->afDstSat[i] = 0.7f;
        record->afDstVal[i] = 0.5f;
        record->afSatContrast[i] = 0.6f;
        record->afValContrast[i] = 0.55f;
    }
    const bool log = o.extra.value("log") == "1"; // the per-layer timing lines
    step = [frame, target, record, log] {
        MP_UI_SetLogging(log);
        MP_UI_CalcCMEffects(record.get());
        MP_UI_SetLogging(false);
    };
    return true;
}

bool PrepareTable(const SBenchOptions&, std::function<void()>& step, QString&)
{
    MP_CM_InitTables();
    step = [] { MP_CM_CreateRGBTable(0.95f, 0.05f, 0.3f, 1.f, 0.4f, 0.5f, false); };
    return true;
}

const SBenchmark kBenchmarks[] = {
    {"cm-layers", "six active colour layers on a frame (tables and recolouring)", PrepareLayers},
    {"cm-table", "one selection and value table rebuild of a colour layer", PrepareTable},
};
}  // namespace

std::span<const SBenchmark> ColourBenchmarks()
{
    return kBenchmarks;
}
