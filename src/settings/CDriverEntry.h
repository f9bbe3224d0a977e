#pragma once

#include "platform/WinTypes.h"

// One 3D driver the player can choose: the text the driver list shows, the prefix that finds that
// text in the list, and what the settings key stores for it.
struct CDriverEntry {
    LPCSTR m_pszDisplayText;
    LPCSTR m_pszSelectionPrefix;
    LPCSTR m_pszDriverId;
    DWORD m_dwVoodooRush;
    bool m_bSoftware;
};
