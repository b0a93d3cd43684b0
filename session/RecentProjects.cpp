#include "session/RecentProjects.h"

#include <QFileInfo>
#include <QSettings>

namespace
{
const char* const kKey = "recentProjects";
}

namespace RecentProjects
{
QStringList List(const QSettings& settings)
{
    QStringList list;
    for (const QString& path : settings.value(kKey).toStringList())
        if (QFileInfo(path).isFile() && !list.contains(path) && list.size() < kMaxEntries)
            list << path;
    return list;
}

void Add(QSettings& settings, const QString& path)
{
    QStringList list = settings.value(kKey).toStringList();
    list.removeAll(path);
    list.prepend(path);
    settings.setValue(kKey, list.mid(0, kMaxEntries));
}
}  // namespace RecentProjects
