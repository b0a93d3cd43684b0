// The post-processing dock as a view over the chain: adding, moving, removing and switching
// operators through its widgets, the control generated for every kind of parameter set changing
// the chain (and the preview tools it uses), and its LUT panel: what is enabled and shown with and
// without a LUT, group resets, new and reset with the confirmation option, the layer browser, and
// the dock's widget state written and read back.
#include "AppTestSupport.h"

#include "app/LutBrowserWindow.h"
#include "app/dock/ChainView.h"
#include "app/dock/ColourWheelControl.h"
#include "app/dock/FilmTypePanel.h"
#include "app/dock/FrameBlendPanel.h"
#include "app/dock/GeometryControl.h"
#include "app/dock/HDRPostProcessingDockWidget.h"
#include "app/dock/LayerControl.h"
#include "app/dock/LutPanel.h"
#include "app/dock/OperatorListView.h"
#include "app/dock/PreviewControls.h"
#include "app/dock/SliderControl.h"
#include "app/dock/SplineEditor.h"
#include "engine/LayerModes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace
{
class DockControls : public CDockTest
{
protected:
    const CPostProcessing::SOperator& Op(int i) { return m_session.Chain().Operators()[i]; }
    float Value(int op, int set, int value) { return Op(op).aParams[size_t(set)].afValues[value]; }
};

int RowOf(QListWidget* list, const QString& kernel)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toString() == kernel)
            return i;
    return -1;
}
}  // namespace

// The dock's name and title are checked where the window makes it (MainWindowTest).
TEST_F(DockControls, OneControlPerVisibleSet)
{
    ASSERT_EQ(m_dock->AddOperator(QStringLiteral("MP_calcPixelTestAll")), 0);
    const QList<CParameterControl*>& controls = m_dock->Controls();
    const QMetaObject* kinds[] = {&CSliderControl::staticMetaObject, &CPositionControl::staticMetaObject,
                                  &CColourSwatchControl::staticMetaObject, &CSplineControl::staticMetaObject,
                                  &CLineControl::staticMetaObject, &CLayerControl::staticMetaObject,
                                  &CGeometryControl::staticMetaObject};
    ASSERT_EQ(controls.size(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(controls[i]->metaObject(), kinds[i]) << i;
    EXPECT_EQ(controls[6]->toolTip(), QStringLiteral("Geometrie Tooltip"));

    // A hidden catalogue control gets no widget; its set stays in the chain.
    ASSERT_EQ(m_dock->AddOperator(QStringLiteral("MP_calcPixelTestMask")), 1);
    ASSERT_EQ(m_dock->Controls().size(), 3);
    EXPECT_EQ(m_dock->Controls()[1]->Set(), 2);
    EXPECT_EQ(Op(1).aParams.size(), 4u);
    EXPECT_EQ(m_updates.count(), 2);
}

TEST_F(DockControls, SliderDragChangesTheChainOnEveryStepAndResetRestoresTheDefault)
{
    m_dock->AddOperator(QStringLiteral("MP_calcPixelTestAll"));
    auto* slider = ControlOf<CSliderControl>(0);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->Slider()->value(), 250);
    m_updates.clear();
    for (int v : {300, 450, 600})
        slider->Slider()->setValue(v);
    EXPECT_FLOAT_EQ(Value(0, 0, 0), 0.6f);
    EXPECT_EQ(m_updates.count(), 3);
    const QList<QLabel*> shown = slider->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](QLabel* l) { return l->text() == QStringLiteral("140 %"); }));

    slider->findChild<QToolButton*>(QStringLiteral("ResetButton"))->click();
    EXPECT_FLOAT_EQ(Value(0, 0, 0), 0.25f);
    EXPECT_EQ(slider->Slider()->value(), 250);
    EXPECT_EQ(m_updates.count(), 4);
}

