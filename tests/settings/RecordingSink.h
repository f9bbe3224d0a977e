#pragma once

#include "settings/CGameSettingsSink.h"

#include <string>
#include <vector>

// Writes down each value the store hands over, in the order it arrives, e.g.
// "Driver name=3dfx_win", "Lighting Complexity=3", "Screen=640x480".
class RecordingSink : public CGameSettingsSink {
public:
    std::vector<std::string> events;

    void OnDriverName(const CString& strDriverId) override;
    void OnTextureFiltering(DWORD dwValue) override;
    void OnPerspectiveTextures(DWORD dwValue) override;
    void OnLightingComplexity(DWORD dwValue) override;
    void OnVoodooRush(DWORD dwValue) override;
    void OnScreenResolution(DWORD dwScreenX, DWORD dwScreenY) override;
};
