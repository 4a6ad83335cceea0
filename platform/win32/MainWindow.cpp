#include "platform/win32/MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win32/Container.h"
#include "platform/win32/DialogFont.h"
#include "platform/win32/Shell32.h"
#include "resources/resource.h"

namespace quellar {
namespace win32 {
namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT_PTR kTimerId = 1;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr int kDropListHeight = 120;  // pixels of the combo's list below its field

int Index(ControlId id) { return static_cast<int>(id); }

// What the control a key goes to wants of the dialog keys.
LRESULT DialogCode(MSG& msg) {
    return SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
}

DWORD LabelStyle(const ControlSpec& row) {
    DWORD style = SS_NOPREFIX;
    if (row.tooltip || row.kind == ControlKind::HyperLink) style |= SS_NOTIFY;  // so it sees the mouse
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
        case ControlKind::Label:
        case ControlKind::HyperLink: return {"STATIC", LabelStyle(row), 0};
        case ControlKind::Timer: break;
    }
    return {nullptr, 0, 0};
}

// Milliseconds of a clock that only moves forward.
std::int64_t MonotonicMs() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const std::int64_t ticks = now.QuadPart;
    const std::int64_t perSecond = frequency.QuadPart;
    return ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond;
}

}  // namespace

bool MainWindow::Create(HINSTANCE instance, FormEvents& events) {
    events_ = &events;
    HDC screen = GetDC(nullptr);
    dpi_ = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);

    // Drawn at the resolution's size: 32 and 16 pixels at 96 dots per inch.
    const int big = MulDiv(32, dpi_, 96);
    const int small = MulDiv(16, dpi_, 96);
    bigIcon_.reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_QUELLAR), IMAGE_ICON, big, big, 0)));
    smallIcon_.reset(
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_QUELLAR), IMAGE_ICON, small, small, 0)));

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = bigIcon_.get();
    windowClass.hIconSm = smallIcon_.get();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ids::kMainClass;
    if (!RegisterClassExA(&windowClass) || !RegisterContainerClass(instance)) return false;
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");

    const FormSpec& form = Form();
    RECT frame = {0, 0, ToPixels(form.clientWidth), ToPixels(form.clientHeight)};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, WS_EX_CONTROLPARENT);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;

    hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT, ids::kMainClass, form.caption, kWindowStyle, left, top, width, height,
                            nullptr, nullptr, instance, this);
    if (!hwnd_) return false;
    CreateControls(instance);
    CreateTooltips(instance);
    CreatePopupMenu();
    return true;
}

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

void MainWindow::CreateTooltips(HINSTANCE instance) {
    HWND tips =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance, nullptr);
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

void MainWindow::ShowFirstOrAgain() {
    ShowWindow(hwnd_, SW_SHOW);
    if (shownBefore_) return;
    shownBefore_ = true;
    SetFocus(Control(ControlId::SSTabQuellar));
    // The first display is a resize, whether or not the system sent one.
    if (!resized_ && loaded_) events_->Form_Resize();
}

// The timer keeps to its schedule: each tick is armed for the next whole
// period since the start, so that lateness does not add up.
void MainWindow::SetInterval(int milliseconds) {
    if (milliseconds > 0) {
        SetTimer(hwnd_, kTimerId, static_cast<UINT>(ticks_.Start(MonotonicMs(), milliseconds)), nullptr);
    } else {
        KillTimer(hwnd_, kTimerId);
    }
}

void MainWindow::SetLinkTarget(ControlId link, const std::string& target) {
    linkTargets_[static_cast<std::size_t>(link)] = target;
}

void MainWindow::Close() {
    if (closing_) return;  // a second close while the first still asks
    closing_ = true;
    std::int16_t cancel = 0;
    events_->Form_Unload(cancel);
    closing_ = false;
    if (cancel == 0) DestroyWindow(hwnd_);
}

