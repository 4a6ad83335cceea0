// The two shell functions the program uses, from shell32 loaded at first
// use: the library brings much of the shell with it, which would slow every
// start, while the program needs it only for the tray icon and the links.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace quellar {
namespace win32 {

BOOL NotifyIcon(DWORD message, NOTIFYICONDATAA* data);
void OpenTarget(HWND owner, const char* target);

}  // namespace win32
}  // namespace quellar
