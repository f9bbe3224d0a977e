#pragma once

// A framework dialog for the tests: it records every command it receives and what happens to it,
// and can be told how to react.

#include "framework/Framework.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vorn::test {

class CRecordingDlg : public CDialog {
public:
    explicit CRecordingDlg(UINT templateId, CWnd* parent = nullptr,
                           std::vector<std::string>* log = nullptr)
        : CDialog(templateId, parent), m_log(log) {}

    std::string name;                          // in the log
    std::vector<std::pair<int, int>> commands; // (control id, notification code), in order
    int okCount = 0;
    int cancelCount = 0;
    bool cancelEnds = true;       // whether OnCancel ends the dialog as CDialog's does
    BOOL initResult = TRUE;       // what OnInitDialog answers
    bool deleteOnDestroy = false; // PostNcDestroy deletes the object
    std::function<void(CRecordingDlg&)> onInit;
    std::function<void(CRecordingDlg&, int id, int code)> onCommand; // runs before the map

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        // Copies: the reaction may destroy the dialog and delete this object.
        BOOL result = initResult;
        if (auto reaction = onInit) {
            reaction(*this);
        }
        return result;
    }
    void OnOK() override {
        ++okCount;
        CDialog::OnOK();
    }
    void OnCancel() override {
        ++cancelCount;
        if (cancelEnds) {
            CDialog::OnCancel();
        }
    }

    // Commands as "id/code" strings, for readable comparisons.
    std::vector<std::string> commandList() const {
        std::vector<std::string> list;
        for (auto [id, code] : commands) {
            list.push_back(std::to_string(id) + "/" + std::to_string(code));
        }
        return list;
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        if (onCommand) {
            HWND self = m_hWnd;
            // A copy: the reaction may delete this object, and with it the member.
            auto reaction = onCommand;
            reaction(*this, LOWORD(wParam), HIWORD(wParam));
            if (!IsWindow(self)) {
                return TRUE; // the reaction destroyed the dialog (and maybe this object)
            }
        }
        return CDialog::OnCommand(wParam, lParam);
    }
    void PostNcDestroy() override {
        if (m_log != nullptr) {
            m_log->push_back("PostNcDestroy " + name);
        }
        if (deleteOnDestroy) {
            delete this;
        }
    }

private:
    std::vector<std::string>* m_log;
};

inline std::string cmd(int id, int code = BN_CLICKED) {
    return std::to_string(id) + "/" + std::to_string(code);
}

} // namespace vorn::test
