#include "platform/HiveFile.h"

#include "platform/FileDescriptor.h"
#include "platform/FinalLinkTarget.h"
#include "platform/RegEdit4.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

std::string errorText(int error) {
    return std::strerror(error);
}

bool isPermissionError(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

const char* getenvNonEmpty(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// A file or folder that holds no write permission bit at all counts as read-only, also for root,
// whom the access check lets write anything.
bool mayWrite(const fs::path& path, int mode) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    return (st.st_mode & 0222) != 0 && ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8) & 0777);
    }
    return 022;
}

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

fs::path folderOf(const fs::path& file) {
    fs::path folder = file.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

std::string tempPrefix(const fs::path& file) {
    return "." + file.filename().string() + ".tmp";
}

// Temporary files exist only while their writer holds the lock; the lock holder may remove any.
void removeStaleTemps(const fs::path& file) {
    const std::string prefix = tempPrefix(file);
    std::error_code error;
    for (fs::directory_iterator it(folderOf(file), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() == prefix.size() + 6 && name.rfind(prefix, 0) == 0 &&
            it->is_regular_file(error))
            ::unlink(it->path().c_str());
    }
}

HiveFile::Result failed(HiveFile::Status status, std::string reason) {
    return {status, std::move(reason)};
}

} // namespace

HiveFile::HiveFile(fs::path path) : m_path(std::move(path)) {}

fs::path HiveFile::defaultPath() {
    if (const char* file = getenvNonEmpty("VORN_REGISTRY"))
        return file;
    if (const char* config = getenvNonEmpty("XDG_CONFIG_HOME"); config && config[0] == '/')
        return fs::path(config) / "vorn" / "registry.reg";
    const char* home = getenvNonEmpty("HOME");
    if (!home) {
        if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && *user->pw_dir)
            home = user->pw_dir;
    }
    if (!home)
        return {};
    return fs::path(home) / ".config" / "vorn" / "registry.reg";
}

// Writes go to the file a symbolic link names, so that the link stays a link; also to one that
// does not exist yet. A chain that cannot be followed is left to fail as the path itself.
fs::path HiveFile::target() const {
    return finalLinkTarget(m_path).value_or(m_path);
}

HiveFile::Contents HiveFile::load() const {
    Contents contents;
    if (m_path.empty()) {
        contents.reason = "no location for the settings file (HOME is not set)";
        return contents;
    }
    // O_NONBLOCK: opening a FIFO put in the file's place must not hang.
    FileDescriptor fd(::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd) {
        const int error = errno;
        contents.status =
            error == ENOENT || error == ENOTDIR ? Status::Missing : Status::Unreadable;
        contents.reason = errorText(error);
        return contents;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        contents.status = Status::Unreadable;
        contents.reason = "not a regular file";
        return contents;
    }
    const auto tooLarge = [&contents] {
        contents.status = Status::Unparseable;
        contents.reason = "larger than 16 MiB";
        contents.text.clear();
        return std::move(contents);
    };
    if (static_cast<std::uintmax_t>(st.st_size) > maxSize)
        return tooLarge();
    contents.text.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t size = 0;
    for (;;) {
        if (size == contents.text.size()) {
            if (size > maxSize)
                return tooLarge();
            contents.text.resize(std::min(size * 2 + 4096, maxSize + 1));
        }
        const ssize_t n =
            ::read(fd.get(), contents.text.data() + size, contents.text.size() - size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            contents.status = Status::Unreadable;
            contents.reason = errorText(errno);
            contents.text.clear();
            return contents;
        }
        if (n == 0)
            break;
        size += static_cast<std::size_t>(n);
    }
    contents.text.resize(size);
    if (const auto error = RegEdit4::parse(contents.text, contents.hive)) {
        contents.status = Status::Unparseable;
        contents.reason = "line " + std::to_string(error->line) + ": " + error->reason;
        contents.hive = Hive();
        return contents;
    }
    contents.status = Status::Ok;
    return contents;
}

HiveFile::Status HiveFile::checkWritable() const {
    if (m_path.empty())
        return Status::ReadOnly;
    const fs::path file = target();
    if (!mayWrite(folderOf(file), W_OK | X_OK))
        return Status::ReadOnly;
    std::error_code error;
    if (fs::exists(fs::symlink_status(file, error)) && !mayWrite(file, W_OK))
        return Status::ReadOnly;
    return Status::Ok;
}

