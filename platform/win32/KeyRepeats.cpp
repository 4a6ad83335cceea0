#include "platform/win32/KeyRepeats.h"

#include <iterator>

namespace quellar {
namespace win32 {
namespace {

// The acting keys this thread saw go down and not yet come up. A hook
// procedure gets no context of its own; the program has one thread.
bool down[256];

bool Acts(const MSG& msg) { return msg.message == WM_SYSKEYDOWN || msg.wParam == VK_RETURN || msg.wParam == VK_SPACE; }

// Wine marks no repeats, so a key seen going down twice without coming up
// in between is taken for one that repeats too.
LRESULT CALLBACK DropRepeats(int code, WPARAM removed, LPARAM lParam) {
    MSG& msg = *reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && msg.wParam < std::size(down)) {
        constexpr LPARAM kWasDown = 1 << 30;
        if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && Acts(msg)) {
            if ((msg.lParam & kWasDown) || down[msg.wParam]) msg.message = WM_NULL;
            down[msg.wParam] = true;
        } else if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) {
            down[msg.wParam] = false;
        }
    }
    return CallNextHookEx(nullptr, code, removed, lParam);
}

}  // namespace

KeyRepeats::KeyRepeats() : hook_(SetWindowsHookExA(WH_GETMESSAGE, DropRepeats, nullptr, GetCurrentThreadId())) {}

void KeyRepeats::Forget() {
    for (bool& key : down) key = false;
}

}  // namespace win32
}  // namespace quellar
