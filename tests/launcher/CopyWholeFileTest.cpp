// The whole-file copy: the destination ends with exactly the source's bytes or keeps its own, and
// nothing else is left in the folder.

#include "launcher/CopyWholeFile.h"
#include "launcher/ReplacementFile.h"
#include "platform/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORN_UNDER_ASAN 1
#endif
#endif

namespace fs = std::filesystem;
using vorntest::readFile;
using vorntest::TempDir;
using vorntest::writeFile;

namespace {

const std::string keyboard = "[keys]\r\nforward=W\r\nfire=CTRL\r\n";
const std::string oldKeys = "[keys]\nforward=UP\n";

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// The content of a file, also of one whose permission bits a case took away; nothing when absent.
std::optional<std::string> contentOf(const fs::path& file) {
    if (!fs::exists(file)) {
        return std::nullopt;
    }
    fs::permissions(file, fs::perms::owner_read, fs::perm_options::add);
    return readFile(file);
}

mode_t modeOf(const fs::path& file) {
    struct stat status {};
    return ::stat(file.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// The child's exit code, or -1 when it did not exit normally.
int waitForExit(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct CopyCase {
    const char* name;
    // Lays the case out in dir; gives the source and destination paths to copy.
    std::function<std::pair<fs::path, fs::path>(const fs::path& dir)> arrange;
    // What to check afterwards: the file whose content is checked (relative to dir), and that
    // content (nothing: the file must not exist).
    std::string checked;
    std::optional<std::string> expected;
    // Every name in dir afterwards.
    std::set<std::string> names;
};

std::pair<fs::path, fs::path> defaultOverKey(const fs::path& dir, const std::string& source,
                                             const std::optional<std::string>& key) {
    writeFile(dir / "default.txt", source);
    if (key) {
        writeFile(dir / "key.txt", *key);
    }
    return {dir / "default.txt", dir / "key.txt"};
}

const std::string allBytes = [] {
    std::string bytes;
    for (int round = 0; round < 3; ++round) {
        for (int b = 0; b < 256; ++b) {
            bytes += static_cast<char>(b);
        }
    }
    return bytes + std::string("\r\n\0\r\r\n\x80\xff", 8);
}();

const std::vector<CopyCase> copyCases = {
    {"replaces an existing destination",
     [](const fs::path& d) { return defaultOverKey(d, keyboard, oldKeys); },
     "key.txt",
     keyboard,
     {"default.txt", "key.txt"}},
    {"creates an absent destination",
     [](const fs::path& d) { return defaultOverKey(d, keyboard, std::nullopt); },
     "key.txt",
     keyboard,
     {"default.txt", "key.txt"}},
    {"an absent source changes nothing",
     [](const fs::path& d) {
         writeFile(d / "key.txt", oldKeys);
         return std::pair(d / "default.txt", d / "key.txt");
     },
     "key.txt",
     oldKeys,
     {"key.txt"}},
    {"an absent source creates nothing",
     [](const fs::path& d) { return std::pair(d / "joy.txt", d / "key.txt"); },
     "key.txt",
     std::nullopt,
     {}},
    {"an empty source empties the destination",
     [](const fs::path& d) { return defaultOverKey(d, "", oldKeys); },
     "key.txt",
     "",
     {"default.txt", "key.txt"}},
    {"bytes 0, 13 and above 127 are copied unchanged",
     [](const fs::path& d) { return defaultOverKey(d, allBytes, oldKeys); },
     "key.txt",
     allBytes,
     {"default.txt", "key.txt"}},
    {"source and destination the same path",
     [](const fs::path& d) {
         writeFile(d / "key.txt", keyboard);
         return std::pair(d / "key.txt", d / "key.txt");
     },
     "key.txt",
     keyboard,
     {"key.txt"}},
    {"the same file by two names",
     [](const fs::path& d) {
         writeFile(d / "key.txt", keyboard);
         return std::pair(d / "key.txt", d / "." / "key.txt");
     },
     "key.txt",
     keyboard,
     {"key.txt"}},
    {"a read-only destination stays as it was",
     [](const fs::path& d) {
         auto paths = defaultOverKey(d, keyboard, oldKeys);
         fs::permissions(d / "key.txt", fs::perms(0444));
         return paths;
     },
     "key.txt",
     oldKeys,
     {"default.txt", "key.txt"}},
    {"a destination without any permission bits stays as it was",
     [](const fs::path& d) {
         auto paths = defaultOverKey(d, keyboard, oldKeys);
         fs::permissions(d / "key.txt", fs::perms::none);
         return paths;
     },
     "key.txt",
     oldKeys,
     {"default.txt", "key.txt"}},
    {"a read-only folder keeps its destination",
     [](const fs::path& d) {
         fs::create_directory(d / "game");
         writeFile(d / "game" / "key.txt", oldKeys);
         writeFile(d / "default.txt", keyboard);
         fs::permissions(d / "game", fs::perms(0555));
         return std::pair(d / "default.txt", d / "game" / "key.txt");
     },
     "game/key.txt",
     oldKeys,
     {"default.txt", "game"}},
    {"a read-only folder gets no new file",
     [](const fs::path& d) {
         fs::create_directory(d / "game");
         writeFile(d / "default.txt", keyboard);
         fs::permissions(d / "game", fs::perms(0555));
         return std::pair(d / "default.txt", d / "game" / "key.txt");
     },
     "game/key.txt",
     std::nullopt,
     {"default.txt", "game"}},
    {"a destination in a missing folder",
     [](const fs::path& d) {
         writeFile(d / "default.txt", keyboard);
         return std::pair(d / "default.txt", d / "missing" / "key.txt");
     },
     "missing/key.txt",
     std::nullopt,
     {"default.txt"}},
    {"a source that is a folder changes nothing",
     [](const fs::path& d) {
         fs::create_directory(d / "default.txt");
         writeFile(d / "key.txt", oldKeys);
         return std::pair(d / "default.txt", d / "key.txt");
     },
     "key.txt",
     oldKeys,
     {"default.txt", "key.txt"}},
    {"a source that is a FIFO changes nothing and does not wait",
     [](const fs::path& d) {
         ::mkfifo((d / "default.txt").c_str(), 0644);
         writeFile(d / "key.txt", oldKeys);
         return std::pair(d / "default.txt", d / "key.txt");
     },
     "key.txt",
     oldKeys,
     {"default.txt", "key.txt"}},
    {"a destination that is a folder stays one",
     [](const fs::path& d) {
         writeFile(d / "default.txt", keyboard);
         fs::create_directory(d / "key.txt");
         return std::pair(d / "default.txt", d / "key.txt");
     },
     "default.txt",
     keyboard,
     {"default.txt", "key.txt"}},
    {"a destination that is a FIFO stays one and nothing waits",
     [](const fs::path& d) {
         writeFile(d / "default.txt", keyboard);
         ::mkfifo((d / "key.txt").c_str(), 0644);
         return std::pair(d / "default.txt", d / "key.txt");
     },
     "default.txt",
     keyboard,
     {"default.txt", "key.txt"}},
    {"a symbolic link: the file it points to receives the bytes",
     [](const fs::path& d) {
         auto paths = defaultOverKey(d, keyboard, std::nullopt);
         fs::create_directory(d / "profiles");
         writeFile(d / "profiles" / "mine.txt", oldKeys);
         fs::create_symlink("profiles/mine.txt", d / "key.txt");
         return paths;
     },
     "profiles/mine.txt",
     keyboard,
     {"default.txt", "key.txt", "profiles"}},
    {"a chain of symbolic links, the last one dangling",
     [](const fs::path& d) {
         auto paths = defaultOverKey(d, keyboard, std::nullopt);
         fs::create_directory(d / "profiles");
         fs::create_symlink(d / "profiles" / "link2", d / "key.txt");
         fs::create_symlink("new.txt", d / "profiles" / "link2");
         return paths;
     },
     "profiles/new.txt",
     keyboard,
     {"default.txt", "key.txt", "profiles"}},
    {"a symbolic link loop changes nothing",
     [](const fs::path& d) {
         writeFile(d / "default.txt", keyboard);
         fs::create_symlink("loop.txt", d / "key.txt");
         fs::create_symlink("key.txt", d / "loop.txt");
         return std::pair(d / "default.txt", d / "key.txt");
     },
     "default.txt",
     keyboard,
     {"default.txt", "key.txt", "loop.txt"}},
};

TEST(CopyWholeFile, EndsWithTheSourceBytesOrTheOldOnes) {
    for (const CopyCase& c : copyCases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        auto [source, destination] = c.arrange(dir.path());

        CopyWholeFile(source.string(), destination.string());

        EXPECT_EQ(contentOf(dir / c.checked), c.expected);
        EXPECT_EQ(namesIn(dir.path()), c.names);
        for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
            EXPECT_NE(entry.path().filename().string().front(), '.')
                << "left behind: " << entry.path();
        }
    }
}

TEST(CopyWholeFile, RelativePathsAreTakenFromTheCurrentFolder) {
    TempDir dir;
    writeFile(dir / "default.txt", keyboard);
    writeFile(dir / "key.txt", oldKeys);
    {
        vorntest::CurrentDir inDir(dir.path());
        CopyWholeFile("default.txt", "key.txt");
    }
    EXPECT_EQ(readFile(dir / "key.txt"), keyboard);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"default.txt", "key.txt"}));
}

