// The export's frame callback and the main window's export steps as a model: flips, artefact
// reduction, blending, tone table, the grade, side-by-side comparison, crop or resample, and a
// whole export through the driver.
#include "core/AppLog.h"
#include "session/ExportFrameGrader.h"
#include "session/VideoExportDriver.h"
#include "tests/session/SessionTestUtil.h"

#include <QProcess>
#include <QStandardPaths>

#include <functional>

namespace
{
using Bytes = std::vector<uint8_t>;

Helper::CRGB24Buffer Frame(int width, int height, const Bytes& pixels)
{
    Helper::CRGB24Buffer frame;
    frame.Create(QSize(width, height), Helper::eCP_NO_CLEAR);
    std::copy(pixels.begin(), pixels.end(), frame.GetData());
    return frame;
}

Bytes Pixels(Helper::CRGB24Buffer& frame)
{
    return Bytes(frame.GetData(), frame.GetData() + size_t(frame.Width()) * frame.Height() * 3);
}

// A grey frame whose column x holds level(x) in every row.
Bytes Columns(int width, int height, const std::function<int(int)>& level)
{
    Bytes pixels(size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c)
                pixels[(size_t(y) * width + x) * 3 + c] = uint8_t(level(x));
    return pixels;
}

class ExportFrame : public ::testing::Test
{
protected:
    void Negative() { m_session.Chain().Operators().append(SessionTest::Operator("MP_calcPixelNegative")); }
    Bytes Run(const Bytes& in, QSize inSize, QSize outSize, int frame = 0)
    {
        Helper::CRGB24Buffer source = Frame(inSize.width(), inSize.height(), in), destination;
        destination.Create(outSize, Helper::eCP_ON_CREATE);
        EXPECT_TRUE(m_grader.ProcessFrame(source, destination, frame));
        return Pixels(destination);
    }

    CEngineState m_state;
    CGradingSession m_session{m_state};
    CExportFrameGrader m_grader{m_session};
};

class ExportDriver : public ::testing::Test
{
protected:
    void SetUp() override { m_dst.SetCodec(CMovieHandling::eCODEC1); }
    CTempHome m_home;
    QTemporaryDir m_dir;
    CGradingSession m_session;
    CExportFrameGrader m_grader{m_session};
    CMovieHandling m_movie;
    CVideoExportDriver m_driver{m_movie, m_session, m_grader};
    CMovieHandling::SDstDesc m_dst;
};

void ExpectLevels(const Bytes& out, int width, const std::function<int(int)>& level, int tolerance, const char* what)
{
    for (size_t i = 0; i < out.size(); ++i)
        ASSERT_NEAR(out[i], level(int(i / 3) % width), tolerance) << what << ", column " << (i / 3) % width;
}
}  // namespace

TEST_F(ExportFrame, FlipsBeforeOrAfterArtefactReductionThenTheGrade)
{
    Negative();
    const auto ramp = [](int x) { return x * 50; }; // 0, 50, …, 250: steps far above the artefact threshold
    const Bytes in = Columns(6, 4, ramp);
    const std::pair<int, bool> cases[] = {{0, false}, {0, true}, {2, true}, {4, true}, {9, false}}; // artefact level, flip
    for (const auto& [artefact, flipX] : cases)
    {
        m_grader.SetArtefactLevel(artefact);
        m_grader.SetFlips(flipX, false);
        const Bytes out = Run(in, {6, 4}, {6, 4});
        ExpectLevels(out, 6, [&, flipX = flipX](int x) { return 255 - ramp(flipX ? 5 - x : x); }, 1, "negative");
    }
    // Vertical mirror after the reduction: rows swap.
    Bytes rows(size_t(2) * 2 * 3, 0);
    std::fill(rows.begin() + 6, rows.end(), 200);
    m_grader.SetArtefactLevel(1);
    m_grader.SetFlips(false, true);
    const Bytes out = Run(rows, {2, 2}, {2, 2});
    EXPECT_NEAR(out[0], 255 - 200, 1);
    EXPECT_NEAR(out[6], 255, 1);
}

TEST_F(ExportFrame, ArtefactReductionFlattensSmallStepsOnly)
{
    // Columns alternate 100/103 (a compression ripple) left, and a hard 20/230 edge right.
    const auto level = [](int x) { return x < 16 ? 100 + 3 * (x % 2) : x < 24 ? 20 : 230; };
    const Bytes in = Columns(32, 16, level);
    m_grader.SetArtefactLevel(4);
    const Bytes out = Run(in, {32, 16}, {32, 16});
    int ripple = 0;
    for (int x = 1; x < 14; ++x)
        ripple += std::abs(int(out[size_t(8 * 32 + x) * 3]) - int(out[size_t(8 * 32 + x + 1) * 3]));
    EXPECT_LT(ripple, 13 * 3 / 2); // was 3 per column
    EXPECT_NEAR(out[size_t(8 * 32 + 20) * 3], 20, 2);
    EXPECT_NEAR(out[size_t(8 * 32 + 28) * 3], 230, 2);
}

