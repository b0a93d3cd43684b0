#include "video/FrameFetcher.h"

#include "core/AppLog.h"

#include <QMetaObject>

using Helper::AppLog;

CFrameFetcher::CFrameFetcher(QObject* parent) : QObject(parent) {}

CFrameFetcher::~CFrameFetcher()
{
    Close();
}

bool CFrameFetcher::Open(const QString& path, QString& error, int videoOrdinal)
{
    Close();
    if (!m_decoder.Open(path, error, videoOrdinal))
        return false;
    m_strPath = path;
    m_frameSize = m_decoder.FrameSize();
    m_dRate = m_decoder.FrameRate();
    m_iDurationUs = m_decoder.DurationUs();
    m_bStop = false;
    m_worker = std::thread([this, clip = m_iClip] { Run(clip); });
    return true;
}

void CFrameFetcher::Close()
{
    ++m_iClip;
    if (m_worker.joinable())
    {
        {
            std::lock_guard lock(m_mutex);
            m_bStop = true;
        }
        m_wake.notify_all();
        m_worker.join();
        AppLog("CFrameFetcher::Close() -> " + m_strPath);
    }
    m_decoder.Close();
    std::lock_guard lock(m_mutex);
    m_iWanted = 0;
    m_thumbnails.clear();
    m_bWorking = false;
    m_strPath.clear();
    m_frameSize = QSize();
    m_dRate = 0.0;
    m_iDurationUs = 0;
}

int CFrameFetcher::RequestFrame(qint64 timeUs, QSize preview)
{
    if (!IsOpen())
        return 0;
    {
        std::lock_guard lock(m_mutex);
        m_iWanted = m_iNewest = ++m_iLatest;
        m_iWantedUs = timeUs;
        m_wantedPreview = preview;
    }
    m_wake.notify_all();
    return m_iLatest;
}

void CFrameFetcher::RequestThumbnails(const std::vector<SThumbnail>& thumbnails, QSize size)
{
    if (!IsOpen())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_thumbnails.assign(thumbnails.begin(), thumbnails.end());
        m_thumbnailSize = size;
        ++m_iThumbnailGeneration;
    }
    m_wake.notify_all();
}

bool CFrameFetcher::IsBusy() const
{
    std::lock_guard lock(m_mutex);
    return m_bWorking || m_iWanted != 0 || !m_thumbnails.empty() || m_iInFlight.load() > 0;
}

void CFrameFetcher::Deliver(int clip, std::function<void()> emitter)
{
    // Queued to this object's thread; dropped with the object if it goes first, and ignored
    // when the clip was closed in between.
    ++m_iInFlight;
    QMetaObject::invokeMethod(
        this,
        [this, clip, emitter = std::move(emitter)] {
            --m_iInFlight;
            if (clip == m_iClip)
                emitter();
        },
        Qt::QueuedConnection);
}

void CFrameFetcher::Run(int clip)
{
    std::unique_lock lock(m_mutex);
    for (;;)
    {
        m_bWorking = false;
        m_wake.wait(lock, [this] { return m_bStop || m_iWanted != 0 || !m_thumbnails.empty(); });
        if (m_bStop)
            return;
        m_bWorking = true;
        auto frame = std::make_shared<SFrame>();
        QString error;
        if (m_iWanted != 0)
        {
            const int request = std::exchange(m_iWanted, 0);
            const qint64 timeUs = m_iWantedUs;
            const QSize preview = m_wantedPreview;
            lock.unlock();
            const auto replaced = [&] {
                std::lock_guard check(m_mutex);
                return m_bStop || m_iNewest != request;
            };
            const CClipDecoder::EResult result =
                m_decoder.Decode(timeUs, CClipDecoder::eEXACT, QSize(), frame->pixels, frame->info, error, replaced);
            if (result == CClipDecoder::eOK && !preview.isEmpty() && !m_decoder.ConvertLast(preview, frame->preview))
                frame->preview.Destroy();
            lock.lock();
            if (result == CClipDecoder::eCANCELLED || m_iNewest != request)
                continue;
            frame->iRequestedUs = timeUs;
            frame->iRequest = request;
            if (result == CClipDecoder::eOK)
                Deliver(clip, [this, frame] {
                    if (frame->iRequest == m_iLatest)
                        emit frameDecoded(frame);
                });
            else
                Deliver(clip, [this, request, timeUs, error] {
                    if (request == m_iLatest)
                        emit frameFailed(timeUs, error);
                });
            continue;
        }
        const SThumbnail thumbnail = m_thumbnails.front();
        m_thumbnails.pop_front();
        const QSize size = m_thumbnailSize;
        const int generation = m_iThumbnailGeneration;
        lock.unlock();
        const auto interrupted = [&] {
            std::lock_guard check(m_mutex);
            return m_bStop || m_iWanted != 0 || m_iThumbnailGeneration != generation;
        };
        const CClipDecoder::EResult result = m_decoder.Decode(thumbnail.iTimeUs, CClipDecoder::eKEYFRAME, size,
                                                              frame->pixels, frame->info, error, interrupted);
        lock.lock();
        if (result == CClipDecoder::eCANCELLED && m_iThumbnailGeneration == generation)
            m_thumbnails.push_front(thumbnail); // only a frame came first: the thumbnail is still wanted
        if (result != CClipDecoder::eOK || m_iThumbnailGeneration != generation)
            continue;
        frame->iRequestedUs = thumbnail.iTimeUs;
        frame->iRequest = thumbnail.iSlot;
        Deliver(clip, [this, frame] { emit thumbnailDecoded(frame->iRequest, frame); });
    }
}
