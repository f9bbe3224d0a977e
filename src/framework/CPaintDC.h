#pragma once

// The device context for painting a window from its WM_PAINT handler. Outside a paint of that
// window it draws nothing.

#include "framework/CDC.h"

#include <memory>

class CWnd;

namespace vorn::fw {
class DeviceContext;
}

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

private:
    std::unique_ptr<vorn::fw::DeviceContext> m_context;
};
