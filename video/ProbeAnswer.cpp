#include "video/ProbeAnswer.h"

#include <QFile>

#include <utility>

namespace
{
constexpr qint64 kMaxAnswerBytes = 16 * 1024 * 1024;

// The INI layout escapes "\", "=", ":", "#", ";" and control characters with a backslash;
// the control characters by a letter.
constexpr std::pair<char, char> kControls[] = {{'\n', 'n'}, {'\r', 'r'}, {'\t', 't'}, {'\b', 'b'}, {'\f', 'f'}};

QString Unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < text.size())
        {
            c = text[++i];
            for (const auto& [control, letter] : kControls)
                if (c == QLatin1Char(letter))
                    c = QLatin1Char(control);
        }
        out += c;
    }
    return out;
}

// The reverse of Unescape, for answers this program writes itself.
QString Escape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
    {
        bool escaped = QStringView(u"\\=:#;").contains(c);
        for (const auto& [control, letter] : kControls)
            if (c == QLatin1Char(control))
            {
                c = QLatin1Char(letter);
                escaped = true;
            }
        if (escaped)
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

// Index of the first "=" not escaped by a backslash, or -1.
qsizetype SeparatorIndex(QStringView line)
{
    for (qsizetype i = 0; i < line.size(); ++i)
    {
        if (line[i] == QLatin1Char('\\'))
            ++i;
        else if (line[i] == QLatin1Char('='))
            return i;
    }
    return -1;
}
}  // namespace

const QString CProbeAnswer::kMissing = QStringLiteral("N/A");

CProbeAnswer CProbeAnswer::FromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxAnswerBytes)
        return {};
    return FromText(file.read(file.size())); // the size, not the cap: reading allocates what it is asked for
}

CProbeAnswer CProbeAnswer::FromText(const QByteArray& text)
{
    CProbeAnswer answer;
    QList<qsizetype> open; // nested sections, innermost last
    auto openSection = [&](const QString& name) {
        answer.m_byName[name.toLower()].append(answer.m_sections.size());
        open.append(answer.m_sections.size());
        answer.m_sections.append(SSection{name, {}, {}});
    };
    for (const QByteArray& raw : text.split('\n'))
    {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
        {
            const QString name = line.mid(1, line.size() - 2);
            if (!name.startsWith(QLatin1Char('/')))
            {
                openSection(name);
                continue;
            }
            // "[/NAME]" returns to the section around NAME; a stray one is ignored.
            for (qsizetype i = open.size() - 1; i >= 0; --i)
                if (answer.m_sections[open[i]].strName.compare(name.mid(1), Qt::CaseInsensitive) == 0)
                {
                    open.resize(i);
                    break;
                }
            continue;
        }
        const qsizetype separator = SeparatorIndex(line);
        if (separator <= 0)
            continue; // continuation text of a multi-line value, such as a matrix dump
        if (open.isEmpty())
            openSection(QString());
        SSection& section = answer.m_sections[open.last()];
        const QString key = Unescape(QStringView(line).left(separator));
        if (!section.first.contains(key))
            section.first.insert(key, section.entries.size());
        section.entries.append({key, Unescape(QStringView(line).mid(separator + 1))});
    }
    return answer;
}

QString CProbeAnswer::Value(const QString& section, const QString& key) const
{
    for (qsizetype index : m_byName.value(section.toLower()))
    {
        const SSection& s = m_sections[index];
        const auto it = s.first.constFind(key);
        if (it != s.first.constEnd())
            return s.entries[*it].second;
    }
    return kMissing;
}

QStringList CProbeAnswer::Values(const QString& section, const QString& key) const
{
    QStringList values;
    for (qsizetype index : m_byName.value(section.toLower()))
        for (const auto& [entryKey, value] : m_sections[index].entries)
            if (entryKey == key)
                values << value;
    return values;
}

bool CProbeAnswer::IsMissing(const QString& value)
{
    return value.isEmpty() || value == kMissing;
}

QByteArray CProbeAnswer::StreamAnswer(int index) const
{
    const QString stream = QStringLiteral("streams.stream.%1").arg(index);
    const QList<qsizetype> found = m_byName.value(stream);
    if (found.isEmpty())
        return {};
    const auto lines = [](const SSection& section) {
        QString text;
        for (const auto& [key, value] : section.entries)
            text += Escape(key) + QLatin1Char('=') + Escape(value) + QLatin1Char('\n');
        return text;
    };
    QString text = QStringLiteral("[STREAM]\n") + lines(m_sections[found.first()]);
    for (int k = 0;; ++k)
    {
        const QList<qsizetype> side = m_byName.value(QStringLiteral("%1.side_data_list.side_data.%2").arg(stream).arg(k));
        if (side.isEmpty())
            break;
        text += QStringLiteral("[SIDE_DATA]\n") + lines(m_sections[side.first()]) + QStringLiteral("[/SIDE_DATA]\n");
    }
    text += QStringLiteral("[/STREAM]\n");
    return text.toUtf8();
}
