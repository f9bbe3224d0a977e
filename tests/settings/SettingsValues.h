#pragma once

// Stored forms and settings shared by the store's tests. The bytes are built here on their own,
// not with the code under test, so that a wrong encoding there cannot agree with itself.

#include "platform/WinTypes.h"
#include "settings/CGameSettings.h"

#include <string>
#include <vector>

// A REG_DWORD's four bytes, least significant first.
inline std::vector<BYTE> DwordBytes(DWORD dwValue) {
    return {static_cast<BYTE>(dwValue), static_cast<BYTE>(dwValue >> 8),
            static_cast<BYTE>(dwValue >> 16), static_cast<BYTE>(dwValue >> 24)};
}

// A REG_SZ's bytes: the characters and the terminating zero.
inline std::vector<BYTE> SzBytes(const std::string& text) {
    std::vector<BYTE> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

// The 3dfx Rush entry with filtered and perspective textures, Super lighting and a resolution.
inline CGameSettings RushSettings(CScreenResolution resolution) {
    CGameSettings settings;
    settings.m_strDriverId = "3dfx_win";
    settings.m_dwVoodooRush = 1;
    settings.m_dwTextureFiltering = 1;
    settings.m_dwPerspectiveTextures = 1;
    settings.m_dwLightingComplexity = 3;
    settings.m_resolution = resolution;
    return settings;
}
