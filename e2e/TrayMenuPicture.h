// The tray menu read from its picture. The open menu (#32768) belongs to the
// program, and its HMENU cannot be read from another process, so the driver
// draws each caption as the menu does (menu font and colours, "&" as an
// underline) and looks for exactly those pixels; a check mark is ink to the
// left of a caption, a separator a line across the menu between two.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include "e2e/Handles.h"
#include "e2e/Screenshot.h"

namespace e2e {

// The caption as the menu draws it on its own background.
inline std::optional<Image> DrawnMenuCaption(const std::string& caption) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return std::nullopt;
    struct FontDeleter {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    const std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> font(CreateFontIndirectA(&metrics.lfMenuFont));
    ScreenDc screen;
    UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    if (!font || !memory) return std::nullopt;
    SelectedObject fontChoice(memory.get(), font.get());
    RECT area{0, 0, 0, 0};
    DrawTextA(memory.get(), caption.c_str(), -1, &area, DT_SINGLELINE | DT_CALCRECT);
    Image image;
    image.width = area.right;
    image.height = area.bottom;
    if (image.width <= 0 || image.height <= 0) return std::nullopt;
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), image.width, image.height));
    if (!bitmap) return std::nullopt;
    {
        SelectedObject canvas(memory.get(), bitmap.get());
        FillRect(memory.get(), &area, GetSysColorBrush(COLOR_MENU));
        SetBkMode(memory.get(), TRANSPARENT);
        SetTextColor(memory.get(), GetSysColor(COLOR_MENUTEXT));
        DrawTextA(memory.get(), caption.c_str(), -1, &area, DT_SINGLELINE | DT_LEFT | DT_TOP);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    if (GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(image.height), image.pixels.data(), &info,
                  DIB_RGB_COLORS) != image.height)
        return std::nullopt;
    for (auto& pixel : image.pixels) pixel &= 0x00FFFFFF;
    return image;
}

struct MenuLine {
    RECT caption;  // in the picture
    bool checked;
};

class MenuPicture {
public:
    explicit MenuPicture(HWND menu) : picture_(CaptureWindow(menu)) {
        const COLORREF background = GetSysColor(COLOR_MENU);
        background_ = (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
    }
    bool ok() const { return picture_.has_value(); }

    // Where the caption is drawn and whether a mark stands before it;
    // nullopt unless it is drawn exactly once.
    std::optional<MenuLine> find(const std::string& caption) const {
        const auto drawn = DrawnMenuCaption(caption);
        if (!picture_ || !drawn) return std::nullopt;
        std::optional<RECT> found;
        for (int y = 0; y + drawn->height <= picture_->height; ++y) {
            for (int x = 0; x + drawn->width <= picture_->width; ++x) {
                if (!matches(*drawn, x, y)) continue;
                if (found) return std::nullopt;
                found = RECT{x, y, x + drawn->width, y + drawn->height};
            }
        }
        if (!found) return std::nullopt;
        return MenuLine{*found, inkIn({insideFrame(found->top), found->top, found->left - 1, found->bottom}) > 0};
    }

    // A line across most of the menu somewhere between the two rows.
    bool separatorBetween(int fromY, int toY) const {
        constexpr int kMostPercent = 80;
        for (int y = fromY; y < toY; ++y) {
            const int ink = inkIn({0, y, picture_->width, y + 1});
            if (ink * 100 >= picture_->width * kMostPercent) return true;
        }
        return false;
    }

private:
    bool matches(const Image& drawn, int left, int top) const {
        for (int y = 0; y < drawn.height; ++y) {
            const std::size_t row = static_cast<std::size_t>(top + y) * static_cast<std::size_t>(picture_->width);
            for (int x = 0; x < drawn.width; ++x) {
                if (picture_->pixels[row + static_cast<std::size_t>(left + x)] !=
                    drawn.pixels[static_cast<std::size_t>(y * drawn.width + x)])
                    return false;
            }
        }
        return true;
    }

    // The first pixel of the menu's own colour from the left on that row:
    // the mark's column starts there, inside the menu's frame.
    int insideFrame(int y) const {
        for (int x = 0; x < picture_->width; ++x)
            if (picture_->pixels[static_cast<std::size_t>(y * picture_->width + x)] == background_) return x;
        return picture_->width;
    }

    // Pixels of another colour than the menu's own within the area.
    int inkIn(const RECT& area) const {
        int ink = 0;
        for (int y = std::max(0L, area.top); y < std::min<long>(picture_->height, area.bottom); ++y)
            for (int x = std::max(0L, area.left); x < std::min<long>(picture_->width, area.right); ++x)
                ink += picture_->pixels[static_cast<std::size_t>(y * picture_->width + x)] != background_ ? 1 : 0;
        return ink;
    }

    std::optional<Image> picture_;
    std::uint32_t background_ = 0;
};

}  // namespace e2e
