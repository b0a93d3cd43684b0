#include "session/SettingsValue.h"

#include <QSettings>

namespace SettingsValue
{
std::optional<int> Int(const QSettings& settings, const QString& key)
{
    bool ok = false;
    const int value = settings.value(key).toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<qint64> Int64(const QSettings& settings, const QString& key)
{
    bool ok = false;
    const qint64 value = settings.value(key).toString().trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}
}  // namespace SettingsValue
