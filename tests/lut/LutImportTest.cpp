// The import path: hand-written files in the layouts other programs write, sampled at our lattice
// points; hostile headers refused unread. (Our own cubes load through our reader: the library's
// load test, whose title would otherwise be the file name.)
#include "lut/LutImport.h"
#include "lut/LutLattice.h"
#include "lut/LutState.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedPrompt.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <tuple>

namespace
{
using Colour = std::array<double, 3>;
using Expected = std::function<Colour(double r, double g, double b)>;

class LutImportTest : public ::testing::Test
{
protected:
    QString Write(const QString& name, const QByteArray& text)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(WriteFileBytes(path, text));
        return path;
    }

    // Every point of the sampled lattice against the expected colour of its input.
    static void ExpectLattice(const std::vector<float>& lattice, int n, const Expected& expected, double tolerance)
    {
        ASSERT_EQ(lattice.size(), size_t(n) * n * n * 3);
        for (int b = 0; b < n; ++b)
            for (int g = 0; g < n; ++g)
                for (int r = 0; r < n; ++r)
                {
                    const Colour want = expected(r / double(n - 1), g / double(n - 1), b / double(n - 1));
                    const float* got = lattice.data() + 3 * ((size_t(b) * n + g) * n + r);
                    for (int c = 0; c < 3; ++c)
                        ASSERT_NEAR(got[c], want[size_t(c)], tolerance) << "at " << r << "," << g << "," << b;
                }
    }

    QTemporaryDir m_dir;
};

