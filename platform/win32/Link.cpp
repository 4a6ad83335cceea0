#include "platform/win32/Link.h"

#include "app/Layout.h"

namespace quellar {
namespace win32 {
namespace {

// Blue on black would be unreadable in High Contrast Black: the scheme's
// colours are used there. The system gives no brush for a colour it lacks.
COLORREF LinkTextColour() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    const bool high = SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                      (contrast.dwFlags & HCF_HIGHCONTRASTON);
    switch (LinkColourFor(high, GetSysColorBrush(COLOR_HOTLIGHT) != nullptr)) {
        case LinkColour::SchemeLinks: return GetSysColor(COLOR_HOTLIGHT);
        case LinkColour::SchemeText: return GetSysColor(COLOR_BTNTEXT);
        case LinkColour::ClassicBlue: break;
    }
    return RGB(0, 0, 255);
}

}  // namespace

void DrawLink(const DRAWITEMSTRUCT& item) {
    char text[256] = "";
    GetWindowTextA(item.hwndItem, text, sizeof text);
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ old = SelectObject(item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, LinkTextColour());
    RECT textArea = area;
    DrawTextA(item.hDC, text, -1, &textArea, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
    // Until the keyboard is used, the system may hide focus rectangles.
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        // Around the text only, as far as the control allows.
        RECT focus = area;
        DrawTextA(item.hDC, text, -1, &focus, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        IntersectRect(&focus, &focus, &area);
        DrawFocusRect(item.hDC, &focus);
    }
    SelectObject(item.hDC, old);
}

}  // namespace win32
}  // namespace quellar
