// The window's controls over Win32: the windows of the control table.
#include "platform/win32/Win32Ports.h"
#include "platform/win32/WindowText.h"

namespace quellar {
namespace win32 {

std::string Win32Controls::Text(ControlId id) { return WindowText(control(id)); }

void Win32Controls::SetText(ControlId id, const std::string& text) { SetWindowTextA(control(id), text.c_str()); }

void Win32Controls::SetEnabled(ControlId id, bool enabled) { window_.SetEnabled(id, enabled); }

bool Win32Controls::Ticked(ControlId id) { return SendMessageA(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Win32Controls::SetTicked(ControlId id, bool ticked) {
    SendMessageA(control(id), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Controls::AddItem(ControlId id, const std::string& item) {
    SendMessageA(control(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void Win32Controls::SetLinkTarget(ControlId id, const std::string& target) { window_.SetLinkTarget(id, target); }

}  // namespace win32
}  // namespace quellar
