#pragma once

// An open file descriptor, closed when it goes out of scope.

#include <cerrno>
#include <unistd.h>
#include <utility>

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            close();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }

    explicit operator bool() const { return m_fd >= 0; }
    int get() const { return m_fd; }

    // Closes now. False when the close reported an error: some filesystems report a failed write
    // only here. (On Linux the descriptor is gone after EINTR too, so it is never retried.)
    bool close() {
        if (m_fd < 0) {
            return true;
        }
        return ::close(std::exchange(m_fd, -1)) == 0 || errno == EINTR;
    }

private:
    int m_fd;
};
