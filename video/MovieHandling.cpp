#include "video/MovieHandling.h"

#include "core/AppLog.h"
#include "core/Paths.h"
#include "video/EventPump.h"
#include "video/Leftovers.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <cmath>

#include <sys/stat.h>

using Helper::AppLog;

namespace
{
const char* const kAnswerNames[] = {"%1_SrcFormat", "%1_SrcVideo%2", "%1_SrcVideoExt%2", "%1_SrcAudio%2"};
// Format answers kept in memory per object; a few kilobytes each, and few clips per session.
constexpr size_t kMaxRememberedClips = 64;
// Counting frames decodes the whole clip: the prober gets this long per second of clip on top.
constexpr int kCountingMsPerClipSecond = 2000;

// The same file with the same content as far as the file system tells: device, inode, size and
// the change times. A renamed clip keeps it, a rewritten one does not.
QString ClipIdentity(const QString& clip)
{
    struct stat st;
    if (stat(QFile::encodeName(clip).constData(), &st) != 0)
        return {};
    return QStringLiteral("%1:%2:%3:%4.%5:%6.%7")
        .arg(st.st_dev)
        .arg(st.st_ino)
        .arg(st.st_size)
        .arg(st.st_mtim.tv_sec)
        .arg(st.st_mtim.tv_nsec)
        .arg(st.st_ctim.tv_sec)
        .arg(st.st_ctim.tv_nsec);
}

// Written whole or not at all: a partial answer would be reused as if it were complete.
bool WriteAnswerFile(const QString& path, const QByteArray& text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}
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
    // What programs that were killed left behind goes first, once per process.
    static const bool swept = (SweepLeftovers(m_strProgramId, privateTemp), true);
    (void)swept;
    if (!privateTemp.isEmpty())
    {
        // Named after this process, so a later start can tell it from the folder of a running one.
        m_pTempDir = std::make_unique<QTemporaryDir>(privateTemp + "/movie-" + Leftovers::ProcessTag() + "-XXXXXX");
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

int CMovieHandling::GetMetric(const QStringList& arguments, const QString& answerPath, int limitMs)
{
    if (arguments.isEmpty() || answerPath.isEmpty())
        return 2;
    if (QFileInfo::exists(answerPath))
        return 0;
    if (m_bAborted)
        return 2;
    m_prober.SetTimeLimit(limitMs > 0 ? limitMs : m_iProbeTimeLimitMs);
    m_answers.erase(answerPath);
    if (m_prober.Run(arguments, answerPath))
    {
        AppLog("CMovieHandling::GetMetric() -> " + answerPath + " successfully gained.");
        return 0;
    }
    if (m_prober.TimedOut())
        m_strUnanswered = m_prober.ExecutableName();
    AppLog("CMovieHandling::GetMetric() -> Unable to gain " + answerPath);
    return 2;
}

int CMovieHandling::DeriveStreamAnswer(const QString& clip, EAnswer kind, int ordinal)
{
    const QString path = AnswerPath(kind, ordinal);
    if (ordinal < 0 || path.isEmpty() || !QFileInfo(clip).isFile())
        return 2;
    if (QFileInfo::exists(path))
        return 0;
    if (QueryFormat(clip) != 0)
        return 2;
    const CProbeAnswer& format = Answer(AnswerPath(eANSWER_FORMAT));
    const int index = AbsoluteIndex(format, kind == eANSWER_AUDIO ? "audio" : "video", ordinal);
    const QByteArray text = index >= 0 ? format.StreamAnswer(index) : QByteArray();
    if (text.isEmpty() || !WriteAnswerFile(path, text))
    {
        AppLog("CMovieHandling::GetMetric() -> Unable to gain " + path);
        return 2;
    }
    AppLog("CMovieHandling::GetMetric() -> " + path + " successfully gained.");
    return 0;
}

QStringList CMovieHandling::CountingQuery(const QString& clip, int ordinal) const
{
    return {"-threads", QString::number(QThread::idealThreadCount()), "-v", "quiet", "-print_format", "ini",
            "-show_entries", "stream", "-select_streams", QStringLiteral("v:%1").arg(ordinal), "-count_frames",
            "-of", "default=nokey=0:noprint_wrappers=0", ToolPath(clip)};
}

int CMovieHandling::QueryFormat(const QString& clip)
{
    // Only regular files: a FIFO or a device would keep the prober waiting for ever.
    const QString path = AnswerPath(eANSWER_FORMAT);
    if (clip.isEmpty() || !QFileInfo(clip).isFile() || path.isEmpty())
        return 2;
    if (QFileInfo::exists(path))
        return 0;
    // The prober runs once per clip: after the answer files were removed (a new job, another
    // clip in between), the answer of the same unchanged file is written again from memory.
    const QString identity = ClipIdentity(clip);
    if (const auto known = m_formatOutputs.find(identity); known != m_formatOutputs.end() &&
                                                           WriteAnswerFile(path, known->second))
    {
        AppLog("CMovieHandling::QueryFormat() -> " + path + " written from the earlier answer.");
        return 0;
    }
    const int result =
        GetMetric({"-v", "quiet", "-print_format", "ini", "-show_format", "-show_streams", ToolPath(clip)}, path);
    QFile answer(path);
    if (result == 0 && !identity.isEmpty() && answer.open(QIODevice::ReadOnly))
    {
        if (m_formatOutputs.size() >= kMaxRememberedClips)
            m_formatOutputs.clear();
        m_formatOutputs[identity] = answer.readAll();
    }
    return result;
}

int CMovieHandling::QueryVideoStream(const QString& clip, int ordinal)
{
    return DeriveStreamAnswer(clip, eANSWER_VIDEO, ordinal);
}

int CMovieHandling::QueryCountedVideoStream(const QString& clip, int ordinal)
{
    if (ordinal < 0 || !QFileInfo(clip).isFile())
        return 2;
    // Counting decodes every frame: the limit grows with the clip's length.
    const double seconds = GetDuration(clip);
    const int limitMs = seconds > 0.0 ? m_iProbeTimeLimitMs + int(std::min(seconds * kCountingMsPerClipSecond, 1e9))
                                      : 10 * m_iProbeTimeLimitMs;
    return GetMetric(CountingQuery(clip, ordinal), AnswerPath(eANSWER_VIDEO_COUNTED, ordinal), limitMs);
}

int CMovieHandling::QueryAudioStream(const QString& clip, int ordinal)
{
    return DeriveStreamAnswer(clip, eANSWER_AUDIO, ordinal);
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
