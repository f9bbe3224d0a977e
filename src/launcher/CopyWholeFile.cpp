#include "launcher/CopyWholeFile.h"

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <sys/random.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// An open file descriptor, closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    explicit operator bool() const { return m_fd >= 0; }
    int get() const { return m_fd; }

    // Closes now; false when the close reported an error (a network filesystem may report a
    // failed write only here).
    bool close() {
        if (m_fd < 0) {
            return true;
        }
        int rc = ::close(std::exchange(m_fd, -1));
        return rc == 0 || errno == EINTR;
    }

private:
    int m_fd;
};

// The temporary file a new destination is written to; removed unless it was renamed into place.
class TemporaryFile {
public:
    TemporaryFile(std::string path, int fd) : m_path(std::move(path)), m_file(fd) {}
    ~TemporaryFile() {
        m_file.close();
        if (!m_placed) {
            ::unlink(m_path.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    Descriptor& file() { return m_file; }

    // The C library's rename, which replaces target atomically (not crt::rename, which never
    // replaces).
    bool placeAs(const std::string& target) {
        m_placed = ::rename(m_path.c_str(), target.c_str()) == 0;
        return m_placed;
    }

private:
    std::string m_path;
    Descriptor m_file;
    bool m_placed = false;
};

struct WholeFile {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
};

// Reads the whole of a regular file into one buffer, or nothing. The buffer is not zeroed: every
// byte of it is read before it is used.
std::optional<WholeFile> readWhole(const char* path) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused below.
    Descriptor in(::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!in) {
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(in.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0) {
        return std::nullopt;
    }
    if (static_cast<std::uintmax_t>(status.st_size) >
        static_cast<std::uintmax_t>(std::numeric_limits<std::ptrdiff_t>::max())) {
        return std::nullopt;
    }
    WholeFile whole;
    whole.size = static_cast<std::size_t>(status.st_size);
    whole.bytes.reset(new (std::nothrow) char[whole.size == 0 ? 1 : whole.size]);
    if (!whole.bytes) {
        return std::nullopt;
    }
    std::size_t done = 0;
    while (done < whole.size) {
        ssize_t got = ::read(in.get(), whole.bytes.get() + done, whole.size - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return std::nullopt; // an error, or the file shrank while we read it
        }
        done += static_cast<std::size_t>(got);
    }
    return whole;
}

// Follows symbolic links to the file that finally receives the bytes, so that a link stays a
// link. The result may not exist yet. Nothing when the chain cannot be followed.
std::optional<std::filesystem::path> finalTarget(std::filesystem::path path) {
    constexpr int maxLinks = 40; // what the kernel allows in one lookup
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

bool hasWriteBits(mode_t mode) {
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// Whether the existing destination may be replaced: a regular file that can be opened for
// writing, with a write permission bit set (root opens anything, but a file nobody may write is
// read-only to the player all the same).
bool mayReplace(const std::filesystem::path& file, const struct stat& status) {
    if (!S_ISREG(status.st_mode) || !hasWriteBits(status.st_mode)) {
        return false;
    }
    Descriptor probe(::open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    return static_cast<bool>(probe);
}

// Whether a new file may be created in folder; the write bits are checked for root's sake.
bool mayCreateIn(const std::filesystem::path& folder) {
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           hasWriteBits(status.st_mode);
}

// A bytes file of this size must fit under the process's file-size limit; otherwise the write
// would raise SIGXFSZ, which ends the program, leaving the temporary file behind.
bool fitsFileSizeLimit(std::size_t size) {
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return true;
    }
    return static_cast<std::uintmax_t>(size) <= static_cast<std::uintmax_t>(limit.rlim_cur);
}

std::string randomSuffix() {
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uint64_t seed = 0;
    if (::getrandom(&seed, sizeof seed, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof seed)) {
        seed = static_cast<std::uint64_t>(
                   std::chrono::steady_clock::now().time_since_epoch().count()) ^
               static_cast<std::uint64_t>(::getpid());
    }
    std::string suffix;
    for (int i = 0; i < 8; ++i) {
        suffix += letters[seed % (sizeof letters - 1)];
        seed /= sizeof letters - 1;
    }
    return suffix;
}

// Creates a new, empty, hidden file beside target. Mode 0666 lets the umask and the folder's
// default ACL apply exactly as they would to a file created under target's own name.
std::optional<TemporaryFile> createBeside(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    std::string stem = (folder.empty() ? std::string(".") : folder.string()) + "/." +
                       target.filename().string() + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = stem + randomSuffix();
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0) {
            return std::optional<TemporaryFile>(std::in_place, std::move(path), fd);
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool writeAll(int fd, const char* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t put = ::write(fd, bytes + done, size - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

} // namespace

void CopyWholeFile(CString source, CString destination) {
    std::optional<WholeFile> whole = readWhole(source);
    if (!whole) {
        return;
    }

    std::optional<std::filesystem::path> target = finalTarget(destination.str());
    if (!target || target->filename().empty()) {
        return;
    }
    std::filesystem::path folder = target->parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    struct stat existing {};
    bool exists = ::lstat(target->c_str(), &existing) == 0;
    if (exists && !mayReplace(*target, existing)) {
        return;
    }
    if (!mayCreateIn(folder) || !fitsFileSizeLimit(whole->size)) {
        return;
    }

    std::optional<TemporaryFile> temporary = createBeside(*target);
    if (!temporary) {
        return;
    }
    int fd = temporary->file().get();
    if (exists) {
        // Ownership only where we may give it; chown before chmod, since chown clears set-id bits.
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
            // Not ours to give away: the new file stays ours, as a rewrite by us would have it.
        }
        if (::fchmod(fd, existing.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO)) != 0) {
            return;
        }
    }
    if (!writeAll(fd, whole->bytes.get(), whole->size) || ::fsync(fd) != 0 ||
        !temporary->file().close()) {
        return;
    }
    temporary->placeAs(target->string());
}
