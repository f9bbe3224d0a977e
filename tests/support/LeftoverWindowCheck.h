#pragma once

// After each test: no window may be left over, and no helper action may still be waiting for a
// window that never came. Either fails the test that left it, and is cleared up so that the next
// test starts clean.

#include <gtest/gtest.h>

namespace vorn::test {

class LeftoverWindowCheck : public ::testing::EmptyTestEventListener {
public:
    void OnTestEnd(const ::testing::TestInfo& info) override;
};

} // namespace vorn::test
