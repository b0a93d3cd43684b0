#include "core/Paths.h"

#include <QDir>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace Helper
{
QString UserDirectory()
{
    return QDir::homePath() + "/" + "Vantrope" + " 1" + "/";
}

bool EnsureUserDirectory()
{
    return QDir().mkpath(UserDirectory());
}

QString PrivateTempDirectory(QString* error)
{
    const QString path = QDir::tempPath() + QStringLiteral("/vantrope-%1").arg(getuid());
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
    {
        if (error)
            *error = QStringLiteral("Cannot create the temporary folder %1: %2").arg(path, qt_error_string(errno));
        return {};
    }
    struct stat st;
    if (lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid() ||
        (st.st_mode & 0077) != 0)
    {
        if (error)
            *error = QStringLiteral("The temporary folder %1 is not a private folder of this user").arg(path);
        return {};
    }
    return path;
}
}  // namespace Helper
