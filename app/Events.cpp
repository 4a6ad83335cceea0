// The window's plain events, each handed to its handler.
#include "app/frmQuellar.h"

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

int frmQuellar::Ask(const std::string& prompt, BoxStyle style, const std::string& title) {
    questionOpen_ = true;
    const int answer = ui_.MsgBox(prompt, style, title);
    questionOpen_ = false;
    return answer;
}

void frmQuellar::OnTimer(ControlId timer) {
    if (timer == ControlId::timCounter) timCounter_Timer();
    if (timer == ControlId::timTray) timTray_Timer();
}

}  // namespace quellar
