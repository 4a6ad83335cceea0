// What the window looks like: the letters its captions underline, its size,
// and whether every caption fits its control.
#include <algorithm>
#include <cstdlib>

#include "app/Layout.h"
#include "e2e/Run.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/Handles.h"

namespace e2e {

using quellar::win32::Font;
using quellar::win32::Selection;
using quellar::win32::WindowDC;

// The letters underlined in the captions of the window's buttons and boxes,
// which Alt works, sorted.
std::string Underlined(HWND main) {
    std::string letters;
    EnumChildWindows(
        main,
        [](HWND control, LPARAM found) {
            char name[16] = "";
            GetClassNameA(control, name, sizeof name);
            const std::string caption = Text(control);
            auto& letters = *reinterpret_cast<std::string*>(found);
            for (std::size_t at = caption.find('&'); lstrcmpiA(name, "Button") == 0 && at < caption.size() - 1;
                 at = caption.find('&', at + 2))
                if (caption[at + 1] != '&') letters += static_cast<char>(tolower(caption[at + 1]));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&letters));
    std::sort(letters.begin(), letters.end());
    return letters;
}

bool ClientSize(Run& run, int width, int height) {
    RECT client;
    GetClientRect(run.main(), &client);
    return run.Check(std::abs(client.right - width) <= 1 && std::abs(client.bottom - height) <= 1,
                     std::to_string(client.right) + "x" + std::to_string(client.bottom));
}

// Every caption, in the font the program is meant to ask for, within the room
// its control leaves for text: single lines by width, wrapped text by height.
// A check box's room is what its box (a menu check mark's size) and two edges
// leave; a button's, what its three edges leave.
bool CaptionsFit(Run& run, const std::string& face, int height) {
    const Font font(CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FF_SWISS, face.c_str()));
    const WindowDC dc(nullptr), window(run.main());
    const Selection selected(dc, font.get());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const LRESULT line = SendMessageA(run.control("lstAdvanced"), CB_GETITEMHEIGHT, 0, 0);
    bool fits = run.Check(line == metrics.tmHeight, "the program's lines are " + std::to_string(line) + " high");
    const int dpi = GetDeviceCaps(window, LOGPIXELSX), edge = GetSystemMetrics(SM_CXEDGE);
    for (std::size_t i = 0; i < quellar::kControlCount; ++i) {
        const quellar::ControlSpec& row = quellar::ControlTable()[i];
        const bool box = row.kind == quellar::ControlKind::CheckBox,
                   button = row.kind == quellar::ControlKind::CommandButton;
        if (!box && !button && row.kind != quellar::ControlKind::Label && row.kind != quellar::ControlKind::HyperLink)
            continue;
        RECT room, need{};
        GetClientRect(run.control(row.name), &room);
        room.right -= MulDiv(box ? GetSystemMetrics(SM_CXMENUCHECK) + 2 * edge : button ? 3 * edge : 0, dpi, 96);
        need.right = room.right;
        DrawTextA(dc, Text(run.control(row.name)).c_str(), -1, &need,
                  DT_CALCRECT | DT_NOPREFIX | (row.wordWrap ? DT_WORDBREAK : DT_SINGLELINE));
        fits = fits &&
               run.Check(need.right <= room.right && need.bottom <= room.bottom, std::string(row.name) + " is cut");
    }
    return fits;
}

}  // namespace e2e
