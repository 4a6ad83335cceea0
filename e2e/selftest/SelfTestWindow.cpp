// A stand-in for Quellar.exe built from the same control table, to prove the
// end-to-end driver before (and apart from) the real program.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cctype>
#include <string>
#include <utility>

#include "app/Layout.h"
#include "resources/resource.h"

namespace {

using quellar::ControlId;
using quellar::ControlKind;

constexpr int kTwipsPerInch = 1440;
constexpr int kComboListTwips = 1500;
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

struct WindowState {
    std::array<HWND, quellar::kControlCount> controls{};
    HWND tooltip = nullptr;
    HFONT font = nullptr;
    int dpi = 96;
};
WindowState state;

const auto& Row(ControlId id) { return quellar::ControlTable()[static_cast<std::size_t>(id)]; }

int Px(int twips) { return MulDiv(twips, state.dpi, kTwipsPerInch); }

HWND Strip() { return state.controls[static_cast<std::size_t>(ControlId::SSTabQuellar)]; }

struct Look {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

Look LookOf(ControlId id) {
    const auto& row = Row(id);
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    switch (row.kind) {
        case ControlKind::TabStrip: return {WC_TABCONTROLA, kChild | WS_TABSTOP | WS_CLIPSIBLINGS, 0};
        case ControlKind::PictureBox:
            return {quellar::ids::kContainerClass, WS_CHILD | WS_CLIPSIBLINGS,
                    WS_EX_CONTROLPARENT | (row.border ? WS_EX_CLIENTEDGE : 0u)};
        case ControlKind::Frame: return {quellar::ids::kContainerClass, kChild, WS_EX_CONTROLPARENT};
        case ControlKind::CommandButton: return {"Button", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::CheckBox: return {"Button", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case ControlKind::TextBox: return {"Edit", kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ComboBox: return {"ComboBox", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 0};
        case ControlKind::HyperLink: return {"Static", kChild | SS_NOTIFY, 0};
        case ControlKind::Label: {
            DWORD align = row.align == quellar::Align::Centre  ? SS_CENTER
                          : row.align == quellar::Align::Right ? SS_RIGHT
                          : row.wordWrap                       ? SS_LEFT
                                                               : SS_LEFTNOWORDWRAP;
            return {"Static", kChild | align, 0};
        }
        case ControlKind::Timer: break;
    }
    return {nullptr, 0, 0};
}

void ShowPage(int page) {
    for (std::size_t i = 0; i < quellar::kControlCount; ++i) {
        const auto& row = quellar::ControlTable()[i];
        if (row.container == ControlId::SSTabQuellar && state.controls[i] != nullptr)
            ShowWindow(state.controls[i], row.tabPage == page ? SW_SHOW : SW_HIDE);
    }
}

void AddTooltip(HWND main, HWND control, const char* text) {
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = main;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(state.tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CreateControls(HWND main) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    state.tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, main,
                                    nullptr, instance, nullptr);
    const auto& strip = Row(ControlId::SSTabQuellar).place;
    for (std::size_t i = 0; i < quellar::kControlCount; ++i) {
        const auto& row = quellar::ControlTable()[i];
        if (row.kind == ControlKind::Timer) continue;
        const bool onStrip = row.container == ControlId::SSTabQuellar;
        const HWND parent = (row.container == ControlId::None || onStrip)
                                ? main
                                : state.controls[static_cast<std::size_t>(row.container)];
        int left = Px(row.place.left);
        int top = Px(row.place.top);
        if (onStrip) {
            left += Px(strip.left);
            top += Px(strip.top);
        }
        int height = Px(row.place.height);
        if (row.kind == ControlKind::ComboBox) height += Px(kComboListTwips);
        Look look = LookOf(row.id);
        if (!row.enabled) look.style |= WS_DISABLED;
        const HWND hwnd = CreateWindowExA(
            look.exStyle, look.className, row.text, look.style, left, top, Px(row.place.width), height, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(quellar::ids::Control(static_cast<int>(i)))), instance,
            nullptr);
        state.controls[i] = hwnd;
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
        if (row.kind == ControlKind::TextBox) SendMessageA(hwnd, EM_LIMITTEXT, row.maxLength, 0);
        if (row.kind == ControlKind::ComboBox) SetWindowTextA(hwnd, row.text);
        if (row.tooltip != nullptr) AddTooltip(main, hwnd, row.tooltip);
    }
    for (int page = 0; page < 3; ++page) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(quellar::Form().tabCaptions[page]);
        SendMessageA(Strip(), TCM_INSERTITEMA, page, reinterpret_cast<LPARAM>(&item));
    }
    // What the real program fills in while it loads.
    char user[256] = {};
    DWORD size = sizeof user;
    if (GetUserNameA(user, &size) && user[0] != '\0') {
        std::string caption = "Log Off ";
        for (std::size_t i = 0; user[i] != '\0' && i < 8; ++i)
            caption += static_cast<char>(i == 0 ? toupper(user[i]) : tolower(user[i]));
        SetWindowTextA(state.controls[static_cast<std::size_t>(ControlId::cmdLogOff)], caption.c_str());
    }
    char computer[256] = {};
    size = sizeof computer;
    GetComputerNameA(computer, &size);
    SetWindowTextA(state.controls[static_cast<std::size_t>(ControlId::lblVersion)],
                   (std::string(" on \\\\") + computer).c_str());
    EnableWindow(state.controls[static_cast<std::size_t>(ControlId::cmdStart)], FALSE);
    // The strip lies beneath its pages.
    SetWindowPos(Strip(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowPage(0);
}

bool IsLink(HWND hwnd) {
    const int index = GetDlgCtrlID(hwnd) - quellar::ids::kFirstControl;
    return index >= 0 && static_cast<std::size_t>(index) < quellar::kControlCount &&
           quellar::ControlTable()[index].kind == ControlKind::HyperLink;
}

LRESULT ColourStatic(HDC dc, HWND control) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, IsLink(control) ? kLinkBlue : GetSysColor(COLOR_BTNTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC: return SendMessageA(GetParent(hwnd), message, wParam, lParam);
        default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

void SaveOptions() {
    constexpr const char* kKey = "Software\\VB and VBA Program Settings\\Quellar\\Startup";
    for (const auto& [id, name] : {std::pair{ControlId::chkForce, "Force"}, std::pair{ControlId::chkDisable, "Disable"},
                                   std::pair{ControlId::chkMinimise, "Minimise"}}) {
        const bool on = SendMessageA(state.controls[static_cast<std::size_t>(id)], BM_GETCHECK, 0, 0) == BST_CHECKED;
        RegSetKeyValueA(HKEY_CURRENT_USER, kKey, name, REG_SZ, on ? "1" : "0", 2);
    }
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: CreateControls(hwnd); return 0;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE)
                ShowPage(static_cast<int>(SendMessageA(Strip(), TCM_GETCURSEL, 0, 0)));
            return 0;
        case WM_CTLCOLORSTATIC: return ColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_CLOSE:
            SaveOptions();
            if (SendMessageA(state.controls[static_cast<std::size_t>(ControlId::chkDisable)], BM_GETCHECK, 0, 0) ==
                    BST_CHECKED ||
                MessageBoxA(hwnd, "Click Yes to quit Quellar 2000, or No to minimise it.", "Exit Quellar 2000",
                            MB_YESNO) == IDYES)
                DestroyWindow(hwnd);
            else
                ShowWindow(hwnd, SW_MINIMIZE);
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

bool HandleCtrlTab(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
    const int count = static_cast<int>(SendMessageA(Strip(), TCM_GETITEMCOUNT, 0, 0));
    const int step = GetKeyState(VK_SHIFT) < 0 ? count - 1 : 1;
    const int next = (static_cast<int>(SendMessageA(Strip(), TCM_GETCURSEL, 0, 0)) + step) % count;
    SendMessageA(Strip(), TCM_SETCURSEL, next, 0);
    ShowPage(next);
    return true;
}

void RegisterClasses(HINSTANCE instance) {
    WNDCLASSA main{};
    main.lpfnWndProc = MainProc;
    main.hInstance = instance;
    main.hCursor = LoadCursor(nullptr, IDC_ARROW);
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    main.lpszClassName = quellar::ids::kMainClass;
    RegisterClassA(&main);
    WNDCLASSA container = main;
    container.lpfnWndProc = ContainerProc;
    container.lpszClassName = quellar::ids::kContainerClass;
    RegisterClassA(&container);
    WNDCLASSA appTitle = main;
    appTitle.lpfnWndProc = DefWindowProcA;
    appTitle.lpszClassName = quellar::ids::kAppTitleClass;
    RegisterClassA(&appTitle);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HDC screen = GetDC(nullptr);
    state.dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    state.font = CreateFontA(-MulDiv(33, state.dpi, 288), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MS Sans Serif");
    RegisterClasses(instance);
    CreateWindowExA(0, quellar::ids::kAppTitleClass, "Quellar 2000", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                    nullptr);

    RECT frame{0, 0, Px(quellar::Form().clientWidth), Px(quellar::Form().clientHeight)};
    AdjustWindowRectEx(&frame, kMainStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const HWND main = CreateWindowExA(0, quellar::ids::kMainClass, quellar::Form().caption, kMainStyle,
                                      work.left + (work.right - work.left - width) / 2,
                                      work.top + (work.bottom - work.top - height) / 2, width, height, nullptr, nullptr,
                                      instance, nullptr);
    ShowWindow(main, show);
    SetFocus(Strip());

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (HandleCtrlTab(msg) || IsDialogMessageA(main, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DeleteObject(state.font);
    return static_cast<int>(msg.wParam);
}
