#include "support/PendingActions.h"

#include <QTimer>
#include <utility>
#include <vector>

namespace vorn::test {

namespace {
std::vector<std::pair<QTimer*, QString>>& actions() {
    static std::vector<std::pair<QTimer*, QString>> list;
    return list;
}
} // namespace

void PendingActions::add(QTimer* timer, const QString& what) {
    actions().emplace_back(timer, what);
}

void PendingActions::remove(QTimer* timer) {
    auto& list = actions();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->first == timer) {
            list.erase(it);
            return;
        }
    }
}

QStringList PendingActions::cancelAll() {
    QStringList what;
    for (auto& [timer, description] : actions()) {
        timer->stop();
        timer->deleteLater();
        what.append(description);
    }
    actions().clear();
    return what;
}

} // namespace vorn::test
