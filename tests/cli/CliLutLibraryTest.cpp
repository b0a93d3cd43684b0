// vantrope-cli lut from-image, lut library and the two histogram tools, run as a child process
// with HOME in a temporary folder.
#include "core/StillImage.h"
#include "lut/CubeFile.h"
#include "lut/LutFromPicture.h"
#include "tests/cli/CliRun.h"
#include "tests/support/SyntheticImages.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
class CliLutLibrary : public ::testing::Test
{
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    void SavePicture(const QString& name, const std::vector<uint16_t>& pixels, int width, int height)
    {
        QString error;
        ASSERT_TRUE(StillImage::Save(Path(name), pixels.data(), width, height, error)) << error.toStdString();
    }
    QStringList Listed()
    {
        const SCliRun result = RunCli({"lut", "library"});
        EXPECT_EQ(result.code, 0) << result.err.toStdString();
        return result.out.split('\n', Qt::SkipEmptyParts);
    }

    CTempHome m_home;
    QTemporaryDir m_dir;
};
}  // namespace

TEST_F(CliLutLibrary, FromImageMatchesTheInProcessDerivation)
{
    SavePicture("sky.png", TestImages::Noise(64, 48, 3), 64, 48);
    for (const auto& [size, method] : {std::pair{17, 2}, std::pair{32, 1}})
    {
        const QString out = Path(QString("sky%1.cube").arg(size));
        const SCliRun result = RunCli({"lut", "from-image", Path("sky.png"), "--size", QString::number(size), "--method",
                                    QString::number(method), "--out", out});
        ASSERT_EQ(result.code, 0) << result.err.toStdString();

        Helper::CRGB48Buffer picture;
        QString error;
        ASSERT_TRUE(LutFromPicture::LoadReference(Path("sky.png"), picture, error));
        std::vector<float> lattice(size_t(size) * size * size * 3);
        ASSERT_TRUE(LutFromPicture::Derive(picture.GetData(), picture.Width(), picture.Height(), size, method, lattice.data()));
        QFile written(out);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), CubeFile::Format(lattice.data(), size, "sky")) << size;
    }

    // Refusals write nothing.
    QFile junk(Path("junk.png"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("junk");
    junk.close();
    for (const QStringList& args :
         {QStringList{"lut", "from-image", Path("sky.png"), "--size", "33", "--out", Path("bad.cube")},
          QStringList{"lut", "from-image", Path("sky.png"), "--method", "3", "--out", Path("bad.cube")},
          QStringList{"lut", "from-image", Path("junk.png"), "--out", Path("bad.cube")},
          QStringList{"lut", "from-image", Path("none.png"), "--out", Path("bad.cube")},
          QStringList{"lut", "from-image", "--out", Path("bad.cube")}})
    {
        const SCliRun result = RunCli(args);
        EXPECT_NE(result.code, 0) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.startsWith("vantrope-cli: ")) << result.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("bad.cube")));
    }
}

TEST_F(CliLutLibrary, LibraryListsAddsAndRemoves)
{
    EXPECT_TRUE(Listed().isEmpty());
    ASSERT_EQ(RunCli({"lut", "identity", "--size", "4", "--out", Path("id.cube")}).code, 0);
    for (const char* name : {"b", "A", "B2"})
        ASSERT_EQ(RunCli({"lut", "library", "--add", Path("id.cube"), "--name", name}).code, 0);
    EXPECT_EQ(Listed(), (QStringList{"A", "B2", "b"}));

    const QString outside = m_home.Path() + "/ProjectData/x.cube";
    for (const QString& name : {QString("../x"), m_home.Path() + "/ProjectData/x", QString("a/b"), QString("")})
    {
        const SCliRun result = RunCli({"lut", "library", "--add", Path("id.cube"), "--name", name});
        EXPECT_EQ(result.code, 1) << name.toStdString();
        EXPECT_TRUE(result.err.contains("bad name")) << result.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(outside));
    EXPECT_EQ(QDir(m_home.Path() + "/ProjectData").entryList(QDir::Files).size(), 0);

    const SCliRun removed = RunCli({"lut", "library", "--remove", "B2"});
    EXPECT_EQ(removed.code, 0);
    EXPECT_EQ(removed.out, "A\nb\n");
    EXPECT_EQ(RunCli({"lut", "library", "--remove", "B2"}).code, 1);
    EXPECT_EQ(RunCli({"lut", "library", "--remove", "../id"}).code, 1);
    EXPECT_TRUE(QFile::exists(Path("id.cube")));
    EXPECT_EQ(RunCli({"lut", "library", "--add", Path("id.cube")}).code, 1);
    EXPECT_EQ(RunCli({"lut", "library", "--add", Path("missing.cube"), "--name", "m"}).code, 1);
    EXPECT_EQ(Listed(), (QStringList{"A", "b"}));
}

TEST_F(CliLutLibrary, HistogramDistanceAndMatching)
{
    const std::vector<uint16_t> noise = TestImages::Noise(50, 40, 11);
    std::vector<uint16_t> shifted = noise;
    for (size_t i = 0; i < shifted.size(); i += 3)
        shifted[i] = uint16_t(std::min(65535, shifted[i] / 2 + 10 * 257));
    SavePicture("noise.png", noise, 50, 40);
    SavePicture("shifted.png", shifted, 50, 40);

    SCliRun same = RunCli({"lut", "distance", Path("noise.png"), Path("noise.png")});
    ASSERT_EQ(same.code, 0) << same.err.toStdString();
    EXPECT_EQ(same.out, "0.000 0.000 0.000\n");

    // Red halved and lifted by 10 levels, a rising map: the distance is then the mean distance
    // each sample moved. Green and blue stay.
    double moveRed = 0.0;
    for (size_t i = 0; i < noise.size(); i += 3)
        moveRed += std::abs(int(shifted[i]) - int(noise[i])) / 257.0;
    moveRed /= noise.size() / 3.0;
    const SCliRun moved = RunCli({"lut", "distance", Path("noise.png"), Path("shifted.png")});
    const QStringList values = moved.out.trimmed().split(' ');
    ASSERT_EQ(values.size(), 3) << moved.out.toStdString();
    EXPECT_NEAR(values[0].toDouble(), moveRed, 0.002);
    EXPECT_EQ(values[1], "0.000");

    // Matching the noise to the shifted picture brings the red distance close to zero.
    ASSERT_EQ(RunCli({"lut", "match", Path("noise.png"), Path("shifted.png"), Path("matched.png")}).code, 0);
    const QStringList after = RunCli({"lut", "distance", Path("matched.png"), Path("shifted.png")}).out.trimmed().split(' ');
    ASSERT_EQ(after.size(), 3);
    EXPECT_LT(after[0].toDouble(), 0.2);
    EXPECT_LT(after[1].toDouble(), 0.2);

    EXPECT_EQ(RunCli({"lut", "distance", Path("noise.png")}).code, 2);
    EXPECT_EQ(RunCli({"lut", "match", Path("noise.png"), Path("gone.png"), Path("m2.png")}).code, 1);
    EXPECT_FALSE(QFile::exists(Path("m2.png")));
}
