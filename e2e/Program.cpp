#include "e2e/Program.h"

#include <vector>

#include "e2e/Wait.h"
#include "resources/resource.h"

namespace e2e {
namespace {

struct TopLevelQuery {
    DWORD processId;
    const char* className;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND hwnd, LPARAM param) {
    auto* query = reinterpret_cast<TopLevelQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != query->processId) return TRUE;
    if (query->visibleOnly && !IsWindowVisible(hwnd)) return TRUE;
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpiA(name, query->className) != 0) return TRUE;
    query->found = hwnd;
    return FALSE;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

HWND FindTopLevel(DWORD processId, const char* className, bool visibleOnly) {
    TopLevelQuery query{processId, className, visibleOnly, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

Program::Program(const std::string& exePath, const std::string& arguments) {
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    const std::string folder = FolderOf(exePath);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exePath.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        error_ = "CreateProcess failed for " + exePath + " (error " + std::to_string(GetLastError()) + ")";
        return;
    }
    process_.reset(info.hProcess);
    CloseHandle(info.hThread);
    processId_ = info.dwProcessId;

    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindTopLevel(processId_, quellar::ids::kMainClass);
            return found != nullptr || !running();
        },
        kStartTimeoutMs);
    if (found == nullptr) {
        error_ = running() ? "no visible main window within the start timeout"
                           : "the program ended before showing its window (exit code " +
                                 std::to_string(exitCode()) + ")";
        kill();
        return;
    }
    mainWindow_ = found;
    threadId_ = GetWindowThreadProcessId(found, nullptr);
}

Program::~Program() {
    if (!running()) return;
    if (mainWindow_ != nullptr && close()) return;
    kill();
}

bool Program::running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

DWORD Program::exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_) GetExitCodeProcess(process_.get(), &code);
    return code;
}

bool Program::waitForExit(DWORD timeoutMs) const {
    return !process_ || WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

bool Program::close(DWORD timeoutMs) {
    if (!running()) return true;
    if (IsWindow(mainWindow_)) PostMessageA(mainWindow_, WM_CLOSE, 0, 0);
    return waitForExit(timeoutMs);
}

void Program::kill() {
    if (!running()) return;
    TerminateProcess(process_.get(), 1);
    waitForExit(kExitTimeoutMs);
}

}  // namespace e2e
