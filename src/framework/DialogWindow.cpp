#include "framework/DialogWindow.h"

#include "framework/ControlMessages.h"
#include "framework/DeviceContext.h"
#include "framework/DialogManager.h"
#include "framework/IconStore.h"
#include "framework/Text.h"
#include "framework/UiConstants.h"
#include "framework/WindowAccess.h"
#include "framework/WindowRegistry.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMetaObject>
#include <QPushButton>
#include <cstring>

namespace vorn::fw {

namespace {
WindowRegistry& registry() {
    return WindowRegistry::instance();
}
} // namespace

DialogWindow::DialogWindow(const DialogUnits& units, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), m_units(units), m_keyboard(*this) {
    setFont(m_units.font());
}

DialogWindow::~DialogWindow() {
    DialogManager::forget(m_handle);
}

WindowRecord* DialogWindow::controlRecord(HWND control) const {
    WindowRecord* record = registry().find(control);
    return record != nullptr && record->parent == m_handle ? record : nullptr;
}

WindowRecord* DialogWindow::controlById(int id) const {
    for (HWND control : m_controls) {
        WindowRecord* record = controlRecord(control);
        if (record != nullptr &&
            LOWORD(static_cast<UINT>(record->id)) == LOWORD(static_cast<UINT>(id))) {
            return record;
        }
    }
    return nullptr;
}

WindowRecord* DialogWindow::focusControl() const {
    WindowRecord* record = registry().findByWidget(focusWidget());
    return record != nullptr && record->parent == m_handle ? record : nullptr;
}

int DialogWindow::indexOf(HWND control) const {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i] == control) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::pair<int, int> DialogWindow::groupRange(int index) const {
    auto startsGroup = [this](int i) {
        const WindowRecord* record = controlRecord(m_controls[static_cast<std::size_t>(i)]);
        return record != nullptr && (record->style & WS_GROUP) != 0;
    };
    int count = static_cast<int>(m_controls.size());
    int start = index;
    while (start > 0 && !startsGroup(start)) {
        --start;
    }
    int end = index + 1;
    while (end < count && !startsGroup(end)) {
        ++end;
    }
    return {start, end};
}

LRESULT DialogWindow::send(UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = registry().find(m_handle);
    if (record == nullptr) {
        return 0;
    }
    if (record->object != nullptr) {
        return WindowAccess::windowProc(*record->object, message, wParam, lParam);
    }
    if (m_procedure != nullptr) {
        INT_PTR answer = m_procedure(m_handle, message, wParam, lParam);
        if (message == WM_INITDIALOG || answer != 0) {
            return answer;
        }
        if (registry().find(m_handle) == nullptr) {
            return 0;
        }
    }
    return defaultProc(message, wParam, lParam);
}

LRESULT DialogWindow::defaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = registry().find(m_handle);
    if (record == nullptr) {
        return 0;
    }
    switch (message) {
    case WM_CLOSE:
        command(IDCANCEL, BN_CLICKED);
        return 0;
    case WM_SETICON: {
        HICON previous = wParam == ICON_BIG ? m_bigIcon : m_smallIcon;
        (wParam == ICON_BIG ? m_bigIcon : m_smallIcon) = reinterpret_cast<HICON>(lParam);
        updateWindowIcon();
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? m_bigIcon : m_smallIcon);
    case WM_ICONERASEBKGND:
        if (DeviceContext* context = DeviceContext::fromHandle(reinterpret_cast<HDC>(wParam))) {
            context->fill(rect(), palette().window());
            return 1;
        }
        return 0;
    case WM_SETTEXT:
        record->text = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
        setWindowTitle(toQt(record->text));
        setObjectName(windowTitle());
        return TRUE;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPSTR>(lParam);
        if (buffer == nullptr || wParam == 0) {
            return 0;
        }
        std::size_t length = std::min<std::size_t>(record->text.size(), wParam - 1);
        std::memcpy(buffer, record->text.data(), length);
        buffer[length] = '\0';
        return static_cast<LRESULT>(length);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(record->text.size());
    default:
        return 0;
    }
}

void DialogWindow::command(int id, UINT code) {
    WindowRecord* control = controlById(id);
    send(WM_COMMAND, MAKEWPARAM(LOWORD(static_cast<UINT>(id)), static_cast<WORD>(code)),
         reinterpret_cast<LPARAM>(control != nullptr ? control->handle : nullptr));
}

void DialogWindow::focusControl(HWND control, Qt::FocusReason reason) {
    WindowRecord* record = controlRecord(control);
    if (record == nullptr || !record->widget) {
        return;
    }
    if (!isVisible()) {
        m_pendingFocus = control;
        return;
    }
    record->widget->setFocus(reason);
    controlFocused(*record);
}

