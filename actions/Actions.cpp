// The four workstation actions. Every road to one (its button, the tray
// menu, the countdown) runs its command handler.
#include "actions/Action.h"
#include "actions/Rules.h"
#include "app/frmQuellar.h"

namespace quellar {

std::int32_t ExitValue(const std::string& verb) {
    for (const Action& action : kActions) {
        if (verb == action.verb) return action.exitValue;
    }
    return -1;
}

std::uint32_t ExitFlags(std::int32_t value, int force) {
    constexpr std::int32_t kForce = 4;
    return static_cast<std::uint32_t>(force == 1 ? value | kForce : value);
}

void frmQuellar::cmdLogOff_Click() { Act(ActionId::LogOff); }
void frmQuellar::cmdShutdown_Click() { Act(ActionId::Shutdown); }
void frmQuellar::cmdReboot_Click() { Act(ActionId::Reboot); }
void frmQuellar::cmdPowerOff_Click() { Act(ActionId::PowerDown); }

void frmQuellar::Act(ActionId action) {
    if (ActionOf(action).needsShutdownPrivilege) EnableShutdownPrivilege();
    ConfirmAction(ActionOf(action).verb);
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
    if (!ui_.EndSession(ExitFlags(flags, ui_.Value(ControlId::chkForce)), why)) {
        const char* verb = "end the session";
        for (const Action& action : kActions) verb = action.exitValue == flags ? action.verb : verb;
        Ask(std::string("Windows refused to ") + verb + ":\r" + why, BoxStyle::OkOnly, "Quellar 2000");
        return;
    }
    DeleteTrayIcon();
    ui_.End();
}

}  // namespace quellar
