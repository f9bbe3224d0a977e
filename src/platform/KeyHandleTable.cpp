#include "platform/KeyHandleTable.h"

KeyHandleTable& KeyHandleTable::instance() {
    static KeyHandleTable table;
    return table;
}

HKEY KeyHandleTable::add(OpenKey key) {
    const std::lock_guard guard(m_mutex);
    const std::uintptr_t number = m_next;
    m_next += 4;
    m_keys.emplace(number, std::move(key));
    return reinterpret_cast<HKEY>(number);
}

std::optional<KeyHandleTable::OpenKey> KeyHandleTable::find(HKEY handle) const {
    const std::lock_guard guard(m_mutex);
    const auto it = m_keys.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == m_keys.end())
        return std::nullopt;
    return it->second;
}

bool KeyHandleTable::remove(HKEY handle) {
    const std::lock_guard guard(m_mutex);
    return m_keys.erase(reinterpret_cast<std::uintptr_t>(handle)) > 0;
}
