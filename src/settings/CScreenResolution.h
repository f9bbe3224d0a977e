#pragma once

#include "platform/WinTypes.h"

// A default screen resolution as the settings key stores it: "Screen X" by "Screen Y" pixels.
struct CScreenResolution {
    DWORD m_dwScreenX;
    DWORD m_dwScreenY;

    friend bool operator==(const CScreenResolution&, const CScreenResolution&) = default;
};
