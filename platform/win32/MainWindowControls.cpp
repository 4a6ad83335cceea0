// The window made from the control table: every control with its class,
// place, text and state, each tab's controls made when first needed, the
// tooltips when the pointer first comes, and the hidden tray menu.
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

// The tab whose page holds the control, or -1 for the tab strip and timers
// outside the pages.
int PageOf(const ControlSpec& row) {
    const ControlSpec* at = &row;
    while (at->container != ControlId::None && at->container != ControlId::SSTabQuellar) at = &Row(at->container);
    return at->tabPage;
}

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

// The tab strip first, then the controls of its first tab; the other tabs'
// controls are made when first needed (MakePage).
void MainWindow::CreateControls() {
    HWND tabs = CreateControl(Row(ControlId::SSTabQuellar));
    controls_[Index(ControlId::SSTabQuellar)] = tabs;
    for (int i = 0; i < kTabCount; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(Form().tabCaptions[i]);
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    font_.reset(ChooseDialogFont(dpi_, hwnd_));
    SendMessageA(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (ControlTable()[i].url) linkTargets_[i] = ControlTable()[i].url;
    }
    ShowSelectedPage();
}

// Whoever reads or sets a control of a tab not shown yet (the form, at start
// or later) finds it made, with all its tab, as it would have been at start.
HWND MainWindow::Control(ControlId id) {
    const int page = PageOf(Row(id));
    if (page >= 0 && !pageMade_[static_cast<std::size_t>(page)] && hwnd_) MakePage(page);
    return Made(id);
}

// A tab's controls, hidden until it is selected. A new child goes beneath its
// siblings, so the table order becomes the stacking order, which is the order
// Tab follows; the tab strip lies beneath its pages, which are its siblings.
void MainWindow::MakePage(int page) {
    pageMade_[static_cast<std::size_t>(page)] = true;
    HWND tabs = Made(ControlId::SSTabQuellar);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = ControlTable()[i];
        if (row.kind == ControlKind::Timer || PageOf(row) != page) continue;
        HWND control = CreateControl(row);
        controls_[i] = control;
        if (row.tabPage >= 0) {
            HWND above = GetWindow(tabs, GW_HWNDPREV);
            SetWindowPos(control, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        // A drop-down combo does not take its text from the window's name.
        if (row.kind == ControlKind::ComboBox) SetWindowTextA(control, row.text);
        if (row.maxLength > 0) SendMessageA(control, EM_LIMITTEXT, row.maxLength, 0);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        if (tips_ && row.tooltip) AddTooltip(i);
    }
}

// Only the selected tab's controls are shown.
void MainWindow::ShowSelectedPage() {
    const int selected = static_cast<int>(SendMessageA(Made(ControlId::SSTabQuellar), TCM_GETCURSEL, 0, 0));
    if (selected >= 0 && selected < kTabCount && !pageMade_[static_cast<std::size_t>(selected)]) MakePage(selected);
    HWND focus = GetFocus();
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = ControlTable()[i];
        if (row.tabPage < 0 || !controls_[i]) continue;
        const bool show = row.tabPage == selected;
        if (!show && focus && (focus == controls_[i] || IsChild(controls_[i], focus))) {
            SetFocus(Made(ControlId::SSTabQuellar));
        }
        ShowWindow(controls_[i], show ? SW_SHOWNA : SW_HIDE);
    }
}

HWND MainWindow::CreateControl(const ControlSpec& row) {
    // Children of the tab strip are made its siblings, placed over it.
    HWND parent = hwnd_;
    int left = ToPixels(row.place.left);
    int top = ToPixels(row.place.top);
    if (row.container == ControlId::SSTabQuellar) {
        const ControlSpec& tabs = Row(ControlId::SSTabQuellar);
        left += ToPixels(tabs.place.left);
        top += ToPixels(tabs.place.top);
    } else if (row.container != ControlId::None) {
        parent = Made(row.container);
    }
    int height = ToPixels(row.place.height);
    if (row.kind == ControlKind::ComboBox) height += kDropListHeight;

    // A tab's page shows once it is selected (ShowSelectedPage).
    const ControlClass cls = ClassFor(row);
    const DWORD style = WS_CHILD | (row.tabPage >= 0 ? 0 : WS_VISIBLE) | cls.style | (row.enabled ? 0 : WS_DISABLED);
    HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::Control(Index(row.id))));
    return CreateWindowExA(cls.exStyle, cls.className, row.text, style, left, top, ToPixels(row.place.width), height,
                           parent, id, instance_, const_cast<ControlSpec*>(&row));
}

void MainWindow::CreateTooltips() {
    tipsMade_ = true;
    tips_ =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (ControlTable()[i].tooltip && controls_[i]) AddTooltip(i);
    }
}

void MainWindow::AddTooltip(std::size_t i) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;  // common controls before version 6 refuse the newer size
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(controls_[i]);
    tool.lpszText = const_cast<char*>(ControlTable()[i].tooltip);
    SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
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