bool MainWindow::PreTranslate(MSG& msg) {
    if (!hwnd_ || !IsWindow(hwnd_) || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
    // Ctrl+Tab and Ctrl+Shift+Tab move between the tabs, as in property sheets.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        HWND tabs = Control(ControlId::SSTabQuellar);
        const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
        const int current = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
        const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
        SelectTab((current + step) % count);
        return true;
    }
    // A letter alone is not an access key: the dialog keys would take it as
    // one whenever the focused control takes no characters, so that one stray
    // key could reboot the workstation. Alt with the letter still works.
    if (msg.message == WM_CHAR && msg.wParam >= ' ' && !(DialogCode(msg) & (DLGC_WANTCHARS | DLGC_WANTMESSAGE))) {
        DispatchMessageA(&msg);
        return true;
    }
    // Enter presses the focused button, as Space does.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN &&
        (DialogCode(msg) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        SendMessageA(msg.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    return IsDialogMessageA(hwnd_, &msg) != FALSE;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: OnSize(); return 0;
        case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 0;
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_CTLCOLORSTATIC: return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
            break;
        case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
        case WM_TIMER:
            if (wParam == kTimerId) OnTimer();
            return 0;
        // Windows ends the session: let it, without a question.
        case WM_QUERYENDSESSION: return TRUE;
        case WM_ENDSESSION: OnEndSession(wParam != FALSE); return 0;
        case WM_CLOSE: Close(); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            return 0;
        default:
            if (message == taskbarCreated_ && taskbarCreated_ != 0) events_->Form_TaskbarCreated();
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

// Re-armed before the handler runs, which may disarm it.
void MainWindow::OnTimer() {
    SetTimer(hwnd_, kTimerId, static_cast<UINT>(ticks_.Tick(MonotonicMs())), nullptr);
    events_->OnTimer(ControlId::timCounter);
}

void MainWindow::OnEndSession(bool ending) {
    if (ending && loaded_) events_->Form_SessionEnd();
}

void MainWindow::OnSize() {
    resized_ = true;
    if (loaded_) events_->Form_Resize();
}

// Positions reach the form in twips, as every mouse position does; the tray's
// notifications ride in the x coordinate.
void MainWindow::OnMouseMove(WPARAM keys, LPARAM position) {
    std::int16_t button = 0;
    if (keys & MK_LBUTTON) button |= 1;
    if (keys & MK_RBUTTON) button |= 2;
    if (keys & MK_MBUTTON) button |= 4;
    std::int16_t shift = 0;
    if (keys & MK_SHIFT) shift |= 1;
    if (keys & MK_CONTROL) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    const float twips = TwipsPerPixel();
    events_->Form_MouseMove(button, shift, static_cast<float>(GET_X_LPARAM(position)) * twips,
                            static_cast<float>(GET_Y_LPARAM(position)) * twips);
}

ControlId MainWindow::FromCommandId(int id) const {
    const int index = id - ids::kFirstControl;
    if (index < 0 || index >= static_cast<int>(kControlCount)) return ControlId::None;
    return static_cast<ControlId>(index);
}

void MainWindow::OnCommand(int id, int code) {
    if (id >= ids::kFirstMenuItem && id < ids::kFirstMenuItem + static_cast<int>(kMenuCount)) {
        events_->OnMenu(static_cast<MenuId>(id - ids::kFirstMenuItem));
        return;
    }
    const ControlId control = FromCommandId(id);
    if (control == ControlId::None) return;  // IDOK and IDCANCEL from the dialog keys
    switch (Row(control).kind) {
        case ControlKind::CommandButton:
            if (code == BN_CLICKED) events_->OnClick(control);
            break;
        case ControlKind::ComboBox:
            if (code == CBN_SELCHANGE) {
                // The field still shows the old text: put the chosen item there first.
                HWND combo = Control(control);
                const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
                if (selected == CB_ERR) break;
                std::string text(static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, selected, 0)), '\0');
                SendMessageA(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(&text[0]));
                SetWindowTextA(combo, text.c_str());
                events_->OnClick(control);
            }
            break;
        case ControlKind::HyperLink: {
            const std::string& target = linkTargets_[static_cast<std::size_t>(control)];
            if (code == STN_CLICKED && !target.empty()) {
                OpenTarget(hwnd_, target.c_str());
            }
            break;
        }
        default: break;
    }
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == Control(ControlId::SSTabQuellar) && header.code == TCN_SELCHANGE) ShowSelectedPage();
    return 0;
}

LRESULT MainWindow::OnCtlColorStatic(HDC dc, HWND control) {
    LRESULT brush =
        DefWindowProcA(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    if (IsLink(control)) SetTextColor(dc, kLinkColour);
    return brush;
}

bool MainWindow::OnSetCursor(HWND under) {
    if (!IsLink(under)) return false;
    HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
    SetCursor(hand ? hand : LoadCursor(nullptr, IDC_ARROW));
    return true;
}

// Like a dialog, give the focus back to the control that had it, or to the
// tab strip, so that keys always reach a control.
void MainWindow::OnActivate(bool active) {
    HWND focus = GetFocus();
    if (!active) {
        if (focus && IsChild(hwnd_, focus)) focusBeforeDeactivation_ = focus;
        return;
    }
    HWND target = focusBeforeDeactivation_;
    if (!target || !IsChild(hwnd_, target) || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
        target = Control(ControlId::SSTabQuellar);
    }
    SetFocus(target);
}

bool MainWindow::IsLink(HWND control) const {
    return control && (control == Control(ControlId::HlblURL) || control == Control(ControlId::hypHelp));
}

void MainWindow::SelectTab(int index) {
    SendMessageA(Control(ControlId::SSTabQuellar), TCM_SETCURSEL, index, 0);
    ShowSelectedPage();
}

// Only the selected tab's controls are shown.
void MainWindow::ShowSelectedPage() {
    const int selected = static_cast<int>(SendMessageA(Control(ControlId::SSTabQuellar), TCM_GETCURSEL, 0, 0));
    HWND focus = GetFocus();
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = ControlTable()[i];
        if (row.tabPage < 0) continue;
        const bool show = row.tabPage == selected;
        if (!show && focus && (focus == controls_[i] || IsChild(controls_[i], focus))) {
            SetFocus(Control(ControlId::SSTabQuellar));
        }
        ShowWindow(controls_[i], show ? SW_SHOWNA : SW_HIDE);
    }
}

}  // namespace win32
}  // namespace quellar
