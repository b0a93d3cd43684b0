// The colour layers as data: a new layer, picking, the list operations and their questions, the
// engine record with its layer limit, the kept calculation, and the layer files.
#include "core/EngineState.h"
#include "core/ColourSpace.h"
#include "core/Exceptions.h"
#include "engine/colourmodule/ColorModule.h"

#include "tests/support/LogCapture.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/SyntheticImages.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using ColorModule::CColorControls;

namespace
{
class ColorLayers : public ::testing::Test
{
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString Write(const QString& name, const QByteArray& text)
    {
        QFile f(Path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return Path(name);
    }
    void Fill(CColorControls& controls, int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(controls.AddLayer());
    }

    QTemporaryDir m_dir;
    CColorControls m_controls;
    CScriptedPrompt m_prompt;
};

/// A layer file header plus `groups` groups from a template with "%1" for the index.
QByteArray LayerFile(int major, int declared, int groups, const QByteArray& body)
{
    QByteArray text = "[General]\nVersionMajor=" + QByteArray::number(major) + "\nVersionMinor=0\nLayer=" +
                      QByteArray::number(declared) + "\n";
    for (int i = 0; i < groups; ++i)
        text += "[Layer" + QByteArray::number(i) + "]\n" + QByteArray(body).replace("%1", QByteArray::number(i));
    return text;
}
}  // namespace

TEST_F(ColorLayers, SourceFromColourWrapsHueAndKeepsSaturationInItsBounds)
{
    SColorLayerData d;
    d.SetSourceFromColour(0.f, 1.f, 0.f); // green: hue 1/3 ± 0.05
    EXPECT_NEAR(d.m_fSrcHueMin, 0.283333f, 1e-6f);
    EXPECT_NEAR(d.m_fSrcHueMax, 0.383333f, 1e-6f);

    // Hue 0.99 (a red leaning to magenta): the range crosses red and its centre stays at 0.99.
    float r, g, b;
    Colour::HsvToRgb({0.99f, 0.15f, 0.6f}, r, g, b);
    d.SetSourceFromColour(r, g, b);
    EXPECT_NEAR(d.m_fSrcHueMin, 0.94f, 1e-4f);
    EXPECT_NEAR(d.m_fSrcHueMax, 0.04f, 1e-4f);
    EXPECT_NEAR(d.m_fSrcHue, 0.99f, 1e-4f);
    EXPECT_FLOAT_EQ(d.m_fSrcSatMin, 0.1f); // 0.15 − 0.2 held at 0.1
    EXPECT_NEAR(d.m_fSrcSatMax, 0.35f, 1e-4f);
    EXPECT_NEAR(d.m_fSrcSat, 0.225f, 1e-4f);
    EXPECT_NEAR(d.m_fSrcVal, 0.6f, 1e-4f);

    // Out-of-range components are clamped first.
    d.SetSourceFromColour(2.f, -1.f, NAN);
    EXPECT_NEAR(d.m_fSrcHue, 0.f, 1e-6f);
    EXPECT_FLOAT_EQ(d.m_fSrcVal, 1.f);
    EXPECT_FLOAT_EQ(ColorModule::WrapHue(1.f), 0.f);
    EXPECT_NEAR(ColorModule::WrapHue(-0.25f), 0.75f, 1e-6f);

    // Reset values are clamped copies.
    ColorModule::CColorLayer layer;
    layer.Data().m_fSrcSat = 1.7f;
    layer.Data().m_fSrcVal = -0.2f;
    layer.Data().m_fDstVal = 0.3f;
    layer.SetSrcResetValues();
    layer.SetDstResetValues();
    EXPECT_FLOAT_EQ(layer.Data().m_fSrcSatReset, 1.f);
    EXPECT_FLOAT_EQ(layer.Data().m_fSrcValReset, 0.f);
    EXPECT_FLOAT_EQ(layer.Data().m_fDstValReset, 0.3f);
}

TEST_F(ColorLayers, ListHoldsSixLayersNumberedInOrder)
{
    Fill(m_controls, 6);
    EXPECT_FALSE(m_controls.AddLayer());
    m_controls.Layer(2).Data().m_fDstHue = 0.2f;
    m_controls.Layer(3).Data().m_fDstHue = 0.3f;
    ASSERT_TRUE(m_controls.MoveUp(3));
    EXPECT_FLOAT_EQ(m_controls.Layer(2).Data().m_fDstHue, 0.3f);
    EXPECT_EQ(m_controls.Layer(2).Index(), 2);
    ASSERT_TRUE(m_controls.MoveDown(2));
    EXPECT_FLOAT_EQ(m_controls.Layer(3).Data().m_fDstHue, 0.3f);
    EXPECT_FALSE(m_controls.MoveUp(0));
    EXPECT_FALSE(m_controls.MoveDown(5));

    m_prompt.ExpectQuestion("Soll dieser Layer wirklich gelöscht werden?", IUserPrompt::eNo);
    EXPECT_FALSE(m_controls.RemoveLayer(2, m_prompt));
    EXPECT_EQ(m_controls.Count(), 6);
    m_prompt.ExpectQuestion("Soll dieser Layer wirklich gelöscht werden?", IUserPrompt::eYes);
    EXPECT_TRUE(m_controls.RemoveLayer(2, m_prompt));
    ASSERT_EQ(m_controls.Count(), 5);
    EXPECT_FLOAT_EQ(m_controls.Layer(2).Data().m_fDstHue, 0.3f);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m_controls.Layer(i).Index(), i);
    EXPECT_EQ(m_prompt.Log().last(), "question|Layer löschen|Soll dieser Layer wirklich gelöscht werden?");

