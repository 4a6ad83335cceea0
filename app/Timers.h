// The window's two timers, named in the control table: the countdown's
// (timCounter), which keeps to the seconds since it started, and the tray's
// (timTray). Called by the countdown and the tray. No tick comes inside the
// call: each arrives later, from the message loop, as FormEvents::OnTimer.
#pragma once

#include "app/Layout.h"

namespace quellar {

class Timers {
public:
    // Ticks every so many milliseconds from now on; 0 stops the timer.
    virtual void SetInterval(ControlId timer, int milliseconds) = 0;

protected:
    ~Timers() = default;
};

}  // namespace quellar
