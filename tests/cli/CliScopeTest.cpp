// vantrope-cli scope: a clip frame's scope equals the scope of the same frame taken out with
// `frame`, and the refusals (one line on standard error, nothing written).
#include "tests/cli/CliRun.h"
#include "tests/support/SyntheticImages.h"

using CliScope = CCliTest;

TEST_F(CliScope, ClipFrameScopeEqualsTheScopeOfTheExtractedFrame)
{
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "testsrc2=s=96x54:r=25:d=1", "-c:v", "libx264", "-pix_fmt", "yuv420p", Path("clip.mp4")}));
    const SCliRun frame = RunCli({"frame", Path("clip.mp4"), "--at", "400", "--out", Path("frame.ppm")});
    ASSERT_EQ(frame.code, 0) << frame.err.toStdString();
    for (const char* kind : {"vectorscope", "parade"})
    {
        const QStringList args{"--kind", kind, "--size", "200x150"};
        const SCliRun fromFrame = RunCli(QStringList{"scope", Path("frame.ppm"), Path("a.png")} + args);
        const SCliRun fromClip = RunCli(QStringList{"scope", Path("clip.mp4"), Path("b.tiff"), "--at", "400"} + args);
        ASSERT_EQ(fromFrame.code, 0) << fromFrame.err.toStdString();
        ASSERT_EQ(fromClip.code, 0) << fromClip.err.toStdString();
        QSize sizeA, sizeB;
        const std::vector<uint16_t> a = Load("a.png", &sizeA), b = Load("b.tiff", &sizeB);
        EXPECT_EQ(sizeA, QSize(200, 150));
        EXPECT_EQ(a, b) << kind;
        // A test picture's colours draw traces: many pixels differ from the background corner.
        EXPECT_GT(std::count_if(a.begin(), a.end(), [&](uint16_t v) { return v != a[0]; }), 1000) << kind;
    }
}

TEST_F(CliScope, RefusalsWriteNothing)
{
    SaveImage("in.png", TestImages::Noise(20, 10, 9), 20, 10);
    const struct
    {
        QStringList args;
        int code;
        const char* message;
    } cases[] = {
        {{Path("in.png"), Path("out.png")}, 2, "usage: scope IN OUT"},
        {{Path("in.png"), Path("out.png"), "--kind", "waveforms"}, 2, "unknown scope 'waveforms'"},
        {{Path("in.png"), Path("out.png"), "--kind", "parade", "--size", "10x10"}, 2, "bad size '10x10'"},
        {{Path("in.png"), Path("out.png"), "--kind", "parade", "--gain", "nan"}, 2, "bad gain 'nan'"},
        {{Path("in.png"), Path("out.txt"), "--kind", "parade"}, 2, "does not end in an image format"},
        {{Path("in.png"), Path("out.png"), "--kind", "parade", "--at", "-5"}, 2, "bad position '-5'"},
        {{Path("missing.png"), Path("out.png"), "--kind", "parade"}, 1, "cannot read"},
        {{Path("in.png"), Path("no/such/folder/out.png"), "--kind", "parade"}, 1, "cannot write"},
    };
    for (const auto& c : cases)
        ExpectRefusal(QStringList{"scope"} + c.args, c.code, c.message);
}
