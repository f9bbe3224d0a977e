#include "launcher/WholeFile.h"

#include "platform/FileDescriptor.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <limits>
#include <new>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// From this size on a buffer is mapped on its own; below it the heap serves it as well.
constexpr std::size_t mapFrom = std::size_t{2} << 20;

} // namespace

void WholeFile::Release::operator()(char* bytes) const {
    if (mappedSize != 0) {
        ::munmap(bytes, mappedSize);
    } else {
        delete[] bytes;
    }
}

// Not zeroed by us: every byte is read into before it is used.
WholeFile::Buffer WholeFile::allocate(std::size_t size) {
    if (size < mapFrom) {
        return Buffer(new (std::nothrow) char[size == 0 ? 1 : size], Release{});
    }
    void* mapped =
        ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        return Buffer(nullptr, Release{});
    }
    ::madvise(mapped, size, MADV_HUGEPAGE); // a hint; without it the buffer merely fills slower
    return Buffer(static_cast<char*>(mapped), Release{size});
}

std::optional<WholeFile> WholeFile::read(const char* path) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused below.
    FileDescriptor in(::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!in) {
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(in.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0 ||
        static_cast<std::uintmax_t>(status.st_size) >
            static_cast<std::uintmax_t>(std::numeric_limits<std::ptrdiff_t>::max())) {
        return std::nullopt;
    }
    auto size = static_cast<std::size_t>(status.st_size);
    Buffer bytes = allocate(size);
    if (!bytes) {
        return std::nullopt;
    }
    std::size_t done = 0;
    while (done < size) {
        ssize_t got = ::read(in.get(), bytes.get() + done, size - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return std::nullopt; // an error, or the file is shorter than it said
        }
        done += static_cast<std::size_t>(got);
    }
    return WholeFile(std::move(bytes), size);
}
