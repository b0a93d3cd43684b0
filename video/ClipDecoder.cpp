#include "video/ClipDecoder.h"

#include "core/AppLog.h"
#include "video/CommandLine.h"
#include "video/MovieHandling.h"

#include <QFileInfo>
#include <QScopeGuard>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/display.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include <cmath>
#include <deque>
#include <mutex>

using Helper::AppLog;

namespace
{
// Frames kept after decoding so that stepping back needs no seek; bounded by their bytes.
constexpr qint64 kRecentBytes = qint64(48) << 20;
// A target this far ahead of the last decoded frame is reached by decoding on, not by seeking.
constexpr qint64 kForwardLimitUs = 2000000;
// The converter seeks this much earlier when the stream reorders frames, so a key frame whose
// decoding time lies before the target but whose presentation time lies after it is not picked.
constexpr qint64 kReorderMarginUs = 3 * AV_TIME_BASE / 23;
// On the way to a target, frames no other frame refers to are not decoded at all, except for the
// last ones before it: stepping back into those needs no seek.
constexpr int kKeptBeforeTarget = 8;

enum ETurn
{
    eNONE,
    eCLOCKWISE,
    eHALF,
    eCOUNTERCLOCKWISE,
};

// The turn the converter applies to make frames upright (its automatic rotation).
ETurn TurnOf(const AVStream* stream)
{
    const uint8_t* matrix = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr);
    if (!matrix)
        return eNONE;
    double theta = -std::round(av_display_rotation_get(reinterpret_cast<const int32_t*>(matrix)));
    if (std::isnan(theta))
        return eNONE;
    theta -= 360.0 * std::floor(theta / 360.0 + 0.9 / 360.0);
    if (std::fabs(theta - 90.0) < 1.0)
        return eCLOCKWISE;
    if (std::fabs(theta - 180.0) < 1.0)
        return eHALF;
    if (std::fabs(theta - 270.0) < 1.0)
        return eCOUNTERCLOCKWISE;
    return eNONE;
}

// Packed RGB `in` (w × h) turned into `out` (h × w for a quarter turn).
void Turn(const uint8_t* in, int w, int h, ETurn turn, uint8_t* out)
{
    const int outW = turn == eHALF ? w : h;
    for (int oy = 0, outH = turn == eHALF ? h : w; oy < outH; ++oy)
    {
        uint8_t* row = out + size_t(oy) * outW * 3;
        for (int ox = 0; ox < outW; ++ox)
        {
            const int ix = turn == eCLOCKWISE ? oy : turn == eHALF ? w - 1 - ox : w - 1 - oy;
            const int iy = turn == eCLOCKWISE ? h - 1 - ox : turn == eHALF ? h - 1 - oy : ox;
            const uint8_t* p = in + (size_t(iy) * w + ix) * 3;
            row[3 * ox] = p[0];
            row[3 * ox + 1] = p[1];
            row[3 * ox + 2] = p[2];
        }
    }
}

QString AvError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

struct SFrameFree
{
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
using FramePtr = std::unique_ptr<AVFrame, SFrameFree>;
}  // namespace

struct CClipDecoder::SState
{
    QString strPath;
    int iVideoOrdinal = -1;
    AVFormatContext* pFormat = nullptr;
    AVCodecContext* pCodec = nullptr;
    AVPacket* pPacket = nullptr;
    SwsContext* pSws = nullptr;       // frames at their own size
    SwsContext* pScaledSws = nullptr; // frames scaled down (previews, thumbnails)
    FramePtr last;                    // the frame delivered last
    int iStream = -1;
    AVRational timeBase{1, 1};
    qint64 iStartUs = 0;    // the clip's start: times are counted from it
    qint64 iDurationUs = 0; // the video stream's length (the container's when it names none)
    double dRate = 0.0;
    ETurn eTurn = eNONE;
    int iSeeks = 0;

    // Frames decoded since the last seek, in presentation order; without gaps from iGapsBefore on.
    std::deque<FramePtr> recent;
    qint64 iRecentBytes = 0;
    bool bRecentFromStart = false; // recent.front() is the stream's first frame
    int64_t iSkipBefore = INT64_MIN; // packets before this time need not give a frame
    int64_t iGapsBefore = INT64_MIN; // frames before this time may have been skipped
    bool bFlushing = false;        // the demuxer has ended; the decoder is being drained
    bool bEnded = false;           // the decoder has delivered its last frame
    std::vector<uint8_t> turnBuffer; // a frame before it is turned

