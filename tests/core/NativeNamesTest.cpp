// Names given as bytes: made absolute, opened through stand-ins when they are not UTF-8, and
// written files ending under the exact bytes.
#include "core/NativeNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
bool Exists(const QByteArray& bytes)
{
    return ::access(bytes.constData(), F_OK) == 0;
}

int Entries(const QByteArray& folder)
{
    int count = 0;
    DIR* listing = opendir(folder.constData());
    while (const dirent* entry = listing ? readdir(listing) : nullptr)
        count += entry->d_name[0] != '.' || (entry->d_name[1] != '\0' && entry->d_name[1] != '.') ? 1 : 0;
    closedir(listing);
    return count;
}
}  // namespace

TEST(NativeNames, ReadableNamesOpenTheSameFile)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray exact = folder + "/clip\xff.mp4";
    QFile file(QString::fromUtf8(folder + "/plain.mp4"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("frames") == 6);
    file.close();
    ASSERT_EQ(::rename(QFile::encodeName(file.fileName()).constData(), exact.constData()), 0);

    EXPECT_EQ(NativeNames::Readable("/a/b.png"), "/a/b.png");
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_EQ(NativeNames::Readable("x/../b.png"), dir.path() + "/x/../b.png");
    const QString standIn = NativeNames::Readable("clip\xff.mp4");
    QDir::setCurrent(cwd);

    EXPECT_TRUE(standIn.endsWith(QString::fromUtf8("/clip\xef\xbf\xbd.mp4"))) << standIn.toStdString();
    QFile through(standIn);
    ASSERT_TRUE(through.open(QIODevice::ReadOnly));
    EXPECT_EQ(through.readAll(), "frames");
    EXPECT_EQ(NativeNames::Readable(exact), standIn); // the same stand-in on every start
    const QString own = NativeNames::Readable(exact, nullptr, "run 7");
    EXPECT_NE(own, standIn);
    NativeNames::Release(own);
    NativeNames::Release(standIn);
    EXPECT_FALSE(QFileInfo::exists(own) || QFileInfo(standIn).isSymLink());
    ::unlink(exact.constData()); // the temporary folder's clean-up cannot name it
}

TEST(NativeNames, WrittenFilesEndUnderTheExactName)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/f\xfe";
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    const auto write = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("graded") == 6;
    };
    {
        // The writer changed the extension (an uncompressed export becomes .avi): so does the name.
        NativeNames::CWritable output(folder + "/out\xfd.mp4");
        ASSERT_FALSE(output.Path().isEmpty()) << output.Error().toStdString();
        const QString avi = output.Path().chopped(3) + "avi";
        ASSERT_TRUE(write(avi));
        EXPECT_EQ(output.Published(avi), folder + "/out\xfd.avi");
        EXPECT_TRUE(output.Publish(avi));
        NativeNames::CWritable abandoned(folder + "/gone\xfd.png");
        ASSERT_TRUE(write(abandoned.Path()));
    }
    EXPECT_TRUE(Exists(folder + "/out\xfd.avi"));
    EXPECT_FALSE(Exists(folder + "/out\xfd.mp4"));
    EXPECT_EQ(Entries(folder), 1); // nothing else left

    ::unlink((folder + "/out\xfd.avi").constData());
    ::rmdir(folder.constData());

    NativeNames::CWritable plain("plain.png");
    EXPECT_EQ(plain.Path(), QDir::currentPath() + "/plain.png");
    EXPECT_TRUE(plain.Publish(plain.Path())); // nothing to rename
}
