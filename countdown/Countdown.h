// The Advanced tab: an action after a number of seconds. The seconds box is
// the only store of the remaining time. Called by the form's handlers.
#pragma once

#include "actions/Action.h"
#include "app/Controls.h"
#include "app/Timers.h"

namespace quellar {

class Countdown {
public:
    Countdown(Controls& controls, Timers& timers) : controls_(controls), timers_(timers) {}

    // Start-up: the inputs on and the list of actions filled.
    void FillList();
    // Switches the countdown's inputs and their labels together; Abort, the
    // timer and the other tabs are left alone.
    void SetAdvanced(bool Bool);
    void ListChosen();
    void Start();
    void StartCountdown();
    void StopCountdown();
    // A tick lowers the box by one; true when it reached zero, which stops
    // the timer.
    bool Tick();
    // The action the list shows, or null when it shows none.
    const Action* Chosen();

private:
    Controls& controls_;
    Timers& timers_;
};

}  // namespace quellar
