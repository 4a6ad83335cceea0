// The program under test as a child process: started, found, closed, killed.
#pragma once

#include <windows.h>

#include <string>

#include "e2e/Handles.h"

namespace e2e {

constexpr DWORD kStartTimeoutMs = 10000;
constexpr DWORD kExitTimeoutMs = 5000;

class Program {
public:
    // Starts exePath with its own folder as working folder and waits for its
    // visible main window. On failure, ok() is false and error() says why.
    explicit Program(const std::string& exePath, const std::string& arguments = "");
    ~Program();  // closes the program, kills it when it does not end
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool ok() const { return mainWindow_ != nullptr; }
    const std::string& error() const { return error_; }
    HWND mainWindow() const { return mainWindow_; }
    DWORD processId() const { return processId_; }
    DWORD threadId() const { return threadId_; }  // the thread owning the main window

    bool running() const;
    DWORD exitCode() const;  // STILL_ACTIVE while running
    // Posts WM_CLOSE to the main window; true when the process ended in time.
    bool close(DWORD timeoutMs = kExitTimeoutMs);
    bool waitForExit(DWORD timeoutMs) const;
    void kill();

private:
    UniqueHandle process_;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    HWND mainWindow_ = nullptr;
    std::string error_;
};

// The visible top-level window of class className owned by processId, or null.
HWND FindTopLevel(DWORD processId, const char* className, bool visibleOnly = true);

}  // namespace e2e
