// The switches of the options window other parts read, stored in the program settings.
#pragma once

#include <QString>

class QSettings;

struct SProgramOptions
{
    bool bAutoSafe = true;          // "automatics/m_pAutoSafeBoxCheckBox": confirm destructive actions
    bool bShowProgress = true;      // "options/m_pShowProgressCheckBox": the progress window appears
    QString sFixedDefaultFolder;    // "options/fixedDefaultFolder": empty = "lastDialogPath" is used
    int iLuminanceWeights = 0;      // "options/luminanceWeights": 0 Rec.709, 1 Rec.601, 2 equal
    bool bUndoSave = true;          // "compression/undosave": undo points travel with a saved project
    int iPreviewLongSide = 1280;    // "options/previewLongSide": long side of the preview in pixels
    static constexpr int kMinPreviewLongSide = 256, kMaxPreviewLongSide = 8192;

    static SProgramOptions Load(QSettings& settings);
    void Save(QSettings& settings) const;
    /// The red, green, blue weights of the chosen preset (they sum to 1).
    void LuminanceWeights(float& r, float& g, float& b) const;
};

/// Interface scale of construction step 9: 50, 100 or 150 by the primary screen's width.
int InterfaceScale(int screenWidth);
/// The widget-size step handed to the widget kit: scale / 50 + 4.
int WidgetSizeStep(int screenWidth);
