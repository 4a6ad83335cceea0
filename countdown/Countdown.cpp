#include "countdown/Countdown.h"

#include <string>

#include "countdown/Seconds.h"

namespace quellar {
namespace {

using C = ControlId;

}  // namespace

// Start stays off while the list shows its text at creation.
void Countdown::FillList() {
    SetAdvanced(true);
    controls_.AddItem(C::lstAdvanced, kPlaceholderItem);
    for (const Action& action : kActions) controls_.AddItem(C::lstAdvanced, action.listItem);
    if (controls_.Text(C::lstAdvanced) == kListTextAtCreation) controls_.SetEnabled(C::cmdStart, false);
}

void Countdown::SetAdvanced(bool Bool) {
    for (C control :
         {C::txtCounter, C::cmdStart, C::lstAdvanced, C::lblInfoAdvanced, C::lblCombo, C::lblCounter, C::lblWarning}) {
        controls_.SetEnabled(control, Bool);
    }
}

void Countdown::ListChosen() {
    if (controls_.Text(C::lstAdvanced) != kPlaceholderItem) {
        SetAdvanced(true);
    } else {
        SetAdvanced(false);
        controls_.SetEnabled(C::lstAdvanced, true);  // the list stays usable
    }
}

void Countdown::Start() {
    const std::int32_t seconds = ReadSeconds(controls_.Text(C::txtCounter));
    if (controls_.Text(C::lstAdvanced) == kPlaceholderItem) return;
    if (const char* corrected = CorrectedSeconds(seconds)) controls_.SetText(C::txtCounter, corrected);
    StartCountdown();
}

void Countdown::StartCountdown() {
    timers_.SetInterval(C::timCounter, 1000);
    controls_.SetEnabled(C::cmdStart, false);
    controls_.SetEnabled(C::cmdAbort, true);
    controls_.SetEnabled(C::txtCounter, false);
    controls_.SetEnabled(C::lstAdvanced, false);
}

void Countdown::StopCountdown() {
    timers_.SetInterval(C::timCounter, 0);
    controls_.SetEnabled(C::cmdStart, true);
    controls_.SetEnabled(C::cmdAbort, false);
    controls_.SetEnabled(C::txtCounter, true);
    controls_.SetEnabled(C::lstAdvanced, true);
    controls_.SetText(C::txtCounter, "21");
}

bool Countdown::Tick() {
    const std::int32_t count = ReadSeconds(controls_.Text(C::txtCounter));
    if (count <= 0) return false;
    controls_.SetText(C::txtCounter, std::to_string(count - 1));
    if (controls_.Text(C::txtCounter) != "0") return false;
    timers_.SetInterval(C::timCounter, 0);
    controls_.SetText(C::txtCounter, "0");
    return true;
}

const Action* Countdown::Chosen() {
    const std::string shown = controls_.Text(C::lstAdvanced);
    for (const Action& action : kActions) {
        if (shown == action.listItem) return &action;
    }
    return nullptr;
}

}  // namespace quellar
