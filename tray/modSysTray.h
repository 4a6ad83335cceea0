// The mouse messages of the tray icon that the program answers.
// (Kept apart from <windows.h>, which defines the same names as macros.)
#pragma once

#include <cstdint>

namespace quellar {
namespace modSysTray {

constexpr std::uint32_t WM_LBUTTONDBLCLK = 515;
constexpr std::uint32_t WM_RBUTTONUP = 517;

}  // namespace modSysTray
}  // namespace quellar
