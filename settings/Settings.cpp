// The three options: the check boxes are the live copy, the per-user store
// keeps the last saved one. Only the exact text "1" reads as on.
#include <string>

#include "app/frmQuellar.h"

namespace quellar {
namespace {

// Where the store keeps the options.
constexpr const char* kApp = "Quellar";
constexpr const char* kSection = "Startup";

}  // namespace

// Stores "1" or "0". False when the store refused, and the caller goes on.
bool frmQuellar::SaveOption(ControlId checkBox, const std::string& key) {
    return ui_.SaveSetting(kApp, kSection, key, std::to_string(ui_.Value(checkBox)));
}

// False when the store could not be read: the box and the text stay as they were.
bool frmQuellar::LoadOption(std::string& result, const std::string& key, ControlId checkBox) {
    std::string text;
    if (!ui_.GetSetting(kApp, kSection, key, text)) return false;
    result = text;
    ui_.SetValue(checkBox, text == "1" ? 1 : 0);
    return true;
}

// The Warning value is written and removed again, whatever a run left there.
void frmQuellar::ResetWarning() {
    ui_.SaveSetting(kApp, kSection, "Warning", "0");
    ui_.DeleteSetting(kApp, kSection, "Warning");
}

void frmQuellar::cmdSave_Click() {
    SaveOption(ControlId::chkForce, "Force");
    SaveOption(ControlId::chkDisable, "Disable");
    SaveOption(ControlId::chkMinimise, "Minimise");
}

// Clear turns the options off and saves them; it removes no value.
void frmQuellar::cmdClear_Click() {
    ui_.SetValue(ControlId::chkForce, 0);
    ui_.SetValue(ControlId::chkDisable, 0);
    ui_.SetValue(ControlId::chkMinimise, 0);
    cmdSave_Click();
}

}  // namespace quellar
