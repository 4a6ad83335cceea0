// The tray icon: minimised, the window waits there; the shell's mouse
// notifications arrive as the window's own mouse-move event.
#include "app/frmQuellar.h"
#include "tray/modSysTray.h"

namespace quellar {
namespace {

// How often a refused icon is offered to the shell again.
constexpr int kTrayRetryMs = 2000;

}  // namespace

// The window hides only once the shell has taken its icon. The shell
// refuses icons while it is busy, at logon above all, which is when a copy
// set to start minimised starts: hidden without an icon, it would be out of
// reach. Until the shell takes the icon the window stays on the taskbar,
// minimised, and the icon is offered again every few seconds.
void frmQuellar::PutInTray() {
    if (!iconInTray_) iconInTray_ = ui_.AddTrayIcon(gudtTrayIcon);
    if (iconInTray_) {
        ui_.Hide();
        ui_.SetInterval(ControlId::timTray, 0);
    } else {
        ui_.Show();
        ui_.SetInterval(ControlId::timTray, kTrayRetryMs);
    }
}

void frmQuellar::DeleteTrayIcon() {
    ui_.DeleteTrayIcon(gudtTrayIcon);
    iconInTray_ = false;
}

void frmQuellar::timTray_Timer() {
    if (ui_.State() == WindowState::Minimised) {
        PutInTray();
    } else {
        ui_.SetInterval(ControlId::timTray, 0);
    }
}

// The window comes back from the tray, in front of the others.
void frmQuellar::RestoreFromTray() {
    ui_.SetState(WindowState::Normal);
    ui_.BringToFront();
    ui_.Show();
}

void frmQuellar::Form_Resize() {
    if (ui_.State() == WindowState::Minimised) {
        PutInTray();
    } else {
        DeleteTrayIcon();
        ui_.SetInterval(ControlId::timTray, 0);
    }
    MenuCheckOptions();
    ui_.SetMenuCaption(MenuId::mPopLogOff, ui_.Text(ControlId::cmdLogOff));
}

// The shell puts the mouse message where a position's x would be; the window
// measures in twips, so the number comes back by dividing, rounded to the
// whole number it was (the division need not give it exactly). Only a window
// in the tray has an icon: a shown one gets real pointer moves, which must
// never act as the icon's clicks.
void frmQuellar::Form_MouseMove(std::int16_t, std::int16_t, float x, float) {
    if (ui_.State() != WindowState::Minimised) return;
    const float pixels = x / ui_.TwipsPerPixelX();
    if (pixels < 0) return;
    const auto message = static_cast<std::uint32_t>(pixels + 0.5f);
    if (message != modSysTray::WM_LBUTTONDBLCLK && message != modSysTray::WM_RBUTTONUP) return;
    // One question at a time: while a box is open, the icon shows that box.
    if (questionOpen_) {
        ui_.BringBoxToFront();
        return;
    }
    if (message == modSysTray::WM_LBUTTONDBLCLK) {
        RestoreFromTray();
    } else {
        // The countdown's zero ticks Disable while the window is in the tray:
        // the menu shows the boxes as they are now.
        MenuCheckOptions();
        ui_.BringToFront();
        OnMenu(ui_.PopupMenu(MenuId::mPopupSys));
    }
}

// A new taskbar knows no icons: one that should be there is added again.
void frmQuellar::Form_TaskbarCreated() {
    iconInTray_ = false;
    if (ui_.State() == WindowState::Minimised) PutInTray();
}

void frmQuellar::mPopRestore_Click() {
    RestoreFromTray();
    DeleteTrayIcon();
}

}  // namespace quellar
