#include "framework/WindowBridge.h"

#include "framework/DialogUnits.h"
#include "framework/IconStore.h"
#include "framework/ModalObserver.h"
#include "framework/WindowRegistry.h"

namespace vorn::fw {

QWidget* WidgetFromHandle(HWND hWnd) {
    WindowRecord* record = WindowRegistry::instance().find(hWnd);
    return record != nullptr ? record->widget.data() : nullptr;
}

HWND HandleFromWidget(const QWidget* widget) {
    WindowRecord* record = WindowRegistry::instance().findByWidget(widget);
    return record != nullptr && record->widget == widget ? record->handle : nullptr;
}

QWidget* ActiveModalWindow() {
    const auto& stack = WindowRegistry::instance().modalStack();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        if (QWidget* widget = WidgetFromHandle(*it)) {
            return widget;
        }
    }
    return nullptr;
}

QFont DialogFont(const char* fontName, int pointSize) {
    return DialogUnits::standInFont(fontName, pointSize);
}

QSize DialogBaseUnits(const QFont& font) {
    return DialogUnits::measureBaseUnits(font);
}

QIcon IconFromHandle(HICON hIcon) {
    return IconStore::instance().icon(hIcon);
}

void SetModalObserver(std::function<void(QWidget* window)> observer) {
    ModalObserver::set(std::move(observer));
}

} // namespace vorn::fw
