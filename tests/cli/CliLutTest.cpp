// vantrope-cli lut end to end on real files, and every refusal: one line on standard error, a
// non-zero exit code and nothing written.
#include "tests/cli/CliRun.h"
#include "lut/CubeFile.h"
#include "lut/LutLattice.h"
#include "tests/support/SyntheticImages.h"

#include <unistd.h>

namespace
{
class CliLut : public CCliTest
{
protected:
    void SetUp() override
    {
        SaveImage("in.png", m_input, 40, 33);
        ASSERT_EQ(RunCli({"lut", "identity", "--size", "9", "--out", Path("id.cube")}).code, 0);
    }

    const std::vector<uint16_t> m_input = TestImages::Noise(40, 33, 8);
};
}  // namespace

TEST_F(CliLut, IdentityBakeAndApplyOnFiles)
{
    std::vector<float> identity(9 * 9 * 9 * 3);
    LutLattice::WriteIdentity(identity.data(), 9);
    EXPECT_EQ(FileBytes(Path("id.cube")), CubeFile::Format(identity.data(), 9, "New LUT"));

    // No saturation bakes every point grey; the title comes from the source.
    ASSERT_EQ(RunCli({"lut", "bake", "--in", Path("id.cube"), "--out", Path("grey.cube"), "--param", "saturation=0"}).code, 0);
    std::vector<float> grey(LutLattice::kFloatCount);
    int size = 0;
    QString title;
    ASSERT_TRUE(CubeFile::ReadFile(Path("grey.cube"), grey.data(), size, title, nullptr).bOk);
    EXPECT_EQ(size, 9);
    EXPECT_EQ(title, "New LUT"); // the translated default title, never its key
    for (int i = 0; i < 9 * 9 * 9; ++i)
        ASSERT_TRUE(grey[3 * i] == grey[3 * i + 1] && grey[3 * i] == grey[3 * i + 2]) << i;

    // The grey LUT through an 8-bit TIFF: equal channels, each a multiple of 257.
    ASSERT_EQ(RunCli({"lut", "apply", "--lut", Path("grey.cube"), Path("in.png"), Path("out.tif")}).code, 0);
    const std::vector<uint16_t> out = Load("out.tif");
    ASSERT_EQ(out.size(), m_input.size());
    for (size_t i = 0; i < out.size(); i += 3)
        ASSERT_TRUE(out[i] == out[i + 1] && out[i] == out[i + 2] && out[i] % 257 == 0) << i;
    // Darken at intensity 0 is the identity: a 16-bit PNG keeps its 16 bits, lowered by at most one.
    ASSERT_EQ(RunCli({"lut", "apply", "--lut", Path("grey.cube"), "--mode", "2", "--param", "intensity=0", Path("in.png"), Path("dark.png")}).code, 0);
    EXPECT_LE(TestImages::CompareImages(Load("dark.png").data(), m_input.data(), 40, 33, 1).iMaxAbs, 1);

    // A LUT of another program (a cube with a 1D shaper) applies as the cube its import makes.
    const QString foreign = VANTROPE_SOURCE_DIR "/tests/lut/data/ocio/resolve_1d3d.cube";
    ASSERT_EQ(RunCli({"lut", "import", foreign, "--out", Path("imported.cube")}).code, 0);
    ASSERT_EQ(RunCli({"lut", "apply", "--lut", foreign, Path("in.png"), Path("foreign.png")}).code, 0);
    ASSERT_EQ(RunCli({"lut", "apply", "--lut", Path("imported.cube"), Path("in.png"), Path("imported.png")}).code, 0);
    EXPECT_EQ(Load("foreign.png"), Load("imported.png"));
}

TEST_F(CliLut, RefusalsWriteNothing)
{
    Write("big.cube", "LUT_3D_SIZE 65\n0 0 0\n");
    const QString id = Path("id.cube"), in = Path("in.png"), out = Path("out.png"), cube = Path("out.cube");
    const struct
    {
        QStringList args;
        int code;
        const char* message; // part of the error line
    } cases[] = {
        {{"identity", "--size", "65", "--out", cube}, 1, "bad value for --size: '65'"},
        {{"identity", "--size", "9"}, 2, "missing option --out"},
        {{"identity", "--size", "9", "--out", cube, "--param", "intensity=1"}, 2, "unknown option --param"},
        {{"bake", "--in", Path("missing.cube"), "--out", cube}, 1, "not a file"},
        {{"bake", "--in", Path("big.cube"), "--out", cube}, 1, "Size found: 65 Sizes from 2 to 64 are allowed."},
        {{"bake", "--in", id, "--out", cube, "--param", "sharpness=0.5"}, 1, "bad LUT parameter 'sharpness=0.5'"},
        {{"bake", "--in", id, "--out", cube, "--param", "saturation=1.5"}, 1, "bad value in 'saturation=1.5'"},
        {{"bake", "--in", id, "--out", cube, "--param", "contrast=nan"}, 1, "bad value"},
        {{"bake", "--in", id, "--out", Path("no/such/folder.cube")}, 1, "/no/such/folder.cube': No such file or directory"},
        {{"import", Path("big.cube"), "--out", cube}, 1, "big.cube"},
        {{"import", id, "--out", cube, "--size", "65"}, 1, "bad value for --size: '65'"},
        {{"apply", "--lut", id, "--mode", "49", in, out}, 1, "bad layer mode '49'"},
        {{"apply", "--lut", id, in, Path("out.gif")}, 1, "unknown image extension"},
        {{"apply", "--lut", id, Path("missing.png"), out}, 1, "cannot read image"},
        {{"apply", "--lut", id, in}, 2, "lut apply needs IN OUT"},
    };
    for (const auto& c : cases)
        ExpectRefusal(QStringList{"lut"} + c.args, c.code, c.message);
}

