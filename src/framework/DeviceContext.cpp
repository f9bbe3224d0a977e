#include "framework/DeviceContext.h"

#include "framework/DialogWindow.h"

#include <algorithm>
#include <vector>

namespace vorn::fw {

namespace {
std::vector<DeviceContext*>& live() {
    static std::vector<DeviceContext*> contexts;
    return contexts;
}
} // namespace

DeviceContext::DeviceContext(QWidget* widget) {
    auto* dialog = dynamic_cast<DialogWindow*>(widget);
    if (dialog != nullptr && dialog->painting()) {
        m_painter = std::make_unique<QPainter>(dialog);
    }
    live().push_back(this);
}

DeviceContext::~DeviceContext() {
    auto& contexts = live();
    contexts.erase(std::remove(contexts.begin(), contexts.end(), this), contexts.end());
}

DeviceContext* DeviceContext::fromHandle(HDC handle) {
    for (DeviceContext* context : live()) {
        if (context->handle() == handle) {
            return context;
        }
    }
    return nullptr;
}

void DeviceContext::fill(const QRect& rect, const QBrush& brush) {
    if (m_painter) {
        m_painter->fillRect(rect, brush);
    }
}

void DeviceContext::drawIcon(int x, int y, const QIcon& icon, int size) {
    if (m_painter && !icon.isNull()) {
        icon.paint(m_painter.get(), QRect(x, y, size, size));
    }
}

} // namespace vorn::fw