    // Without the safety option nothing is asked.
    m_controls.SetConfirmChanges(false);
    EXPECT_TRUE(m_controls.RemoveLayer(0, m_prompt));
    EXPECT_EQ(m_prompt.Log().size(), 2);
    EXPECT_EQ(m_prompt.Unanswered(), 0);
}

TEST_F(ColorLayers, CopyPasteSourceToDestinationAndResetAskFirst)
{
    Fill(m_controls, 2);
    SColorLayerData& first = m_controls.Layer(0).Data();
    first.SetSourceFromColour(0.f, 0.f, 1.f);
    first.m_bActive = true;
    m_controls.CopyLayer(0);

    m_prompt.ExpectQuestion("Soll dieser Layer wirklich durch die kopierten Daten ersetzt werden?", IUserPrompt::eNo);
    EXPECT_FALSE(m_controls.PasteLayer(1, m_prompt));
    EXPECT_FALSE(m_controls.Layer(1).Data().m_bActive);
    m_prompt.ExpectQuestion("Soll dieser Layer wirklich durch die kopierten Daten ersetzt werden?", IUserPrompt::eYes);
    EXPECT_TRUE(m_controls.PasteLayer(1, m_prompt));
    EXPECT_EQ(m_controls.Layer(1).Data(), first);
    EXPECT_EQ(m_controls.Layer(1).Index(), 1);

    m_prompt.ExpectQuestion("Soll die Quell Farbe wirklich ins Ziel kopiert werden?", IUserPrompt::eYes);
    EXPECT_TRUE(m_controls.CopySourceToDestination(1, m_prompt));
    const SColorLayerData& second = m_controls.Layer(1).Data();
    EXPECT_NEAR(second.m_fDstHue, 2.f / 3, 1e-5f);
    EXPECT_FLOAT_EQ(second.m_fDstSat, second.m_fSrcSat);
    EXPECT_FLOAT_EQ(second.m_fDstVal, second.m_fSrcVal);

    m_prompt.ExpectQuestion("Sollen die Farbeinstellungen wirklich zurückgesetzt werden?", IUserPrompt::eYes);
    EXPECT_TRUE(m_controls.ResetColours(1, m_prompt));
    // The source ranges come back around the reset colour (hue 0, saturation 0.9, value 1).
    EXPECT_NEAR(second.m_fSrcHueMin, 0.95f, 1e-5f);
    EXPECT_NEAR(second.m_fSrcHueMax, 0.05f, 1e-5f);
    EXPECT_NEAR(second.m_fSrcSatMin, 0.7f, 1e-5f);
    EXPECT_NEAR(second.m_fSrcVal, 1.f, 1e-5f);
    EXPECT_NEAR(second.m_fDstHue, 0.f, 1e-5f);
    EXPECT_NEAR(second.m_fDstSat, 0.9f, 1e-5f);
    EXPECT_EQ(m_prompt.Unanswered(), 0);
}

