#include "platform/win32/MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win32/Container.h"
#include "platform/win32/Exports.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/Identifiers.h"
#include "platform/win32/InputGuard.h"
#include "platform/win32/Link.h"
#include "platform/win32/Shell32.h"
#include "platform/win32/Timers.h"
#include "resources/resource.h"

namespace quellar {
namespace win32 {
namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// What the control a key goes to wants of the dialog keys.
LRESULT DialogCode(MSG& msg) {
    return SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
}

// The icon's frame of this size; where Windows cannot read it (the PNG frames
// before Vista), the frame of the usual size, stretched.
HICON IconOfSize(HINSTANCE instance, int size, int usual) {
    for (int wanted : {size, usual}) {
        if (HANDLE icon = LoadImageA(instance, MAKEINTRESOURCEA(IDI_QUELLAR), IMAGE_ICON, wanted, wanted, 0)) {
            return static_cast<HICON>(icon);
        }
    }
    return nullptr;
}

// Run as administrator on Vista and later, the program hears from the
// shell's Explorer, which runs at the user's level, only the messages it lets
// through; without TaskbarCreated its icon would not come back after Explorer
// restarts. Looked up: older systems lack the filter and need nothing.
void LetThrough(HWND hwnd, UINT message) {
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    if (const auto allowFor = Export<decltype(&::ChangeWindowMessageFilterEx)>(user32, "ChangeWindowMessageFilterEx")) {
        allowFor(hwnd, message, MSGFLT_ALLOW, nullptr);
    } else if (const auto allow = Export<decltype(&::ChangeWindowMessageFilter)>(user32, "ChangeWindowMessageFilter")) {
        allow(message, MSGFLT_ADD);
    }
}

}  // namespace

void MainWindow::ChooseIcons(HINSTANCE instance) {
    dpi_ = GetDeviceCaps(WindowDC(nullptr), LOGPIXELSX);
    // Drawn at the resolution's size: 32 and 16 pixels at 96 dots per inch.
    bigIcon_.reset(IconOfSize(instance, MulDiv(32, dpi_, 96), 32));
    smallIcon_.reset(IconOfSize(instance, MulDiv(16, dpi_, 96), 16));
}

bool MainWindow::RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = bigIcon_.get();
    windowClass.hIconSm = smallIcon_.get();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ids::kMainClass;
    return RegisterClassExA(&windowClass) && RegisterContainerClass(instance);
}

// The window's frame for the form's client size, in the middle of the work area.
RECT MainWindow::CentredFrame() const {
    RECT frame = {0, 0, ToPixels(Form().clientWidth), ToPixels(Form().clientHeight)};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, WS_EX_CONTROLPARENT);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    return {left, top, left + width, top + height};
}

bool MainWindow::Create(HINSTANCE instance, FormEvents& events, Win32Timers& timers) {
    instance_ = instance;
    events_ = &events;
    timers_ = &timers;
    ChooseIcons(instance);
    if (!RegisterClasses(instance)) return false;
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    const RECT frame = CentredFrame();
    hwnd_ = CreateWindowExA(WS_EX_CONTROLPARENT, ids::kMainClass, Form().caption, kWindowStyle, frame.left, frame.top,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, this);
    if (!hwnd_) return false;
    LetThrough(hwnd_, taskbarCreated_);
    CreateControls();
    CreatePopupMenu();
    return true;
}

// A minimised window shows as its taskbar button and leaves the keyboard
// where it is: its controls cannot be seen, so no key may reach them.
void MainWindow::ShowFirstOrAgain() {
    const bool first = !shownBefore_;
    shownBefore_ = true;
    ShowWindow(hwnd_, !first && IsIconic(hwnd_) ? SW_SHOWMINNOACTIVE : SW_SHOW);
    if (!first) return;
    SetFocus(Control(ControlId::SSTabQuellar));
    // The first display is a resize, whether or not the system sent one.
    if (!resized_ && loaded_) events_->Form_Resize();
}

void MainWindow::SetLinkTarget(ControlId link, const std::string& target) {
    linkTargets_[static_cast<std::size_t>(link)] = target;
}

void MainWindow::Close() {
    std::int16_t cancel = 0;
    events_->Form_Unload(cancel);
    if (cancel == 0) DestroyWindow(hwnd_);
}

bool MainWindow::PreTranslate(MSG& msg) {
    if (!hwnd_ || !IsWindow(hwnd_) || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
    // Hidden in the tray or minimised, the window may still be the active one
    // (the tray menu makes it so), and keys meant for another program would
    // work controls that nobody sees: Alt+S is Send in a mail program and
    // Shut Down here. Such keys go nowhere.
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && (!IsWindowVisible(hwnd_) || IsIconic(hwnd_))) {
        return true;
    }
    // Ctrl+Tab and Ctrl+Shift+Tab move between the tabs, as in property sheets.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        HWND tabs = Control(ControlId::SSTabQuellar);
        const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
        const int current = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
        const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
        if (count > 0) SelectTab((current + step) % count);
        return true;
    }
    // A letter alone is not an access key: the dialog keys would take it as
    // one whenever the focused control takes no characters, so that one stray
    // key could reboot the workstation. Alt with the letter still works.
    if (msg.message == WM_CHAR && msg.wParam >= ' ' && !(DialogCode(msg) & (DLGC_WANTCHARS | DLGC_WANTMESSAGE))) {
        DispatchMessageA(&msg);
        return true;
    }
    // Enter presses the focused button or opens the focused link, as Space does.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN &&
        ((DialogCode(msg) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) || IsLink(msg.hwnd))) {
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
        case WM_SIZE: return OnSize();
        case WM_MOUSEMOVE: return OnMouseMove(wParam, lParam);
        case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_DRAWITEM: return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
        case WM_ACTIVATE: return OnActivate(LOWORD(wParam) != WA_INACTIVE);
        case WM_SYSCOLORCHANGE: return OnSysColorChange(wParam, lParam);
        case WM_ACTIVATEAPP: return OnActivateApp(wParam != FALSE);
        case WM_TIMER: return OnTimer(wParam);
        case WM_QUERYENDSESSION: return OnQueryEndSession();
        case WM_ENDSESSION: return OnEndSession(wParam != FALSE);
        case WM_CLOSE: return OnClose();
        case WM_DESTROY: return OnDestroy();
        case WM_NCDESTROY: return OnNcDestroy(wParam, lParam);
        default: return OnOther(message, wParam, lParam);
    }
}

