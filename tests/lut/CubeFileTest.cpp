// Cube files: the writer's exact bytes and the round trip, the reader's rules and quirks on
// in-memory texts, files written by other tools, and paths that are not regular files. Failed
// writes are the shared atomic writer's (its own tests, and the command line's failing calls).
#include "lut/CubeFile.h"
#include "lut/LutLattice.h"
#include "tests/support/FileBytes.h"
#include "tests/support/InvariantCheck.h"
#include "tests/support/LogCapture.h"
#include "tests/support/ScriptedPrompt.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <random>
#include <tuple>

namespace
{
// A reader destination with a recognisable state, so "unchanged" can be checked exactly.
struct SState
{
    std::vector<float> lattice = std::vector<float>(LutLattice::kFloatCount, 0.125f);
    int size = 7;
    QString title = "before";

    bool operator==(const SState&) const = default;
};

CubeFile::SReadResult ReadText(const QByteArray& text, SState& state, IUserPrompt* prompt = nullptr)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return CubeFile::Read(buffer, "memory.cube", state.lattice.data(), state.size, state.title, prompt);
}

}  // namespace

TEST(CubeFile, WriterProducesTheExactTextThatReadsBack)
{
    const float values[24] = {0.f,   0.f,  0.f,   1.f,   0.f,   0.f,  0.5f, 1 / 3.f, 0.25f, 0.9999995f, 0.0000005f, 2 / 3.f,
                              -0.5f, 1.25f, 12.5f, 0.1f, 0.7f, 0.123456789f, -1e-7f, 0.4999995f, 0.0000015f, 0.25f, 0.5f, 0.75f};
    const QByteArray expected = "#Created by Vantrope 1.14.3607\r\n"
                                "TITLE \"Blau \xE2\x80\x93 Gr\xC3\xBCn\"\r\n"
                                "\r\n#LUT size\r\nLUT_3D_SIZE 2\r\n"
                                "\r\n#LUT data domain\r\nDOMAIN_MIN 0.0 0.0 0.0\r\nDOMAIN_MAX 1.0 1.0 1.0\r\n"
                                "\r\n#LUT data points\r\n"
                                "0.000000 0.000000 0.000000\r\n1.000000 0.000000 0.000000\r\n"
                                "0.500000 0.333333 0.250000\r\n1.000000 0.000000 0.666667\r\n"
                                "-0.500000 1.250000 12.500000\r\n0.100000 0.700000 0.123457\r\n"
                                "-0.000000 0.499999 0.000002\r\n0.250000 0.500000 0.750000\r\n";
    EXPECT_EQ(CubeFile::Format(values, 2, QString::fromUtf8("Blau \xE2\x80\x93 Gr\xC3\xBCn")).toStdString(),
              expected.toStdString());

    QTemporaryDir dir;
    const QString path = dir.filePath("look.cube");
    std::mt19937 random(17);
    std::vector<float> lattice(17 * 17 * 17 * 3);
    for (float& v : lattice)
        v = float(random() % 1000001) / 1e6f;
    const QString title = QString::fromUtf8("K\xC3\xBChl \xE2\x80\x93 Nacht");
    ASSERT_TRUE(CubeFile::WriteFile(path, lattice.data(), 17, title));
    EXPECT_FALSE(CubeFile::WriteFile(dir.filePath("missing/x.cube"), lattice.data(), 17, title));
    EXPECT_EQ(FileBytes(path), CubeFile::Format(lattice.data(), 17, title));
    SState state;
    ASSERT_EQ(CubeFile::ReadFile(path, state.lattice.data(), state.size, state.title, nullptr).iTriples, 17 * 17 * 17);
    EXPECT_TRUE(state.size == 17 && state.title == title);
    for (size_t i = 0; i < lattice.size(); ++i)
        ASSERT_NEAR(state.lattice[i], lattice[i], 0.5e-6f) << i;
    EXPECT_EQ(state.lattice[lattice.size()], 0.125f); // points beyond N³ keep their values

    // Without a LUT the text still carries the header, with size 0 and no data lines.
    EXPECT_TRUE(CubeFile::Format(lattice.data(), 0, "none").endsWith("LUT_3D_SIZE 0\r\n\r\n#LUT data domain\r\nDOMAIN_MIN 0.0 0.0 0.0\r\n"
                                                                 "DOMAIN_MAX 1.0 1.0 1.0\r\n\r\n#LUT data points\r\n"));
}

