// Benchmark, not a test: times CopyWholeFile against cp on files of 4 KiB, 1 MiB and 256 MiB in
// one run and prints the median times and their ratios. CopyWholeFile flushes the new file to disk
// before it renames it into place and cp does not, so the run also times cp followed by sync on
// the copy, which leaves the data equally safe.
//
// Usage: bench_copy [folder]   (default: the system's temporary folder)

#include "launcher/CopyWholeFile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ; // NOLINT: the POSIX name

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

bool run(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void makeSource(const fs::path& path, std::size_t size) {
    std::vector<char> bytes(size);
    std::uint64_t x = 0x9E3779B97F4A7C15ULL;
    for (char& b : bytes) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        b = static_cast<char>(x);
    }
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
}

bool sameContent(const fs::path& a, const fs::path& b) {
    std::ifstream x(a, std::ios::binary);
    std::ifstream y(b, std::ios::binary);
    return fs::file_size(a) == fs::file_size(b) &&
           std::equal(std::istreambuf_iterator<char>(x), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(y));
}

template <typename F>
double seconds(F&& work) {
    auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string milliseconds(double s) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f ms", s * 1000);
    return text;
}

} // namespace

int main(int argc, char** argv) {
    fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
    std::string pattern = (base / "vorn-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path dir = pattern;

    struct Size {
        const char* name;
        std::size_t bytes;
        int runs;
    };
    const Size sizes[] = {{"4 KiB", 4096, 51}, {"1 MiB", 1 << 20, 21}, {"256 MiB", 256 << 20, 7}};

    std::printf("%-8s %5s %14s %14s %14s %8s %14s\n", "size", "runs", "CopyWholeFile", "cp",
                "cp + sync", "ratio", "ratio to sync");
    int status = 0;
    for (const Size& size : sizes) {
        const fs::path source = dir / "source";
        const fs::path ours = dir / "ours";
        const fs::path theirs = dir / "theirs";
        const fs::path synced = dir / "synced";
        makeSource(source, size.bytes);

        std::vector<double> oursTimes, cpTimes, syncTimes;
        bool ok = true;
        // One round before timing, so every destination exists and is replaced from then on.
        for (int round = -1; round < size.runs && ok; ++round) {
            // Each copy starts with nothing of the others still waiting to reach the disk, so
            // that none pays for writing another's data.
            ::sync();
            double a = seconds([&] { CopyWholeFile(source.string(), ours.string()); });
            ::sync();
            double b = seconds([&] { ok = ok && run({"cp", source, theirs}); });
            ::sync();
            double c = seconds([&] {
                ok = ok && run({"cp", source, synced}) && run({"sync", synced});
            });
            if (round >= 0) {
                oursTimes.push_back(a);
                cpTimes.push_back(b);
                syncTimes.push_back(c);
            }
        }
        if (!ok || !sameContent(source, ours) || !sameContent(source, theirs)) {
            std::fprintf(stderr, "%s: a copy failed or differs from its source\n", size.name);
            status = 1;
            break;
        }
        double o = median(oursTimes), t = median(cpTimes), s = median(syncTimes);
        std::printf("%-8s %5d %14s %14s %14s %8.2f %14.2f\n", size.name, size.runs,
                    milliseconds(o).c_str(), milliseconds(t).c_str(), milliseconds(s).c_str(),
                    o / t, o / s);
        std::fflush(stdout);
        for (const fs::path& file : {source, ours, theirs, synced}) {
            fs::remove(file);
        }
    }
    fs::remove_all(dir);
    return status;
}
