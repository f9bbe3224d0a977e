#pragma once

// Small fixtures for tests that work on real files: a private temporary folder removed at the end,
// a scoped change of the current directory, and whole-file read and write.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

namespace vorntest {

class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vorn-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        m_path = pattern;
    }
    ~TempDir() {
        // Tests take write bits away; give them back so that everything can be removed.
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(m_path, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            if (it->is_directory(error) && !it->is_symlink(error)) {
                ::chmod(it->path().c_str(), 0755);
            }
        }
        ::chmod(m_path.c_str(), 0755);
        std::filesystem::remove_all(m_path, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Makes a folder current for the lifetime of the object.
class CurrentDir {
public:
    explicit CurrentDir(const std::filesystem::path& folder)
        : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentDir() {
        std::error_code error;
        std::filesystem::current_path(m_previous, error);
    }
    CurrentDir(const CurrentDir&) = delete;
    CurrentDir& operator=(const CurrentDir&) = delete;

private:
    std::filesystem::path m_previous;
};

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace vorntest