TEST_F(DockControls, OperatorListAddsFilteredEntriesToTheChain)
{
    COperatorListView* list = m_dock->OperatorList();
    QListWidget* entries = list->List();
    EXPECT_EQ(entries->count(), 4);
    list->FilterButton(6)->click(); // masks off
    EXPECT_EQ(RowOf(entries, QStringLiteral("MP_calcPixelTestMask")), -1);
    EXPECT_EQ(list->FilterButton(6)->icon().isNull(), false);
    EXPECT_FALSE(list->AllButton()->isChecked());
    list->AllButton()->click();
    EXPECT_EQ(entries->count(), 4);

    entries->setCurrentRow(RowOf(entries, QStringLiteral("MP_calcPixelTestSharpen")));
    list->AddButton()->click();
    ASSERT_EQ(m_session.Chain().Operators().size(), 1);
    EXPECT_EQ(Op(0).Kernel, QStringLiteral("MP_calcPixelTestSharpen"));
    EXPECT_FLOAT_EQ(Value(0, 0, 0), 0.3f);
    emit entries->itemDoubleClicked(entries->item(RowOf(entries, QStringLiteral("MP_calcPixelTestAll"))));
    ASSERT_EQ(m_session.Chain().Operators().size(), 2);
    EXPECT_EQ(m_dock->ChainList()->Current(), 1);
    EXPECT_EQ(m_updates.count(), 2);
}

TEST_F(DockControls, ChainViewMovesRemovesAndSwitchesOperators)
{
    m_dock->AddOperator(QStringLiteral("MP_calcPixelTestAll"));
    m_dock->AddOperator(QStringLiteral("MP_calcPixelTestMask"));
    m_dock->AddOperator(QStringLiteral("MP_calcPixelTestSharpen"));
    CChainView* chain = m_dock->ChainList();
    m_updates.clear();

    chain->SetCurrent(0);
    chain->MoveDown();
    EXPECT_EQ(Op(1).Kernel, QStringLiteral("MP_calcPixelTestAll"));
    EXPECT_EQ(chain->Current(), 1);
    // The controls follow the moved operator.
    ASSERT_FALSE(m_dock->Controls().isEmpty());
    EXPECT_EQ(m_dock->Controls().first()->Operator(), 1);
    EXPECT_EQ(m_dock->Controls().size(), 7);

    chain->SetCurrent(2);
    chain->MoveUp();
    EXPECT_EQ(Op(1).Kernel, QStringLiteral("MP_calcPixelTestSharpen"));
    EXPECT_EQ(Op(2).Kernel, QStringLiteral("MP_calcPixelTestAll"));

    chain->List()->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(Op(0).bActive);
    EXPECT_EQ(m_updates.count(), 3);

    chain->SetCurrent(1);
    chain->RemoveCurrent();
    ASSERT_EQ(m_session.Chain().Operators().size(), 2);
    EXPECT_EQ(Op(1).Kernel, QStringLiteral("MP_calcPixelTestAll"));
    EXPECT_EQ(chain->List()->count(), 2);
    EXPECT_EQ(m_updates.count(), 4);
}

TEST_F(DockControls, LayerComboListsEveryModeAndSetsModeAndOpacity)
{
    m_dock->AddOperator(QStringLiteral("MP_calcPixelTestAll"));
    auto* layer = ControlOf<CLayerControl>(5);
    ASSERT_NE(layer, nullptr);
    QComboBox* box = layer->ModeBox();
    const QVector<SLayerMode>& modes = LayerModes::List();
    ASSERT_EQ(box->count(), modes.size());
    for (int i = 0; i < box->count(); ++i)
    {
        EXPECT_EQ(box->itemData(i).toInt(), modes[i].iMode);
        EXPECT_EQ(box->itemText(i), QString::fromUtf8(modes[i].pszKey));
    }
    box->setCurrentIndex(LayerModes::IndexOf(62));
    EXPECT_FLOAT_EQ(Value(0, 5, 0), 62.0f);
    EXPECT_EQ(layer->OpacitySlider()->maximum(), 100);
    layer->OpacitySlider()->setValue(35);
    EXPECT_FLOAT_EQ(Value(0, 5, 1), 35.0f);
    layer->findChild<QToolButton*>(QStringLiteral("ResetButton"))->click();
    EXPECT_FLOAT_EQ(Value(0, 5, 0), 0.0f);
    EXPECT_FLOAT_EQ(Value(0, 5, 1), 100.0f);
    EXPECT_EQ(box->currentIndex(), 0);
}

