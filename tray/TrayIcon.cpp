// The tray icon: minimised, the window waits there; the shell's mouse
// notifications arrive as the window's own mouse-move event.
#include "app/frmQuellar.h"
#include "tray/modSysTray.h"

namespace quellar {

bool frmQuellar::NotifyTray(std::uint32_t message) { return ui_.Shell_NotifyIconA(message, gudtTrayIcon); }

void frmQuellar::Form_Resize() {
    if (ui_.State() == WindowState::Minimised) ui_.Hide();
    if (ui_.State() == WindowState::Minimised) {
        NotifyTray(modSysTray::NIM_ADD);
    } else {
        NotifyTray(modSysTray::NIM_DELETE);
    }
    MenuCheck(ControlId::chkForce, MenuId::mPopForce);
    MenuCheck(ControlId::chkDisable, MenuId::mPopDisable);
    ui_.SetMenuCaption(MenuId::mPopLogOff, ui_.Text(ControlId::cmdLogOff));
}

// The shell puts the mouse message where a position's x would be; the window
// measures in twips, so the number comes back by dividing.
void frmQuellar::Form_MouseMove(std::int16_t, std::int16_t, float x, float) {
    const float message = x / ui_.TwipsPerPixelX();
    if (message == static_cast<float>(modSysTray::WM_LBUTTONDBLCLK)) {
        ui_.SetState(WindowState::Normal);
        ui_.SetForegroundWindow(ui_.WindowHandle());
        ui_.Show();
    } else if (message == static_cast<float>(modSysTray::WM_RBUTTONUP)) {
        ui_.SetForegroundWindow(ui_.WindowHandle());
        ui_.PopupMenu(MenuId::mPopupSys);
    }
}

// A new taskbar knows no icons: one that should be there is added again.
void frmQuellar::Form_TaskbarCreated() {
    if (ui_.State() == WindowState::Minimised) NotifyTray(modSysTray::NIM_ADD);
}

void frmQuellar::mPopRestore_Click() {
    ui_.SetState(WindowState::Normal);
    ui_.SetForegroundWindow(ui_.WindowHandle());
    ui_.Show();
    NotifyTray(modSysTray::NIM_DELETE);
}

}  // namespace quellar
