// The tray menu over Win32: the main window's hidden pop-up menu.
#include <cstddef>

#include "platform/win32/Identifiers.h"
#include "platform/win32/MenuOwner.h"
#include "platform/win32/Win32Ports.h"

namespace quellar {
namespace win32 {
namespace {

UINT MenuCommand(MenuId item) { return static_cast<UINT>(ids::MenuItem(static_cast<int>(item))); }

}  // namespace

bool Win32TrayMenu::Ticked(MenuId item) {
    return (GetMenuState(window_.PopupMenu(), MenuCommand(item), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void Win32TrayMenu::SetTicked(MenuId item, bool ticked) {
    CheckMenuItem(window_.PopupMenu(), MenuCommand(item), MF_BYCOMMAND | (ticked ? MF_CHECKED : MF_UNCHECKED));
}

// Changes the text only; the item keeps its check mark.
void Win32TrayMenu::SetMenuCaption(MenuId item, const std::string& caption) {
    MENUITEMINFOA info{};
    // The size Windows 95 and NT 4.0 know: they refuse the newer, longer form.
    info.cbSize = offsetof(MENUITEMINFOA, hbmpItem);
    static_assert(sizeof(void*) != 4 || offsetof(MENUITEMINFOA, hbmpItem) == 44, "Windows 95's size: 44 bytes");
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    info.dwTypeData = const_cast<char*>(caption.c_str());
    SetMenuItemInfoA(window_.PopupMenu(), MenuCommand(item), FALSE, &info);
}

// The chosen item comes back from the menu; the posted message makes the
// menu close when the user clicks elsewhere.
MenuId Win32TrayMenu::PopupMenu(MenuId menu) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const MenuOwner owner(cursor, window_.Handle());
    const HWND outer = owner_;
    owner_ = owner.Handle();
    const int chosen = static_cast<int>(
        TrackPopupMenu(window_.PopupMenu(), TPM_RETURNCMD, cursor.x, cursor.y, 0, owner.Handle(), nullptr));
    PostMessageA(owner.Handle(), WM_NULL, 0, 0);
    owner_ = outer;
    const int index = chosen - ids::kFirstMenuItem;
    return index > 0 && index < static_cast<int>(kMenuCount) ? static_cast<MenuId>(index) : menu;
}

// The menu's owner cancels its modes, the menu among them.
void Win32TrayMenu::CloseMenu() {
    if (owner_) SendMessageA(owner_, WM_CANCELMODE, 0, 0);
}

}  // namespace win32
}  // namespace quellar
