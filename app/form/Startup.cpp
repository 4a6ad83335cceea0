// Start-up: the window's load event. Every step that fails is skipped and
// the next one runs.
#include <cstdlib>
#include <string>

#include "app/Captions.h"
#include "app/form/frmQuellar.h"

namespace quellar {
namespace {

constexpr const char* kDuplicateNotice =
    "There is another instance of this program already running.\r"
    "If Quellar 2000 does not display immediately, please check\r"
    "the system tray (next to the clock) for its icon.";

}  // namespace

frmQuellar::frmQuellar(const Ports& ports)
    : controls_(ports.controls),
      menu_(ports.menu),
      window_(ports.window),
      questions_(ports.questions),
      copies_(ports.copies),
      workstation_(ports.workstation),
      text_(ports.text),
      windows_(ports.workstation),
      options_(ports.controls, ports.store),
      countdown_(ports.controls, ports.timers),
      tray_(ports.window, ports.icon, ports.timers),
      ticks_(ports.controls, ports.menu) {}

void frmQuellar::Form_Load() {
    controls_.SetLinkTarget(ControlId::hypHelp, workstation_.StartFolder() + "\\help.html");
    if (copies_.AnotherCopyRuns()) GiveWayToRunningCopy();

    ShowVersionLabel();
    SetLogOffCaption();
    windows_.LearnFamily();
    options_.ResetWarning();
    const bool minimise = options_.LoadAll();

    // A shortcut set to "Run: Minimized" makes the first show a minimise,
    // which puts the window in the tray.
    window_.Show();
    window_.Refresh();
    if (minimise) window_.SetState(WindowState::Minimised);

    countdown_.FillList();
    NameForScreenReaders();
}

// A screen reader names a box after the text just before it in the tab
// order, which here is Start's caption or the warning under the list, and
// takes the links for push buttons. Each gets the words a sighted user reads
// beside it instead. Done once the window shows, so that a start is no slower.
void frmQuellar::NameForScreenReaders() {
    const auto labelWords = [&](ControlId label) {
        const std::string text = controls_.Text(label);
        return text.substr(0, text.find_last_not_of(':') + 1);
    };
    controls_.SetSpokenName(ControlId::txtCounter, labelWords(ControlId::lblCounter), SpokenRole::AsMade);
    controls_.SetSpokenName(ControlId::lstAdvanced, labelWords(ControlId::lblCombo), SpokenRole::AsMade);
    controls_.SetSpokenName(ControlId::hypHelp, "Help", SpokenRole::Link);
    controls_.SetSpokenName(ControlId::HlblURL, controls_.Text(ControlId::HlblURL), SpokenRole::Link);
}

// An unreadable computer name leaves the label ending in " on \\".
void frmQuellar::ShowVersionLabel() {
    const std::string computer = workstation_.ComputerName();  // asked before the version, as always
    controls_.SetText(ControlId::lblVersion, VersionLabel(windows_.getVersionEx(), computer, text_));
}

// An empty or unreadable user name leaves the designed caption.
void frmQuellar::SetLogOffCaption() {
    const std::string caption = LogOffCaption(workstation_.UserName(), text_);
    if (!caption.empty()) controls_.SetText(ControlId::cmdLogOff, caption);
}

// Another copy runs: bring it forward, say so, and end without touching the
// stored options, which are the running copy's.
void frmQuellar::GiveWayToRunningCopy() {
    // From here on nothing that reaches this copy (a close, the end of the
    // session while the notice is open) may save or ask.
    isDuplicate_ = true;
    const std::string title = copies_.Title();
    // Renamed first, so that the search below cannot find this copy.
    copies_.SetTitle("Duplicate instance.");
    window_.SetCaption("... Duplicate instance.");
    copies_.ActivateCopy(title);
    Ask(kDuplicateNotice, BoxStyle::OkOnly, "Duplicate Instance");
    window_.Hide();
    controls_.SetTicked(ControlId::chkDisable, true);
    window_.Close();
    workstation_.EndProgram();
    std::abort();  // not reached: no implementation of EndProgram returns
}

}  // namespace quellar
