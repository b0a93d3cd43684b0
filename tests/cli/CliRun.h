// Runs the built vantrope-cli as a user would and collects what it says; the folder, pictures,
// clips and refusal checks the command-line tests share.
#pragma once

#include "core/StillImage.h"
#include "tests/support/FileBytes.h"
#include "tests/support/InvariantCheck.h"
#include "tests/support/TempHome.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <vector>

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

/// A tool (ffmpeg, ffprobe) as the test's own reference; true when it ran and exited with 0.
inline bool RunTool(const QString& tool, const QStringList& args, QByteArray* out = nullptr)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(tool), args);
    const bool ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (out)
        *out = process.readAllStandardOutput();
    return ok;
}

inline bool Ffmpeg(const QStringList& args, QByteArray* out = nullptr)
{
    return RunTool("ffmpeg", QStringList{"-nostdin", "-v", "error", "-y"} + args, out);
}

/// Every frame of a clip as packed 8-bit RGB, one after another.
inline QByteArray DecodedFrames(const QString& clip)
{
    QByteArray frames;
    Ffmpeg({"-i", clip, "-f", "rawvideo", "-pix_fmt", "rgb24", "-"}, &frames);
    return frames;
}

/// ffprobe's stream and container listing of a file.
inline QString Probe(const QString& path)
{
    QByteArray info;
    RunTool("ffprobe", {"-v", "error", "-show_streams", "-show_format", path}, &info);
    return QString::fromUtf8(info);
}

inline std::vector<uint16_t> LoadImage(const QString& path, QSize* size = nullptr)
{
    Helper::CRGB48Buffer image;
    QString error;
    EXPECT_TRUE(StillImage::Load(path, image, error)) << error.toStdString();
    if (size)
        *size = image.GetSize();
    return {image.GetData(), image.GetData() + size_t(image.Width()) * image.Height() * 3};
}

/// Polls for at most 20 s; true once `condition` holds.
template <class Condition> bool WaitUntil(Condition condition)
{
    QElapsedTimer waited;
    waited.start();
    while (!condition() && waited.elapsed() < 20000)
        QThread::msleep(20);
    return condition();
}

/// A temporary home and a temporary working folder for each test.
class CCliTest : public ::testing::Test
{
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes)
    {
        ASSERT_TRUE(WriteFileBytes(Path(name), bytes)) << name.toStdString();
    }
    void SaveImage(const QString& name, const std::vector<uint16_t>& pixels, int width, int height)
    {
        QString error;
        ASSERT_TRUE(StillImage::Save(Path(name), pixels.data(), width, height, error)) << error.toStdString();
    }
    std::vector<uint16_t> Load(const QString& name, QSize* size = nullptr) { return LoadImage(Path(name), size); }

    /// A refused run: the exit code, one line on standard error naming the reason, nothing on
    /// standard output, and the working folder exactly as it was.
    void ExpectRefusal(const QStringList& args, int code, const QString& message, const QStringList& prefix = {})
    {
        SCOPED_TRACE(args.join(' ').toStdString());
        CInvariantCheck check;
        check.WatchFolder(m_dir.path());
        const SCliRun run = RunCli(args, prefix);
        EXPECT_EQ(run.code, code);
        EXPECT_TRUE(run.err.startsWith("vantrope-cli: ") && run.err.count('\n') == 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_EQ(check.Violations(), QStringList());
    }

    CTempHome m_home;
    QTemporaryDir m_dir;
};
