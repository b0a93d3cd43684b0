#include "engine/PostProcessing.h"

#include "core/Progress.h"
#include "core/Timing.h"
#include "core/WorkerSplit.h"
#include "engine/BlackWhitePoint.h"
#include "engine/EngineContext.h"
#include "engine/FilmTypes.h"
#include "engine/KernelRegistry.h"
#include "engine/LayerFrame.h"
#include "engine/RunKernel.h"
#include "lut/LutEngine.h"
#include "lut/LutState.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <new>

namespace
{
constexpr int kProgressChannel = 5;

void Sanitise(Params& p)
{
    for (auto& set : p.p)
        for (float& v : set)
            if (!std::isfinite(v))
                v = 0.0f;
}

/// result = (current × m + before × (16384 − m)) >> 14 with m = mask >> 2, rows over the workers.
void MaskedBlend(const CEngineContext& engine, uint16_t* image, const uint16_t* before, const uint16_t* mask,
                 int width, int height)
{
    MP_MT_ForBands(height, engine.Workers(int64_t(width) * height), [&](const TaskFuncParams& t) {
                       for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
                           for (int x = 0; x < width; ++x)
                           {
                               const size_t i = size_t(y) * width + x;
                               const uint32_t m = mask[i] >> 2;
                               for (int c = 0; c < 3; ++c)
                                   image[3 * i + c] =
                                       uint16_t((image[3 * i + c] * m + before[3 * i + c] * (16384u - m)) >> 14);
                           }
                   });
}
/// The selection mask as a grey picture (white: fully selected; all white without a mask).
void MaskAsGrey(CEngineContext& engine, uint16_t* image, int width, int height)
{
    const uint16_t* mask = engine.Mask().Plane(width, height);
    MP_MT_ForBands(height, engine.Workers(int64_t(width) * height), [&](const TaskFuncParams& t) {
        for (size_t i = size_t(t.iRowBegin) * width; i < size_t(t.iRowEnd) * width; ++i)
            image[3 * i] = image[3 * i + 1] = image[3 * i + 2] = mask ? mask[i] : 0xFFFF;
    });
}
}  // namespace

void MP_FillChainHeader(CEngineContext& engine, Params& p, float previewScale)
{
    const SEngineSettings& s = engine.Settings();
    p.loopstep = s.iLoopStep;
    engine.State().LumWeights(p.lumr, p.lumg, p.lumb);
    p.kernel_exponent = s.fKernelExponent;
    p.previewscalingfactor = previewScale;
    p.pEngine = &engine;
}

int CPostProcessing::ValueCount(int32_t setType)
{
    switch (setType)
    {
    case eSLIDER: return 1;
    case ePOS: return 2;
    case eSPLINE: return 12;
    case eCOLOR: return 5;
    case eLINE: return 4;
    case eCOMBO: return 2;
    case eGEO: return MP_PARAM_VALUES;
    default: return 0;
    }
}

void CPostProcessing::ClampToRange(int32_t setType, float* v)
{
    const int count = ValueCount(setType);
    for (int i = 0; i < MP_PARAM_VALUES; ++i)
    {
        float hi = 1.0f;
        if (setType == eCOMBO)
            hi = i == 0 ? 68.0f : 100.0f;
        else if (setType == eGEO && i % 8 == 0)
            hi = 2.0f; // shape kind: 0 unused, 1 additive, other subtractive
        const float x = v[i];
        v[i] = i >= count || !(x > 0.0f) ? 0.0f : (x < hi ? x : hi);
    }
}

int CPostProcessing::SOperator::FindSet(int32_t setType) const
{
    for (size_t i = 0; i < aParams.size(); ++i)
        if (aParams[i].eType == setType)
            return int(i);
    return -1;
}

uint32_t CPostProcessing::KernelHash(const QString& kernel)
{
    uint32_t h = 2166136261u; // FNV-1a over the UTF-8 bytes
    for (const char c : kernel.toUtf8())
        h = (h ^ uint8_t(c)) * 16777619u;
    return h;
}

