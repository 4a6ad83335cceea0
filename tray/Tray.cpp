#include "tray/Tray.h"

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
void Tray::PutInTray() {
    if (!iconInTray_) iconInTray_ = icon_.Add();
    if (iconInTray_) {
        window_.Hide();
        timers_.SetInterval(ControlId::timTray, 0);
    } else {
        window_.Show();
        timers_.SetInterval(ControlId::timTray, kTrayRetryMs);
    }
}

void Tray::RemoveIcon() {
    icon_.Delete();
    iconInTray_ = false;
}

void Tray::Resized() {
    if (window_.State() == WindowState::Minimised) {
        PutInTray();
    } else {
        RemoveIcon();
        timers_.SetInterval(ControlId::timTray, 0);
    }
}

void Tray::OfferIconAgain() {
    if (window_.State() == WindowState::Minimised) {
        PutInTray();
    } else {
        timers_.SetInterval(ControlId::timTray, 0);
    }
}

void Tray::TaskbarCreated() {
    iconInTray_ = false;
    if (window_.State() == WindowState::Minimised) PutInTray();
}

void Tray::RestoreFromTray() {
    window_.SetState(WindowState::Normal);
    window_.BringToFront();
    window_.Show();
}

// The shell puts the mouse message where a position's x would be; the window
// measures in twips, so the number comes back by dividing, rounded to the
// whole number it was (the division need not give it exactly). Only a window
// in the tray has an icon: a shown one gets real pointer moves, which must
// never act as the icon's clicks.
std::uint32_t Tray::Notification(float x) {
    if (window_.State() != WindowState::Minimised) return 0;
    const float pixels = x / window_.TwipsPerPixelX();
    if (pixels < 0) return 0;
    const auto message = static_cast<std::uint32_t>(pixels + 0.5f);
    if (message != modSysTray::WM_LBUTTONDBLCLK && message != modSysTray::WM_RBUTTONUP) return 0;
    return message;
}

}  // namespace quellar
