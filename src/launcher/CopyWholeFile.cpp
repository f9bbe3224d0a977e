#include "launcher/CopyWholeFile.h"

#include "launcher/ReplacementFile.h"
#include "launcher/WholeFile.h"
#include "platform/FinalLinkTarget.h"

#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool hasWriteBits(mode_t mode) {
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// Whether the existing destination may be replaced: a regular file that we may write (checked
// without opening it, which would tell file watchers it was written) and that has a write
// permission bit (root may write anything, but a file nobody may write is read-only to the player
// all the same). Never a folder, FIFO or device.
bool mayReplace(const std::filesystem::path& file, const struct stat& status) {
    return S_ISREG(status.st_mode) && hasWriteBits(status.st_mode) &&
           ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
}

// Whether a file may be created in folder; the write bits are checked for root's sake.
bool mayCreateIn(const std::filesystem::path& folder) {
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           hasWriteBits(status.st_mode);
}

// A file larger than the process's file-size limit would raise SIGXFSZ part-way, which ends the
// program and leaves the new file behind; such a copy is not begun.
bool fitsFileSizeLimit(std::size_t size) {
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return true;
    }
    return static_cast<std::uintmax_t>(size) <= static_cast<std::uintmax_t>(limit.rlim_cur);
}

} // namespace

void CopyWholeFile(CString source, CString destination) {
    // The source is read and closed before the destination is looked at.
    std::optional<WholeFile> whole = WholeFile::read(source);
    if (!whole) {
        return;
    }

    // The file that finally receives the bytes, so that a link stays a link.
    std::optional<std::filesystem::path> target = finalLinkTarget(destination.str());
    if (!target || target->filename().empty()) {
        return;
    }
    std::filesystem::path folder = target->parent_path();
    struct stat existing {};
    bool exists = ::lstat(target->c_str(), &existing) == 0;
    if ((exists && !mayReplace(*target, existing)) ||
        !mayCreateIn(folder.empty() ? std::filesystem::path(".") : folder) ||
        !fitsFileSizeLimit(whole->size())) {
        return;
    }

    ReplacementFile replacement(*target);
    if (!replacement.ok() || (exists && !replacement.takeAttributesOf(existing)) ||
        !replacement.writeAll(whole->data(), whole->size())) {
        return;
    }
    replacement.replaceTarget();
}
