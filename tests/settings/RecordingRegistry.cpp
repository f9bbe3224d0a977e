#include "RecordingRegistry.h"

#include <cstdio>
#include <cstring>

namespace {

struct State {
    LONG lOpenResult = ERROR_SUCCESS;
    std::map<std::string, RecordingRegistry::StoredValue> values;
    std::map<std::string, LONG> queryFailures;
    std::map<std::string, LONG> setFailures;
    std::vector<std::string> calls;
};

State& TheState() {
    static State state;
    return state;
}

int g_nOpenKey = 0;
HKEY OpenKeyHandle() {
    return reinterpret_cast<HKEY>(&g_nOpenKey);
}

int g_nMachineRoot = 0;

std::string Hex(const BYTE* pData, DWORD cbData) {
    std::string text;
    for (DWORD i = 0; i < cbData; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned>(pData[i]));
        if (i > 0)
            text += ' ';
        text += byte;
    }
    return text;
}

} // namespace

const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(&g_nMachineRoot);

void RecordingRegistry::Reset() {
    TheState() = State{};
}

void RecordingRegistry::FailOpen(LONG lResult) {
    TheState().lOpenResult = lResult;
}

void RecordingRegistry::Store(const std::string& name, DWORD dwType, std::vector<BYTE> data) {
    TheState().values[name] = StoredValue{dwType, std::move(data)};
}

void RecordingRegistry::FailQuery(const std::string& name, LONG lResult) {
    TheState().queryFailures[name] = lResult;
}

void RecordingRegistry::FailSet(const std::string& name, LONG lResult) {
    TheState().setFailures[name] = lResult;
}

const std::vector<std::string>& RecordingRegistry::Calls() {
    return TheState().calls;
}

const std::map<std::string, RecordingRegistry::StoredValue>& RecordingRegistry::Values() {
    return TheState().values;
}

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                   PHKEY phkResult) {
    State& state = TheState();
    char access[16];
    std::snprintf(access, sizeof access, "0x%x", static_cast<unsigned>(samDesired));
    state.calls.push_back(std::string("open ") + (hKey == HKEY_LOCAL_MACHINE ? "HKLM\\" : "?\\") +
                          lpSubKey + "|" + std::to_string(ulOptions) + "|" + access);
    *phkResult = state.lOpenResult == ERROR_SUCCESS ? OpenKeyHandle() : nullptr;
    return state.lOpenResult;
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                      LPBYTE lpData, LPDWORD lpcbData) {
    State& state = TheState();
    state.calls.push_back(std::string("query ") + lpValueName + "|" + std::to_string(*lpcbData));
    if (hKey != OpenKeyHandle() || lpReserved != nullptr)
        return ERROR_INVALID_PARAMETER;
    if (const auto failure = state.queryFailures.find(lpValueName);
        failure != state.queryFailures.end())
        return failure->second;
    const auto value = state.values.find(lpValueName);
    if (value == state.values.end())
        return ERROR_FILE_NOT_FOUND;
    const auto cbStored = static_cast<DWORD>(value->second.data.size());
    if (lpType)
        *lpType = value->second.dwType;
    if (cbStored > *lpcbData) {
        *lpcbData = cbStored;
        return ERROR_MORE_DATA;
    }
    if (cbStored > 0)
        std::memcpy(lpData, value->second.data.data(), cbStored);
    *lpcbData = cbStored;
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                    DWORD cbData) {
    State& state = TheState();
    state.calls.push_back(std::string("set ") + lpValueName + "|" + std::to_string(dwType) + "|" +
                          Hex(lpData, cbData) + "|" + std::to_string(cbData));
    if (hKey != OpenKeyHandle() || Reserved != 0)
        return ERROR_INVALID_PARAMETER;
    if (const auto failure = state.setFailures.find(lpValueName);
        failure != state.setFailures.end())
        return failure->second;
    state.values[lpValueName] =
        RecordingRegistry::StoredValue{dwType, std::vector<BYTE>(lpData, lpData + cbData)};
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY hKey) {
    TheState().calls.emplace_back(hKey == OpenKeyHandle() ? "close" : "close ?");
    return hKey == OpenKeyHandle() ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
