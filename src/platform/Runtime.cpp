#include "platform/Runtime.h"

#include "platform/RenameByLink.h"

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <unistd.h>
#include <vector>

extern char** environ; // NOLINT: the POSIX name

namespace crt {

namespace {

// A posix_spawn attributes or file-actions object, released on every path.
template <typename T, int (*Init)(T*), int (*Destroy)(T*)>
class SpawnObject {
public:
    SpawnObject() { m_ok = Init(&m_object) == 0; }
    ~SpawnObject() {
        if (m_ok) {
            Destroy(&m_object);
        }
    }
    SpawnObject(const SpawnObject&) = delete;
    SpawnObject& operator=(const SpawnObject&) = delete;

    bool ok() const { return m_ok; }
    T* get() { return &m_object; }

private:
    T m_object{};
    bool m_ok = false;
};

using SpawnAttributes =
    SpawnObject<posix_spawnattr_t, posix_spawnattr_init, posix_spawnattr_destroy>;
using SpawnFileActions = SpawnObject<posix_spawn_file_actions_t, posix_spawn_file_actions_init,
                                     posix_spawn_file_actions_destroy>;

// The game and the installer are independent programs that outlive us. They start the way a
// program started from a desktop would: no signal blocked, none ignored because we ignore it, and
// no descriptor of ours beyond standard input, output and error (a stray one would keep our
// settings file or display connection open for as long as the game runs).
int prepareChild(SpawnAttributes& attributes, SpawnFileActions& actions) {
    if (!attributes.ok() || !actions.ok()) {
        return ENOMEM;
    }
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    if (int rc = posix_spawnattr_setsigmask(attributes.get(), &none); rc != 0) {
        return rc;
    }
    if (int rc = posix_spawnattr_setsigdefault(attributes.get(), &all); rc != 0) {
        return rc;
    }
    auto flags = static_cast<short>(POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    if (int rc = posix_spawnattr_setflags(attributes.get(), flags); rc != 0) {
        return rc;
    }
    return posix_spawn_file_actions_addclosefrom_np(actions.get(), STDERR_FILENO + 1);
}

} // namespace

std::intptr_t _spawnl(int mode, const char* cmdname, const char* arg0, ...) {
    if (mode != _P_NOWAIT || cmdname == nullptr || arg0 == nullptr) {
        errno = EINVAL;
        return -1;
    }
    if (*cmdname == '\0') {
        errno = ENOENT;
        return -1;
    }

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(arg0)); // NOLINT: posix_spawn's signature, never written
    va_list more;
    va_start(more, arg0);
    while (const char* arg = va_arg(more, const char*)) {
        argv.push_back(const_cast<char*>(arg)); // NOLINT: as above
    }
    va_end(more);
    argv.push_back(nullptr);

    // A bare name means the current directory and nothing else; "./" keeps the loader from
    // reading it as a name to look up.
    std::string path(cmdname);
    if (path.find('/') == std::string::npos) {
        path.insert(0, "./");
    }

    SpawnAttributes attributes;
    SpawnFileActions actions;
    if (int rc = prepareChild(attributes, actions); rc != 0) {
        errno = rc;
        return -1;
    }
    pid_t pid = -1;
    // posix_spawn reports a failed exec (missing, not executable, a directory, not a format the
    // kernel runs) as its result, so every program that cannot be started gives -1 here.
    int rc = posix_spawn(&pid, path.c_str(), actions.get(), attributes.get(), argv.data(), environ);
    if (rc != 0) {
        errno = rc;
        return -1;
    }
    return pid;
}

int _chdir(const char* path) {
    if (path == nullptr) {
        errno = EINVAL;
        return -1;
    }
    return ::chdir(path) == 0 ? 0 : -1;
}

int rename(const char* oldname, const char* newname) {
    if (oldname == nullptr || newname == nullptr) {
        errno = EINVAL;
        return -1;
    }
    if (::renameat2(AT_FDCWD, oldname, AT_FDCWD, newname, RENAME_NOREPLACE) == 0) {
        return 0;
    }
    // Filesystems that cannot honour the flag say EINVAL (or ENOSYS on an old kernel); link()
    // never replaces either, so it gives the same guarantee there.
    if (errno == EINVAL || errno == ENOSYS) {
        return renameByLink(oldname, newname);
    }
    return -1;
}

int _stricmp(const char* a, const char* b) {
    // Null sorts before every string, so a caller's missing text never crashes a comparison.
    if (a == nullptr || b == nullptr) {
        return (a == nullptr ? 0 : 1) - (b == nullptr ? 0 : 1);
    }
    auto fold = [](unsigned char c) -> int {
        return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
    };
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    while (*x != 0 && fold(*x) == fold(*y)) {
        ++x;
        ++y;
    }
    return fold(*x) - fold(*y);
}

} // namespace crt
