#include "framework/DialogBuilder.h"

#include "framework/CheckBoxControl.h"
#include "framework/ControlMessages.h"
#include "framework/DialogManager.h"
#include "framework/DialogWindow.h"
#include "framework/GroupBoxControl.h"
#include "framework/IconStore.h"
#include "framework/ListBoxControl.h"
#include "framework/ModuleStore.h"
#include "framework/PictureControl.h"
#include "framework/RadioButtonControl.h"
#include "framework/StaticTextControl.h"
#include "framework/Text.h"
#include "framework/UiConstants.h"
#include "framework/WindowRegistry.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace vorn::fw {

namespace {

constexpr const char* kDefaultFont = "MS Sans Serif";
constexpr int kDefaultPointSize = 8;

Qt::WindowFlags windowFlags(DWORD style, DWORD exStyle, bool owned) {
    Qt::WindowFlags flags = (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION) {
        flags |= Qt::WindowTitleHint;
    }
    // Without a system menu there is neither a close button nor a window menu.
    if (style & WS_SYSMENU) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (style & WS_MINIMIZEBOX) {
            flags |= Qt::WindowMinimizeButtonHint;
        }
    }
    if ((style & DS_SYSMODAL) || (exStyle & WS_EX_TOPMOST)) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

WindowKind buttonKind(DWORD style) {
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return WindowKind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return WindowKind::RadioButton;
    case BS_GROUPBOX:
        return WindowKind::GroupBox;
    default:
        return WindowKind::PushButton;
    }
}

QWidget* makeButton(WindowKind kind, DWORD style, QWidget* parent) {
    DWORD type = style & BS_TYPEMASK;
    switch (kind) {
    case WindowKind::CheckBox:
        return new CheckBoxControl(type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE,
                                   type == BS_3STATE || type == BS_AUTO3STATE, parent);
    case WindowKind::RadioButton:
        return new RadioButtonControl(parent);
    case WindowKind::GroupBox:
        return new GroupBoxControl(QString(), parent);
    default: {
        auto* button = new QPushButton(parent);
        // Enter is the dialog manager's, not the button's.
        button->setAutoDefault(false);
        button->setDefault(type == BS_DEFPUSHBUTTON);
        return button;
    }
    }
}

} // namespace

DialogWindow* DialogBuilder::build(const DialogTemplate& dialogTemplate, HINSTANCE module,
                                   HWND owner) {
    bool setFont = (dialogTemplate.style & DS_SETFONT) != 0 && dialogTemplate.fontName != nullptr;
    DialogUnits units(setFont ? dialogTemplate.fontName : kDefaultFont,
                      setFont ? dialogTemplate.pointSize : kDefaultPointSize);
    auto* window = new DialogWindow(
        units, windowFlags(dialogTemplate.style, dialogTemplate.exStyle, owner != nullptr));
    WindowRecord& record = WindowRegistry::instance().add(WindowKind::Dialog, window);
    window->setHandle(record.handle);
    record.id = static_cast<int>(dialogTemplate.id);
    record.style = dialogTemplate.style;
    record.exStyle = dialogTemplate.exStyle;
    record.owner = owner;
    record.text = dialogTemplate.caption != nullptr ? dialogTemplate.caption : "";
    window->setWindowTitle(toQt(record.text));
    window->setObjectName(window->windowTitle());
    window->setProperty("vornTemplateId", dialogTemplate.id);
    window->setFixedSize(units.toPixelsSize(dialogTemplate.cx, dialogTemplate.cy));

    int defaultId = IDOK;
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        addControl(*window, item, module);
        if (item.controlClass == ControlClass::Button &&
            (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            defaultId = item.id;
        }
    }
    window->setDefaultId(defaultId);

    // The first control lies on top, as in the template's order; a group box never covers the
    // controls inside it.
    auto& controls = window->controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        if (WindowRecord* control = window->controlRecord(*it); control && control->widget) {
            control->widget->raise();
        }
    }
    QWidget* previous = nullptr;
    for (HWND handle : controls) {
        WindowRecord* control = window->controlRecord(handle);
        if (control != nullptr && control->canFocus()) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, control->widget);
            }
            previous = control->widget;
        }
    }

    place(*window, dialogTemplate, owner);
    return window;
}

