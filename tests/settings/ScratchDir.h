#pragma once

#include <filesystem>
#include <map>
#include <string>

// A fresh empty directory for one test, removed with everything in it when the test ends.
class ScratchDir {
public:
    ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    ~ScratchDir();

    const std::filesystem::path& Path() const { return m_path; }

    void WriteFile(const std::string& name, const std::string& content) const;
    // Every regular file in the directory, by name, with its content.
    std::map<std::string, std::string> Files() const;

    static std::string ReadFile(const std::filesystem::path& path);

private:
    std::filesystem::path m_path;
};
