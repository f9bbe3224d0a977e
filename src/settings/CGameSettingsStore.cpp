#include "settings/CGameSettingsStore.h"

#include "platform/LittleEndian.h"
#include "platform/Registry.h"
#include "settings/SettingsKey.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace {

constexpr DWORD DRIVER_NAME_BUFFER_SIZE = 256;
constexpr DWORD DEFAULT_SCREEN_X = 320;
constexpr DWORD DEFAULT_SCREEN_Y = 200;

// Closes the key once, however the sequence ends.
class KeyCloser {
public:
    explicit KeyCloser(HKEY hKey) : m_hKey(hKey) {}
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;
    ~KeyCloser() { RegCloseKey(m_hKey); }

private:
    HKEY m_hKey;
};

// The stored bytes count, not any terminator the caller hoped for: a string stored without one
// ends where the returned data ends, and the buffer is never read past that.
bool QueryDriverName(HKEY hKey, CString& strDriverId) {
    std::array<BYTE, DRIVER_NAME_BUFFER_SIZE> buffer{};
    DWORD dwType = REG_NONE;
    DWORD cbData = DRIVER_NAME_BUFFER_SIZE;
    if (RegQueryValueExA(hKey, "Driver name", nullptr, &dwType, buffer.data(), &cbData) !=
        ERROR_SUCCESS)
        return false;
    if (cbData > DRIVER_NAME_BUFFER_SIZE)
        return false;
    const std::string_view data(reinterpret_cast<const char*>(buffer.data()), cbData);
    strDriverId = CString(data.substr(0, data.find('\0')));
    return true;
}

// A shorter value leaves the missing high bytes zero, so nothing unread ever reaches the number.
bool QueryNumber(HKEY hKey, LPCSTR pszName, DWORD& dwValue) {
    std::array<BYTE, 4> buffer{};
    DWORD dwType = REG_NONE;
    DWORD cbData = static_cast<DWORD>(buffer.size());
    if (RegQueryValueExA(hKey, pszName, nullptr, &dwType, buffer.data(), &cbData) != ERROR_SUCCESS)
        return false;
    dwValue = FromLittleEndian(buffer);
    return true;
}

bool SetNumber(HKEY hKey, LPCSTR pszName, DWORD dwValue) {
    const std::array<BYTE, 4> bytes = LittleEndianBytes(dwValue);
    return RegSetValueExA(hKey, pszName, 0, REG_DWORD, bytes.data(),
                          static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool SetString(HKEY hKey, LPCSTR pszName, const CString& strValue) {
    // The characters and the terminating zero.
    const auto* pData = reinterpret_cast<const BYTE*>(static_cast<const char*>(strValue));
    return RegSetValueExA(hKey, pszName, 0, REG_SZ, pData,
                          static_cast<DWORD>(strValue.GetLength()) + 1) == ERROR_SUCCESS;
}

} // namespace

bool CGameSettingsStore::Read(CGameSettingsSink& sink) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SETTINGS_KEY, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    const KeyCloser closer(hKey);

    CString strDriverId;
    if (QueryDriverName(hKey, strDriverId))
        sink.OnDriverName(strDriverId);

    DWORD dwValue = 0;
    if (QueryNumber(hKey, "Texture filtering", dwValue))
        sink.OnTextureFiltering(dwValue);
    if (QueryNumber(hKey, "Perspective textures", dwValue))
        sink.OnPerspectiveTextures(dwValue);
    if (QueryNumber(hKey, "Lighting Complexity", dwValue))
        sink.OnLightingComplexity(dwValue);
    if (QueryNumber(hKey, "Voodoo Rush", dwValue))
        sink.OnVoodooRush(dwValue);

    DWORD dwScreenX = DEFAULT_SCREEN_X;
    DWORD dwScreenY = DEFAULT_SCREEN_Y;
    QueryNumber(hKey, "Screen X", dwScreenX);
    QueryNumber(hKey, "Screen Y", dwScreenY);
    sink.OnScreenResolution(dwScreenX, dwScreenY);
    return true;
}

bool CGameSettingsStore::Write(const CGameSettings& settings) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SETTINGS_KEY, 0, KEY_WRITE, &hKey) != ERROR_SUCCESS)
        return false;
    const KeyCloser closer(hKey);

    // Each write stands alone: a failure is remembered, never a reason to stop.
    bool bAllWritten = SetString(hKey, "Driver name", settings.m_strDriverId);
    bAllWritten &= SetNumber(hKey, "Voodoo Rush", settings.m_dwVoodooRush);
    bAllWritten &= SetNumber(hKey, "Texture filtering", settings.m_dwTextureFiltering);
    bAllWritten &= SetNumber(hKey, "Perspective textures", settings.m_dwPerspectiveTextures);
    bAllWritten &= SetNumber(hKey, "Lighting complexity", settings.m_dwLightingComplexity);
    if (settings.m_resolution) {
        bAllWritten &= SetNumber(hKey, "Screen X", settings.m_resolution->m_dwScreenX);
        bAllWritten &= SetNumber(hKey, "Screen Y", settings.m_resolution->m_dwScreenY);
    }
    return bAllWritten;
}
