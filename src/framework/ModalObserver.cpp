#include "framework/ModalObserver.h"

namespace vorn::fw {

std::function<void(QWidget*)>& ModalObserver::current() {
    static std::function<void(QWidget*)> observer;
    return observer;
}

void ModalObserver::set(std::function<void(QWidget*)> observer) {
    current() = std::move(observer);
}

void ModalObserver::notify(QWidget* window) {
    if (current()) {
        // A copy, so that an observer may replace itself.
        std::function<void(QWidget*)> observer = current();
        observer(window);
    }
}

} // namespace vorn::fw