TEST_F(DockControls, PickersAndPipetteSetTheirSetsFromThePreview)
{
    m_dock->AddOperator(QStringLiteral("MP_calcPixelTestAll"));
    auto* position = ControlOf<CPositionControl>(1);
    auto* line = ControlOf<CLineControl>(4);
    ASSERT_TRUE(position && line);
    m_updates.clear();

    position->PickButton()->click();
    ASSERT_NE(m_preview.m_pOverlay, nullptr);
    IPreviewOverlay* overlay = m_preview.m_pOverlay;
    EXPECT_TRUE(overlay->Press(QPointF(25, 10)));
    EXPECT_FLOAT_EQ(Value(0, 1, 0), 0.25f);
    EXPECT_FLOAT_EQ(Value(0, 1, 1), 0.2f);
    overlay->Move(QPointF(250, -4)); // outside the picture: clamped to its edge
    EXPECT_FLOAT_EQ(Value(0, 1, 0), 1.0f);
    EXPECT_FLOAT_EQ(Value(0, 1, 1), 0.0f);
    EXPECT_EQ(m_updates.count(), 2);

    // Starting the line tool takes the preview over and unchecks the position tool.
    line->PickButton()->click();
    EXPECT_NE(m_preview.m_pOverlay, overlay);
    EXPECT_FALSE(position->PickButton()->isChecked());
    m_preview.m_pOverlay->Press(QPointF(10, 10));
    m_preview.m_pOverlay->Move(QPointF(90, 40));
    m_preview.m_pOverlay->Release(QPointF(90, 40));
    EXPECT_FLOAT_EQ(Value(0, 4, 0), 0.1f);
    EXPECT_FLOAT_EQ(Value(0, 4, 1), 0.2f);
    EXPECT_FLOAT_EQ(Value(0, 4, 2), 0.9f);
    EXPECT_FLOAT_EQ(Value(0, 4, 3), 0.8f);
    line->PickButton()->click();
    EXPECT_EQ(m_preview.m_pOverlay, nullptr);

    // The pipette takes one colour, then hands the preview back.
    auto* colour = ControlOf<CColourSwatchControl>(2);
    colour->PipetteButton()->click();
    ASSERT_NE(m_preview.m_pOverlay, nullptr);
    m_preview.m_pOverlay->Press(QPointF(40, 20));
    m_preview.m_pOverlay->Release(QPointF(40, 20));
    EXPECT_EQ(m_preview.m_lastColourPos, QPointF(40, 20));
    EXPECT_FLOAT_EQ(Value(0, 2, 2), 1.0f);
    EXPECT_NEAR(Value(0, 2, 3), 128.0f / 255.0f, 1e-4f);
    EXPECT_FLOAT_EQ(Value(0, 2, 4), 0.0f);
    EXPECT_EQ(m_preview.m_pOverlay, nullptr);
    EXPECT_FALSE(colour->PipetteButton()->isChecked());

    // Selecting another operator destroys the controls; no overlay is left dangling.
    position->PickButton()->click();
    ASSERT_NE(m_preview.m_pOverlay, nullptr);
    m_dock->AddOperator(QStringLiteral("MP_calcPixelTestMask"));
    EXPECT_EQ(m_preview.m_pOverlay, nullptr);
}

