#pragma once

// The keys the program has open. A handle is a number in this table, never a pointer: a closed,
// forged or never-opened handle is simply not found, so it cannot reach freed memory. Numbers are
// not reused, so a stale handle does not address a key opened later.

#include "platform/Registry.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

class KeyHandleTable {
public:
    struct OpenKey {
        std::string path; // below HKEY_LOCAL_MACHINE
        REGSAM access = 0;
    };

    static KeyHandleTable& instance();

    HKEY add(OpenKey key);
    std::optional<OpenKey> find(HKEY handle) const;
    bool remove(HKEY handle);

private:
    mutable std::mutex m_mutex;
    std::unordered_map<std::uintptr_t, OpenKey> m_keys;
    std::uintptr_t m_next = 0x1000;
};
