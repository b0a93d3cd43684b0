#include "video/MovieHandling.h"

#include "core/AppLog.h"
#include "core/Paths.h"
#include "video/EventPump.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <cmath>

using Helper::AppLog;

namespace
{
const char* const kAnswerNames[] = {"%1_SrcFormat", "%1_SrcVideo%2", "%1_SrcVideoExt%2", "%1_SrcAudio%2"};
}  // namespace

bool CMovieHandling::SSrcDesc::IsValid() const
{
    if (!m_strPath.isEmpty() && QFileInfo(m_strPath).isFile())
        return true;
    AppLog("CMovieHandling::SSrcDesc::IsValid() -> Failed.");
    return false;
}

CMovieHandling::CMovieHandling(QObject* parent, const QString& programId, IEventPump* pump)
    : QObject(parent), m_strProgramId(programId), m_prober(nullptr, pump), m_converter(nullptr, pump),
      m_pump(pump ? *pump : DefaultEventPump())
{
    AppLog("CMovieHandling::CMovieHandling() -> ProgrammID: " + m_strProgramId);
    // Each object keeps its answers apart: the file names carry no clip name, so two programs
    // (or two objects) probing different clips in one shared folder would read each other's.
    const QString privateTemp = Helper::PrivateTempDirectory(&m_strTempError);
    if (!privateTemp.isEmpty())
    {
        m_pTempDir = std::make_unique<QTemporaryDir>(privateTemp + "/movie-XXXXXX");
        if (!m_pTempDir->isValid())
        {
            m_strTempError = m_pTempDir->errorString();
            m_pTempDir.reset();
        }
    }
    if (!m_pTempDir)
        AppLog("CMovieHandling::CMovieHandling() -> No temporary folder: " + m_strTempError);
}

CMovieHandling::~CMovieHandling()
{
    m_prober.Kill();
    m_converter.Kill();
}

QString CMovieHandling::ProgramIdentification()
{
    return QString::asprintf("%03d%02d%04d", 17, 1, 200);
}

QString CMovieHandling::TempDirectory() const
{
    return m_pTempDir ? m_pTempDir->path() : QString();
}

QString CMovieHandling::ToolPath(const QString& clip) const
{
    // Absolute, so a name starting with "-" or holding "proto:" is never read as an option
    // or a protocol by the programs.
    return QFileInfo(clip).absoluteFilePath();
}

QString CMovieHandling::AnswerPath(EAnswer kind, int ordinal) const
{
    if (!m_pTempDir)
        return {};
    QString name = QString::fromLatin1(kAnswerNames[kind]).arg(m_strProgramId);
    if (kind != eANSWER_FORMAT)
        name = name.arg(ordinal);
    return TempDirectory() + "/" + name + ".ini";
}

const CProbeAnswer& CMovieHandling::Answer(const QString& path)
{
    const QFileInfo info(path);
    SCachedAnswer& cached = m_answers[path];
    const qint64 size = info.exists() ? info.size() : -1;
    if (cached.iSize != size || cached.modified != info.lastModified())
    {
        cached.iSize = size;
        cached.modified = info.lastModified();
        cached.answer = size >= 0 ? CProbeAnswer::FromFile(path) : CProbeAnswer();
    }
    return cached.answer;
}

int CMovieHandling::GetMetric(const QStringList& arguments, const QString& answerPath)
{
    if (arguments.isEmpty() || answerPath.isEmpty())
        return 2;
    if (QFileInfo::exists(answerPath))
        return 0;
    m_prober.SetTimeLimit(arguments.contains("-count_frames") ? 0 : m_iProbeTimeLimitMs);
    m_answers.erase(answerPath);
    if (m_prober.Run(arguments, answerPath))
    {
        AppLog("CMovieHandling::GetMetric() -> " + answerPath + " successfully gained.");
        return 0;
    }
    AppLog("CMovieHandling::GetMetric() -> Unable to gain " + answerPath);
    return 2;
}

QStringList CMovieHandling::StreamQuery(const QString& selector, const QString& clip, bool countFrames) const
{
    QStringList arguments;
    if (countFrames)
        arguments << "-threads" << QString::number(QThread::idealThreadCount());
    arguments << "-v" << "quiet" << "-print_format" << "ini" << "-show_entries" << "stream" << "-select_streams"
              << selector;
    if (countFrames)
        arguments << "-count_frames";
    arguments << "-of" << "default=nokey=0:noprint_wrappers=0" << ToolPath(clip);
    return arguments;
}

int CMovieHandling::QueryFormat(const QString& clip)
{
    // Only regular files: a FIFO or a device would keep the prober waiting for ever.
    if (clip.isEmpty() || !QFileInfo(clip).isFile())
        return 2;
    return GetMetric({"-v", "quiet", "-print_format", "ini", "-show_format", "-show_streams", ToolPath(clip)},
                     AnswerPath(eANSWER_FORMAT));
}

int CMovieHandling::QueryVideoStream(const QString& clip, int ordinal)
{
    if (ordinal < 0 || !QFileInfo(clip).isFile())
        return 2;
    return GetMetric(StreamQuery(QStringLiteral("v:%1").arg(ordinal), clip, false), AnswerPath(eANSWER_VIDEO, ordinal));
}

int CMovieHandling::QueryCountedVideoStream(const QString& clip, int ordinal)
{
    if (ordinal < 0 || !QFileInfo(clip).isFile())
        return 2;
    return GetMetric(StreamQuery(QStringLiteral("v:%1").arg(ordinal), clip, true),
                     AnswerPath(eANSWER_VIDEO_COUNTED, ordinal));
}

int CMovieHandling::QueryAudioStream(const QString& clip, int ordinal)
{
    if (ordinal < 0 || !QFileInfo(clip).isFile())
        return 2;
    return GetMetric(StreamQuery(QStringLiteral("a:%1").arg(ordinal), clip, false), AnswerPath(eANSWER_AUDIO, ordinal));
}

void CMovieHandling::RemoveIniFiles()
{
    AppLog("CMovieHandling::RemoveIniFiles()");
    m_answers.clear();
    if (!m_pTempDir)
        return;
    QStringList filters;
    for (const char* name : kAnswerNames)
    {
        QString stem = QString::fromLatin1(name).arg(m_strProgramId);
        if (stem.contains("%2"))
            stem = stem.arg(QStringLiteral("?"));
        filters << stem + "*.ini";
    }
    QDir folder(TempDirectory());
    for (const QString& name : folder.entryList(filters, QDir::Files | QDir::System | QDir::Hidden))
        folder.remove(name);
}

bool CMovieHandling::NeedsConversion(const SSrcDesc& source)
{
    return source.IsValid() && (source.m_strPath.endsWith(".wmv", Qt::CaseInsensitive) ||
                                source.m_strPath.endsWith(".asf", Qt::CaseInsensitive));
}

float CMovieHandling::RationalValue(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return -1.0f;
    bool okA = false, okB = false;
    const float a = parts[0].toFloat(&okA);
    const float b = parts[1].toFloat(&okB);
    if (!okA || !okB || !(a >= 0.0f) || !(b > 0.0f))
        return -1.0f;
    const float value = a / b;
    return std::isfinite(value) ? value : -1.0f;
}
