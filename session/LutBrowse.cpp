#include "session/LutBrowse.h"

#include "core/EngineState.h"
#include "lut/LutLibrary.h"
#include "lut/LutState.h"
#include "session/GradingSession.h"

#include <algorithm>

bool CThumbnailBrowse::RenderNext()
{
    if (Finished())
        return false;
    if (MP_UI_GetStopRequest())
    {
        m_bStopped = true;
        return false;
    }
    const int position = int(m_thumbnails.size());
    Load(position);
    Thumbnail(*m_pSession, position);
    return true;
}

void CThumbnailBrowse::RenderAll(const std::function<void(float)>& progress)
{
    while (!Finished())
    {
        if (progress)
            progress(float(m_thumbnails.size() + 1) / float(std::max(Count(), 1)));
        if (!RenderNext())
            break;
    }
}

void CThumbnailBrowse::Thumbnail(CGradingSession& session, int position)
{
    SThumbnail thumbnail;
    thumbnail.sName = m_names.value(position);
    if (session.Grade())
    {
        const Helper::CRGB48Buffer& result = session.Result();
        const int width = result.Width(), height = result.Height();
        const int longest = std::max(width, height);
        const int scale = (longest + kThumbnailSide - 1) / kThumbnailSide;
        thumbnail.size = QSize(std::max(width / scale, 1), std::max(height / scale, 1));
        thumbnail.rgb.resize(size_t(thumbnail.size.width()) * thumbnail.size.height() * 3);
        const uint16_t* source = const_cast<Helper::CRGB48Buffer&>(result).GetData();
        uint8_t* target = thumbnail.rgb.data();
        for (int y = 0; y < thumbnail.size.height(); ++y)
            for (int x = 0; x < thumbnail.size.width(); ++x)
            {
                const uint16_t* s = source + (size_t(y) * scale * width + size_t(x) * scale) * 3;
                *target++ = uint8_t(s[0] >> 8);
                *target++ = uint8_t(s[1] >> 8);
                *target++ = uint8_t(s[2] >> 8);
            }
    }
    m_thumbnails.push_back(std::move(thumbnail));
}

CLutLibraryBrowse::CLutLibraryBrowse(CLutLibrary& library, CGradingSession& session) : m_library(library)
{
    m_pSession = &session;
    m_names = library.EntryNames();
    const int current = library.CurrentIndex();
    m_iPreselected = current >= CLutLibrary::kFirstEntry ? current - CLutLibrary::kFirstEntry : -1;
    session.Lut().Clear();
    library.SetCurrentIndex(CLutLibrary::kAdjustableIndex);
    MP_UI_SetStopRequest(false);
}

void CLutLibraryBrowse::Load(int position)
{
    const int index = position + CLutLibrary::kFirstEntry;
    m_library.SetCurrentIndex(index);
    CLutState& lut = m_pSession->Lut();
    lut.Clear();
    lut.ReadCube(m_library.EntryPath(index), nullptr);
}

void CLutLibraryBrowse::Choose(int position)
{
    if (position < 0 || position >= Count())
        return;
    Load(position);
    m_pSession->Grade();
}

CLayerModeBrowse::CLayerModeBrowse(CGradingSession& session, const QList<QPair<int, QString>>& modes) : m_modes(modes)
{
    m_pSession = &session;
    m_iPreviousMode = session.Lut().LayerMode();
    for (qsizetype i = 0; i < modes.size(); ++i)
    {
        m_names << modes[i].second;
        if (modes[i].first == m_iPreviousMode)
            m_iPreselected = int(i);
    }
    MP_UI_SetStopRequest(false);
}

void CLayerModeBrowse::Load(int position)
{
    m_pSession->Lut().SetLayerMode(m_modes[position].first);
}

void CLayerModeBrowse::Choose(int position)
{
    if (position < 0 || position >= Count())
        return Cancel();
    Load(position);
    m_pSession->Grade();
}

void CLayerModeBrowse::Cancel()
{
    m_pSession->Lut().SetLayerMode(m_iPreviousMode);
    m_pSession->Grade();
}

int CLayerModeBrowse::ChosenMode() const
{
    return m_pSession->Lut().LayerMode();
}
