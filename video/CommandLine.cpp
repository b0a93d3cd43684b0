#include "video/CommandLine.h"

namespace
{
QString Quoted(const QString& text)
{
    const QString quote(QLatin1Char('"'));
    return QStringLiteral("%1%2%3").arg(quote, text, quote);
}
}  // namespace

QString FormatTimePosition(qint64 milliseconds)
{
    if (milliseconds < 0)
        return {};
    const qint64 seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2:%3.%4")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(milliseconds % 1000, 3, 10, QLatin1Char('0'));
}

SToolCommand& SToolCommand::Add(const QString& argument)
{
    arguments << argument;
    return *this;
}

SToolCommand& SToolCommand::Add(const QStringList& items)
{
    arguments << items;
    return *this;
}

SToolCommand& SToolCommand::AddPath(const QString& path)
{
    pathArguments << int(arguments.size());
    arguments << path;
    return *this;
}

QString SToolCommand::CommandLine() const
{
    QStringList parts{Quoted(strProgram)};
    for (int i = 0; i < arguments.size(); ++i)
        parts << (pathArguments.contains(i) ? Quoted(arguments[i]) : arguments[i]);
    return parts.join(QLatin1Char(' '));
}
