// What the LUT panel shows and enables for a LUT state, its slider values and its widget-state
// keys.
#include "session/LutPanelModel.h"
#include "tests/session/SessionTestUtil.h"

#include <memory>

TEST(LutPanelModel, GroupsShowAndEnableByLutExpanderAndDistanceFromDefault)
{
    auto lut = std::make_unique<CLutState>();
    CLutPanelModel model(*lut);

    // Without a LUT no group button and no slider is shown, whatever the expanders say.
    EXPECT_FALSE(model.LutPresent());
    for (const SLutGroupInfo& g : CLutPanelModel::Groups())
    {
        model.SetExpanded(g.eGroup, true);
        EXPECT_FALSE(model.GroupButtonVisible(g.eGroup));
        EXPECT_FALSE(model.GroupSlidersVisible(g.eGroup));
        EXPECT_FALSE(model.ResetEnabled(g.eGroup));
    }

    lut->CreateIdentity(17, QStringLiteral("t"));
    ASSERT_TRUE(model.LutPresent());
    model.SetExpanded(eLPG_BALANCE, false);
    EXPECT_TRUE(model.GroupButtonVisible(eLPG_BALANCE));
    EXPECT_FALSE(model.GroupSlidersVisible(eLPG_BALANCE));
    EXPECT_STREQ(model.GroupIcon(eLPG_BALANCE), "LUTShowValuesOff");
    EXPECT_TRUE(model.GroupSlidersVisible(eLPG_PROTECT));
    EXPECT_STREQ(model.GroupIcon(eLPG_PROTECT), "LUTShowValuesOn");

    // A reset button comes on at 0.001 from the default, and only for its own group (the dock's
    // test moves a slider of another group and resets it).
    lut->SetParameter(eLP_PROTECT_SKY, 0.0009f);
    EXPECT_FALSE(model.ResetEnabled(eLPG_PROTECT));
    lut->SetParameter(eLP_PROTECT_SKY, 0.0011f);
    EXPECT_TRUE(model.ResetEnabled(eLPG_PROTECT));
    EXPECT_FALSE(model.ResetEnabled(eLPG_PARAMETER));
}

TEST(LutPanelModel, SliderValuesMapToTheParameterRange)
{
    auto lut = std::make_unique<CLutState>();
    CLutPanelModel model(*lut);
    const struct { ELutParameter which; int slider; float parameter; int readBack; } cases[] = {
        {eLP_BRIGHTNESS, 0, 0.5f, 0},
        {eLP_BRIGHTNESS, -100, 0.0f, -100},
        {eLP_BRIGHTNESS, 50, 0.75f, 50},
        {eLP_BRIGHTNESS, 250, 1.0f, 100}, // beyond the slider: its end
        {eLP_INTENSITY, 40, 0.4f, 40},
        {eLP_PROTECT_SKIN, -5, 0.0f, 0},
    };
    for (const auto& c : cases)
    {
        model.SetSliderValue(c.which, c.slider);
        EXPECT_FLOAT_EQ(lut->Parameters()[c.which], c.parameter) << c.slider;
        EXPECT_EQ(model.SliderValue(c.which), c.readBack) << c.slider;
    }
}

TEST(LutPanelModel, WidgetStateKeysRoundTrip)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("project.ini"));
    auto lut = std::make_unique<CLutState>();
    CLutPanelModel model(*lut);
    lut->SetActive(false);
    lut->SetLayerMode(52);
    lut->SetChosenSizeButtons(false, true, false);
    model.SetExpanded(eLPG_PARAMETER, false);
    model.SetExpanded(eLPG_PROTECT, true);
    for (int i = 0; i < eLP_COUNT; ++i)
        lut->SetParameter(ELutParameter(i), 0.05f * float(i + 1));
    {
        QSettings settings(path, QSettings::IniFormat);
        model.SaveState(settings);
    }
    QSettings settings(path, QSettings::IniFormat);
    EXPECT_FALSE(settings.value(QStringLiteral("PostProcessingDock/m_pLUTActiveButton")).toBool());
    EXPECT_TRUE(settings.value(QStringLiteral("PostProcessingDock/m_pLUTSize32Button")).toBool());
    EXPECT_FALSE(settings.value(QStringLiteral("PostProcessingDock/m_pLUTSize17Button")).toBool());
    EXPECT_FLOAT_EQ(settings.value(QStringLiteral("PostProcessingDock/m_pLUTProtectSkySlider")).toFloat(), 0.7f);
    EXPECT_TRUE(settings.value(QStringLiteral("PostProcessingDock/m_pLUTProtectButton")).toBool());

    // The project test reads every parameter, the mode, the switch and an open group back; here
    // what it leaves at the defaults.
    auto other = std::make_unique<CLutState>();
    CLutPanelModel loaded(*other);
    loaded.LoadState(settings);
    EXPECT_EQ(other->ChosenSize(), 32);
    EXPECT_FALSE(loaded.IsExpanded(eLPG_PARAMETER));
}

TEST(LutPanelModel, LoadingKeepsWhatIsMissingAndRejectsBadValues)
{
    // Two files of damaged values; saturation is never in them and keeps what it was.
    const struct { const char* text; float intensity, brightness, contrast; } cases[] = {
        {"m_pLUTBrightnessSlider=1.5\n"
         "m_pLUTContrastSlider=abc\n" // unreadable: unchanged
         "m_pLUTLayerComboBox=999\n", // a list position that does not exist: the first mode
         1.0f, 1.0f, 0.5f},
        {"m_pLUTIntensitySlider=@Variant(\\0\\0\\0\\x87junk)\n"
         "m_pLUTBrightnessSlider=nan\n"
         "m_pLUTContrastSlider=1e30\n" // clamped into 0…1
         "m_pLUTLayerComboBox=@ByteArray(\\xff\\xfe)\n"
         "m_pLUTParameterButton=maybe\n",
         1.0f, 0.5f, 1.0f},
    };
    QTemporaryDir dir;
    for (const auto& c : cases)
    {
        const QString path = dir.filePath(QStringLiteral("damaged.ini"));
        ASSERT_TRUE(SessionTest::WriteFile(path, QByteArray("[PostProcessingDock]\n") + c.text));
        auto lut = std::make_unique<CLutState>();
        lut->SetLayerMode(3);
        lut->SetParameter(eLP_SATURATION, 0.3f);
        CLutPanelModel model(*lut);
        QSettings settings(path, QSettings::IniFormat);
        model.LoadState(settings);
        EXPECT_FLOAT_EQ(lut->Parameters()[eLP_INTENSITY], c.intensity) << c.text;
        EXPECT_FLOAT_EQ(lut->Parameters()[eLP_BRIGHTNESS], c.brightness) << c.text;
        EXPECT_FLOAT_EQ(lut->Parameters()[eLP_CONTRAST], c.contrast) << c.text;
        EXPECT_FLOAT_EQ(lut->Parameters()[eLP_SATURATION], 0.3f) << c.text;
        EXPECT_EQ(lut->LayerMode(), 0) << c.text;
        EXPECT_TRUE(lut->IsActive()) << c.text;
        EXPECT_EQ(lut->ChosenSize(), 17) << c.text;
        for (int i = 0; i < eLP_COUNT; ++i)
            EXPECT_TRUE(lut->Parameters()[i] >= 0.0f && lut->Parameters()[i] <= 1.0f) << i;
    }
}
