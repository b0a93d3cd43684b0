#include "session/GradingSession.h"

#include "engine/OperatorCatalogue.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

CGradingSession::CGradingSession() : CGradingSession(std::make_unique<CEngineContext>()) {}

CGradingSession::CGradingSession(CEngineState& state) : CGradingSession(std::make_unique<CEngineContext>(state)) {}

CGradingSession::CGradingSession(std::unique_ptr<CEngineContext> engine)
    : m_engine(std::move(engine)), m_chain(std::make_unique<CPostProcessing>()), m_lut(std::make_unique<CLutState>()),
      m_colour(std::make_unique<CColorModule>())
{
    if (QFileInfo(CFilmTypeModel::DefaultPath()).isFile())
        m_filmTypes.Load(CFilmTypeModel::DefaultPath());
}

CGradingSession::~CGradingSession() = default;

bool CGradingSession::SetSource(const uint16_t* pixels, int width, int height, QSize workingSize)
{
    if (!pixels || width < 1 || height < 1)
        return false;
    if (workingSize.isEmpty())
        workingSize = QSize(width, height);
    m_source.assign(pixels, pixels + size_t(width) * height * 3);
    m_sourceSize = QSize(width, height);
    m_workingSize = workingSize;
    m_scaled.clear();
    m_scaledSize = QSize();
    m_bColourInputStale = true;
    return true;
}

void CGradingSession::SetWorkingSize(QSize workingSize)
{
    if (workingSize.isEmpty())
        workingSize = m_sourceSize;
    if (workingSize == m_workingSize)
        return;
    m_workingSize = workingSize;
    m_bColourInputStale = true;
}

bool CGradingSession::AdoptScaledSource(const uint16_t* pixels, QSize size)
{
    if (!pixels || size.isEmpty() || m_source.empty() || size == m_sourceSize)
        return false;
    m_scaled.assign(pixels, pixels + size_t(size.width()) * size.height() * 3);
    m_scaledSize = size;
    m_bColourInputStale = true;
    return true;
}

const uint16_t* CGradingSession::WorkingInput()
{
    if (m_source.empty() || m_workingSize.isEmpty())
        return nullptr;
    if (m_workingSize == m_sourceSize)
        return m_source.data();
    if (m_scaledSize != m_workingSize || m_scaled.empty())
    {
        // The main slot does the resampling; its result is kept for the next grades. Only one
        // scaled size is kept: the preview's, while full-size grades read the source itself.
        if (!FillMainSlot(*m_engine, m_source.data(), m_sourceSize, m_workingSize))
            return nullptr;
        const uint16_t* slot = m_engine->Slots().Get(eWS_MAIN).GetData();
        m_scaled.assign(slot, slot + size_t(m_workingSize.width()) * m_workingSize.height() * 3);
        m_scaledSize = m_workingSize;
        ++m_iResamples;
    }
    return m_scaled.data();
}

void CGradingSession::ResetGrade()
{
    // The docks hold the chain object: its contents change, never the object.
    *m_chain = CPostProcessing();
    m_filmTypes.SetIndex(0);
    m_filmTypes.SetIntensity(1.0f);
    m_filmTypes.SetGraining(0.0f);
    m_filmTypes.SetPosition(CFilmTypeModel::ePOST);
    m_frameBlending.Reset();
    m_lut->Clear();
    m_colour->Controls().RemoveAll();
}

bool CGradingSession::LoadPreset(const QString& path, QStringList* missing, QString* error)
{
    auto chain = std::make_unique<CPostProcessing>();
    chain->SetPath(path);
    const bool complete = chain->Load();
    if (missing)
        *missing = chain->MissingKernels();
    if (error)
        *error = chain->LoadProblem();
    if (!chain->LoadProblem().isEmpty())
        return false; // the chain stays as it was
    *m_chain = std::move(*chain); // the docks hold the chain object: it stays the same one
    return complete;
}

SProcessContext CGradingSession::Context(int frameCounter)
{
    SProcessContext context;
    context.pFilmTypes = &m_filmTypes;
    context.pLut = m_lut.get();
    context.iVideoFrameCounter = frameCounter;
    context.pObserver = m_pObserver;
    context.pStatistics = m_pStatistics;
    return context;
}

