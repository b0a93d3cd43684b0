#include "engine/EngineSettings.h"

SEngineSettings& MP_EngineSettings()
{
    static SEngineSettings settings;
    return settings;
}
