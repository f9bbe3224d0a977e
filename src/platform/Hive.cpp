#include "platform/Hive.h"

#include <algorithm>

namespace {

constexpr char separator = '\\';

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

std::string Hive::fold(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

std::optional<std::string> Hive::normalizePath(std::string_view path) {
    // A line break in a key name could not be written back as one key line.
    if (path.find_first_of("\r\n") != std::string_view::npos)
        return std::nullopt;
    if (!path.empty() && path.back() == separator)
        path.remove_suffix(1);
    if (path.empty())
        return std::string();
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = path.find(separator, start);
        if (end == start || start == path.size())
            return std::nullopt;
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return std::string(path);
}

std::optional<std::string> Hive::pathFromKeyName(std::string_view keyName) {
    const std::size_t end = keyName.find(separator);
    const std::string_view root = keyName.substr(0, end);
    if (fold(root) != fold(rootName))
        return std::nullopt;
    if (end == std::string_view::npos)
        return std::string();
    return normalizePath(keyName.substr(end + 1));
}

std::string Hive::keyName(std::string_view path) {
    std::string name(rootName);
    if (!path.empty()) {
        name += separator;
        name += path;
    }
    return name;
}

std::string Hive::join(std::string_view base, std::string_view relative) {
    if (base.empty())
        return std::string(relative);
    if (relative.empty())
        return std::string(base);
    std::string joined(base);
    joined += separator;
    joined += relative;
    return joined;
}

const Hive::KeyEntry* Hive::findKey(std::string_view folded) const {
    const auto it = m_keys.find(folded);
    return it == m_keys.end() ? nullptr : &it->second;
}

bool Hive::keyExists(std::string_view path) const {
    if (path.empty())
        return true;
    const std::string folded = fold(path);
    if (findKey(folded))
        return true;
    const std::string prefix = folded + separator;
    const auto it = m_keys.lower_bound(prefix);
    return it != m_keys.end() && startsWith(it->first, prefix);
}

std::string Hive::spelling(std::string_view path) const {
    const std::string folded = fold(path);
    if (const KeyEntry* key = findKey(folded))
        return key->path;
    const std::string prefix = folded + separator;
    const auto it = m_keys.lower_bound(prefix);
    if (!path.empty() && it != m_keys.end() && startsWith(it->first, prefix))
        return it->second.path.substr(0, path.size());
    return std::string(path);
}

Hive::KeyEntry& Hive::listKey(std::string_view path) {
    std::string folded = fold(path);
    auto it = m_keys.find(folded);
    if (it == m_keys.end()) {
        KeyEntry entry;
        entry.path = spelling(path);
        entry.order = m_nextKeyOrder++;
        it = m_keys.emplace(std::move(folded), std::move(entry)).first;
    }
    return it->second;
}

void Hive::addKey(std::string_view path) {
    listKey(path);
}

bool Hive::deleteKey(std::string_view path) {
    if (path.empty()) {
        const bool any = !m_keys.empty();
        m_keys.clear();
        return any;
    }
    const std::string folded = fold(path);
    bool any = m_keys.erase(folded) > 0;
    const std::string prefix = folded + separator;
    auto first = m_keys.lower_bound(prefix);
    auto last = first;
    while (last != m_keys.end() && startsWith(last->first, prefix))
        ++last;
    any = any || first != last;
    m_keys.erase(first, last);
    return any;
}

const Hive::Value* Hive::findValue(std::string_view path, std::string_view name) const {
    const KeyEntry* key = findKey(fold(path));
    if (!key)
        return nullptr;
    const auto it = key->values.find(fold(name));
    return it == key->values.end() ? nullptr : &it->second.value;
}

void Hive::setValue(std::string_view path, std::string_view name, DWORD type,
                    std::vector<BYTE> data) {
    KeyEntry& key = listKey(path);
    std::string folded = fold(name);
    auto it = key.values.find(folded);
    if (it == key.values.end()) {
        ValueEntry entry;
        entry.value.name = std::string(name);
        entry.order = key.nextValueOrder++;
        it = key.values.emplace(std::move(folded), std::move(entry)).first;
    }
    it->second.value.type = type;
    it->second.value.data = std::move(data);
}

bool Hive::deleteValue(std::string_view path, std::string_view name) {
    const auto key = m_keys.find(fold(path));
    return key != m_keys.end() && key->second.values.erase(fold(name)) > 0;
}

std::vector<Hive::Key> Hive::keys(std::string_view path) const {
    std::vector<const KeyEntry*> selected;
    if (path.empty()) {
        for (const auto& [folded, key] : m_keys)
            selected.push_back(&key);
    } else {
        const std::string folded = fold(path);
        if (const KeyEntry* key = findKey(folded))
            selected.push_back(key);
        const std::string prefix = folded + separator;
        for (auto it = m_keys.lower_bound(prefix);
             it != m_keys.end() && startsWith(it->first, prefix); ++it)
            selected.push_back(&it->second);
    }
    std::sort(selected.begin(), selected.end(),
              [](const KeyEntry* a, const KeyEntry* b) { return a->order < b->order; });

    std::vector<Key> result;
    result.reserve(selected.size());
    for (const KeyEntry* entry : selected) {
        std::vector<const ValueEntry*> values;
        values.reserve(entry->values.size());
        for (const auto& [folded, value] : entry->values)
            values.push_back(&value);
        std::sort(values.begin(), values.end(),
                  [](const ValueEntry* a, const ValueEntry* b) { return a->order < b->order; });
        Key key{entry->path, {}};
        key.values.reserve(values.size());
        for (const ValueEntry* value : values)
            key.values.push_back(value->value);
        result.push_back(std::move(key));
    }
    return result;
}
