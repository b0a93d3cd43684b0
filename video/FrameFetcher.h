// The frames of one loaded clip, decoded on a thread of its own so the interface never waits:
// the newest frame request replaces an older one and interrupts its decoding, and thumbnails
// are decoded, one by one, while no frame is wanted. Results arrive as signals on the thread
// that owns the object; results of replaced requests never arrive.
#pragma once

#include "video/ClipDecoder.h"

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

class CFrameFetcher : public QObject
{
    Q_OBJECT

public:
    struct SFrame
    {
        Helper::CRGB24Buffer pixels;
        Helper::CRGB24Buffer preview; // the same frame scaled down, when asked for
        CClipDecoder::SFrameInfo info;
        qint64 iRequestedUs = 0; // the time that was asked for
        int iRequest = 0;        // the request's number (frames) or thumbnail slot
    };
    using FramePtr = std::shared_ptr<const SFrame>;

    struct SThumbnail
    {
        int iSlot;
        qint64 iTimeUs;
    };

    explicit CFrameFetcher(QObject* parent = nullptr);
    /// Stops the thread and closes the decoder.
    ~CFrameFetcher() override;

    /// Opens the clip (on the calling thread, so failures are known at once) and starts the
    /// decoding thread; any clip opened before is closed first.
    bool Open(const QString& path, QString& error, int videoOrdinal = -1);
    /// Stops the thread and closes the decoder; pending requests are dropped.
    void Close();
    bool IsOpen() const { return m_worker.joinable(); }
    const QString& Path() const { return m_strPath; }

    QSize FrameSize() const { return m_frameSize; }
    double FrameRate() const { return m_dRate; }
    qint64 DurationUs() const { return m_iDurationUs; }
    /// See CClipDecoder::FrameTimeUs().
    qint64 FrameTimeUs(int index) const { return CClipDecoder::FrameTimeUs(index, m_dRate); }

    /// Asks for the exact frame at `timeUs`, and, with a `preview` size, the frame scaled to it
    /// as well; returns the request's number. A request not yet delivered is dropped.
    int RequestFrame(qint64 timeUs, QSize preview = QSize());
    /// The number of the newest frame request (0 before the first).
    int LatestRequest() const { return m_iLatest; }
    /// Replaces the thumbnails still to decode: key frames at those times, scaled to `size`.
    void RequestThumbnails(const std::vector<SThumbnail>& thumbnails, QSize size);
    /// True while a frame request or thumbnails wait, are being decoded, or their results have
    /// not reached this object's thread yet.
    bool IsBusy() const;

signals:
    void frameDecoded(CFrameFetcher::FramePtr frame);
    /// The frame at `timeUs` could not be decoded; `message` says so for the user.
    void frameFailed(qint64 timeUs, const QString& message);
    void thumbnailDecoded(int slot, CFrameFetcher::FramePtr frame);

private:
    void Run(int clip);
    void Deliver(int clip, std::function<void()> emitter);

    QString m_strPath;
    QSize m_frameSize;
    double m_dRate = 0.0;
    qint64 m_iDurationUs = 0;
    int m_iLatest = 0;       // GUI side: newest request handed out
    int m_iClip = 0;         // GUI side: counts Close(), so results of a closed clip are dropped
    std::atomic<int> m_iInFlight{0}; // results posted to this object's thread and not yet there

    CClipDecoder m_decoder; // used by the worker only while it runs
    std::thread m_worker;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    // Guarded by m_mutex:
    bool m_bStop = false;
    bool m_bWorking = false;
    int m_iWanted = 0; // newest frame request not yet taken by the worker (0: none)
    qint64 m_iWantedUs = 0;
    QSize m_wantedPreview;
    int m_iNewest = 0; // newest frame request made: older work is abandoned
    std::deque<SThumbnail> m_thumbnails;
    QSize m_thumbnailSize;
    int m_iThumbnailGeneration = 0;
};
