// The recently saved or opened projects, newest first, kept in the program settings
// ("recentProjects") for the file menu.
#pragma once

#include <QStringList>

class QSettings;

namespace RecentProjects
{
constexpr int kMaxEntries = 8;

/// The list as stored, without entries whose file no longer exists.
QStringList List(const QSettings& settings);
/// Puts `path` first (once), dropping the oldest beyond kMaxEntries.
void Add(QSettings& settings, const QString& path);
}  // namespace RecentProjects