TEST_F(ColorLayers, PickingSetsTheColourAndAbortEndsIt)
{
    Fill(m_controls, 3);
    m_controls.StartPicking(1, true);
    m_controls.StartPicking(2, false); // only one layer picks at a time
    bool source = true;
    EXPECT_EQ(m_controls.PickingLayer(&source), 2);
    EXPECT_FALSE(source);
    ASSERT_TRUE(m_controls.ColourPicked(0.f, 0.f, 1.f, QPointF(0.25, 0.5)));
    EXPECT_NEAR(m_controls.Layer(2).Data().m_fDstHue, 2.f / 3, 1e-5f);
    EXPECT_EQ(m_controls.Layer(2).Data().m_pntDstImagePosRel, QPointF(0.25, 0.5));
    EXPECT_EQ(m_controls.PickingLayer(), -1);
    EXPECT_FALSE(m_controls.ColourPicked(1.f, 1.f, 0.f, QPointF(0, 0)));
    // Picking a source through the preview is the colour window's test.
    m_controls.StartPicking(1, true);
    m_controls.OnAbort();
    EXPECT_EQ(m_controls.PickingLayer(), -1);
}

// ---------------------------------------------------------------------------------------------

class ColorModuleData : public ColorLayers
{
protected:
    void SetUp() override { ASSERT_TRUE(m_module.SetImage(m_image.data(), 16, 12)); }
    void Activate(int count)
    {
        for (int i = 0; i < count; ++i)
        {
            ASSERT_TRUE(m_module.Controls().AddLayer());
            SColorLayerData& d = m_module.Controls().Layer(i).Data();
            d.m_bActive = true;
            d.m_fSrcSatMin = 0.1f;
            d.m_fSrcVal = 0.f;
            d.m_fDstHue = 0.1f * float(i + 1);
        }
    }
    std::vector<uint16_t> Result()
    {
        auto& r = const_cast<Helper::CRGB48Buffer&>(m_module.Result());
        return {r.GetData(), r.GetData() + size_t(r.Width()) * r.Height() * 3};
    }
    bool Skipped()
    {
        CLogCapture log;
        EXPECT_TRUE(m_module.CalcResult());
        return log.Text().find("CColorModule::CalcImage() -> Calculation skipped since data haven't changed.") !=
               std::string::npos;
    }

    std::vector<uint16_t> m_image = TestImages::Noise(16, 12, 4);
    CColorModule m_module;
};

TEST_F(ColorModuleData, RecordTakesActiveLayersUpToTheLimit)
{
    Activate(4);
    m_module.Controls().Layer(1).Data().m_bActive = false;
    m_module.Controls().Layer(2).Data().m_bInverted = true;
    SCMEffectParams p = m_module.BuildRecord(eRESULT, m_module.LayerLimit(eRESULT));
    EXPECT_EQ(std::vector<int>(p.aiActive, p.aiActive + 6), (std::vector<int>{1, 0, 1, 1, 0, 0}));
    EXPECT_FLOAT_EQ(p.afDstHue[3], 0.4f);
    EXPECT_FLOAT_EQ(p.afDstHue[1], 0.f); // an inactive slot stays all zero
    EXPECT_FLOAT_EQ(p.afHueMin[1], 0.f);
    EXPECT_EQ(p.aiInvert[2], 1);

    // A layer showing its mask: the result runs up to and including it, the mask source up to it.
    m_module.Controls().ShowMask(2, true);
    EXPECT_EQ(m_module.LayerLimit(eRESULT), 3);
    EXPECT_EQ(m_module.LayerLimit(eMASK), 2);
    p = m_module.BuildRecord(eMASK, m_module.LayerLimit(eMASK));
    EXPECT_EQ(std::vector<int>(p.aiActive, p.aiActive + 6), (std::vector<int>{1, 0, 0, 0, 0, 0}));
    // Picking a source colour hides the picking layer and those after it, before the mask rule.
    m_module.Controls().StartPicking(2, true);
    EXPECT_EQ(m_module.LayerLimit(eRESULT), 2);
    // Picking a destination does not.
    m_module.Controls().StartPicking(0, false);
    EXPECT_EQ(m_module.LayerLimit(eRESULT), 3);
    m_module.Controls().ShowMask(2, false);
    EXPECT_EQ(m_module.LayerLimit(eRESULT), -1);
}

