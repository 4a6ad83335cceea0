// The tray's events: the window's resizes, the shell's notifications about
// the icon, and the menu's items.
#include "app/form/frmQuellar.h"
#include "tray/modSysTray.h"

namespace quellar {

void frmQuellar::Form_Resize() {
    tray_.Resized();
    ticks_.MenuCheckOptions();
    menu_.SetMenuCaption(MenuId::mPopLogOff, controls_.Text(ControlId::cmdLogOff));
}

void frmQuellar::Form_MouseMove(std::int16_t, std::int16_t, float x, float) {
    const std::uint32_t message = tray_.Notification(x);
    if (message == 0) return;
    // One question at a time: while a box is open, the icon shows that box.
    if (questionOpen_) {
        questions_.BringBoxToFront();
        return;
    }
    if (message == modSysTray::WM_LBUTTONDBLCLK) {
        tray_.RestoreFromTray();
    } else {
        // The countdown's zero ticks Disable while the window is in the tray:
        // the menu shows the boxes as they are now.
        ticks_.MenuCheckOptions();
        window_.BringToFront();
        OnMenu(menu_.PopupMenu(MenuId::mPopupSys));
    }
}

void frmQuellar::Form_TaskbarCreated() { tray_.TaskbarCreated(); }
void frmQuellar::timTray_Timer() { tray_.OfferIconAgain(); }

void frmQuellar::mPopRestore_Click() {
    tray_.RestoreFromTray();
    tray_.RemoveIcon();
}

void frmQuellar::mPopForce_Click() { ticks_.Toggle(MenuId::mPopForce); }
void frmQuellar::mPopDisable_Click() { ticks_.Toggle(MenuId::mPopDisable); }
void frmQuellar::mPopLogOff_Click() { cmdLogOff_Click(); }
void frmQuellar::mPopShutdown_Click() { cmdShutdown_Click(); }
void frmQuellar::mPopReboot_Click() { cmdReboot_Click(); }
void frmQuellar::mPopPowerOff_Click() { cmdPowerOff_Click(); }

}  // namespace quellar
