// The colour window over the session's layers: list buttons, sliders, colour pipettes through the
// preview overlay, the mask view and the file buttons.
#include "app/HDRColorModuleWindow.h"
#include "core/EngineState.h"
#include "session/GradingSession.h"

#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempHome.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>

#include <gtest/gtest.h>

namespace
{
/// The central preview as the window sees it: the session's graded picture.
class CFakePreview : public IPreviewSurface
{
public:
    explicit CFakePreview(CGradingSession& session) : m_session(session) {}
    void SetOverlay(IPreviewOverlay* overlay) override { m_pOverlay = overlay; }
    IPreviewOverlay* Overlay() const override { return m_pOverlay; }
    void UpdateOverlay() override {}
    QSize ImageSize() const override { return m_session.Result().GetSize(); }
    QRgba64 ColourAt(QPointF pos, bool) const override
    {
        auto& r = const_cast<Helper::CRGB48Buffer&>(m_session.Result());
        const uint16_t* px = r.GetData() + (size_t(pos.y()) * r.Width() + size_t(pos.x())) * 3;
        return QRgba64::fromRgba64(px[0], px[1], px[2], 65535);
    }

private:
    CGradingSession& m_session;
    IPreviewOverlay* m_pOverlay = nullptr;
};

class ColourWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MP_UI_SetLogging(false);
        // Left half red, right half green, bottom row grey.
        std::vector<uint16_t> image;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                image.insert(image.end(), y == 29 ? std::initializer_list<uint16_t>{30000, 30000, 30000}
                                          : x < 20 ? std::initializer_list<uint16_t>{65535, 0, 0}
                                                   : std::initializer_list<uint16_t>{0, 65535, 0});
        ASSERT_TRUE(m_session.SetSource(image.data(), 40, 30));
        ASSERT_TRUE(m_session.Grade());
        // As the main window does: every change grades the preview again.
        QObject::connect(&m_window, &HDRColorModuleWindow::layersChanged, [this] { m_session.Grade(); });
    }
    void TearDown() override { MP_UI_SetLogging(true); }

    template <class T>
    T* Child(const char* name)
    {
        T* widget = m_window.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    ColorModule::CColorControls& Controls() { return m_session.ColourLayers().Controls(); }
    void Click(const char* name) { Child<QPushButton>(name)->click(); }
    uint16_t ResultAt(int x, int y, int c)
    {
        auto& r = const_cast<Helper::CRGB48Buffer&>(m_session.Result());
        return r.GetData()[(size_t(y) * r.Width() + x) * 3 + c];
    }

    CTempHome m_home;
    CGradingSession m_session;
    CScriptedPrompt m_prompt;
    CFakePreview m_preview{m_session};
    HDRColorModuleWindow m_window{m_session, m_prompt, &m_preview};
};
}  // namespace

TEST_F(ColourWindow, ButtonsEditTheListUpToSixLayers)
{
    QSignalSpy changed(&m_window, &HDRColorModuleWindow::layersChanged);
    auto* list = Child<QListWidget>("m_pLayerList");
    EXPECT_FALSE(Child<QPushButton>("m_pRemoveButton")->isEnabled());
    for (int i = 0; i < 6; ++i)
        Click("m_pAddButton");
    EXPECT_EQ(Controls().Count(), 6);
    EXPECT_EQ(list->count(), 6);
    EXPECT_EQ(m_window.CurrentLayer(), 5);
    EXPECT_FALSE(Child<QPushButton>("m_pAddButton")->isEnabled());
    EXPECT_EQ(changed.count(), 6);

    // Activating through the list's check box recolours the red half toward the destination.
    Controls().Layer(5).Data().m_fDstHue = 0.5f;
    list->item(5)->setCheckState(Qt::Checked);
    EXPECT_TRUE(Controls().Layer(5).Data().m_bActive);
    EXPECT_GT(ResultAt(2, 2, 2), 50000); // red became cyan

    m_window.SetCurrentLayer(5);
    Click("m_pUpButton");
    EXPECT_TRUE(Controls().Layer(4).Data().m_bActive);
    EXPECT_EQ(m_window.CurrentLayer(), 4);

    m_prompt.ExpectQuestion("Soll dieser Layer wirklich gelöscht werden?", IUserPrompt::eYes);
    Click("m_pRemoveButton");
    EXPECT_EQ(Controls().Count(), 5);
    EXPECT_EQ(list->count(), 5);
    EXPECT_TRUE(Child<QPushButton>("m_pAddButton")->isEnabled());
    EXPECT_EQ(ResultAt(2, 2, 0), 65535); // the active layer went with it
}

