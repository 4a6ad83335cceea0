// Start-up: the window's load event. Every step that fails is skipped and
// the next one runs.
#include <string>

#include "app/frmQuellar.h"

namespace quellar {
namespace {

constexpr const char* kApp = "Quellar";
constexpr const char* kSection = "Startup";
constexpr const char* kDuplicateNotice =
    "There is another instance of this program already running.\r"
    "If Quellar 2000 does not display immediately, please check\r"
    "the system tray (next to the clock) for its icon.";
constexpr int kOkOnly = 0;

// A caption marks its access key with "&"; a name shows every letter as it is.
std::string WithoutAccessKey(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        escaped += c;
        if (c == '&') escaped += '&';
    }
    return escaped;
}

}  // namespace

void frmQuellar::Form_Load() {
    ui_.SetLinkTarget(ControlId::hypHelp, ui_.CurDir() + "\\help.html");
    if (ui_.PrevInstance()) EndAsDuplicate();

    ShowVersionLabel();
    SetLogOffCaption();
    glngWhichWindows32 = (ui_.GetVersion() & 0x80000000u) == 0 ? 1 : 0;

    // The Warning value is written and removed again, whatever a run left there.
    ui_.SaveSetting(kApp, kSection, "Warning", "0");
    ui_.DeleteSetting(kApp, kSection, "Warning");

    std::string force, disable, minimise;
    LoadOption(force, "Force", ControlId::chkForce);
    LoadOption(disable, "Disable", ControlId::chkDisable);
    LoadOption(minimise, "Minimise", ControlId::chkMinimise);

    ui_.Show();
    ui_.Refresh();
    FillTrayRecord();
    if (minimise == "1") ui_.SetState(WindowState::Minimised);

    SetAdvanced(true);
    for (const char* item : {"(Make selection)", "Log Off", "Shutdown", "Reboot", "Power Down"}) {
        ui_.AddItem(ControlId::lstAdvanced, item);
    }
    if (ui_.Text(ControlId::lstAdvanced) == "(Make Selection)") ui_.SetEnabled(ControlId::cmdStart, false);
}

// "Log Off " and the user's name, at most 8 characters, capitalised. An
// empty or unreadable name leaves the designed caption.
void frmQuellar::SetLogOffCaption() {
    char buffer[256] = {};
    std::uint32_t size = 255;
    if (!ui_.GetUserNameA(buffer, size)) return;
    const std::string name = std::string(buffer).substr(0, 8);
    if (name.empty()) return;
    const std::string caption = ui_.UpperCase(name.substr(0, 1)) + ui_.LowerCase(name.substr(1));
    ui_.SetText(ControlId::cmdLogOff, "Log Off " + WithoutAccessKey(caption));
}

void frmQuellar::FillTrayRecord() {
    gudtTrayIcon.cbSize = sizeof gudtTrayIcon;
    gudtTrayIcon.hWnd = ui_.WindowHandle();
    gudtTrayIcon.uID = 1;
    gudtTrayIcon.uFlags = 7;                // message, icon and tip
    gudtTrayIcon.uCallbackMessage = 0x200;  // the window's own mouse-move message
    gudtTrayIcon.hIcon = ui_.IconHandle();
    modSysTray::FillTip(gudtTrayIcon, ui_.Text(ControlId::lblTitle));
}

// Another copy runs: bring it forward, say so, and end without touching the
// stored options, which are the running copy's.
void frmQuellar::EndAsDuplicate() {
    const std::string title = ui_.AppTitle();
    // Renamed first, so that the search below cannot find this copy.
    ui_.SetAppTitle("Duplicate instance.");
    ui_.SetCaption("... Duplicate instance.");
    ui_.AppActivate(title);
    ui_.MsgBox(kDuplicateNotice, kOkOnly, "Duplicate Instance");
    ui_.Hide();
    ui_.SetValue(ControlId::chkDisable, 1);
    closingAsDuplicate_ = true;
    ui_.Unload();
    ui_.End();
}

}  // namespace quellar
