// The LUT panel of the post-processing dock: what is enabled and shown with and without a LUT,
// the expanders and group resets, new and reset with the confirmation option, the library
// controls' place, and the dock's widget state written and read back.
#include "DockTestSupport.h"

#include "app/LutBrowserWindow.h"
#include "app/dock/FilmTypePanel.h"
#include "app/dock/HDRPostProcessingDockWidget.h"
#include "app/dock/LutPanel.h"
#include "app/dock/OperatorListView.h"
#include "engine/LayerModes.h"
#include "session/GradingSession.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempHome.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace
{
class DockLutPanel : public CDockTest
{
protected:
    DockLutPanel() : CDockTest(false) {}

    CLutPanel* m_panel = m_dock->LutPanel();
    bool Shown(QWidget* w) const { return w->isVisibleTo(m_panel); }
};
}  // namespace

TEST_F(DockLutPanel, WithoutALutOnlyNewIsOffered)
{
    EXPECT_EQ(m_session.Lut().Size(), 0);
    EXPECT_TRUE(m_panel->CreateNewButton()->isEnabled());
    EXPECT_FALSE(m_panel->ActiveButton()->isEnabled());
    EXPECT_FALSE(m_panel->LayerComboBox()->isEnabled());
    EXPECT_FALSE(m_panel->ResetButton()->isEnabled());
    EXPECT_FALSE(Shown(m_panel->Slider(eLP_SATURATION)));
    EXPECT_EQ(m_panel->TitleLabel()->text(), QStringLiteral("Kein LUT geladen"));
}

TEST_F(DockLutPanel, NewLutShowsGroupsAndSlidersDriveTheParameters)
{
    m_panel->CreateNewButton()->click();
    EXPECT_EQ(m_session.Lut().Size(), 32);
    EXPECT_EQ(m_updates.count(), 1);
    EXPECT_TRUE(m_panel->ActiveButton()->isEnabled());
    EXPECT_TRUE(m_panel->ActiveButton()->isChecked());
    EXPECT_TRUE(Shown(m_panel->GroupButton(eLPG_BALANCE)));
    // The parameter group starts open, the others closed; the expander opens them.
    EXPECT_TRUE(Shown(m_panel->Slider(eLP_SATURATION)));
    EXPECT_FALSE(Shown(m_panel->Slider(eLP_BALANCE_RED)));
    m_panel->GroupButton(eLPG_BALANCE)->click();
    EXPECT_TRUE(Shown(m_panel->Slider(eLP_BALANCE_RED)));
    EXPECT_TRUE(m_dock->LutModel().IsExpanded(eLPG_BALANCE));

    QSlider* brightness = m_panel->Slider(eLP_BRIGHTNESS);
    EXPECT_EQ(brightness->objectName(), QStringLiteral("m_pLUTBrightnessSlider"));
    EXPECT_EQ(brightness->minimum(), -100);
    EXPECT_FALSE(m_panel->GroupResetButton(eLPG_PARAMETER)->isEnabled());
    m_updates.clear();
    brightness->setValue(20);
    brightness->setValue(40);
    EXPECT_EQ(m_updates.count(), 2);
    EXPECT_FLOAT_EQ(m_session.Lut().Parameters()[eLP_BRIGHTNESS], 0.7f);
    EXPECT_TRUE(m_panel->GroupResetButton(eLPG_PARAMETER)->isEnabled());
    EXPECT_FALSE(m_panel->GroupResetButton(eLPG_BALANCE)->isEnabled());

    m_panel->GroupResetButton(eLPG_PARAMETER)->click();
    EXPECT_FLOAT_EQ(m_session.Lut().Parameters()[eLP_BRIGHTNESS], 0.5f);
    EXPECT_EQ(brightness->value(), 0);
    EXPECT_FALSE(m_panel->GroupResetButton(eLPG_PARAMETER)->isEnabled());

    m_panel->ActiveButton()->click();
    EXPECT_FALSE(m_session.Lut().IsActive());
    m_panel->LayerComboBox()->setCurrentIndex(LayerModes::IndexOf(3));
    EXPECT_EQ(m_session.Lut().LayerMode(), 3);
    EXPECT_EQ(m_updates.count(), 5); // two slider steps, the group reset, the switch, the mode
}

