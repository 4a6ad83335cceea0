#include "platform/win32/Link.h"

#include "app/Layout.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/WindowText.h"

namespace quellar {
namespace win32 {
namespace {

// The system gives no brush for a colour it lacks.
COLORREF LinkTextColour() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    const bool high = SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                      (contrast.dwFlags & HCF_HIGHCONTRASTON);
    return LinkColour(
        {high, GetSysColorBrush(COLOR_HOTLIGHT) != nullptr, GetSysColor(COLOR_HOTLIGHT), GetSysColor(COLOR_BTNTEXT)});
}

}  // namespace

void DrawLink(const DRAWITEMSTRUCT& item) {
    const std::string caption = WindowText(item.hwndItem);
    const char* text = caption.c_str();
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
    const Selection font(item.hDC, FontOf(item.hwndItem));
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
}

}  // namespace win32
}  // namespace quellar
