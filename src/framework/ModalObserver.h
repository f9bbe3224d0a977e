#pragma once

// The one observer that hears of every modal run as its window shows (for tests).

#include <functional>

class QWidget;

namespace vorn::fw {

class ModalObserver {
public:
    static void set(std::function<void(QWidget*)> observer);
    static void notify(QWidget* window);

private:
    static std::function<void(QWidget*)>& current();
};

} // namespace vorn::fw
