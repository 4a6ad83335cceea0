// The tray record as the shell reads it.
#pragma once

#include <cstdint>
#include <string>

namespace quellar {
namespace modSysTray {

// The first, 88-byte form of the shell's NOTIFYICONDATAA as 32-bit Windows
// lays it out. Handles are kept in 32 bits, which is all a window or icon
// handle ever uses, also on 64-bit Windows.
struct TrayIconRecord {
    std::uint32_t cbSize;
    std::uint32_t hWnd;
    std::uint32_t uID;
    std::uint32_t uFlags;
    std::uint32_t uCallbackMessage;
    std::uint32_t hIcon;
    char szTip[64];
};
static_assert(sizeof(TrayIconRecord) == 88, "the tray record is exactly 88 bytes");

// The tip is the text and one NUL, left-aligned and padded with blanks; a
// longer text is cut so that the NUL still fits.
void FillTip(TrayIconRecord& record, const std::string& text);

// The record for the program's one icon: identifier 1, with the window's
// mouse-move message (512) as its callback, the icon and the tip.
TrayIconRecord MakeTrayRecord(std::uint32_t window, std::uint32_t icon, const std::string& tip);

}  // namespace modSysTray
}  // namespace quellar
