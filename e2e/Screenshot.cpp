#include "e2e/Screenshot.h"

#include <algorithm>
#include <fstream>

#include "e2e/Handles.h"

namespace e2e {
namespace {

constexpr WORD kBmpMagic = 0x4D42;  // "BM"
constexpr WORD kBitsPerPixel = 32;

BITMAPINFOHEADER BottomUpHeader(int width, int height) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // positive: bottom row first, read by every tool
    header.biPlanes = 1;
    header.biBitCount = kBitsPerPixel;
    header.biCompression = BI_RGB;
    return header;
}

}  // namespace

Rgb Image::at(int x, int y) const {
    const std::uint32_t pixel = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                       static_cast<std::size_t>(x)];
    return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
            static_cast<std::uint8_t>(pixel)};
}

std::optional<Image> CaptureWindow(HWND hwnd) {
    RECT rect{};
    if (!GetWindowRect(hwnd, &rect)) return std::nullopt;
    Image image;
    image.width = rect.right - rect.left;
    image.height = rect.bottom - rect.top;
    if (image.width <= 0 || image.height <= 0) return std::nullopt;

    ScreenDc screen;
    UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), image.width, image.height));
    if (!memory || !bitmap) return std::nullopt;
    {
        SelectedObject selected(memory.get(), bitmap.get());
        if (!BitBlt(memory.get(), 0, 0, image.width, image.height, screen.get(), rect.left, rect.top, SRCCOPY))
            return std::nullopt;
    }
    BITMAPINFO info{};
    info.bmiHeader = BottomUpHeader(image.width, -image.height);  // ask for top row first
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    if (GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(image.height), image.pixels.data(), &info,
                  DIB_RGB_COLORS) != image.height)
        return std::nullopt;
    for (auto& pixel : image.pixels) pixel &= 0x00FFFFFF;
    return image;
}

Image Crop(const Image& image, const RECT& area) {
    const int left = std::clamp(static_cast<int>(area.left), 0, image.width);
    const int top = std::clamp(static_cast<int>(area.top), 0, image.height);
    const int right = std::clamp(static_cast<int>(area.right), left, image.width);
    const int bottom = std::clamp(static_cast<int>(area.bottom), top, image.height);
    Image part;
    part.width = right - left;
    part.height = bottom - top;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            part.pixels.push_back(image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                                               static_cast<std::size_t>(x)]);
    return part;
}

bool SaveBmp(const Image& image, const std::string& path) {
    const BITMAPINFOHEADER info = BottomUpHeader(image.width, image.height);
    const DWORD pixelBytes = static_cast<DWORD>(image.pixels.size() * sizeof(std::uint32_t));
    BITMAPFILEHEADER file{};
    file.bfType = kBmpMagic;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + pixelBytes;

    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = image.height - 1; y >= 0; --y)
        out.write(reinterpret_cast<const char*>(&image.pixels[static_cast<std::size_t>(y) *
                                                              static_cast<std::size_t>(image.width)]),
                  static_cast<std::streamsize>(image.width) * static_cast<std::streamsize>(sizeof(std::uint32_t)));
    return static_cast<bool>(out);
}

}  // namespace e2e
