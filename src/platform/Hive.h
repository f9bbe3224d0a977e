#pragma once

// The keys and values of HKEY_LOCAL_MACHINE as held in memory between reading the settings file
// and writing it back.
//
// A key is addressed by its path below HKEY_LOCAL_MACHINE, components separated by '\' ("" is the
// root itself). Paths and value names match without regard to ASCII letter case, and each keeps
// the spelling it was first given. Keys keep the order in which they were first listed and values
// the order in which they were first set, so that a rewrite changes nothing that was not touched.
// A key that is only a parent of a listed key exists as well; it becomes listed once a value is
// set in it.
//
// Lookups, insertions and deletions are logarithmic, so that a hostile file of a million lines
// still reads in linear time.

#include "platform/WinTypes.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Hive {
public:
    struct Value {
        std::string name; // "" is the unnamed value
        DWORD type = 0;
        std::vector<BYTE> data;
        bool operator==(const Value&) const = default;
    };
    struct Key {
        std::string path;
        std::vector<Value> values;
        bool operator==(const Key&) const = default;
    };

    static constexpr std::string_view rootName = "HKEY_LOCAL_MACHINE";

    // A relative path as the registry functions take it: at most one trailing '\' is dropped;
    // an empty component (a leading '\' or two in a row) or a line break makes it invalid.
    static std::optional<std::string> normalizePath(std::string_view path);
    // A full key name, "HKEY_LOCAL_MACHINE\..." with the root in any letter case: the path below
    // the root, or nothing when the root is another one or the path is invalid.
    static std::optional<std::string> pathFromKeyName(std::string_view keyName);
    // The full key name of a path: the root followed by the path.
    static std::string keyName(std::string_view path);
    // Joins a key path and a relative path.
    static std::string join(std::string_view base, std::string_view relative);

    bool keyExists(std::string_view path) const;
    // The path as this hive spells it; the given spelling where the hive has no spelling for it.
    std::string spelling(std::string_view path) const;
    // Lists the key when it is not listed yet. Its parents exist implicitly.
    void addKey(std::string_view path);
    // Removes the key and every key below it. False when none of them existed.
    bool deleteKey(std::string_view path);

    const Value* findValue(std::string_view path, std::string_view name) const;
    // Replaces the value in place (keeping its spelling), or appends it; lists the key as needed.
    void setValue(std::string_view path, std::string_view name, DWORD type, std::vector<BYTE> data);
    bool deleteValue(std::string_view path, std::string_view name);

    // The listed keys at or below path, in order, each with its values in order.
    std::vector<Key> keys(std::string_view path = {}) const;

    bool operator==(const Hive& other) const { return keys() == other.keys(); }

private:
    struct ValueEntry {
        Value value;
        std::uint64_t order = 0;
    };
    struct KeyEntry {
        std::string path;
        std::uint64_t order = 0;
        std::uint64_t nextValueOrder = 0;
        std::map<std::string, ValueEntry, std::less<>> values; // by folded name
    };

    static std::string fold(std::string_view text);
    KeyEntry& listKey(std::string_view path);
    const KeyEntry* findKey(std::string_view folded) const;

    std::map<std::string, KeyEntry, std::less<>> m_keys; // by folded path
    std::uint64_t m_nextKeyOrder = 0;
};
