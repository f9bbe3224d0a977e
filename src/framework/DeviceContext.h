#pragma once

// What an HDC stands for: a painter on a window that is being painted, or nothing to draw on.

#include "framework/UiTypes.h"

#include <QBrush>
#include <QIcon>
#include <QPainter>
#include <QRect>
#include <memory>

class QWidget;

namespace vorn::fw {

class DeviceContext {
public:
    // A painter on the widget when it is in the middle of its paint; else a context that draws
    // nothing.
    explicit DeviceContext(QWidget* widget);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    HDC handle() { return reinterpret_cast<HDC>(this); }
    // The live context of a handle, or nullptr.
    static DeviceContext* fromHandle(HDC handle);

    void fill(const QRect& rect, const QBrush& brush);
    void drawIcon(int x, int y, const QIcon& icon, int size);

private:
    std::unique_ptr<QPainter> m_painter;
};

} // namespace vorn::fw
