#include "platform/win32/InputGuard.h"

#include <iterator>

namespace quellar {
namespace win32 {
namespace {

// A hook procedure gets no context of its own; the program has one thread.
bool down[256];          // the acting keys seen going down and not yet up
DWORD ignoredUntil = 0;  // input stamped before this time does nothing

bool Acts(const MSG& msg) { return msg.message == WM_SYSKEYDOWN || msg.wParam == VK_RETURN || msg.wParam == VK_SPACE; }

bool IsPress(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK) ||
           (message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK);
}

// Wine marks no repeats, so a key seen going down twice without coming up
// in between is taken for one that repeats too.
LRESULT CALLBACK Guard(int code, WPARAM removed, LPARAM lParam) {
    MSG& msg = *reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE) {
        // Compared as a difference, which stays right when the clock wraps.
        if (IsPress(msg.message) && static_cast<LONG>(msg.time - ignoredUntil) < 0) msg.message = WM_NULL;
        if (msg.wParam < std::size(down)) {
            constexpr LPARAM kWasDown = 1 << 30;
            if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && Acts(msg)) {
                if ((msg.lParam & kWasDown) || down[msg.wParam]) msg.message = WM_NULL;
                down[msg.wParam] = true;
            } else if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) {
                down[msg.wParam] = false;
            }
        }
    }
    return CallNextHookEx(nullptr, code, removed, lParam);
}

}  // namespace

InputGuard::InputGuard() : hook_(SetWindowsHookExA(WH_GETMESSAGE, Guard, nullptr, GetCurrentThreadId())) {}

void InputGuard::Forget() {
    for (bool& key : down) key = false;
}

void InputGuard::QuestionOpens() { ignoredUntil = GetTickCount() + GetDoubleClickTime(); }

}  // namespace win32
}  // namespace quellar
