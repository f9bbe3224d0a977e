#include "framework/Icons.h"

#include "framework/DeviceContext.h"
#include "framework/IconStore.h"
#include "framework/UiConstants.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int kIconSize = 32;
constexpr int kSmallIconSize = 16;
} // namespace

HICON LoadIcon(HINSTANCE hInstance, LPCSTR lpIconName) {
    if (QGuiApplication::instance() == nullptr || !IS_INTRESOURCE(lpIconName)) {
        return nullptr;
    }
    auto id = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpIconName));
    return vorn::fw::IconStore::instance().load(hInstance, id);
}

BOOL DrawIcon(HDC hDC, int x, int y, HICON hIcon) {
    vorn::fw::DeviceContext* context = vorn::fw::DeviceContext::fromHandle(hDC);
    QIcon icon = vorn::fw::IconStore::instance().icon(hIcon);
    if (context == nullptr || icon.isNull()) {
        return FALSE;
    }
    context->drawIcon(x, y, icon, kIconSize);
    return TRUE;
}

int GetSystemMetrics(int nIndex) {
    switch (nIndex) {
    case SM_CXICON:
    case SM_CYICON:
        return kIconSize;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return kSmallIconSize;
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
        QScreen* screen =
            QGuiApplication::instance() != nullptr ? QGuiApplication::primaryScreen() : nullptr;
        if (screen == nullptr) {
            return 0;
        }
        return nIndex == SM_CXSCREEN ? screen->geometry().width() : screen->geometry().height();
    }
    default:
        return 0;
    }
}
