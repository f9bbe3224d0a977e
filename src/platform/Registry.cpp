#include "platform/Registry.h"

#include "platform/Hive.h"
#include "platform/HiveFile.h"
#include "platform/KeyHandleTable.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(std::uintptr_t{0x80000002});

namespace {

constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_MULTI_SZ = 7;

std::optional<KeyHandleTable::OpenKey> resolve(HKEY handle) {
    if (handle == HKEY_LOCAL_MACHINE)
        return KeyHandleTable::OpenKey{{}, KEY_QUERY_VALUE | KEY_SET_VALUE};
    return KeyHandleTable::instance().find(handle);
}

bool isStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Every call reads the file afresh: it is small, and another process may have changed it.
HiveFile settingsFile() {
    return HiveFile(HiveFile::defaultPath());
}

// The hive as it is now, or the error that makes every key in it absent.
LONG loadHive(Hive& hive) {
    HiveFile::Contents contents = settingsFile().load();
    switch (contents.status) {
    case HiveFile::Status::Ok:
        hive = std::move(contents.hive);
        return ERROR_SUCCESS;
    case HiveFile::Status::Unreadable:
        return ERROR_ACCESS_DENIED;
    default:
        return ERROR_FILE_NOT_FOUND;
    }
}

} // namespace

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD /*ulOptions*/, REGSAM samDesired,
                   PHKEY phkResult) {
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    const auto base = resolve(hKey);
    if (!base)
        return ERROR_INVALID_HANDLE;
    const std::optional<std::string> relative = Hive::normalizePath(lpSubKey ? lpSubKey : "");
    if (!relative)
        return ERROR_FILE_NOT_FOUND;
    const std::string path = Hive::join(base->path, *relative);

    Hive hive;
    if (const LONG result = loadHive(hive); result != ERROR_SUCCESS)
        return result;
    if (!hive.keyExists(path))
        return ERROR_FILE_NOT_FOUND;
    if ((samDesired & KEY_SET_VALUE) && settingsFile().checkWritable() != HiveFile::Status::Ok)
        return ERROR_ACCESS_DENIED;
    *phkResult = KeyHandleTable::instance().add({hive.spelling(path), samDesired});
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                      LPBYTE lpData, LPDWORD lpcbData) {
    const auto key = resolve(hKey);
    if (!key)
        return ERROR_INVALID_HANDLE;
    if (lpReserved || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    if (!(key->access & KEY_QUERY_VALUE))
        return ERROR_ACCESS_DENIED;

    Hive hive;
    if (const LONG result = loadHive(hive); result != ERROR_SUCCESS)
        return result;
    if (!hive.keyExists(key->path))
        return ERROR_FILE_NOT_FOUND;
    const Hive::Value* value = hive.findValue(key->path, lpValueName ? lpValueName : "");
    if (!value)
        return ERROR_FILE_NOT_FOUND;

    const auto size = static_cast<DWORD>(value->data.size());
    if (lpType)
        *lpType = value->type;
    if (!lpData) {
        if (lpcbData)
            *lpcbData = size;
        return ERROR_SUCCESS;
    }
    if (*lpcbData < size) {
        *lpcbData = size;
        return ERROR_MORE_DATA;
    }
    std::copy(value->data.begin(), value->data.end(), lpData);
    // A string stored without its terminator gets one where the buffer has room for it; it is not
    // counted, and a buffer of exactly the stored size gets none.
    if (isStringType(value->type) && (size == 0 || value->data.back() != 0) && *lpcbData > size)
        lpData[size] = 0;
    *lpcbData = size;
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD /*Reserved*/, DWORD dwType,
                    const BYTE* lpData, DWORD cbData) {
    const auto key = resolve(hKey);
    if (!key)
        return ERROR_INVALID_HANDLE;
    if (!lpData && cbData > 0)
        return ERROR_INVALID_PARAMETER;
    if (!(key->access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;

    std::vector<BYTE> data(lpData, lpData + cbData);
    const std::string name = lpValueName ? lpValueName : "";
    const HiveFile::Result result = settingsFile().update(
        [&](Hive& hive) {
            // The key may have been deleted by another process since it was opened.
            if (!hive.keyExists(key->path))
                return HiveFile::Status::NotFound;
            hive.setValue(key->path, name, dwType, std::move(data));
            return HiveFile::Status::Ok;
        },
        false);
    switch (result.status) {
    case HiveFile::Status::Ok:
        return ERROR_SUCCESS;
    case HiveFile::Status::Missing:
    case HiveFile::Status::NotFound:
    case HiveFile::Status::Unparseable:
        return ERROR_FILE_NOT_FOUND;
    case HiveFile::Status::Invalid:
        return ERROR_INVALID_PARAMETER;
    case HiveFile::Status::Unreadable:
    case HiveFile::Status::ReadOnly:
    case HiveFile::Status::Failed:
        break;
    }
    return ERROR_ACCESS_DENIED;
}

LONG RegCloseKey(HKEY hKey) {
    if (hKey == HKEY_LOCAL_MACHINE)
        return ERROR_SUCCESS;
    return KeyHandleTable::instance().remove(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
