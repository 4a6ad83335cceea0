// The tray menu's Force and Disable items, whose ticks mirror the check
// boxes, which stay the only record of the options. Called by the form's
// handlers.
#pragma once

#include "app/Controls.h"
#include "app/TrayMenu.h"

namespace quellar {

class OptionTicks {
public:
    OptionTicks(Controls& controls, TrayMenu& menu) : controls_(controls), menu_(menu) {}

    void MenuCheck(ControlId CheckVal, MenuId mCheckVal);
    // The items show the boxes.
    void MenuCheckOptions();
    // The item changes first, then the box.
    void MenuClick(ControlId ClickVal, MenuId mClickVal);
    // The option's item was chosen: it shows its box, then both change.
    void Toggle(MenuId item);

private:
    Controls& controls_;
    TrayMenu& menu_;
};

}  // namespace quellar
