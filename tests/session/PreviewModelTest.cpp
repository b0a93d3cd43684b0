// The preview model: coalesced refreshes, preview sizes, the graded preview against the session's
// own grade, the full-resolution recalculation, the kept scaled source and a frame reduced while
// decoding; and the scopes model over it: it follows the graded picture, the before view and the
// split; requests during a computation collapse into one; only finished preview pictures are
// drawn; views nobody sees are skipped; view settings survive a save and ignore hostile values.
#include "engine/PostProcessing.h"
#include "session/PreviewModel.h"
#include "session/ScopesModel.h"
#include "tests/session/SessionTestUtil.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace
{
using SessionTest::Pixels;

std::vector<uint16_t> Uniform(int width, int height, uint16_t r, uint16_t g, uint16_t b)
{
    std::vector<uint16_t> image(size_t(width) * height * 3);
    for (size_t i = 0; i < image.size(); i += 3)
        image[i] = r, image[i + 1] = g, image[i + 2] = b;
    return image;
}

/// Calls back into the model while the grade runs, as a progress window pumping events would.
class CReentrantObserver : public IProcessObserver
{
public:
    explicit CReentrantObserver(CPreviewModel& model) : m_model(model) {}
    void CalculationStarted() override
    {
        if (m_iCalls++ > 0)
            return;
        m_model.RequestUpdate();
        EXPECT_FALSE(m_model.UpdateNow()); // refused while a grade runs
        m_model.RequestUpdate();
    }
    void RefreshViews() override {}
    CPreviewModel& m_model;
    int m_iCalls = 0;
};

class Preview : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MP_UI_SetLogging(false);
        m_model.SetPreviewLongSide(64);
    }
    void AddNegative() { ASSERT_GE(SessionTest::AddOperator(m_session, "MP_calcPixelNegative"), 0); }
    CGradingSession m_session;
    CPreviewModel m_model{m_session};
};
}  // namespace

TEST_F(Preview, RequestsCoalesceBeforeTheLoopTurnsAndDuringARun)
{
    const std::vector<uint16_t> frame = TestImages::Noise(96, 48, 3);
    int updated = 0;
    QObject::connect(&m_model, &CPreviewModel::updated, [&updated] { ++updated; });
    ASSERT_TRUE(m_model.SetFrame(frame.data(), 96, 48));
    EXPECT_EQ(m_model.RunCount(), 1);
    EXPECT_EQ(updated, 1);

    for (int i = 0; i < 4; ++i)
        m_model.RequestUpdate();
    EXPECT_EQ(m_model.RunCount(), 1); // nothing runs before the loop turns
    QCoreApplication::processEvents();
    EXPECT_EQ(m_model.RunCount(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_model.RunCount(), 2);
    EXPECT_EQ(updated, 2);

    // A direct refresh covers a queued request: the queued one then has nothing to do.
    m_model.RequestUpdate();
    ASSERT_TRUE(m_model.UpdateNow());
    QCoreApplication::processEvents();
    EXPECT_EQ(m_model.RunCount(), 3);

    // Requests made while a grade runs collapse into one run after it.
    CReentrantObserver observer(m_model);
    m_session.SetObserver(&observer);
    AddNegative(); // an operator, so the run reports its start
    ASSERT_TRUE(m_model.UpdateNow());
    m_session.SetObserver(nullptr);
    EXPECT_EQ(m_model.RunCount(), 5); // the direct run and one run for all three requests
    QCoreApplication::processEvents();
    EXPECT_EQ(m_model.RunCount(), 5);
}

TEST_F(Preview, PreviewSizeFitsTheLongSideAndNeverEnlarges)
{
    EXPECT_EQ(PreviewSizeFor(QSize(1920, 1080), 1280), QSize(1280, 720));
    EXPECT_EQ(PreviewSizeFor(QSize(1080, 1920), 1280), QSize(720, 1280));
    EXPECT_EQ(PreviewSizeFor(QSize(100, 33), 64), QSize(64, 21));
    EXPECT_EQ(PreviewSizeFor(QSize(1, 500), 64), QSize(1, 64)); // never thinner than a pixel

    struct SCase { QSize frame, preview; double scale; };
    for (const SCase& c : {SCase{{192, 108}, {64, 36}, 64.0 / 192}, SCase{{108, 192}, {36, 64}, 64.0 / 192},
                           SCase{{50, 40}, {50, 40}, 1.0}, SCase{{64, 64}, {64, 64}, 1.0}})
    {
        const std::vector<uint16_t> frame = TestImages::Noise(c.frame.width(), c.frame.height(), 5);
        ASSERT_TRUE(m_model.SetFrame(frame.data(), c.frame.width(), c.frame.height()));
        EXPECT_EQ((QList<QSize>{m_model.FrameSize(), m_model.PreviewSize(), m_model.Graded().size(), m_model.Original().size()}),
                  (QList<QSize>{c.frame, c.preview, c.preview, c.preview}));
        EXPECT_EQ(m_model.Graded().format(), QImage::Format_RGB32);
        EXPECT_DOUBLE_EQ(m_model.Scale(), c.scale);
    }

    // A smaller preview side regrades on the next loop turn.
    m_model.SetPreviewLongSide(32);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_model.Graded().size(), QSize(32, 32));
    EXPECT_DOUBLE_EQ(m_model.Scale(), 0.5);
}