void DialogBuilder::addControl(DialogWindow& dialog, const DialogItemTemplate& item,
                               HINSTANCE module) {
    QWidget* widget = nullptr;
    WindowKind kind = WindowKind::StaticText;
    switch (item.controlClass) {
    case ControlClass::Button:
        kind = buttonKind(item.style);
        widget = makeButton(kind, item.style, &dialog);
        break;
    case ControlClass::Static:
        if ((item.style & SS_TYPEMASK) == SS_BITMAP) {
            kind = WindowKind::Picture;
            widget = new PictureControl(ModuleStore::instance().bitmap(module, item.picture),
                                        item.style, item.style, &dialog);
        } else if ((item.style & SS_TYPEMASK) == SS_ICON) {
            kind = WindowKind::Picture;
            int size = 32;
            QIcon icon =
                IconStore::instance().icon(IconStore::instance().load(module, item.picture));
            if (icon.isNull()) {
                icon =
                    IconStore::instance().icon(IconStore::instance().load(nullptr, item.picture));
            }
            widget = new PictureControl(icon.pixmap(size, size), item.style, item.style, &dialog);
        } else {
            widget = new StaticTextControl(QString(), item.style, &dialog);
        }
        break;
    case ControlClass::ListBox:
        kind = WindowKind::ListBox;
        widget = new ListBoxControl(item.style, &dialog);
        break;
    }

    WindowRecord& record = WindowRegistry::instance().add(kind, widget);
    record.id = item.id;
    record.style = item.style;
    record.parent = dialog.handle();
    widget->setObjectName(QStringLiteral("control-%1").arg(item.id));
    widget->setProperty("vornControlId", item.id);
    dialog.controls().push_back(record.handle);

    QRect rect = dialog.units().toPixels(item.x, item.y, item.cx, item.cy);
    if (kind == WindowKind::Picture) {
        static_cast<PictureControl*>(widget)->place(rect);
    } else {
        widget->setGeometry(rect);
    }
    if (kind != WindowKind::Picture && kind != WindowKind::ListBox) {
        setControlText(record, item.text);
    }
    if (record.canFocus()) {
        widget->setFocusPolicy(Qt::StrongFocus);
        widget->installEventFilter(&dialog);
    }
    if (item.style & WS_DISABLED) {
        widget->setEnabled(false);
    }
    if ((item.style & WS_VISIBLE) == 0) {
        widget->hide();
    }

    HWND handle = record.handle;
    DialogWindow* owner = &dialog;
    if (record.isButton()) {
        QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, &dialog,
                         [owner, handle] { owner->buttonClicked(handle); });
    } else if (kind == WindowKind::ListBox) {
        int id = item.id;
        static_cast<ListBoxControl*>(widget)->notify = [owner, handle, id](UINT code) {
            owner->send(WM_COMMAND,
                        MAKEWPARAM(LOWORD(static_cast<UINT>(id)), static_cast<WORD>(code)),
                        reinterpret_cast<LPARAM>(handle));
        };
    }
}

void DialogBuilder::place(DialogWindow& dialog, const DialogTemplate& dialogTemplate, HWND owner) {
    QWidget* ownerWidget = nullptr;
    if (WindowRecord* ownerRecord = WindowRegistry::instance().find(owner)) {
        ownerWidget = ownerRecord->widget;
    }
    QScreen* screen =
        ownerWidget != nullptr ? ownerWidget->screen() : QGuiApplication::primaryScreen();
    QRect work = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QSize size = dialog.size();

    QPoint position;
    bool centre = (dialogTemplate.style & DS_CENTER) != 0 ||
                  (ownerWidget == nullptr && dialogTemplate.x == 0 && dialogTemplate.y == 0);
    if (centre) {
        position = {work.left() + (work.width() - size.width()) / 2,
                    work.top() + (work.height() - size.height()) / 2};
    } else if (ownerWidget != nullptr && (dialogTemplate.style & DS_ABSALIGN) == 0) {
        // Relative to the owner's client area.
        position = ownerWidget->mapToGlobal(QPoint(0, 0)) +
                   dialog.units().toPixels(dialogTemplate.x, dialogTemplate.y);
    } else {
        position = dialog.units().toPixels(dialogTemplate.x, dialogTemplate.y);
    }
    // Kept on the screen, as the platform does.
    position.setX(std::clamp(position.x(), work.left(),
                             std::max(work.left(), work.right() + 1 - size.width())));
    position.setY(std::clamp(position.y(), work.top(),
                             std::max(work.top(), work.bottom() + 1 - size.height())));
    dialog.move(position);

    if (ownerWidget != nullptr) {
        dialog.winId();
        ownerWidget->winId();
        if (dialog.windowHandle() != nullptr && ownerWidget->windowHandle() != nullptr) {
            dialog.windowHandle()->setTransientParent(ownerWidget->windowHandle());
        }
    }
}

} // namespace vorn::fw
