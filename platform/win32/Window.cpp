// The main window as a whole, over Win32.
#include "platform/win32/Win32Ports.h"

namespace quellar {
namespace win32 {

WindowState Win32Window::State() {
    HWND hwnd = window_.Handle();
    if (IsIconic(hwnd)) return WindowState::Minimised;
    if (IsZoomed(hwnd)) return WindowState::Maximised;
    return WindowState::Normal;
}

void Win32Window::SetState(WindowState state) {
    if (state == State()) return;
    switch (state) {
        case WindowState::Minimised: ShowWindow(window_.Handle(), SW_MINIMIZE); break;
        case WindowState::Maximised: ShowWindow(window_.Handle(), SW_MAXIMIZE); break;
        case WindowState::Normal: ShowWindow(window_.Handle(), SW_RESTORE); break;
    }
}

void Win32Window::Show() { window_.ShowFirstOrAgain(); }

void Win32Window::Hide() { ShowWindow(window_.Handle(), SW_HIDE); }

void Win32Window::Refresh() {
    RedrawWindow(window_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win32Window::BringToFront() { SetForegroundWindow(window_.Handle()); }

void Win32Window::SetCaption(const std::string& caption) { SetWindowTextA(window_.Handle(), caption.c_str()); }

void Win32Window::Close() { window_.Close(); }

float Win32Window::TwipsPerPixelX() { return window_.TwipsPerPixel(); }

}  // namespace win32
}  // namespace quellar