TEST_F(LutImportTest, LayoutsSampleToTheFilesValuesAndHostileHeadersAreRefusedUnread)
{
    // .3dl: blue fastest, 10-bit input positions, 12-bit outputs.
    QByteArray dl = "0 256 512 768 1023\n";
    const int levels[5] = {0, 1024, 2048, 3072, 4095};
    for (int r = 0; r < 5; ++r)
        for (int g = 0; g < 5; ++g)
            for (int b = 0; b < 5; ++b)
                dl += QByteArray::number(levels[g]) + " " + QByteArray::number(levels[b]) + " " + QByteArray::number(levels[r]) + "\n";
    auto level = [&](double x) { return levels[std::lround(x * 4)] / 4095.0; };
    // .csp: three identity curves, then a 2-point lattice, red fastest; .spi3d: explicit indices
    // on every line; a cube in scientific notation with comments between the lines.
    QByteArray csp = "CSPLUTV100\n3D\n\n2\n0 1\n0 1\n2\n0 1\n0 1\n2\n0 1\n0 1\n\n2 2 2\n";
    QByteArray spi = "SPILUT 1.0\n3 3\n2 2 2\n", sci = "# made elsewhere\nLUT_3D_SIZE 2\n";
    for (int i = 0; i < 8; ++i)
    {
        const QByteArray r = QByteArray::number(i & 1), g = QByteArray::number(i >> 1 & 1), b = QByteArray::number(i >> 2);
        csp += g + " " + b + " " + r + "\n";
        spi += r + " " + g + " " + b + " " + g + ".0 " + b + ".0 " + r + ".0\n";
        sci += QByteArray::number((i >> 1 & 1) * 5) + ".0e-01 " + QByteArray::number((i >> 2) * 5) + "0.0E-02 " + r + ".0e+00\n# a comment\n";
    }
    // Shaper: x -> x² at three points, then an identity lattice.
    const QByteArray shaper = "LUT_1D_SIZE 3\nLUT_3D_SIZE 2\n0 0 0\n0.25 0.25 0.25\n1 1 1\n"
                              "0 0 0\n1 0 0\n0 1 0\n1 1 0\n0 0 1\n1 0 1\n0 1 1\n1 1 1\n";
    auto shaped = [](double x) { return x <= 0.5 ? 0.5 * x : 0.25 + 1.5 * (x - 0.5); };
    // Outputs (g, b, r): a channel rotation shows whether a reader takes the right index order.
    const Expected rotated = [](double r, double g, double b) { return Colour{g, b, r}; };
    const std::tuple<const char*, QByteArray, int, int, Expected> cases[] = { // name, text, size asked (0: the file's), size
        {"rotate.3dl", dl, 0, 5, [&](double r, double g, double b) { return Colour{level(g), level(b), level(r)}; }},
        {"rotate.csp", csp, 3, 3, rotated},
        {"rotate.spi3d", spi, 0, 2, rotated},
        {"half.cube", sci, 5, 5, [](double r, double g, double b) { return Colour{0.5 * g, 0.5 * b, r}; }},
        {"shaper.cube", shaper, 5, 5, [&](double r, double g, double b) { return Colour{shaped(r), shaped(g), shaped(b)}; }},
    };
    for (const auto& [name, text, size, expectedSize, expected] : cases)
    {
        SCOPED_TRACE(name);
        std::vector<float> lattice;
        const CLutImport::SResult result = CLutImport::Sample(Write(name, text), size, lattice);
        ASSERT_TRUE(result.bOk) << result.sError.toStdString();
        EXPECT_EQ(result.iSize, expectedSize);
        ExpectLattice(lattice, result.iSize, expected, 1e-5);
    }

    // Output = input mapped from the domain −0.5…1.5 (red), 0…2 (green), 0…1 (blue) and halved,
    // so a reader ignoring the domain would be off by up to a quarter.
    const int n = 65;
    QByteArray text = "TITLE \"wide\"\nDOMAIN_MIN -0.5 0 0\nDOMAIN_MAX 1.5 2 1\nLUT_3D_SIZE 65\n";
    text.reserve(n * n * n * 30);
    for (int b = 0; b < n; ++b)
        for (int g = 0; g < n; ++g)
            for (int r = 0; r < n; ++r)
            {
                const double x = -0.5 + 2.0 * r / (n - 1), y = 2.0 * g / (n - 1), z = double(b) / (n - 1);
                text += QByteArray::number(0.5 * x, 'f', 7) + " " + QByteArray::number(0.5 * y, 'f', 7) + " " +
                        QByteArray::number(0.5 * z, 'f', 7) + "\n";
            }
    const QString path = Write("wide.cube", text);
    EXPECT_FALSE(CLutImport::IsPlainCube(path));

    auto state = std::make_unique<CLutState>();
    CScriptedPrompt prompt;
    const CLutImport::SResult result = CLutImport::Load(*state, path, &prompt);
    ASSERT_TRUE(result.bOk) << result.sError.toStdString();
    EXPECT_TRUE(result.bImported);
    EXPECT_EQ(result.iFilePoints, 65);
    EXPECT_EQ(state->Size(), 64);
    EXPECT_EQ(state->Title(), "wide");
    EXPECT_TRUE(prompt.Log().last().contains("64") && prompt.Log().last().contains("65"));
    const std::vector<float> lattice(state->Source().Data(), state->Source().Data() + 64 * 64 * 64 * 3);
    ExpectLattice(lattice, 64, [](double r, double g, double b) { return Colour{0.5 * r, 0.5 * g, 0.5 * b}; }, 1e-5);

    // Hostile headers are refused before anything is read; the error names the size, or the word
    // limit (256).
    const std::pair<const char*, QByteArray> hostile[] = {
        {"huge.cube", "LUT_3D_SIZE 100000\n0 0 0\n"},
        {"quoted.cube", "LUT_3D_SIZE \"130\"\n"},
        {"curve.cube", "LUT_1D_SIZE 2000000000\n0 0 0\n"},
        {"huge.spi3d", "SPILUT 1.0\n3 3\n5000 5000 5000\n"},
        {"huge.csp", "CSPLUTV100\n3D\n\n2\n0 1\n0 1\n2\n0 1\n0 1\n2\n0 1\n0 1\n\n4096 4096 4096\n"},
        {"huge.clf", "<ProcessList id=\"x\" compCLFversion=\"3\">\n<LUT3D inBitDepth=\"32f\" outBitDepth=\"32f\">\n"
                     "<Array dim=\"1000 1000 1000 3\">\n0 0 0\n</Array></LUT3D></ProcessList>\n"},
        {"word.cube", "LUT_3D_SIZE 2\n" + QByteArray(100000, '1') + " 0 0\n"},
    };
    const char* mentions[] = {"100000", "130", "2000000000", "5000", "4096", "1000", "256"};
    for (size_t i = 0; i < std::size(hostile); ++i)
    {
        SCOPED_TRACE(hostile[i].first);
        const QString file = Write(hostile[i].first, hostile[i].second);
        QString error;
        std::vector<float> refused;
        EXPECT_FALSE(CLutImport::CheckFile(file, &error) || CLutImport::Sample(file, 0, refused).bOk);
        EXPECT_TRUE(error.contains(mentions[i]) && refused.empty()) << error.toStdString();
    }
    // The same caps on a path that is not a file, and the LUT state untouched by a refusal.
    EXPECT_FALSE(CLutImport::Import(*state, m_dir.path()).bOk);
    EXPECT_TRUE(state->Size() == 64 && state->Title() == "wide");
}

}  // namespace