TEST(CopyWholeFile, SymbolicLinkStaysALink) {
    TempDir dir;
    writeFile(dir / "default.txt", keyboard);
    writeFile(dir / "mine.txt", oldKeys);
    fs::create_symlink("mine.txt", dir / "key.txt");

    CopyWholeFile((dir / "default.txt").string(), (dir / "key.txt").string());

    ASSERT_TRUE(fs::is_symlink(dir / "key.txt"));
    EXPECT_EQ(fs::read_symlink(dir / "key.txt"), "mine.txt");
    EXPECT_EQ(readFile(dir / "mine.txt"), keyboard);
}

TEST(CopyWholeFile, KeepsPermissionBitsAndOwnerOfTheDestination) {
    struct Case {
        std::optional<mode_t> existing; // nothing: the destination is new
        mode_t umaskBits;
        mode_t expected;
    };
    const Case cases[] = {
        {0640, 022, 0640},         {0600, 022, 0600},       {0666, 077, 0666},
        {0604, 022, 0604},         {0755, 022, 0755},       {std::nullopt, 022, 0644},
        {std::nullopt, 077, 0600}, {std::nullopt, 0, 0666},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.existing ? "existing " + std::to_string(*c.existing) : "new");
        TempDir dir;
        writeFile(dir / "default.txt", keyboard);
        if (c.existing) {
            writeFile(dir / "key.txt", oldKeys);
            ::chmod((dir / "key.txt").c_str(), *c.existing);
        }
        mode_t previous = ::umask(c.umaskBits);
        CopyWholeFile((dir / "default.txt").string(), (dir / "key.txt").string());
        ::umask(previous);

        EXPECT_EQ(modeOf(dir / "key.txt"), c.expected);
        EXPECT_EQ(readFile(dir / "key.txt"), keyboard);
    }

    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a file to another owner needs root";
    }
    TempDir dir;
    writeFile(dir / "default.txt", keyboard);
    writeFile(dir / "key.txt", oldKeys);
    ASSERT_EQ(::chown((dir / "key.txt").c_str(), 4321, 4322), 0);
    CopyWholeFile((dir / "default.txt").string(), (dir / "key.txt").string());
    struct stat status {};
    ASSERT_EQ(::stat((dir / "key.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 4321U);
    EXPECT_EQ(status.st_gid, 4322U);
    EXPECT_EQ(readFile(dir / "key.txt"), keyboard);
}

// A file of this size whose source is a sysfs attribute: it says 4096 bytes and gives fewer.
std::optional<fs::path> fileThatReadsShort() {
    for (const char* candidate :
         {"/sys/kernel/mm/transparent_hugepage/enabled", "/sys/devices/system/cpu/online",
          "/sys/power/state", "/sys/kernel/profiling"}) {
        std::error_code error;
        auto size = fs::file_size(candidate, error);
        if (error || size == 0) {
            continue;
        }
        std::ifstream in(candidate, std::ios::binary);
        std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (content.size() < size) {
            return fs::path(candidate);
        }
    }
    return std::nullopt;
}

TEST(CopyWholeFile, ShortReadLeavesTheDestination) {
    std::optional<fs::path> source = fileThatReadsShort();
    if (!source) {
        GTEST_SKIP() << "no file here reads shorter than its size";
    }
    TempDir dir;
    writeFile(dir / "key.txt", oldKeys);
    CopyWholeFile(source->string(), (dir / "key.txt").string());
    EXPECT_EQ(readFile(dir / "key.txt"), oldKeys);
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"key.txt"});
}

