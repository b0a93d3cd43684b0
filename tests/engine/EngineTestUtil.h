// Helpers of the engine tests: an engine of the test's own, a captured C standard output (the
// engine's log channel), fresh call records, and kernels run straight from the registry.
#pragma once

#include "core/EngineState.h"
#include "engine/EngineContext.h"
#include "engine/KernelRegistry.h"
#include "engine/LayerFrame.h"
#include "engine/Params.h"
#include "engine/PostProcessing.h"
#include "engine/RunKernel.h"
#include "engine/OperatorCatalogue.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

/// Redirects file descriptor 1 into a temporary file while alive.
class CStdoutCapture
{
public:
    CStdoutCapture()
    {
        std::fflush(stdout);
        m_file = std::tmpfile();
        m_saved = dup(1);
        dup2(fileno(m_file), 1);
    }
    ~CStdoutCapture()
    {
        Restore();
        std::fclose(m_file);
    }
    std::string Text()
    {
        Restore();
        std::string text;
        std::rewind(m_file);
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof(buffer), m_file)) > 0)
            text.append(buffer, n);
        return text;
    }

private:
    void Restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stdout);
        dup2(m_saved, 1);
        close(m_saved);
        m_saved = -1;
    }
    std::FILE* m_file = nullptr;
    int m_saved = -1;
};

namespace detail
{
struct STestState
{
    CEngineState state;
};
}  // namespace detail

/// An engine state and context of the test's own (four workers, equal luminance weights, no log
/// lines): nothing a test sets reaches another test.
class CTestEngine : private detail::STestState, public CEngineContext
{
public:
    CTestEngine() : CEngineContext(detail::STestState::state)
    {
        State().SetThreadCount(4);
        State().bLogging = false;
    }
};

/// A picture of one colour.
inline std::vector<uint16_t> Uniform(int w, int h, uint16_t r, uint16_t g, uint16_t b)
{
    std::vector<uint16_t> image(size_t(w) * h * 3);
    for (size_t i = 0; i < image.size(); i += 3)
        image[i] = r, image[i + 1] = g, image[i + 2] = b;
    return image;
}

/// Every 2 × 2 block averaged (rounded).
inline std::vector<uint16_t> Half(const std::vector<uint16_t>& image, int w, int h)
{
    std::vector<uint16_t> out(size_t(w / 2) * (h / 2) * 3);
    for (int y = 0; y < h / 2; ++y)
        for (int x = 0; x < w / 2; ++x)
            for (int c = 0; c < 3; ++c)
            {
                int sum = 0;
                for (int d = 0; d < 4; ++d)
                    sum += image[(size_t(2 * y + d / 2) * w + 2 * x + d % 2) * 3 + c];
                out[(size_t(y) * (w / 2) + x) * 3 + c] = uint16_t((sum + 2) / 4);
            }
    return out;
}

/// A zero-filled call record with the chain's header, running in `engine`.
inline std::unique_ptr<Params> FreshParams(CEngineContext& engine, float previewScale = 1.0f)
{
    auto p = std::make_unique<Params>();
    std::memset(p.get(), 0, sizeof(Params));
    MP_FillChainHeader(engine, *p, previewScale);
    return p;
}

/// The catalogue's chain entry for `kernel`; for a kernel the catalogue lacks, an entry with
/// that name and an empty geometry set.
inline CPostProcessing::SOperator CatalogueOperator(const char* kernel)
{
    if (const SCatalogueEntry* e = COperatorCatalogue::Shared().FindKernel(kernel))
        return COperatorCatalogue::Shared().CreateOperator(*e);
    CPostProcessing::SOperator op;
    op.Kernel = kernel;
    op.aParams.resize(1);
    op.aParams[0].eType = CPostProcessing::eGEO;
    return op;
}

/// A call record holding the catalogue entry's default sets, combo at normal mode and 100 %.
inline std::unique_ptr<Params> Defaults(CEngineContext& engine, const char* kernel, float previewScale = 1.0f)
{
    auto p = FreshParams(engine, previewScale);
    const CPostProcessing::SOperator op = CatalogueOperator(kernel);
    for (size_t s = 0; s < op.aParams.size() && s < size_t(MP_PARAM_SETS); ++s)
        std::copy(op.aParams[s].afValues, op.aParams[s].afValues + MP_PARAM_VALUES, p->p[s]);
    return p;
}

/// Sets the combo set to mode 0 at full opacity.
inline void PlainCombo(Params& p, int set)
{
    p.p[set][0] = 0.0f;
    p.p[set][1] = 100.0f;
}

/// Runs a kernel's function directly (no effect test), after the dispatcher's header.
inline int CallKernel(const char* name, std::vector<uint16_t>& image, int width, int height, Params& p)
{
    const SKernelEntry* entry = MP_FindKernel(name);
    if (!entry)
        return MP_UNKNOWNKERNEL;
    MP_FillKernelHeader(*entry, p, width, height);
    return entry->pFunction(width, height, image.data(), image.data(), 6, 6, &p);
}

/// A 0…1 value as a 16-bit level by the definition (clamped, × 65535, truncated), written here
/// so expected values never come from the engine's own encoder.
inline uint16_t Level(float v)
{
    if (!(v > 0.0f))
        return 0;
    return v < 1.0f ? uint16_t(v * 65535.0f) : uint16_t(65535);
}
