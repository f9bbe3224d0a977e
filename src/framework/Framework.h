#pragma once

// Everything a program's dialogs and application class use from the framework.

#include "framework/AfxWinMain.h"
#include "framework/CButton.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CListBox.h"
#include "framework/CPaintDC.h"
#include "framework/CStatic.h"
#include "framework/CString.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/DialogTemplate.h"
#include "framework/Icons.h"
#include "framework/MessageBox.h"
#include "framework/ModuleResources.h"
#include "framework/UiConstants.h"
#include "framework/UiTypes.h"
#include "framework/WindowApi.h"
