#include "platform/win32/MenuOwner.h"

namespace quellar {
namespace win32 {
namespace {

// Posted to the owner and taken back at once; nobody handles it.
constexpr UINT kNow = WM_APP + 0x2000;

}  // namespace

MenuOwner::MenuOwner(POINT at, HWND main)
    : pixel_(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "STATIC", "", WS_POPUP, at.x, at.y, 1, 1, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr)),
      owner_(pixel_ ? pixel_ : main) {
    if (pixel_) ShowWindow(pixel_, SW_SHOWNA);
    // Wine hands the X keyboard focus over with the time of the thread's last
    // message, and the X server refuses a hand-over older than the click that
    // gave the focus to the tray: the shell's notification, a sent message,
    // leaves an older time. A message taken now makes it fresh.
    MSG now;
    if (PostMessageA(owner_, kNow, 0, 0)) PeekMessageA(&now, owner_, kNow, kNow, PM_REMOVE);
    SetForegroundWindow(owner_);
}

// It goes once what the menu chose has been done: a window the choice brings
// back (Restore) takes the activation from it first, so the program never
// loses the keyboard in between, and the keys it saw go down stay known as
// down (InputGuard.h); a held Enter's repeats must not press a button there.
MenuOwner::~MenuOwner() {
    if (pixel_) PostMessageA(pixel_, WM_CLOSE, 0, 0);
}

}  // namespace win32
}  // namespace quellar
