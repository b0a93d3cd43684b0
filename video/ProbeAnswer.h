// Reading the prober's answer files: sections of key=value lines. Both layouts the prober
// writes are understood: flat INI sections ("[streams.stream.0]") and nested sections closed by
// "[/NAME]" ("[STREAM]" … "[SIDE_DATA]" … "[/SIDE_DATA]" … "[/STREAM]").
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class CProbeAnswer
{
public:
    /// The text every absent key reads as.
    static const QString kMissing;

    /// An unreadable or oversized file gives an empty answer (every key missing).
    static CProbeAnswer FromFile(const QString& path);
    static CProbeAnswer FromText(const QByteArray& text);

    /// The first value of `key` in the sections named `section` (names compared without regard
    /// to case), or "N/A". The first one wins: the prober prints a section's own keys before
    /// any tag text, so a tag value spanning lines cannot replace them.
    QString Value(const QString& section, const QString& key) const;
    /// Every value of `key` in every section named `section`, in file order.
    QStringList Values(const QString& section, const QString& key) const;
    bool IsEmpty() const { return m_sections.isEmpty(); }

    /// What a stream query of stream `index` answers, built from this format answer (its
    /// "streams.stream.<index>" section and that stream's side data) in the prober's key=value
    /// layout, every value escaped; empty when there is no such stream.
    QByteArray StreamAnswer(int index) const;

    /// "N/A" and empty values count as missing.
    static bool IsMissing(const QString& value);

private:
    struct SSection
    {
        QString strName;
        QList<QPair<QString, QString>> entries;
        QHash<QString, qsizetype> first; // key → index of its first entry
    };
    QList<SSection> m_sections;
    QHash<QString, QList<qsizetype>> m_byName; // lower-case section name → sections in order
};
