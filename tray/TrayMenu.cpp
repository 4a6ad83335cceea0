// The tray menu. Its Force and Disable items mirror the check boxes, which
// stay the only record of the options.
#include <string>

#include "app/frmQuellar.h"

namespace quellar {

void frmQuellar::MenuCheck(ControlId CheckVal, MenuId mCheckVal) {
    if (std::to_string(ui_.Value(CheckVal)) == "1") {
        ui_.SetChecked(mCheckVal, true);
        return;
    }
    if (std::to_string(ui_.Value(CheckVal)) == "0") ui_.SetChecked(mCheckVal, false);
}

// The Force and Disable items show the boxes.
void frmQuellar::MenuCheckOptions() {
    MenuCheck(ControlId::chkForce, MenuId::mPopForce);
    MenuCheck(ControlId::chkDisable, MenuId::mPopDisable);
}

// The item changes first, then the box.
void frmQuellar::MenuClick(ControlId ClickVal, MenuId mClickVal) {
    if (!ui_.Checked(mClickVal)) {
        ui_.SetChecked(mClickVal, true);
        ui_.SetValue(ClickVal, 1);
    } else {
        ui_.SetChecked(mClickVal, false);
        ui_.SetValue(ClickVal, 0);
    }
}

void frmQuellar::mPopForce_Click() {
    MenuCheck(ControlId::chkForce, MenuId::mPopForce);
    MenuClick(ControlId::chkForce, MenuId::mPopForce);
}

void frmQuellar::mPopDisable_Click() {
    MenuCheck(ControlId::chkDisable, MenuId::mPopDisable);
    MenuClick(ControlId::chkDisable, MenuId::mPopDisable);
}

void frmQuellar::mPopLogOff_Click() { cmdLogOff_Click(); }
void frmQuellar::mPopShutdown_Click() { cmdShutdown_Click(); }
void frmQuellar::mPopReboot_Click() { cmdReboot_Click(); }
void frmQuellar::mPopPowerOff_Click() { cmdPowerOff_Click(); }

}  // namespace quellar