    ~SState() { Release(); }
    void Release()
    {
        recent.clear();
        iRecentBytes = 0;
        last.reset();
        sws_freeContext(pSws);
        sws_freeContext(pScaledSws);
        pSws = pScaledSws = nullptr;
        av_packet_free(&pPacket);
        avcodec_free_context(&pCodec);
        avformat_close_input(&pFormat);
        iStream = -1;
    }

    int64_t StreamTs(qint64 timeUs) const { return av_rescale_q(timeUs + iStartUs, AV_TIME_BASE_Q, timeBase); }
    qint64 TimeUs(int64_t pts) const { return av_rescale_q(pts, timeBase, AV_TIME_BASE_Q) - iStartUs; }
    int64_t FrameDuration() const
    {
        return dRate > 0.0 ? std::max<int64_t>(1, av_rescale_q(llround(AV_TIME_BASE / dRate), AV_TIME_BASE_Q, timeBase)) : 1;
    }

    bool OpenFile(QString& error);
    bool Seek(int64_t ts);
    EResult NextFrame(const std::function<bool()>& cancelled);
    void Remember(FramePtr frame);
    const AVFrame* FindRecent(int64_t target) const;
    bool EndsTheClip(const AVFrame* frame) const;
    bool Convert(const AVFrame* frame, QSize size, Helper::CRGB24Buffer& out);
};

