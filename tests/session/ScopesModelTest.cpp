// The scopes model over a preview: it follows the graded picture, the before view and the split;
// requests during a computation collapse into one; only finished preview pictures are drawn;
// views nobody sees are skipped; view settings survive a save and ignore hostile values.
#include "session/PreviewModel.h"
#include "session/ScopesModel.h"
#include "tests/session/SessionTestUtil.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace
{
constexpr int kWidth = 40, kHeight = 30;

class Scopes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MP_UI_SetLogging(false);
        m_preview.SetPreviewLongSide(64);
        CChainEditor editor(m_session.Chain(), COperatorCatalogue::Shared());
        ASSERT_GE(editor.Add("MP_calcPixelNegative"), 0);
        for (int i = 0; i < kWidth * kHeight; ++i)
            m_frame.insert(m_frame.end(), {0x3000, 0xA000, 0x1000}); // graded: 0xCFFF, 0x5FFF, 0xEFFF
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

    CGradingSession m_session;
    CPreviewModel m_preview{m_session};
    CScopesModel m_scopes{m_preview};
    std::vector<uint16_t> m_frame;
};

SScopeSettings Histogram()
{
    SScopeSettings settings;
    settings.eKind = eSK_HISTOGRAM;
    settings.size = QSize(120, 80);
    return settings;
}
}  // namespace

TEST_F(Scopes, FollowTheGradedPictureTheBeforeViewAndTheSplit)
{
    const int view = m_scopes.AddView(Histogram());
    ASSERT_TRUE(m_preview.SetFrame(m_frame.data(), kWidth, kHeight));
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
    m_scopes.AddView(Histogram());
    ASSERT_TRUE(m_preview.SetFrame(m_frame.data(), kWidth, kHeight));
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
    const int view = m_scopes.AddView(Histogram());
    ASSERT_TRUE(m_preview.SetFrame(m_frame.data(), kWidth, kHeight));
    // A second frame while the first computation runs: the scopes end on it.
    std::vector<uint16_t> second = m_frame;
    for (size_t i = 0; i < second.size(); i += 3)
        second[i] = 0x7000; // graded red 0x8FFF
    ASSERT_TRUE(m_preview.SetFrame(second.data(), kWidth, kHeight));
    ASSERT_TRUE(Settle());
    EXPECT_EQ(Red(view, 0x8F), 1200u);

    // The working image being overwritten, as by a grade in progress, is not what a new scope
    // size is drawn from: the last finished picture is.
    auto& result = const_cast<Helper::CRGB48Buffer&>(m_preview.Result());
    std::fill_n(result.GetData(), kWidth * kHeight * 3, uint16_t(0));
    SScopeSettings larger = Histogram();
    larger.size = QSize(200, 100);
    m_scopes.SetSettings(view, larger);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(m_scopes.Scope(view).picture.GetSize(), QSize(200, 100));
    EXPECT_EQ(Red(view, 0x8F), 1200u);
}

TEST_F(Scopes, ViewsNobodySeesAreNotComputed)
{
    const int shown = m_scopes.AddView(Histogram());
    const int hidden = m_scopes.AddView(Histogram());
    const int off = m_scopes.AddView(Histogram());
    m_scopes.SetVisible(hidden, false);
    m_scopes.SetEnabled(off, false);
    EXPECT_FALSE(m_scopes.IsActive(hidden));
    EXPECT_FALSE(m_scopes.IsActive(off));
    ASSERT_TRUE(m_preview.SetFrame(m_frame.data(), kWidth, kHeight));
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
    SScopeSettings settings;
    settings.eKind = eSK_PARADE;
    settings.fGain = 2.5f;
    settings.bLogarithmic = true;
    const int saved = m_scopes.AddView(settings);
    m_scopes.SetEnabled(saved, false);
    m_scopes.SaveView(saved, file, "Dock/m_pLower");

    const int loaded = m_scopes.AddView(SScopeSettings());
    m_scopes.LoadView(loaded, file, "Dock/m_pLower");
    EXPECT_EQ(m_scopes.Settings(loaded).eKind, eSK_PARADE);
    EXPECT_EQ(m_scopes.Settings(loaded).fGain, 2.5f);
    EXPECT_TRUE(m_scopes.Settings(loaded).bLogarithmic);
    EXPECT_FALSE(m_scopes.IsEnabled(loaded));

    for (const auto& [key, value] : {std::pair{"kind", "7"}, {"kind", "-1"}, {"kind", "2x"}, {"gain", "nan"},
                                     {"gain", "1e9"}, {"logarithmic", "maybe"}, {"enabled", "2"}})
    {
        file.setValue(QStringLiteral("Dock/m_pLower/%1").arg(key), value);
        m_scopes.LoadView(loaded, file, "Dock/m_pLower");
        EXPECT_EQ(m_scopes.Settings(loaded).eKind, eSK_PARADE) << key << "=" << value;
        EXPECT_EQ(m_scopes.Settings(loaded).fGain, 2.5f) << key << "=" << value;
        EXPECT_TRUE(m_scopes.Settings(loaded).bLogarithmic) << key << "=" << value;
        EXPECT_FALSE(m_scopes.IsEnabled(loaded)) << key << "=" << value;
        m_scopes.SaveView(saved, file, "Dock/m_pLower"); // the good values back
    }
}
