// The tray icon over Win32: the shell's notification icon.
#include <cstring>

#include "platform/win32/Handles.h"
#include "platform/win32/Shell32.h"
#include "platform/win32/Win32Ports.h"

namespace quellar {
namespace win32 {
namespace {

// Checked where the 32-bit release is compiled, whatever host builds it.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88, "the first form is 88 bytes on 32-bit Windows");

// The shell gets its own record, filled field by field: on 64-bit Windows its
// handles are wider than the program's 88-byte record.
NOTIFYICONDATAA ToNative(const modSysTray::TrayIconRecord& record) {
    NOTIFYICONDATAA native{};
    native.cbSize = record.cbSize == sizeof record ? NOTIFYICONDATAA_V1_SIZE : record.cbSize;
    native.hWnd = From32<HWND>(record.hWnd);
    native.uID = record.uID;
    native.uFlags = record.uFlags;
    native.uCallbackMessage = record.uCallbackMessage;
    native.hIcon = From32<HICON>(record.hIcon);
    std::memcpy(native.szTip, record.szTip, sizeof record.szTip);
    return native;
}

}  // namespace

// The tip is the About tab's title, which nothing changes: read from the
// table, since that tab's controls are made only when needed. Filled before
// the first show: a shortcut set to "Run: Minimized" makes that show a
// minimise, which adds the icon.
void Win32TrayIcon::FillRecord() {
    gudtTrayIcon =
        modSysTray::MakeTrayRecord(To32(window_.Handle()), To32(window_.BigIcon()), Row(ControlId::lblTitle).text);
}

// The shell also refuses to add an icon it shows already (a TaskbarCreated
// that another program sent, say): a change to it is accepted exactly when
// it is there.
bool Win32TrayIcon::Add() {
    offered_ = true;
    NOTIFYICONDATAA native = ToNative(gudtTrayIcon);
    return NotifyIcon(NIM_ADD, &native) || NotifyIcon(NIM_MODIFY, &native);
}

// Every resize deletes the icon, the first show too. Until an icon has been
// offered the shell holds none of this window's, and a start need not load
// shell32 (a large library) to be told so. An offer the shell answered with
// a failure may still have added it: that icon is deleted.
void Win32TrayIcon::Delete() {
    if (!offered_) return;
    NOTIFYICONDATAA native = ToNative(gudtTrayIcon);
    NotifyIcon(NIM_DELETE, &native);
}

}  // namespace win32
}  // namespace quellar
