// Whole-or-nothing writes: replaced files, links, and every way a write can fail leaving the old
// file byte-identical and nothing beside it.
#include "core/AtomicFile.h"
#include "tests/support/InvariantCheck.h"
#include "tests/support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>

namespace
{
QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}
}  // namespace

TEST(AtomicFile, ReplacesKeepingPermissionsAndLinks)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("look.cube");
    Put(file, "old");
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QFile::Permissions before = QFile::permissions(file);
    ASSERT_TRUE(AtomicFile::Write(file, "new contents"));
    EXPECT_EQ(Read(file), "new contents");
    EXPECT_EQ(QFile::permissions(file), before);

    // A link keeps pointing at its target, which gets the new bytes; a dangling one creates it.
    ASSERT_TRUE(QFile::link(file, dir.filePath("link.cube")));
    ASSERT_TRUE(QFile::link(dir.filePath("later.cube"), dir.filePath("dangling.cube")));
    ASSERT_TRUE(AtomicFile::Write(dir.filePath("link.cube"), "through the link"));
    ASSERT_TRUE(AtomicFile::Write(dir.filePath("dangling.cube"), "created"));
    EXPECT_EQ(QFileInfo(dir.filePath("link.cube")).symLinkTarget(), file);
    EXPECT_EQ(Read(file), "through the link");
    EXPECT_EQ(Read(dir.filePath("later.cube")), "created");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System).size(), 4);
}

TEST(AtomicFile, FailuresLeaveTheOldFileAndNothingElse)
{
    QTemporaryDir dir;
    for (const char* folder : {"folder", "full", "ro"})
        ASSERT_TRUE(QDir(dir.path()).mkdir(folder));
    CSmallDisk full(dir.filePath("full"), "size=64k"), readOnly(dir.filePath("ro"), "ro,size=64k");
    Put(dir.filePath("full/x.png"), "old picture");
    const struct
    {
        const char* path;
        const char* reason;
        bool onSmallDisk;
    } cases[] = {
        {"folder", "Is a directory", false},
        {"none/x.png", "No such file or directory", false},
        {"full/x.png", "No space left on device", true},
        {"ro/x.png", "Read-only file system", true},
    };
    for (const auto& c : cases)
    {
        if (c.onSmallDisk && !(full.IsMounted() && readOnly.IsMounted()))
        {
            std::cout << "skipped " << c.path << ": " << CSmallDisk::kSkipReason << "\n";
            continue;
        }
        CInvariantCheck check(30000);
        check.WatchFolder(dir.path());
        QString reason;
        EXPECT_FALSE(AtomicFile::Write(dir.filePath(c.path), QByteArray(256 * 1024, 'x'), &reason)) << c.path;
        EXPECT_EQ(reason, c.reason);
        EXPECT_EQ(check.Violations(), QStringList()) << c.path;
    }
}

TEST(AtomicFile, SettingsKeepTheirKeysAndFailWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("starttime.ini");
    Put(path, "[General]\nother=1\n");
    ASSERT_TRUE(AtomicFile::WriteSettings(path, [](QSettings& s) { s.setValue("StartTime", 42); }));
    const QSettings written(path, QSettings::IniFormat);
    EXPECT_EQ(written.value("other").toInt(), 1);
    EXPECT_EQ(written.value("StartTime").toInt(), 42);

    ASSERT_TRUE(QDir(dir.path()).mkdir("full"));
    CSmallDisk disk(dir.filePath("full"), "size=16k");
    if (!disk.IsMounted())
        GTEST_SKIP() << CSmallDisk::kSkipReason;
    const QString full = dir.filePath("full/statistic.ini");
    Put(full, "[General]\nm_iProgramStarted=3\n");
    CInvariantCheck check(30000);
    check.WatchFolder(dir.path());
    QString reason;
    EXPECT_FALSE(AtomicFile::WriteSettings(full, [](QSettings& s) { s.setValue("huge", QString(64 * 1024, 'x')); }, &reason));
    EXPECT_EQ(reason, "No space left on device");
    EXPECT_EQ(check.Violations(), QStringList());
}
