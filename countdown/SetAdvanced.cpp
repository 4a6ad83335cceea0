#include "app/frmQuellar.h"

namespace quellar {

// Switches the countdown's inputs and their labels together; Abort, the timer
// and the other tabs are left alone.
void frmQuellar::SetAdvanced(bool Bool) {
    for (ControlId control : {ControlId::txtCounter, ControlId::cmdStart, ControlId::lstAdvanced,
                              ControlId::lblInfoAdvanced, ControlId::lblCombo, ControlId::lblCounter,
                              ControlId::lblWarning}) {
        ui_.SetEnabled(control, Bool);
    }
}

}  // namespace quellar