// Runs body in a child process and gives its exit code; the limits and mounts it sets die with it.
int inChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(body());
    }
    return pid < 0 ? -1 : waitForExit(pid);
}

TEST(CopyWholeFile, FileSizeLimitLeavesTheOldDestination) {
    TempDir dir;
    writeFile(dir / "glide2x.voo", std::string(64 * 1024, 'v'));
    writeFile(dir / "glide2x.dll", "old library");

    int code = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {
            4096, 4096
        };
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 2;
        }
        CopyWholeFile((dir / "glide2x.voo").string(), (dir / "glide2x.dll").string());
        return 0;
    });

    ASSERT_EQ(code, 0);
    EXPECT_EQ(readFile(dir / "glide2x.dll"), "old library");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"glide2x.dll", "glide2x.voo"}));
}

// The copy does not begin a file larger than the file-size limit, so the write that the limit
// cuts short is tried on the replacement file itself.
TEST(ReplacementFile, WriteCutShortLeavesTheTargetAndNoTemporaryFile) {
    TempDir dir;
    writeFile(dir / "glide2x.dll", "old library");
    const std::string bytes(64 * 1024, 'v');

    int code = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {
            4096, 4096
        };
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 2;
        }
        ReplacementFile replacement(dir / "glide2x.dll");
        if (!replacement.ok()) {
            return 3;
        }
        return replacement.writeAll(bytes.data(), bytes.size()) ? 4 : 0;
    });

    EXPECT_EQ(code, 0) << "the cut-short write must be reported";
    EXPECT_EQ(readFile(dir / "glide2x.dll"), "old library");
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"glide2x.dll"});
}

