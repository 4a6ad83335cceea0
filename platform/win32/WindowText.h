// A window's text, whatever its length: the one way the program reads a
// caption, a control's text or another copy's title.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace quellar {
namespace win32 {

inline std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace win32
}  // namespace quellar
