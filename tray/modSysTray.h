// What every road to the tray icon shares: the record and the constants.
// (Kept apart from <windows.h>, which defines the same names as macros.)
#pragma once

#include <cstdint>

#include "tray/TrayRecord.h"

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

}  // namespace modSysTray
}  // namespace quellar
