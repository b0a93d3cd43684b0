// The thumbnail browsers: one graded thumbnail per library entry or layer mode, stopping through
// the engine's stop request, the preselected position, cancel and choose.
#include "lut/CubeFile.h"
#include "lut/LutLibrary.h"
#include "session/LutBrowse.h"
#include "tests/session/SessionTestUtil.h"

#include <memory>

namespace
{
class LutBrowse : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MP_UI_SetStopRequest(false);
        const QString folder = CLutLibrary::DefaultFolder();
        QDir().mkpath(folder);
        // Three flat LUTs: every point black, mid grey, white.
        for (const auto& [name, value] : {std::pair{"Black", 0.f}, std::pair{"Grey", 0.5f}, std::pair{"White", 1.f}})
        {
            std::vector<float> lattice(2 * 2 * 2 * 3, value);
            ASSERT_TRUE(CubeFile::WriteFile(folder + name + ".cube", lattice.data(), 2, QString(name) + " title"));
        }
        m_library = std::make_unique<CLutLibrary>();
        std::vector<uint16_t> source(size_t(700) * 300 * 3, 20000);
        ASSERT_TRUE(m_session.SetSource(source.data(), 700, 300));
    }
    void TearDown() override { MP_UI_SetStopRequest(false); }

    static int Red(const CThumbnailBrowse::SThumbnail& thumbnail) { return thumbnail.rgb.at(0); }

    CTempHome m_home;
    std::unique_ptr<CLutLibrary> m_library;
    CGradingSession m_session;
};
}  // namespace

TEST_F(LutBrowse, LibraryThumbnailsCancelAndChoose)
{
    ASSERT_TRUE(m_library->FindAndSetCurrent("Grey"));
    m_session.Lut().CreateIdentity(4, "current");
    CLutLibraryBrowse browse(*m_library, m_session);
    EXPECT_EQ(browse.Preselected(), 1);
    EXPECT_EQ(m_session.Lut().Size(), 0); // cleared before rendering
    EXPECT_EQ(m_library->CurrentIndex(), 0);

    std::vector<float> reported;
    browse.RenderAll([&](float f) { reported.push_back(f); });
    EXPECT_EQ(reported, (std::vector<float>{1.f / 3, 2.f / 3, 1.f}));
    ASSERT_EQ(browse.Thumbnails().size(), 3u);
    EXPECT_EQ(QStringList({browse.Thumbnails()[0].sName, browse.Thumbnails()[2].sName}), QStringList({"Black", "White"}));
    EXPECT_EQ(Red(browse.Thumbnails()[0]), 0);
    EXPECT_NEAR(Red(browse.Thumbnails()[1]), 127, 1);
    EXPECT_EQ(Red(browse.Thumbnails()[2]), 255);
    // 700 × 300 sampled by 3 stays within the thumbnail side.
    EXPECT_EQ(browse.Thumbnails()[0].size, QSize(233, 100));
    EXPECT_EQ(browse.Thumbnails()[0].rgb.size(), size_t(233 * 100 * 3));

    // Cancelled: the last entry read stays loaded.
    browse.Cancel();
    EXPECT_EQ(m_session.Lut().Title(), "White title");
    EXPECT_EQ(m_library->CurrentIndex(), 4);

    browse.Choose(0);
    EXPECT_EQ(m_session.Lut().Title(), "Black title");
    EXPECT_EQ(m_library->CurrentIndex(), 2);
    EXPECT_EQ(const_cast<Helper::CRGB48Buffer&>(m_session.Result()).GetData()[0], 0);
}

TEST_F(LutBrowse, StopRequestEndsRendering)
{
    CLutLibraryBrowse browse(*m_library, m_session);
    EXPECT_EQ(browse.Preselected(), -1);
    ASSERT_TRUE(browse.RenderNext());
    MP_UI_SetStopRequest(true); // what Escape does while the browser renders
    EXPECT_FALSE(browse.RenderNext());
    EXPECT_TRUE(browse.Stopped() && browse.Finished());
    EXPECT_EQ(browse.Thumbnails().size(), 1u);
    MP_UI_SetStopRequest(false);
    EXPECT_FALSE(browse.RenderNext()); // a stopped browse stays stopped
    EXPECT_EQ(m_session.Lut().Title(), "Black title");
}

TEST_F(LutBrowse, LayerModes)
{
    ASSERT_TRUE(m_library->Select(4, m_session.Lut())); // the white LUT
    m_session.Lut().SetLayerMode(2);
    // Mode 2 keeps the darker of LUT colour and pixel: the source grey.
    CLayerModeBrowse browse(m_session, {{0, "Normal"}, {1, "Aufhellen"}, {2, "Abdunkeln"}});
    EXPECT_EQ(browse.Preselected(), 2);
    browse.RenderAll();
    ASSERT_EQ(browse.Thumbnails().size(), 3u);
    EXPECT_EQ((std::vector<int>{Red(browse.Thumbnails()[0]), Red(browse.Thumbnails()[1]), Red(browse.Thumbnails()[2])}),
              (std::vector<int>{255, 255, 20000 >> 8}));
    EXPECT_EQ(browse.Thumbnails()[2].sName, "Abdunkeln");

    browse.Cancel();
    EXPECT_EQ(m_session.Lut().LayerMode(), 2);
    browse.Choose(1);
    EXPECT_EQ(browse.ChosenMode(), 1);
    EXPECT_EQ(m_session.Lut().Title(), "White title"); // the LUT itself is not touched
}