TEST_F(Preview, GradedPreviewIsTheKernelOnTheScaledFrame)
{
    AddNegative();
    // 128 × 64 → 64 × 32: every preview pixel is the rounded mean of a 2 × 2 block.
    const std::vector<uint16_t> frame = TestImages::Noise(128, 64, 9);
    ASSERT_TRUE(m_model.SetFrame(frame.data(), 128, 64));
    const std::vector<uint16_t> graded = Pixels(m_model.Result());
    ASSERT_EQ(graded.size(), size_t(64 * 32 * 3));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            for (int c = 0; c < 3; ++c)
            {
                uint32_t sum = 0;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        sum += frame[(size_t(2 * y + dy) * 128 + 2 * x + dx) * 3 + c];
                const int scaled = int((sum + 2) / 4);
                const int got = graded[(size_t(y) * 64 + x) * 3 + c];
                ASSERT_LE(std::abs(got - (65535 - scaled)), 1) << x << "," << y << "," << c;
                // The display pictures hold the high bytes of the graded and the scaled frame.
                const QRgb shown = m_model.Graded().pixel(x, y), before = m_model.Original().pixel(x, y);
                const int shift = 16 - 8 * c;
                ASSERT_EQ(int((shown >> shift) & 0xFF), got >> 8);
                ASSERT_EQ(int((before >> shift) & 0xFF), scaled >> 8);
            }

    // The session's own grade at that working size gives the same picture.
    CGradingSession reference;
    reference.Chain().Operators() = m_session.Chain().Operators();
    ASSERT_TRUE(reference.SetSource(frame.data(), 128, 64, QSize(64, 32)));
    ASSERT_TRUE(reference.Grade());
    EXPECT_EQ(Pixels(reference.Result()), graded);
}

TEST_F(Preview, FullResolutionRecalculationAndBackKeepTheScaledSource)
{
    AddNegative();
    const std::vector<uint16_t> frame = TestImages::Noise(160, 80, 6);
    ASSERT_TRUE(m_model.SetFrame(frame.data(), 160, 80));
    EXPECT_DOUBLE_EQ(m_model.Scale(), 0.4);
    const int afterFrame = m_session.ResampleCount();
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(m_model.UpdateNow());
    EXPECT_EQ(m_session.ResampleCount(), afterFrame); // slider changes reuse the scaled frame

    // A full-size grade reads the source itself and leaves the scaled copy in place.
    ASSERT_TRUE(m_model.RecalculateFullResolution());
    EXPECT_DOUBLE_EQ(m_model.Scale(), 1.0);
    EXPECT_EQ(m_model.Result().GetSize(), QSize(160, 80));
    EXPECT_EQ(m_model.Graded().size(), QSize(160, 80));
    EXPECT_EQ(m_model.Original().size(), QSize(160, 80));
    const std::vector<uint16_t> full = Pixels(m_model.Result());
    for (size_t i = 0; i < full.size(); ++i)
        ASSERT_LE(std::abs(int(full[i]) - (65535 - int(frame[i]))), 1) << i;

    ASSERT_TRUE(m_model.UpdateNow());
    EXPECT_EQ(m_session.ResampleCount(), afterFrame);
    EXPECT_EQ(m_model.Graded().size(), QSize(64, 32));
    EXPECT_EQ(m_model.Original().size(), QSize(64, 32));
    EXPECT_DOUBLE_EQ(m_model.Scale(), 0.4);
}

