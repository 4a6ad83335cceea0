#include "e2e/Input.h"

#include <cctype>
#include <vector>

#include "e2e/Wait.h"

namespace e2e {
namespace {

INPUT Key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseButton(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    return input;
}

// A move to a screen point, in the 0..65535 units of absolute mouse input.
INPUT MouseMoveTo(POINT point) {
    INPUT input = MouseButton(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    constexpr int kAbsoluteRange = 65535;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    // Aim at the pixel's middle so rounding either way lands on it.
    input.mi.dx = MulDiv(2 * point.x + 1, kAbsoluteRange, 2 * width);
    input.mi.dy = MulDiv(2 * point.y + 1, kAbsoluteRange, 2 * height);
    return input;
}

constexpr DWORD kPointerSettleMs = 60;
constexpr DWORD kPointerTimeoutMs = 1000;

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

HWND ForegroundWindow() { return GetForegroundWindow(); }

bool BringToFront(HWND topLevel, DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            if (GetForegroundWindow() == topLevel) return true;
            SetForegroundWindow(topLevel);
            return GetForegroundWindow() == topLevel;
        },
        timeoutMs);
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info)) return nullptr;
    return info.hwndFocus;
}

void PressKey(WORD virtualKey) { Send({Key(virtualKey, false), Key(virtualKey, true)}); }

void PressWithModifier(WORD modifier, WORD virtualKey) {
    Send({Key(modifier, false), Key(virtualKey, false), Key(virtualKey, true), Key(modifier, true)});
}

void PressAltLetter(char letter) {
    PressWithModifier(VK_MENU, static_cast<WORD>(std::toupper(static_cast<unsigned char>(letter))));
}

void TypeText(const std::string& text) {
    for (char c : text) PressKey(static_cast<WORD>(std::toupper(static_cast<unsigned char>(c))));
}

void ClickAt(POINT screenPoint) {
    // Under Wine the pointer warp comes back later as X motion; a late one
    // could move the pointer away between the move and the press. So the
    // pointer is moved, allowed to settle, and moved again with the press.
    SetCursorPos(screenPoint.x, screenPoint.y);
    WaitUntil(
        [&] {
            POINT at{};
            GetCursorPos(&at);
            return at.x == screenPoint.x && at.y == screenPoint.y;
        },
        kPointerTimeoutMs);
    Settle(kPointerSettleMs);
    Send({MouseMoveTo(screenPoint), MouseButton(MOUSEEVENTF_LEFTDOWN), MouseButton(MOUSEEVENTF_LEFTUP)});
}

void ClickClientRect(HWND hwnd, const RECT& clientRect) {
    POINT centre{(clientRect.left + clientRect.right) / 2, (clientRect.top + clientRect.bottom) / 2};
    ClientToScreen(hwnd, &centre);
    ClickAt(centre);
}

}  // namespace e2e
