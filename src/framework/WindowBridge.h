#pragma once

// Where the framework's windows meet Qt: for tests and for code that must reach the Qt widget
// behind a window handle. The program's dialogs never need it.

#include "framework/UiTypes.h"

#include <QFont>
#include <QIcon>
#include <QSize>
#include <functional>

class QWidget;

namespace vorn::fw {

// The widget of a window handle (a dialog or a control), or nullptr for a handle that is no
// window (any more).
QWidget* WidgetFromHandle(HWND hWnd);
// The window handle of a dialog's or control's widget, or null.
HWND HandleFromWidget(const QWidget* widget);

// The window of the innermost modal run that is going on (a dialog run by DoModal or
// DialogBoxParamA, or a message box), or nullptr when none is.
QWidget* ActiveModalWindow();

// The font that stands in for a template's font, and the dialog base units it gives (pixels per
// 4 horizontal and per 8 vertical dialog units).
QFont DialogFont(const char* fontName, int pointSize);
QSize DialogBaseUnits(const QFont& font);

QIcon IconFromHandle(HICON hIcon);

// Called with the window of every modal run (dialog or message box) just after it is shown; one
// observer at a time, an empty function removes it. Message boxes carry their text in the
// property "vornText".
void SetModalObserver(std::function<void(QWidget* window)> observer);

} // namespace vorn::fw