TEST_F(ColorModuleData, DifferentlySizedBuffersThrowBeforeAnythingRuns)
{
    Activate(1);
    std::vector<uint16_t> a(4 * 4 * 3), b(4 * 5 * 3);
    const SImageRef small{a.data(), 4, 4}, tall{b.data(), 4, 5};
    using Metric = Helper::CExceptionInvalidImageMetric;
    EXPECT_THROW(CColorModule::BuildRecord(m_module.Controls(), eRESULT, -1, small, tall), Metric);
    EXPECT_THROW(CColorModule::BuildRecord(m_module.Controls(), eRESULT, -1, {nullptr, 4, 4}, small), Metric);
    EXPECT_NO_THROW(CColorModule::BuildRecord(m_module.Controls(), eRESULT, -1, small, small));
    CColorModule empty;
    EXPECT_THROW(empty.BuildRecord(eRESULT, -1), Metric);
    EXPECT_FALSE(empty.CalcResult());
}

TEST_F(ColorModuleData, UnchangedLayersSkipTheCalculationUntilTheImageChanges)
{
    Activate(2);
    ASSERT_TRUE(m_module.CalcResult());
    const std::vector<uint16_t> first = Result();
    EXPECT_NE(first, m_image);
    EXPECT_TRUE(Skipped());
    // A changed setting runs again.
    m_module.Controls().Layer(0).Data().m_fDstSat = 0.2f;
    EXPECT_FALSE(Skipped());
    EXPECT_NE(Result(), first);

    // A failing engine call keeps the last good record: the same settings still skip.
    SCMEffectParams broken = m_module.BuildRecord(eRESULT, -1);
    broken.pTarget = nullptr;
    broken.afDstHue[0] = 0.9f;
    EXPECT_FALSE(m_module.CalcImage(broken));
    EXPECT_TRUE(Skipped());
    // That a new picture drops the kept calculation is the grading session's test.
}

TEST_F(ColorModuleData, MaskIsTheSelectionOnTheImageTheEarlierLayersLeave)
{
    // Layer 0 turns red into green; layer 1 selects green: its mask must see the green.
    std::vector<uint16_t> red = {65535, 0, 0, 0, 0, 65535};
    ASSERT_TRUE(m_module.SetImage(red.data(), 2, 1));
    ColorModule::CColorControls& c = m_module.Controls();
    ASSERT_TRUE(c.AddLayer() && c.AddLayer());
    c.Layer(0).Data().m_bActive = c.Layer(1).Data().m_bActive = true;
    c.Layer(0).Data().m_fDstHue = 1.f / 3;
    c.Layer(0).Data().m_fDstSat = 0.9f;
    c.Layer(1).Data().SetSourceFromColour(0.f, 1.f, 0.f);
    c.Layer(1).Data().m_fSrcVal = 0.f;
    EXPECT_FALSE(m_module.CalcMask(false)); // no layer shows its mask
    c.ShowMask(1, true);
    ASSERT_TRUE(m_module.CalcMask(false));
    auto& mask = const_cast<Helper::CGrey16Buffer&>(m_module.Mask());
    EXPECT_EQ(mask.GetData()[0], 65535);
    EXPECT_EQ(mask.GetData()[1], 0); // blue
    ASSERT_TRUE(m_module.CalcMask(true));
    EXPECT_EQ(mask.GetData()[0], 0); // saturated and bright: pickable
    // Layer 0's own mask sees the untouched red.
    c.ShowMask(0, true);
    c.Layer(0).Data().m_fSrcVal = 0.f;
    ASSERT_TRUE(m_module.CalcMask(false));
    EXPECT_EQ(mask.GetData()[0], 65535);
    EXPECT_EQ(c.MaskLayer(), 0);
    EXPECT_FALSE(c.Layer(1).MaskShown());
}

