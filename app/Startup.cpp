// Start-up: the window's load event. Every step that fails is skipped and
// the next one runs.
#include <string>

#include "actions/Action.h"
#include "app/Captions.h"
#include "app/frmQuellar.h"

namespace quellar {
namespace {

constexpr const char* kDuplicateNotice =
    "There is another instance of this program already running.\r"
    "If Quellar 2000 does not display immediately, please check\r"
    "the system tray (next to the clock) for its icon.";

}  // namespace

void frmQuellar::Form_Load() {
    ui_.SetLinkTarget(ControlId::hypHelp, ui_.CurDir() + "\\help.html");
    if (ui_.PrevInstance()) EndAsDuplicate();

    ShowVersionLabel();
    SetLogOffCaption();
    glngWhichWindows32 = (ui_.VersionNumber() & 0x80000000u) == 0 ? 1 : 0;
    ResetWarning();

    std::string force, disable, minimise;
    LoadOption(force, "Force", ControlId::chkForce);
    LoadOption(disable, "Disable", ControlId::chkDisable);
    LoadOption(minimise, "Minimise", ControlId::chkMinimise);

    // The record is filled before the first show: a shortcut set to "Run:
    // Minimized" makes that show a minimise, which puts the window in the tray.
    FillTrayRecord();
    ui_.Show();
    ui_.Refresh();
    if (minimise == "1") ui_.SetState(WindowState::Minimised);

    SetAdvanced(true);
    ui_.AddItem(ControlId::lstAdvanced, kPlaceholderItem);
    for (const Action& action : kActions) ui_.AddItem(ControlId::lstAdvanced, action.listItem);
    if (ui_.Text(ControlId::lstAdvanced) == kListTextAtCreation) ui_.SetEnabled(ControlId::cmdStart, false);
    NameForScreenReaders();
}

// A screen reader names a box after the text just before it in the tab
// order, which here is Start's caption or the warning under the list, and
// takes the links for push buttons. Each gets the words a sighted user reads
// beside it instead. Done once the window shows, so that a start is no slower.
void frmQuellar::NameForScreenReaders() {
    const auto labelWords = [&](ControlId label) {
        const std::string text = ui_.Text(label);
        return text.substr(0, text.find_last_not_of(':') + 1);
    };
    ui_.SetSpokenName(ControlId::txtCounter, labelWords(ControlId::lblCounter), SpokenRole::AsMade);
    ui_.SetSpokenName(ControlId::lstAdvanced, labelWords(ControlId::lblCombo), SpokenRole::AsMade);
    ui_.SetSpokenName(ControlId::hypHelp, "Help", SpokenRole::Link);
    ui_.SetSpokenName(ControlId::HlblURL, ui_.Text(ControlId::HlblURL), SpokenRole::Link);
}

// An empty or unreadable user name leaves the designed caption.
void frmQuellar::SetLogOffCaption() {
    const std::string caption = LogOffCaption(ui_.UserName(), ui_);
    if (!caption.empty()) ui_.SetText(ControlId::cmdLogOff, caption);
}

void frmQuellar::FillTrayRecord() {
    gudtTrayIcon = modSysTray::MakeTrayRecord(ui_.WindowHandle(), ui_.IconHandle(), ui_.Text(ControlId::lblTitle));
}

// Another copy runs: bring it forward, say so, and end without touching the
// stored options, which are the running copy's.
void frmQuellar::EndAsDuplicate() {
    // From here on nothing that reaches this copy (a close, the end of the
    // session while the notice is open) may save or ask.
    isDuplicate_ = true;
    const std::string title = ui_.AppTitle();
    // Renamed first, so that the search below cannot find this copy.
    ui_.SetAppTitle("Duplicate instance.");
    ui_.SetCaption("... Duplicate instance.");
    ui_.AppActivate(title);
    Ask(kDuplicateNotice, BoxStyle::OkOnly, "Duplicate Instance");
    ui_.Hide();
    ui_.SetValue(ControlId::chkDisable, 1);
    ui_.Unload();
    ui_.End();
}

}  // namespace quellar
