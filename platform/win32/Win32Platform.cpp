#include "platform/win32/Win32Platform.h"

#include <commctrl.h>

#include <cstddef>

#include "platform/win32/Identifiers.h"

namespace quellar {
namespace win32 {
namespace {

UINT MenuCommand(MenuId item) { return static_cast<UINT>(ids::MenuItem(static_cast<int>(item))); }

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

// A message box is a dialog of the system's class "#32770". Minimising its
// window under it (the taskbar, Win+D) hides it too: it is shown again.
BOOL CALLBACK ToFrontIfBox(HWND hwnd, LPARAM) {
    char name[16] = "";
    if (!GetClassNameA(hwnd, name, sizeof name) || lstrcmpA(name, "#32770") != 0) return TRUE;
    ShowWindow(hwnd, SW_SHOW);
    ::SetForegroundWindow(hwnd);
    return FALSE;
}

}  // namespace

std::string Win32Platform::Text(ControlId id) { return WindowText(control(id)); }

void Win32Platform::SetText(ControlId id, const std::string& text) { SetWindowTextA(control(id), text.c_str()); }

void Win32Platform::SetEnabled(ControlId id, bool enabled) { window_.SetEnabled(id, enabled); }

int Win32Platform::Value(ControlId id) { return SendMessageA(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

void Win32Platform::SetValue(ControlId id, int value) {
    SendMessageA(control(id), BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Platform::AddItem(ControlId id, const std::string& item) {
    SendMessageA(control(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void Win32Platform::SetInterval(ControlId timer, int milliseconds) { window_.SetInterval(timer, milliseconds); }

void Win32Platform::SetLinkTarget(ControlId id, const std::string& target) { window_.SetLinkTarget(id, target); }

bool Win32Platform::Checked(MenuId item) {
    return (GetMenuState(window_.PopupMenu(), MenuCommand(item), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void Win32Platform::SetChecked(MenuId item, bool checked) {
    CheckMenuItem(window_.PopupMenu(), MenuCommand(item), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// Changes the text only; the item keeps its check mark.
void Win32Platform::SetMenuCaption(MenuId item, const std::string& caption) {
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
MenuId Win32Platform::PopupMenu(MenuId menu) {
    POINT cursor{};
    GetCursorPos(&cursor);
    HWND hwnd = window_.Handle();
    const int chosen =
        static_cast<int>(TrackPopupMenu(window_.PopupMenu(), TPM_RETURNCMD, cursor.x, cursor.y, 0, hwnd, nullptr));
    PostMessageA(hwnd, WM_NULL, 0, 0);
    const int index = chosen - ids::kFirstMenuItem;
    return index > 0 && index < static_cast<int>(kMenuCount) ? static_cast<MenuId>(index) : menu;
}

WindowState Win32Platform::State() {
    HWND hwnd = window_.Handle();
    if (IsIconic(hwnd)) return WindowState::Minimised;
    if (IsZoomed(hwnd)) return WindowState::Maximised;
    return WindowState::Normal;
}

void Win32Platform::SetState(WindowState state) {
    if (state == State()) return;
    switch (state) {
        case WindowState::Minimised: ShowWindow(window_.Handle(), SW_MINIMIZE); break;
        case WindowState::Maximised: ShowWindow(window_.Handle(), SW_MAXIMIZE); break;
        case WindowState::Normal: ShowWindow(window_.Handle(), SW_RESTORE); break;
    }
}

void Win32Platform::Show() { window_.ShowFirstOrAgain(); }

void Win32Platform::Hide() { ShowWindow(window_.Handle(), SW_HIDE); }

void Win32Platform::Refresh() {
    RedrawWindow(window_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win32Platform::BringToFront() { SetForegroundWindow(window_.Handle()); }

void Win32Platform::SetCaption(const std::string& caption) { SetWindowTextA(window_.Handle(), caption.c_str()); }

void Win32Platform::Unload() { window_.Close(); }

std::uint32_t Win32Platform::WindowHandle() { return To32(window_.Handle()); }

std::uint32_t Win32Platform::IconHandle() { return To32(window_.BigIcon()); }

float Win32Platform::TwipsPerPixelX() { return window_.TwipsPerPixel(); }

int Win32Platform::MsgBox(const std::string& prompt, BoxStyle style, const std::string& title) {
    HWND owner = window_.Handle();
    UINT flags = static_cast<UINT>(style);
    // Asked from the tray, the question must still come to the front.
    if (!owner || !IsWindowVisible(owner)) flags |= MB_SETFOREGROUND;
    InputGuard::QuestionOpens();
    return MessageBoxA(owner, prompt.c_str(), title.c_str(), flags);
}

// The menu's owner cancels its modes, the menu among them.
void Win32Platform::CloseMenu() { SendMessageA(window_.Handle(), WM_CANCELMODE, 0, 0); }

// The program's boxes belong to its one thread.
void Win32Platform::BringBoxToFront() { EnumThreadWindows(GetCurrentThreadId(), ToFrontIfBox, 0); }

bool Win32Platform::PrevInstance() { return single_.AnotherCopyRuns(); }

std::string Win32Platform::AppTitle() { return single_.Title(); }

void Win32Platform::SetAppTitle(const std::string& title) { single_.SetTitle(title); }

bool Win32Platform::AppActivate(const std::string& title) { return single_.Activate(title); }

std::string Win32Platform::CurDir() {
    char directory[MAX_PATH + 1] = "";
    const DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
    if (length == 0 || length >= sizeof directory) return std::string();
    return std::string(directory, length);
}

void Win32Platform::EndProcess() { ExitProcess(0); }

std::string Win32Platform::UpperCase(const std::string& text) {
    std::string result = text;
    if (!result.empty()) CharUpperBuffA(&result[0], static_cast<DWORD>(result.size()));
    return result;
}

std::string Win32Platform::LowerCase(const std::string& text) {
    std::string result = text;
    if (!result.empty()) CharLowerBuffA(&result[0], static_cast<DWORD>(result.size()));
    return result;
}

bool Win32Platform::IsLeadByte(char c) { return IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE; }

}  // namespace win32
}  // namespace quellar
