#pragma once

#include "framework/CString.h"
#include "platform/WinTypes.h"
#include "settings/CScreenResolution.h"

#include <optional>

// The values one confirmation of the driver settings stores. Without a resolution, "Screen X" and
// "Screen Y" keep whatever the key holds.
struct CGameSettings {
    CString m_strDriverId;
    DWORD m_dwVoodooRush = 0;
    DWORD m_dwTextureFiltering = 0;
    DWORD m_dwPerspectiveTextures = 0;
    DWORD m_dwLightingComplexity = 1;
    std::optional<CScreenResolution> m_resolution;
};
