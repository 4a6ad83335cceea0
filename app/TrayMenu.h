// The tray icon's pop-up menu, by its items' names in the menu table. Called
// by the tray's parts and, at the countdown's zero, by the form.
#pragma once

#include <string>

#include "app/Layout.h"

namespace quellar {

class TrayMenu {
public:
    virtual bool Ticked(MenuId item) = 0;
    virtual void SetTicked(MenuId item, bool ticked) = 0;
    // Changes the item's text only; it keeps its tick.
    virtual void SetMenuCaption(MenuId item, const std::string& caption) = 0;
    // Shows the menu at the mouse and returns the item chosen, or the menu
    // itself when none was, once the menu has closed. Calls back: the menu
    // runs its own message loop, in which the window's messages (the timers,
    // the end of the session) reach the form before this returns.
    virtual MenuId PopupMenu(MenuId menu) = 0;
    // An open pop-up menu closes, with nothing chosen.
    virtual void CloseMenu() = 0;

protected:
    ~TrayMenu() = default;
};

}  // namespace quellar
