#pragma once

// The application: probes the extras library, shows the requirement screens, runs the launcher
// dialog and ends.

#include "framework/CWinApp.h"

class CSetupApp : public CWinApp {
public:
    // No name: the framework takes the title from the program file's name.
    CSetupApp();
    ~CSetupApp() override;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