// The whole grade saved as a cube that another program applies: ffmpeg's lut3d filter on an
// 8-bit frame lands within 2/255 of our own application of the cube and of the grade run directly,
// with either interpolation. A neighbour operator in the grade is named and left out.
TEST_F(CliLut, GradeSavedAsCubeLooksTheSameInFfmpeg)
{
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "testsrc2=s=64x48", "-frames:v", "1", "-pix_fmt", "rgb24", Path("in8.png")}));
    const QStringList grade = {"--operator", "MP_calcPixelColorBalance",     "--set", "0=0.6",
                               "--operator", "MP_calcPixelGammaColor",       "--set", "0=0.55",
                               "--operator", "MP_calcPixelBasicTools",       "--set", "0=0.55",
                               "--operator", "MP_calcPixelColorTemperature", "--set", "0=0.45",
                               "--operator", "MP_calcPixelColorIntensity",   "--set", "0=0.55",
                               "--operator", "MP_calcPixelSepia",            "--set", "0=0.5",
                               "--lut",      Path("id.cube"),                "--lut-param", "contrast=0.6"};
    const SCliRun baked = RunCli(QStringList{"lut", "from-grade", "--operator", "MP_calcPixelSharpen", "--set", "0=0.5"} +
                                 grade + QStringList{"--size", "33", "--out", Path("look.cube")});
    ASSERT_EQ(baked.code, 0) << baked.err.toStdString();
    EXPECT_EQ(baked.out.count('\n'), 1) << baked.out.toStdString(); // the sharpening, named
    ASSERT_EQ(RunCli(QStringList{"grade", Path("in8.png"), Path("direct.tif")} + grade).code, 0);
    const std::vector<uint16_t> direct = Load("direct.tif");
    for (const char* interp : {"trilinear", "tetrahedral"})
    {
        SCOPED_TRACE(interp);
        ASSERT_EQ(RunCli({"lut", "apply", "--lut", Path("look.cube"), "--interp", interp, Path("in8.png"), Path("ours.tif")}).code, 0);
        ASSERT_TRUE(Ffmpeg({"-i", Path("in8.png"), "-vf", QStringLiteral("lut3d=file=%1:interp=%2").arg(Path("look.cube"), interp),
                            "-pix_fmt", "rgb24", Path("ff.png")}));
        const std::vector<uint16_t> ours = Load("ours.tif"), theirs = Load("ff.png");
        ASSERT_EQ(theirs.size(), size_t(64 * 48 * 3));
        EXPECT_LE(TestImages::CompareImages(theirs.data(), ours.data(), 64, 48, 2 * 257).iMaxAbs, 2 * 257);
        EXPECT_LE(TestImages::CompareImages(theirs.data(), direct.data(), 64, 48, 2 * 257).iMaxAbs, 2 * 257);
    }
}

TEST_F(CliLut, UnreadableLutFileIsReportedWithItsPath)
{
    if (getuid() != 0)
        GTEST_SKIP() << "needs root to drop to another user";
    // Root reads everything, so the command runs as nobody on a file only root may read.
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                            QFile::ExeOther);
    QFile::setPermissions(Path("id.cube"), QFile::ReadOwner | QFile::WriteOwner);
    ExpectRefusal({"lut", "bake", "--in", Path("id.cube"), "--out", Path("out.cube")}, 1,
                  QStringLiteral("vantrope-cli: cannot read LUT '%1': The LUT file could not be loaded. LUT file: %1 Size found: 0 Sizes from 2 to 64 are allowed.\n").arg(Path("id.cube")),
                  {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
}

TEST_F(CliLut, EveryFailingWriteLeavesTheOldFile)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the write-failure library cannot be preloaded before the address sanitizer";
#endif
    // Each file-writing call of a cube and a still write fails once in turn (the N-th of the run):
    // every run fails naming the reason, and leaves the old file and nothing else. (Netpbm keeps
    // the image library out of the many short runs.)
    SaveImage("in.ppm", m_input, 40, 33);
    const QStringList runs[] = {{"lut", "identity", "--size", "5", "--out", Path("look.cube")},
                                {"lut", "apply", "--lut", Path("id.cube"), Path("in.ppm"), Path("look.ppm")}};
    const QString shim = QStringLiteral("LD_PRELOAD=" VANTROPE_FAULT_SHIM);
    for (const QStringList& args : runs)
    {
        const QString target = args.last();
        const QString counted = Path("calls");
        ASSERT_EQ(RunCli(args, {"env", shim, "VANTROPE_FAIL_COUNT=" + counted}).code, 0);
        const int calls = FileBytes(counted).trimmed().toInt();
        QFile::remove(counted);
        EXPECT_GE(calls, 4) << "open, write, flush and rename at least";
        for (int n = 1; n <= calls; ++n)
        {
            Write(QFileInfo(target).fileName(), "old");
            ExpectRefusal(args, 1, target + "': No space left on device\n", {"env", shim, QStringLiteral("VANTROPE_FAIL_AT=%1").arg(n)});
        }
    }
}