TEST_F(Preview, ScaledSourceIsRemadeWhenTheSourceOrTheSizeChanges)
{
    AddNegative();
    const std::vector<uint16_t> first = Uniform(128, 64, 0x1000, 0x2000, 0x3000);
    const std::vector<uint16_t> second = Uniform(128, 64, 0x4000, 0x5000, 0x6000);
    ASSERT_TRUE(m_model.SetFrame(first.data(), 128, 64));
    const int afterFrame = m_session.ResampleCount();

    // A new frame of the same size is scaled again and shown, not the old one.
    ASSERT_TRUE(m_model.SetFrame(second.data(), 128, 64));
    EXPECT_EQ(m_session.ResampleCount(), afterFrame + 1);
    EXPECT_EQ(Pixels(m_model.Result())[0], 65535 - 0x4000);
    EXPECT_EQ(qRed(m_model.Original().pixel(0, 0)), 0x40);

    // Another preview size is scaled again.
    m_model.SetPreviewLongSide(32);
    ASSERT_TRUE(m_model.UpdateNow());
    EXPECT_EQ(m_session.ResampleCount(), afterFrame + 2);
    EXPECT_EQ(m_model.Result().GetSize(), QSize(32, 16));

    // The session on its own: a new working size, then a new source, each invalidate the copy.
    CGradingSession session;
    ASSERT_TRUE(session.SetSource(first.data(), 128, 64, QSize(32, 16)));
    ASSERT_TRUE(session.Grade());
    ASSERT_TRUE(session.Grade());
    EXPECT_EQ(session.ResampleCount(), 1);
    session.SetWorkingSize(QSize(64, 32));
    ASSERT_TRUE(session.Grade());
    EXPECT_EQ(session.ResampleCount(), 2);
    EXPECT_EQ(session.Result().GetSize(), QSize(64, 32));
    ASSERT_TRUE(session.SetSource(second.data(), 128, 64, QSize(64, 32)));
    ASSERT_TRUE(session.Grade());
    EXPECT_EQ(session.ResampleCount(), 3);
    EXPECT_EQ(Pixels(session.Result())[0], 0x4000);
}

TEST_F(Preview, ShownMaskIsTheSelectionAfterItsEntryAsAGreyPicture)
{
    // Red share mask, then the negative. Left half red, right half grey.
    CChainEditor editor(m_session.Chain(), COperatorCatalogue::Shared());
    ASSERT_EQ(editor.Add("MP_calcPixelMaskChannelR"), 0);
    AddNegative();
    std::vector<uint16_t> frame = Uniform(64, 32, 30000, 30000, 30000);
    for (size_t i = 0; i < frame.size(); i += 3)
        if ((i / 3) % 64 < 32)
            frame[i] = 60000, frame[i + 1] = frame[i + 2] = 6000;
    ASSERT_TRUE(m_model.SetFrame(frame.data(), 64, 32));
    auto pixel = [&](int x) {
        const std::vector<uint16_t> result = Pixels(m_model.Result());
        return std::vector<uint16_t>(result.begin() + (10 * 64 + x) * 3, result.begin() + (10 * 64 + x) * 3 + 3);
    };
    using V = std::vector<uint16_t>;
    for (const int entry : {0, 1}) // after the mask and after the negative the mask is the same
    {
        m_model.SetShownMask(entry);
        ASSERT_TRUE(m_model.UpdateNow());
        EXPECT_EQ(pixel(5), (V{65535, 65535, 65535})) << entry;
        EXPECT_EQ(pixel(50), (V{0, 0, 0})) << entry;
    }
    m_model.SetShownMask(-1);
    ASSERT_TRUE(m_model.UpdateNow());
    EXPECT_EQ(pixel(50), (V{30000, 30000, 30000}));
    // The masked blend at a full selection keeps 1/16384 of the red: 5535 × 16383/16384 + 60000/16384.
    EXPECT_EQ(pixel(5)[0], 5538);

    // Without a mask operator before it the whole picture is selected: white.
    editor.Remove(0);
    m_model.SetShownMask(0);
    ASSERT_TRUE(m_model.UpdateNow());
    EXPECT_EQ(pixel(50), (V{65535, 65535, 65535}));
}

