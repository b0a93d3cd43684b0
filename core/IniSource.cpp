#include "core/IniSource.h"

#include "core/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cctype>

namespace
{
// "@Variant(" then the stream's type number 26 as the settings class writes it: a point, read
// as two numbers of fixed size. A hex digit after the escape would make it another number.
bool IsPointValue(const QByteArray& text, qsizetype at)
{
    static const QByteArray point = QByteArrayLiteral("@Variant(\\0\\0\\0\\x1a");
    const qsizetype next = at + point.size();
    return text.mid(at, point.size()) == point &&
           (next >= text.size() || !std::isxdigit(static_cast<unsigned char>(text[next])));
}

// Every "@DateTime(" and every "@Variant(" but a point's becomes plain text.
QByteArray Neutralised(QByteArray text)
{
    for (qsizetype at = text.indexOf("@Variant("); at >= 0; at = text.indexOf("@Variant(", at + 1))
        if (!IsPointValue(text, at))
            text.replace(at, 9, "@Ignored(");
    return text.replace("@DateTime(", "@Ignored(");
}
}  // namespace

CIniSource::CIniSource(const QString& path, qint64 maxBytes) : m_path(QStringLiteral("/dev/null"))
{
    QFile file(path);
    // Pipes and devices could block or never end.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
    {
        m_eProblem = eUNREADABLE;
        return;
    }
    m_iSize = file.size();
    if (m_iSize > maxBytes)
    {
        m_eProblem = eTOO_LARGE;
        return;
    }
    m_text = file.read(maxBytes);
    const QByteArray safe = Neutralised(m_text);
    if (safe == m_text)
    {
        m_path = path;
        return;
    }
    QString error;
    const QString folder = Helper::PrivateTempDirectory(&error);
    m_copy.setFileTemplate((folder.isEmpty() ? QDir::tempPath() : folder) + QStringLiteral("/ini-XXXXXX.ini"));
    if (m_copy.open() && m_copy.write(safe) == safe.size() && m_copy.flush())
        m_path = m_copy.fileName();
    else
        m_eProblem = eUNREADABLE;
}