HiveFile::Result HiveFile::update(const Change& change, bool create) const {
    if (m_path.empty())
        return failed(Status::Failed, "no location for the settings file (HOME is not set)");
    const fs::path file = target();
    if (create) {
        std::error_code error;
        fs::create_directories(folderOf(file), error);
        if (error) {
            return failed(isPermissionError(error.value()) ? Status::ReadOnly : Status::Failed,
                          "cannot create the folder " + folderOf(file).string() + ": " +
                              error.message());
        }
    }
    if (checkWritable() != Status::Ok)
        return failed(Status::ReadOnly, file.string() + " or its folder is read-only");

    const std::string lockName = file.string() + ".lock";
    // flock works on a descriptor opened for reading too, which a lock file of another user allows.
    int lockFd = ::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (lockFd < 0 && isPermissionError(errno))
        lockFd = ::open(lockName.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    FileDescriptor lock(lockFd);
    if (!lock) {
        const int error = errno;
        return failed(isPermissionError(error) ? Status::ReadOnly : Status::Failed,
                      "cannot open the lock file " + lockName + ": " + errorText(error));
    }
    while (::flock(lock.get(), LOCK_EX) != 0) {
        if (errno != EINTR)
            return failed(Status::Failed, "cannot lock " + lockName + ": " + errorText(errno));
    }

    // Another writer may have changed the file, or its permissions, while we waited.
    if (checkWritable() != Status::Ok)
        return failed(Status::ReadOnly, file.string() + " or its folder is read-only");
    Contents current = HiveFile(file).load();
    switch (current.status) {
    case Status::Ok:
        break;
    case Status::Missing:
        if (!create)
            return failed(Status::NotFound, file.string() + " does not exist");
        break;
    default:
        return failed(current.status, file.string() + ": " + current.reason);
    }

    if (const Status status = change(current.hive); status != Status::Ok)
        return failed(status, {});
    std::string text = RegEdit4::serialize(current.hive);
    if (text.size() > maxSize)
        return failed(Status::Invalid, "the settings file would grow larger than 16 MiB");
    if (current.status == Status::Ok && text == current.text)
        return {};
    return replace(file, text);
}

HiveFile::Result HiveFile::replace(const fs::path& file, const std::string& text) const {
    removeStaleTemps(file);
    const fs::path folder = folderOf(file);
    std::string tempName = (folder / (tempPrefix(file) + "XXXXXX")).string();
    FileDescriptor temp(::mkostemp(tempName.data(), O_CLOEXEC));
    if (!temp) {
        const int error = errno;
        return failed(isPermissionError(error) ? Status::ReadOnly : Status::Failed,
                      "cannot create a file in " + folder.string() + ": " + errorText(error));
    }
    const auto abandon = [&](const std::string& what) {
        const int error = errno;
        temp.close();
        ::unlink(tempName.c_str());
        return failed(Status::Failed, what + " " + file.string() + ": " + errorText(error));
    };

    struct stat old {};
    if (::stat(file.c_str(), &old) == 0) {
        if (::fchmod(temp.get(), old.st_mode & 07777) != 0)
            return abandon("cannot set the permissions of");
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            // Only root can hand the file back to its owner; anyone else's new file is their own.
            [[maybe_unused]] const int ignored = ::fchown(temp.get(), old.st_uid, old.st_gid);
        }
    } else if (::fchmod(temp.get(), 0666 & ~currentUmask()) != 0) {
        return abandon("cannot set the permissions of");
    }

    if (!writeAll(temp.get(), text))
        return abandon("cannot write");
    if (::fsync(temp.get()) != 0)
        return abandon("cannot flush");
    if (!temp.close()) {
        const int error = errno;
        ::unlink(tempName.c_str());
        return failed(Status::Failed, "cannot write " + file.string() + ": " + errorText(error));
    }
    if (::rename(tempName.c_str(), file.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempName.c_str());
        return failed(isPermissionError(error) ? Status::ReadOnly : Status::Failed,
                      "cannot replace " + file.string() + ": " + errorText(error));
    }
    // The rename is durable only once the folder is flushed; the data is in place either way.
    if (FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); dir)
        ::fsync(dir.get());
    return {};
}
