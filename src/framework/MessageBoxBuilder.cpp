#include "framework/MessageBoxBuilder.h"

#include "framework/DialogUnits.h"
#include "framework/Text.h"
#include "framework/UiConstants.h"
#include "framework/WindowApi.h"

#include <QFontMetrics>
#include <algorithm>

namespace vorn::fw {

namespace {

constexpr const char* kFont = "MS Sans Serif";
constexpr int kPointSize = 8;
constexpr int kMaxTextWidth = 480; // pixels; longer lines wrap
constexpr int kIconSize = 32;      // pixels
constexpr short kMargin = 7;       // dialog units around the contents
constexpr short kGap = 7;          // between icon and text, and above the buttons
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr short kButtonGap = 4;

struct Button {
    int id;
    const char* text;
};

std::vector<Button> buttonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case MB_YESNOCANCEL:
        return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO:
        return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
    default:
        return {{IDOK, "OK"}};
    }
}

// The system icon's number for the type's icon flag, 0 for none.
UINT iconOf(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return 32513;
    case MB_ICONQUESTION:
        return 32514;
    case MB_ICONEXCLAMATION:
        return 32515;
    case MB_ICONASTERISK:
        return 32516;
    default:
        return 0;
    }
}

short toShort(int value) {
    return static_cast<short>(std::clamp(value, 0, 0x7FFF));
}

} // namespace

MessageBoxBuilder::MessageBoxBuilder(const char* text, const char* caption, UINT type, bool topmost)
    : m_text(text != nullptr ? text : ""), m_caption(caption != nullptr ? caption : "") {
    DialogUnits units(kFont, kPointSize);
    QFontMetrics metrics(units.font());
    QRect textBox = metrics.boundingRect(QRect(0, 0, kMaxTextWidth, 100000),
                                         Qt::AlignLeft | Qt::TextWordWrap, toQt(m_text));
    UINT icon = iconOf(type);
    std::vector<Button> buttons = buttonsOf(type);

    short iconCx = toShort(units.fromPixelsX(kIconSize));
    short iconCy = toShort(units.fromPixelsY(kIconSize));
    short textX = icon != 0 ? static_cast<short>(kMargin + iconCx + kGap) : kMargin;
    short textCx = toShort(units.fromPixelsX(textBox.width()) + 1);
    short textCy = toShort(units.fromPixelsY(std::max(textBox.height(), metrics.height())));
    short contentCy = icon != 0 ? std::max(iconCy, textCy) : textCy;
    short textY = static_cast<short>(kMargin + (contentCy - textCy) / 2);

    auto buttonCount = static_cast<short>(buttons.size());
    short rowCx = static_cast<short>(buttonCount * kButtonWidth + (buttonCount - 1) * kButtonGap);
    short cx = std::max<short>(static_cast<short>(textX + textCx + kMargin),
                               static_cast<short>(rowCx + 2 * kMargin));
    short buttonY = static_cast<short>(kMargin + contentCy + kGap);
    short cy = static_cast<short>(buttonY + kButtonHeight + kMargin);

    if (icon != 0) {
        m_items.push_back({kIconId, ControlClass::Static, nullptr, icon,
                           WS_CHILD | WS_VISIBLE | SS_ICON, kMargin,
                           static_cast<short>(kMargin + (contentCy - iconCy) / 2), iconCx, iconCy});
    }
    m_items.push_back({kTextId, ControlClass::Static, m_text.c_str(), 0,
                       WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, textX, textY, textCx,
                       textCy});

    auto defaultIndex = static_cast<std::size_t>((type & MB_DEFMASK) >> 8);
    if (defaultIndex >= buttons.size()) {
        defaultIndex = 0;
    }
    short x = static_cast<short>((cx - rowCx) / 2);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                      (i == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                      (i == 0 ? WS_GROUP : 0);
        m_items.push_back({buttons[i].id, ControlClass::Button, buttons[i].text, 0, style, x,
                           buttonY, kButtonWidth, kButtonHeight});
        x = static_cast<short>(x + kButtonWidth + kButtonGap);
    }

    bool escapable = (type & MB_TYPEMASK) == MB_OK || (type & MB_TYPEMASK) == MB_OKCANCEL ||
                     (type & MB_TYPEMASK) == MB_YESNOCANCEL ||
                     (type & MB_TYPEMASK) == MB_RETRYCANCEL;
    DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER | DS_SETFONT |
                  (escapable ? WS_SYSMENU : 0) | (topmost ? DS_SYSMODAL : 0);
    m_template =
        DialogTemplate{0, m_caption.c_str(), style, 0, kFont, kPointSize, 0, 0, cx, cy, m_items};
}

INT_PTR MessageBoxBuilder::procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) {
        // The focus starts on the default button, which the dialog manager already knows.
        for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
            HWND button = GetDlgItem(dialog, id);
            if (button != nullptr &&
                (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                SetFocus(button);
            }
        }
        return FALSE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    int id = LOWORD(wParam);
    if (id == IDCANCEL && GetDlgItem(dialog, IDCANCEL) == nullptr) {
        // Without a Cancel button, only a box with just OK may be dismissed.
        if (GetDlgItem(dialog, IDOK) != nullptr) {
            EndDialog(dialog, IDOK);
        }
        return TRUE;
    }
    if (GetDlgItem(dialog, id) != nullptr) {
        EndDialog(dialog, id);
    }
    return TRUE;
}

} // namespace vorn::fw
