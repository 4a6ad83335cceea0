#include "platform/win32/Container.h"

#include "app/Layout.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/Identifiers.h"

namespace quellar {
namespace win32 {
namespace {

constexpr int kFontSlot = 0;  // the container's extra bytes hold its font

const ControlSpec* SpecOf(HWND hwnd) {
    return reinterpret_cast<const ControlSpec*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// The height of a line in the window's font.
int LineHeight(HDC dc, HWND hwnd) {
    const Selection font(dc, FontOf(hwnd));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return metrics.tmHeight;
}

// A frame is an etched rectangle, as a group box without a caption draws it.
void PaintFrame(HWND hwnd, HDC dc) {
    RECT rect;
    GetClientRect(hwnd, &rect);
    rect.top += LineHeight(dc, hwnd) / 2;
    DrawEdge(dc, &rect, EDGE_ETCHED, BF_RECT);
}

// The main window holding a container (GetAncestor is missing from Windows 95
// and from NT 4.0 before its fourth service pack).
HWND RootOf(HWND hwnd) {
    while (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) hwnd = GetParent(hwnd);
    return hwnd;
}

// 32 pixels at 96 dots per inch, as many more as the screen has.
void PaintIcon(HWND hwnd, HDC dc) {
    HICON icon = reinterpret_cast<HICON>(GetClassLongPtrA(RootOf(hwnd), GCLP_HICON));
    const int size = MulDiv(32, GetDeviceCaps(dc, LOGPIXELSX), 96);
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
}

void OnPaint(HWND hwnd) {
    const Painting dc(hwnd);
    const ControlSpec* row = SpecOf(hwnd);
    if (row && row->kind == ControlKind::Frame && row->border) PaintFrame(hwnd, dc);
    if (row && row->id == ControlId::Picture1) PaintIcon(hwnd, dc);
}

LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_PAINT: OnPaint(hwnd); return 0;
        // The window procedure keeps no font of its own: the frame's line is
        // placed by the dialog font's height, as a group box's is.
        case WM_SETFONT: SetWindowLongPtrA(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam)); return 0;
        case WM_GETFONT: return GetWindowLongPtrA(hwnd, kFontSlot);
        // Controls tell their direct parent; the main window handles them all.
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: return SendMessageA(RootOf(hwnd), message, wParam, lParam);
        case WM_SETCURSOR:
            // Links show the hand; the main window decides.
            if (SendMessageA(RootOf(hwnd), message, wParam, lParam)) return TRUE;
            break;
        default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterContainerClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ContainerProc;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ids::kContainerClass;
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace win32
}  // namespace quellar
