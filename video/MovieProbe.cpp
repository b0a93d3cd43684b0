// The metrics of a clip, derived from the prober's answer files.
#include "video/MovieHandling.h"

#include "core/AppLog.h"

#include <QRegularExpression>
#include <QThread>

#include <cmath>
#include <cstdlib>

using Helper::AppLog;

namespace
{
// Containers do not hold thousands of streams; a larger count is hostile and is not walked.
constexpr int kMaxStreams = 1024;

QString StreamSection(int index)
{
    return QStringLiteral("streams.stream.%1").arg(index);
}

bool IsRateText(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{1,10}/[0-9]{1,10}$"));
    return pattern.match(text).hasMatch() && CMovieHandling::RationalValue(text) > 0.0f;
}
}  // namespace

int CMovieHandling::StreamCount(const CProbeAnswer& format) const
{
    bool ok = false;
    const int count = format.Value("format", "nb_streams").toInt(&ok);
    return ok && count > 0 ? std::min(count, kMaxStreams) : 0;
}

bool CMovieHandling::IsVideoStream(const QString& clip, int index)
{
    if (QueryFormat(clip) != 0)
        return false;
    const CProbeAnswer& format = Answer(AnswerPath(eANSWER_FORMAT));
    return index >= 0 && index < StreamCount(format) && format.Value(StreamSection(index), "codec_type") == "video";
}

bool CMovieHandling::IsMainVideoStream(const QString& clip, int index)
{
    return IsMainVideoStream(clip, index, CountStreams(clip, eSK_VIDEO));
}

bool CMovieHandling::IsMainVideoStream(const QString& clip, int index, int videoStreams)
{
    if (!IsVideoStream(clip, index))
        return false;
    if (videoStreams == 1)
        return true;
    const CProbeAnswer& format = Answer(AnswerPath(eANSWER_FORMAT));
    float rate = -1.0f;
    const QString timeBase = format.Value(StreamSection(index), "codec_time_base");
    if (!CProbeAnswer::IsMissing(timeBase))
    {
        const float r = RationalValue(timeBase);
        rate = r > 0.0f ? 1.0f / r : -1.0f;
    }
    else
    {
        // Newer probers no longer print the codec time base; the average rate tells a film
        // (its rate) from a cover picture ("0/0") just as well.
        const float r = RationalValue(format.Value(StreamSection(index), "avg_frame_rate"));
        rate = r > 0.0f ? r : -1.0f;
    }
    return rate >= 1.0f;
}

int CMovieHandling::CountStreams(const QString& clip, EStreamKind kind)
{
    if (QueryFormat(clip) != 0)
        return 0;
    const int streams = StreamCount(Answer(AnswerPath(eANSWER_FORMAT)));
    const int videoStreams = kind == eSK_MAIN_VIDEO ? CountStreams(clip, eSK_VIDEO) : 0;
    int count = 0;
    for (int s = 0; s < streams; ++s)
    {
        const QString type = Answer(AnswerPath(eANSWER_FORMAT)).Value(StreamSection(s), "codec_type");
        if (CProbeAnswer::IsMissing(type))
            continue;
        if ((kind == eSK_VIDEO && IsVideoStream(clip, s)) ||
            (kind == eSK_MAIN_VIDEO && IsMainVideoStream(clip, s, videoStreams)) ||
            (kind == eSK_AUDIO && type == "audio"))
            ++count;
    }
    return count;
}

int CMovieHandling::MainVideoStream(const QString& clip)
{
    const int videoStreams = CountStreams(clip, eSK_VIDEO);
    int result = -1;
    if (videoStreams == 1)
    {
        AppLog("CMovieHandling::MainVideoStream() -> Video contains only 1 video-stream -> Just taking video-stream 0.");
        result = 0;
    }
    else if (videoStreams < 1)
        AppLog("CMovieHandling::MainVideoStream() -> Video doesn't contain any video streams.");
    else
    {
        AppLog(QStringLiteral("CMovieHandling::MainVideoStream() -> Video contais %1 video-streams -> Trying to "
                              "determine the main video-stream.")
                   .arg(videoStreams));
        const int streams = StreamCount(Answer(AnswerPath(eANSWER_FORMAT)));
        int ordinal = -1;
        for (int s = 0; s < streams && result < 0; ++s)
        {
            if (!IsVideoStream(clip, s))
                continue;
            ++ordinal;
            if (IsMainVideoStream(clip, s, videoStreams))
                result = ordinal;
        }
    }
    AppLog(QStringLiteral("CMovieHandling::MainVideoStream(): %1").arg(result));
    return result;
}

double CMovieHandling::GetDuration(const QString& clip)
{
    if (QueryFormat(clip) != 0)
        return -1.0;
    bool ok = false;
    const double seconds = Answer(AnswerPath(eANSWER_FORMAT)).Value("FORMAT", "duration").toDouble(&ok);
    return ok && std::isfinite(seconds) && seconds >= 0.0 ? seconds : -1.0;
}

