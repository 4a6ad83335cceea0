// Copies of the program started without waiting for a shown window: one may
// start hidden in the tray, another may be a second copy that only shows a
// box. Each copy is ended on the way out, whatever the test left behind.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/Layout.h"
#include "e2e/Controls.h"
#include "e2e/ExpectedLayout.h"
#include "e2e/Handles.h"
#include "e2e/MessageBoxes.h"
#include "e2e/Options.h"
#include "e2e/Program.h"
#include "e2e/Wait.h"
#include "resources/resource.h"

namespace e2e {

constexpr const char* kDuplicateTitle = "Duplicate Instance";
constexpr const char* kExitTitle = "Exit Quellar 2000";
constexpr int kShutdownMethods = 5;  // items the load puts in the drop-down, last of all

class StartedCopy {
public:
    // Suspended, the copy waits for resume() before it runs at all.
    enum class Start { Running, Suspended };

    explicit StartedCopy(Start start = Start::Running) {
        const std::string path = GetOptions().programPath;
        std::string commandLine = "\"" + path + "\"";
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        const auto slash = path.find_last_of("\\/");
        const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        const DWORD flags = start == Start::Suspended ? CREATE_SUSPENDED : 0;
        if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, flags, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
            error_ = "CreateProcess failed (error " + std::to_string(GetLastError()) + ")";
            return;
        }
        process_.reset(info.hProcess);
        thread_.reset(info.hThread);
        processId_ = info.dwProcessId;
    }
    ~StartedCopy() { end(); }
    StartedCopy(const StartedCopy&) = delete;
    StartedCopy& operator=(const StartedCopy&) = delete;

    bool started() const { return process_ != nullptr; }
    bool resume() const { return thread_ && ResumeThread(thread_.get()) != static_cast<DWORD>(-1); }
    const std::string& error() const { return error_; }
    DWORD processId() const { return processId_; }
    bool running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
    bool waitForExit(DWORD timeoutMs) const {
        return !process_ || WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
    }
    DWORD exitCode() const {
        DWORD code = STILL_ACTIVE;
        if (process_) GetExitCodeProcess(process_.get(), &code);
        return code;
    }
    // The main window, shown or not, or null.
    HWND mainWindow() const { return FindTopLevel(processId_, quellar::ids::kMainClass, false); }
    HWND control(quellar::ControlId id) const {
        const HWND main = mainWindow();
        return main ? FindControl(main, WindowIdOf(id)) : nullptr;
    }
    // The load has run to its end: the drop-down, filled last, answers with all its items.
    bool loaded() const {
        const HWND list = control(quellar::ControlId::lstAdvanced);
        return list && Ask(list, CB_GETCOUNT).value_or(0) == kShutdownMethods;
    }
    // The main window once loaded, or null when that did not happen in time.
    HWND waitUntilLoaded(DWORD timeoutMs = kStartTimeoutMs) const {
        WaitUntil([&] { return loaded() || !running(); }, timeoutMs);
        return loaded() ? mainWindow() : nullptr;
    }
    HWND messageBox() const { return FindTopLevel(processId_, kDialogClass); }

    // Answers what it may safely answer and closes a loaded copy (a close
    // during a second copy's load would save its options); kills what does
    // not end.
    void end() {
        if (!running()) return;
        bool closePosted = false;
        WaitUntil(
            [&] {
                if (!running()) return true;
                if (const HWND box = messageBox()) {
                    Click(GetDlgItem(box, SafeAnswer(box)));
                    Settle(kPollStepMs * 4);
                } else if (!closePosted && loaded()) {
                    PostMessageA(mainWindow(), WM_CLOSE, 0, 0);
                    closePosted = true;
                }
                return false;
            },
            kExitTimeoutMs);
        if (running()) {
            TerminateProcess(process_.get(), 1);
            waitForExit(kExitTimeoutMs);
        }
    }

private:
    // OK ends a second copy and Yes quits; any other question is declined,
    // since a yes there could end the whole prefix's session.
    static int SafeAnswer(HWND box) {
        const std::string title = MessageBoxTitle(box).value_or("");
        if (title == kDuplicateTitle) return IDOK;
        if (title == kExitTitle) return IDYES;
        return GetDlgItem(box, IDCANCEL) ? IDCANCEL : IDNO;
    }

    UniqueHandle process_;
    UniqueHandle thread_;
    DWORD processId_ = 0;
    std::string error_;
};

// The shell accepts a change to an icon only when that icon exists.
inline bool TrayIconPresent(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = 1;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// The hidden window that carries a copy's application title.
inline std::string AppTitleOf(DWORD processId) {
    const HWND title = FindTopLevel(processId, quellar::ids::kAppTitleClass, false);
    return title ? TextOf(title).value_or("(no answer)") : "(no title window)";
}

inline BOOL CALLBACK CollectShownButton(HWND child, LPARAM param) {
    if (IsWindowVisible(child) && lstrcmpiA(ClassOf(child).c_str(), "Button") == 0)
        reinterpret_cast<std::vector<int>*>(param)->push_back(GetDlgCtrlID(child));
    return TRUE;
}

// The ids of the buttons a message box shows.
inline std::vector<int> ShownButtons(HWND box) {
    std::vector<int> ids;
    EnumChildWindows(box, CollectShownButton, reinterpret_cast<LPARAM>(&ids));
    return ids;
}

}  // namespace e2e
