// Arguments for the media programs: time positions, and the one-line text of a pipe command
// (logged; the program itself is always started from the argument list, never by a shell).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// "hh:mm:ss.mmm" (hours, minutes, seconds at least two digits, milliseconds three); empty
/// for a negative time.
QString FormatTimePosition(qint64 milliseconds);

/// A program with its arguments; the arguments that are file paths are marked, so the
/// one-line text can wrap them in double quotes.
struct SToolCommand
{
    QString strProgram;
    QStringList arguments;
    QList<int> pathArguments; // indices into `arguments`

    SToolCommand& Add(const QString& argument);
    SToolCommand& Add(const QStringList& items);
    SToolCommand& AddPath(const QString& path);

    /// The quoted program, then the arguments joined by single blanks, paths quoted.
    QString CommandLine() const;
};