QString CMovieHandling::GetFrameRate(const QString& clip, bool limit)
{
    const int main = MainVideoStream(clip);
    if (main < 0 || QueryVideoStream(clip, main) != 0)
        return {};
    QString text = Answer(AnswerPath(eANSWER_VIDEO, main)).Value("STREAM", "r_frame_rate");
    if (CProbeAnswer::IsMissing(text) || !IsRateText(text))
        return {};
    if (limit)
    {
        const int rounded = qRound(RationalValue(text));
        if (rounded >= 481)
        {
            AppLog("CMovieHandling::GetFrameRate() -> " + text + " -> Rate completely out of range -> Set to default.");
            text = QStringLiteral("%1/1").arg(30);
        }
        else if (rounded > 120)
        {
            AppLog("CMovieHandling::GetFrameRate() -> " + text + " -> Rate too high -> Set to maximum.");
            text = QStringLiteral("%1/1").arg(120);
        }
    }
    return text;
}

int CMovieHandling::AbsoluteIndex(const CProbeAnswer& format, const QString& type, int ordinal) const
{
    const int streams = StreamCount(format);
    for (int s = 0, found = -1; s < streams; ++s)
        if (format.Value(StreamSection(s), "codec_type") == type && ++found == ordinal)
            return s;
    return -1;
}

QSize CMovieHandling::GetFrameSize(const QString& clip)
{
    const QSize none(-1, -1);
    const int main = MainVideoStream(clip);
    if (main < 0 || QueryVideoStream(clip, main) != 0)
        return none;
    const CProbeAnswer& video = Answer(AnswerPath(eANSWER_VIDEO, main));
    bool okW = false, okH = false;
    const int width = std::abs(video.Value("STREAM", "width").toInt(&okW));
    const int height = std::abs(video.Value("STREAM", "height").toInt(&okH));
    if (!okW || !okH)
        return none;
    if (width < 1 || height < 1 || width > kMaxFrameSide || height > kMaxFrameSide ||
        qint64(width) * height > kMaxFramePixels)
    {
        AppLog(QStringLiteral("CMovieHandling::GetFrameSize() -> %1 x %2 is out of range.").arg(width).arg(height));
        return none;
    }
    // The stream answer is built from the format answer, whose values are all escaped: a tag
    // spanning lines cannot fake a side data block.
    const int rotation = video.Value("SIDE_DATA", "rotation").toInt();
    return rotation == 90 || rotation == -90 ? QSize(height, width) : QSize(width, height);
}

QString CMovieHandling::GetAudioCodecName(const QString& clip, int ordinal)
{
    if (QueryAudioStream(clip, ordinal) != 0)
        return {};
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_.-]{1,64}$"));
    const QString name = Answer(AnswerPath(eANSWER_AUDIO, ordinal)).Value("STREAM", "codec_name");
    return !CProbeAnswer::IsMissing(name) && pattern.match(name).hasMatch() ? name : QString();
}

bool CMovieHandling::IsVariableRate(const QString& clip)
{
    const int main = MainVideoStream(clip);
    if (main < 0 || QueryVideoStream(clip, main) != 0)
        return false;
    const CProbeAnswer& video = Answer(AnswerPath(eANSWER_VIDEO, main));
    const float base = RationalValue(video.Value("STREAM", "r_frame_rate"));
    const float average = RationalValue(video.Value("STREAM", "avg_frame_rate"));
    return base > 0.0f && average > 0.0f && std::abs(base - average) > 0.001f * base;
}

int CMovieHandling::GetNumFrames(const QString& clip)
{
    const int main = MainVideoStream(clip);
    if (main < 0 || QueryVideoStream(clip, main) != 0)
        return -1;
    bool ok = false;
    int count = Answer(AnswerPath(eANSWER_VIDEO, main)).Value("STREAM", "nb_frames").toInt(&ok);
    if (!ok || count < 1)
    {
        AppLog("CMovieHandling::GetNumFrames() -> Count frames. This may take a while...");
        count = CountFramesFFmpeg(clip, main);
        if (count < 1)
            count = CountFramesFFprobe(clip, main);
        if (count < 1)
            count = -1;
    }
    AppLog(QStringLiteral("CMovieHandling::GetNumFrames() -> Movie contains %1 Frames.").arg(count));
    return count;
}

int CMovieHandling::CountFramesFFmpeg(const QString& clip, int ordinal)
{
    AppLog(QStringLiteral("CMovieHandling::CountFramesFFmpeg() -> Video stream: %1").arg(ordinal));
    if (ordinal < 0 || ordinal >= CountStreams(clip, eSK_VIDEO))
        return -1;
    const QStringList arguments{"-threads", QString::number(QThread::idealThreadCount()),
                                "-i",       ToolPath(clip),
                                "-map",     QStringLiteral("0:v:%1").arg(ordinal),
                                "-c",       "copy",
                                "-f",       "null",
                                "-"};
    if (m_bAborted)
        return -1;
    // The copy prints its progress all along: a converter that falls silent is stuck.
    m_converter.SetSilenceLimit(m_iPipeStallLimitMs);
    const bool ran = m_converter.Run(arguments, true, true);
    m_converter.SetSilenceLimit(0);
    if (m_converter.TimedOut())
        m_strUnanswered = m_converter.ExecutableName();
    return ran ? std::max(m_converter.LastFrame(), 0) : -1;
}

int CMovieHandling::CountFramesFFprobe(const QString& clip, int ordinal)
{
    AppLog(QStringLiteral("CMovieHandling::CountFramesFFprobe() -> Video stream: %1").arg(ordinal));
    if (QueryCountedVideoStream(clip, ordinal) != 0)
        return -1;
    bool ok = false;
    const int count = Answer(AnswerPath(eANSWER_VIDEO_COUNTED, ordinal)).Value("STREAM", "nb_read_frames").toInt(&ok);
    return ok && count >= 0 ? count : -1;
}
