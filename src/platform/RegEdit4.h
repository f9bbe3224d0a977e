#pragma once

// The REGEDIT4 text form of a hive: reading it strictly and writing it canonically.
//
// Reading accepts the header line "REGEDIT4", blank and ';' comment lines, key lines
// "[HKEY_LOCAL_MACHINE\...]", key deletions "[-HKEY_LOCAL_MACHINE\...]" and value lines
// ("name"= or @=) holding a quoted string (escapes \\ \" \n \r), dword: with 1 to 8 hex digits,
// hex: or hex(N): byte lists continued with '\' at a line end, or '-' to delete the value. Any
// other line makes the whole text unreadable: a file we rewrite must never lose what we could not
// read. A text of zero bytes is an empty hive; it holds nothing that could be lost.
//
// Writing gives the header, then each key with its values, a blank line before each key, and
// keeps the order and spelling of keys and values. Comments are not kept.

#include "platform/Hive.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class RegEdit4 {
public:
    struct Error {
        std::size_t line = 0;
        std::string reason;
    };

    static constexpr std::string_view header = "REGEDIT4";

    // Applies the text to the hive line by line, as an import does. On an error the hive may hold
    // part of the text: parse into a copy when that matters.
    static std::optional<Error> parse(std::string_view text, Hive& into);

    // The keys at or below path (the whole hive when path is empty).
    static std::string serialize(const Hive& hive, std::string_view path = {});
};
