#pragma once

// The application object of the framework's widget tests, and the fixture that points the
// framework at the tests' own templates.

#include "TestTemplates.h"
#include "framework/Framework.h"

#include <gtest/gtest.h>

namespace vorn::test {

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp(nullptr) {}
    int helpCount = 0;
    void OnTestHelp() {
        ++helpCount;
        OnHelp();
    }
    DECLARE_MESSAGE_MAP()
};

CTestApp& TestApp();

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        AfxSetResourceHandle(TestModule());
        TestApp().m_pMainWnd = nullptr;
        TestApp().helpCount = 0;
    }
    void TearDown() override {
        TestApp().m_pMainWnd = nullptr;
        AfxSetResourceHandle(nullptr);
    }
};

} // namespace vorn::test
