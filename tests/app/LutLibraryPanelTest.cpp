// The library controls offscreen: the list and its buttons, previous/next reference pictures with
// wrap-around, the failure message of a broken cube file, and the browser window's grid.
#include "AppTestSupport.h"

#include "app/LutBrowserWindow.h"
#include "app/LutLibraryPanel.h"
#include "lut/CubeFile.h"
#include "lut/LutLibrary.h"
#include "session/LutBrowse.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace
{
class LutPanel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_settings = std::make_unique<QSettings>(m_home.Path() + "/settings.ini", QSettings::IniFormat);
        m_library = std::make_unique<CLutLibrary>();
        m_library->SetSettings(m_settings.get());
        m_panel = std::make_unique<LutLibraryPanel>(*m_library, m_session, m_prompt);
        m_panel->resize(320, 260);
    }
    template <class T> T* Child(const char* name) { return m_panel->findChild<T*>(name); }
    void Click(const char* name)
    {
        QToolButton* button = Child<QToolButton>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    CTempHome m_home;
    std::unique_ptr<QSettings> m_settings;
    CScriptedPrompt m_prompt;
    CGradingSession m_session;
    std::unique_ptr<CLutLibrary> m_library;
    std::unique_ptr<LutLibraryPanel> m_panel;
};
}  // namespace

TEST_F(LutPanel, ListAndButtonsFollowTheLibrary)
{
    QComboBox* combo = Child<QComboBox>("m_pLUTComboBox");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "LUT einstellbar");
    EXPECT_FALSE(Child<QToolButton>("m_pLUTAddDatabaseButton")->isEnabled());
    EXPECT_FALSE(Child<QToolButton>("m_pLUTDelDatabaseButton")->isEnabled());

    QSignalSpy changed(m_panel.get(), &LutLibraryPanel::lutChanged);
    m_session.Lut().CreateIdentity(3, "Cool");
    m_panel->refresh();
    ASSERT_TRUE(Child<QToolButton>("m_pLUTAddDatabaseButton")->isEnabled());
    m_prompt.QueueText("Cool");
    Click("m_pLUTAddDatabaseButton");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), "Cool");
    EXPECT_TRUE(Child<QToolButton>("m_pLUTDelDatabaseButton")->isEnabled());
    EXPECT_EQ(changed.count(), 0); // adding changes nothing in the picture

    // Choosing index 0 keeps the LUT; choosing the entry reads it.
    m_session.Lut().SetTitle("edited");
    combo->setCurrentIndex(0);
    EXPECT_EQ(m_session.Lut().Title(), "edited");
    EXPECT_FALSE(Child<QToolButton>("m_pLUTDelDatabaseButton")->isEnabled());
    combo->setCurrentIndex(2);
    EXPECT_EQ(m_session.Lut().Title(), "Cool");
    EXPECT_EQ(changed.count(), 1);

    Click("m_pLUTDelDatabaseButton");
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(m_session.Lut().Size(), 3);

    // Browsing an empty library only tells so.
    Click("m_pLUTBrowserButton");
    EXPECT_EQ(m_prompt.Log().last(), "information|kein LUT vorhanden|Es sind keine LUT Stile gespeichert.");
}

