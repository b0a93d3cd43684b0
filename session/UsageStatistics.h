// Counters of user actions under member-style keys ("m_iVideosLoaded", …) and the highest values
// the engine reports ("m_iHighestPPCalcTime"); kept in the user directory between runs.
#pragma once

#include "engine/PostProcessing.h"

#include <QMap>
#include <QString>

class HDRStatistic : public IUsageStatistics
{
public:
    /// Reads the stored counters from `path` (user directory + "statistic.ini" when empty).
    explicit HDRStatistic(const QString& path = QString());
    ~HDRStatistic() override; // writes them back

    void Increment(const QString& key, int by = 1);
    int Value(const QString& key) const;
    void ReportHighest(const QString& key, int value) override;
    void Save() const;

private:
    QString m_sPath;
    QMap<QString, int> m_values;
};

/// "starttime.ini" in the user directory: reads the last start ("StartTime", seconds since 1970,
/// UTC; now when absent), logs the three "Start at …" lines and stores now.
struct SStartTime
{
    qint64 iNow = 0, iLast = 0, iDifference = 0;
};
SStartTime ReadAndStoreStartTime(const QString& userDirectory = QString());
