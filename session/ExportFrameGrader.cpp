#include "session/ExportFrameGrader.h"

#include "core/AppLog.h"
#include "core/ImageConvert.h"
#include "core/Timing.h"
#include "core/WorkerSplit.h"
#include "engine/OperatorCatalogue.h"
#include "engine/Params.h"
#include "engine/PostProcessing.h"
#include "engine/RunKernel.h"
#include "session/GradingSession.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
const char* const kArtefactKernel = "MP_calcPixelMaskDeNoiseArtifactsLumHD";
const char* const kStepNames[] = {"Convert", "Artefacts", "Blend", "Tone", "Grade", "Compare", "Output"};

void MirrorRows(int workers, uint16_t* image, int width, int height, bool x, bool y)
{
    const size_t row = size_t(width) * 3;
    if (y)
        for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(image + top * row, image + (top + 1) * row, image + bottom * row);
    if (x)
        MP_MT_ForBands(height, workers, [&](const TaskFuncParams& t) {
            for (int r = t.iRowBegin; r < t.iRowEnd; ++r)
                for (int a = 0, b = width - 1; a < b; ++a, --b)
                    std::swap_ranges(image + r * row + a * 3, image + r * row + a * 3 + 3, image + r * row + b * 3);
        });
}

// Makes room for a frame, reusing the buffer when it is big enough; false when memory runs out.
bool Ensure(Helper::CRGB48Buffer& buffer, const QSize& size)
{
    return buffer.TryCreate(size, Helper::eCP_NO_CLEAR);
}
}  // namespace

CExportFrameGrader::CExportFrameGrader(CGradingSession& session)
    : m_session(session), m_engine(session.Engine().State(), session.Engine().OpenCL())
{
}

bool CExportFrameGrader::Resample(const Helper::CRGB48Buffer& source, QSize to, Helper::CRGB48Buffer* target)
{
    CWorkingSlots& working = m_engine.Slots();
    const QSize from = source.GetSize();
    if (!working.Fill(eWS_MAIN, const_cast<Helper::CRGB48Buffer&>(source).GetData(), from.width(), from.height(),
                    to.width(), to.height(), m_engine.Workers(int64_t(to.width()) * to.height())))
        return false;
    if (!target)
        return true;
    if (!Ensure(*target, to))
        return false;
    std::memcpy(target->GetData(), working.Get(eWS_MAIN).GetData(), size_t(to.width()) * to.height() * 6);
    return true;
}

CExportFrameGrader::~CExportFrameGrader() = default;

void CExportFrameGrader::Configure(const CMovieHandling::SDstDesc& destination)
{
    SetFlips(destination.m_bFlipX, destination.m_bFlipY);
    SetArtefactLevel(destination.m_eArtefact);
}

CMovieHandling::FrameCallback CExportFrameGrader::Callback()
{
    return [this](const Helper::CRGB24Buffer& source, Helper::CRGB24Buffer& destination, int frame) {
        return ProcessFrame(source, destination, frame);
    };
}

std::array<float, 3> CExportFrameGrader::ArtefactValues(int level)
{
    static const std::array<float, 3> values[4] = {
        {0.15f, 0.8f, 0.001f}, {0.25f, 0.85f, 0.112f}, {0.35f, 0.9f, 0.223f}, {0.45f, 0.95f, 0.334f}};
    return values[std::clamp(level, 1, 4) - 1];
}

std::vector<uint16_t> CExportFrameGrader::ToneTable(float value)
{
    const float e = std::pow(1.5f - value, 1.3f);
    std::vector<uint16_t> table(65536);
    for (int i = 0; i < 65536; ++i)
        table[size_t(i)] = uint16_t(std::min(65535.0f, std::pow(float(i) * 1.5259022e-5f, e) * 65535.0f));
    return table;
}

bool CExportFrameGrader::ReduceArtefacts(int width, int height)
{
    if (!m_pArtefactParams)
    {
        // The operator's catalogue defaults (its masking curve lets everything through), then
        // the fixed radius and the level's three values.
        m_pArtefactParams = std::make_unique<Params>();
        std::memset(m_pArtefactParams.get(), 0, sizeof(Params));
        if (const SCatalogueEntry* entry = COperatorCatalogue::Shared().FindKernel(kArtefactKernel))
        {
            const CPostProcessing::SOperator op = COperatorCatalogue::Shared().CreateOperator(*entry);
            for (size_t s = 0; s < op.aParams.size() && s < size_t(MP_PARAM_SETS); ++s)
                std::copy(op.aParams[s].afValues, op.aParams[s].afValues + MP_PARAM_VALUES, m_pArtefactParams->p[s]);
        }
    }
    Params& p = *m_pArtefactParams;
    MP_FillChainHeader(m_engine, p, 1.0f);
    const std::array<float, 3> values = ArtefactValues(m_iArtefact);
    p.p[0][0] = values[0];
    p.p[1][0] = values[1];
    p.p[2][0] = values[2];
    p.p[3][0] = 0.5f;
    uint16_t* image = m_work.GetData();
    return RunKernel(kArtefactKernel, width, height, image, image, 6, 6, &p, -1, 0.0f, 0.0f, false, false) == 0;
}

void CExportFrameGrader::Lap(int step)
{
    m_stepMs[size_t(step)] += MP_ElapsedMs(m_dLapStamp);
    m_dLapStamp = MP_TimeStamp();
}

