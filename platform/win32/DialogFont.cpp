#include "platform/win32/DialogFont.h"

#include "app/Layout.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/Handles.h"

namespace quellar {
namespace win32 {
namespace {

constexpr const char* kBitmapFace = "MS Sans Serif";
constexpr const char* kTrueTypeFace = "Microsoft Sans Serif";
constexpr int kSmallestHeight = 6;

HFONT CreateFace(const char* face, int height) {
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

// True when the font selected into dc is the named face at this em height.
bool IsFaceAtHeight(HDC dc, const char* face, int emHeight) {
    char actual[LF_FACESIZE] = "";
    TEXTMETRICA metrics{};
    return GetTextFaceA(dc, sizeof actual, actual) && lstrcmpiA(actual, face) == 0 && GetTextMetricsA(dc, &metrics) &&
           metrics.tmHeight - metrics.tmInternalLeading == emHeight;
}

// The caption, in the font selected into dc, within the room its control
// leaves for text: single lines by width, wrapped text by height. Read from
// the table: the controls of the tabs not shown are made later, and the
// captioned kinds have no border, so their room is their place.
bool CaptionFits(HDC dc, const ControlSpec& row, int dpi) {
    RECT room = {0, 0, MulDiv(row.place.width, dpi, kTwipsPerInch), MulDiv(row.place.height, dpi, kTwipsPerInch)};
    UINT format = DT_CALCRECT | DT_SINGLELINE;
    switch (row.kind) {
        case ControlKind::Label:
        case ControlKind::HyperLink:
            format = DT_CALCRECT | DT_NOPREFIX | (row.wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
            break;
        case ControlKind::CommandButton: room.right -= MulDiv(6, dpi, 96); break;  // the raised edge
        case ControlKind::CheckBox: room.right -= MulDiv(17, dpi, 96); break;      // the box and the gap after it
        default: return true;
    }
    RECT need = {0, 0, room.right, 0};
    DrawTextA(dc, row.text, -1, &need, format);
    return need.right <= room.right && (!(format & DT_WORDBREAK) || need.bottom <= room.bottom);
}

bool CaptionsFit(HDC dc, int dpi) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (!CaptionFits(dc, ControlTable()[i], dpi)) return false;
    }
    return true;
}

}  // namespace

HFONT ChooseDialogFont(int dpi, HWND window) {
    const int height = -MulDiv(33, dpi, 72 * 4);  // 8.25 points
    const WindowDC dc(window);
    Font font(CreateFace(kBitmapFace, height));
    {
        const Selection selected(dc, font.get());
        if (IsFaceAtHeight(dc, kBitmapFace, -height)) return font.release();
    }
    for (int h = height;; ++h) {
        font.reset(CreateFace(kTrueTypeFace, h));
        const Selection selected(dc, font.get());
        if (-h <= kSmallestHeight || CaptionsFit(dc, dpi)) return font.release();
    }
}

}  // namespace win32
}  // namespace quellar
