#include "e2e/Driver.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "app/Layout.h"
#include "platform/win32/Identifiers.h"
#include "settings/Options.h"

namespace e2e {

Program Start(const std::string& exe) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = "\"" + exe + "\"";
    const std::string folder = exe.substr(0, exe.find_last_of('\\'));
    Program program;
    if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info)) {
        program.startError = GetLastError();
        return program;
    }
    CloseHandle(info.hThread);
    program.process = info.hProcess;
    program.pid = info.dwProcessId;
    WaitFor([&] { return (program.main = TopLevel(program.pid, quellar::ids::kMainClass)) || !Running(program); },
            kStartMs);
    // The exe's header says how large its image is; the window's instance
    // says where the image lies, also if it was moved from its usual place.
    std::ifstream file(exe, std::ios::binary);
    relay::ReadImage({std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()}, program.image);
    if (program.main) program.image.base = GetWindowLongPtrA(program.main, GWLP_HINSTANCE);
    return program;
}

bool Running(const Program& program) {
    return program.process && WaitForSingleObject(program.process, 0) == WAIT_TIMEOUT;
}

void Stop(Program& program) {
    if (!program.process) return;
    TerminateProcess(program.process, 1);
    WaitForSingleObject(program.process, kPatienceMs);
    CloseHandle(program.process);
    program = Program{};
}

HWND TopLevel(DWORD pid, const char* className, const std::string& title, bool visibleOnly, HWND after) {
    for (HWND hwnd = after; (hwnd = FindWindowExA(nullptr, hwnd, className, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == pid && (!visibleOnly || IsWindowVisible(hwnd)) && (title.empty() || Text(hwnd) == title)) {
            return hwnd;
        }
    }
    return nullptr;
}

HWND Control(HWND main, const std::string& name) {
    struct Search {
        int id = 0;
        HWND found = nullptr;
    } search;
    for (std::size_t i = 0; i < quellar::kControlCount; ++i) {
        if (name == quellar::ControlTable()[i].name) search.id = quellar::ids::Control(static_cast<int>(i));
    }
    // Controls sit in containers: the search takes in the whole tree.
    EnumChildWindows(
        main,
        [](HWND hwnd, LPARAM data) {
            auto& s = *reinterpret_cast<Search*>(data);
            if (GetDlgCtrlID(hwnd) == s.id) s.found = hwnd;
            return s.found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.id ? search.found : nullptr;
}

std::string Text(HWND window) {
    char text[512] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

namespace {

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(30);
}

INPUT PointerAt(POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(2 * at.x + 1, 65535, 2 * GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(2 * at.y + 1, 65535, 2 * GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
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

bool Notify(DWORD message, HWND main) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = main;
    data.uID = 1;
    return Shell_NotifyIconA(message, &data) != FALSE;
}

std::string Stored(const char* key) {
    char data[256] = "";
    DWORD type = 0, size = sizeof data - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, quellar::ids::kStorePath, key, RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size))
        return "~";
    return type == REG_SZ ? data : "?";
}

}  // namespace

RECT TabPlace(HWND tabs, int index) {
    Remote remote(tabs, sizeof(RECT));
    RECT item{};
    SendMessageA(tabs, TCM_GETITEMRECT, index, remote.At());
    remote.Read(&item, sizeof item);
    MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&item), 2);
    return item;
}

POINT Centre(RECT place) { return {(place.left + place.right) / 2, (place.top + place.bottom) / 2}; }

bool ToFront(HWND main) {
    return WaitFor([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return SetForegroundWindow(main) && GetForegroundWindow() == main &&
               GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) && IsChild(main, info.hwndFocus);
    });
}

bool Keys(HWND main, const std::vector<std::string>& keys) {
    if (IsWindowVisible(main) && !ToFront(main)) return false;
    for (const std::string& key : keys) Press(key);
    return true;
}

std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> keys;
    for (char character : text) keys.push_back(std::string(1, character));
    return keys;
}

// Only once the control is what a click at its middle would reach: a click
// on a busy host once landed beside a button it was meant for. The pointer
// goes there first, as a hand would, which hides the tooltip of the control
// it rested on: that tip may lie over this one's middle.
bool ClickOn(HWND main, HWND control) {
    POINT at{};
    const auto reached = [&] {
        RECT place;
        if (!GetWindowRect(control, &place)) return false;
        at = Centre(place);
        const HWND there = WindowFromPoint(at);
        return there == control || IsChild(control, there);
    };
    return ToFront(main) && (reached() || (Send({PointerAt(at)}), WaitFor(reached))) && (ClickAt(at), true);
}

namespace {

// Clicked, the control takes the keyboard a moment later, and on a busy host
// keys typed sooner would go to the one that had it (the tab strip turns
// its tabs with the arrows).
bool ClickedInto(HWND main, HWND control) {
    return ClickOn(main, control) && WaitFor([&] {
               GUITHREADINFO info{};
               info.cbSize = sizeof info;
               return GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) &&
                      (info.hwndFocus == control || IsChild(control, info.hwndFocus));
           });
}

}  // namespace

bool Fill(HWND main, HWND control, const std::string& text) {
    return ClickedInto(main, control) && Keys(main, {"home", "shift+end"}) && Keys(main, Characters(text));
}

bool Choose(HWND main, HWND list, const std::string& item) {
    const auto at =
        SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.c_str()));
    if (at == CB_ERR || !ClickedInto(main, list)) return false;
    const auto now = SendMessageA(list, CB_GETCURSEL, 0, 0);
    return Keys(main,
                std::vector<std::string>(static_cast<std::size_t>(std::abs(at - now)), at > now ? "down" : "up")) &&
           WaitFor([&] { return Text(list) == item; });
}

