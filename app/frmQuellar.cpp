#include "app/frmQuellar.h"

namespace quellar {

// Events of controls that have no handler yet do nothing, like any control
// without a handler.
void frmQuellar::Form_Load() {
    ui_.Show();
    ui_.Refresh();
}

void frmQuellar::Form_Resize() {}
void frmQuellar::Form_MouseMove(std::int16_t, std::int16_t, float, float) {}
void frmQuellar::Form_Unload(std::int16_t&) {}
void frmQuellar::OnClick(ControlId) {}
void frmQuellar::OnMenu(MenuId) {}
void frmQuellar::OnTimer(ControlId) {}

}  // namespace quellar
