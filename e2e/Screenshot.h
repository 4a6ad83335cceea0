// Pictures of the program's window as it is on the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct Rgb {
    std::uint8_t red, green, blue;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
    Rgb at(int x, int y) const;
};

// Copies the screen area of the window (frame included). The window must
// be on top: whatever covers it is copied too.
std::optional<Image> CaptureWindow(HWND hwnd);
// Part of an image, clipped to it.
Image Crop(const Image& image, const RECT& area);
bool SaveBmp(const Image& image, const std::string& path);

}  // namespace e2e