void ClickAt(POINT at, int clicks, bool right) {
    // Under Wine a warp of the pointer comes back later as motion: it settles first.
    SetCursorPos(at.x, at.y);
    Sleep(60);
    INPUT input = PointerAt(at);
    Send({input});
    // Each press and release names its place too: a late motion from an
    // earlier warp would otherwise move the pointer away in between.
    const DWORD place = input.mi.dwFlags;
    for (int i = 0; i < clicks; ++i) {
        input.mi.dwFlags = place | (right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
        INPUT up = input;
        up.mi.dwFlags = place | (right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
        Send({input, up});
    }
}

void Press(const std::string& keys, bool held, int presses) {
    static const struct {
        const char* name;
        WORD vk;
    } kNames[] = {{"alt", VK_MENU}, {"shift", VK_SHIFT}, {"enter", VK_RETURN}, {"tab", VK_TAB},    {"down", VK_DOWN},
                  {"up", VK_UP},    {"end", VK_END},     {"home", VK_HOME},    {"esc", VK_ESCAPE}, {"space", VK_SPACE}};
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
    std::vector<INPUT> ups(inputs.rbegin(), inputs.rend());
    for (INPUT& up : ups) up.ki.dwFlags = KEYEVENTF_KEYUP;
    // Held, the keys repeat after the keyboard's delay, as fast as it types.
    for (int press = 0; held && press < 8; ++press) {
        Send(inputs);
        Sleep(press == 0 ? 500 : 33);
    }
    inputs.insert(inputs.end(), ups.begin(), ups.end());
    // Several presses go in one batch, as fast as fingers can type.
    std::vector<INPUT> batch;
    for (int press = 0; press < presses; ++press) batch.insert(batch.end(), inputs.begin(), inputs.end());
    Send(batch);
}

void PostKeys(HWND window, const std::string& keys) {
    const bool alt = keys.compare(0, 4, "alt+") == 0;
    const std::string key = alt ? keys.substr(4) : keys;
    const WORD vk = key == "enter" ? VK_RETURN : key == "space" ? VK_SPACE : LOBYTE(VkKeyScanA(key[0]));
    const WPARAM character = key == "enter" ? '\r' : key == "space" ? ' ' : static_cast<WPARAM>(key[0]);
    constexpr LPARAM kAltHeld = 1 << 29, kWasDown = 1 << 30, kGoingUp = 1u << 31;
    const LPARAM context = alt ? kAltHeld : 0;
    if (alt) PostMessageA(window, WM_SYSKEYDOWN, VK_MENU, 1 | kAltHeld);
    PostMessageA(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, 1 | context);
    PostMessageA(window, alt ? WM_SYSCHAR : WM_CHAR, character, 1 | context);
    PostMessageA(window, alt ? WM_SYSKEYUP : WM_KEYUP, vk, 1 | context | kWasDown | kGoingUp);
    if (alt) PostMessageA(window, WM_KEYUP, VK_MENU, 1 | kWasDown | kGoingUp);
}

void Put(HKEY root, const char* path, const std::string& name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
    RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void Put(HKEY root, const char* path, const std::string& name, const std::string& text) {
    Put(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

std::string StoredOptions() {
    std::string stored;
    for (const quellar::Option& option : quellar::kOptions) stored += (stored.empty() ? "" : ",") + Stored(option.key);
    return stored;
}

bool IconPresent(HWND main) { return Notify(NIM_MODIFY, main); }
void RemoveIcon(HWND main) { Notify(NIM_DELETE, main); }

// Through the tooltip that Wine's taskbar keeps per icon, whose tool is the
// icon's place.
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
        // In Wine's virtual desktop the taskbar draws the icons in its own
        // area; on a plain X display each icon is a window of its own.
        const HWND own = (tool.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.uId) : nullptr;
        if (own && IsWindowVisible(own)) {
            GetWindowRect(own, &tool.rect);
            MapWindowPoints(nullptr, taskbar, reinterpret_cast<POINT*>(&tool.rect), 2);
        } else if (tool.hwnd != taskbar || IsRectEmpty(&tool.rect)) {
            continue;
        }
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

// The relay trace of every traced process goes to the driver's standard
// error, which run-group.sh keeps in C:\trace.log; read as it grows.
const std::vector<relay::Line>& Traced(DWORD pid) {
    static std::map<DWORD, std::vector<relay::Line>> lines;
    static std::streamoff read = 0;
    static std::string unfinished;
    std::ifstream trace("C:\\trace.log", std::ios::binary);
    trace.seekg(read);
    const std::string more{std::istreambuf_iterator<char>(trace), std::istreambuf_iterator<char>()};
    read += static_cast<std::streamoff>(more.size());
    unfinished += more;
    std::size_t from = 0;
    for (std::size_t end; (end = unfinished.find('\n', from)) != std::string::npos; from = end + 1) {
        relay::Line line;
        if (relay::Read(unfinished.substr(from, end - from), line)) lines[line.pid].push_back(line);
    }
    unfinished.erase(0, from);
    return lines[pid];
}

std::vector<relay::Line> OwnCalls(const Program& program) {
    std::vector<relay::Line> own;
    for (const relay::Line& line : Traced(program.pid))
        if (!line.function.empty() && line.hasCaller && relay::Inside(program.image, line.caller)) own.push_back(line);
    return own;
}

std::string Listed(const std::vector<relay::Line>& calls) {
    std::string listed;
    for (const relay::Line& line : calls) listed += line.call ? line.text + "\n" : "";
    return listed;
}

}  // namespace e2e
