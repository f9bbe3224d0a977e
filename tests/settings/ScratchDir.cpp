#include "ScratchDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::path(VORN_TEST_BINARY_DIR) / "scratch-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        throw std::runtime_error("cannot make a scratch directory from " + pattern);
    m_path = buffer.data();
}

ScratchDir::~ScratchDir() {
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

void ScratchDir::WriteFile(const std::string& name, const std::string& content) const {
    std::ofstream out(m_path / name, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + (m_path / name).string());
}

std::map<std::string, std::string> ScratchDir::Files() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = ReadFile(entry.path());
    }
    return files;
}

std::string ScratchDir::ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
