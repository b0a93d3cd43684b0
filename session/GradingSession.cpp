#include "session/GradingSession.h"

#include "engine/OperatorCatalogue.h"
#include "engine/WorkingSlots.h"

#include <QFileInfo>

#include <cstring>

CGradingSession::CGradingSession()
    : m_chain(std::make_unique<CPostProcessing>()), m_lut(std::make_unique<CLutState>()),
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
        if (!MP_FillWorkingSlot(eWS_MAIN, m_source.data(), m_sourceSize.width(), m_sourceSize.height(),
                                m_workingSize.width(), m_workingSize.height()))
            return nullptr;
        const uint16_t* slot = MP_WorkingSlot(eWS_MAIN).GetData();
        m_scaled.assign(slot, slot + size_t(m_workingSize.width()) * m_workingSize.height() * 3);
        m_scaledSize = m_workingSize;
        ++m_iResamples;
    }
    return m_scaled.data();
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
    m_chain = std::move(chain);
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

bool CGradingSession::Grade()
{
    const uint16_t* input = WorkingInput();
    if (!input || !MP_FillWorkingSlot(eWS_MAIN, input, m_workingSize.width(), m_workingSize.height(),
                                      m_workingSize.width(), m_workingSize.height()))
        return false;
    ApplyColourLayers();
    m_chain->Process(m_sourceSize.width(), m_sourceSize.height(), false, Context(0));
    return true;
}

void CGradingSession::ApplyColourLayers()
{
    Helper::CRGB48Buffer& slot = MP_WorkingSlot(eWS_MAIN);
    if (m_bColourInputStale || m_colour->Input().GetSize() != slot.GetSize())
        m_bColourInputStale = !m_colour->SetImage(slot.GetData(), slot.Width(), slot.Height());
    if (m_bColourInputStale || !m_colour->HasActiveLayers() || !m_colour->CalcResult())
        return;
    const Helper::CRGB48Buffer& result = m_colour->Result();
    std::memcpy(slot.GetData(), const_cast<Helper::CRGB48Buffer&>(result).GetData(),
                size_t(slot.Width()) * slot.Height() * 6);
}

bool CGradingSession::GradeFrame(uint16_t* pixels, int width, int height, int frameCounter)
{
    if (!pixels || !MP_FillWorkingSlot(eWS_MAIN, pixels, width, height, width, height))
        return false;
    if (m_colour->HasActiveLayers())
        m_colour->ApplyInPlace(MP_WorkingSlot(eWS_MAIN).GetData(), width, height);
    const QSize full = m_sourceSize.isEmpty() ? QSize(width, height) : m_sourceSize;
    m_chain->Process(full.width(), full.height(), false, Context(frameCounter));
    const Helper::CRGB48Buffer& slot = MP_WorkingSlot(eWS_MAIN);
    std::memcpy(pixels, const_cast<Helper::CRGB48Buffer&>(slot).GetData(), size_t(width) * height * 6);
    return true;
}

const Helper::CRGB48Buffer& CGradingSession::Result() const
{
    return MP_WorkingSlot(eWS_MAIN);
}
