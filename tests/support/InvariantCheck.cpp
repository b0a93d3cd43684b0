#include "tests/support/InvariantCheck.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

CInvariantCheck::CInvariantCheck(int limitMs) : m_iLimitMs(limitMs)
{
    m_timer.start();
}

QByteArray CInvariantCheck::Sha256(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

QStringList CInvariantCheck::LiveChildren()
{
    QStringList children;
    const QString taskDir = QStringLiteral("/proc/%1/task").arg(getpid());
    for (const QString& task : QDir(taskDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    {
        QFile file(taskDir + "/" + task + "/children");
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& pid : file.readAll().simplified().split(' '))
        {
            if (pid.isEmpty())
                continue;
            QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid)));
            QByteArray line = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
            // A zombie ("Z") has ended; only its exit status is still waiting to be collected.
            const qsizetype close = line.lastIndexOf(')');
            if (close > 0 && line.mid(close + 2, 1) == "Z")
                continue;
            children << QString::fromLatin1(pid + " " + line.mid(line.indexOf('('), close - line.indexOf('(') + 1));
        }
    }
    return children;
}

QMap<QString, QByteArray> CInvariantCheck::Listing(const QString& folder)
{
    QMap<QString, QByteArray> listing;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
    {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        listing.insert(path, info.isFile() && !info.isSymLink() ? Sha256(path) : QByteArray("<entry>"));
    }
    return listing;
}

void CInvariantCheck::WatchFile(const QString& path)
{
    m_files.insert(QFileInfo(path).absoluteFilePath(), Sha256(path));
}

void CInvariantCheck::WatchFolder(const QString& path)
{
    m_folders.insert(QFileInfo(path).absoluteFilePath(), Listing(path));
}

void CInvariantCheck::ExpectOutput(const QString& path)
{
    m_expected.insert(QFileInfo(path).absoluteFilePath());
}

QStringList CInvariantCheck::Violations() const
{
    QStringList problems;
    for (auto it = m_files.begin(); it != m_files.end(); ++it)
        if (!m_expected.contains(it.key()) && Sha256(it.key()) != it.value())
            problems << "changed: " + it.key();
    for (auto folder = m_folders.begin(); folder != m_folders.end(); ++folder)
    {
        const QMap<QString, QByteArray> now = Listing(folder.key());
        for (auto it = now.begin(); it != now.end(); ++it)
        {
            if (m_expected.contains(it.key()))
                continue;
            if (!folder.value().contains(it.key()))
                problems << "new: " + it.key();
            else if (folder.value().value(it.key()) != it.value())
                problems << "changed: " + it.key();
        }
        for (auto it = folder.value().begin(); it != folder.value().end(); ++it)
            if (!now.contains(it.key()) && !m_expected.contains(it.key()))
                problems << "vanished: " + it.key();
    }
    for (const QString& child : LiveChildren())
        problems << "child still alive: " + child;
    if (m_timer.elapsed() > m_iLimitMs)
        problems << QStringLiteral("took %1 ms (limit %2 ms)").arg(m_timer.elapsed()).arg(m_iLimitMs);
    return problems;
}