bool CPostProcessing::IsColourTransform(const SOperator& op)
{
    const QByteArray kernel = op.Kernel.toLatin1();
    const int geo = op.FindSet(eGEO);
    return MP_IsColourTransform(kernel.constData()) && !MP_NeedsUnprocessed(kernel.constData()) &&
           !op.bReadBWPoint && !op.bCalcBW && op.iprecalcSmooth < 1 &&
           !(geo >= 0 && MP_GeometryShapesInUse(op.aParams[size_t(geo)].afValues) > 0);
}

CPostProcessing::CPostProcessing() = default;
CPostProcessing::~CPostProcessing() = default;

QString CPostProcessing::DisplayName() const
{
    if (m_sCategory == QLatin1String("user"))
        return m_sDisplayName;
    return QCoreApplication::translate("PPPreset", m_sDisplayName.toUtf8().constData());
}

QString CPostProcessing::Title() const
{
    if (m_sCategory.isEmpty())
        return DisplayName();
    return QCoreApplication::translate("PPPresetCategory", m_sCategory.toUtf8().constData()) + ' ' + DisplayName();
}

int CPostProcessing::LayerCode(int index) const
{
    if (index < 0 || index >= m_operators.size())
        return 65535;
    const SOperator& op = m_operators[index];
    const int combo = op.FindSet(eCOMBO);
    if (combo < 0)
        return 65535;
    const float mode = op.aParams[size_t(combo)].afValues[0];
    const int m = mode >= 0.0f && mode < 1000.0f ? int(mode) : 0;
    int code = m == 0 ? 0 : m == 37 ? 2 : m == 38 ? 3 : m == 39 ? 4 : 1;
    const int geo = op.FindSet(eGEO);
    if (geo >= 0 && MP_GeometryShapesInUse(op.aParams[size_t(geo)].afValues) > 0)
        code += 128;
    return code;
}

