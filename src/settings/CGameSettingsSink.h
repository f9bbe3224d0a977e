#pragma once

#include "framework/CString.h"
#include "platform/WinTypes.h"

// Receives the driver settings as the store reads them, one call per value, in the order the
// store queries them, so that each value can be put to use before the next one is read. A value
// that is absent or cannot be read gets no call; the resolution call always comes last, with 320
// and 200 standing in for an absent "Screen X" or "Screen Y". Numbers are passed as stored.
class CGameSettingsSink {
public:
    virtual ~CGameSettingsSink() = default;

    virtual void OnDriverName(const CString& strDriverId) = 0;
    virtual void OnTextureFiltering(DWORD dwValue) = 0;
    virtual void OnPerspectiveTextures(DWORD dwValue) = 0;
    virtual void OnLightingComplexity(DWORD dwValue) = 0;
    virtual void OnVoodooRush(DWORD dwValue) = 0;
    virtual void OnScreenResolution(DWORD dwScreenX, DWORD dwScreenY) = 0;
};
