#include "launcher/ReplacementFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

namespace {

std::string randomSuffix() {
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    constexpr std::uint64_t base = sizeof letters - 1;
    std::uint64_t seed = 0;
    if (::getrandom(&seed, sizeof seed, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof seed)) {
        seed = static_cast<std::uint64_t>(
                   std::chrono::steady_clock::now().time_since_epoch().count()) ^
               static_cast<std::uint64_t>(::getpid());
    }
    std::string suffix;
    for (int i = 0; i < 8; ++i) {
        suffix += letters[seed % base];
        seed /= base;
    }
    return suffix;
}

// Large files are handed to the disk piece by piece while the rest is still being written, so
// that the final flush has little left to wait for.
constexpr std::size_t writebackPiece = std::size_t{8} << 20;

} // namespace

ReplacementFile::ReplacementFile(const std::filesystem::path& target) : m_target(target) {
    std::filesystem::path folder = target.parent_path();
    std::string stem = (folder.empty() ? std::string(".") : folder.string()) + "/." +
                       target.filename().string() + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = stem + randomSuffix();
        m_file = FileDescriptor(
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
        if (m_file) {
            m_path = std::move(path);
            return;
        }
        if (errno != EEXIST) {
            return;
        }
    }
}

ReplacementFile::~ReplacementFile() {
    m_file.close();
    if (!m_path.empty() && !m_placed) {
        ::unlink(m_path.c_str());
    }
}

bool ReplacementFile::takeAttributesOf(const struct stat& existing) {
    // Owner before mode: a change of owner clears the set-id bits (which are not carried over
    // anyway).
    if (::fchown(m_file.get(), existing.st_uid, existing.st_gid) != 0) {
        // Not ours to give away: the file stays ours, as a rewrite by us would leave it.
    }
    return ::fchmod(m_file.get(), existing.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO)) == 0;
}

bool ReplacementFile::writeAll(const char* bytes, std::size_t size) {
    std::size_t done = 0;
    std::size_t handedOver = 0;
    while (done < size) {
        std::size_t piece = std::min(size - done, writebackPiece - done % writebackPiece);
        ssize_t put = ::write(m_file.get(), bytes + done, piece);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false; // a full disk, a file-size limit, an I/O error
        }
        done += static_cast<std::size_t>(put);
        if (done - handedOver >= writebackPiece) {
            // Only starts the writing; fsync below waits for it and reports any failure.
            ::sync_file_range(m_file.get(), static_cast<off_t>(handedOver),
                              static_cast<off_t>(done - handedOver), SYNC_FILE_RANGE_WRITE);
            handedOver = done;
        }
    }
    return ::fsync(m_file.get()) == 0 && m_file.close();
}

bool ReplacementFile::replaceTarget() {
    if (m_path.empty()) {
        return false;
    }
    // The C library's rename, which replaces the target atomically (crt::rename never replaces).
    m_placed = ::rename(m_path.c_str(), m_target.c_str()) == 0;
    return m_placed;
}
