#pragma once

// Driving the framework's dialogs from a test the way a user would, from inside whatever modal
// run is going on. Every wait is for a condition, checked by a polling timer inside the nested
// event loop; none is a fixed pause. A wait that is not met in time fails the test and ends the
// innermost modal run, so a broken test cannot hang the suite.
//
//   vorn::test::whenModal("VornInst", [](QWidget* box) { vorn::test::clickButton(box, "Yes"); });
//   dlg.OnResetKeyboard();   // runs the message box; the action above answers it

#include "framework/UiTypes.h"

#include <QString>
#include <QStringList>
#include <Qt>
#include <chrono>
#include <functional>

class QWidget;

namespace vorn::test {

inline constexpr std::chrono::milliseconds kDefaultWait{10000};

// Calls action(dialog) once, as soon as the window titled caption is the active modal window
// (the window of the innermost modal run: a dialog run by DoModal or DialogBoxParamA, or a message
// box). Returns at once; the action runs later, from the event loop.
void whenModal(const QString& caption, std::function<void(QWidget*)> action,
               std::chrono::milliseconds timeout = kDefaultWait);

// The same for a window shown without a modal run of its own (a modeless dialog): calls
// action(dialog) once the visible window titled caption exists.
void whenShown(const QString& caption, std::function<void(QWidget*)> action,
               std::chrono::milliseconds timeout = kDefaultWait);

// Answers the next message box (or modal dialog) titled caption by clicking its button whose
// text, without the '&' of its mnemonic, is buttonText.
void answerModal(const QString& caption, const QString& buttonText,
                 std::chrono::milliseconds timeout = kDefaultWait);

// Clicks the dialog's button whose text without '&' is text, with the mouse; fails the test when
// there is no such button.
void clickButton(QWidget* dialog, const QString& text);

// Presses and releases a key on the dialog's control that has the focus (the dialog itself when
// none has it), as the keyboard would.
void pressKey(QWidget* dialog, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The widget of the dialog's control id, or nullptr.
QWidget* control(QWidget* dialog, int id);
QWidget* control(HWND dialog, int id);

// The visible top-level window titled caption, or nullptr.
QWidget* findWindow(const QString& caption);

// The text of every message box and modal dialog that appeared since the last call, as
// "caption|text" ("caption" alone for dialogs), in the order they appeared. Boxes are recorded
// from the moment the first helper of this file runs.
QStringList takeSeenModals();

// Runs the event loop until condition() holds; false when it did not within the timeout.
bool waitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = kDefaultWait);

// Destroys deferred deletions and names the top-level windows that are still there. Used after
// each test: a test must leave no window behind.
QStringList leftoverWindows();

} // namespace vorn::test
