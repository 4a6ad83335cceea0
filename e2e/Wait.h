// Polling with a deadline: the program runs in another process, so the
// driver can only look again until what it expects shows up or time is up.
#pragma once

#include <windows.h>

namespace e2e {

constexpr DWORD kPollStepMs = 15;

// Handles anything posted to the driver's own thread while it waits.
inline void PumpOwnMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// True as soon as condition() is; false when timeoutMs passed first.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        PumpOwnMessages();
        Sleep(kPollStepMs);
    }
}

// Lets time pass (for checks that something does NOT happen).
inline void Settle(DWORD ms) {
    WaitUntil([] { return false; }, ms);
}

}  // namespace e2e
