#!/usr/bin/env bash
# The release loads on every Windows it names only if it imports nothing
# those systems lack and asks for no newer subsystem than 4.0. Every imported
# function must be on this list, under the oldest Windows that exports it;
# newer ones are looked up at run time, with a fallback.
# usage: imports-test.sh I686_QUELLAR_EXE
set -euo pipefail
allowed='
kernel32 (95): CloseHandle CreateMutexA DeleteCriticalSection EnterCriticalSection ExitProcess FormatMessageA FreeLibrary
  GetComputerNameA GetCurrentDirectoryA GetCurrentProcess GetCurrentProcessId GetCurrentThreadId GetLastError
  GetModuleHandleA GetProcAddress GetStartupInfoA GetTickCount GetVersion GetVersionExA InitializeCriticalSection
  IsDBCSLeadByte LeaveCriticalSection LoadLibraryA MulDiv MultiByteToWideChar QueryPerformanceCounter QueryPerformanceFrequency ReleaseSemaphore
  SetLastError SetUnhandledExceptionFilter Sleep TlsAlloc TlsFree TlsGetValue TlsSetValue VirtualProtect
  VirtualQuery WaitForSingleObject lstrcmpA lstrcmpiA
advapi32 (95): GetUserNameA RegCloseKey RegCreateKeyExA RegDeleteValueA RegOpenKeyExA RegQueryValueExA RegSetValueExA
user32 (95): AdjustWindowRectEx AppendMenuA BeginPaint CallNextHookEx CharLowerBuffA CharUpperBuffA CheckMenuItem CreatePopupMenu
  CreateWindowExA DefWindowProcA DestroyIcon DestroyMenu DestroyWindow DispatchMessageA DrawEdge DrawFocusRect
  DrawIconEx DrawTextA EnableWindow EndPaint EnumThreadWindows EnumWindows ExitWindowsEx FillRect GetClassLongA
  GetClassNameA GetClientRect GetCursorPos GetDC GetDoubleClickTime GetFocus GetKeyState GetMenuState GetMessageA GetNextDlgTabItem GetParent GetSysColor GetSysColorBrush GetSystemMetrics GetWindow GetWindowLongA
  GetWindowTextA GetWindowTextLengthA GetWindowThreadProcessId IntersectRect IsChild IsDialogMessageA IsIconic IsWindow
  IsWindowEnabled IsWindowVisible IsZoomed KillTimer LoadCursorA LoadImageA MessageBoxA PostMessageA
  PeekMessageA PostQuitMessage RedrawWindow RegisterClassA RegisterClassExA RegisterWindowMessageA ReleaseDC SendMessageA
  SetCursor SetFocus SetForegroundWindow SetMenuItemInfoA SetTimer SetWindowLongA SetWindowPos SetWindowTextA
  SetWindowsHookExA ShowWindow SystemParametersInfoA TrackPopupMenu TranslateMessage UnhookWindowsHookEx
gdi32 (95): CreateFontA DeleteObject GetDeviceCaps GetTextFaceA GetTextMetricsA SelectObject SetBkMode SetTextColor
comctl32 (95 with common controls 4.70, from Internet Explorer 3): InitCommonControlsEx
msvcrt (95 with the C runtime msvcrt.dll): __getmainargs __initenv __p__acmdln __p__commode __p__fmode
  __set_app_type __setusermatherr _amsg_exit _cexit _initterm _iob _onexit abort calloc exit fprintf free fwrite
  malloc memchr memcmp memcpy memmove memset realloc signal strcmp strlen strncmp toupper vfprintf
'
# "dll function" for every allowed function, and for every import.
list=$(awk '/^[a-z]/ { dll = $1; sub(/^[^)]*\): */, "") } { for (i = 1; i <= NF; i++) print dll, $i }' <<<"$allowed")
imports=$(i686-w64-mingw32-objdump -p "$1" |
    awk '/DLL Name:/ { dll = tolower($3); sub(/\.dll$/, "", dll) } /^\t[0-9a-f]+\t +[0-9]+  / { print dll, $3 }')
[[ -n $imports ]] || { echo "no imports read from $1" >&2; exit 1; }
unlisted=$(comm -23 <(sort -u <<<"$imports") <(sort -u <<<"$list"))
subsystem=$(i686-w64-mingw32-objdump -p "$1" | awk '/MajorSubsystemVersion/ { a = $2 } /MinorSubsystemVersion/ { b = $2 } END { print a "." b }')
echo "$(wc -l <<<"$imports") imported functions; subsystem version $subsystem"
[[ -z $unlisted ]] || { echo "imports that the oldest systems lack:"; echo "$unlisted"; }
[[ -z $unlisted && $subsystem == 4.0 ]]