TEST_F(Preview, FrameReducedWhileDecodingIsGradedWithoutResampling)
{
    m_model.SetPreviewLongSide(2);
    const uint16_t frame[4 * 2 * 3] = {}; // 4×2 black
    const uint16_t reduced[2 * 1 * 3] = {1000, 2000, 3000, 4000, 5000, 6000};
    ASSERT_TRUE(m_model.SetFrame(frame, 4, 2, reduced, QSize(2, 1)));
    EXPECT_EQ(m_session.ResampleCount(), 0);
    EXPECT_EQ(Pixels(m_model.Result()), std::vector<uint16_t>(reduced, reduced + 6));
    // A copy of another size is not the preview: the frame is reduced as always.
    ASSERT_TRUE(m_model.SetFrame(frame, 4, 2, reduced, QSize(1, 2)));
    EXPECT_EQ(m_session.ResampleCount(), 1);
    EXPECT_EQ(Pixels(m_model.Result())[0], 0);
}

namespace
{
constexpr int kWidth = 40, kHeight = 30;

// The scopes over the preview of a negative.
class Scopes : public Preview
{
protected:
    void SetUp() override
    {
        Preview::SetUp();
        AddNegative();
    }
    /// Lets the worker finish and its results arrive.
    bool Settle()
    {
        const QDeadlineTimer deadline(20000);
        while (m_scopes.IsBusy() && !deadline.hasExpired())
        {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(1);
        }
        return !m_scopes.IsBusy();
    }
    uint32_t Red(int view, int bin) { return m_scopes.Scope(view).counts.grids.at(0).at(size_t(bin)); }

    CScopesModel m_scopes{m_model};
    std::vector<uint16_t> m_frame = Uniform(kWidth, kHeight, 0x3000, 0xA000, 0x1000); // graded: 0xCFFF, 0x5FFF, 0xEFFF
};

const SScopeSettings kHistogram{.eKind = eSK_HISTOGRAM, .size = QSize(120, 80)};
}  // namespace

TEST_F(Scopes, FollowTheGradedPictureTheBeforeViewAndTheSplit)
{
    const int view = m_scopes.AddView(kHistogram);
    ASSERT_TRUE(m_model.SetFrame(m_frame.data(), kWidth, kHeight));
    ASSERT_TRUE(Settle());
    EXPECT_EQ(Red(view, 0xCF), 1200u);
    EXPECT_EQ(m_scopes.Scope(view).picture.GetSize(), QSize(120, 80));

    m_scopes.SetSource(CScopesModel::eOriginal);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(Red(view, 0x30), 1200u);

    // A quarter of the columns original, the rest graded.
    m_scopes.SetSource(CScopesModel::eSplit, 0.25);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(Red(view, 0x30), 300u);
    EXPECT_EQ(Red(view, 0xCF), 900u);
}

TEST_F(Scopes, RequestsDuringAComputationCollapseIntoOne)
{
    m_scopes.AddView(kHistogram);
    ASSERT_TRUE(m_model.SetFrame(m_frame.data(), kWidth, kHeight));
    const int before = m_scopes.Computations();
    // The first computation cannot report before the event loop turns, so all of these arrive
    // while it runs.
    for (int i = 0; i < 20; ++i)
        m_scopes.RequestUpdate();
    ASSERT_TRUE(Settle());
    EXPECT_EQ(m_scopes.Computations() - before, 2);
}

