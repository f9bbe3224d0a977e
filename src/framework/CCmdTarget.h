#pragma once

// Message maps: a table per class that binds a message, a notification code and a control id to a
// member function, chained to the base class's table. A class declares its table with
// DECLARE_MESSAGE_MAP() and defines it in its source file:
//
//   BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
//       ON_WM_PAINT()
//       ON_BN_CLICKED(IDC_MORE, OnMore)
//       ON_COMMAND(ID_HELP, CWinApp::OnHelp)   // in an application class
//   END_MESSAGE_MAP()
//
// Each entry holds a captureless lambda that casts the target to the class and calls the member;
// the lambdas are defined inside a static member of the class, so handlers may be private.

#include "framework/UiConstants.h"
#include "framework/UiTypes.h"

#include <type_traits>

class CCmdTarget;

using MessageHandler = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message; // WM_COMMAND for commands and notifications, else the message itself
    UINT code;    // notification code of a WM_COMMAND entry (BN_CLICKED for commands), else 0
    UINT id;      // control or command id of a WM_COMMAND entry, else 0
    MessageHandler handler; // nullptr ends a table
};

struct MessageMap {
    const MessageMap* (*base)(); // the base class's table; nullptr at the root
    const MessageMapEntry* entries;
};

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Calls the handler that this object's table chain binds to the command or notification
    // (code, id); TRUE when there was one.
    virtual BOOL OnCmdMsg(UINT id, UINT code);

    virtual const MessageMap* GetMessageMap() const;

protected:
    static const MessageMap* GetThisMessageMap();

    // The first entry of the table chain, most derived class first, that matches.
    const MessageMapEntry* FindMessageEntry(UINT message, UINT code, UINT id) const;
};

// clang-format off
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const MessageMap* GetThisMessageMap();                                                  \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const MessageMap* theClass::GetThisMessageMap() {                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static_assert(std::is_base_of_v<TheBaseClass, ThisClass>);                                 \
        static const MessageMapEntry messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
            {0, 0, 0, nullptr}};                                                                   \
        static const MessageMap messageMap = {&TheBaseClass::GetThisMessageMap, messageEntries};   \
        return &messageMap;                                                                        \
    }

#define ON_CONTROL(code, id, memberFxn)                                                            \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id),                                   \
     [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT {                                           \
         static_cast<ThisClass*>(target)->memberFxn();                                             \
         return 0;                                                                                 \
     }},

#define ON_COMMAND(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)

#define ON_WM_PAINT()                                                                              \
    {WM_PAINT, 0, 0,                                                                               \
     [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT {                                           \
         static_cast<ThisClass*>(target)->OnPaint();                                               \
         return 0;                                                                                 \
     }},

#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0,                                                                       \
     [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT {                                           \
         return reinterpret_cast<LRESULT>(static_cast<ThisClass*>(target)->OnQueryDragIcon());     \
     }},
// clang-format on
