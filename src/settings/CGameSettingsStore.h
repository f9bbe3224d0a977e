#pragma once

#include "platform/WinTypes.h"
#include "settings/CGameSettings.h"
#include "settings/CGameSettingsSink.h"

// The game's driver, display and quality settings in the settings key, which the installer
// creates and the game reads. The key is only ever opened: never created, renamed or deleted.
class CGameSettingsStore {
public:
    // Reads the settings, handing each value to the sink as soon as it has been read. False when
    // the key could not be opened: then the sink hears nothing, not even the default resolution.
    static bool Read(CGameSettingsSink& sink);

    // Stores the settings. Nothing is written when the key cannot be opened for writing; a value
    // that cannot be written is skipped and the others are still written. True only when the key
    // was open and every value was written.
    static bool Write(const CGameSettings& settings);
};
