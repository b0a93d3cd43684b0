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
#include <memory>

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
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    const QByteArray big(256 * 1024, 'x');
    struct SCase
    {
        const char* what;
        QString path;
        const char* mount; // tmpfs options for the case's own folder, or null
        const char* reason;
    } cases[] = {
        {"destination is a folder", dir.filePath("folder"), nullptr, "Is a directory"},
        {"folder missing", dir.filePath("none/x.png"), nullptr, "No such file or directory"},
        {"full drive", dir.filePath("full/x.png"), "size=64k", "No space left on device"},
        {"read-only drive", dir.filePath("ro/x.png"), "ro,size=64k", "Read-only file system"},
    };
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CSmallDisk> disk;
        if (c.mount)
        {
            const QString folder = QFileInfo(c.path).absolutePath();
            ASSERT_TRUE(QDir().mkpath(folder));
            disk = std::make_unique<CSmallDisk>(folder, c.mount);
            if (!disk->IsMounted())
            {
                std::cout << "skipped: " << CSmallDisk::kSkipReason << "\n";
                continue;
            }
            if (!QString(c.mount).startsWith("ro"))
                Put(c.path, "old picture");
        }
        CInvariantCheck check(30000);
        check.WatchFolder(dir.path());
        QString reason;
        EXPECT_FALSE(AtomicFile::Write(c.path, big, &reason));
        EXPECT_EQ(reason, c.reason);
        EXPECT_EQ(check.Violations(), QStringList());
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