TEST(CopyWholeFile, FullDiskLeavesTheOldDestination) {
    // A small filesystem of our own, in a private mount namespace, so that the write itself runs
    // out of space part-way. Only where this process may mount.
    TempDir dir;
    fs::create_directory(dir / "small");
    writeFile(dir / "glide2x.voo", std::string(1024 * 1024, 'v'));
    constexpr int mounted = 0, cannotMount = 77, changed = 1, leftBehind = 2;

    int code = inChild([&] {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("vorn-test", (dir / "small").c_str(), "tmpfs", 0, "size=256k") != 0) {
            return cannotMount;
        }
        const fs::path target = dir / "small" / "glide2x.dll";
        writeFile(target, "old library");
        CopyWholeFile((dir / "glide2x.voo").string(), target.string());
        if (readFile(target) != "old library") {
            return changed;
        }
        return namesIn(dir / "small") == std::set<std::string>{"glide2x.dll"} ? mounted
                                                                              : leftBehind;
    });

    if (code == cannotMount) {
        GTEST_SKIP() << "cannot mount a small filesystem here";
    }
    EXPECT_NE(code, changed) << "the destination changed";
    EXPECT_NE(code, leftBehind) << "a temporary file was left behind";
    EXPECT_EQ(code, mounted);
}

TEST(CopyWholeFile, NoMemoryForTheBufferLeavesTheDestination) {
#if defined(__SANITIZE_ADDRESS__) || defined(VORN_UNDER_ASAN)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
    TempDir dir;
    const fs::path source = dir / "glide2x.voo";
    { std::ofstream create(source); }
    // 4 GiB that take no room on disk; the buffer for them cannot fit under the limit below.
    ASSERT_EQ(::truncate(source.c_str(), 4LL << 30), 0);
    writeFile(dir / "glide2x.dll", "old library");

    int code = inChild([&] {
        struct rlimit limit {
            1ULL << 30, 1ULL << 30
        };
        if (::setrlimit(RLIMIT_AS, &limit) != 0) {
            return 2;
        }
        CopyWholeFile(source.string(), (dir / "glide2x.dll").string());
        return 0;
    });

    ASSERT_EQ(code, 0);
    EXPECT_EQ(readFile(dir / "glide2x.dll"), "old library");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"glide2x.dll", "glide2x.voo"}));
#endif
}

} // namespace