bool CExportFrameGrader::LoadWork(const Helper::CRGB24Buffer& source, const QSize& work)
{
    const QSize in = source.GetSize();
    if (in.isEmpty() || !Ensure(m_work, work))
        return false;
    // Frames are prepared and graded in the grader's own engine context, with the settings the
    // preview has now.
    m_engine.Settings() = m_session.Engine().Settings();
    const uint8_t* pixels = const_cast<Helper::CRGB24Buffer&>(source).GetData();
    const bool flipOnLoad = m_iArtefact <= 0;

    // 1. 8 → 16 bit at the working size (mirrored here when no artefact reduction follows).
    if (in == work)
        MP_MT_RGB24ToRGB48(in.width(), in.height(), m_work.GetData(), pixels, flipOnLoad && m_bFlipX,
                           flipOnLoad && m_bFlipY);
    else
    {
        if (!Ensure(m_frame, in))
            return false;
        MP_MT_RGB24ToRGB48(in.width(), in.height(), m_frame.GetData(), pixels, flipOnLoad && m_bFlipX,
                           flipOnLoad && m_bFlipY);
        if (!Resample(m_frame, work, &m_work))
            return false;
    }
    Lap(0);

    // 2. Artefact reduction, then the mirrors.
    if (m_iArtefact > 0)
    {
        if (!ReduceArtefacts(work.width(), work.height()))
            return false;
        MirrorRows(m_engine.Workers(int64_t(work.width()) * work.height()), m_work.GetData(), work.width(),
                   work.height(), m_bFlipX, m_bFlipY);
    }
    Lap(1);
    return true;
}

const Helper::CRGB48Buffer* CExportFrameGrader::PrepareStill(const Helper::CRGB24Buffer& source)
{
    m_dLapStamp = MP_TimeStamp();
    return LoadWork(source, source.GetSize()) ? &m_work : nullptr;
}

bool CExportFrameGrader::ProcessFrame(const Helper::CRGB24Buffer& source, Helper::CRGB24Buffer& destination, int frame)
{
    const QSize in = source.GetSize(), out = destination.GetSize();
    const QSize work = m_workingSize.isEmpty() ? in : m_workingSize;
    if (in.isEmpty() || out.isEmpty())
        return false;
    if (frame == 0)
        m_blend.Reset();
    m_dLapStamp = MP_TimeStamp();
    if (!LoadWork(source, work))
        return false;

    // Frame blending (with its own comparison of unblended against blended frames).
    if (m_blend.IsActive() && !m_blend.Blend(m_work.GetData(), work.width(), work.height()))
        return false;
    Lap(2);

    // Global tone adjustment.
    if (std::fabs(m_fTone - 0.5f) > 0.001f)
    {
        if (m_fTableTone != m_fTone)
        {
            m_toneTable = ToneTable(m_fTone);
            m_fTableTone = m_fTone;
        }
        uint16_t* image = m_work.GetData();
        const uint16_t* table = m_toneTable.data();
        MP_MT_ForBands(work.height(), m_engine.Workers(int64_t(work.width()) * work.height()),
                       [&](const TaskFuncParams& t) {
            for (size_t i = size_t(t.iRowBegin) * work.width() * 3; i < size_t(t.iRowEnd) * work.width() * 3; ++i)
                image[i] = table[image[i]];
        });
    }
    Lap(3);

    // 3. The grade; the ungraded picture is kept when it is shown beside the graded one.
    const int comparison = m_blend.IsActive() ? 0 : m_blend.Comparison();
    if (comparison > 0)
    {
        if (!Ensure(m_ungraded, work))
            return false;
        std::memcpy(m_ungraded.GetData(), m_work.GetData(), size_t(work.width()) * work.height() * 6);
    }
    if (!m_session.GradeFrame(m_engine, m_work.GetData(), work.width(), work.height(), frame))
        return false;
    Lap(4);
    if (comparison > 0)
        MP_MT_SplitCompare(m_ungraded.GetData(), m_work.GetData(), work.width(), work.height(), comparison);
    Lap(5);

    // 4. To the destination size: a crop when it differs by less than the modulo, else resampled.
    if (MP_VideoOutputIsCrop(work.width(), work.height(), out.width(), out.height()))
        MP_MT_RGB48ToRGB24(out.width(), out.height(), work.width(), work.height(), m_work.GetData(),
                           destination.GetData());
    else
    {
        if (!Resample(m_work, out, nullptr))
            return false;
        MP_MT_RGB48ToRGB24(out.width(), out.height(), out.width(), out.height(),
                           m_engine.Slots().Get(eWS_MAIN).GetData(), destination.GetData());
    }
    Lap(6);
    ++m_iFrames;
    return true;
}

void CExportFrameGrader::LogAndResetTimes()
{
    QString line = QStringLiteral("CExportFrameGrader::LogAndResetTimes() -> Frames: %1").arg(m_iFrames);
    for (size_t i = 0; i < m_stepMs.size(); ++i)
        line += QStringLiteral(" %1: %2 ms").arg(kStepNames[i]).arg(m_stepMs[i], 0, 'f', 1);
    Helper::AppLog(line);
    m_stepMs.fill(0.0);
    m_iFrames = 0;
}
