#include "video/Leftovers.h"

#include "core/AppLog.h"
#include "core/Paths.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>

#include <unistd.h>

using Helper::AppLog;

namespace
{
const QString kJobPrefix = QStringLiteral("MovieJob-");
const QString kJobSuffix = QStringLiteral(".ini");
const QString kFolderPrefix = QStringLiteral("movie-");

// Field 22 of /proc/<pid>/stat: the start time in clock ticks since boot; empty when there is
// no such process. The name in field 2 may hold blanks and parentheses, so fields are counted
// from the last ")".
QString StartTime(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? QString::fromLatin1(fields[19]) : QString();
}

QString JournalPath(const QString& jobId)
{
    return Helper::UserDirectory() + kJobPrefix + jobId + kJobSuffix;
}
}  // namespace

namespace Leftovers
{
QString ProcessTag()
{
    static const QString tag = QStringLiteral("%1-%2").arg(getpid()).arg(StartTime(getpid()));
    return tag;
}

bool IsRunning(const QString& processTag)
{
    const qsizetype dash = processTag.indexOf(QLatin1Char('-'));
    bool ok = false;
    const qint64 pid = processTag.left(dash).toLongLong(&ok);
    return ok && pid > 0 && StartTime(pid) == processTag.mid(dash + 1);
}

QString TagOf(const QString& name)
{
    static const QRegularExpression tag(QStringLiteral("^(?:movie-)?([0-9]{1,10}-[0-9]{1,20})-"));
    return tag.match(name).captured(1);
}

bool RecordJob(const QString& jobId, const QString& folder)
{
    if (!Helper::EnsureUserDirectory())
        return false;
    QSettings note(JournalPath(jobId), QSettings::IniFormat);
    note.setValue("folder", folder);
    note.sync();
    return note.status() == QSettings::NoError;
}

void ForgetJob(const QString& jobId)
{
    QFile::remove(JournalPath(jobId));
}

void SweepJobs(const std::function<void(const QString& folder, const QString& jobId)>& removeLeftovers)
{
    // Only names this program writes: "<pid>-<start>-<job number>".
    static const QRegularExpression jobId(QStringLiteral("^[0-9]{1,10}-[0-9]{1,20}-[0-9]{1,10}$"));
    QDir user(Helper::UserDirectory());
    for (const QString& name : user.entryList({kJobPrefix + "*" + kJobSuffix}, QDir::Files))
    {
        const QString id = name.mid(kJobPrefix.size()).chopped(kJobSuffix.size());
        if (!jobId.match(id).hasMatch() || IsRunning(TagOf(id)))
            continue;
        const QString folder = QSettings(user.filePath(name), QSettings::IniFormat).value("folder").toString();
        AppLog("Leftovers::SweepJobs() -> Job " + id + " ended without clean-up; removing its files in " + folder);
        if (!folder.isEmpty())
            removeLeftovers(folder, id);
        user.remove(name);
    }
}

void SweepTempFolders(const QString& folder)
{
    if (folder.isEmpty())
        return;
    const QDir temp(folder);
    for (const QString& name : temp.entryList({kFolderPrefix + "*"}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
    {
        const QString tag = TagOf(name);
        if (tag.isEmpty() || IsRunning(tag))
            continue; // a folder of a running program, or one whose program cannot be told
        AppLog("Leftovers::SweepTempFolders() -> " + name + " of an ended program removed.");
        QDir(temp.filePath(name)).removeRecursively();
    }
}
}  // namespace Leftovers