TEST(CubeFile, ReaderRulesQuirksLimitsFilesOfOtherToolsAndPathsThatAreNotFiles)
{
    const QByteArray size2 = "LUT_3D_SIZE 2\n";
    struct SCase
    {
        const char* what;
        QByteArray text;
        int size;
        std::vector<float> first; // expected first stored values
        const char* title;        // null: title unchanged
        int triples = -1;         // stored data lines, when it matters
    } cases[] = {
        {"plain data line", size2 + "0.5 0.25 1\n", 2, {0.5f, 0.25f, 1.f}, nullptr},
        {"lines starting with 2, a point, a plus or a blank are skipped",
         size2 + "2 0 0\n.5 0 0\n+0.5 0 0\n 0.5 0 0\n-1 -0.5 1.\n", 2, {-1.f, -0.5f, 1.f}, nullptr, 1},
        {"two blanks shift the values", size2 + "0.5  0.25 1\n", 2, {0.5f, 0.f, 0.25f}, nullptr},
        {"tabs are not separators", size2 + "0.5\t0.25\t1\n", 2, {0.f, 0.f, 0.f}, nullptr},
        {"missing and extra fields", size2 + "1\n0.5 \n1 0 0 0.5\n", 2, {1.f, 0.f, 0.f, 0.5f, 0.f, 0.f, 1.f, 0.f, 0.f}, nullptr},
        {"non-numbers and out-of-range values read as 0", size2 + "0.5 0x10 1e\n1 1e39 -1e39\n0 +0.25 +-1\n", 2,
         {0.5f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 0.25f, 0.f}, nullptr},
        {"extremes reach the lattice", size2 + "-1e30 1e-40 -0\n", 2, {-1e30f, 1e-40f, -0.f}, nullptr},
        {"size line after the data", "1 0.5 0\n" + size2, 2, {1.f, 0.5f, 0.f}, nullptr},
        {"title without quotes", "TITLE \"Warm \"Look\"\"\n" + size2, 2, {}, "Warm Look"},
        {"comments are ignored", "#LUT_3D_SIZE 65\n# TITLE x\n" + size2 + "#0.5 0.5 0.5\n", 2, {}, nullptr, 0},
        {"domain lines change nothing", size2 + "DOMAIN_MIN 0.1 0 0\nDOMAIN_MAX 2 2 2\n0 1 0\n", 2, {0.f, 1.f, 0.f}, nullptr, 1},
        {"CR LF line ends", "TITLE \"t\"\r\nLUT_3D_SIZE 2\r\n1 0 1\r\n", 2, {1.f, 0.f, 1.f}, "t"},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBFLUT_3D_SIZE 3\n", 3, {}, nullptr},
        {"NUL inside a value", size2 + QByteArray("0.5\0 1 1\n", 9), 2, {0.f, 1.f, 1.f}, nullptr},
        {"a 1 MiB line is cut, not kept", QByteArray(1 << 20, 'x') + "\n" + size2 + "1 1 1\n", 2, {1.f, 1.f, 1.f}, nullptr, 1},
        {"quoted size", "LUT_3D_SIZE \"33\"\n", 33, {}, nullptr},
        {"the last size line wins", "LUT_3D_SIZE 33\n" + size2, 2, {}, nullptr},
        {"blanks around the size", "  LUT_3D_SIZE  5 \n", 5, {}, nullptr},
    };
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        SState state;
        CScriptedPrompt prompt;
        CLogCapture log;
        const CubeFile::SReadResult result = ReadText(c.text, state, &prompt);
        EXPECT_TRUE(result.bOk && result.iSizeFound == c.size && state.size == c.size && prompt.Log().isEmpty());
        EXPECT_EQ(state.title, c.title ? QString(c.title) : SState().title);
        for (size_t i = 0; i < c.first.size(); ++i)
            EXPECT_EQ(state.lattice[i], c.first[i]) << "value " << i;
        EXPECT_EQ(state.lattice[c.first.size()], 0.125f) << "nothing beyond the data lines";
        EXPECT_TRUE(c.triples < 0 || result.iTriples == c.triples) << result.iTriples;
        EXPECT_TRUE(!c.title || log.Text().find("m_sLUTTitle = " + std::string(c.title)) != std::string::npos);
    }

    // Refused, with the size the reader found in the message and the destination unchanged: out of
    // range, not a decimal number, a last size line too large or in a title, a 1D size only, no size
    // at all, and texts that are not UTF-8 lines ending in LF.
    const std::pair<QByteArray, int> refused[] = {
        {"LUT_3D_SIZE 65\n", 65}, {"LUT_3D_SIZE 1\n", 1}, {"LUT_3D_SIZE -5\n", -5}, {"LUT_3D_SIZE 99999999999\n", 0},
        {"LUT_3D_SIZE 3.5\n", 0}, {"LUT_3D_SIZE 0x40\n", 0}, {"LUT_3D_SIZE\t2\n", 0}, {size2 + "LUT_3D_SIZE 65\n", 65},
        {size2 + "TITLE \"LUT_3D_SIZE 2\"\n", 0}, {"LUT_1D_SIZE 4294967295\n0 0 0\n", 0}, {"", 0},
        {"LUT_3D_SIZE 2\r0 0 0\r1 1 1\r", 0},
        {QByteArray("\xFF\xFEL\0U\0T\0_\0" "3\0D\0_\0S\0I\0Z\0E\0 \0" "2\0\n\0", 30), 0},
        {QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0", 16), 0}};
    for (const auto& [text, size] : refused)
    {
        SCOPED_TRACE(text.left(40).toStdString());
        SState state;
        CScriptedPrompt prompt;
        const CubeFile::SReadResult result = ReadText(text, state, &prompt);
        EXPECT_TRUE(!result.bOk && result.iSizeFound == size && state == SState());
        EXPECT_EQ(prompt.Log(), QStringList{"information|LUT not loadable headline|LUT message not loadable text<br/><br/>"
                                            "LUT message lut file loaded: memory.cube<br/><br/>LUT message size found: " +
                                            QString::number(size) + "<br/><br/>LUT message allowed from 2 to 64"});
    }

    SState state;
    EXPECT_TRUE(ReadText("LUT_3D_SIZE 2\n0.5 nan inf\n1 -inf 1\n", state).bOk);
    EXPECT_TRUE(std::isnan(state.lattice[1]) && state.lattice[2] == INFINITY && state.lattice[4] == -INFINITY);

    // Lines past 262,144 are ignored; the destination is exactly that large (ASan guards it).
    QByteArray many = "LUT_3D_SIZE 64\n";
    for (int i = 0; i < 262144 + 10; ++i)
        many += i < 262144 ? "0.5 0.5 0.5\n" : "1 1 1\n";
    EXPECT_EQ(ReadText(many, state).iTriples, 262144);
    EXPECT_EQ(state.lattice.back(), 0.5f);

    // File, size, title (null: none), stored data lines, a triple to pin and its value. (Files
    // with only 1D tables have no 3D size and are refused like the text above.)
    const std::tuple<const char*, int, const char*, int, size_t, std::array<float, 3>> files[] = {
        // Negative values and values above 1 are kept as they are.
        {"colour-science/Colour_Correct.cube", 4, "Generated by Foundry::LUT", 64, 1, {0.398947f, -0.017706f, -0.017706f}},
        // ".75" is read as a second value (only the first must start with 0 or 1).
        {"colour-science/Three_Dimensional_Table.cube", 2, nullptr, 8, 2, {0.f, 0.75f, 0.f}},
        // Domain lines are ignored; rows whose red starts with 2 are skipped, so later rows move up.
        {"colour-science/eotf_sRGB_3D.cube", 8, "sRGB EOTF", 448, 7, {-0.0077399f, 0.0212864f, -0.0154799f}},
        // The 1D shaper rows come first and take the first lattice points.
        {"colour-science/Three_Dimensional_Table_With_Shaper.cube", 3, "LUT3D with My Shaper", 28, 10,
         {0.9277778f, 0.9063014f, 0.9020062f}},
        {"ocio/iridas_3d.cube", 2, "A test 3D-LUT.", 4, 1, {0.f, 2.f, 0.f}},
        {"ocio/resolve_1d3d.cube", 3, nullptr, 29, 2, {1.1f, 1.1f, 1.1f}},
    };
    for (const auto& [file, size, title, triples, index, value] : files)
    {
        SCOPED_TRACE(file);
        SState target;
        const QString path = QStringLiteral(VANTROPE_SOURCE_DIR "/tests/lut/data/") + file;
        const CubeFile::SReadResult result = CubeFile::ReadFile(path, target.lattice.data(), target.size, target.title, nullptr);
        EXPECT_TRUE(result.bOk && target.size == size && result.iTriples == triples);
        EXPECT_EQ(target.title, title ? QString(title) : SState().title);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(target.lattice[index * 3 + i], value[i]) << "value " << i;
    }

    // Paths that are not regular files with lines are refused, without blocking or streaming.
    // 64 MiB of NUL bytes without a line end (a sparse file costs no disk); its peak memory is
    // measured by bench/cube-endless-line.sh.
    QTemporaryDir dir;
    QFile sparse(dir.filePath("sparse.cube"));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(64) << 20));
    sparse.close();
    const QString fifo = dir.filePath("pipe.cube"), folder = dir.filePath("folder.cube"), zero = dir.filePath("zero.cube");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir(dir.path()).mkdir("folder.cube");
    QFile::link("/dev/zero", zero);
    const QString tooLong = dir.path() + QString("/" + QString(250, 'd')).repeated(16) + "/x.cube"; // 4,000 bytes
    for (const QString& path : {fifo, folder, zero, dir.filePath("missing.cube"), tooLong, sparse.fileName()})
    {
        CInvariantCheck check; // a FIFO must not block, /dev/zero must not be streamed
        SState target;
        CScriptedPrompt prompt;
        const CubeFile::SReadResult result = CubeFile::ReadFile(path, target.lattice.data(), target.size, target.title, &prompt);
        EXPECT_TRUE(!result.bOk && target == SState()) << path.toStdString();
        EXPECT_TRUE(prompt.Log().value(0).contains("loaded: " + path + "<br/><br/>LUT message size found: 0"));
        EXPECT_TRUE(check.Violations().isEmpty()) << check.Violations().join("\n").toStdString();
    }
}

