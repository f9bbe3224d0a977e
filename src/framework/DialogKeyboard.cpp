#include "framework/DialogKeyboard.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/ControlMessages.h"
#include "framework/DialogWindow.h"
#include "framework/Text.h"
#include "framework/UiConstants.h"
#include "framework/WindowApi.h"
#include "framework/WindowRecord.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace vorn::fw {

namespace {

constexpr Qt::KeyboardModifiers kCommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool usable(const WindowRecord* record) {
    return record != nullptr && record->ownVisible() && record->ownEnabled();
}

bool isTabStop(const WindowRecord* record) {
    return usable(record) && record->canFocus() && (record->style & WS_TABSTOP) != 0;
}

// The character a key stands for, for mnemonics.
QChar characterOf(const QKeyEvent& event) {
    int key = event.key();
    if (key > 0x20 && key < 0x100) {
        return QChar(key).toUpper();
    }
    QString text = event.text();
    return text.isEmpty() ? QChar() : text.front().toUpper();
}

} // namespace

bool DialogKeyboard::handleKey(const QKeyEvent& event, WindowRecord* focused) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | kCommandModifiers);
    const bool plain = (modifiers & kCommandModifiers) == 0;
    switch (event.key()) {
    case Qt::Key_Tab:
        if (!plain) {
            return false;
        }
        moveTab((modifiers & Qt::ShiftModifier) == 0);
        return true;
    case Qt::Key_Backtab:
        if (!plain) {
            return false;
        }
        moveTab(false);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!plain) {
            return false;
        }
        enter(focused);
        return true;
    case Qt::Key_Escape:
        if (!plain) {
            return false;
        }
        m_dialog.command(IDCANCEL, BN_CLICKED);
        return true;
    case Qt::Key_F1:
        if (modifiers != Qt::NoModifier || !m_dialog.helpKey()) {
            return false;
        }
        help();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (!plain || (focused != nullptr && focused->kind == WindowKind::ListBox)) {
            return false;
        }
        moveInGroup(focused, event.key() == Qt::Key_Down || event.key() == Qt::Key_Right);
        return true;
    default:
        break;
    }

    QChar letter = characterOf(event);
    if (letter.isNull() || letter.isSpace() || !letter.isPrint() ||
        (modifiers & (Qt::ControlModifier | Qt::MetaModifier))) {
        return false;
    }
    if (modifiers & Qt::AltModifier) {
        mnemonic(letter, focused);
        return true;
    }
    // A list box takes typed characters itself, to select by first letter.
    if (focused != nullptr && focused->kind == WindowKind::ListBox) {
        return false;
    }
    return mnemonic(letter, focused);
}

int DialogKeyboard::nextTabStop(int index, bool forward) const {
    const auto& controls = m_dialog.controls();
    int count = static_cast<int>(controls.size());
    if (count == 0) {
        return -1;
    }
    int start = index;
    if (start < 0) {
        start = forward ? -1 : count;
    }
    for (int step = 1; step <= count; ++step) {
        int i = forward ? (start + step) % count : ((start - step) % count + count) % count;
        if (isTabStop(m_dialog.controlRecord(controls[static_cast<std::size_t>(i)]))) {
            return i;
        }
    }
    return -1;
}

void DialogKeyboard::moveTab(bool forward) {
    WindowRecord* focused = m_dialog.focusControl();
    int index = focused != nullptr ? m_dialog.indexOf(focused->handle) : -1;
    int next = nextTabStop(index, forward);
    if (next >= 0) {
        m_dialog.focusControl(m_dialog.controls()[static_cast<std::size_t>(next)],
                              forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
}

void DialogKeyboard::enter(const WindowRecord* focused) {
    if (focused != nullptr && focused->kind == WindowKind::PushButton) {
        m_dialog.command(focused->id, BN_CLICKED);
        return;
    }
    int id = m_dialog.defaultId();
    const WindowRecord* control = m_dialog.controlById(id);
    if (control != nullptr && !control->ownEnabled()) {
        return;
    }
    m_dialog.command(id, BN_CLICKED);
}

void DialogKeyboard::moveInGroup(const WindowRecord* focused, bool forward) {
    if (focused == nullptr) {
        return;
    }
    int index = m_dialog.indexOf(focused->handle);
    auto [start, end] = m_dialog.groupRange(index);
    int size = end - start;
    for (int step = 1; step < size; ++step) {
        int offset = (index - start + (forward ? step : size - step)) % size;
        HWND handle = m_dialog.controls()[static_cast<std::size_t>(start + offset)];
        WindowRecord* record = m_dialog.controlRecord(handle);
        if (!usable(record) || !record->canFocus()) {
            continue;
        }
        m_dialog.focusControl(handle, Qt::OtherFocusReason);
        if (record->autoRadio() && buttonCheck(*record) == BST_UNCHECKED) {
            m_dialog.buttonClicked(handle);
        }
        return;
    }
}

bool DialogKeyboard::mnemonic(QChar letter, const WindowRecord* focused) {
    const auto& controls = m_dialog.controls();
    int count = static_cast<int>(controls.size());
    int start = focused != nullptr ? m_dialog.indexOf(focused->handle) : -1;
    for (int step = 1; step <= count; ++step) {
        int i = ((start + step) % count + count) % count;
        HWND handle = controls[static_cast<std::size_t>(i)];
        WindowRecord* record = m_dialog.controlRecord(handle);
        if (!usable(record)) {
            continue;
        }
        bool labelled = record->isButton() || record->kind == WindowKind::GroupBox ||
                        (record->kind == WindowKind::StaticText && !(record->style & SS_NOPREFIX));
        if (!labelled || mnemonicOf(toQt(record->text)) != letter) {
            continue;
        }
        if (record->isButton()) {
            m_dialog.focusControl(handle, Qt::ShortcutFocusReason);
            static_cast<QAbstractButton*>(record->widget.data())->click();
        } else if (int next = nextTabStop(i, true); next >= 0) {
            m_dialog.focusControl(controls[static_cast<std::size_t>(next)],
                                  Qt::ShortcutFocusReason);
        }
        return true;
    }
    return false;
}

void DialogKeyboard::help() {
    // The help command goes to the main window, whose dialog passes it on to the application.
    CWnd* main = AfxGetMainWnd();
    HWND target = main != nullptr && IsWindow(main->m_hWnd) ? main->m_hWnd : m_dialog.handle();
    SendMessage(target, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(ID_HELP), 0), 0);
}

} // namespace vorn::fw
