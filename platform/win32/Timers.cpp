#include "platform/win32/Timers.h"

#include <cstdint>

#include "platform/win32/Identifiers.h"
#include "platform/win32/MainWindow.h"

namespace quellar {
namespace win32 {
namespace {

// Milliseconds of a clock that only moves forward: the high-resolution
// counter, or on a PC without one (which Windows before XP allows) the tick
// count, carried across its wrap after 49.7 days.
std::int64_t MonotonicMs() {
    LARGE_INTEGER now{}, frequency{};
    if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0 && QueryPerformanceCounter(&now)) {
        const std::int64_t ticks = now.QuadPart, perSecond = frequency.QuadPart;
        return ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond;
    }
    static DWORD lastTick = 0;
    static std::int64_t carried = 0;
    const DWORD tick = GetTickCount();
    carried += static_cast<DWORD>(tick - lastTick);
    lastTick = tick;
    return carried;
}

}  // namespace

// Each of the countdown's ticks is armed for the next whole period since the
// start.
void Win32Timers::SetInterval(ControlId timer, int milliseconds) {
    HWND hwnd = window_.Handle();
    if (timer == ControlId::timTray) {
        if (milliseconds > 0)
            SetTimer(hwnd, ids::kTrayTimer, static_cast<UINT>(milliseconds), nullptr);
        else
            KillTimer(hwnd, ids::kTrayTimer);
        return;
    }
    armed_ = milliseconds > 0;
    if (armed_) {
        SetTimer(hwnd, ids::kCountdownTimer, static_cast<UINT>(schedule_.Start(MonotonicMs(), milliseconds)), nullptr);
    } else {
        KillTimer(hwnd, ids::kCountdownTimer);
    }
}

// Re-armed before the handler runs, which may disarm it. Any program can post
// a timer message: one that arrives while the countdown is not armed, or long
// before its next tick is due, is none of its ticks.
bool Win32Timers::Ticks(UINT_PTR id, ControlId& timer) {
    if (id == ids::kTrayTimer) return timer = ControlId::timTray, true;
    if (id != ids::kCountdownTimer) return false;
    const std::int64_t now = MonotonicMs();
    if (!armed_ || !schedule_.Due(now)) return false;
    SetTimer(window_.Handle(), ids::kCountdownTimer, static_cast<UINT>(schedule_.Tick(now)), nullptr);
    timer = ControlId::timCounter;
    return true;
}

}  // namespace win32
}  // namespace quellar
