// The Advanced tab: an action after a number of seconds. The seconds box is
// the only store of the remaining time.
#include <string>

#include "actions/Action.h"
#include "app/frmQuellar.h"
#include "countdown/Seconds.h"

namespace quellar {
namespace {

using C = ControlId;

}  // namespace

// Switches the countdown's inputs and their labels together; Abort, the timer
// and the other tabs are left alone.
void frmQuellar::SetAdvanced(bool Bool) {
    for (C control :
         {C::txtCounter, C::cmdStart, C::lstAdvanced, C::lblInfoAdvanced, C::lblCombo, C::lblCounter, C::lblWarning}) {
        ui_.SetEnabled(control, Bool);
    }
}

void frmQuellar::lstAdvanced_Click() {
    if (ui_.Text(C::lstAdvanced) != kPlaceholderItem) {
        SetAdvanced(true);
    } else {
        SetAdvanced(false);
        ui_.SetEnabled(C::lstAdvanced, true);  // the list stays usable
    }
}

void frmQuellar::cmdStart_Click() {
    const std::int32_t seconds = ReadSeconds(ui_.Text(C::txtCounter));
    if (ui_.Text(C::lstAdvanced) == kPlaceholderItem) return;
    if (const char* corrected = CorrectedSeconds(seconds)) ui_.SetText(C::txtCounter, corrected);
    StartCountdown();
}

void frmQuellar::cmdAbort_Click() { StopCountdown(); }

void frmQuellar::StartCountdown() {
    ui_.SetInterval(C::timCounter, 1000);
    ui_.SetEnabled(C::cmdStart, false);
    ui_.SetEnabled(C::cmdAbort, true);
    ui_.SetEnabled(C::txtCounter, false);
    ui_.SetEnabled(C::lstAdvanced, false);
}

void frmQuellar::StopCountdown() {
    ui_.SetInterval(C::timCounter, 0);
    ui_.SetEnabled(C::cmdStart, true);
    ui_.SetEnabled(C::cmdAbort, false);
    ui_.SetEnabled(C::txtCounter, true);
    ui_.SetEnabled(C::lstAdvanced, true);
    ui_.SetText(C::txtCounter, "21");
}

// Each tick lowers the box by one; at zero the chosen action runs without a
// question.
void frmQuellar::timCounter_Timer() {
    const std::int32_t count = ReadSeconds(ui_.Text(C::txtCounter));
    if (count <= 0) return;
    ui_.SetText(C::txtCounter, std::to_string(count - 1));
    if (ui_.Text(C::txtCounter) != "0") return;

    ui_.SetInterval(C::timCounter, 0);
    ui_.SetText(C::txtCounter, "0");
    // A tray menu open since before the zero shows Disable off: an action
    // chosen there would run without the question its user expects.
    ui_.CloseMenu();
    ui_.SetValue(C::chkDisable, 1);
    const std::string action = ui_.Text(C::lstAdvanced);
    if (action == ActionOf(ActionId::LogOff).listItem) cmdLogOff_Click();
    if (action == ActionOf(ActionId::Shutdown).listItem) cmdShutdown_Click();
    if (action == ActionOf(ActionId::Reboot).listItem) cmdReboot_Click();
    if (action == ActionOf(ActionId::PowerDown).listItem) cmdPowerOff_Click();
}

}  // namespace quellar
