#include "core/NativeNames.h"

#include "core/Paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>

#include <unistd.h>

namespace
{
bool IsUtf8(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

QByteArray LastPart(const QByteArray& path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray FolderPart(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

// The extension of a last part, when it has a readable one ("mp4" of "clip\xff.mp4").
QByteArray Extension(const QByteArray& name)
{
    const qsizetype dot = name.lastIndexOf('.');
    const QByteArray extension = dot > 0 ? name.mid(dot + 1) : QByteArray();
    return IsUtf8(extension) ? extension : QByteArray();
}

bool LinksTo(const QByteArray& link, const QByteArray& target)
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink(link.constData(), buffer, sizeof(buffer));
    return length >= 0 && QByteArray(buffer, length) == target;
}
}  // namespace

namespace NativeNames
{
QByteArray Absolute(const QByteArray& raw)
{
    if (raw.startsWith('/'))
        return raw;
    char folder[PATH_MAX];
    return getcwd(folder, sizeof(folder)) ? QByteArray(folder) + '/' + raw : raw;
}

QString Readable(const QByteArray& raw, QString* error, const QByteArray& owner)
{
    const QByteArray absolute = Absolute(raw);
    if (IsUtf8(absolute))
        return QString::fromUtf8(absolute);
    const QString temp = Helper::PrivateTempDirectory(error);
    if (temp.isEmpty())
        return {};
    const QString folder = temp + QStringLiteral("/names/") +
                           QString::fromLatin1(QCryptographicHash::hash(owner + '/' + absolute, QCryptographicHash::Sha1).toHex());
    // The replacement characters keep the name readable in messages and keep its extension.
    const QByteArray name = LastPart(absolute);
    const QString link = folder + '/' + (name.isEmpty() ? QStringLiteral("folder") : QString::fromUtf8(name));
    const QByteArray native = QFile::encodeName(link);
    if (LinksTo(native, absolute))
        return link;
    unlink(native.constData());
    if (!QDir().mkpath(folder) || symlink(absolute.constData(), native.constData()) != 0)
    {
        if (error)
            *error = qt_error_string(errno);
        return {};
    }
    return link;
}

void Release(const QString& readable)
{
    const QString names = Helper::PrivateTempDirectory() + QStringLiteral("/names/");
    if (!readable.startsWith(names) || readable.count('/') != names.count('/') + 1)
        return;
    QFile::remove(readable);
    QDir().rmdir(QFileInfo(readable).absolutePath());
}

CWritable::CWritable(const QByteArray& raw) : m_raw(Absolute(raw)), m_rawFolder(FolderPart(m_raw))
{
    if (IsUtf8(m_raw))
    {
        m_path = QString::fromUtf8(m_raw);
        return;
    }
    m_folder = Readable(m_rawFolder, &m_error, QByteArray::number(getpid())); // released with the object
    if (m_folder.isEmpty())
        return;
    const QByteArray extension = Extension(LastPart(m_raw));
    m_path = QStringLiteral("%1/.vantrope-%2%3")
                 .arg(m_folder)
                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                 .arg(extension.isEmpty() ? QString() : '.' + QString::fromUtf8(extension));
    m_bStandIn = true;
}

CWritable::~CWritable()
{
    if (m_bStandIn)
        unlink((m_rawFolder + '/' + LastPart(QFile::encodeName(m_path))).constData());
    Release(m_folder);
}

QByteArray CWritable::Published(const QString& written) const
{
    if (!m_bStandIn)
        return QFile::encodeName(written);
    const QByteArray extension = Extension(LastPart(QFile::encodeName(written)));
    if (extension == Extension(LastPart(QFile::encodeName(m_path))))
        return m_raw;
    const QByteArray name = LastPart(m_raw);
    const qsizetype dot = name.lastIndexOf('.');
    return m_rawFolder + '/' + (dot > 0 ? name.left(dot) : name) + '.' + extension;
}

bool CWritable::Publish(const QString& written, QString* reason)
{
    if (!m_bStandIn)
        return true;
    const QByteArray from = m_rawFolder + '/' + LastPart(QFile::encodeName(written));
    if (rename(from.constData(), Published(written).constData()) == 0)
        return true;
    if (reason)
        *reason = qt_error_string(errno);
    unlink(from.constData());
    return false;
}
}  // namespace NativeNames
