// The steps scenarios are written in: the start (stored options, Windows
// version, resolution, computer name, 32-bit exe), what the user and Windows
// do, and what must hold afterwards. Checks wait until they hold.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#include "e2e/Driver.h"
#include "resources/resource.h"

namespace e2e {
namespace {

constexpr const char* kStore = "Software\\VB and VBA Program Settings\\Quellar\\Startup";
constexpr const char* kComputerName = "System\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName";
constexpr const char* kDuplicateNotice =
    "There is another instance of this program already running.\r"
    "If Quellar 2000 does not display immediately, please check\r"
    "the system tray (next to the clock) for its icon.";

void Put(HKEY root, const char* path, const std::string& name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
    RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}
void Put(HKEY root, const char* path, const std::string& name, const std::string& text) {
    Put(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

// A stored option: its exact text, "~" when absent, "?" when not a REG_SZ.
std::string Stored(const char* key) {
    char data[256] = "";
    DWORD type = 0, size = sizeof data - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, kStore, key, RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size)) return "~";
    return type == REG_SZ ? data : "?";
}

// As the driver found it, to be put back after each scenario.
const std::string kHost = [] {
    char name[64] = "";
    DWORD size = sizeof name;
    RegGetValueA(HKEY_LOCAL_MACHINE, kComputerName, "ComputerName", RRF_RT_REG_SZ, nullptr, name, &size);
    return std::string(name);
}();

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(30);
}

// A real click, or two, at a point of the screen.
void ClickAt(POINT at, int clicks = 1, bool right = false) {
    // Under Wine a warp of the pointer comes back later as motion: it settles first.
    SetCursorPos(at.x, at.y);
    Sleep(60);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(2 * at.x + 1, 65535, 2 * GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(2 * at.y + 1, 65535, 2 * GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send({input});
    for (int i = 0; i < clicks; ++i) {
        input.mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
        INPUT up = input;
        up.mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
        Send({input, up});
    }
}

POINT Centre(RECT rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

// Real keys: "r", "alt+d", "shift+end".
void Press(const std::string& keys) {
    static const struct {
        const char* name;
        WORD vk;
    } kNames[] = {{"alt", VK_MENU},  {"shift", VK_SHIFT}, {"enter", VK_RETURN}, {"tab", VK_TAB},
                  {"down", VK_DOWN}, {"end", VK_END},     {"home", VK_HOME},    {"esc", VK_ESCAPE}};
    std::vector<INPUT> inputs;
    for (std::size_t from = 0; from <= keys.size(); from = keys.find('+', from) + 1) {
        const std::string key = keys.substr(from, keys.find('+', from) - from);
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = LOBYTE(VkKeyScanA(key[0]));
        for (const auto& name : kNames) input.ki.wVk = key == name.name ? name.vk : input.ki.wVk;
        inputs.push_back(input);
        if (keys.find('+', from) == std::string::npos) break;
    }
    for (std::size_t i = inputs.size(); i-- > 0;) {
        inputs.push_back(inputs[i]);
        inputs.back().ki.dwFlags = KEYEVENTF_KEYUP;
    }
    Send(inputs);
}

bool Notify(DWORD message, HWND main) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = main;
    data.uID = 1;
    return Shell_NotifyIconA(message, &data) != FALSE;
}

// Memory in another process, for the messages that point at a structure.
class Remote {
public:
    Remote(HWND window, SIZE_T size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        base_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    }
    ~Remote() {
        VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    Remote(const Remote&) = delete;
    Remote& operator=(const Remote&) = delete;
    LPARAM At(SIZE_T offset = 0) const { return reinterpret_cast<LPARAM>(base_ + offset); }
    void Write(const void* data, SIZE_T size, SIZE_T offset = 0) {
        WriteProcessMemory(process_, base_ + offset, data, size, nullptr);
    }
    void Read(void* data, SIZE_T size, SIZE_T offset = 0) const {
        ReadProcessMemory(process_, base_ + offset, data, size, nullptr);
    }

private:
    HANDLE process_;
    char* base_;
};

// The icon Wine's taskbar shows, through the tooltip it keeps per icon, whose
// tool is the icon's place; false unless there is exactly one.
bool ShownIcon(std::string& tip, RECT& place) {
    const HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    DWORD shell = 0;
    GetWindowThreadProcessId(taskbar, &shell);
    int shown = 0;
    for (HWND tooltip = nullptr; (tooltip = TopLevel(shell, TOOLTIPS_CLASSA, "", false, tooltip));) {
        Remote remote(tooltip, sizeof(TTTOOLINFOA) + 128);
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        remote.Write(&tool, sizeof tool);
        SendMessageA(tooltip, TTM_ENUMTOOLSA, 0, remote.At());
        remote.Read(&tool, sizeof tool);
        if (tool.hwnd != taskbar || IsRectEmpty(&tool.rect)) continue;
        char text[128] = "";
        tool.lpszText = reinterpret_cast<char*>(remote.At(sizeof tool));
        remote.Write(&tool, sizeof tool);
        SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, remote.At());
        remote.Read(text, sizeof text - 1, sizeof tool);
        tip = text;
        place = tool.rect;
        MapWindowPoints(taskbar, nullptr, reinterpret_cast<POINT*>(&place), 2);
        ++shown;
    }
    return shown == 1;
}

// The program's calls of traced functions, "dll.Function(arguments) ...", one
// a line: the relay trace of every traced process goes to the driver's
// standard error, which run-group.sh keeps in this file.
std::string TracedCalls(DWORD pid) {
    std::ifstream trace("C:\\trace.log");
    char prefix[16];
    wsprintfA(prefix, "%04x:", pid);
    std::string calls;
    for (std::string line; std::getline(trace, line);) {
        const std::size_t call = line.find(":Call ") + 6;
        const std::size_t open = line.find('(', call);
        if (line.rfind(prefix, 0) == 0 && call > 5 && line.find('.', call) < open && line.find(' ', call) > open) {
            calls += line.substr(call) + "\n";
        }
    }
    return calls;
}

struct Run {
    std::string exe = "C:\\q64\\Quellar.exe";
    Program copies[2];  // the first copy and a second one
    int current = 0;
    HWND box = nullptr;
    std::string why;
    Program& program() { return copies[current]; }
    HWND main() { return copies[current].main; }
    HWND control(const std::string& name) { return Control(main(), name); }
    bool Check(bool ok, const std::string& failure) { return why = ok ? why : failure, ok; }
    template <class Condition>
    bool Expect(Condition condition, const std::string& failure, DWORD ms = kPatienceMs) {
        return Check(WaitFor(condition, ms), failure);
    }
    bool Quiet(bool ok, const std::string& failure) { return Sleep(kQuietMs), Check(ok, failure); }
    // In front, with a control holding the keyboard focus, so that keys reach it.
    bool ToFront() {
        return Expect(
            [&] {
                GUITHREADINFO info{};
                info.cbSize = sizeof info;
                return SetForegroundWindow(main()) && GetForegroundWindow() == main() &&
                       GetGUIThreadInfo(GetWindowThreadProcessId(main(), nullptr), &info) &&
                       IsChild(main(), info.hwndFocus);
            },
            "not in front");
    }
};

// The program's box of this title and text, with exactly these buttons.
bool Asks(Run& run, const std::string& arg, std::vector<int> buttons) {
    const std::string title = arg.substr(0, arg.find('|')), text = arg.substr(arg.find('|') + 1);
    if (!run.Expect([&] { return (run.box = TopLevel(run.program().pid, "#32770", title, true)); }, "no " + title) ||
        !run.Check(Text(GetDlgItem(run.box, 0xFFFF)) == text, "it says " + Text(GetDlgItem(run.box, 0xFFFF)))) {
        return false;
    }
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        const bool wanted = std::find(buttons.begin(), buttons.end(), id) != buttons.end();
        if (!run.Check((GetDlgItem(run.box, id) != nullptr) == wanted, "other buttons")) return false;
    }
    return true;
}

// Every caption, in the font the program is meant to ask for, within the room
// its control gives it: single lines by width, wrapped text by height.
bool CaptionsFit(Run& run, const std::string& face, int height) {
    const HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FF_SWISS, face.c_str());
    HDC dc = GetDC(nullptr);
    SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const LRESULT line = SendMessageA(run.control("lstAdvanced"), CB_GETITEMHEIGHT, 0, 0);
    bool fits = run.Check(line == metrics.tmHeight, "the program's lines are " + std::to_string(line) + " high");
    const int dpi = GetDeviceCaps(GetDC(run.main()), LOGPIXELSX);
    for (std::string name :
         {"lblVersion",  "cmdLogOff", "cmdShutdown", "cmdReboot",  "cmdPowerOff",     "chkForce",   "chkDisable",
          "chkMinimise", "cmdClear",  "cmdSave",     "lblCounter", "lblCombo",        "cmdStart",   "cmdAbort",
          "lblTitle",    "lblBuild",  "HlblURL",     "hypHelp",    "lblInfoAdvanced", "lblWarning", "lblCopyright"}) {
        const bool wrapped = name == "lblInfoAdvanced" || name == "lblWarning" || name == "lblCopyright";
        RECT room, need{};
        GetClientRect(run.control(name), &room);
        room.right -= MulDiv(name[0] == 'c' ? (name[1] == 'h' ? 17 : 6) : 0, dpi, 96);  // a box, or an edge
        need.right = room.right;
        DrawTextA(dc, Text(run.control(name)).c_str(), -1, &need,
                  DT_CALCRECT | (wrapped ? DT_WORDBREAK : DT_SINGLELINE));
        fits = fits && run.Check(need.right <= room.right && need.bottom <= room.bottom, name + " is cut");
    }
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return fits;
}

bool Step(Run& run, const std::string& verb, const std::string& arg) {
    const std::string name = arg.substr(0, arg.find('=')), value = arg.substr(arg.find('=') + 1);
    const int number = std::atoi(arg.c_str());
    const HWND main = run.main();
    // The start.
    if (verb == "exe32") return run.exe = "C:\\q32\\Quellar.exe", true;
    if (verb == "win") return Put(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Quellar.exe", "Version", arg), true;
    if (verb == "dpi")
        return Put(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &number, 4), true;
    if (verb == "host") return Put(HKEY_LOCAL_MACHINE, kComputerName, "ComputerName", arg), true;
    if (verb == "put") return Put(HKEY_CURRENT_USER, kStore, name, value), true;
    if (verb == "start") {
        run.copies[0] = Start(run.exe);
        run.current = 0;
        // Start-up fills the list last; a window just started is in front. Wine
        // resets the state of the keys (Alt among them) a moment after.
        return run.Expect([&] { return SendMessageA(run.control("lstAdvanced"), CB_GETCOUNT, 0, 0) == 5; },
                          "it did not start") &&
               (!IsWindowVisible(run.main()) || run.ToFront()) && (Sleep(300), true);
    }
    if (verb == "second") return run.copies[1] = Start(run.exe), run.current = 1, run.main() != nullptr;
    if (verb == "first") return run.current = 0, true;
    if (verb == "attach") {  // a copy that someone else started, by its caption
        Program& copy = run.copies[0];
        WaitFor([&] { return (copy.main = FindWindowA(quellar::ids::kMainClass, "Quellar 2000 v2.40")); }, 90000);
        GetWindowThreadProcessId(copy.main, &copy.pid);
        copy.process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, copy.pid);
        return run.Check(copy.process, "no window");
    }
    // What the user does.
    if (verb == "click") {
        HWND control = run.control(arg);
        RECT place;
        return GetWindowRect(control, &place) && run.ToFront() && (ClickAt(Centre(place)), true);
    }
    if (verb == "tab") {
        HWND tabs = run.control("SSTabQuellar");
        Remote remote(tabs, sizeof(RECT));
        RECT item{};
        SendMessageA(tabs, TCM_GETITEMRECT, number, remote.At());
        remote.Read(&item, sizeof item);
        MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&item), 2);
        return run.ToFront() && (ClickAt(Centre(item)), true);
    }
    // Keys go to the window in front, or to the tray menu open over a hidden one.
    if ((verb == "key" || verb == "type" || verb == "letters") && IsWindowVisible(main) && !run.ToFront()) return false;
    if (verb == "key") return Press(arg), true;
    if (verb == "type" || verb == "letters") {  // letters: every access key of the window and the tray menu, alone
        for (char c : verb == "type" ? arg : "lsrpfdmcvbx") Press(std::string(1, c));
        return true;
    }
    if (verb == "fill")
        return Step(run, "click", name) && (Press("home"), Press("shift+end"), Step(run, "type", value));
    if (verb == "sleep") return Sleep(1000 * number), true;
    if (verb == "answer") {
        const int id = arg == "yes" ? IDYES : arg == "no" ? IDNO : IDOK;
        PostMessageA(run.box, WM_COMMAND, id, reinterpret_cast<LPARAM>(GetDlgItem(run.box, id)));
        return run.Expect([&] { return !IsWindow(run.box); }, "the box stays");
    }
    if (verb == "trayicon") {
        std::string tip;
        RECT place;
        return run.Check(ShownIcon(tip, place), "no one icon") &&
               (ClickAt(Centre(place), 2 - (arg == "right"), arg == "right"), true);
    }
    // What Windows and the shell do.
    if (verb == "post") return PostMessageA(main, WM_MOUSEMOVE, 0, number);
    if (verb == "minimise") return PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    if (verb == "close") return PostMessageA(main, WM_CLOSE, 0, 0);
    if (verb == "endsession") {
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, kPatienceMs, &answer);
        return run.Check(answer == TRUE, "it vetoes") &&
               SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, kPatienceMs, &answer);
    }
    if (verb == "taskbar") {  // a new taskbar: it knows no icons and says so to every top-level window
        Notify(NIM_DELETE, main);
        return SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    }
    // What must hold.
    const DWORD pid = run.program().pid;
    if (verb == "ask") return Asks(run, arg, {IDYES, IDNO});
    if (verb == "duplicate") return Asks(run, std::string("Duplicate Instance|") + kDuplicateNotice, {IDOK});
    if (verb == "nobox") return run.Quiet(!TopLevel(pid, "#32770", arg, true), "a box is open");
    if (verb == "menu") return run.Expect([&] { return TopLevel(pid, "#32768", "", true); }, "no menu");
    if (verb == "nomenu") return run.Quiet(!TopLevel(pid, "#32768", "", true), "a menu is open");
    if (verb == "is") {
        const auto checked = [&] { return std::to_string(SendMessageA(run.control(name), BM_GETCHECK, 0, 0)); };
        return run.Expect([&] { return checked() == value; }, arg + " but is " + checked());
    }
    if (verb == "text") return run.Expect([&] { return Text(run.control(name)) == value; }, Text(run.control(name)));
    if (verb == "enabled") return run.Expect([&] { return IsWindowEnabled(run.control(name)) == (value == "1"); }, arg);
    if (verb == "store") {
        const auto stored = [] { return Stored("Force") + "," + Stored("Disable") + "," + Stored("Minimise"); };
        return run.Expect([&] { return stored() == arg; }, "the store holds " + stored());
    }
    if (verb == "shown") return run.Expect([&] { return IsWindowVisible(main) && !IsIconic(main); }, "not shown");
    if (verb == "hidden") return run.Expect([&] { return !IsWindowVisible(main) && IsIconic(main); }, "not hidden");
    if (verb == "icon") return run.Expect([&] { return Notify(NIM_MODIFY, main); }, "no icon");
    if (verb == "noicon") return run.Expect([&] { return !Notify(NIM_MODIFY, main); }, "an icon");
    if (verb == "tip") {
        std::string tip;
        RECT place;
        return run.Expect([&] { return ShownIcon(tip, place) && tip == arg; }, "the tip reads " + tip);
    }
    if (verb == "running") return run.Quiet(Running(run.program()), "it ended");
    if (verb == "ended") return run.Expect([&] { return !Running(run.program()); }, "still running");
    if (verb == "exit") {  // the only ExitWindowsEx call, then the icon removed; long enough for a countdown
        if (!run.Expect([&] { return !Running(run.program()); }, "it did not end", 40000)) return false;
        char wanted[48];
        wsprintfA(wanted, "user32.ExitWindowsEx(%08x,ffffffff)", number);
        const std::string calls = TracedCalls(pid), exits = "user32.ExitWindowsEx(";
        const std::size_t at = calls.find(exits);
        return run.Check(at != std::string::npos && calls.compare(at, strlen(wanted), wanted) == 0 &&
                             calls.find(exits, at + 1) == std::string::npos &&
                             calls.find("shell32.Shell_NotifyIconA(00000002,", at) != std::string::npos,
                         "its calls were:\n" + calls);
    }
    if (verb == "priv") {  // enabled before ExitWindowsEx, or never touched
        std::string calls = TracedCalls(pid);
        calls.resize(std::min(calls.size(), calls.find("user32.ExitWindowsEx(")));
        const bool enabled =
            calls.find("OpenProcessToken(") != std::string::npos && calls.find(",00000028,") != std::string::npos &&
            calls.find("\"SeShutdownPrivilege\"") != std::string::npos &&
            calls.find("AdjustTokenPrivileges(") != std::string::npos && calls.find(",00000010,") != std::string::npos;
        return run.Check(arg == "1" ? enabled : calls.find("advapi32.") == std::string::npos,
                         "its calls were:\n" + calls);
    }
    if (verb == "size") {
        RECT client;
        GetClientRect(main, &client);
        return run.Check(
            std::abs(client.right - number) <= 1 && std::abs(client.bottom - std::atoi(&arg[arg.find('x') + 1])) <= 1,
            std::to_string(client.right) + "x" + std::to_string(client.bottom));
    }
    if (verb == "fit") return CaptionsFit(run, name, std::atoi(value.c_str()));
    return run.Check(false, "no such step");
}

// Each scenario starts where a user who never ran the program would.
void CleanUp(Run& run) {
    for (Program& copy : run.copies) {
        const HWND main = copy.main;
        Stop(copy);
        Notify(NIM_DELETE, main);
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VB and VBA Program Settings");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Quellar.exe");
    Step(run, "dpi", "96");
    Put(HKEY_LOCAL_MACHINE, kComputerName, "ComputerName", kHost);
}

}  // namespace

bool RunScenario(const std::string& script, std::string& failure) {
    Run run;
    CleanUp(run);
    bool ok = true;
    // Steps are separated by blanks; 'quotes' keep blanks within one.
    std::string token;
    bool quoted = false;
    for (char c : script + " ") {
        if (c == '\'') {
            quoted = !quoted;
        } else if (c != ' ' || quoted) {
            token += c;
        } else if (!token.empty()) {
            const std::size_t colon = token.find(':');
            if (!Step(run, token.substr(0, colon), colon == std::string::npos ? "" : token.substr(colon + 1))) {
                failure = token + ": " + run.why;
                ok = false;
                break;
            }
            token.clear();
        }
    }
    CleanUp(run);
    return ok;
}

}  // namespace e2e
