#pragma once
// Message maps: each window class lists the messages it handles in a plain table,
// searched in order, then its base class's table. A row names the message, for
// WM_COMMAND also the control id and notification code, and a small function that
// calls the class's handler with the arguments its signature takes.
#include <windows.h>

class CWnd;

using MessageCall = LRESULT (*)(CWnd& window, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;
    UINT code;         // notification code, WM_COMMAND rows only
    UINT id;           // control id, WM_COMMAND rows only
    MessageCall call;  // nullptr ends the table
};

struct MessageMap {
    const MessageMap* base;
    const MessageMapEntry* entries;
};

namespace message_map_detail {

template <class>
struct MemberOf;
template <class Class, class Result, class... Args>
struct MemberOf<Result (Class::*)(Args...)> {
    using type = Class;
};

template <auto handler>
LRESULT CallVoid(CWnd& window, WPARAM, LPARAM) {
    (static_cast<typename MemberOf<decltype(handler)>::type&>(window).*handler)();
    return 0;
}

template <auto handler>
LRESULT CallSysCommand(CWnd& window, WPARAM wParam, LPARAM lParam) {
    (static_cast<typename MemberOf<decltype(handler)>::type&>(window).*handler)(static_cast<UINT>(wParam), lParam);
    return 0;
}

template <auto handler>
LRESULT CallActivate(CWnd& window, WPARAM wParam, LPARAM lParam) {
    (static_cast<typename MemberOf<decltype(handler)>::type&>(window).*handler)(
        LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam) != 0);
    return 0;
}

template <auto handler>
LRESULT CallReturningBool(CWnd& window, WPARAM, LPARAM) {
    return (static_cast<typename MemberOf<decltype(handler)>::type&>(window).*handler)();
}

template <auto handler>
LRESULT CallReturningHandle(CWnd& window, WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>((static_cast<typename MemberOf<decltype(handler)>::type&>(window).*handler)());
}

}  // namespace message_map_detail

#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const MessageMap* GetThisMessageMap(); \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const MessageMap* theClass::GetThisMessageMap() {                                 \
        using ThisClass = theClass;                                                   \
        using TheBaseClass = baseClass;                                               \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                       \
    {0, 0, 0, nullptr}};                                                        \
    static const MessageMap map = {TheBaseClass::GetThisMessageMap(), entries}; \
    return &map;                                                                \
    }

// void handler()
#define ON_COMMAND_CODE_(code, id, memberFxn) \
    {WM_COMMAND, code, id, &message_map_detail::CallVoid<&ThisClass::memberFxn>},
#define ON_COMMAND(id, memberFxn) ON_COMMAND_CODE_(BN_CLICKED, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_COMMAND_CODE_(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_COMMAND_CODE_(BN_DOUBLECLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_COMMAND_CODE_(CBN_SELCHANGE, id, memberFxn)

// void OnClose(), void OnPaint()
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, &message_map_detail::CallVoid<&ThisClass::OnClose>},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, &message_map_detail::CallVoid<&ThisClass::OnPaint>},
// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND() {WM_SYSCOMMAND, 0, 0, &message_map_detail::CallSysCommand<&ThisClass::OnSysCommand>},
// void OnActivate(UINT nState, HWND hWndOther, BOOL bMinimized)
#define ON_WM_ACTIVATE() {WM_ACTIVATE, 0, 0, &message_map_detail::CallActivate<&ThisClass::OnActivate>},
// BOOL OnInitDialog(): TRUE lets the system set the focus
#define ON_WM_INITDIALOG() {WM_INITDIALOG, 0, 0, &message_map_detail::CallReturningBool<&ThisClass::OnInitDialog>},
// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON() \
    {WM_QUERYDRAGICON, 0, 0, &message_map_detail::CallReturningHandle<&ThisClass::OnQueryDragIcon>},