void CPostProcessing::RunOperator(CEngineContext& engine, int index, uint16_t* image, int width, int height,
                                  float previewScale,
                                  bool thumbnail, float base, float span,
                                  const std::vector<uint16_t>* unprocessed, std::vector<uint16_t>& before)
{
    const SOperator& op = m_operators[index];
    const QByteArray kernel = op.Kernel.toLatin1();
    auto params = std::make_unique<Params>();
    std::memset(params.get(), 0, sizeof(Params));
    MP_FillChainHeader(engine, *params, previewScale);
    for (size_t s = 0; s < op.aParams.size() && s < size_t(MP_PARAM_SETS); ++s)
        std::memcpy(params->p[s], op.aParams[s].afValues, sizeof(params->p[s]));
    Sanitise(*params);
    if (op.bReadBWPoint)
        MP_MeasureBlackWhitePoint(width, height, image, *params);

    const bool maskKernel = MP_IsMaskKernel(kernel.constData());
    if (maskKernel)
    {
        if (engine.Mask().Activate(width, height))
            before.assign(image, image + size_t(width) * height * 3);
        engine.ForceProcessorForRun();
    }

    // Neighbouring operators decide whether the device must receive or return the image.
    auto processorOnly = [&](int i) { return MP_IsProcessorOnly(m_operators[i].Kernel.toLatin1().constData()); };
    int prev = index - 1, next = index + 1;
    while (prev >= 0 && !m_operators[prev].bActive)
        --prev;
    while (next < m_operators.size() && !m_operators[next].bActive)
        ++next;
    const bool upload = prev < 0 || processorOnly(prev);
    const bool download = next >= m_operators.size() || processorOnly(next);
    const int channel = thumbnail ? -1 : kProgressChannel;

    if (op.iprecalcSmooth >= 1)
    {
        auto smooth = std::make_unique<Params>();
        std::memset(smooth.get(), 0, sizeof(Params));
        MP_FillChainHeader(engine, *smooth, previewScale);
        smooth->p[0][0] = 0.05f;
        smooth->p[1][0] = 0.0f;
        const float curve[12] = {0.0f, 1.0f, 0.2f, 1.0f, 0.4f, 1.0f, 0.6f, 1.0f, 0.8f, 0.8f, 1.0f, 1.0f};
        std::memcpy(smooth->p[2], curve, sizeof(curve));
        const int geo = op.FindSet(eGEO);
        smooth->p[3][0] = 0.0f;
        smooth->p[3][1] = geo >= 1 ? op.aParams[size_t(geo - 1)].afValues[1] : 100.0f;
        if (geo >= 0)
            std::memcpy(smooth->p[4], op.aParams[size_t(geo)].afValues, sizeof(smooth->p[4]));
        Sanitise(*smooth);
        RunKernel("MP_calcPixelLocalContrast", width, height, image, image, 6, 6, smooth.get(), channel,
                  base, span / 2.0f, upload, download);
        base += span / 2.0f;
        span /= 2.0f;
    }

    const bool needsUnprocessed = MP_NeedsUnprocessed(kernel.constData());
    const uint16_t* source = needsUnprocessed ? (unprocessed ? unprocessed->data() : nullptr) : image;
    // Iterative tone mapping runs in passes, each from the same call record and with its share of
    // the progress slice; thumbnails run them too.
    const int passes =
        MP_IsIterativeToneMapping(kernel.constData()) ? MP_IterativeToneMappingPasses(params->loopstep) : 1;
    const std::unique_ptr<Params> record = passes > 1 ? std::make_unique<Params>(*params) : nullptr;
    for (int pass = 0; pass < passes; ++pass)
    {
        if (pass > 0)
            *params = *record;
        RunKernel(kernel.constData(), width, height, source, image, 6, 6, params.get(), channel,
                  base + span * float(pass) / float(passes), span / float(passes), upload, download);
    }

    if (op.bCalcGradation)
    {
        std::memset(params->p, 0, sizeof(params->p));
        RunKernel("MP_calcPixelAutoGradation", width, height, image, image, 6, 6, params.get(), -1, 0.0f, 0.0f,
                  upload, download);
    }

    if (op.bCalcBW)
    {
        std::memset(params->p, 0, sizeof(params->p));
        MP_MeasureBlackWhitePoint(width, height, image, *params);
        RunKernel("MP_calcPixelbwpoint", width, height, image, image, 6, 6, params.get(), -1, 0.0f, 0.0f,
                  upload, download);
    }

    const uint16_t* mask = engine.Mask().Plane(width, height);
    if (!maskKernel && mask && before.size() == size_t(width) * height * 3)
    {
        MaskedBlend(engine, image, before.data(), mask, width, height);
        std::memcpy(before.data(), image, before.size() * sizeof(uint16_t));
    }
}

