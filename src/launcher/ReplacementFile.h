#pragma once

// A new file written beside the file it is to replace, then renamed over it in one step, so that
// the target always holds either its old bytes or all of the new ones.

#include "platform/FileDescriptor.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <sys/stat.h>

class ReplacementFile {
public:
    // Creates an empty hidden file in target's folder, with mode 0666 so that the umask and the
    // folder's default ACL apply as they would to a file created under target's own name. ok()
    // tells whether that worked.
    explicit ReplacementFile(const std::filesystem::path& target);
    // Removes the new file unless it has replaced the target.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    bool ok() const { return static_cast<bool>(m_file); }

    // Gives the new file the permission bits of the file it replaces, and its owner where we may.
    bool takeAttributesOf(const struct stat& existing);

    // Writes all of bytes and flushes them to the disk.
    bool writeAll(const char* bytes, std::size_t size);

    // Renames the new file over the target; after a true result, the target is the new file.
    bool replaceTarget();

private:
    std::filesystem::path m_target;
    std::string m_path;
    FileDescriptor m_file;
    bool m_placed = false;
};