bool CGradingSession::Grade(int showMaskOf)
{
    const uint16_t* input = WorkingInput();
    if (!input || !FillMainSlot(*m_engine, input, m_workingSize, m_workingSize) || !ApplyColourLayers())
        return false;
    SProcessContext context = Context(0);
    context.iShowMaskOf = showMaskOf;
    m_chain->Process(*m_engine, m_sourceSize.width(), m_sourceSize.height(), false, context);
    return true;
}

bool CGradingSession::ApplyColourLayers()
{
    // The colour window shows the module's copy of the working image, layers or not.
    Helper::CRGB48Buffer& slot = m_engine->Slots().Get(eWS_MAIN);
    if (m_bColourInputStale || m_colour->Input().GetSize() != slot.GetSize())
        m_bColourInputStale = !m_colour->SetImage(slot.GetData(), slot.Width(), slot.Height());
    if (!m_colour->HasActiveLayers())
        return true;
    if (m_bColourInputStale || !m_colour->CalcResult())
        return false;
    const Helper::CRGB48Buffer& result = m_colour->Result();
    std::memcpy(slot.GetData(), const_cast<Helper::CRGB48Buffer&>(result).GetData(),
                size_t(slot.Width()) * slot.Height() * 6);
    return true;
}

bool CGradingSession::GradeFrame(CEngineContext& engine, uint16_t* pixels, int width, int height, int frameCounter)
{
    if (!pixels || !FillMainSlot(engine, pixels, QSize(width, height), QSize(width, height)))
        return false;
    Helper::CRGB48Buffer& slot = engine.Slots().Get(eWS_MAIN);
    // A frame whose colour layers fail is not exported without them.
    if (m_colour->HasActiveLayers() && !m_colour->ApplyInPlace(slot.GetData(), width, height))
        return false;
    const QSize full = m_sourceSize.isEmpty() ? QSize(width, height) : m_sourceSize;
    // The animation counter moves grain and other animated operators on from frame to frame.
    engine.Settings().fAnimCount = float(frameCounter);
    m_chain->Process(engine, full.width(), full.height(), false, Context(frameCounter));
    std::memcpy(pixels, slot.GetData(), size_t(width) * height * 6);
    return true;
}

bool CGradingSession::OperatorInputColour(int op, QPoint pixel, float* rgb)
{
    const uint16_t* input = WorkingInput();
    if (!input || !rgb || pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= m_workingSize.width() ||
        pixel.y() >= m_workingSize.height())
        return false;
    // A context of its own, so the preview's working image stays as it is; a thumbnail run, so
    // it reports no progress and marks nothing busy.
    CEngineContext engine(m_engine->State());
    engine.Settings() = m_engine->Settings();
    const int w = m_workingSize.width(), h = m_workingSize.height();
    if (!engine.Slots().Fill(eWS_THUMBNAIL, input, w, h, w, h, engine.Workers(int64_t(w) * h)))
        return false;
    Helper::CRGB48Buffer& slot = engine.Slots().Get(eWS_THUMBNAIL);
    if (m_colour->HasActiveLayers() && !m_colour->ApplyInPlace(slot.GetData(), w, h))
        return false;
    CPostProcessing before;
    before.Operators() = m_chain->Operators().mid(0, std::max(0, op));
    before.Process(engine, m_sourceSize.width(), m_sourceSize.height(), true);
    const uint16_t* px = slot.GetData() + (size_t(pixel.y()) * slot.Width() + pixel.x()) * 3;
    for (int c = 0; c < 3; ++c)
        rgb[c] = float(px[c]) / 65535.0f;
    return true;
}

const Helper::CRGB48Buffer& CGradingSession::Result() const
{
    return m_engine->Slots().Get(eWS_MAIN);
}

bool CGradingSession::FillMainSlot(CEngineContext& engine, const uint16_t* pixels, QSize size, QSize working)
{
    return engine.Slots().Fill(eWS_MAIN, pixels, size.width(), size.height(), working.width(), working.height(),
                               engine.Workers(int64_t(working.width()) * working.height()));
}
