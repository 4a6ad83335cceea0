// Closing: the options are saved first; a window in the tray goes quietly, a
// shown one asks whether to quit or to go to the tray.
#include "app/frmQuellar.h"
#include "tray/modSysTray.h"

namespace quellar {
namespace {

constexpr int kYesNo = 4;
constexpr int kYes = 6;

}  // namespace

void frmQuellar::Form_Unload(std::int16_t& cancel) {
    // The stored options and the closing belong to the running copy.
    if (isDuplicate_) return;
    // A box is open: it is answered first, and the window stays.
    if (questionOpen_) {
        ui_.BringBoxToFront();
        cancel = -1;
        return;
    }
    if (ui_.State() == WindowState::Minimised) ui_.SetValue(ControlId::chkMinimise, 1);
    cmdSave_Click();
    if (ui_.State() == WindowState::Minimised) {
        // Closed while in the tray by other means than Exit: the icon must
        // not outlive the window (after Exit this second delete is refused).
        NotifyTray(modSysTray::NIM_DELETE);
        return;
    }
    if (ui_.Value(ControlId::chkDisable) == 1) return;

    if (Ask("Click Yes to quit Quellar 2000, or No to minimise it.", kYesNo, "Exit Quellar 2000") == kYes) {
        NotifyTray(modSysTray::NIM_DELETE);
        return;
    }
    ui_.SetState(WindowState::Minimised);
    // Exactly one icon afterwards, whether or not the resize added one.
    NotifyTray(modSysTray::NIM_DELETE);
    NotifyTray(modSysTray::NIM_ADD);
    cancel = -1;
}

void frmQuellar::mPopExit_Click() {
    NotifyTray(modSysTray::NIM_DELETE);
    ui_.Unload();
}

// Windows ends the session for another reason: no question and no veto. The
// options are kept as closing would keep them, the icon goes, and so does the
// program: a copy left running after its session, hidden and without an
// icon, would be out of the user's reach, and a countdown in it would still act.
void frmQuellar::Form_SessionEnd() {
    if (!isDuplicate_) {
        if (ui_.State() == WindowState::Minimised) ui_.SetValue(ControlId::chkMinimise, 1);
        cmdSave_Click();
        NotifyTray(modSysTray::NIM_DELETE);
    }
    ui_.End();
}

}  // namespace quellar
