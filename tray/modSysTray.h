// The tray record and its constants, shared by every road to the tray icon.
#pragma once

#include <cstdint>
#include <string>

namespace quellar {
namespace modSysTray {

constexpr std::uint32_t NIM_ADD = 0;
constexpr std::uint32_t NIM_MODIFY = 1;  // never used: the icon is only deleted and added whole
constexpr std::uint32_t NIM_DELETE = 2;
constexpr std::uint32_t NIF_MESSAGE = 1;
constexpr std::uint32_t NIF_ICON = 2;
constexpr std::uint32_t NIF_TIP = 4;
constexpr std::uint32_t WM_MOUSEMOVE = 512;
constexpr std::uint32_t WM_LBUTTONDBLCLK = 515;
constexpr std::uint32_t WM_RBUTTONUP = 517;

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

}  // namespace modSysTray
}  // namespace quellar