TEST_F(DockLutPanel, LayerBrowserListsEveryModeAndMakesTheChosenOneCurrent)
{
    std::vector<uint16_t> frame(size_t(32) * 24 * 3, 30000);
    ASSERT_TRUE(m_session.SetSource(frame.data(), 32, 24));
    m_panel->CreateNewButton()->click();
    ASSERT_TRUE(m_panel->LayerBrowserButton()->isEnabled());
    m_updates.clear();
    const int darken = LayerModes::IndexOf(2);
    int shown = -1;
    // The browser renders its grid, then waits for an answer: give it once every mode is there.
    const int modes = int(LayerModes::List().size());
    std::function<void()> answer = [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* browser = qobject_cast<LutBrowserWindow*>(widget); browser && browser->Grid()->count() == modes)
            {
                shown = browser->Grid()->count();
                browser->Grid()->setCurrentRow(darken);
                return browser->accept();
            }
        QTimer::singleShot(10, answer);
    };
    QTimer::singleShot(0, answer);
    m_panel->LayerBrowserButton()->click();
    EXPECT_EQ(shown, modes);
    EXPECT_EQ(m_session.Lut().LayerMode(), 2);
    EXPECT_EQ(m_panel->LayerComboBox()->currentIndex(), darken);
    EXPECT_EQ(m_updates.count(), 1);
}

TEST_F(DockLutPanel, NewAsksBeforeReplacingALutWhenConfirmationsAreOn)
{
    m_panel->CreateNewButton()->click();
    m_panel->Slider(eLP_CONTRAST)->setValue(60);
    m_prompt.ExpectQuestion(QStringLiteral("neuen leeren LUT"), IUserPrompt::eNo);
    m_panel->CreateNewButton()->click();
    EXPECT_EQ(m_prompt.Unanswered(), 0);
    EXPECT_FLOAT_EQ(m_session.Lut().Parameters()[eLP_CONTRAST], 0.8f); // kept

    QSettings().setValue(QStringLiteral("automatics/m_pAutoSafeBoxCheckBox"), false);
    m_panel->CreateNewButton()->click(); // no question now
    EXPECT_FLOAT_EQ(m_session.Lut().Parameters()[eLP_CONTRAST], 0.5f);
    EXPECT_EQ(m_panel->Slider(eLP_CONTRAST)->value(), 0);
    EXPECT_EQ(m_prompt.Log().size(), 1);
}

TEST_F(DockLutPanel, ResetClearsTheLutAndHidesItsControls)
{
    QSignalSpy cleared(m_panel, &CLutPanel::lutCleared);
    m_panel->CreateNewButton()->click();
    m_panel->ActiveButton()->click();
    m_panel->LayerComboBox()->setCurrentIndex(5);
    m_panel->ResetButton()->click();
    EXPECT_EQ(m_session.Lut().Size(), 0);
    EXPECT_TRUE(m_session.Lut().IsActive());
    EXPECT_EQ(m_panel->LayerComboBox()->currentIndex(), 0);
    EXPECT_FALSE(Shown(m_panel->GroupButton(eLPG_PARAMETER)));
    EXPECT_EQ(cleared.count(), 1);
}

TEST_F(DockLutPanel, WidgetStateRoundTripsThroughANewDock)
{
    ASSERT_TRUE(m_session.FilmTypes().Load(QStringLiteral(VANTROPE_SOURCE_DIR "/resources/filmtypes_vantrope.xml")));
    m_dock->refreshFromSession();
    m_dock->FilmTypePanel()->TypeBox()->setCurrentIndex(3);
    m_dock->FilmTypePanel()->IntensitySlider()->setValue(40);
    m_dock->FilmTypePanel()->PreButton()->setChecked(true);
    m_dock->OperatorList()->FilterButton(2)->click();
    m_panel->CreateNewButton()->click();
    m_panel->Slider(eLP_SATURATION)->setValue(-30);
    m_panel->GroupButton(eLPG_PROTECT)->click();
    m_panel->Slider(eLP_PROTECT_SKIN)->setValue(25);
    m_panel->LayerComboBox()->setCurrentIndex(LayerModes::IndexOf(55));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.ini"));
    {
        QSettings settings(path, QSettings::IniFormat);
        m_dock->SaveWidgetState(settings);
    }

    CGradingSession session;
    ASSERT_TRUE(session.FilmTypes().Load(QStringLiteral(VANTROPE_SOURCE_DIR "/resources/filmtypes_vantrope.xml")));
    session.Lut().CreateIdentity(17, QStringLiteral("x"));
    HDRPostProcessingDockWidget dock(session, m_prompt, nullptr, m_catalogue);
    QSettings settings(path, QSettings::IniFormat);
    dock.LoadWidgetState(settings);
    CLutPanel* panel = dock.LutPanel();
    EXPECT_EQ(panel->Slider(eLP_PROTECT_SKIN)->value(), 25);
    EXPECT_TRUE(panel->Slider(eLP_PROTECT_SKIN)->isVisibleTo(panel));
    EXPECT_EQ(panel->LayerComboBox()->currentData().toInt(), 55);
    EXPECT_EQ(dock.FilmTypePanel()->IntensitySlider()->value(), 40);
    EXPECT_EQ(session.FilmTypes().Index(), m_session.FilmTypes().Index());
    EXPECT_FALSE(dock.OperatorList()->FilterButton(2)->isChecked());
    EXPECT_TRUE(dock.OperatorList()->FilterButton(3)->isChecked());
}