TEST_F(DockControls, GeometryShapesAreAddedEditedDraggedAndRemoved)
{
    m_dock->AddOperator(QStringLiteral("MP_calcPixelTestAll"));
    auto* geometry = ControlOf<CGeometryControl>(6);
    ASSERT_NE(geometry, nullptr);
    EXPECT_FALSE(geometry->HardnessSlider()->isEnabled());

    EXPECT_EQ(geometry->AddShape(true), 0);
    EXPECT_FLOAT_EQ(Value(0, 6, 0), 1.0f);
    EXPECT_FLOAT_EQ(Value(0, 6, 6), 0.5f);
    geometry->HardnessSlider()->setValue(80);
    EXPECT_FLOAT_EQ(Value(0, 6, 3), 0.8f);
    geometry->SubtractiveButton()->setChecked(true);
    EXPECT_FLOAT_EQ(Value(0, 6, 0), 2.0f);

    // Drag the centre of the shape (50, 25) on the 100 × 50 preview, then its corner.
    geometry->EditButton()->click();
    ASSERT_EQ(m_preview.m_pOverlay, &geometry->Overlay());
    EXPECT_TRUE(m_preview.m_pOverlay->Press(QPointF(51, 25)));
    m_preview.m_pOverlay->Move(QPointF(61, 30));
    m_preview.m_pOverlay->Release(QPointF(61, 30));
    EXPECT_FLOAT_EQ(Value(0, 6, 6), 0.6f);
    EXPECT_FLOAT_EQ(Value(0, 6, 7), 0.6f);
    EXPECT_TRUE(m_preview.m_pOverlay->Press(QPointF(80, 40))); // corner (0.6 + 0.2, 0.6 + 0.2)
    m_preview.m_pOverlay->Release(QPointF(90, 45));
    EXPECT_FLOAT_EQ(Value(0, 6, 1), 0.3f);
    EXPECT_FLOAT_EQ(Value(0, 6, 2), 0.3f);
    EXPECT_FALSE(m_preview.m_pOverlay->Press(QPointF(5, 5)));

    EXPECT_EQ(geometry->AddShape(true), 1);
    geometry->Select(0);
    geometry->RemoveSelected();
    EXPECT_FLOAT_EQ(Value(0, 6, 0), 1.0f); // the additive shape moved up
    EXPECT_FLOAT_EQ(Value(0, 6, 8), 0.0f);
}

TEST_F(DockControls, CurveEditorDragMovesACurvePoint)
{
    m_dock->AddOperator(QStringLiteral("MP_calcPixelTestAll"));
    auto* spline = ControlOf<CSplineControl>(3);
    ASSERT_NE(spline, nullptr);
    CSplineEditor* editor = spline->Editor();
    editor->resize(206, 156);
    m_updates.clear();
    Drag(editor, editor->ToWidget({0.4, 0.4}), editor->ToWidget({0.45, 0.7}));
    EXPECT_NEAR(Value(0, 3, 4), 0.45f, 0.01f);
    EXPECT_NEAR(Value(0, 3, 5), 0.7f, 0.01f);
    EXPECT_FLOAT_EQ(Value(0, 3, 3), 0.2f); // the neighbours stay
    EXPECT_EQ(m_updates.count(), 1);
    spline->findChild<QToolButton*>(QStringLiteral("ResetButton"))->click();
    EXPECT_FLOAT_EQ(Value(0, 3, 5), 0.4f);
}

namespace
{
class DockWithoutPreview : public CDockTest
{
protected:
    DockWithoutPreview() : CDockTest(false) {}

    CLutPanel* m_panel = m_dock->LutPanel();
    bool Shown(QWidget* w) const { return w->isVisibleTo(m_panel); }
};
}  // namespace