TEST_F(LutPanel, PreviousAndNextPictureWrapAround)
{
    QTemporaryDir pictures;
    ASSERT_TRUE(SaveFlatPicture(pictures.filePath("a.png"), 24, 16, 60000, 1000, 1000));
    ASSERT_TRUE(SaveFlatPicture(pictures.filePath("b.png"), 24, 16, 1000, 60000, 1000));
    ASSERT_TRUE(SaveFlatPicture(pictures.filePath("c.png"), 24, 16, 1000, 1000, 60000));
    EXPECT_FALSE(Child<QToolButton>("m_pLUTNextImageButton")->isEnabled());

    Click("m_pLUTSize25Button");
    Click("m_pLUTType1Button");
    EXPECT_EQ(m_panel->Method(), 1);
    QSignalSpy changed(m_panel.get(), &LutLibraryPanel::lutChanged);
    m_prompt.QueueText(pictures.filePath("b.png"));
    Click("m_pLUTLoadFromImageButton");
    EXPECT_TRUE(m_prompt.Log().last().startsWith("open|Bild einladen|"));
    EXPECT_EQ(m_session.Lut().Size(), 25);
    EXPECT_EQ(m_session.Lut().Title(), "b");
    EXPECT_EQ(changed.count(), 1);
    QLabel* label = Child<QLabel>("m_pLUTPictureLabel");
    EXPECT_FALSE(label->pixmap().isNull());
    EXPECT_TRUE(Child<QToolButton>("m_pLUTNextImageButton")->isEnabled());

    // Parameters survive stepping (no clear), and the steps wrap at both ends.
    m_session.Lut().SetParameter(eLP_CONTRAST, 0.8f);
    Click("m_pLUTNextImageButton");
    EXPECT_EQ(m_session.Lut().Title(), "c");
    Click("m_pLUTNextImageButton");
    EXPECT_EQ(m_session.Lut().Title(), "a");
    Click("m_pLUTPrevImageButton");
    EXPECT_EQ(m_session.Lut().Title(), "c");
    Click("m_pLUTPrevImageButton");
    EXPECT_EQ(m_session.Lut().Title(), "b");
    EXPECT_EQ(m_session.Lut().Parameters()[eLP_CONTRAST], 0.8f);
    EXPECT_EQ(changed.count(), 5);
    EXPECT_EQ(m_session.Lut().ReferencePicturePath(), pictures.filePath("b.png"));

    // A new "LUT from Image" clears first, even when the dialog is then cancelled.
    m_prompt.QueueText("");
    Click("m_pLUTLoadFromImageButton");
    EXPECT_EQ(m_session.Lut().Size(), 0);
    EXPECT_TRUE(label->isHidden());
}

TEST_F(LutPanel, BrokenCubeFileShowsTheFailureMessage)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.cube");
    ASSERT_TRUE(WriteFile(broken, "LUT_3D_SIZE 300\n0 0 0\n"));
    m_session.Lut().CreateIdentity(4, "before");

    m_prompt.QueueText(broken);
    Click("m_pLUTLoadFromFileButton");
    EXPECT_EQ(m_prompt.Log().last(), "information|" + CubeFile::FailureTitle() + "|" + CubeFile::FailureText(broken, 300));
    EXPECT_EQ(m_session.Lut().Size(), 0);
    EXPECT_FALSE(Child<QToolButton>("m_pLUTSaveButton")->isEnabled());
}

TEST_F(LutPanel, BrowserGridShowsEveryEntryAndPreselects)
{
    QDir().mkpath(m_library->Folder());
    for (const auto& [name, value] : {std::pair{"Dark", 0.2f}, std::pair{"Light", 0.8f}})
    {
        std::vector<float> lattice(2 * 2 * 2 * 3, value);
        ASSERT_TRUE(CubeFile::WriteFile(m_library->Folder() + name + ".cube", lattice.data(), 2, name));
    }
    m_library->Fill();
    ASSERT_TRUE(m_library->FindAndSetCurrent("Light"));
    std::vector<uint16_t> frame(size_t(64) * 48 * 3, 30000);
    ASSERT_TRUE(m_session.SetSource(frame.data(), 64, 48));

    CLutLibraryBrowse browse(*m_library, m_session);
    LutBrowserWindow window(browse, "LUT Database", "Create Images: ");
    window.Render();
    ASSERT_EQ(window.Grid()->count(), 2);
    EXPECT_EQ(window.Grid()->item(0)->text(), "Dark");
    EXPECT_EQ(window.SelectedPosition(), 1);
    const QImage icon = window.Grid()->item(0)->icon().pixmap(64, 64).toImage();
    EXPECT_NEAR(qRed(icon.pixel(icon.width() / 2, icon.height() / 2)), 51, 2);
}
