#include "e2e/Driver.h"

#include "app/Layout.h"
#include "resources/resource.h"

namespace e2e {

Program Start(const std::string& exe) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = "\"" + exe + "\"";
    const std::string folder = exe.substr(0, exe.find_last_of('\\'));
    Program program;
    if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info)) {
        return program;
    }
    CloseHandle(info.hThread);
    program.process = info.hProcess;
    program.pid = info.dwProcessId;
    WaitFor([&] { return (program.main = TopLevel(program.pid, quellar::ids::kMainClass)) || !Running(program); });
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

}  // namespace e2e