void DialogWindow::restoreFocus() {
    WindowRecord* last = controlRecord(m_lastFocus);
    if (last != nullptr && last->canFocus() && last->ownVisible() && last->ownEnabled()) {
        focusControl(last->handle, Qt::ActiveWindowFocusReason);
    } else if (HWND first = firstTabStop()) {
        focusControl(first, Qt::ActiveWindowFocusReason);
    }
}

HWND DialogWindow::firstTabStop() const {
    for (HWND control : m_controls) {
        const WindowRecord* record = controlRecord(control);
        if (record != nullptr && record->canFocus() && (record->style & WS_TABSTOP) &&
            record->ownVisible() && record->ownEnabled()) {
            return control;
        }
    }
    return nullptr;
}

void DialogWindow::buttonClicked(HWND control) {
    WindowRecord* record = controlRecord(control);
    if (record == nullptr) {
        return;
    }
    if (record->autoRadio()) {
        checkAutoRadio(control);
    }
    send(WM_COMMAND, MAKEWPARAM(LOWORD(static_cast<UINT>(record->id)), BN_CLICKED),
         reinterpret_cast<LPARAM>(control));
}

void DialogWindow::checkAutoRadio(HWND control) {
    int index = indexOf(control);
    WindowRecord* record = controlRecord(control);
    if (index < 0 || record == nullptr) {
        return;
    }
    auto [start, end] = groupRange(index);
    for (int i = start; i < end; ++i) {
        WindowRecord* other = controlRecord(m_controls[static_cast<std::size_t>(i)]);
        if (other != nullptr && other != record && other->autoRadio()) {
            setButtonCheck(*other, BST_UNCHECKED);
        }
    }
    setButtonCheck(*record, BST_CHECKED);
}

bool DialogWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        // Which of an owner's pop-ups was active last decides who owns a message box.
        m_lastActivePopup = m_handle;
        if (WindowRecord* self = registry().find(m_handle); self != nullptr && self->owner) {
            if (WindowRecord* owner = registry().find(self->owner)) {
                if (auto* ownerWindow = dynamic_cast<DialogWindow*>(owner->widget.data())) {
                    ownerWindow->m_lastActivePopup = m_handle;
                }
            }
        }
    }
    return QWidget::event(event);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        WindowRecord* control = registry().findByWidget(qobject_cast<QWidget*>(watched));
        if (control != nullptr && control->parent != m_handle) {
            control = nullptr;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        if (!m_keyboard.handleKey(*key, control)) {
            // The control gets the key; what it leaves does not travel on to the dialog, which
            // has already had its say.
            watched->event(event);
        }
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        WindowRecord* control = registry().findByWidget(qobject_cast<QWidget*>(watched));
        if (control != nullptr && control->parent == m_handle) {
            controlFocused(*control);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (m_keyboard.handleKey(*event, nullptr)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    // A close request (the close button, Alt+F4) becomes IDCANCEL, which the dialog may ignore.
    // It is delivered from the event loop, as the platform posts it, so that a dialog that
    // destroys itself in its handler does so outside this event.
    event->ignore();
    // A disabled window takes no input, its close button included: a modal run over it (a message
    // box) must end before it can be closed.
    if (!isEnabled()) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [handle = m_handle] {
            if (WindowRecord* record = WindowRegistry::instance().find(handle)) {
                if (auto* dialog = dynamic_cast<DialogWindow*>(record->widget.data())) {
                    dialog->send(WM_CLOSE, 0, 0);
                }
            }
        },
        Qt::QueuedConnection);
}

void DialogWindow::paintEvent(QPaintEvent* /*event*/) {
    m_painting = true;
    send(WM_PAINT, 0, 0);
    m_painting = false;
}

bool DialogWindow::focusNextPrevChild(bool next) {
    m_keyboard.moveTab(next);
    return true;
}

void DialogWindow::controlFocused(WindowRecord& control) {
    m_lastFocus = control.handle;
    showAsDefault(&control);
}

void DialogWindow::showAsDefault(const WindowRecord* focused) {
    bool onPushButton = focused != nullptr && focused->kind == WindowKind::PushButton;
    for (HWND handle : m_controls) {
        WindowRecord* record = controlRecord(handle);
        if (record == nullptr || record->kind != WindowKind::PushButton || !record->widget) {
            continue;
        }
        bool isDefault = onPushButton ? record == focused
                                      : ((record->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON &&
                                         record->id == m_defaultId);
        static_cast<QPushButton*>(record->widget.data())->setDefault(isDefault);
    }
}

void DialogWindow::updateWindowIcon() {
    setWindowIcon(IconStore::instance().icon(m_bigIcon != nullptr ? m_bigIcon : m_smallIcon));
}

} // namespace vorn::fw
