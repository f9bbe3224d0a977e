#pragma once

// A REG_DWORD is a 32-bit number stored as four bytes, least significant first, whatever the
// host's own byte order; the settings file, the tool and the game all read it that way.

#include "platform/WinTypes.h"

#include <array>

inline std::array<BYTE, 4> LittleEndianBytes(DWORD value) {
    return {static_cast<BYTE>(value & 0xFFu), static_cast<BYTE>((value >> 8) & 0xFFu),
            static_cast<BYTE>((value >> 16) & 0xFFu), static_cast<BYTE>((value >> 24) & 0xFFu)};
}

inline DWORD FromLittleEndian(const std::array<BYTE, 4>& bytes) {
    return static_cast<DWORD>(bytes[0]) | static_cast<DWORD>(bytes[1]) << 8 |
           static_cast<DWORD>(bytes[2]) << 16 | static_cast<DWORD>(bytes[3]) << 24;
}
