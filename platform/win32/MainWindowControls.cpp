// The window made from the control table: every control with its class,
// place, text and state, the tooltips and the hidden tray menu.
#include "platform/win32/MainWindow.h"

#include <commctrl.h>

#include "platform/win32/Container.h"
#include "platform/win32/DialogFont.h"
#include "platform/win32/Identifiers.h"

namespace quellar {
namespace win32 {
namespace {

constexpr int kDropListHeight = 120;  // pixels of the combo's list below its field

int Index(ControlId id) { return static_cast<int>(id); }

DWORD LabelStyle(const ControlSpec& row) {
    DWORD style = SS_NOPREFIX;
    if (row.tooltip) style |= SS_NOTIFY;  // so that it sees the mouse
    switch (row.align) {
        case Align::Centre: return style | SS_CENTER;
        case Align::Right: return style | SS_RIGHT;
        case Align::Left: return style | (row.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
    }
    return style;
}

struct ControlClass {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassFor(const ControlSpec& row) {
    switch (row.kind) {
        case ControlKind::TabStrip: return {WC_TABCONTROLA, WS_TABSTOP | WS_CLIPSIBLINGS, 0};
        case ControlKind::PictureBox:
        case ControlKind::Frame:
            return {ids::kContainerClass, WS_CLIPCHILDREN,
                    static_cast<DWORD>(WS_EX_CONTROLPARENT |
                                       (row.kind == ControlKind::PictureBox && row.border ? WS_EX_CLIENTEDGE : 0))};
        case ControlKind::CommandButton: return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::CheckBox: return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case ControlKind::TextBox: return {"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ComboBox: return {"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
        case ControlKind::Label: return {"STATIC", LabelStyle(row), 0};
        case ControlKind::HyperLink: return {"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0};
        case ControlKind::Timer: break;
    }
    return {nullptr, 0, 0};
}

}  // namespace

void MainWindow::CreateControls(HINSTANCE instance) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = ControlTable()[i];
        if (row.kind == ControlKind::Timer) continue;
        HWND control = CreateControl(instance, row);
        // A new child goes beneath its siblings, so the table order becomes
        // the stacking order, which is the order Tab follows.
        controls_[i] = control;
        // A drop-down combo does not take its text from the window's name.
        if (row.kind == ControlKind::ComboBox) SetWindowTextA(control, row.text);
    }
    HWND tabs = Control(ControlId::SSTabQuellar);
    for (int i = 0; i < 3; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(Form().tabCaptions[i]);
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    // The tab strip lies beneath its pages, which are its siblings.
    SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(Control(ControlId::txtCounter), EM_LIMITTEXT, Row(ControlId::txtCounter).maxLength, 0);
    font_.reset(ChooseDialogFont(dpi_, hwnd_, controls_.data()));
    for (HWND control : controls_) {
        if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (ControlTable()[i].url) linkTargets_[i] = ControlTable()[i].url;
    }
    ShowSelectedPage();
}

HWND MainWindow::CreateControl(HINSTANCE instance, const ControlSpec& row) {
    // Children of the tab strip are made its siblings, placed over it.
    HWND parent = hwnd_;
    int left = ToPixels(row.place.left);
    int top = ToPixels(row.place.top);
    if (row.container == ControlId::SSTabQuellar) {
        const ControlSpec& tabs = Row(ControlId::SSTabQuellar);
        left += ToPixels(tabs.place.left);
        top += ToPixels(tabs.place.top);
    } else if (row.container != ControlId::None) {
        parent = Control(row.container);
    }
    int height = ToPixels(row.place.height);
    if (row.kind == ControlKind::ComboBox) height += kDropListHeight;

    const ControlClass cls = ClassFor(row);
    const DWORD style = WS_CHILD | WS_VISIBLE | cls.style | (row.enabled ? 0 : WS_DISABLED);
    HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::Control(Index(row.id))));
    return CreateWindowExA(cls.exStyle, cls.className, row.text, style, left, top, ToPixels(row.place.width), height,
                           parent, id, instance, const_cast<ControlSpec*>(&row));
}

void MainWindow::CreateTooltips() {
    tipsMade_ = true;
    HWND tips =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = ControlTable()[i];
        if (!row.tooltip) continue;
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;  // common controls before version 6 refuse the newer size
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(controls_[i]);
        tool.lpszText = const_cast<char*>(row.tooltip);
        SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The hidden "&SysTray" menu: only its items exist, shown as a pop-up.
void MainWindow::CreatePopupMenu() {
    popup_.reset(::CreatePopupMenu());
    for (std::size_t i = 1; i < kMenuCount; ++i) {
        const MenuSpec& item = MenuTable()[i];
        const bool separator = std::string(item.caption) == "-";
        AppendMenuA(popup_.get(), separator ? MF_SEPARATOR : MF_STRING, ids::MenuItem(static_cast<int>(i)),
                    separator ? nullptr : item.caption);
    }
}

}  // namespace win32
}  // namespace quellar
