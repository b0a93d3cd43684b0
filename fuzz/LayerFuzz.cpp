// Fuzz target of the colour-layer file loader: writes the input to a file under a new name on
// every run (the settings class caches parsed files by name, size and time), loads it as the
// layer list, and checks that there are at most six layers, that every number of every layer is
// a finite value in 0..1 and every pick position finite, and that the load was quick. Inputs
// whose last byte is a multiple of 16 also run the loaded layers over a tiny image.
// Built with libFuzzer under clang, or as a replay program that runs the inputs named on its
// command line (files or folders) once each.
#include "core/Timing.h"
#include "engine/colourmodule/ColorModule.h"
#include "fuzz/FileLoaderFuzz.h"

#include <cmath>

namespace
{
void Require(bool condition, const char* oracle)
{
    FuzzSupport::Require(condition, "layer", oracle);
}

bool Unit(float v)
{
    return std::isfinite(v) && v >= 0.f && v <= 1.f;
}

struct SHarness
{
    FuzzSupport::CInputFolder inputs{"layer"};
    std::vector<uint16_t> image = std::vector<uint16_t>(6 * 5 * 3);

    SHarness()
    {
        for (size_t i = 0; i < image.size(); ++i)
            image[i] = uint16_t(i * 2179);
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
    const QString path = h.inputs.Write(data, size, "cml");
    if (path.isEmpty())
        return 0;
    CColorModule module;
    const double start = MP_TimeStamp();
    module.Controls().LoadFile(path);
    const double ms = MP_ElapsedMs(start);
    QFile::remove(path);

    Require(ms < 1000.0, "a load takes well under a second");
    const ColorModule::CColorControls& controls = module.Controls();
    Require(controls.Count() <= ColorModule::CColorControls::kMaxLayers, "at most six layers");
    for (int i = 0; i < controls.Count(); ++i)
    {
        const SColorLayerData& d = controls.Layer(i).Data();
        Require(controls.Layer(i).Index() == i, "layers numbered in list order");
        for (float v : {d.m_fSrcHue, d.m_fSrcHueMin, d.m_fSrcHueMax, d.m_fSrcHueReset, d.m_fSrcSat, d.m_fSrcSatMin,
                        d.m_fSrcSatMax, d.m_fSrcSatReset, d.m_fSrcVal, d.m_fSrcValReset, d.m_fSrcSoftness, d.m_fDstHue,
                        d.m_fDstHueReset, d.m_fDstSat, d.m_fDstSatReset, d.m_fDstVal, d.m_fDstValReset,
                        d.m_fDstSatContrast, d.m_fDstValContrast})
            Require(Unit(v), "every number in 0..1");
        for (const QPointF& p : {d.m_pntSrcImagePosRel, d.m_pntDstImagePosRel})
            Require(std::isfinite(p.x()) && std::isfinite(p.y()), "pick positions finite");
    }
    if (size > 0 && data[size - 1] % 16 == 0 && controls.Count() > 0)
    {
        Require(module.SetImage(h.image.data(), 6, 5), "the image is taken");
        Require(module.CalcResult(), "the layers run");
    }
    return 0;
}