TEST_F(ExportFrame, ToneTableBlendAndComparison)
{
    // Tone table, worked out by hand: v = 1 brightens with e = 0.5^1.3 = 0.40613, v = 0 darkens
    // with e = 1.5^1.3 = 1.69402; e.g. trunc((32768 × 1.5259022e-5)^0.40613 × 65535) = 49456.
    const std::tuple<float, int, int> tones[] = {{1.0f, 0, 0},         {1.0f, 1, 725},       {1.0f, 257, 6904},
                                                 {1.0f, 32768, 49456}, {1.0f, 65000, 65317}, {1.0f, 65535, 65535},
                                                 {0.0f, 257, 5},       {0.0f, 32768, 20255}, {0.0f, 65000, 64631}};
    for (const auto& [value, in, out] : tones) // single precision may round the last unit the other way
        EXPECT_NEAR(CExportFrameGrader::ToneTable(value)[size_t(in)], out, 1) << value << " " << in;

    // A frame level of 128 is 32896 in 16 bits, brightened to 49534, whose high byte is 193.
    m_grader.SetToneValue(1.0f);
    Bytes out = Run(Columns(2, 2, [](int) { return 128; }), {2, 2}, {2, 2});
    EXPECT_NEAR(out[0], 193, 1);
    // Levels 1, 8, 24, 64, 255 are 257, 2056, 6168, 16448, 65535 in 16 bits. Within 0.001 of
    // neutral they are untouched; at 0.4985 (e = 1.0015^1.3 = 1.0019504) they darken by a few
    // units to 254, 2042, 6139, 16403, 65535, just enough to drop the first three a level.
    const Bytes levels{1, 8, 24, 64, 255};
    for (const auto& [tone, expected] : {std::pair{0.5005f, levels}, {0.4985f, Bytes{0, 7, 23, 64, 255}}})
    {
        m_grader.SetToneValue(tone);
        out = Run(Columns(5, 1, [&](int x) { return levels[size_t(x)]; }), {5, 1}, {5, 1});
        ExpectLevels(out, 5, [&expected = expected](int x) { return expected[size_t(x)]; }, 0, "tone near neutral");
    }
    m_grader.SetToneValue(0.5f);

    // Blending before the grade: the maximum of two frames, then the negative.
    Negative();
    m_grader.Blend().SetRingSize(2);
    m_grader.Blend().SetMode(3);
    Run(Columns(4, 2, [](int) { return 10; }), {4, 2}, {4, 2}, 0);
    out = Run(Columns(4, 2, [](int) { return 200; }), {4, 2}, {4, 2}, 1);
    ExpectLevels(out, 4, [](int) { return 255 - 200; }, 1, "blended");
    out = Run(Columns(4, 2, [](int) { return 30; }), {4, 2}, {4, 2}, 2);
    ExpectLevels(out, 4, [](int) { return 255 - 200; }, 1, "the ring of two holds 200 and 30, not 10");
    out = Run(Columns(4, 2, [](int) { return 90; }), {4, 2}, {4, 2}, 0); // a new export starts a new ring
    ExpectLevels(out, 4, [](int) { return 255 - 90; }, 1, "new export");

    // No ring: the comparison puts the ungraded picture (40) left of the graded one (215); the two
    // middle columns are the split line, half the level plus half of white: 40 × 257 ÷ 2 + 32767
    // = 37907, whose high byte is 148.
    m_grader.Blend().SetRingSize(1);
    m_grader.Blend().SetComparison(1);
    out = Run(Columns(10, 2, [](int) { return 40; }), {10, 2}, {10, 2});
    ExpectLevels(out, 10, [](int x) { return x == 4 || x == 5 ? 148 : x < 5 ? 40 : 215; }, 1, "half comparison");
}

TEST_F(ExportFrame, WorkingAndDestinationSizes)
{
    // 2 × 2 blocks of one level: halving by area keeps each block's level.
    const auto block = [](int x) { return 30 * (x / 2); };
    const Bytes in = Columns(8, 4, block);
    m_grader.SetWorkingSize({4, 2});
    ExpectLevels(Run(in, {8, 4}, {4, 2}), 4, [&](int x) { return block(2 * x); }, 1, "frame resampled to working size");
    m_grader.SetWorkingSize({});
    ExpectLevels(Run(in, {8, 4}, {4, 2}), 4, [&](int x) { return block(2 * x); }, 1, "result resampled to destination");
    // An odd working size is cropped at the top left to the even destination.
    const auto ramp = [](int x) { return 20 * x; };
    ExpectLevels(Run(Columns(9, 5, ramp), {9, 5}, {8, 4}), 8, ramp, 0, "cropped");
}

