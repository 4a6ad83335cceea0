// The tray: minimised, the window waits there behind its icon, through which
// the shell's mouse notifications arrive as the window's own mouse moves.
// Called by the form's handlers.
#pragma once

#include <cstdint>

#include "app/Timers.h"
#include "app/TrayIcon.h"
#include "app/Window.h"

namespace quellar {

class Tray {
public:
    Tray(Window& window, TrayIcon& icon, Timers& timers) : window_(window), icon_(icon), timers_(timers) {}

    void PutInTray();
    // The icon goes, and the shell is taken to have none.
    void RemoveIcon();
    // The window's state changed: minimised it goes into the tray, else the
    // icon goes.
    void Resized();
    void OfferIconAgain();
    // A new taskbar knows no icons: one that should be there is added again.
    void TaskbarCreated();
    // The window comes back from the tray, in front of the others.
    void RestoreFromTray();
    // The shell's notification that a mouse move at x twips carries:
    // WM_LBUTTONDBLCLK or WM_RBUTTONUP, or 0 for any other move.
    std::uint32_t Notification(float x);

private:
    Window& window_;
    TrayIcon& icon_;
    Timers& timers_;
    bool iconInTray_ = false;  // the shell took the icon, and has not lost it since
};

}  // namespace quellar
