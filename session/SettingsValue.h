// Whole numbers read from INI settings, checked: a text that is not a number, or one outside the
// type's range, reads as absent rather than wrapped (QVariant's own conversion truncates
// "4294967302" to 6).
#pragma once

#include <QString>

#include <optional>

class QSettings;

namespace SettingsValue
{
std::optional<int> Int(const QSettings& settings, const QString& key);
std::optional<qint64> Int64(const QSettings& settings, const QString& key);
}  // namespace SettingsValue
