#include "session/UsageStatistics.h"

#include "core/AppLog.h"
#include "core/AtomicFile.h"
#include "core/Paths.h"
#include "session/SettingsValue.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <limits>

namespace
{
QString UserFile(const QString& userDirectory, const QString& name)
{
    return QDir(userDirectory.isEmpty() ? Helper::UserDirectory() : userDirectory).filePath(name);
}

int Saturated(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
}  // namespace

HDRStatistic::HDRStatistic(const QString& path) : m_sPath(path.isEmpty() ? UserFile(QString(), "statistic.ini") : path)
{
    QSettings settings(m_sPath, QSettings::IniFormat);
    for (const QString& key : settings.allKeys())
    {
        if (const std::optional<int> value = SettingsValue::Int(settings, key))
            m_values.insert(key, *value);
    }
}

HDRStatistic::~HDRStatistic()
{
    Save();
}

void HDRStatistic::Increment(const QString& key, int by)
{
    m_values[key] = Saturated(qint64(m_values.value(key)) + by);
}

int HDRStatistic::Value(const QString& key) const
{
    return m_values.value(key);
}

void HDRStatistic::ReportHighest(const QString& key, int value)
{
    const auto entry = m_values.find(key);
    if (entry == m_values.end())
        m_values.insert(key, value);
    else
        entry.value() = std::max(entry.value(), value);
}

void HDRStatistic::Save() const
{
    QDir().mkpath(QFileInfo(m_sPath).absolutePath());
    AtomicFile::WriteSettings(m_sPath, [this](QSettings& settings) {
        settings.clear();
        for (auto entry = m_values.cbegin(); entry != m_values.cend(); ++entry)
            settings.setValue(entry.key(), entry.value());
    });
}

SStartTime ReadAndStoreStartTime(const QString& userDirectory)
{
    const QString path = UserFile(userDirectory, "starttime.ini");
    QDir().mkpath(QFileInfo(path).absolutePath());
    SStartTime time;
    time.iNow = QDateTime::currentSecsSinceEpoch();
    time.iLast = SettingsValue::Int64(QSettings(path, QSettings::IniFormat), "StartTime").value_or(time.iNow);
    time.iDifference = time.iNow > time.iLast ? time.iNow - time.iLast : 0;
    const QString prefix = QStringLiteral("HDRMainWindow::HDRMainWindow() -> ");
    Helper::AppLog(prefix + "Start at Current Time: " + QString::number(time.iNow));
    Helper::AppLog(prefix + "Start at Last Time   : " + QString::number(time.iLast));
    Helper::AppLog(prefix + "Start at Difference  : " + QString::number(time.iDifference));
    AtomicFile::WriteSettings(path, [&time](QSettings& settings) { settings.setValue("StartTime", time.iNow); });
    return time;
}
