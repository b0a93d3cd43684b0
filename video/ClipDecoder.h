// One clip's main video stream decoded in-process with FFmpeg's libraries: the frame at a time
// exactly as the converter's accurate seek picks it (the first frame at or after the time), or
// the key frame before the time (as its fast seek), as packed 8-bit RGB at the clip's size or
// scaled. Timeline scrubbing, stepping, playback and thumbnails use it; a child process per
// marker move would take far too long. Not thread-safe: one thread at a time.
#pragma once

#include "core/ImageBuffer.h"

#include <QCoreApplication>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class CClipDecoder
{
    Q_DECLARE_TR_FUNCTIONS(CClipDecoder)

public:
    enum ESeek
    {
        eEXACT,    // the first frame whose time is at or after the requested time
        eKEYFRAME, // the key frame at or before the requested time (cheap: one frame decoded)
    };
    enum EResult
    {
        eOK,
        eFAILED,    // nothing decodable there: `error` says why
        eCANCELLED, // the cancel test answered true between two packets
    };
    struct SFrameInfo
    {
        qint64 iTimeUs = 0; // presentation time after the clip's start
        int iIndex = 0;     // time × rate, rounded: the frame's number in a constant-rate clip
    };

    CClipDecoder();
    ~CClipDecoder();
    CClipDecoder(const CClipDecoder&) = delete;
    CClipDecoder& operator=(const CClipDecoder&) = delete;

    /// Opens `path` (a regular file) and the decoder of its video stream `videoOrdinal` (the
    /// n-th video stream; -1 picks the best one that is not an attached picture). False with
    /// `error` set otherwise.
    bool Open(const QString& path, QString& error, int videoOrdinal = -1);
    void Close();
    bool IsOpen() const;

    /// The size frames are delivered at when not scaled: a quarter turn of the clip exchanges
    /// width and height, as the converter turns frames upright.
    QSize FrameSize() const;
    /// Frames per second (average rate, else the base rate); 0 when the clip names none.
    double FrameRate() const;
    /// Length of the clip, 0 when unknown.
    qint64 DurationUs() const;
    /// The time that selects frame `index` with eEXACT in a clip of constant `rate`: half a
    /// frame before its nominal time, so rounding never skips to the next one.
    static qint64 FrameTimeUs(int index, double rate);
    qint64 FrameTimeUs(int index) const { return FrameTimeUs(index, FrameRate()); }

    /// Decodes the frame at `timeUs` (after the clip's start) into `out`: FrameSize() when
    /// `size` is empty, else scaled to `size`. Past the last frame the last frame is delivered,
    /// unless the stream ends early (a damaged or cut file), which fails. `cancelled` is asked
    /// between packets.
    EResult Decode(qint64 timeUs, ESeek seek, QSize size, Helper::CRGB24Buffer& out, SFrameInfo& info,
                   QString& error, const std::function<bool()>& cancelled = {});

    /// The frame the last successful Decode() delivered once more, at another size (a preview
    /// beside the full frame). False when there is none.
    bool ConvertLast(QSize size, Helper::CRGB24Buffer& out);

    /// Seeks made since Open(): stepping forward and stepping back into recently decoded
    /// frames need none.
    int SeekCount() const;

private:
    struct SState;
    std::unique_ptr<SState> m_state;
};
