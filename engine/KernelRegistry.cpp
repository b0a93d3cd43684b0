#include "engine/KernelRegistry.h"

#include <algorithm>
#include <vector>

// The family tables, one line per family; each is defined at the end of its family file.
std::span<const SKernelEntry> ColourKernels();
std::span<const SKernelEntry> ColourToolKernels();
std::span<const SKernelEntry> ColourChannelKernels();
std::span<const SKernelEntry> ColourLookKernels();
std::span<const SKernelEntry> ColourHarmonicKernels();
std::span<const SKernelEntry> ColourStyleKernels();
std::span<const SKernelEntry> ColourEffectKernels();
std::span<const SKernelEntry> ColourMotifKernels();
std::span<const SKernelEntry> ExposureKernels();
std::span<const SKernelEntry> EnhanceKernels();
std::span<const SKernelEntry> SmoothKernels();
std::span<const SKernelEntry> SmoothBlurKernels();
std::span<const SKernelEntry> SmoothGlowKernels();
std::span<const SKernelEntry> SmoothWarpKernels();
std::span<const SKernelEntry> MaskKernels();
std::span<const SKernelEntry> ToneMappingKernels();

namespace
{
std::vector<SKernelEntry> BuildTable()
{
    std::vector<SKernelEntry> all;
    for (const auto& family : {ColourKernels(), ColourToolKernels(), ColourChannelKernels(), ColourLookKernels(),
                               ColourHarmonicKernels(), ColourStyleKernels(), ColourEffectKernels(),
                               ColourMotifKernels(), ExposureKernels(), EnhanceKernels(), SmoothKernels(),
                               SmoothBlurKernels(), SmoothGlowKernels(), SmoothWarpKernels(), MaskKernels(),
                               ToneMappingKernels()})
        all.insert(all.end(), family.begin(), family.end());
    std::sort(all.begin(), all.end(), [](const SKernelEntry& a, const SKernelEntry& b) {
        return std::string_view(a.pszName) < std::string_view(b.pszName);
    });
    return all;
}

const std::vector<SKernelEntry>& Table()
{
    static const std::vector<SKernelEntry> table = BuildTable();
    return table;
}

bool Flag(std::string_view name, EKernelFlags flag)
{
    const SKernelEntry* entry = MP_FindKernel(name);
    return entry && entry->Has(flag);
}
}  // namespace

std::span<const SKernelEntry> MP_KernelTable()
{
    return Table();
}

const SKernelEntry* MP_FindKernel(std::string_view name)
{
    if (name.empty())
        return nullptr;
    const auto& table = Table();
    // The exact name sorts before every longer name it leads, so the first row not below it
    // is the only candidate.
    const auto it = std::lower_bound(table.begin(), table.end(), name,
                                     [](const SKernelEntry& e, std::string_view n) {
                                         return std::string_view(e.pszName) < n;
                                     });
    if (it == table.end() || std::string_view(it->pszName).substr(0, name.size()) != name)
        return nullptr;
    return &*it;
}

int MP_BorderRows(const SBorder& border, const Params& params)
{
    if (!border.bTimesP00 && !border.bTimesScale)
        return border.iRows;
    float rows = border.bTimesP00 ? params.p[0][0] * border.fMultiplier : border.fMultiplier;
    if (border.bTimesP00)
        rows = rows / border.fDivisor;
    if (border.bTimesScale)
        rows = rows * params.previewscalingfactor;
    // A hostile value must not become a huge or undefined row count.
    if (!(rows > 0.0f))
        return 0;
    return rows < 1.0e6f ? int(rows) : 1000000;
}

int MP_BorderRows(std::string_view name, const Params& params)
{
    const SKernelEntry* entry = MP_FindKernel(name);
    return entry ? MP_BorderRows(entry->border, params) : 500;
}

bool MP_IsProcessorOnly(std::string_view name)
{
    return Flag(name, eKF_CPU_ONLY);
}

bool MP_IsWholeImage(std::string_view name)
{
    return Flag(name, eKF_WHOLE_IMAGE);
}

bool MP_IsMaskKernel(std::string_view name)
{
    return Flag(name, eKF_MASK);
}

bool MP_NeedsUnprocessed(std::string_view name)
{
    return Flag(name, eKF_NEEDS_UNPROCESSED);
}

bool MP_IsIterativeToneMapping(std::string_view name)
{
    return Flag(name, eKF_ITERATIVE_TM);
}

bool MP_IsColourTransform(std::string_view name)
{
    const SKernelEntry* entry = MP_FindKernel(name);
    return entry && entry->eInput == eIN_COLOUR && !entry->Has(eKF_MASK);
}

float MP_RadiusFactor(std::string_view name)
{
    const SKernelEntry* entry = MP_FindKernel(name);
    return entry ? entry->fRadiusFactor : 1.0f;
}

std::vector<std::string_view> MP_SpeedResultNames()
{
    std::vector<std::string_view> names;
    for (const SKernelEntry& e : Table())
        if (e.Has(eKF_SPEED_TESTED))
            names.push_back(e.SpeedResultName());
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

bool MP_HasEffect(std::string_view name, const Params& params)
{
    const SKernelEntry* entry = MP_FindKernel(name);
    if (!entry)
        return false;
    // A layer at zero opacity leaves the input as it is, whatever the kernel computes.
    const int combo = entry->sets.iCombo;
    if (combo >= 0 && combo < MP_PARAM_SETS && !(params.p[combo][1] > 0.0f))
        return false;
    return !entry->pEffect || entry->pEffect(params);
}
