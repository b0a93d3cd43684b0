#include "session/ProjectTransaction.h"

#include "core/AppLog.h"
#include "core/FileTree.h"
#include "session/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace
{
struct SNames
{
    QString folder;   // the folder holding the pair
    QString file;     // file name of the project file
    QString project;  // folder + "/" + file
    QString data;     // the data folder
    QString dataName; // its name
    QString commit;   // the committed staging folder
    QString stagingPrefix;
};

SNames Names(const QString& projectPath)
{
    const QFileInfo info(projectPath);
    SNames n;
    n.folder = info.absolutePath();
    n.file = info.fileName();
    n.project = n.folder + "/" + n.file;
    n.data = ProjectFile::DataFolder(n.project);
    n.dataName = QFileInfo(n.data).fileName();
    n.commit = n.folder + "/." + n.file + ".commit";
    n.stagingPrefix = "." + n.file + ".saving-";
    return n;
}

bool Present(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

/// rename(2), with `noReplace` refusing an existing target (where the file system cannot say
/// so atomically, an existing target is refused beforehand).
bool Rename(const QString& from, const QString& to, bool noReplace = false)
{
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
    if (noReplace)
    {
        if (renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS)
            return false;
        if (Present(to))
            return false;
    }
    return std::rename(source.constData(), target.constData()) == 0;
}

enum class ERollForward
{
    eDone,
    eRestored, // failed; the old pair is back in place
    eStuck,    // failed half-way; the commit folder stays for the next attempt
};

// Moves the committed pair into place: the old data folder into the commit folder, the new one
// out of it, then the new project file over the old one. With `undo`, a failure puts back what
// was moved.
ERollForward RollForward(const SNames& n, bool undo)
{
    const QString newData = n.commit + "/" + n.dataName, newFile = n.commit + "/" + n.file;
    const QString oldData = n.commit + "/old-data";
    bool movedOld = false, movedNew = false;
    if (Present(newData))
    {
        if (Present(n.data))
        {
            Helper::RemoveTree(oldData);
            if (!Rename(n.data, oldData))
                return undo ? ERollForward::eRestored : ERollForward::eStuck;
            movedOld = true;
        }
        if (!Rename(newData, n.data))
        {
            if (undo && (!movedOld || Rename(oldData, n.data)))
                return ERollForward::eRestored;
            return ERollForward::eStuck;
        }
        movedNew = true;
    }
    if (Present(newFile) && !Rename(newFile, n.project))
    {
        if (undo && (!movedNew || Rename(n.data, newData)) && (!movedOld || Rename(oldData, n.data)))
            return ERollForward::eRestored;
        return ERollForward::eStuck;
    }
    Helper::SyncFolder(n.folder);
    Helper::RemoveTree(n.commit);
    return ERollForward::eDone;
}

// Staging folders of processes that ended without cleaning up (killed while saving).
void RemoveAbandonedStagings(const SNames& n)
{
    const QStringList entries =
        QDir(n.folder).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
    for (const QString& entry : entries)
    {
        if (!entry.startsWith(n.stagingPrefix))
            continue;
        bool ok = false;
        const qint64 pid = entry.mid(n.stagingPrefix.size()).section('-', 0, 0).toLongLong(&ok);
        if (ok && pid > 0 && pid != getpid() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            Helper::RemoveTree(n.folder + "/" + entry);
    }
}
}  // namespace

CProjectTransaction::CProjectTransaction(const QString& projectPath) : m_sProject(Names(projectPath).project)
{
}

CProjectTransaction::~CProjectTransaction()
{
    if (!m_sStaging.isEmpty())
        Helper::RemoveTree(m_sStaging);
}

bool CProjectTransaction::Begin()
{
    const SNames n = Names(m_sProject);
    if (!Recover(m_sProject))
        return false;
    QTemporaryDir staging(n.folder + "/" + n.stagingPrefix + QString::number(getpid()) + "-XXXXXX");
    if (!staging.isValid())
        return false;
    staging.setAutoRemove(false);
    m_sStaging = staging.path();
    return QDir().mkdir(StagedDataFolder());
}

QString CProjectTransaction::StagedProjectFile() const
{
    return m_sStaging + "/" + Names(m_sProject).file;
}

QString CProjectTransaction::StagedDataFolder() const
{
    return m_sStaging + "/" + Names(m_sProject).dataName;
}

bool CProjectTransaction::Commit()
{
    const SNames n = Names(m_sProject);
    if (m_sStaging.isEmpty() || !Helper::SyncTree(m_sStaging) || !Rename(m_sStaging, n.commit, true))
        return false;
    m_sStaging.clear();
    Helper::SyncFolder(n.folder);
    switch (RollForward(n, true))
    {
    case ERollForward::eDone:
        return true;
    case ERollForward::eRestored:
        Helper::RemoveTree(n.commit);
        return false;
    case ERollForward::eStuck:
        Helper::AppLog("CProjectTransaction::Commit() -> swap unfinished, kept in " + n.commit);
        return false;
    }
    return false;
}

bool CProjectTransaction::Recover(const QString& projectPath)
{
    const SNames n = Names(projectPath);
    RemoveAbandonedStagings(n);
    if (!Helper::IsRealFolder(n.commit))
        return !Present(n.commit) || Helper::RemoveTree(n.commit);
    Helper::AppLog("CProjectTransaction::Recover() -> finishing the save of " + n.project);
    return RollForward(n, false) == ERollForward::eDone;
}

bool CProjectTransaction::RemovePair(const QString& projectPath)
{
    const SNames n = Names(projectPath);
    const bool commit = Helper::RemoveTree(n.commit);
    return Helper::RemoveTree(n.project) && Helper::RemoveTree(n.data) && commit;
}
