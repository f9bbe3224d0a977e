#include "RecordingSink.h"

void RecordingSink::OnDriverName(const CString& strDriverId) {
    events.push_back("Driver name=" + strDriverId.str());
}

void RecordingSink::OnTextureFiltering(DWORD dwValue) {
    events.push_back("Texture filtering=" + std::to_string(dwValue));
}

void RecordingSink::OnPerspectiveTextures(DWORD dwValue) {
    events.push_back("Perspective textures=" + std::to_string(dwValue));
}

void RecordingSink::OnLightingComplexity(DWORD dwValue) {
    events.push_back("Lighting Complexity=" + std::to_string(dwValue));
}

void RecordingSink::OnVoodooRush(DWORD dwValue) {
    events.push_back("Voodoo Rush=" + std::to_string(dwValue));
}

void RecordingSink::OnScreenResolution(DWORD dwScreenX, DWORD dwScreenY) {
    events.push_back("Screen=" + std::to_string(dwScreenX) + "x" + std::to_string(dwScreenY));
}
