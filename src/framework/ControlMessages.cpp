#include "framework/ControlMessages.h"

#include "framework/CheckBoxControl.h"
#include "framework/GroupBoxControl.h"
#include "framework/ListBoxControl.h"
#include "framework/StaticTextControl.h"
#include "framework/Text.h"
#include "framework/UiConstants.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <algorithm>
#include <cstring>

namespace vorn::fw {

namespace {

ListBoxControl* listOf(WindowRecord& control) {
    return control.kind == WindowKind::ListBox ? static_cast<ListBoxControl*>(control.widget.data())
                                               : nullptr;
}

// Copies text with its terminating zero into the caller's buffer; returns the length copied.
LRESULT copyOut(const std::string& text, LPSTR buffer, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) {
        return 0;
    }
    std::size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<LRESULT>(length);
}

LRESULT listMessage(ListBoxControl& list, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case LB_ADDSTRING:
        return list.addString(toQt(reinterpret_cast<LPCSTR>(lParam)));
    case LB_RESETCONTENT:
        list.clear();
        return 0;
    case LB_GETCOUNT:
        return list.count();
    case LB_GETCURSEL:
        return list.currentSelection();
    case LB_SETCURSEL: {
        int result = list.selectRow(index);
        return index == -1 ? LB_ERR : result;
    }
    case LB_FINDSTRING:
    case LB_SELECTSTRING: {
        int row = list.findPrefix(index, toQt(reinterpret_cast<LPCSTR>(lParam)));
        if (row >= 0 && message == LB_SELECTSTRING) {
            list.selectRow(row);
        }
        return row >= 0 ? row : LB_ERR;
    }
    case LB_GETTEXTLEN:
        if (index < 0 || index >= list.count()) {
            return LB_ERR;
        }
        return list.item(index)->text().size();
    case LB_GETTEXT: {
        if (index < 0 || index >= list.count()) {
            return LB_ERR;
        }
        // The caller's buffer holds at least LB_GETTEXTLEN + 1 bytes, as the platform requires.
        std::string text = fromQt(list.item(index)->text());
        auto* buffer = reinterpret_cast<LPSTR>(lParam);
        if (buffer == nullptr) {
            return LB_ERR;
        }
        std::memcpy(buffer, text.c_str(), text.size() + 1);
        return static_cast<LRESULT>(text.size());
    }
    default:
        return 0;
    }
}

} // namespace

UINT buttonCheck(const WindowRecord& control) {
    if (control.kind == WindowKind::CheckBox) {
        switch (static_cast<const QCheckBox*>(control.widget.data())->checkState()) {
        case Qt::Checked:
            return BST_CHECKED;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return BST_UNCHECKED;
        }
    }
    if (control.kind == WindowKind::RadioButton) {
        return static_cast<const QAbstractButton*>(control.widget.data())->isChecked()
                   ? BST_CHECKED
                   : BST_UNCHECKED;
    }
    return BST_UNCHECKED;
}

void setButtonCheck(WindowRecord& control, UINT state) {
    if (!control.widget) {
        return;
    }
    if (control.kind == WindowKind::CheckBox) {
        auto* box = static_cast<QCheckBox*>(control.widget.data());
        if (state == 2 && box->isTristate()) {
            box->setCheckState(Qt::PartiallyChecked);
        } else {
            box->setCheckState(state != BST_UNCHECKED ? Qt::Checked : Qt::Unchecked);
        }
    } else if (control.kind == WindowKind::RadioButton) {
        static_cast<QAbstractButton*>(control.widget.data())->setChecked(state != BST_UNCHECKED);
        // A checked radio button is where Tab enters its group; unchecked ones are skipped.
        if (state != BST_UNCHECKED) {
            control.style |= WS_TABSTOP;
        } else {
            control.style &= ~WS_TABSTOP;
        }
    }
}

void setControlText(WindowRecord& control, const char* text) {
    control.text = text ? text : "";
    if (!control.widget) {
        return;
    }
    QString shown = toQt(control.text);
    if (control.isButton()) {
        auto* button = static_cast<QAbstractButton*>(control.widget.data());
        button->setText(shown);
        // The dialog manager handles mnemonics itself; Qt's own shortcut would fire a second time.
        button->setShortcut(QKeySequence());
    } else if (control.kind == WindowKind::GroupBox) {
        static_cast<GroupBoxControl*>(control.widget.data())->setText(shown);
    } else if (control.kind == WindowKind::StaticText) {
        static_cast<StaticTextControl*>(control.widget.data())->setText(shown);
    }
}

LRESULT controlMessage(WindowRecord& control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case BM_GETCHECK:
        return buttonCheck(control);
    case BM_SETCHECK:
        setButtonCheck(control, static_cast<UINT>(wParam));
        return 0;
    case BM_CLICK:
        if (control.isButton() && control.widget && control.widget->isEnabled()) {
            static_cast<QAbstractButton*>(control.widget.data())->click();
        }
        return 0;
    case WM_SETTEXT:
        setControlText(control, reinterpret_cast<LPCSTR>(lParam));
        return TRUE;
    case WM_GETTEXT:
        return copyOut(control.text, reinterpret_cast<LPSTR>(lParam), wParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(control.text.size());
    default:
        break;
    }
    if (ListBoxControl* list = listOf(control)) {
        return listMessage(*list, message, wParam, lParam);
    }
    return 0;
}

} // namespace vorn::fw
