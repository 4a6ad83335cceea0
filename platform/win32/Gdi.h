// Scoped hold of the drawing state: each helper gives back, when it goes out
// of scope, what it took, so that no path forgets to.
#pragma once

#include <windows.h>

namespace quellar {
namespace win32 {

// A window's device context, or the screen's for no window.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() { ReleaseDC(window_, dc_); }
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A window's painting, between BeginPaint and EndPaint.
class Painting {
public:
    explicit Painting(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;
    ~Painting() { EndPaint(window_, &paint_); }
    operator HDC() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a device context; the one it replaced comes back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (old_) SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// The font a window draws its text in.
inline HGDIOBJ FontOf(HWND window) { return reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)); }

}  // namespace win32
}  // namespace quellar
