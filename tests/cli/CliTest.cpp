// vantrope-cli as a user runs it: version, help for every command, the usage errors every command
// shares, file names as given (relative, not UTF-8), and the benchmark line.
#include "tests/cli/CliRun.h"
#include "tests/support/SyntheticImages.h"

#include <QDir>
#include <QRegularExpression>

#include <dirent.h>
#include <unistd.h>

using Cli = CCliTest;

TEST_F(Cli, VersionHelpAndUnknownCommands)
{
    const SCliRun version = RunCli({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "1.14.3607\n");

    const SCliRun help = RunCli({"--help"});
    EXPECT_EQ(help.code, 0);
    // Every command has its own help, which starts with its usage line.
    const QStringList commands = {"grade", "lut identity", "lut bake", "lut apply", "lut from-image", "lut library",
                                  "lut distance", "lut match", "lut import", "lut from-grade", "operators", "probe", "frame", "scope", "bench"};
    for (const QString& command : commands)
    {
        EXPECT_TRUE(QRegularExpression("\n  " + command + "[ \n]").match(help.out).hasMatch()) << command.toStdString();
        const SCliRun own = RunCli(command.split(' ') + QStringList{"--help"});
        EXPECT_EQ(own.code, 0) << command.toStdString();
        EXPECT_TRUE(own.out.startsWith("Usage: vantrope-cli " + command)) << own.out.toStdString();
        EXPECT_TRUE(own.out.contains("-h, --help")) << command.toStdString();
    }
    const SCliRun family = RunCli({"lut", "-h"});
    EXPECT_EQ(family.code, 0);
    EXPECT_EQ(family.out.count("\n  lut "), 9) << family.out.toStdString();

    const struct
    {
        QStringList args;
        const char* message;
    } usage[] = {
        {{"bench", "nosuch"}, "unknown benchmark 'nosuch'"},
        {{"bench", "memcpy", "--size", "0x5"}, "bad size '0x5'"},
        {{"bench", "memcpy", "--threads", "65"}, "bad value for --threads: '65'"},
        {{"bench"}, "no benchmark named"},
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"lut", "frobnicate"}, "lut needs one of: from-grade, identity, bake, apply, from-image, import, library, distance, match"},
        {{"operators", "extra"}, "unexpected argument 'extra'"},
        {{"probe"}, "probe needs CLIP"},
        {{"lut", "identity", "--size"}, "option --size needs a value"},
        {{"grade", "a.png", "b.png", "--frobnicate", "1"}, "unknown option --frobnicate"},
    };
    for (const auto& u : usage)
        ExpectRefusal(u.args, 2, u.message);
}

// The command line's own messages and help follow the user's language, not only the texts it
// shares with the window.
TEST_F(Cli, SpeaksTheUsersLanguage)
{
    const QStringList german = {"env", "LC_ALL=de_DE.UTF-8"};
    ExpectRefusal({"lut", "identity", "--size", "9"}, 2, "vantrope-cli: Option --out fehlt", german);
    const SCliRun help = RunCli({"lut", "identity", "--help"}, german);
    EXPECT_TRUE(help.out.contains("\n  --out DATEI.cube                die zu schreibende Cube-Datei\n")) << help.out.toStdString();
}

TEST_F(Cli, NamesAreTakenAsGivenRelativeOrNotUtf8)
{
    QTemporaryDir& dir = m_dir;
    SaveImage("in.png", TestImages::Noise(8, 6, 2), 8, 6);
    const QByteArray folder = QFile::encodeName(dir.path());
    ASSERT_EQ(::link((folder + "/in.png").constData(), (folder + "/in\xff.png").constData()), 0);

    // Relative names against the working folder; bytes that are not UTF-8 arrive unchanged, and
    // so does the written file's name.
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start("sh", {"-c", "\"$0\" lut identity --size 2 --out sub/../id.cube && "
                               "\"$0\" lut apply --lut id.cube \"$(printf 'in\\377.png')\" \"$(printf 'out\\376.png')\" && "
                               "\"$0\" lut apply --lut id.cube \"$(printf 'in\\377.png')\" \"$(printf 'x\\375/y.png')\"",
                         VANTROPE_BIN_DIR "/vantrope-cli"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(QFile::exists(dir.filePath("id.cube")));
    EXPECT_EQ(::access((folder + "/out\xfe.png").constData(), F_OK), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath(QString::fromUtf8("out\xef\xbf\xbd.png")))); // not under a lossy name
    // The message names the missing folder by its bytes; nothing else was left.
    EXPECT_EQ(process.readAllStandardError(), "vantrope-cli: cannot write image '" + folder +
                                                  "/x\xfd/y.png': No such file or directory\n");
    QStringList left;
    DIR* listing = opendir(folder.constData());
    while (const dirent* entry = listing ? readdir(listing) : nullptr)
        left << QString::fromUtf8(entry->d_name);
    closedir(listing);
    left.sort();
    EXPECT_EQ(left, (QStringList{".", "..", "id.cube", "in.png", QString::fromUtf8("in\xef\xbf\xbd.png"),
                                 QString::fromUtf8("out\xef\xbf\xbd.png"), "sub"}));
    // The temporary folder's clean-up cannot name these.
    ::unlink((folder + "/in\xff.png").constData());
    ::unlink((folder + "/out\xfe.png").constData());
}

TEST_F(Cli, BenchmarkListAndTimingLine)
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
}
