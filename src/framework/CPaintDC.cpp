#include "framework/CPaintDC.h"

#include "framework/CWnd.h"
#include "framework/DeviceContext.h"
#include "framework/WindowBridge.h"

CPaintDC::CPaintDC(CWnd* pWnd)
    : m_context(std::make_unique<vorn::fw::DeviceContext>(
          vorn::fw::WidgetFromHandle(pWnd != nullptr ? pWnd->m_hWnd : nullptr))) {
    m_hDC = m_context->handle();
}

CPaintDC::~CPaintDC() {
    m_hDC = nullptr;
}