TEST_F(ExportDriver, SaveDialogRemembersItsFolder)
{
    QSettings settings(m_dir.filePath("settings.ini"), QSettings::IniFormat);
    CScriptedPrompt prompt;
    prompt.QueueText(m_dir.filePath("clips/graded.avi"));
    prompt.QueueText("");
    EXPECT_EQ(m_driver.AskDestination(prompt, settings, m_dst), m_dir.filePath("clips/graded.avi"));
    EXPECT_EQ(settings.value("lastDialogPath").toString(), m_dir.filePath("clips"));
    EXPECT_EQ(prompt.Log().value(0), "save|Video speichern|" + QStandardPaths::writableLocation(QStandardPaths::MoviesLocation) +
                                         "/Mein Video");
    QDir().mkpath(m_dir.filePath("clips"));
    EXPECT_TRUE(m_driver.AskDestination(prompt, settings, m_dst).isEmpty()); // cancelled: nothing stored
    EXPECT_EQ(prompt.Log().value(1), "save|Video speichern|" + m_dir.filePath("clips") + "/Mein Video");
    EXPECT_EQ(CVideoExportDriver::StartFolder(settings), m_dir.filePath("clips"));
}

TEST_F(ExportDriver, ExportGradesEveryFrameAndRestoresTheEngine)
{
    const QString clip = m_dir.filePath("in.mp4");
    QProcess make;
    make.start("ffmpeg", {"-nostdin", "-v", "error", "-f", "lavfi", "-i", "color=c=0x204060:s=32x18:r=25:d=0.4", "-c:v",
                          "libx264", "-qp", "0", clip});
    ASSERT_TRUE(make.waitForFinished(120000) && make.exitCode() == 0);
    MP_UI_SetLogging(true);
    m_session.Chain().Operators().append(SessionTest::Operator("MP_calcPixelNegative"));
    const std::vector<uint16_t> still(size_t(32) * 18 * 3, 1000);
    ASSERT_TRUE(m_session.SetSource(still.data(), 32, 18));
    CScriptedPrompt prompt;
    prompt.ExpectQuestion("großen Videodatei", IUserPrompt::eYes);
    m_movie.SetPrompt(&prompt);
    QStringList window;
    CLogCapture log;
    const int result = m_driver.Export(clip, m_dir.filePath("out.avi"), m_dst, QSize(32, 18), [&](bool on) {
        window << (on ? "enabled" : "disabled");
        EXPECT_TRUE(MP_UI_GetVideoMode()); // the window comes back before the video mode ends
    });
    ASSERT_EQ(result, 0);
    EXPECT_EQ(window, (QStringList{"disabled", "enabled"}));
    EXPECT_FALSE(MP_UI_GetVideoMode());
    EXPECT_TRUE(MP_UI_GetLogging());
    EXPECT_EQ(MP_UI_GetProgressBarUpdateDelayTime(), 250);
    EXPECT_EQ(m_dst.m_strPath, m_dir.filePath("out"));
    EXPECT_EQ(m_dst.m_iResolution, QSize(32, 18));
    for (const char* line : {"MP: HDRMainWindow::ProcessVideo(", "MP: MasterBuffer: 32x18", "MP: Recover Original Frame"})
        EXPECT_NE(log.Text().find(line), std::string::npos) << line;
    EXPECT_EQ(m_grader.Frames(), 0); // the timing sums were logged and cleared

    // Every frame was graded: the uncompressed result holds the negative of the clip's colour.
    QProcess decode;
    decode.start("ffmpeg", {"-v", "error", "-i", m_dir.filePath("out.avi"), "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    ASSERT_TRUE(decode.waitForFinished(30000));
    const QByteArray frames = decode.readAllStandardOutput();
    ASSERT_EQ(frames.size(), 10 * 32 * 18 * 3);
    for (qsizetype i = 0; i < frames.size(); i += 3)
    {
        ASSERT_NEAR(uint8_t(frames[i]), 255 - 0x20, 2) << i;
        ASSERT_NEAR(uint8_t(frames[i + 2]), 255 - 0x60, 2) << i;
    }
    // The session's own picture came back.
    EXPECT_EQ(m_session.Result().GetSize().width(), 32);
}
