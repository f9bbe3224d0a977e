#pragma once

// The whole content of one regular file, read into one buffer.

#include <cstddef>
#include <memory>
#include <optional>
#include <utility>

class WholeFile {
public:
    // Reads path whole, or gives nothing: when it cannot be opened, is not a regular file (a
    // folder, a FIFO: never waited on), reads shorter than its size, or when the memory for it
    // cannot be had. The file is closed again before this returns.
    static std::optional<WholeFile> read(const char* path);

    const char* data() const { return m_bytes.get(); }
    std::size_t size() const { return m_size; }

private:
    // Large buffers are mapped directly so that the kernel can back them with huge pages, which
    // makes reading a large file into them several times faster; small ones come from the heap.
    struct Release {
        std::size_t mappedSize = 0;
        void operator()(char* bytes) const;
    };
    using Buffer = std::unique_ptr<char[], Release>;

    static Buffer allocate(std::size_t size);

    WholeFile(Buffer bytes, std::size_t size) : m_bytes(std::move(bytes)), m_size(size) {}

    Buffer m_bytes;
    std::size_t m_size;
};
