#include "tray/OptionTicks.h"

#include "settings/Options.h"

namespace quellar {

void OptionTicks::MenuCheck(ControlId CheckVal, MenuId mCheckVal) {
    menu_.SetTicked(mCheckVal, controls_.Ticked(CheckVal));
}

void OptionTicks::MenuCheckOptions() {
    for (const Option& option : kOptions) {
        if (option.menuItem != MenuId::mPopupSys) MenuCheck(option.box, option.menuItem);
    }
}

void OptionTicks::MenuClick(ControlId ClickVal, MenuId mClickVal) {
    const bool ticked = !menu_.Ticked(mClickVal);
    menu_.SetTicked(mClickVal, ticked);
    controls_.SetTicked(ClickVal, ticked);
}

void OptionTicks::Toggle(MenuId item) {
    for (const Option& option : kOptions) {
        if (option.menuItem != item) continue;
        MenuCheck(option.box, item);
        MenuClick(option.box, item);
    }
}

}  // namespace quellar
