#include "session/ProgramOptions.h"

#include "core/EngineState.h"
#include "session/SettingsValue.h"

#include <QSettings>

#include <algorithm>

namespace
{
const char* const kAutoSafe = "automatics/m_pAutoSafeBoxCheckBox";
const char* const kShowProgress = "options/m_pShowProgressCheckBox";
const char* const kFixedFolder = "options/fixedDefaultFolder";
const char* const kLuminance = "options/luminanceWeights";
const char* const kUndoSave = "compression/undosave";
const char* const kPreviewLongSide = "options/previewLongSide";

int ReadInt(const QSettings& settings, const char* key, int fallback, int low, int high)
{
    const std::optional<int> value = SettingsValue::Int(settings, key);
    return value ? std::clamp(*value, low, high) : fallback;
}
}  // namespace

SProgramOptions SProgramOptions::Load(QSettings& settings)
{
    SProgramOptions options;
    options.bAutoSafe = settings.value(kAutoSafe, options.bAutoSafe).toBool();
    options.bShowProgress = settings.value(kShowProgress, options.bShowProgress).toBool();
    options.sFixedDefaultFolder = settings.value(kFixedFolder).toString();
    options.iLuminanceWeights = ReadInt(settings, kLuminance, options.iLuminanceWeights, 0, 2);
    options.bUndoSave = settings.value(kUndoSave, options.bUndoSave).toBool();
    options.iPreviewLongSide =
        ReadInt(settings, kPreviewLongSide, options.iPreviewLongSide, kMinPreviewLongSide, kMaxPreviewLongSide);
    return options;
}

void SProgramOptions::Save(QSettings& settings) const
{
    settings.setValue(kAutoSafe, bAutoSafe);
    settings.setValue(kShowProgress, bShowProgress);
    settings.setValue(kFixedFolder, sFixedDefaultFolder);
    settings.setValue(kLuminance, iLuminanceWeights);
    settings.setValue(kUndoSave, bUndoSave);
    settings.setValue(kPreviewLongSide, iPreviewLongSide);
}

void SProgramOptions::LuminanceWeights(float& r, float& g, float& b) const
{
    // The engine's presets: 1 equal, 2 Rec.709, 3 Rec.601.
    static const int kEnginePreset[] = {2, 3, 1};
    MP_UI_GetLumPreset(kEnginePreset[std::clamp(iLuminanceWeights, 0, 2)], r, g, b);
}

int InterfaceScale(int screenWidth)
{
    if (screenWidth < 2560)
        return 50;
    return screenWidth < 3840 ? 100 : 150;
}

int WidgetSizeStep(int screenWidth)
{
    return InterfaceScale(screenWidth) / 50 + 4;
}