TEST_F(DockWithoutPreview, PickersAreDisabledAndRefreshReReadsAChainReplacedFromOutside)
{
    m_dock->AddOperator(QStringLiteral("MP_calcPixelTestAll"));
    auto* position = ControlOf<CPositionControl>(1);
    ASSERT_NE(position, nullptr);
    EXPECT_FALSE(position->PickButton()->isEnabled());
    position->PickButton()->click();
    EXPECT_FALSE(position->PickButton()->isChecked());

    QList<CPostProcessing::SOperator>& ops = m_session.Chain().Operators();
    ops.clear();
    ops.append(m_catalogue.CreateOperator(*m_catalogue.FindKernel(QStringLiteral("MP_calcPixelTestMask"))));
    ops.append(m_catalogue.CreateOperator(*m_catalogue.FindKernel(QStringLiteral("MP_calcPixelTestSharpen"))));
    m_dock->refreshFromSession();
    EXPECT_EQ(m_dock->ChainList()->List()->count(), 2);
    EXPECT_EQ(m_dock->ChainList()->List()->item(1)->text(), QStringLiteral("Schärfen Test"));
    ASSERT_FALSE(m_dock->Controls().isEmpty());
    EXPECT_EQ(m_dock->Controls().first()->Operator(), m_dock->ChainList()->Current());
}

TEST(DockPreviewLifetime, APreviewDestroyedBeforeTheDockIsNeverCalled)
{
    struct CWidgetPreview : QWidget, CFakePreview
    {
    };
    CTempHome home;
    const COperatorCatalogue catalogue = DockTestCatalogue();
    CGradingSession session;
    CScriptedPrompt prompt;
    auto* preview = new CWidgetPreview;
    auto dock = std::make_unique<HDRPostProcessingDockWidget>(session, prompt, preview, catalogue);
    dock->AddOperator(QStringLiteral("MP_calcPixelTestAll"));
    auto* position = qobject_cast<CPositionControl*>(dock->Controls()[1]);
    auto* colour = qobject_cast<CColourSwatchControl*>(dock->Controls()[2]);
    ASSERT_TRUE(position && colour);
    position->PickButton()->click();
    ASSERT_NE(preview->m_pOverlay, nullptr);

    delete preview; // the window may tear the preview down first
    colour->PipetteButton()->click();
    EXPECT_FALSE(colour->PipetteButton()->isChecked());
    position->PickButton()->click();
    dock->AddOperator(QStringLiteral("MP_calcPixelTestMask")); // destroys the old controls
    dock.reset(); // must not reach the destroyed preview (a pure virtual call would abort)
}