TEST_F(ColourWindow, SlidersWriteTheLayerAndShadeTheWheel)
{
    Click("m_pAddButton");
    const QImage before = Child<ColorModule::CColorImage>("m_pColorImage")->Wheel();
    // The first destination slider is the destination hue.
    auto* hue = Child<QSlider>("m_pDstSlider0");
    hue->setValue(333);
    EXPECT_FLOAT_EQ(Controls().Layer(0).Data().m_fDstHue, 0.333f);
    // The source hue end widens the range, the centre follows, the wheel brightens there.
    auto* hueEnd = Child<QSlider>("m_pSrcSlider1");
    hueEnd->setValue(300);
    const SColorLayerData& d = Controls().Layer(0).Data();
    EXPECT_FLOAT_EQ(d.m_fSrcHueMax, 0.3f);
    EXPECT_NEAR(d.m_fSrcHue, 0.125f, 1e-5f);
    const QImage after = Child<ColorModule::CColorImage>("m_pColorImage")->Wheel();
    EXPECT_NE(before, after);
    // Yellow-green at the rim (hue 0.2) is now selected: full brightness there.
    const QColor rim = after.pixelColor(int(90 + 88 * std::cos(0.2 * 6.2831853)), int(90 - 88 * std::sin(0.2 * 6.2831853)));
    EXPECT_GT(rim.value(), 230);
    Child<QCheckBox>("m_pInvertCheckBox")->setChecked(true);
    EXPECT_TRUE(d.m_bInverted);
}

TEST_F(ColourWindow, PipettesPickFromThePreviewAndLeaveTheLayerOutWhilePicking)
{
    Click("m_pAddButton");
    SColorLayerData& d = Controls().Layer(0).Data();
    d.m_bActive = true;
    d.m_fDstHue = 0.5f;
    m_session.Grade();
    ASSERT_GT(ResultAt(2, 2, 2), 50000);

    Click("m_pPickSrcButton");
    ASSERT_EQ(m_preview.Overlay() != nullptr, true);
    // While the layer picks its source it is left out: the preview shows the red again.
    EXPECT_EQ(ResultAt(2, 2, 0), 65535);
    EXPECT_FALSE(m_preview.Overlay()->Press(QPointF(-3, 4))); // outside the picture
    ASSERT_TRUE(m_preview.Overlay()->Press(QPointF(30.5, 10.5)));
    EXPECT_EQ(m_preview.Overlay(), nullptr);
    EXPECT_NEAR(d.m_fSrcHue, 1.f / 3, 1e-4f); // the green half
    EXPECT_NEAR(d.m_pntSrcImagePosRel.x(), 30.5 / 40, 1e-9);
    EXPECT_FALSE(Child<QPushButton>("m_pPickSrcButton")->isChecked());
    EXPECT_GT(ResultAt(30, 10, 2), 50000); // green now moves to cyan, red stays
    EXPECT_EQ(ResultAt(2, 2, 0), 65535);

    Click("m_pPickDstButton");
    m_window.abortPicking();
    EXPECT_EQ(m_preview.Overlay(), nullptr);
    EXPECT_EQ(Controls().PickingLayer(), -1);
    EXPECT_FALSE(Child<QPushButton>("m_pPickDstButton")->isChecked());
}

TEST_F(ColourWindow, MaskShowsTheSelectionOrThePickableColours)
{
    Click("m_pAddButton");
    auto* show = Child<QCheckBox>("m_pShowMaskCheckBox");
    EXPECT_FALSE(show->isEnabled()); // only an active layer shows a mask
    Child<QListWidget>("m_pLayerList")->item(0)->setCheckState(Qt::Checked);
    ASSERT_TRUE(show->isEnabled());
    show->setChecked(true);
    QImage mask = m_window.MaskImage();
    ASSERT_EQ(mask.size(), QSize(40, 30));
    EXPECT_EQ(qGray(mask.pixel(2, 2)), 255);  // red: selected
    EXPECT_EQ(qGray(mask.pixel(30, 2)), 0);   // green: not
    Child<QRadioButton>("m_pMaskPickabilityRadio")->setChecked(true);
    mask = m_window.MaskImage();
    EXPECT_EQ(qGray(mask.pixel(30, 2)), 0);   // saturated: pickable
    EXPECT_EQ(qGray(mask.pixel(30, 29)), 255); // grey: not pickable
    show->setChecked(false);
    EXPECT_TRUE(m_window.MaskImage().isNull());
}

// The dialogs' titles and the file's keys are the layer list's own (ColorModuleTest).
TEST_F(ColourWindow, SaveAndLoadButtonsGoThroughTheirDialogs)
{
    Click("m_pAddButton");
    Click("m_pAddButton");
    Controls().Layer(1).Data().m_fDstSat = 0.25f;
    const QString path = QDir(m_home.Path()).filePath("mine.cml");
    m_prompt.QueueText(path);
    Click("m_pSaveButton");
    ASSERT_TRUE(QFile::exists(path));

    m_prompt.ExpectQuestion("Sollen bestehende Layer wirklich überschrieben werden?", IUserPrompt::eYes);
    m_prompt.QueueText(path);
    Controls().Layer(1).Data().m_fDstSat = 0.9f;
    Click("m_pLoadButton");
    ASSERT_EQ(Child<QListWidget>("m_pLayerList")->count(), 2);
    EXPECT_FLOAT_EQ(Controls().Layer(1).Data().m_fDstSat, 0.25f);
}