LRESULT MainWindow::OnSize() {
    resized_ = true;
    if (loaded_) events_->Form_Resize();
    return 0;
}

LRESULT MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (IsLink(item.hwndItem)) DrawLink(item);
    return TRUE;
}

// Links show the hand. The pointer over the window or any control asks here
// first, before the control sees it move: the tooltips are made then, so that
// a start need not make them.
LRESULT MainWindow::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    if (!tipsMade_) CreateTooltips();
    if (!IsLink(reinterpret_cast<HWND>(wParam))) return Default(WM_SETCURSOR, wParam, lParam);
    HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
    SetCursor(hand ? hand : LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

// Only top-level windows hear of new system colours (a High Contrast scheme):
// the tab strip, a common control, is told, and all is redrawn.
LRESULT MainWindow::OnSysColorChange(WPARAM wParam, LPARAM lParam) {
    SendMessageA(Control(ControlId::SSTabQuellar), WM_SYSCOLORCHANGE, wParam, lParam);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return 0;
}

LRESULT MainWindow::OnActivateApp(bool active) {
    if (!active) InputGuard::Forget();
    return 0;
}

LRESULT MainWindow::OnTimer(UINT_PTR id) {
    ControlId timer = ControlId::None;
    if (timers_->Ticks(id, timer)) events_->OnTimer(timer);
    return 0;
}

// Windows ends the session: let it, without a question.
LRESULT MainWindow::OnQueryEndSession() { return TRUE; }

LRESULT MainWindow::OnEndSession(bool ending) {
    if (ending && loaded_) events_->Form_SessionEnd();
    return 0;
}

LRESULT MainWindow::OnClose() {
    Close();
    return 0;
}

LRESULT MainWindow::OnDestroy() {
    PostQuitMessage(0);
    return 0;
}

// The window is gone: nothing reaches this object any more.
LRESULT MainWindow::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    HWND hwnd = hwnd_;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT MainWindow::OnOther(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) events_->Form_TaskbarCreated();
    return Default(message, wParam, lParam);
}

// Positions reach the form in twips, as every mouse position does; the tray's
// notifications ride in the x coordinate.
LRESULT MainWindow::OnMouseMove(WPARAM keys, LPARAM position) {
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
    return 0;
}

ControlId MainWindow::FromCommandId(int id) const {
    const int index = id - ids::kFirstControl;
    if (index < 0 || index >= static_cast<int>(kControlCount)) return ControlId::None;
    return static_cast<ControlId>(index);
}

// IDOK and IDCANCEL from the dialog keys are no control's.
LRESULT MainWindow::OnCommand(int id, int code) {
    const ControlId control = FromCommandId(id);
    if (control == ControlId::None) return 0;
    const ControlKind kind = Row(control).kind;
    if (kind == ControlKind::CommandButton && code == BN_CLICKED) events_->OnClick(control);
    if (kind == ControlKind::ComboBox && code == CBN_SELCHANGE && ShowChosenItem(Control(control))) {
        events_->OnClick(control);
    }
    if (kind == ControlKind::HyperLink && code == BN_CLICKED) OpenLink(control);
    return 0;
}

// The field still shows the old text when an item is chosen: the chosen
// item goes there first. False when no item can be read.
bool MainWindow::ShowChosenItem(HWND combo) {
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    const LRESULT length = selected == CB_ERR ? CB_ERR : SendMessageA(combo, CB_GETLBTEXTLEN, selected, 0);
    if (length < 0) return false;
    std::string text(static_cast<std::size_t>(length), '\0');
    SendMessageA(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(&text[0]));
    SetWindowTextA(combo, text.c_str());
    return true;
}

void MainWindow::OpenLink(ControlId link) {
    const std::string& target = linkTargets_[static_cast<std::size_t>(link)];
    if (!target.empty()) OpenTarget(hwnd_, target.c_str());
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == Control(ControlId::SSTabQuellar) && header.code == TCN_SELCHANGE) ShowSelectedPage();
    return 0;
}

bool MainWindow::IsLink(HWND control) const {
    return control && (control == Made(ControlId::HlblURL) || control == Made(ControlId::hypHelp));
}

void MainWindow::SelectTab(int index) {
    SendMessageA(Control(ControlId::SSTabQuellar), TCM_SETCURSEL, index, 0);
    ShowSelectedPage();
}

}  // namespace win32
}  // namespace quellar