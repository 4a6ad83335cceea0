#include "platform/win32/Link.h"

namespace quellar {
namespace win32 {

void DrawLink(const DRAWITEMSTRUCT& item) {
    constexpr COLORREF kLinkColour = RGB(0, 0, 255);
    char text[256] = "";
    GetWindowTextA(item.hwndItem, text, sizeof text);
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ old = SelectObject(item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, kLinkColour);
    RECT textArea = area;
    DrawTextA(item.hDC, text, -1, &textArea, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
    if (item.itemState & ODS_FOCUS) {
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
