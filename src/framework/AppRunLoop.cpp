#include "framework/AppRunLoop.h"

#include <QEventLoop>

namespace vorn::fw {

namespace {
QEventLoop*& current() {
    static QEventLoop* loop = nullptr;
    return loop;
}
} // namespace

void AppRunLoop::set(QEventLoop* loop) {
    current() = loop;
}

void AppRunLoop::quit() {
    if (current() != nullptr) {
        current()->exit(0);
    }
}

} // namespace vorn::fw
