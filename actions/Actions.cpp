// The four workstation actions. Every road to one (its button, the tray
// menu, the countdown) runs its command handler.
#include "actions/Rules.h"
#include "app/frmQuellar.h"
#include "tray/modSysTray.h"

namespace quellar {
namespace {

constexpr int kYesNo = 4;
constexpr int kYes = 6;
constexpr std::uint32_t kReserved = 0xFFFFFFFF;

}  // namespace

std::int32_t ExitValue(const std::string& verb) {
    std::int32_t value = -1;
    if (verb == "reboot") value = 2;
    if (verb == "log off") value = 0;
    if (verb == "power down") value = 8;
    if (verb == "shutdown") value = 1;
    return value;
}

std::uint32_t ExitFlags(std::int32_t value, int force) {
    constexpr std::int32_t kForce = 4;
    return static_cast<std::uint32_t>(force == 1 ? value | kForce : value);
}

void frmQuellar::cmdLogOff_Click() { ConfirmAction("log off"); }

void frmQuellar::cmdShutdown_Click() {
    EnableShutdownPrivilege();
    ConfirmAction("shutdown");
}

void frmQuellar::cmdReboot_Click() {
    EnableShutdownPrivilege();
    ConfirmAction("reboot");
}

void frmQuellar::cmdPowerOff_Click() {
    EnableShutdownPrivilege();
    ConfirmAction("power down");
}

// Saves the options, asks unless Disable is on, and acts. Returns only when
// the user said No. Once asked, only the answer decides: whatever changed
// while the question was open (Disable ticked from the tray, a countdown's
// zero) never turns a No into the action.
void frmQuellar::ConfirmAction(const std::string& verb) {
    cmdSave_Click();
    const std::int32_t value = ExitValue(verb);
    if (value < 0) return;  // not one of the four actions: nothing to ask Windows

    if (ui_.Value(ControlId::chkDisable) == 0) {
        if (Ask("Are you sure you want to " + verb + "?", kYesNo, "Quellar 2000") == kYes) ExitWindowsNow(value);
        return;
    }
    ExitWindowsNow(value);
}

// Force is read now, after any question was answered. Windows only starts
// the action; the program removes its icon and ends at once, without its
// unload handling.
void frmQuellar::ExitWindowsNow(std::int32_t flags) {
    ui_.ExitWindowsEx(ExitFlags(flags, ui_.Value(ControlId::chkForce)), kReserved);
    NotifyTray(modSysTray::NIM_DELETE);
    ui_.End();
}

}  // namespace quellar
