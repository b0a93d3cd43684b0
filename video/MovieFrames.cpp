// Single frames through a temporary image, and whole clips through the converter's frame pipe.
#include "video/MovieHandling.h"

#include "core/AppLog.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QThread>

#include <cmath>

using Helper::AppLog;

namespace
{
QString HandleText(const void* handle)
{
    return QStringLiteral("0x%1").arg(quintptr(handle), 0, 16);
}

bool IsImageExtension(const QString& extension)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9]{1,10}$"));
    return pattern.match(extension).hasMatch();
}
}  // namespace

QString CMovieHandling::FrameImagePath(const QString& extension) const
{
    if (!m_pTempDir)
        return {};
    return TempDirectory() + "/" + QStringLiteral("%1_Tmp_MovieImage").arg(m_strProgramId) + "." + extension;
}

QStringList CMovieHandling::ExtractionArguments(const QString& clip, qint64 positionMs, bool accurate,
                                                const QSize& size, const QString& imagePath)
{
    QStringList arguments{"-threads", accurate ? QStringLiteral("1") : QString::number(QThread::idealThreadCount()),
                          accurate ? "-accurate_seek" : "-noaccurate_seek",
                          "-ss", FormatTimePosition(positionMs),
                          "-i", QFileInfo(clip).absoluteFilePath(),
                          "-frames:v", "1"};
    if (size.width() >= 1 && size.height() >= 1)
        arguments << "-vf" << QStringLiteral("scale=%1:%2").arg(size.width()).arg(size.height());
    arguments << "-q:v" << "2" << "-y" << imagePath;
    return arguments;
}

QString CMovieHandling::ExtractFrame(const QString& clip, const QString& extension, qint64 positionMs,
                                     qint64 maxReductionMs, bool accurate, const QSize& size)
{
    const qint64 p = std::max<qint64>(positionMs, 0);
    const qint64 R = std::min(p, maxReductionMs);
    AppLog(QStringLiteral("CMovieHandling::ExtractFrame() -> At position: %1 ms - Max TimeReduction: %2 ms").arg(p).arg(R));
    if (!QFileInfo(clip).isFile() || !IsImageExtension(extension) || R < 0 || !m_pTempDir)
        return {};
    const double duration = GetDuration(clip);
    const qint64 D = std::llround(duration * 1000.0);
    if (duration < 0.0 || D < 1)
        return {};

    const QString image = FrameImagePath(extension);
    // One frame never takes long; a converter stuck on a damaged clip must not stall the caller.
    m_converter.SetTimeLimit(m_iExtractionTimeLimitMs);
    const auto restore = qScopeGuard([this] { m_converter.SetTimeLimit(0); });
    m_strUnanswered.clear();
    qint64 r = 0;
    for (int t = 0; !m_bAborted;)
    {
        if (p - r < 0)
            break;
        const qint64 q = p - r;
        QFile::remove(image);
        const bool ran = m_converter.Run(ExtractionArguments(clip, q, accurate, size, image), true, false);
        if (m_converter.TimedOut())
        {
            // A converter that did not answer once will not answer at the next position either.
            m_strUnanswered = m_converter.ExecutableName();
            break;
        }
        if (ran)
        {
            // A converter that failed or was killed may leave a partial image behind.
            if (m_converter.FinishedOk() && QFileInfo(image).size() > 0)
            {
                AppLog(QStringLiteral("CMovieHandling::ExtractFrame() -> Try %1 -> Image has been extracted.").arg(t));
                return image;
            }
            AppLog(QStringLiteral("CMovieHandling::ExtractFrame() -> Try %1 -> Image couldn't be extracted.").arg(t));
            if (R < 1 || r > R)
            {
                AppLog("CMovieHandling::ExtractFrame() -> Extraction has been aborted.");
                break;
            }
            r += 500;
            AppLog(QStringLiteral("CMovieHandling::ExtractFrame() -> Time reduced: %1 ms").arg(r));
        }
        // Retrying only helps near the end of a clip, where a seek can land past the last frame.
        if (double(q) <= 0.9 * double(D))
        {
            AppLog(QStringLiteral("CMovieHandling::ExtractFrame() -> Extraction at position %1 of %2 ms Doesn't work "
                                  "-> Stop immediately.")
                       .arg(q)
                       .arg(D));
            break;
        }
        if (++t == 3)
            break;
    }
    QFile::remove(image);
    return {};
}

std::unique_ptr<CPipeStream> CMovieHandling::OpenPipe(const SToolCommand& command, CPipeStream::EMode mode)
{
    AppLog("CMovieHandling::OpenPipe() -> " + command.CommandLine());
    QString error;
    std::unique_ptr<CPipeStream> pipe =
        CPipeStream::Open(command.strProgram, QStringList{QStringLiteral("-nostdin")} + command.arguments, mode, &error);
    if (!pipe)
    {
        AppLog("CMovieHandling::OpenPipe() -> " + error);
        return nullptr;
    }
    AppLog(QStringLiteral("CMovieHandling::OpenPipe() -> File position: %1").arg(pipe->Position()));
    return pipe;
}

SToolCommand CMovieHandling::ReadPipeCommand(const QString& input, const QString& frameRate, bool resample) const
{
    SToolCommand command{m_converter.ExecutablePath(), {}, {}};
    command.Add({"-threads", QString::number(QThread::idealThreadCount()), "-v", "quiet", "-i"})
        .AddPath(QFileInfo(input).absoluteFilePath())
        .Add({"-f", "image2pipe"});
    if (resample)
        command.Add({"-r", frameRate});
    command.Add({"-vcodec", "rawvideo", "-pix_fmt", "rgb24", "-"});
    return command;
}

std::unique_ptr<CPipeStream> CMovieHandling::OpenReadPipe(const QString& input, const QString& frameRate, bool resample)
{
    static const QRegularExpression rate(QStringLiteral("^[0-9]{1,10}(/[0-9]{1,10})?$"));
    std::unique_ptr<CPipeStream> pipe;
    if (rate.match(frameRate).hasMatch() && m_converter.ExecutableExists() && QFileInfo(input).isFile())
        pipe = OpenPipe(ReadPipeCommand(input, frameRate, resample), CPipeStream::eREAD);
    AppLog("CMovieHandling::OpenReadPipe(): " + HandleText(pipe.get()));
    return pipe;
}

bool CMovieHandling::ReadFrame(CPipeStream& pipe, Helper::CRGB24Buffer& frame)
{
    const qint64 wanted = FrameBytes(frame.GetSize());
    const size_t read = frame.GetData() && wanted > 0 ? pipe.Read(frame.GetData(), size_t(wanted)) : 0;
    if (wanted > 0 && read == size_t(wanted))
        return true;
    AppLog(QStringLiteral("CMovieHandling::ProcessVideo() -> Read aborted -> (%1 bytes of %2 bytes)").arg(read).arg(wanted));
    AppLog(QStringLiteral("CMovieHandling::ProcessVideo() -> errno: %1").arg(pipe.LastError()));
    return false;
}

qint64 CMovieHandling::FrameBytes(const QSize& size)
{
    return size.width() > 0 && size.height() > 0 ? qint64(size.width()) * size.height() * 3 : 0;
}
