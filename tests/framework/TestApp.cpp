#include "TestApp.h"

namespace vorn::test {

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_HELP, OnTestHelp)
END_MESSAGE_MAP()

namespace {
CTestApp theApp;
}

CTestApp& TestApp() {
    return theApp;
}

} // namespace vorn::test
