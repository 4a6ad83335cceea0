// The window that owns the tray menu while it is open. The documented recipe
// makes the menu's owner the foreground window before the menu opens, so that
// the menu takes the keyboard and closes when the user clicks elsewhere. The
// main window is hidden in the tray then, and on an X display a hidden window
// cannot hold the keyboard: under Wine without its virtual desktop the keys
// stayed with Wine's own tray window, which took them when its icon was
// clicked. So a window of one pixel under the menu's corner owns the menu.
#pragma once

#include <windows.h>

namespace quellar {
namespace win32 {

class MenuOwner {
public:
    // At the point where the menu opens; where that window cannot be made,
    // the main window owns the menu.
    MenuOwner(POINT at, HWND main);
    ~MenuOwner();
    MenuOwner(const MenuOwner&) = delete;
    MenuOwner& operator=(const MenuOwner&) = delete;

    HWND Handle() const { return owner_; }

private:
    HWND pixel_;
    HWND owner_;
};

}  // namespace win32
}  // namespace quellar
