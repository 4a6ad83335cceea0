// The three options: the check boxes are the live copy, the per-user store
// keeps the last saved one. Only the exact text "1" reads as on.
#pragma once

#include <string>

#include "app/Controls.h"
#include "app/Layout.h"
#include "app/OptionStore.h"

namespace quellar {

// An option: its key in the store, its check box and its tray menu item.
struct Option {
    const char* key;
    ControlId box;
    MenuId menuItem;  // the menu itself where the option has no item
};

// In the order they are loaded and saved.
inline constexpr Option kOptions[] = {
    {"Force", ControlId::chkForce, MenuId::mPopForce},
    {"Disable", ControlId::chkDisable, MenuId::mPopDisable},
    {"Minimise", ControlId::chkMinimise, MenuId::mPopupSys},
};

// Called by the form: start-up, Save and Clear, closing and every action.
class Options {
public:
    Options(Controls& controls, OptionStore& store) : controls_(controls), store_(store) {}

    // Stores "1" or "0". False when the store refused, and the caller goes on.
    bool SaveOption(ControlId checkBox, const std::string& key);
    // False when the store could not be read: the box and the text stay as
    // they were.
    bool LoadOption(std::string& result, const std::string& key, ControlId checkBox);
    // Every option into its box; true when Minimise is stored as "1".
    bool LoadAll();
    void SaveAll();
    // Turns the options off and saves them; it removes no value.
    void ClearAll();
    // The Warning value is written and removed again, whatever a run left there.
    void ResetWarning();

private:
    Controls& controls_;
    OptionStore& store_;
};

}  // namespace quellar
