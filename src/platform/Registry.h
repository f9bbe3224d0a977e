#pragma once

// The registry operations the program uses, over one hive file in the REGEDIT4 text format.
//
// The hive is the file named by the environment variable VORN_REGISTRY when it is set and not
// empty, otherwise $XDG_CONFIG_HOME/vorn/registry.reg (~/.config/vorn/registry.reg when
// XDG_CONFIG_HOME is unset). It holds HKEY_LOCAL_MACHINE.
//
// Contracts:
// - Key paths and value names match without regard to ASCII letter case.
// - RegOpenKeyExA opens an existing key and never creates one; an absent key gives
//   ERROR_FILE_NOT_FOUND and a null handle. KEY_WRITE on a hive that cannot be written gives
//   ERROR_ACCESS_DENIED.
// - RegQueryValueExA returns the exact stored bytes and type. A value larger than the buffer gives
//   ERROR_MORE_DATA with the needed size; the buffer is then not touched.
// - RegSetValueExA through a handle opened without KEY_WRITE gives ERROR_ACCESS_DENIED. Every
//   write replaces the hive file atomically under an advisory lock; what it does not set survives.
// - A hive that cannot be parsed reads as holding no keys and is never overwritten.
//
// Details of this implementation:
// - Every call reads the file afresh, so that what another process wrote is seen. Opening checks
//   that the key exists at that moment; a key that is only the parent of a listed key exists too.
// - A handle is an entry in a table of open keys: a closed or unknown handle gives
//   ERROR_INVALID_HANDLE. Keys may be opened relative to an open key. HKEY_LOCAL_MACHINE is
//   always open and may be closed without effect.
// - Querying needs an open with KEY_READ and setting one with KEY_WRITE; otherwise
//   ERROR_ACCESS_DENIED. A null or empty value name is the unnamed value.
// - Querying an absent value gives ERROR_FILE_NOT_FOUND and leaves the size as it was. A null data
//   pointer with a size pointer asks for the size. The type is reported also with
//   ERROR_MORE_DATA. A string stored without its terminating zero is returned as stored; one zero
//   is written past it, uncounted, only when the buffer has room for it.
// - A set that cannot be written for any other reason (a full disk, say) gives
//   ERROR_ACCESS_DENIED and leaves the file as it was; a value that would make the file larger
//   than 16 MiB gives ERROR_INVALID_PARAMETER.

#include "platform/WinTypes.h"

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using REGSAM = DWORD;

extern const HKEY HKEY_LOCAL_MACHINE;

inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                      LPBYTE lpData, LPDWORD lpcbData);
LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                    DWORD cbData);
LONG RegCloseKey(HKEY hKey);
