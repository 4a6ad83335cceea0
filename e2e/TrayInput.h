// Real mouse input for the tray tests: the icon is double-clicked and
// right-clicked, and the window's own minimise box is pressed.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "e2e/Controls.h"
#include "e2e/Wait.h"

namespace e2e {

// A mouse event at a screen point, in the 0..65535 units of absolute input.
inline INPUT MouseAt(POINT point, DWORD buttons) {
    constexpr int kAbsoluteRange = 65535;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    // The pixel's middle, so that rounding either way lands on it.
    input.mi.dx = MulDiv(2 * point.x + 1, kAbsoluteRange, 2 * GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(2 * point.y + 1, kAbsoluteRange, 2 * GetSystemMetrics(SM_CYSCREEN));
    return input;
}

// Moves there first and lets Wine's pointer warp come back before any press.
inline void SendMouse(POINT point, const std::vector<DWORD>& buttons) {
    constexpr DWORD kPointerTimeoutMs = 1000;
    constexpr DWORD kPointerSettleMs = 60;
    SetCursorPos(point.x, point.y);
    WaitUntil(
        [&] {
            POINT at{};
            GetCursorPos(&at);
            return at.x == point.x && at.y == point.y;
        },
        kPointerTimeoutMs);
    Settle(kPointerSettleMs);
    std::vector<INPUT> inputs;
    inputs.push_back(MouseAt(point, 0));
    for (const DWORD flag : buttons) inputs.push_back(MouseAt(point, flag));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

inline POINT CentreOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

inline void DoubleClickAt(POINT point) {
    SendMouse(point, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
}

inline void RightClickAt(POINT point) { SendMouse(point, {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}); }

// The middle of the window's minimise box, found by asking the window what
// each point along its caption is.
inline std::optional<POINT> MinimiseBoxOf(HWND window) {
    RECT frame{};
    RECT client{};
    if (!GetWindowRect(window, &frame) || !GetClientRect(window, &client)) return std::nullopt;
    POINT clientTop{0, 0};
    ClientToScreen(window, &clientTop);
    const long y = (frame.top + clientTop.y) / 2;  // halfway down the caption
    long right = -1;
    long left = -1;
    for (long x = frame.right - 1; x > frame.left; --x) {
        const auto hit = Ask(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
        if (!hit) return std::nullopt;
        if (*hit == HTMINBUTTON) {
            if (right < 0) right = x;
            left = x;
        } else if (right >= 0) {
            break;
        }
    }
    if (right < 0) return std::nullopt;
    return POINT{(left + right) / 2, y};
}

}  // namespace e2e
