// Runs the built vantrope-cli as a user would and collects what it says.
#pragma once

#include <QProcess>
#include <QStringList>

struct SCliRun
{
    int code = -1; // -1 when it crashed or did not finish
    QString out, err;
};

/// `prefix` runs the program under another one (e.g. {"prlimit", "--fsize=0"}).
inline SCliRun RunCli(const QStringList& args, const QStringList& prefix = {}, int timeoutMs = 90000)
{
    QProcess process;
    const QString cli = QStringLiteral(VANTROPE_BIN_DIR "/vantrope-cli");
    if (prefix.isEmpty())
        process.start(cli, args);
    else
        process.start(prefix.first(), prefix.mid(1) + QStringList{cli} + args);
    const bool finished = process.waitForFinished(timeoutMs);
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromLocal8Bit(process.readAllStandardError())};
}
