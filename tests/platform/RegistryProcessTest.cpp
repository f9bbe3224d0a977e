// Several processes on one settings file: writers at the same time lose nothing, and a writer
// killed in the middle of a write leaves a file that reads whole, with the old or the new data.

#include "platform/FileDescriptor.h"
#include "platform/HiveFile.h"
#include "platform/HiveFixture.h"
#include "platform/RegEdit4.h"
#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* settingsKey = "Software\\Pelliwan Software\\Vorn Demo";

using RegistryProcesses = vorntest::HiveFixture;

// Runs body in a child process, which ends with its result.
pid_t forkChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    return pid;
}

int exitCode(pid_t pid) {
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool setDword(const std::string& name, DWORD number) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, settingsKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
        return false;
    const LONG result =
        RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

std::optional<DWORD> dwordIn(const Hive& hive, const std::string& name) {
    const Hive::Value* value = hive.findValue(settingsKey, name);
    if (!value || value->data.size() != 4)
        return std::nullopt;
    return static_cast<DWORD>(value->data[0] | value->data[1] << 8 | value->data[2] << 16 |
                              value->data[3] << 24);
}

// Waits until a writer creates its temporary file beside the hive, reading the writer's progress
// reports meanwhile. Returns early when the writer ends.
void waitForTemporaryFile(int watch, int progress, DWORD& last) {
    alignas(inotify_event) char events[4096];
    while (::read(watch, events, sizeof events) > 0) {
        // Forget files created before now.
    }
    for (int wakeups = 0; wakeups < 500; ++wakeups) {
        pollfd fds[] = {{watch, POLLIN, 0}, {progress, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents & POLLIN) {
            DWORD reported = 0;
            if (::read(progress, &reported, sizeof reported) != sizeof reported)
                return;
            last = reported;
        } else if (fds[1].revents) {
            return;
        }
        if (!(fds[0].revents & POLLIN))
            continue;
        const ssize_t size = ::read(watch, events, sizeof events);
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            if (event->len > 0 && std::string(event->name).starts_with(".registry.reg.tmp"))
                return;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

TEST_F(RegistryProcesses, TwoWritersAtTheSameTimeLoseNoValue) {
    writeHive("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Pelliwan Software\\Vorn Demo]\n"
              "\"Directory\"=\"/games/vorn\"\n");
    constexpr int writes = 150;

    // Both children wait at the gate until the parent closes it, so that their writes overlap.
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    std::vector<pid_t> children;
    for (int writer = 0; writer < 2; ++writer) {
        children.push_back(forkChild([&, writer] {
            ::close(gate[1]);
            char byte;
            if (::read(gate[0], &byte, 1) != 0)
                return 3;
            for (int i = 0; i < writes; ++i) {
                if (!setDword("Writer " + std::to_string(writer) + " value " + std::to_string(i),
                              static_cast<DWORD>(writer * 1000 + i)))
                    return 1;
            }
            return 0;
        }));
        ASSERT_GT(children.back(), 0);
    }
    ::close(gate[0]);
    ::close(gate[1]);

    // Readers take no lock; whatever moment they read, the file is whole.
    int reads = 0;
    for (int alive = 2; alive > 0 && reads < 1000000; ++reads) {
        const HiveFile::Contents contents = HiveFile(hivePath()).load();
        ASSERT_EQ(contents.status, HiveFile::Status::Ok) << contents.reason;
        alive = 0;
        for (pid_t child : children) {
            siginfo_t info{};
            if (::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) ==
                    0 &&
                info.si_pid == 0)
                ++alive;
        }
    }
    for (pid_t child : children)
        EXPECT_EQ(exitCode(child), 0);

    const HiveFile::Contents contents = HiveFile(hivePath()).load();
    ASSERT_EQ(contents.status, HiveFile::Status::Ok);
    for (int writer = 0; writer < 2; ++writer) {
        for (int i = 0; i < writes; ++i) {
            const std::string name =
                "Writer " + std::to_string(writer) + " value " + std::to_string(i);
            EXPECT_EQ(dwordIn(contents.hive, name), static_cast<DWORD>(writer * 1000 + i)) << name;
        }
    }
    ASSERT_NE(contents.hive.findValue(settingsKey, "Directory"), nullptr);
}

TEST_F(RegistryProcesses, AWriterKilledMidWriteLeavesTheOldOrTheNewFile) {
    // A large value makes each write take long enough to be interrupted inside.
    std::string blob = "\"Blob\"=hex:";
    for (int i = 0; i < 65536; ++i)
        blob += (i ? ",5a" : "5a");
    writeHive("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Other]\n\"Keep\"=\"me\"\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Pelliwan Software\\Vorn Demo]\n"
              "\"Directory\"=\"/games/vorn\"\n\"Counter\"=dword:0\n" +
              blob + "\n");
    const Hive original = HiveFile(hivePath()).load().hive;

    const FileDescriptor watch(::inotify_init1(IN_CLOEXEC | IN_NONBLOCK));
    ASSERT_TRUE(watch);
    ASSERT_GE(::inotify_add_watch(watch.get(), folder().c_str(), IN_CREATE), 0);

    DWORD last = 0;
    for (int round = 0; round < 12; ++round) {
        int progress[2];
        ASSERT_EQ(::pipe(progress), 0);
        const DWORD start = last;
        const pid_t child = forkChild([&] {
            ::close(progress[0]);
            for (DWORD i = start + 1; i < start + 100000; ++i) {
                if (!setDword("Counter", i) || ::write(progress[1], &i, sizeof i) != sizeof i)
                    return 1;
            }
            return 0;
        });
        ASSERT_GT(child, 0);
        ::close(progress[1]);

        // Let the child complete a few writes, reading the file after each, then kill it: in
        // even rounds once its next temporary file appears (inside the write proper), in odd
        // rounds at once (mostly while it reads the file).
        const int writesBeforeKill = 1 + round % 4;
        for (int seen = 0; seen < writesBeforeKill; ++seen) {
            DWORD reported = 0;
            ASSERT_EQ(::read(progress[0], &reported, sizeof reported),
                      static_cast<ssize_t>(sizeof reported));
            last = reported;
            const HiveFile::Contents contents = HiveFile(hivePath()).load();
            ASSERT_EQ(contents.status, HiveFile::Status::Ok) << contents.reason;
            const std::optional<DWORD> counter = dwordIn(contents.hive, "Counter");
            ASSERT_TRUE(counter);
            EXPECT_GE(*counter, last);
        }
        if (round % 2 == 0)
            waitForTemporaryFile(watch.get(), progress[0], last);
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        EXPECT_EQ(exitCode(child), 128 + SIGKILL);
        // The child may have got further than the parent has read.
        for (DWORD reported = 0; ::read(progress[0], &reported, sizeof reported) ==
                                 static_cast<ssize_t>(sizeof reported);)
            last = reported;
        ::close(progress[0]);

        HiveFile::Contents contents = HiveFile(hivePath()).load();
        ASSERT_EQ(contents.status, HiveFile::Status::Ok)
            << "round " << round << ": " << contents.reason;
        const std::optional<DWORD> counter = dwordIn(contents.hive, "Counter");
        ASSERT_TRUE(counter);
        EXPECT_TRUE(*counter == last || *counter == last + 1)
            << "round " << round << ": " << *counter << " after " << last;
        last = *counter;
        Hive expected = original;
        expected.setValue(settingsKey, "Counter", REG_DWORD,
                          contents.hive.findValue(settingsKey, "Counter")->data);
        EXPECT_TRUE(contents.hive == expected) << "round " << round;
    }

    // The lock died with the writer, and the next writer clears away its temporary file.
    ASSERT_TRUE(setDword("Counter", 1));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

} // namespace
