// The four workstation actions. Every road to one (its button, the tray
// menu, the countdown) runs Act.
#include "actions/Rules.h"
#include "app/form/frmQuellar.h"

namespace quellar {

void frmQuellar::cmdLogOff_Click() { Act(ActionOf(ActionId::LogOff)); }
void frmQuellar::cmdShutdown_Click() { Act(ActionOf(ActionId::Shutdown)); }
void frmQuellar::cmdReboot_Click() { Act(ActionOf(ActionId::Reboot)); }
void frmQuellar::cmdPowerOff_Click() { Act(ActionOf(ActionId::PowerDown)); }

void frmQuellar::Act(const Action& action) {
    if (action.needsShutdownPrivilege) windows_.EnableShutdownPrivilege();
    ConfirmAction(action.verb);
}

// Saves the options, asks unless Disable is on, and acts. Returns only when
// the user said No. Once asked, only the answer decides: whatever changed
// while the question was open (Disable ticked from the tray, a countdown's
// zero) never turns a No into the action.
void frmQuellar::ConfirmAction(const std::string& verb) {
    options_.SaveAll();
    const std::int32_t value = ExitValue(verb);
    if (value < 0) return;  // not one of the four actions: nothing to ask Windows

    if (!controls_.Ticked(ControlId::chkDisable)) {
        if (Ask("Are you sure you want to " + verb + "?", BoxStyle::YesNo, "Quellar 2000") == kAnswerYes) {
            ExitWindowsNow(value);
        }
        return;
    }
    ExitWindowsNow(value);
}

// Force is read now, after any question was answered. Windows only starts
// the action; the program removes its icon and ends at once, without its
// unload handling. Windows may refuse (the privilege removed by a policy, a
// remote session): then the program says why in the system's words and stays
// where it was, in the tray or on the screen.
void frmQuellar::ExitWindowsNow(std::int32_t flags) {
    std::string why;
    if (!workstation_.AskToEndSession(ExitFlags(flags, controls_.Ticked(ControlId::chkForce)), why)) {
        Ask(RefusalNotice(flags, why), BoxStyle::OkOnly, "Quellar 2000");
        return;
    }
    tray_.RemoveIcon();
    workstation_.EndProgram();
}

}  // namespace quellar
