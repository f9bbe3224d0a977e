#pragma once

// A private settings file for each test: VORN_REGISTRY points into a fresh temporary folder for
// the lifetime of the test and is restored afterwards.

#include "platform/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace vorntest {

class HiveFixture : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("VORN_REGISTRY"))
            m_oldRegistry = old;
        ::setenv("VORN_REGISTRY", hivePath().c_str(), 1);
    }
    void TearDown() override {
        if (m_oldRegistry)
            ::setenv("VORN_REGISTRY", m_oldRegistry->c_str(), 1);
        else
            ::unsetenv("VORN_REGISTRY");
    }

    std::filesystem::path hivePath() const { return m_dir / "registry.reg"; }
    const std::filesystem::path& folder() const { return m_dir.path(); }
    void writeHive(const std::string& text) const { writeFile(hivePath(), text); }
    std::string readHive() const { return readFile(hivePath()); }

    static std::string fixture(const std::string& name) {
        return readFile(std::filesystem::path(VORN_TEST_DATA_DIR) / "registry" / name);
    }

private:
    TempDir m_dir;
    std::optional<std::string> m_oldRegistry;
};

} // namespace vorntest
