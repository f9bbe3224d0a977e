#pragma once

// The Qt window of one dialog: its controls in template order, the way its messages reach the
// program (a dialog procedure or a window object), and the dialog manager's handling of keys,
// close requests and painting.

#include "framework/DialogKeyboard.h"
#include "framework/DialogUnits.h"
#include "framework/UiTypes.h"

#include <QWidget>
#include <vector>

class QEventLoop;

namespace vorn::fw {

struct WindowRecord;

class DialogWindow : public QWidget {
public:
    DialogWindow(const DialogUnits& units, Qt::WindowFlags flags);
    ~DialogWindow() override;

    HWND handle() const { return m_handle; }
    void setHandle(HWND handle) { m_handle = handle; }
    const DialogUnits& units() const { return m_units; }

    // How messages reach the program: a dialog procedure, or else the window object attached to
    // the window's record.
    void setProcedure(DLGPROC procedure) { m_procedure = procedure; }
    void setHelpKey(bool enabled) { m_helpKey = enabled; }
    bool helpKey() const { return m_helpKey; }

    // The controls in template order, and the default push button's id.
    std::vector<HWND>& controls() { return m_controls; }
    int defaultId() const { return m_defaultId; }
    void setDefaultId(int id) { m_defaultId = id; }
    // The record of a control of this dialog; nullptr for anything else.
    WindowRecord* controlRecord(HWND control) const;
    WindowRecord* controlById(int id) const;
    // The control that has the focus in this window, or nullptr.
    WindowRecord* focusControl() const;
    int indexOf(HWND control) const;
    // First and one-past-last index of the group that the control at index belongs to.
    std::pair<int, int> groupRange(int index) const;

    // Sends a message to the program's side of the dialog; what is not handled there gets the
    // default handling.
    LRESULT send(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND for control id with a notification code, from the control with that id if any.
    void command(int id, UINT code);

    // Gives a control the focus now, or once the window shows.
    void focusControl(HWND control, Qt::FocusReason reason);
    // Gives the focus back to the control that had it last, else the first tab stop.
    void restoreFocus();
    HWND firstTabStop() const;
    HWND pendingFocus() const { return m_pendingFocus; }
    void setPendingFocus(HWND control) { m_pendingFocus = control; }

    // The modal run, while there is one.
    struct ModalState {
        QEventLoop* loop = nullptr;
        bool running = false;
        bool ended = false;
        INT_PTR result = 0;
        HWND disabledOwner = nullptr; // the owner this run disabled, to enable again
    };
    ModalState& modal() { return m_modal; }

    HWND lastActivePopup() const { return m_lastActivePopup; }
    HICON icon(bool big) const { return big ? m_bigIcon : m_smallIcon; }
    bool painting() const { return m_painting; }

    // Called by the controls' click signals.
    void buttonClicked(HWND control);
    // Checks an auto radio button and unchecks the other auto radio buttons of its group.
    void checkAutoRadio(HWND control);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void controlFocused(WindowRecord& control);
    void showAsDefault(const WindowRecord* focused);
    void updateWindowIcon();

    HWND m_handle = nullptr;
    DialogUnits m_units;
    DLGPROC m_procedure = nullptr;
    bool m_helpKey = false;
    std::vector<HWND> m_controls;
    int m_defaultId = 1;
    HWND m_pendingFocus = nullptr;
    HWND m_lastFocus = nullptr;
    HWND m_lastActivePopup = nullptr;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    bool m_painting = false;
    ModalState m_modal;
    DialogKeyboard m_keyboard;
};

} // namespace vorn::fw
