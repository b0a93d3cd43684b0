// The colour layers as data: one layer's settings, the ordered list of at most six layers with
// its editing operations (each destructive one confirmed through IUserPrompt), and the layer
// files (".cml", INI format) they are saved to and loaded from.
#pragma once

#include <QCoreApplication>
#include <QPointF>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class IUserPrompt;
class QSettings;

/// The settings of one colour layer. Hue, saturation and value are fractions 0..1 (hue of the
/// full circle: 0 red, 1/3 green, 2/3 blue). A new layer selects pure red.
struct SColorLayerData
{
    bool m_bActive = false;
    bool m_bSrcFirstSet = true;
    bool m_bDstFirstSet = true;
    bool m_bShowModifiedMask = false;
    bool m_bShowSrcBaseCtrls = false;
    QPointF m_pntSrcImagePosRel{-1.0, -1.0}; // where the source colour was picked; (−1, −1): not picked
    QPointF m_pntDstImagePosRel{-1.0, -1.0};
    bool m_bInverted = false;
    float m_fSrcHue = 0.f;
    float m_fSrcHueMin = 0.f;
    float m_fSrcHueMax = 0.f; // below the start when the range crosses red
    float m_fSrcHueReset = 0.f;
    float m_fSrcSat = 0.f;
    float m_fSrcSatMin = 0.f;
    float m_fSrcSatMax = 0.f;
    float m_fSrcSatReset = 0.f;
    float m_fSrcVal = 0.f; // minimum brightness of the selection
    float m_fSrcValReset = 0.f;
    float m_fSrcSoftness = 0.5f;
    float m_fDstHue = 0.f;
    float m_fDstHueReset = 0.f;
    float m_fDstSat = 0.f;
    float m_fDstSatReset = 0.f;
    float m_fDstVal = 0.f;
    float m_fDstValReset = 0.f;
    float m_fDstSatContrast = 0.5f; // 0.5 neutral
    float m_fDstValContrast = 0.5f;

    /// The settings of a new layer: the source set from pure red, its hue, saturation and value
    /// copied to the reset fields and to the destination.
    static SColorLayerData NewLayer();

    /// Sets the source centres and ranges from a colour (components 0..1): hue ±0.05 wrapped,
    /// saturation ±0.2 within 0.1..1, the minimum value the colour's value.
    void SetSourceFromColour(float r, float g, float b);
    /// Sets destination hue and saturation from a colour (components 0..1).
    void SetDestinationFromColour(float r, float g, float b);
    /// Brings every number into its range (non-finite ones to the new layer's value).
    void Sanitize();

    bool operator==(const SColorLayerData&) const = default;
};

namespace ColorModule
{
/// A hue brought into 0..1 by whole turns; exactly 1 becomes 0.
float WrapHue(float h);

/// One layer of the list: its place, its settings and what the user is doing with it.
class CColorLayer
{
public:
    explicit CColorLayer(const SColorLayerData& data = SColorLayerData::NewLayer()) : m_data(data) {}

    int Index() const { return m_iIndex; }
    void SetIndex(int index) { m_iIndex = index; }
    SColorLayerData& Data() { return m_data; }
    const SColorLayerData& Data() const { return m_data; }

    bool PickingSource() const { return m_bPickingSrc; }
    bool PickingDestination() const { return m_bPickingDst; }
    /// The layer's mask is shown (only an active layer shows one).
    bool MaskShown() const { return m_data.m_bActive && m_data.m_bShowModifiedMask; }

    /// Copy the current source (or destination) hue, saturation and value, clamped to 0..1,
    /// into the reset fields.
    void SetSrcResetValues();
    void SetDstResetValues();

private:
    friend class CColorControls;
    int m_iIndex = -1;
    SColorLayerData m_data;
    bool m_bPickingSrc = false;
    bool m_bPickingDst = false;
};

/// The ordered layer list (at most kMaxLayers); layers are numbered 0..n−1 in list order.
class CColorControls
{
    Q_DECLARE_TR_FUNCTIONS(ColorModule::CColorControls)

public:
    static constexpr int kMaxLayers = 6;
    static constexpr const char* kExtension = "cml";

    int Count() const { return int(m_layers.size()); }
    CColorLayer& Layer(int i) { return *m_layers.at(size_t(i)); }
    const CColorLayer& Layer(int i) const { return *m_layers.at(size_t(i)); }

    /// Whether remove, paste, copy-to-destination and reset ask first (the program's safety
    /// option); on by default.
    void SetConfirmChanges(bool on) { m_bConfirm = on; }

    /// Appends a new layer; false (nothing changes) when the list is full.
    bool AddLayer();
    /// Each returns true when something changed; a "no" to the question changes nothing.
    bool RemoveLayer(int i, IUserPrompt& prompt);
    bool MoveUp(int i);
    bool MoveDown(int i);
    void CopyLayer(int i);
    bool HasCopiedLayer() const { return m_copied.has_value(); }
    bool PasteLayer(int i, IUserPrompt& prompt);
    bool CopySourceToDestination(int i, IUserPrompt& prompt);
    bool ResetColours(int i, IUserPrompt& prompt);
    void RemoveAll();

    /// Starts picking the source (or destination) colour for layer i; any other picking ends.
    void StartPicking(int i, bool source);
    /// The layer picking now and whether it picks its source; −1 when none picks.
    int PickingLayer(bool* source = nullptr) const;
    /// A colour picked at a position relative to the image; ends the picking. False when none picked.
    bool ColourPicked(float r, float g, float b, QPointF positionRel);
    /// Ends any picking of all layers.
    void OnAbort();
    /// Shows the mask of layer i (and hides any other), or hides it.
    void ShowMask(int i, bool on);
    /// The layer whose mask is shown; −1 for none.
    int MaskLayer() const;

    /// Writes the layer list into a settings object / reads it back (replacing the list).
    void tSave(QSettings& settings) const;
    /// False (and nothing changes) when the major version is not 1.
    bool tLoad(QSettings& settings);
    /// tSave into a file, as a whole or not at all (AtomicFile).
    bool SaveFile(const QString& path, QString* error = nullptr) const;
    /// tLoad from a file of at most 1 MiB; false with `error` saying why nothing was loaded.
    bool LoadFile(const QString& path, QString* error = nullptr);

    /// The save and load flows with their dialogs; `appSettings` keeps "lastDialogPath".
    /// True when the layer list was written (or loaded).
    bool SaveWithDialog(IUserPrompt& prompt, QSettings& appSettings) const;
    bool LoadWithDialog(IUserPrompt& prompt, QSettings& appSettings);

private:
    bool Confirm(IUserPrompt& prompt, const QString& title, const QString& text) const;
    void Renumber();

    std::vector<std::unique_ptr<CColorLayer>> m_layers;
    std::optional<SColorLayerData> m_copied;
    bool m_bConfirm = true;
};
}  // namespace ColorModule