bool CClipDecoder::SState::OpenFile(QString& error)
{
    // "file:" and an absolute path: a name such as "concat:a|b.mp4" is never a protocol.
    const QByteArray url = "file:" + QFile::encodeName(QFileInfo(strPath).absoluteFilePath());
    int code = avformat_open_input(&pFormat, url.constData(), nullptr, nullptr);
    if (code >= 0)
        code = avformat_find_stream_info(pFormat, nullptr);
    if (code < 0)
    {
        AppLog("CClipDecoder::Open() -> " + strPath + ": " + AvError(code));
        error = tr("Die Datei %1 enthält kein lesbares Video.").arg(QFileInfo(strPath).fileName());
        return false;
    }
    for (unsigned i = 0, video = 0; i < pFormat->nb_streams && iStream < 0; ++i)
    {
        const AVStream* stream = pFormat->streams[i];
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO)
            continue;
        if (iVideoOrdinal >= 0 ? int(video) == iVideoOrdinal : !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            iStream = int(i);
        ++video;
    }
    if (iVideoOrdinal < 0)
    {
        // The converter's own choice among several films: the one with the most pixels.
        const int best = av_find_best_stream(pFormat, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (best >= 0 && !(pFormat->streams[best]->disposition & AV_DISPOSITION_ATTACHED_PIC))
            iStream = best;
    }
    const AVStream* stream = iStream >= 0 ? pFormat->streams[iStream] : nullptr;
    const AVCodec* codec = stream ? avcodec_find_decoder(stream->codecpar->codec_id) : nullptr;
    if (!codec)
    {
        error = tr("Die Datei %1 enthält kein lesbares Video.").arg(QFileInfo(strPath).fileName());
        return false;
    }
    const int w = stream->codecpar->width, h = stream->codecpar->height;
    if (w < 1 || h < 1 || w > CMovieHandling::kMaxFrameSide || h > CMovieHandling::kMaxFrameSide ||
        qint64(w) * h > CMovieHandling::kMaxFramePixels)
    {
        error = tr("Das Video hat eine nicht unterstützte Bildgröße (%1 × %2).").arg(w).arg(h);
        return false;
    }
    pCodec = avcodec_alloc_context3(codec);
    pPacket = av_packet_alloc();
    if (!pCodec || !pPacket || avcodec_parameters_to_context(pCodec, stream->codecpar) < 0)
    {
        error = tr("Nicht genug Speicher für den Videodecoder.");
        return false;
    }
    pCodec->pkt_timebase = stream->time_base;
    pCodec->thread_count = 0; // as many as the machine has
    code = avcodec_open2(pCodec, codec, nullptr);
    if (code < 0)
    {
        AppLog("CClipDecoder::Open() -> " + strPath + ": " + AvError(code));
        error = tr("Das Videoformat von %1 kann nicht dekodiert werden.").arg(QFileInfo(strPath).fileName());
        return false;
    }
    timeBase = stream->time_base;
    iStartUs = pFormat->start_time != AV_NOPTS_VALUE ? pFormat->start_time : 0;
    iDurationUs = stream->duration != AV_NOPTS_VALUE ? av_rescale_q(stream->duration, timeBase, AV_TIME_BASE_Q)
                  : pFormat->duration != AV_NOPTS_VALUE ? pFormat->duration
                                                        : 0;
    const AVRational rate = stream->avg_frame_rate.num > 0 && stream->avg_frame_rate.den > 0 ? stream->avg_frame_rate
                                                                                              : stream->r_frame_rate;
    dRate = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0.0;
    eTurn = TurnOf(stream);
    bFlushing = bEnded = false;
    return true;
}

bool CClipDecoder::SState::Seek(int64_t ts)
{
    ++iSeeks;
    int code = av_seek_frame(pFormat, iStream, ts, AVSEEK_FLAG_BACKWARD);
    if (code < 0)
        code = avformat_seek_file(pFormat, iStream, INT64_MIN, ts, INT64_MAX, 0);
    if (code < 0)
    {
        // Streams without an index cannot seek back: start over from the beginning.
        AppLog("CClipDecoder::Seek() -> " + AvError(code) + " - reopening " + strPath);
        Release();
        QString error;
        if (!OpenFile(error))
            return false;
    }
    avcodec_flush_buffers(pCodec);
    recent.clear();
    iRecentBytes = 0;
    bRecentFromStart = false;
    iGapsBefore = INT64_MIN;
    bFlushing = bEnded = false;
    return true;
}

CClipDecoder::EResult CClipDecoder::SState::NextFrame(const std::function<bool()>& cancelled)
{
    FramePtr frame(av_frame_alloc());
    if (!frame)
        return eFAILED;
    for (;;)
    {
        const int received = avcodec_receive_frame(pCodec, frame.get());
        if (received == 0)
        {
            frame->pts = frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp
                         : recent.empty()                             ? StreamTs(0)
                                                                      : recent.back()->pts + FrameDuration();
            Remember(std::move(frame));
            return eOK;
        }
        if (received != AVERROR(EAGAIN))
        {
            bEnded = true; // the end, or a decoder that cannot go on
            return eFAILED;
        }
        if (cancelled && cancelled())
            return eCANCELLED;
        const int read = av_read_frame(pFormat, pPacket);
        if (read < 0)
        {
            // End of file or a read error: what the decoder holds still comes out.
            if (bFlushing)
            {
                bEnded = true;
                return eFAILED;
            }
            bFlushing = true;
            avcodec_send_packet(pCodec, nullptr);
            continue;
        }
        if (pPacket->stream_index == iStream)
        {
            const bool early = pPacket->pts != AV_NOPTS_VALUE && pPacket->pts < iSkipBefore;
            pCodec->skip_frame = early ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
            avcodec_send_packet(pCodec, pPacket); // a damaged packet is skipped, as the converter does
        }
        av_packet_unref(pPacket);
    }
}

void CClipDecoder::SState::Remember(FramePtr frame)
{
    const auto bytes = [](const AVFrame* f) {
        qint64 sum = 0;
        for (int plane = 0; plane < AV_NUM_DATA_POINTERS && f->buf[plane]; ++plane)
            sum += qint64(f->buf[plane]->size);
        return sum;
    };
    iRecentBytes += bytes(frame.get());
    recent.push_back(std::move(frame));
    while (recent.size() > 2 && iRecentBytes > kRecentBytes)
    {
        iRecentBytes -= bytes(recent.front().get());
        recent.pop_front();
        bRecentFromStart = false;
    }
}

const AVFrame* CClipDecoder::SState::FindRecent(int64_t target) const
{
    if (recent.empty())
        return nullptr;
    if (bRecentFromStart && iGapsBefore == INT64_MIN && target <= recent.front()->pts)
        return recent.front().get();
    // A skipped frame lies before iGapsBefore: it could only be the answer for an earlier target.
    for (size_t i = 1; target >= iGapsBefore && i < recent.size(); ++i)
        if (recent[i - 1]->pts < target && target <= recent[i]->pts)
            return recent[i].get();
    if (bEnded && target > recent.back()->pts && EndsTheClip(recent.back().get()))
        return recent.back().get();
    return nullptr;
}

bool CClipDecoder::SState::EndsTheClip(const AVFrame* frame) const
{
    // A stream that ends well before the length its container declares was cut or damaged.
    if (iDurationUs <= 0)
        return true;
    const qint64 frameUs = dRate > 0.0 ? qint64(AV_TIME_BASE / dRate) : 0;
    return TimeUs(frame->pts) + std::max<qint64>(3 * frameUs, 250000) >= iDurationUs;
}

bool CClipDecoder::SState::Convert(const AVFrame* frame, QSize size, Helper::CRGB24Buffer& out)
{
    const bool quarter = eTurn == eCLOCKWISE || eTurn == eCOUNTERCLOCKWISE;
    const bool own = size.isEmpty();
    if (own)
        size = quarter ? QSize(frame->height, frame->width) : QSize(frame->width, frame->height);
    const QSize upright = quarter ? size.transposed() : size;
    // At its own size bicubic, as the converter's pixel-format conversion, so frames equal its
    // extraction; scaled down by area averaging, as the engine reduces pictures.
    SwsContext*& context = own ? pSws : pScaledSws;
    context = sws_getCachedContext(context, frame->width, frame->height, AVPixelFormat(frame->format), upright.width(),
                                   upright.height(), AV_PIX_FMT_RGB24, own ? SWS_BICUBIC : SWS_AREA, nullptr, nullptr,
                                   nullptr);
    if (!context)
        return false;
    // The colour matrix and range follow the frame, as the converter's scaler does.
    int* invTable = nullptr;
    int* table = nullptr;
    int srcFull = 0, dstFull = 0, brightness = 0, contrast = 0, saturation = 0;
    sws_getColorspaceDetails(context, &invTable, &srcFull, &table, &dstFull, &brightness, &contrast, &saturation);
    const int* coefficients = sws_getCoefficients(frame->colorspace);
    if (frame->color_range != AVCOL_RANGE_UNSPECIFIED)
        srcFull = frame->color_range == AVCOL_RANGE_JPEG;
    sws_setColorspaceDetails(context, coefficients, srcFull, coefficients, dstFull, brightness, contrast, saturation);

    out.Create(size, Helper::eCP_NO_CLEAR);
    uint8_t* target = out.GetData();
    if (eTurn != eNONE)
    {
        turnBuffer.resize(size_t(upright.width()) * upright.height() * 3);
        target = turnBuffer.data();
    }
    uint8_t* planes[4] = {target, nullptr, nullptr, nullptr};
    int strides[4] = {upright.width() * 3, 0, 0, 0};
    if (sws_scale(context, frame->data, frame->linesize, 0, frame->height, planes, strides) != upright.height())
        return false;
    if (eTurn != eNONE)
        Turn(target, upright.width(), upright.height(), eTurn, out.GetData());
    return true;
}

CClipDecoder::CClipDecoder() = default;

CClipDecoder::~CClipDecoder() = default;

bool CClipDecoder::Open(const QString& path, QString& error, int videoOrdinal)
{
    Close();
    // Damaged packets are expected while scrubbing cut files; failures reach the caller as results.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_FATAL); });
    if (!QFileInfo(path).isFile())
    {
        error = tr("Die Datei %1 kann nicht gelesen werden.").arg(path);
        return false;
    }
    m_state = std::make_unique<SState>();
    m_state->strPath = path;
    m_state->iVideoOrdinal = videoOrdinal;
    if (!m_state->OpenFile(error))
    {
        m_state.reset();
        return false;
    }
    AppLog(QStringLiteral("CClipDecoder::Open() -> %1: %2x%3, %4 fps, %5 ms")
               .arg(path)
               .arg(FrameSize().width())
               .arg(FrameSize().height())
               .arg(m_state->dRate)
               .arg(m_state->iDurationUs / 1000));
    return true;
}

void CClipDecoder::Close()
{
    m_state.reset();
}

bool CClipDecoder::IsOpen() const
{
    return m_state && m_state->iStream >= 0;
}

QSize CClipDecoder::FrameSize() const
{
    if (!IsOpen())
        return {};
    const AVCodecParameters* parameters = m_state->pFormat->streams[m_state->iStream]->codecpar;
    const bool quarter = m_state->eTurn == eCLOCKWISE || m_state->eTurn == eCOUNTERCLOCKWISE;
    return quarter ? QSize(parameters->height, parameters->width) : QSize(parameters->width, parameters->height);
}

double CClipDecoder::FrameRate() const
{
    return m_state ? m_state->dRate : 0.0;
}

qint64 CClipDecoder::DurationUs() const
{
    return m_state ? m_state->iDurationUs : 0;
}

qint64 CClipDecoder::FrameTimeUs(int index, double rate)
{
    if (rate <= 0.0 || index <= 0)
        return 0;
    return qint64(std::llround((index - 0.5) * AV_TIME_BASE / rate));
}

bool CClipDecoder::ConvertLast(QSize size, Helper::CRGB24Buffer& out)
{
    return m_state && m_state->last && m_state->Convert(m_state->last.get(), size, out);
}

int CClipDecoder::SeekCount() const
{
    return m_state ? m_state->iSeeks : 0;
}

CClipDecoder::EResult CClipDecoder::Decode(qint64 timeUs, ESeek seek, QSize size, Helper::CRGB24Buffer& out,
                                           SFrameInfo& info, QString& error, const std::function<bool()>& cancelled)
{
    if (!IsOpen())
    {
        error = tr("Kein Video geöffnet.");
        return eFAILED;
    }
    SState& s = *m_state;
    timeUs = std::max<qint64>(timeUs, 0);
    const int64_t target = s.StreamTs(timeUs);
    const auto deliver = [&](const AVFrame* frame) {
        s.last.reset(av_frame_clone(frame));
        if (!s.last || !s.Convert(frame, size, out))
        {
            error = tr("Das Bild konnte nicht umgewandelt werden.");
            return eFAILED;
        }
        info.iTimeUs = s.TimeUs(frame->pts);
        info.iIndex = int(std::llround(double(info.iTimeUs) * s.dRate / AV_TIME_BASE));
        return eOK;
    };
    const auto failure = [&] {
        AppLog(QStringLiteral("CClipDecoder::Decode() -> Nothing decodable at %1 us in %2").arg(timeUs).arg(s.strPath));
        error = tr("An der Stelle %1 kann kein Bild gelesen werden: die Datei ist beschädigt oder unvollständig.")
                    .arg(FormatTimePosition(timeUs / 1000));
        return eFAILED;
    };

    if (seek == eKEYFRAME)
    {
        if (!s.Seek(s.StreamTs(std::max<qint64>(0, timeUs - kReorderMarginUs))))
            return failure();
        const EResult result = s.NextFrame(cancelled);
        return result == eOK ? deliver(s.recent.back().get()) : result == eCANCELLED ? eCANCELLED : failure();
    }

    if (const AVFrame* known = s.FindRecent(target))
        return deliver(known);
    // Frames well before the target are only decoded when others refer to them.
    const int64_t skipBefore = target - s.FrameDuration() * kKeptBeforeTarget;
    s.iSkipBefore = skipBefore;
    const auto noSkipping = qScopeGuard([&s] { s.iSkipBefore = INT64_MIN; });
    const bool onward = !s.recent.empty() && !s.bEnded && s.recent.back()->pts < target &&
                        target - s.recent.back()->pts <= av_rescale_q(kForwardLimitUs, AV_TIME_BASE_Q, s.timeBase);
    if (!onward)
    {
        // Back off further while the first frame after the seek lies past the target: the
        // demuxer picked a key frame by its decoding time.
        for (qint64 margin = kReorderMarginUs;; margin = margin * 2 + AV_TIME_BASE)
        {
            const qint64 from = timeUs - margin;
            if (!s.Seek(s.StreamTs(std::max<qint64>(from, 0))))
                return failure();
            const EResult first = s.NextFrame(cancelled);
            if (first == eCANCELLED)
                return eCANCELLED;
            if (first != eOK)
                return failure();
            s.bRecentFromStart = from <= 0;
            if (s.recent.back()->pts <= target || from <= 0)
                break;
        }
        s.iGapsBefore = skipBefore;
        if (s.recent.back()->pts >= target)
            return deliver(s.recent.back().get());
    }
    if (onward)
        s.iGapsBefore = std::max(s.iGapsBefore, skipBefore);
    for (;;)
    {
        const EResult result = s.NextFrame(cancelled);
        if (result == eCANCELLED)
            return eCANCELLED;
        if (result != eOK)
            break;
        if (s.recent.back()->pts >= target)
            return deliver(s.recent.back().get());
    }
    // Past the last frame: the last one, when the stream really ends there.
    if (!s.recent.empty() && s.EndsTheClip(s.recent.back().get()))
        return deliver(s.recent.back().get());
    return failure();
}