TEST_F(Scopes, OnlyFinishedPreviewPicturesAreSeen)
{
    const int view = m_scopes.AddView(kHistogram);
    ASSERT_TRUE(m_model.SetFrame(m_frame.data(), kWidth, kHeight));
    // A second frame while the first computation runs: the scopes end on it.
    std::vector<uint16_t> second = m_frame;
    for (size_t i = 0; i < second.size(); i += 3)
        second[i] = 0x7000; // graded red 0x8FFF
    ASSERT_TRUE(m_model.SetFrame(second.data(), kWidth, kHeight));
    ASSERT_TRUE(Settle());
    EXPECT_EQ(Red(view, 0x8F), 1200u);

    // The working image being overwritten, as by a grade in progress, is not what a new scope
    // size is drawn from: the last finished picture is.
    auto& result = const_cast<Helper::CRGB48Buffer&>(m_model.Result());
    std::fill_n(result.GetData(), kWidth * kHeight * 3, uint16_t(0));
    SScopeSettings larger = kHistogram;
    larger.size = QSize(200, 100);
    m_scopes.SetSettings(view, larger);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(m_scopes.Scope(view).picture.GetSize(), QSize(200, 100));
    EXPECT_EQ(Red(view, 0x8F), 1200u);
}

TEST_F(Scopes, ViewsNobodySeesAreNotComputed)
{
    const int shown = m_scopes.AddView(kHistogram);
    const int hidden = m_scopes.AddView(kHistogram);
    const int off = m_scopes.AddView(kHistogram);
    m_scopes.SetVisible(hidden, false);
    m_scopes.SetEnabled(off, false);
    EXPECT_FALSE(m_scopes.IsActive(hidden));
    EXPECT_FALSE(m_scopes.IsActive(off));
    ASSERT_TRUE(m_model.SetFrame(m_frame.data(), kWidth, kHeight));
    ASSERT_TRUE(Settle());
    EXPECT_EQ(m_scopes.Scope(shown).counts.iPixels, 1200u);
    EXPECT_EQ(m_scopes.Scope(hidden).counts.iPixels, 0u);
    EXPECT_EQ(m_scopes.Scope(off).counts.iPixels, 0u);

    // Shown again: computed from the current picture without a new grade.
    m_scopes.SetVisible(hidden, true);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(Red(hidden, 0xCF), 1200u);
}

TEST_F(Scopes, ViewSettingsRoundTripAndIgnoreHostileValues)
{
    QTemporaryDir dir;
    QSettings file(dir.filePath("scopes.ini"), QSettings::IniFormat);
    const SScopeSettings settings{.eKind = eSK_PARADE, .fGain = 2.5f, .bLogarithmic = true};
    const int saved = m_scopes.AddView(settings);
    m_scopes.SetEnabled(saved, false);
    m_scopes.SaveView(saved, file, "Dock/m_pLower");

    const int loaded = m_scopes.AddView(SScopeSettings());
    m_scopes.LoadView(loaded, file, "Dock/m_pLower");
    EXPECT_TRUE(m_scopes.Settings(loaded) == settings);
    EXPECT_FALSE(m_scopes.IsEnabled(loaded));

    for (const auto& [key, value] : {std::pair{"kind", "7"}, {"kind", "-1"}, {"kind", "2x"}, {"gain", "nan"},
                                     {"gain", "1e9"}, {"logarithmic", "maybe"}, {"enabled", "2"}})
    {
        file.setValue(QStringLiteral("Dock/m_pLower/%1").arg(key), value);
        m_scopes.LoadView(loaded, file, "Dock/m_pLower");
        EXPECT_TRUE(m_scopes.Settings(loaded) == settings) << key << "=" << value;
        EXPECT_FALSE(m_scopes.IsEnabled(loaded)) << key << "=" << value;
        m_scopes.SaveView(saved, file, "Dock/m_pLower"); // the good values back
    }
}