void CPostProcessing::Process(CEngineContext& engine, int fullWidth, int fullHeight, bool thumbnail,
                              const SProcessContext& context)
{
    Helper::CRGB48Buffer& slot = engine.Slots().Get(thumbnail ? eWS_THUMBNAIL : eWS_MAIN);
    if (!slot.IsValid())
        return;
    uint16_t* image = slot.GetData();
    const int width = slot.Width(), height = slot.Height();
    const double start = MP_TimeStamp();
    CEngineState& state = engine.State();

    // Thumbnail runs and real-time playback write no log lines at all, the kernels' included.
    engine.SetQuiet(thumbnail || state.iPlayback != 0);

    if (!thumbnail)
    {
        engine.Log("BEGIN\r\n");
        state.bAbort = false;
        state.bCalcRunning = true;
        if (context.pObserver)
            context.pObserver->CalculationStarted();
    }

    const SFilmType* filmType = nullptr;
    bool filmPre = false;
    if (context.pFilmTypes)
    {
        m_iFilmType = context.pFilmTypes->Index();
        m_fFilmTypeIntensity = context.pFilmTypes->Intensity();
        m_fFilmTypeGraining = context.pFilmTypes->Graining();
        filmType = context.pFilmTypes->Selected();
        filmPre = context.pFilmTypes->Position() == CFilmTypeModel::ePRE;
    }

    SEngineSettings& settings = engine.Settings();
    const int savedPanorama = settings.iPanoramaMode;
    if (width < 120 || height < 120)
        settings.iPanoramaMode = 0;

    const int fullMax = std::max(fullWidth, fullHeight);
    const float previewScale = fullMax > 0 ? float(std::max(width, height)) / float(fullMax) : 1.0f;

    std::unique_ptr<std::vector<uint16_t>> unprocessed;
    for (const SOperator& op : m_operators)
        if (op.bActive && MP_NeedsUnprocessed(op.Kernel.toLatin1().constData()))
        {
            try
            {
                unprocessed = std::make_unique<std::vector<uint16_t>>(image, image + size_t(width) * height * 3);
            }
            catch (const std::bad_alloc&)
            {
                unprocessed.reset(); // those operators get no source and report MP_ZEROPOINTER
            }
            break;
        }

    const bool colourOnly = context.bColourTransformsOnly;
    QStringList leftOut;
    if (filmType && filmPre)
    {
        engine.Log("Process Filmtype (Pre) --------------------------------------------\r\n");
        MP_RunFilmTypePass(engine, *filmType, m_fFilmTypeIntensity, m_fFilmTypeGraining, image, width, height,
                           previewScale, colourOnly ? &leftOut : nullptr);
    }

    engine.Log("Post-Processing ---------------------------------------------------\r\n");
    int active = 0;
    for (const SOperator& op : m_operators)
        active += op.bActive && (!colourOnly || IsColourTransform(op)) ? 1 : 0;
    const int slices = std::max(active, 1);
    // Each run starts without a selection; mask operators of this run create it.
    engine.Mask().Drop();
    std::vector<uint16_t> before;
    int done = 0;
    bool maskShown = false;
    for (int i = 0; i < m_operators.size() && !maskShown; ++i)
    {
        if (m_operators[i].bActive && colourOnly && !IsColourTransform(m_operators[i]))
            leftOut << m_operators[i].Kernel;
        else if (m_operators[i].bActive)
        {
            RunOperator(engine, i, image, width, height, previewScale, thumbnail, float(done) / float(slices),
                        1.0f / float(slices), unprocessed.get(), before);
            ++done;
            if (!thumbnail)
                MP_Progress(kProgressChannel, float(done) / float(slices));
        }
        if (i == context.iShowMaskOf)
        {
            MaskAsGrey(engine, image, width, height);
            maskShown = true;
        }
    }
    if (!thumbnail && (active == 0 || maskShown))
        MP_Progress(kProgressChannel, 1.0f);

    if (filmType && !filmPre && !maskShown)
    {
        engine.Log("Process Filmtype (Post) -------------------------------------------\r\n");
        MP_RunFilmTypePass(engine, *filmType, m_fFilmTypeIntensity, m_fFilmTypeGraining, image, width, height,
                           previewScale, colourOnly ? &leftOut : nullptr);
    }

    if (context.pLeftOut)
        *context.pLeftOut = leftOut;

    CLutState* lut = context.pLut;
    if (lut && lut->IsActive() && lut->Size() >= 1 && !engine.AbortRequested() && !maskShown)
    {
        // While a video is exported the lattice is baked for the first frame only.
        if (!state.bVideoMode || context.iVideoFrameCounter == 0)
            lut->Bake();
        MP_calcLUTtoImage(width, height, lut->Size(), lut->Baked().Data(), lut->LayerMode(), image,
                          lut->Interpolation());
    }

    unprocessed.reset();
    if (!thumbnail)
        m_bPending = false;
    settings.iPanoramaMode = savedPanorama;
    engine.EndRun();
    engine.Log("END\r\n");
    engine.LogMs(start, "Process()");
    if (!state.bVideoMode && context.pStatistics)
        context.pStatistics->ReportHighest(QStringLiteral("m_iHighestPPCalcTime"), int(MP_ElapsedMs(start)));

    if (!thumbnail)
    {
        state.bCalcRunning = false;
        if (engine.AbortRequested())
        {
            engine.Mask().Release();
            if (context.pObserver)
                context.pObserver->RefreshViews();
        }
        state.bAbort = false;
    }
    engine.SetQuiet(false);
}
