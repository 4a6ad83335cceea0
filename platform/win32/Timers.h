// The window's two timers over Win32's: the countdown's keeps to its
// schedule on a monotonic clock, so that lateness does not add up; the tray's
// is a plain repeating timer. Their ticks arrive as the main window's
// WM_TIMER, which asks Ticks what each one is.
#pragma once

#include <windows.h>

#include "app/Timers.h"
#include "countdown/TickSchedule.h"

namespace quellar {
namespace win32 {

class MainWindow;

class Win32Timers final : public Timers {
public:
    explicit Win32Timers(MainWindow& window) : window_(window) {}

    void SetInterval(ControlId timer, int milliseconds) override;
    // The timer a WM_TIMER with this id is a tick of; false for one that is
    // no tick of either.
    bool Ticks(UINT_PTR id, ControlId& timer);

private:
    MainWindow& window_;
    TickSchedule schedule_;
    bool armed_ = false;  // the countdown's timer ticks
};

}  // namespace win32
}  // namespace quellar
