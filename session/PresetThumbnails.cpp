#include "session/PresetThumbnails.h"

#include "core/ImageConvert.h"
#include "session/PresetLibrary.h"

#include <algorithm>

CPresetThumbnails::CPresetThumbnails(CPresetLibrary& library, QSize box) : m_library(library), m_box(box)
{
}

bool CPresetThumbnails::SetFrame(const uint16_t* pixels, int width, int height)
{
    if (!pixels || width < 1 || height < 1)
        return false;
    QSize size = QSize(width, height).scaled(m_box, Qt::KeepAspectRatio);
    size = size.expandedTo(QSize(1, 1)).boundedTo(QSize(width, height));
    // The reduction runs once per frame; each thumbnail then starts from this copy.
    if (!m_engine.Slots().Fill(eWS_THUMBNAIL, pixels, width, height, size.width(), size.height(),
                               m_engine.Workers(int64_t(width) * height)))
        return false;
    Helper::CRGB48Buffer& slot = m_engine.Slots().Get(eWS_THUMBNAIL);
    m_small.assign(slot.GetData(), slot.GetData() + size_t(size.width()) * size.height() * 3);
    m_size = size;
    m_frame = QSize(width, height);
    Invalidate();
    return true;
}

void CPresetThumbnails::Invalidate()
{
    m_stale = QList<bool>(m_library.Count(), true);
    m_images.resize(m_library.Count());
}

int CPresetThumbnails::Pending() const
{
    return HasFrame() ? int(std::count(m_stale.begin(), m_stale.end(), true)) : 0;
}

bool CPresetThumbnails::Render(int index, QImage& image)
{
    return m_library.IsValid(index) && Render(m_library.Chain(index), image);
}

bool CPresetThumbnails::Render(CPostProcessing& chain, QImage& image)
{
    if (!HasFrame())
        return false;
    const int w = m_size.width(), h = m_size.height();
    if (!m_engine.Slots().Fill(eWS_THUMBNAIL, m_small.data(), w, h, w, h, m_engine.Workers(int64_t(w) * h)))
        return false;
    chain.Process(m_engine, m_frame.width(), m_frame.height(), true);
    Helper::CRGB48Buffer& slot = m_engine.Slots().Get(eWS_THUMBNAIL);
    image = QImage(m_size, QImage::Format_RGB32);
    MP_MT_RGB48ToARGB32(m_size.width(), m_size.height(), slot.GetData(), reinterpret_cast<uint32_t*>(image.bits()));
    return true;
}

int CPresetThumbnails::RenderNext(const QList<int>& first)
{
    if (!HasFrame())
        return -1;
    if (m_stale.size() != m_library.Count())
        Invalidate();
    int next = -1;
    for (int i : first)
        if (i >= 0 && i < m_stale.size() && m_stale[i])
        {
            next = i;
            break;
        }
    if (next < 0)
        next = int(m_stale.indexOf(true));
    if (next < 0)
        return -1;
    m_stale[next] = false;
    Render(next, m_images[next]);
    return next;
}

QImage CPresetThumbnails::Thumbnail(int index) const
{
    return index >= 0 && index < m_images.size() ? m_images[index] : QImage();
}
