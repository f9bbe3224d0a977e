#pragma once

// The settings file that holds the hive: where it lives, reading it, and replacing it safely.
//
// Location: the file named by VORN_REGISTRY when that is set and not empty, otherwise
// $XDG_CONFIG_HOME/vorn/registry.reg, otherwise ~/.config/vorn/registry.reg.
//
// Reading takes no lock: the file is only ever replaced by rename, so a reader sees either the old
// or the new file whole. A file larger than maxSize is not read at all.
//
// Writing takes an exclusive flock on "<file>.lock" beside the file, then reads the file again,
// applies the change to what it holds now (so a value written by another process in between is
// kept), writes the whole hive to a temporary file in the same folder, flushes it, renames it over
// the file and flushes the folder. A crash leaves the old or the new file, never a mix. Temporary
// files that a killed writer left behind are removed by the next writer, which holds the lock and
// so knows that no other writer is using them. The lock file itself stays: removing it would let
// two writers lock different files.
//
// A file that cannot be read in full is never written. Neither is a file, or a folder, without
// any write permission bit: "chmod a-w" makes the settings read-only even for root.

#include "platform/Hive.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

class HiveFile {
public:
    static constexpr std::size_t maxSize = 16 * 1024 * 1024;

    enum class Status {
        Ok,
        Missing,     // there is no file
        Unparseable, // not REGEDIT4 text that could be read in full, or larger than maxSize
        Unreadable,  // the file exists but cannot be read
        NotFound,    // the change found no key or value to act on
        Invalid,     // the change was refused; nothing was written
        ReadOnly,    // the file or its folder may not be written
        Failed,      // writing failed; the file is as it was
    };

    struct Contents {
        Status status = Status::Missing;
        Hive hive;
        std::string text;
        std::string reason;
    };

    struct Result {
        Status status = Status::Ok;
        std::string reason;
    };

    // Applies a change to the hive; anything but Ok abandons the write and is returned.
    using Change = std::function<Status(Hive&)>;

    explicit HiveFile(std::filesystem::path path);

    // The location from the environment; empty when no home folder can be found.
    static std::filesystem::path defaultPath();

    const std::filesystem::path& path() const { return m_path; }

    Contents load() const;

    // Ok, or ReadOnly when the file or its folder may not be written.
    Status checkWritable() const;

    // Reads the file under the lock, applies the change and replaces the file. With create, a
    // missing file (and its folder) counts as an empty hive; without, it gives NotFound.
    Result update(const Change& change, bool create) const;

private:
    std::filesystem::path target() const;
    Result replace(const std::filesystem::path& file, const std::string& text) const;

    std::filesystem::path m_path;
};
