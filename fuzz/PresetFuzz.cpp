// Fuzz target of the preset loader: writes the input to a file under a new name on every run
// (the settings class caches parsed files by name, size and time), loads it as a chain, and
// checks that every loaded value lies inside its set type's range, that every operator ends with
// a geometry set and has no more sets than a file can name, and that the load was quick. Every
// sixty-fourth input (by its last byte) is also run as a chain over a tiny image, so hostile values meet the kernels.
// Built with libFuzzer under clang, or as a replay program that runs the inputs named on its
// command line (files or folders) once each.
#include "core/Timing.h"
#include "engine/EngineContext.h"
#include "engine/PostProcessing.h"
#include "fuzz/FileLoaderFuzz.h"

#include <algorithm>

namespace
{
void Require(bool condition, const char* oracle)
{
    FuzzSupport::Require(condition, "preset", oracle);
}

struct SHarness
{
    FuzzSupport::CInputFolder inputs{"preset"};
    CEngineContext engine;
    std::vector<uint16_t> image = std::vector<uint16_t>(5 * 4 * 3);

    SHarness()
    {
        for (size_t i = 0; i < image.size(); ++i)
            image[i] = uint16_t(i * 3121);
    }
};

SHarness& Harness()
{
    static SHarness harness;
    return harness;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SHarness& h = Harness();
    const QString path = h.inputs.Write(data, size, "ini");
    if (path.isEmpty())
        return 0;
    const double start = MP_TimeStamp();
    CPostProcessing chain;
    chain.SetPath(path);
    chain.Load();
    const double ms = MP_ElapsedMs(start);
    QFile::remove(path);

    Require(ms < 1000.0, "a load takes well under a second");
    for (const CPostProcessing::SOperator& op : chain.Operators())
    {
        Require(op.FindSet(CPostProcessing::eGEO) >= 0, "every operator has an eGEO set");
        Require(op.aParams.size() <= 17, "at most sixteen named sets and an added eGEO set");
        for (const CPostProcessing::SParam& set : op.aParams)
        {
            float clamped[MP_PARAM_VALUES];
            std::copy(set.afValues, set.afValues + MP_PARAM_VALUES, clamped);
            CPostProcessing::ClampToRange(set.eType, clamped);
            Require(std::equal(clamped, clamped + MP_PARAM_VALUES, set.afValues), "every value inside its range");
        }
    }
    if (size > 0 && data[size - 1] % 64 == 0 && !chain.Operators().isEmpty())
    {
        h.engine.Slots().Fill(eWS_MAIN, h.image.data(), 5, 4, 5, 4, 1);
        chain.Process(h.engine, 5, 4, false);
    }
    return 0;
}
