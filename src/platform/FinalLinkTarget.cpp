#include "platform/FinalLinkTarget.h"

#include <cerrno>
#include <sys/stat.h>
#include <system_error>

std::optional<std::filesystem::path> finalLinkTarget(std::filesystem::path path) {
    constexpr int maxLinks = 40; // as many as the kernel follows in one lookup
    for (int hops = 0; hops <= maxLinks; ++hops) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            return errno == ENOENT ? std::optional(path) : std::nullopt;
        }
        if (!S_ISLNK(status.st_mode)) {
            return path;
        }
        std::error_code error;
        std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            return std::nullopt;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}
