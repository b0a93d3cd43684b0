// vantrope-cli as a user runs it: version, help, errors and the benchmark line.
#include "tests/cli/CliRun.h"
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>


TEST(Cli, VersionHelpAndUnknownCommands)
{
    const SCliRun version = RunCli({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "1.14.3607\n");

    const SCliRun help = RunCli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains("bench NAME")) << help.out.toStdString();

    const SCliRun unknown = RunCli({"frobnicate"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.out.isEmpty());
    EXPECT_EQ(unknown.err.count('\n'), 1);
    EXPECT_TRUE(unknown.err.contains("frobnicate"));
}

TEST(Cli, BenchmarkListAndTimingLine)
{
    const SCliRun list = RunCli({"bench", "--list"});
    EXPECT_EQ(list.code, 0);
    for (const char* name : {"rgb24to48", "rgb48to24", "rgb48toargb32", "memcpy", "split-overhead"})
        EXPECT_TRUE(list.out.contains(QString(name) + "\t")) << name;

    const SCliRun run = RunCli({"bench", "rgb48toargb32", "--size", "64x32", "--iterations", "3", "--threads", "2"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const QString last = run.out.trimmed().split('\n').last();
    EXPECT_TRUE(QRegularExpression("^rgb48toargb32: median [0-9.]+ ms, min [0-9.]+ ms, max [0-9.]+ ms$").match(last).hasMatch())
        << last.toStdString();

    for (const QStringList& bad : {QStringList{"bench", "nosuch"}, QStringList{"bench", "memcpy", "--size", "0x5"},
                                   QStringList{"bench", "memcpy", "--threads", "65"}, QStringList{"bench"}})
    {
        const SCliRun r = RunCli(bad);
        EXPECT_EQ(r.code, 2) << bad.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
}