// ---------------------------------------------------------------------------------------------

TEST_F(ColorLayers, FileRoundTripKeepsEveryKeyAndLeavesNoTemporaryFile)
{
    Fill(m_controls, 3);
    SColorLayerData& d = m_controls.Layer(1).Data();
    d.m_bActive = d.m_bInverted = d.m_bShowSrcBaseCtrls = true;
    d.m_bSrcFirstSet = false;
    d.m_pntSrcImagePosRel = QPointF(0.125, 0.75);
    d.SetSourceFromColour(0.2f, 0.6f, 0.9f);
    d.m_fSrcSoftness = 0.33f;
    d.m_fDstValContrast = 0.8f;
    const QString path = Write("look.cml", "old contents");
    ASSERT_TRUE(m_controls.SaveFile(path));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"look.cml"});
    QSettings ini(path, QSettings::IniFormat);
    EXPECT_EQ(ini.value("VersionMajor").toInt(), 1);
    EXPECT_EQ(ini.value("Layer").toInt(), 3);

    CColorControls loaded;
    ASSERT_TRUE(loaded.LoadFile(path));
    ASSERT_EQ(loaded.Count(), 3);
    EXPECT_EQ(loaded.Layer(1).Data(), d);
    EXPECT_EQ(loaded.Layer(0).Data(), SColorLayerData::NewLayer());

    // Into a missing folder: refused with the file's name, nothing made.
    QString error;
    EXPECT_FALSE(m_controls.SaveFile(Path("nowhere/look.cml"), &error));
    EXPECT_TRUE(error.contains("look.cml"));
    EXPECT_FALSE(QFile::exists(Path("nowhere")));
}

TEST_F(ColorLayers, FilesWithoutAUsableVersionChangeNothing)
{
    // Another major version, no version, a version that is no number, empty, a byte-order mark
    // alone, NUL-filled.
    Fill(m_controls, 2);
    m_controls.Layer(0).Data().m_fDstHue = 0.7f;
    int n = 0;
    for (const QByteArray& text : {LayerFile(2, 1, 1, "m_bActive=true\n"), QByteArray("[General]\nLayer=3\n"),
                                   QByteArray("[General]\nVersionMajor=one\nLayer=1\n"), QByteArray(),
                                   QByteArray("\xEF\xBB\xBF"), QByteArray(4096, '\0')})
    {
        EXPECT_FALSE(m_controls.LoadFile(Write(QStringLiteral("other%1.cml").arg(n++), text)));
        ASSERT_EQ(m_controls.Count(), 2);
        EXPECT_FLOAT_EQ(m_controls.Layer(0).Data().m_fDstHue, 0.7f);
    }
}