TEST_F(DockControls, OverlaysDrawTheirMarksWhereTheValuesPointInThePicture)
{
    m_dock->AddOperator(QStringLiteral("MP_calcPixelTestAll"));
    auto paint = [this]() {
        QImage image(m_preview.m_size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        m_preview.m_pOverlay->Paint(painter, QTransform());
        return image;
    };
    auto* position = ControlOf<CPositionControl>(1);
    position->PickButton()->click();
    m_preview.m_pOverlay->Press(QPointF(25, 10));
    QImage image = paint();
    EXPECT_GT(qAlpha(image.pixel(25, 10)), 0);
    EXPECT_EQ(qAlpha(image.pixel(75, 40)), 0);

    auto* geometry = ControlOf<CGeometryControl>(6);
    geometry->AddShape(true); // centre (50, 25), half size 20 × 10 pixels
    geometry->EditButton()->click();
    image = paint();
    EXPECT_GT(qAlpha(image.pixel(50, 25)), 0);  // centre handle
    EXPECT_GT(qAlpha(image.pixel(70, 35)), 0);  // size handle
    EXPECT_GT(qAlpha(image.pixel(30, 25)), 0);  // left end of the outline
    EXPECT_EQ(qAlpha(image.pixel(5, 45)), 0);
    EXPECT_EQ(qAlpha(image.pixel(40, 25)), 0);  // inside, away from the handles
}

// ---------------------------------------------------------------------------------------------
// The colour operators' own control kinds, from the built-in catalogue.
namespace
{
class DockColourControls : public ::testing::Test
{
protected:
    template <class T>
    T* ControlOf(int set)
    {
        return ::ControlOf<T>(*m_dock, set);
    }
    const float* Values(int op, int set) { return m_session.Chain().Operators()[op].aParams[size_t(set)].afValues; }

    CTempHome m_home;
    CGradingSession m_session;
    CScriptedPrompt m_prompt;
    CFakePreview m_preview;
    std::unique_ptr<HDRPostProcessingDockWidget> m_dock =
        std::make_unique<HDRPostProcessingDockWidget>(m_session, m_prompt, &m_preview, COperatorCatalogue::Shared());
};
}  // namespace

TEST_F(DockColourControls, WheelsChannelCurvesAndHueCurves)
{
    // The three-way corrector: a wheel per tonal range; dragging to the right rim is full red.
    ASSERT_EQ(m_dock->AddOperator(QStringLiteral("MP_calcPixelColorLightShadow")), 0);
    ASSERT_EQ(m_dock->Controls().size(), 5);
    auto* gain = ControlOf<CColourWheelControl>(2);
    ASSERT_NE(gain, nullptr);
    gain->Wheel()->resize(120, 120);
    Drag(gain->Wheel(), gain->Wheel()->ToWidget({0.0, 0.0}), gain->Wheel()->ToWidget({1.3, 0.0}));
    EXPECT_NEAR(Values(0, 2)[2], 1.0f, 1e-5f);
    EXPECT_NEAR(Values(0, 2)[3], 0.0f, 1e-5f);
    EXPECT_NEAR(Values(0, 2)[4], 0.0f, 1e-5f);
    gain->Luminance()->setValue(750);
    EXPECT_FLOAT_EQ(Values(0, 2)[0], 0.75f);
    EXPECT_FLOAT_EQ(Values(0, 1)[0], 0.5f); // the other wheels stay

    // Curves per channel: one editor for master, red, green and blue; the red button edits set 1.
    ASSERT_EQ(m_dock->AddOperator(QStringLiteral("MP_calcPixelColorGradation")), 1);
    ASSERT_EQ(m_dock->Controls().size(), 3);
    auto* curves = ControlOf<CChannelCurvesControl>(0);
    ASSERT_NE(curves, nullptr);
    curves->ChannelButton(1)->click();
    EXPECT_EQ(curves->EditedSet(), 1);
    CSplineEditor* editor = curves->Editor();
    editor->resize(206, 156);
    Drag(editor, editor->ToWidget({0.4, 0.4}), editor->ToWidget({0.4, 0.7}));
    EXPECT_NEAR(Values(1, 1)[5], 0.7f, 0.01f);
    EXPECT_FLOAT_EQ(Values(1, 0)[5], 0.4f);
    EXPECT_FLOAT_EQ(Values(1, 2)[5], 0.4f);

    // A hue curve's two ends are the same hue: moving one moves the other.
    ASSERT_EQ(m_dock->AddOperator(QStringLiteral("MP_calcPixelAdjustHSL")), 2);
    auto* hue = ControlOf<CSplineControl>(0);
    ASSERT_NE(hue, nullptr);
    hue->Editor()->resize(206, 156);
    Drag(hue->Editor(), hue->Editor()->ToWidget({0.0, 0.5}), hue->Editor()->ToWidget({0.0, 0.8}));
    EXPECT_NEAR(Values(2, 0)[1], 0.8f, 0.01f);
    EXPECT_FLOAT_EQ(Values(2, 0)[11], Values(2, 0)[1]);
}

TEST_F(DockColourControls, PipetteOfAMeasuredColourTakesWhatTheOperatorReceives)
{
    // A flat picture of (0.2, 0.4, 0.6) inverted before the white balance: its pipette must see
    // the inverted colour, not the graded preview's.
    std::vector<uint16_t> picture(8 * 4 * 3);
    for (size_t i = 0; i < picture.size(); i += 3)
        picture[i] = 13107, picture[i + 1] = 26214, picture[i + 2] = 39321;
    ASSERT_TRUE(m_session.SetSource(picture.data(), 8, 4));
    m_dock->AddOperator(QStringLiteral("MP_calcPixelNegative"));
    ASSERT_EQ(m_dock->AddOperator(QStringLiteral("MP_calcPixelWhitebalance")), 1);
    auto* colour = ControlOf<CColourSwatchControl>(0);
    ASSERT_NE(colour, nullptr);
    colour->PipetteButton()->click();
    ASSERT_NE(m_preview.m_pOverlay, nullptr);
    m_preview.m_pOverlay->Press(QPointF(3.5, 2.5));
    m_preview.m_pOverlay->Release(QPointF(3.5, 2.5));
    EXPECT_NEAR(Values(1, 0)[2], 0.8f, 0.002f);
    EXPECT_NEAR(Values(1, 0)[3], 0.6f, 0.002f);
    EXPECT_NEAR(Values(1, 0)[4], 0.4f, 0.002f);
    // A colour the operator does not measure still comes from the preview.
    m_dock->AddOperator(QStringLiteral("MP_calcPixelColorFilter"));
    ControlOf<CColourSwatchControl>(0)->PipetteButton()->click();
    m_preview.m_pOverlay->Press(QPointF(1, 1));
    EXPECT_FLOAT_EQ(Values(2, 0)[2], 1.0f);
    EXPECT_NEAR(Values(2, 0)[3], 128.0f / 255.0f, 1e-4f);
}

// ---------------------------------------------------------------------------------------------
TEST_F(DockWithoutPreview, LutWithoutALutOnlyNewIsOfferedAndANewLutShowsGroupsWhoseSlidersDriveTheParameters)
{
    EXPECT_FALSE(m_panel->ActiveButton()->isEnabled());
    EXPECT_FALSE(m_panel->LayerComboBox()->isEnabled());
    EXPECT_FALSE(m_panel->ResetButton()->isEnabled());
    EXPECT_FALSE(Shown(m_panel->Slider(eLP_SATURATION)));
    EXPECT_EQ(m_panel->TitleLabel()->text(), QStringLiteral("Kein LUT geladen"));

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

TEST_F(DockWithoutPreview, LutLayerBrowserListsEveryModeAndMakesTheChosenOneCurrent)
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

TEST_F(DockWithoutPreview, LutNewAsksBeforeReplacingALutWhenConfirmationsAreOn)
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

TEST_F(DockWithoutPreview, LutResetClearsTheLutAndHidesItsControls)
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

TEST_F(DockWithoutPreview, LutWidgetStateRoundTripsThroughANewDock)
{
    ASSERT_TRUE(m_session.FilmTypes().Load(QStringLiteral(VANTROPE_SOURCE_DIR "/resources/filmtypes_vantrope.xml")));
    m_dock->refreshFromSession();
    m_dock->FilmTypePanel()->TypeBox()->setCurrentIndex(3);
    m_dock->FilmTypePanel()->IntensitySlider()->setValue(40);
    m_dock->FilmTypePanel()->PreButton()->setChecked(true);
    m_dock->FrameBlendPanel()->CountBox()->setCurrentIndex(2);
    m_dock->FrameBlendPanel()->ModeBox()->setCurrentIndex(9);
    m_dock->FrameBlendPanel()->HalfBox()->setChecked(true);
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
    const CFrameBlendPanel* blend = dock.FrameBlendPanel();
    EXPECT_EQ(blend->CountBox()->currentIndex(), 2);
    EXPECT_EQ(blend->ModeBox()->currentIndex(), 9);
    EXPECT_TRUE(blend->HalfBox()->isChecked());
    EXPECT_FALSE(dock.OperatorList()->FilterButton(2)->isChecked());
    EXPECT_TRUE(dock.OperatorList()->FilterButton(3)->isChecked());
}
