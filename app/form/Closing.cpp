// Closing: the options are saved first; a window in the tray goes quietly, a
// shown one asks whether to quit or to go to the tray.
#include "app/form/frmQuellar.h"

namespace quellar {

// A window closed from the tray is to start there next time.
void frmQuellar::SaveBeforeClosing() {
    if (window_.State() == WindowState::Minimised) controls_.SetTicked(ControlId::chkMinimise, true);
    options_.SaveAll();
}

void frmQuellar::Form_Unload(std::int16_t& cancel) {
    // The stored options and the closing belong to the running copy.
    if (isDuplicate_) return;
    // A box is open: it is answered first, and the window stays.
    if (questionOpen_) {
        questions_.BringBoxToFront();
        cancel = -1;
        return;
    }
    SaveBeforeClosing();
    if (window_.State() == WindowState::Minimised) {
        // Closed while in the tray by other means than Exit: the icon must
        // not outlive the window (after Exit this second delete is refused).
        tray_.RemoveIcon();
        return;
    }
    if (controls_.Ticked(ControlId::chkDisable)) return;

    if (Ask("Click Yes to quit Quellar 2000, or No to minimise it.", BoxStyle::YesNo, "Exit Quellar 2000") ==
        kAnswerYes) {
        tray_.RemoveIcon();
        return;
    }
    window_.SetState(WindowState::Minimised);
    // Exactly one icon afterwards, whether or not the resize added one.
    tray_.RemoveIcon();
    tray_.PutInTray();
    cancel = -1;
}

void frmQuellar::mPopExit_Click() {
    tray_.RemoveIcon();
    window_.Close();
}

// Windows ends the session for another reason: no question and no veto. The
// options are kept as closing would keep them, the icon goes, and so does the
// program: a copy left running after its session, hidden and without an
// icon, would be out of the user's reach, and a countdown in it would still act.
void frmQuellar::Form_SessionEnd() {
    if (!isDuplicate_) {
        SaveBeforeClosing();
        tray_.RemoveIcon();
    }
    workstation_.EndProgram();
}

}  // namespace quellar