TEST_F(ColorLayers, DamagedValuesLoadAsDefaultsAndCountsStayBounded)
{
    // Eight layers load as six; keys a group lacks keep their defaults.
    ASSERT_TRUE(m_controls.LoadFile(Write("eight.cml", LayerFile(1, 8, 8, "m_bActive=true\nm_fDstHue=0.%1\n"))));
    ASSERT_EQ(m_controls.Count(), 6);
    SColorLayerData expected = SColorLayerData::NewLayer();
    expected.m_bActive = true;
    expected.m_fDstHue = 0.5f;
    EXPECT_EQ(m_controls.Layer(5).Data(), expected);

    // Wrong types and out-of-range numbers: each value defaulted or clamped into 0..1.
    const QByteArray body = "m_bActive=maybe\nm_bInverted=1\nm_fSrcHueMin=nan\nm_fSrcHueMax=1e9\nm_fSrcSatMin=-5\n"
                            "m_fSrcSoftness=inf\nm_fDstHue=abc\nm_fDstValContrast=4294967296\n"
                            "m_pntSrcImagePosRel=@Point(nan inf)\nm_pntDstImagePosRel=@Variant(junk)\n";
    ASSERT_TRUE(m_controls.LoadFile(Write("types.cml", LayerFile(1, 1, 1, body))));
    ASSERT_EQ(m_controls.Count(), 1);
    const SColorLayerData& d = m_controls.Layer(0).Data();
    for (const QPointF& p : {d.m_pntSrcImagePosRel, d.m_pntDstImagePosRel})
        EXPECT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()));
    expected = SColorLayerData::NewLayer(); // with the four usable values and the finite points
    expected.m_bInverted = true;
    expected.m_fSrcHueMax = 1.f, expected.m_fSrcSatMin = 0.f, expected.m_fDstValContrast = 1.f;
    expected.m_pntSrcImagePosRel = d.m_pntSrcImagePosRel, expected.m_pntDstImagePosRel = d.m_pntDstImagePosRel;
    EXPECT_EQ(d, expected);

    // Huge or negative counts: bounded by the list's limit, never by the file.
    int n = 0;
    for (const char* count : {"2147483647", "99999999999999999999", "-1", "1e9"})
    {
        ASSERT_TRUE(m_controls.LoadFile(
            Write(QStringLiteral("count%1.cml").arg(n++), QByteArray("[General]\nVersionMajor=1\nLayer=") + count)));
        EXPECT_LE(m_controls.Count(), CColorControls::kMaxLayers) << count;
    }
    EXPECT_EQ(m_controls.Count(), 0); // "1e9" is not a whole number: no layers
}

TEST_F(ColorLayers, DialogsUseTheirTitlesAndRememberTheFolder)
{
    QSettings app(Path("app.ini"), QSettings::IniFormat);
    app.setValue("lastDialogPath", m_dir.path());
    Fill(m_controls, 2);
    m_controls.Layer(1).Data().m_bActive = true;

    QDir(m_dir.path()).mkdir("looks");
    m_prompt.QueueText(Path("looks/skin"));
    ASSERT_TRUE(m_controls.SaveWithDialog(m_prompt, app));
    EXPECT_EQ(m_prompt.Log().last(), "save|Layer speichern|" + m_dir.path() + "/Meine Layer");
    EXPECT_TRUE(QFile::exists(Path("looks/skin.cml")));
    EXPECT_EQ(app.value("lastDialogPath").toString(), Path("looks"));

    // Loading over existing layers asks first; "no" changes nothing and opens no dialog.
    CColorControls other;
    ASSERT_TRUE(other.AddLayer());
    m_prompt.ExpectQuestion("Sollen bestehende Layer wirklich überschrieben werden?", IUserPrompt::eNo);
    EXPECT_FALSE(other.LoadWithDialog(m_prompt, app));
    EXPECT_EQ(other.Count(), 1);
    EXPECT_EQ(m_prompt.Log().last(), "question|Layer laden|Sollen bestehende Layer wirklich überschrieben werden?");

    m_prompt.ExpectQuestion("Sollen bestehende Layer wirklich überschrieben werden?", IUserPrompt::eYes);
    m_prompt.QueueText(Path("looks/skin.cml"));
    ASSERT_TRUE(other.LoadWithDialog(m_prompt, app));
    EXPECT_EQ(m_prompt.Log().last(), "open|Layer einladen|" + Path("looks"));
    ASSERT_EQ(other.Count(), 2);
    EXPECT_TRUE(other.Layer(1).Data().m_bActive);

    // An empty list loads without a question; a cancelled dialog loads nothing.
    CColorControls empty;
    m_prompt.QueueText(QString());
    EXPECT_FALSE(empty.LoadWithDialog(m_prompt, app));
    EXPECT_EQ(m_prompt.Unanswered(), 0);
}
