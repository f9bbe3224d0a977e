#include "support/LeftoverWindowCheck.h"

#include "framework/WindowApi.h"
#include "framework/WindowBridge.h"
#include "support/ModalHelper.h"
#include "support/PendingActions.h"

#include <QApplication>
#include <QWidget>

namespace vorn::test {

void LeftoverWindowCheck::OnTestEnd(const ::testing::TestInfo& /*info*/) {
    QStringList pending = PendingActions::cancelAll();
    if (!pending.isEmpty()) {
        ADD_FAILURE() << "helper actions still waiting for: " << pending.join(", ").toStdString();
    }
    QStringList left = leftoverWindows();
    if (left.isEmpty()) {
        return;
    }
    ADD_FAILURE() << "windows left over: " << left.join(", ").toStdString();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (HWND handle = vorn::fw::HandleFromWidget(window)) {
            DestroyWindow(handle);
        } else if (window->isVisible()) {
            window->hide();
            window->deleteLater();
        }
    }
    leftoverWindows();
}

} // namespace vorn::test
