// The window's plain events, each handed to its handler; the countdown's and
// the options' handlers; and the one way to ask.
#include "app/form/frmQuellar.h"

namespace quellar {

void frmQuellar::OnClick(ControlId control) {
    switch (control) {
        case ControlId::cmdLogOff: cmdLogOff_Click(); break;
        case ControlId::cmdShutdown: cmdShutdown_Click(); break;
        case ControlId::cmdReboot: cmdReboot_Click(); break;
        case ControlId::cmdPowerOff: cmdPowerOff_Click(); break;
        case ControlId::cmdClear: cmdClear_Click(); break;
        case ControlId::cmdSave: cmdSave_Click(); break;
        case ControlId::cmdStart: cmdStart_Click(); break;
        case ControlId::cmdAbort: cmdAbort_Click(); break;
        case ControlId::lstAdvanced: lstAdvanced_Click(); break;
        default: break;  // controls without a click handler
    }
}

void frmQuellar::OnMenu(MenuId item) {
    switch (item) {
        case MenuId::mPopRestore: mPopRestore_Click(); break;
        case MenuId::mPopForce: mPopForce_Click(); break;
        case MenuId::mPopDisable: mPopDisable_Click(); break;
        case MenuId::mPopLogOff: mPopLogOff_Click(); break;
        case MenuId::mPopShutdown: mPopShutdown_Click(); break;
        case MenuId::mPopReboot: mPopReboot_Click(); break;
        case MenuId::mPopPowerOff: mPopPowerOff_Click(); break;
        case MenuId::mPopExit: mPopExit_Click(); break;
        default: break;  // the menu itself and its separators
    }
}

void frmQuellar::OnTimer(ControlId timer) {
    if (timer == ControlId::timCounter) timCounter_Timer();
    if (timer == ControlId::timTray) timTray_Timer();
}

int frmQuellar::Ask(const std::string& prompt, BoxStyle style, const std::string& title) {
    questionOpen_ = true;
    const int answer = questions_.ShowBox(prompt, style, title);
    questionOpen_ = false;
    return answer;
}

void frmQuellar::lstAdvanced_Click() { countdown_.ListChosen(); }
void frmQuellar::cmdStart_Click() { countdown_.Start(); }
void frmQuellar::cmdAbort_Click() { countdown_.StopCountdown(); }

// At zero the chosen action runs without a question.
void frmQuellar::timCounter_Timer() {
    if (!countdown_.Tick()) return;
    // A tray menu open since before the zero shows Disable off: an action
    // chosen there would run without the question its user expects.
    menu_.CloseMenu();
    controls_.SetTicked(ControlId::chkDisable, true);
    if (const Action* action = countdown_.Chosen()) Act(*action);
}

void frmQuellar::cmdSave_Click() { options_.SaveAll(); }
void frmQuellar::cmdClear_Click() { options_.ClearAll(); }

}  // namespace quellar
