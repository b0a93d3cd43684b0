// vantrope-cli lut from-image, lut library and the two histogram tools, run as a child process
// with HOME in a temporary folder.
#include "tests/cli/CliRun.h"
#include "lut/CubeFile.h"
#include "lut/LutFromPicture.h"
#include "tests/support/SyntheticImages.h"

#include <QDir>

namespace
{
class CliLutLibrary : public CCliTest
{
protected:
    QStringList Listed()
    {
        const SCliRun result = RunCli({"lut", "library"});
        EXPECT_EQ(result.code, 0) << result.err.toStdString();
        return result.out.split('\n', Qt::SkipEmptyParts);
    }
};
}  // namespace

TEST_F(CliLutLibrary, FromImageMatchesTheInProcessDerivation)
{
    SaveImage("sky.png", TestImages::Noise(64, 48, 3), 64, 48);
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
        EXPECT_EQ(FileBytes(out), CubeFile::Format(lattice.data(), size, "sky")) << size;
    }

    Write("junk.png", "junk");
    const QString sky = Path("sky.png"), bad = Path("bad.cube");
    ExpectRefusal({"lut", "from-image", sky, "--size", "33", "--out", bad}, 1, "bad value for --size: '33'");
    ExpectRefusal({"lut", "from-image", sky, "--method", "3", "--out", bad}, 1, "bad value for --method: '3'");
    ExpectRefusal({"lut", "from-image", Path("junk.png"), "--out", bad}, 1, "unsupported format");
    ExpectRefusal({"lut", "from-image", Path("none.png"), "--out", bad}, 1, "does not exist");
    ExpectRefusal({"lut", "from-image", "--out", bad}, 2, "lut from-image needs REF");
}

TEST_F(CliLutLibrary, LibraryListsAddsAndRemoves)
{
    EXPECT_TRUE(Listed().isEmpty());
    ASSERT_EQ(RunCli({"lut", "identity", "--size", "4", "--out", Path("id.cube")}).code, 0);
    for (const char* name : {"b", "A", "B2"})
        ASSERT_EQ(RunCli({"lut", "library", "--add", Path("id.cube"), "--name", name}).code, 0);
    EXPECT_EQ(Listed(), (QStringList{"A", "B2", "b"}));

    const SCliRun removed = RunCli({"lut", "library", "--remove", "B2"});
    EXPECT_EQ(removed.code, 0);
    EXPECT_EQ(removed.out, "A\nb\n");

    // Refusals leave the library, the folder above it and the source as they were.
    CInvariantCheck check;
    check.WatchFolder(m_home.Path());
    const QString id = Path("id.cube");
    for (const QString& name : {QString("../x"), m_home.Path() + "/ProjectData/x", QString("a/b"), QString("")})
        ExpectRefusal({"lut", "library", "--add", id, "--name", name}, 1, "bad name '" + name + "'");
    ExpectRefusal({"lut", "library", "--remove", "B2"}, 1, "no library entry 'B2'");
    ExpectRefusal({"lut", "library", "--remove", "../id"}, 1, "no library entry '../id'");
    ExpectRefusal({"lut", "library", "--add", id}, 1, "--add FILE and --name NAME go together");
    ExpectRefusal({"lut", "library", "--add", Path("missing.cube"), "--name", "m"}, 1, "not a file");
    EXPECT_EQ(check.Violations(), QStringList());
    EXPECT_EQ(Listed(), (QStringList{"A", "b"}));
}

TEST_F(CliLutLibrary, HistogramDistanceAndMatching)
{
    const std::vector<uint16_t> noise = TestImages::Noise(50, 40, 11);
    std::vector<uint16_t> shifted = noise;
    for (size_t i = 0; i < shifted.size(); i += 3)
        shifted[i] = uint16_t(std::min(65535, shifted[i] / 2 + 10 * 257));
    SaveImage("noise.png", noise, 50, 40);
    SaveImage("shifted.png", shifted, 50, 40);

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

    ExpectRefusal({"lut", "distance", Path("noise.png")}, 2, "lut distance needs A B");
    ExpectRefusal({"lut", "match", Path("noise.png"), Path("gone.png"), Path("m2.png")}, 1, "cannot read image");
}
