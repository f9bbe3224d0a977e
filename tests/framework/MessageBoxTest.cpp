// Message boxes: captions, icons, buttons, answers, owners, and which keys dismiss them.

#include "RecordingDialog.h"
#include "TestApp.h"
#include "framework/WindowBridge.h"
#include "support/ModalHelper.h"
#include "support/QtPrinters.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QTest>
#include <algorithm>

namespace vorn::test {
namespace {

using vorn::fw::HandleFromWidget;
using vorn::fw::WidgetFromHandle;

constexpr int kIconControl = 20;
constexpr int kTextControl = 0xFFFF;

// The buttons' texts from left to right.
QStringList buttonTexts(QWidget* box) {
    QList<QAbstractButton*> buttons = box->findChildren<QAbstractButton*>();
    std::sort(buttons.begin(), buttons.end(),
              [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
    QStringList texts;
    for (QAbstractButton* button : buttons) {
        texts.append(button->text());
    }
    return texts;
}

class MessageBoxTest : public FrameworkTest {};

TEST_F(MessageBoxTest, TheFrameworkBoxShowsTheAppTitleAndAddsTheExclamationIcon) {
    struct Case {
        UINT type;
        QStringList buttons;
        UINT icon;
        QString answer;
        int result;
    };
    const std::vector<Case> cases = {
        {MB_OK, {"OK"}, MB_ICONEXCLAMATION, "OK", IDOK},
        {MB_OKCANCEL, {"OK", "Cancel"}, MB_ICONEXCLAMATION, "Cancel", IDCANCEL},
        {MB_YESNO, {"&Yes", "&No"}, MB_ICONEXCLAMATION, "Yes", IDYES},
        {MB_YESNO, {"&Yes", "&No"}, MB_ICONEXCLAMATION, "No", IDNO},
        {MB_YESNOCANCEL, {"&Yes", "&No", "Cancel"}, MB_ICONEXCLAMATION, "No", IDNO},
        {MB_YESNO | MB_ICONQUESTION, {"&Yes", "&No"}, MB_ICONQUESTION, "Yes", IDYES},
        {MB_OK | MB_ICONASTERISK, {"OK"}, MB_ICONASTERISK, "OK", IDOK},
        {MB_RETRYCANCEL, {"&Retry", "Cancel"}, 0, "Retry", IDRETRY}, // no icon added here
        {MB_ABORTRETRYIGNORE, {"&Abort", "&Retry", "&Ignore"}, 0, "Ignore", IDIGNORE},
    };
    const QString title = AfxGetAppName();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        QStringList buttons;
        UINT icon = 0xFF;
        bool iconControl = false;
        whenModal(title, [&](QWidget* box) {
            buttons = buttonTexts(box);
            icon = box->property("vornIcon").toUInt();
            iconControl = control(box, kIconControl) != nullptr;
            clickButton(box, c.answer);
        });
        EXPECT_EQ(AfxMessageBox("Question?", c.type), c.result);
        EXPECT_EQ(buttons, c.buttons);
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(iconControl, c.icon != 0);
    }
    EXPECT_EQ(title, QString("test_framework"));
}

TEST_F(MessageBoxTest, TheWindowsOwnBoxHasTheCallersCaptionOneOkAndNoIcon) {
    CRecordingDlg owner(IDD_KEYS);
    ASSERT_TRUE(owner.Create(IDD_KEYS));
    bool ownerEnabled = true;
    QStringList buttons;
    bool iconControl = true;
    whenModal("Fatal message from Vorn!", [&](QWidget* box) {
        ownerEnabled = owner.IsWindowEnabled() != FALSE;
        buttons = buttonTexts(box);
        iconControl = control(box, kIconControl) != nullptr;
        pressKey(box, Qt::Key_Return);
    });
    EXPECT_EQ(owner.MessageBox("Unable to find installation binary on install CD",
                               "Fatal message from Vorn!", MB_OK),
              IDOK);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(buttons, QStringList{"OK"});
    EXPECT_FALSE(iconControl);

    whenModal(AfxGetAppName(), [](QWidget* box) { pressKey(box, Qt::Key_Escape); });
    EXPECT_EQ(owner.MessageBox("no caption given"), IDOK);
}

TEST_F(MessageBoxTest, AYesNoBoxIgnoresEscapeAndTheCloseRequest) {
    bool closeButton = true;
    whenModal(AfxGetAppName(), [&](QWidget* box) {
        closeButton = box->windowFlags().testFlag(Qt::WindowCloseButtonHint);
        pressKey(box, Qt::Key_Escape);
        box->close();
        whenModal(AfxGetAppName(), [](QWidget* still) { clickButton(still, "No"); });
    });
    EXPECT_EQ(AfxMessageBox("Continue?", MB_YESNO), IDNO);
    EXPECT_FALSE(closeButton);
}

TEST_F(MessageBoxTest, EscapeAndCloseAnswerWhenTheBoxAllowsIt) {
    struct Case {
        UINT type;
        bool byClose;
        int result;
    };
    const Case cases[] = {
        {MB_OK, false, IDOK},
        {MB_OK, true, IDOK},
        {MB_OKCANCEL, false, IDCANCEL},
        {MB_OKCANCEL, true, IDCANCEL},
        {MB_YESNOCANCEL, false, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        whenModal(AfxGetAppName(), [&c](QWidget* box) {
            if (c.byClose) {
                box->close();
            } else {
                pressKey(box, Qt::Key_Escape);
            }
        });
        EXPECT_EQ(AfxMessageBox("text", c.type), c.result);
    }
}

TEST_F(MessageBoxTest, TheKeyboardAnswersThroughTheDefaultButtonAndMnemonics) {
    struct Case {
        UINT type;
        int key;
        Qt::KeyboardModifiers modifiers;
        int result;
    };
    const Case cases[] = {
        {MB_YESNO, Qt::Key_Return, Qt::NoModifier, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, Qt::Key_Return, Qt::NoModifier, IDNO},
        {MB_YESNO, Qt::Key_N, Qt::NoModifier, IDNO},
        {MB_YESNO | MB_DEFBUTTON2, Qt::Key_Y, Qt::AltModifier, IDYES},
        {MB_OKCANCEL, Qt::Key_Tab, Qt::NoModifier, IDCANCEL}, // Tab to Cancel, then Enter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        whenModal(AfxGetAppName(), [&c](QWidget* box) {
            pressKey(box, c.key, c.modifiers);
            if (c.key == Qt::Key_Tab) {
                pressKey(box, Qt::Key_Return);
            }
        });
        EXPECT_EQ(AfxMessageBox("text", c.type), c.result);
    }
}

TEST_F(MessageBoxTest, LineFeedsStartNewLines) {
    const char* text = "WARNING\n\nIf you have a joystick attached it may still be active.";
    int textHeight = 0;
    int lineHeight = 0;
    QString shown;
    whenModal(AfxGetAppName(), [&](QWidget* box) {
        QWidget* label = control(box, kTextControl);
        textHeight = label->height();
        lineHeight = QFontMetrics(label->font()).height();
        shown = box->property("vornText").toString();
        clickButton(box, "OK");
    });
    AfxMessageBox(text);
    EXPECT_EQ(shown, QString(text));
    EXPECT_GE(textHeight, 3 * lineHeight);
    EXPECT_LT(textHeight, 4 * lineHeight);
}

TEST_F(MessageBoxTest, OwnerIsTheMainWindowOrItsLastActivePopupBothDisabled) {
    CRecordingDlg main(IDD_KEYS);
    ASSERT_TRUE(main.Create(IDD_KEYS));
    TestApp().m_pMainWnd = &main;
    auto* popup = new CRecordingDlg(IDD_OWNED, &main);
    popup->deleteOnDestroy = true;
    ASSERT_TRUE(popup->Create(IDD_OWNED, &main));
    HWND popupHandle = popup->m_hWnd;

    struct Seen {
        bool mainEnabled;
        bool popupEnabled;
    };
    auto ask = [&]() {
        Seen seen{true, true};
        whenModal(AfxGetAppName(), [&](QWidget* box) {
            seen = {IsWindowEnabled(main.m_hWnd) != FALSE, IsWindowEnabled(popupHandle) != FALSE};
            clickButton(box, "OK");
        });
        AfxMessageBox("text");
        return seen;
    };

    main.SetFocus(); // the main window was active last: it owns the box, the pop-up stays usable
    ASSERT_TRUE(waitFor([&] { return WidgetFromHandle(main.m_hWnd)->isActiveWindow(); }));
    Seen seen = ask();
    EXPECT_FALSE(seen.mainEnabled);
    EXPECT_TRUE(seen.popupEnabled);

    SetFocus(popupHandle); // now the pop-up owns it, and the main window is disabled too
    ASSERT_TRUE(waitFor([&] { return WidgetFromHandle(popupHandle)->isActiveWindow(); }));
    seen = ask();
    EXPECT_FALSE(seen.mainEnabled);
    EXPECT_FALSE(seen.popupEnabled);
    EXPECT_TRUE(IsWindowEnabled(main.m_hWnd));
    EXPECT_TRUE(IsWindowEnabled(popupHandle));
}

} // namespace
} // namespace vorn::test
