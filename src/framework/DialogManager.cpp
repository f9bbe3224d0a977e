#include "framework/DialogManager.h"

#include "framework/AppRunLoop.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/DialogBuilder.h"
#include "framework/DialogWindow.h"
#include "framework/ModalObserver.h"
#include "framework/ModuleResources.h"
#include "framework/UiConstants.h"
#include "framework/WindowAccess.h"
#include "framework/WindowRegistry.h"

#include <QEventLoop>
#include <QPointer>
#include <algorithm>

namespace vorn::fw {

namespace {

WindowRegistry& registry() {
    return WindowRegistry::instance();
}

} // namespace

DialogWindow* DialogManager::dialogWindow(HWND dialog) {
    WindowRecord* record = registry().find(dialog);
    if (record == nullptr || record->kind != WindowKind::Dialog) {
        return nullptr;
    }
    return dynamic_cast<DialogWindow*>(record->widget.data());
}

HWND DialogManager::topLevel(HWND window) {
    WindowRecord* record = registry().find(window);
    if (record == nullptr) {
        return nullptr;
    }
    return record->isControl() ? record->parent : record->handle;
}

HWND DialogManager::lastActivePopup(HWND window) {
    DialogWindow* dialog = dialogWindow(window);
    if (dialog == nullptr) {
        return window;
    }
    HWND popup = dialog->lastActivePopup();
    WindowRecord* record = registry().find(popup);
    if (popup == nullptr || record == nullptr || record->owner != window || !record->widget ||
        !record->widget->isVisible()) {
        return window;
    }
    return popup;
}

bool DialogManager::enable(HWND window, bool enable) {
    WindowRecord* record = registry().find(window);
    if (record == nullptr || !record->widget) {
        return false;
    }
    bool wasDisabled = !record->ownEnabled();
    record->widget->setEnabled(enable);
    // Qt drops the focus of a window that is disabled; the dialog gets it back on its control
    // that had it, where the window's activation then finds it.
    DialogWindow* dialog = dialogWindow(window);
    if (enable && wasDisabled && dialog != nullptr && dialog->isVisible() &&
        dialog->focusControl() == nullptr) {
        dialog->restoreFocus();
    }
    return wasDisabled;
}

HWND DialogManager::create(HINSTANCE module, UINT templateId, HWND owner, const Client& client) {
    const DialogTemplate* found = AfxFindDialogTemplate(module, templateId);
    if (found == nullptr) {
        return nullptr;
    }
    return create(*found, module, owner, client);
}

HWND DialogManager::create(const DialogTemplate& dialogTemplate, HINSTANCE module, HWND owner,
                           const Client& client) {
    HWND ownerTop = topLevel(owner);
    DialogWindow* window = DialogBuilder::build(dialogTemplate, module, ownerTop);
    HWND handle = window->handle();
    WindowRecord* record = registry().find(handle);
    window->setProcedure(client.procedure);
    window->setHelpKey(client.helpKey);
    if (client.object != nullptr) {
        record->object = client.object;
        client.object->m_hWnd = handle;
    }

    HWND first = window->firstTabStop();
    LRESULT focusFirst =
        window->send(WM_INITDIALOG, reinterpret_cast<WPARAM>(first), client.initParam);
    if (registry().find(handle) == nullptr) {
        return nullptr;
    }
    // The first tab stop as it is now: initialisation may have disabled or hidden controls.
    if (focusFirst != 0) {
        window->setPendingFocus(window->firstTabStop());
    }
    return handle;
}

void DialogManager::show(HWND dialog) {
    DialogWindow* window = dialogWindow(dialog);
    if (window == nullptr) {
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
    if (HWND focus = window->pendingFocus()) {
        window->setPendingFocus(nullptr);
        window->focusControl(focus, Qt::ActiveWindowFocusReason);
    } else if (window->focusControl() == nullptr) {
        window->setFocus(Qt::ActiveWindowFocusReason);
    }
}

INT_PTR DialogManager::runModal(HWND dialog) {
    DialogWindow* window = dialogWindow(dialog);
    if (window == nullptr) {
        return -1;
    }
    DialogWindow::ModalState& modal = window->modal();
    WindowRecord* record = registry().find(dialog);
    HWND owner = record->owner;
    if (owner != nullptr && !enable(owner, false)) {
        modal.disabledOwner = owner;
    }

    QPointer<DialogWindow> guard(window);
    modal.running = true;
    registry().modalStack().push_back(dialog);
    if (!modal.ended) {
        show(dialog);
        ModalObserver::notify(window);
    }
    QEventLoop loop;
    if (guard && registry().find(dialog) != nullptr && !modal.ended) {
        modal.loop = &loop;
        loop.exec(QEventLoop::DialogExec);
    }
    auto& stack = registry().modalStack();
    stack.erase(std::remove(stack.begin(), stack.end(), dialog), stack.end());

    if (!guard) {
        return -1;
    }
    modal.loop = nullptr;
    modal.running = false;
    INT_PTR result = modal.ended ? modal.result : -1;
    if (modal.disabledOwner != nullptr) {
        enable(modal.disabledOwner, true);
        modal.disabledOwner = nullptr;
    }
    // The owner comes back before this dialog goes, so that the focus returns to it.
    if (DialogWindow* ownerWindow = dialogWindow(owner);
        ownerWindow != nullptr && ownerWindow->isVisible() && ownerWindow->isEnabled() &&
        window->isActiveWindow()) {
        ownerWindow->activateWindow();
    }
    if (registry().find(dialog) != nullptr) {
        window->hide();
        destroy(dialog);
    }
    return result;
}

BOOL DialogManager::endDialog(HWND dialog, INT_PTR result) {
    DialogWindow* window = dialogWindow(dialog);
    if (window == nullptr) {
        return FALSE;
    }
    DialogWindow::ModalState& modal = window->modal();
    modal.ended = true;
    modal.result = result;
    if (modal.disabledOwner != nullptr) {
        enable(modal.disabledOwner, true);
        modal.disabledOwner = nullptr;
    }
    if (modal.loop != nullptr) {
        modal.loop->exit(0);
    } else if (!modal.running) {
        // A modeless dialog (or one not yet shown) only hides.
        window->hide();
    }
    return TRUE;
}

BOOL DialogManager::destroy(HWND handle, bool callPostNcDestroy) {
    WindowRecord* record = registry().find(handle);
    if (record == nullptr || record->destroying) {
        return FALSE;
    }
    record->destroying = true;

    if (record->isControl()) {
        QPointer<QWidget> widget = record->widget;
        if (DialogWindow* dialog = dialogWindow(record->parent)) {
            auto& controls = dialog->controls();
            controls.erase(std::remove(controls.begin(), controls.end(), handle), controls.end());
        }
        registry().remove(handle);
        if (widget) {
            widget->hide();
            widget->deleteLater();
        }
        return TRUE;
    }

    // Owned windows go first.
    for (HWND owned : registry().ownedBy(handle)) {
        destroy(owned);
    }

    record = registry().find(handle);
    QPointer<QWidget> widget = record->widget;
    auto* window = dynamic_cast<DialogWindow*>(widget.data());
    if (window != nullptr) {
        DialogWindow::ModalState& modal = window->modal();
        if (modal.disabledOwner != nullptr) {
            enable(modal.disabledOwner, true);
            modal.disabledOwner = nullptr;
        }
        if (modal.loop != nullptr) {
            modal.loop->exit(0);
        }
        window->hide();
        for (HWND control : std::vector<HWND>(window->controls())) {
            registry().remove(control);
        }
        window->controls().clear();
    }

    CWnd* object = record->object;
    if (CWinApp* app = AfxGetApp();
        app != nullptr && object != nullptr && app->m_pMainWnd == object) {
        app->m_pMainWnd = nullptr;
        AppRunLoop::quit();
    }
    registry().remove(handle);
    if (window != nullptr) {
        window->setHandle(nullptr);
    }
    if (widget) {
        widget->deleteLater();
    }
    if (object != nullptr && callPostNcDestroy) {
        WindowAccess::postNcDestroy(*object);
    }
    return TRUE;
}

void DialogManager::forget(HWND dialog) {
    WindowRecord* record = registry().find(dialog);
    if (record == nullptr) {
        return;
    }
    if (auto* window = dynamic_cast<DialogWindow*>(record->widget.data())) {
        for (HWND control : window->controls()) {
            registry().remove(control);
        }
    }
    registry().remove(dialog);
}

} // namespace vorn::fw
