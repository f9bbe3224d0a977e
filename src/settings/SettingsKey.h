#pragma once

// The settings key below HKEY_LOCAL_MACHINE: the installer creates it with "Directory", the game
// reads its driver settings from it, and this program only opens it, never creates it.

#include "platform/WinTypes.h"

inline constexpr LPCSTR SETTINGS_KEY = "Software\\Pelliwan Software\\Vorn Demo";
