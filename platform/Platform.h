// Everything the program needs from outside itself. The behaviour calls only
// this; Win32 and the simulated Windows of the tests implement it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/Captions.h"
#include "app/Layout.h"
#include "tray/TrayRecord.h"

namespace quellar {

enum class WindowState : int { Normal = 0, Minimised = 1, Maximised = 2 };

// OSVERSIONINFOA, 148 bytes.
struct OsVersionInfo {
    std::uint32_t dwOSVersionInfoSize;
    std::uint32_t dwMajorVersion;
    std::uint32_t dwMinorVersion;
    std::uint32_t dwBuildNumber;
    std::uint32_t dwPlatformId;
    char szCSDVersion[128];
};
static_assert(sizeof(OsVersionInfo) == 148, "OSVERSIONINFOA is 148 bytes");

struct Luid {
    std::uint32_t LowPart;
    std::int32_t HighPart;
};

// TOKEN_PRIVILEGES with one entry, 16 bytes.
struct TokenPrivileges {
    std::uint32_t PrivilegeCount;
    quellar::Luid Luid;
    std::uint32_t Attributes;
};
static_assert(sizeof(TokenPrivileges) == 16, "one-entry TOKEN_PRIVILEGES is 16 bytes");

using Handle = std::uintptr_t;

// What the window hands on to the form: its events, already decoded.
class FormEvents {
public:
    virtual void Form_Resize() = 0;
    virtual void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void Form_Unload(std::int16_t& cancel) = 0;
    // Windows is ending the session: the window goes without being asked.
    virtual void Form_SessionEnd() = 0;
    // The shell's taskbar was made anew and has forgotten every tray icon.
    virtual void Form_TaskbarCreated() = 0;
    virtual void OnClick(ControlId control) = 0;  // buttons, and the list when an item is chosen
    virtual void OnTimer(ControlId timer) = 0;

protected:
    ~FormEvents() = default;
};

class Platform : public TextCase {
public:
    // Controls, by name. Text is a caption or a text box's or list's text.
    virtual std::string Text(ControlId control) = 0;
    virtual void SetText(ControlId control, const std::string& text) = 0;
    virtual bool Enabled(ControlId control) = 0;
    virtual void SetEnabled(ControlId control, bool enabled) = 0;
    virtual int Value(ControlId checkBox) = 0;
    virtual void SetValue(ControlId checkBox, int value) = 0;
    virtual void AddItem(ControlId list, const std::string& item) = 0;
    virtual void SetInterval(ControlId timer, int milliseconds) = 0;
    virtual void SetLinkTarget(ControlId link, const std::string& target) = 0;

    // The pop-up menu.
    virtual bool Checked(MenuId item) = 0;
    virtual void SetChecked(MenuId item, bool checked) = 0;
    virtual void SetMenuCaption(MenuId item, const std::string& caption) = 0;
    // Shows the menu at the mouse and returns the item chosen, or the menu
    // itself when none was, once the menu has closed.
    virtual MenuId PopupMenu(MenuId menu) = 0;

    // The main window. Changing the state runs Form_Resize, as it does on Windows.
    virtual WindowState State() = 0;
    virtual void SetState(WindowState state) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Refresh() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Unloads the window: runs Form_Unload, and unless it cancels, the window
    // is gone and the program ends once the current handler returns.
    virtual void Unload() = 0;
    virtual std::uint32_t WindowHandle() = 0;
    virtual std::uint32_t IconHandle() = 0;
    virtual float TwipsPerPixelX() = 0;

    // The application.
    virtual int MsgBox(const std::string& prompt, int style, const std::string& title) = 0;
    // The program's open message box comes to the front.
    virtual void BringBoxToFront() = 0;
    virtual bool PrevInstance() = 0;
    virtual std::string AppTitle() = 0;
    virtual void SetAppTitle(const std::string& title) = 0;
    virtual bool AppActivate(const std::string& title) = 0;
    virtual std::string CurDir() = 0;
    // Ends the process at once; no handler runs after it.
    [[noreturn]] void End() {
        EndProcess();
        std::abort();  // not reached: EndProcess does not come back
    }
    virtual void EndProcess() = 0;

    // The per-user settings store. False when the store refused the operation;
    // a key that is absent reads as empty text.
    virtual bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    virtual bool GetSetting(const std::string& app, const std::string& section, const std::string& key,
                            std::string& value) = 0;
    virtual bool DeleteSetting(const std::string& app, const std::string& section, const std::string& key) = 0;

    // The named platform calls, with their own arguments.
    virtual bool GetVersionExA(OsVersionInfo& info) = 0;
    virtual std::uint32_t GetVersion() = 0;
    virtual bool GetComputerNameA(char* buffer, std::uint32_t& size) = 0;
    virtual bool GetUserNameA(char* buffer, std::uint32_t& size) = 0;
    virtual void SetLastError(std::uint32_t code) = 0;
    virtual Handle GetCurrentProcess() = 0;
    virtual bool OpenProcessToken(Handle process, std::uint32_t access, Handle& token) = 0;
    virtual bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid& luid) = 0;
    virtual bool AdjustTokenPrivileges(Handle token, bool disableAll, const TokenPrivileges& newState,
                                       std::uint32_t bufferLength, TokenPrivileges& previousState,
                                       std::uint32_t& returnLength) = 0;
    virtual bool CloseHandle(Handle handle) = 0;
    virtual bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) = 0;
    virtual bool Shell_NotifyIconA(std::uint32_t message, const modSysTray::TrayIconRecord& record) = 0;
    virtual bool SetForegroundWindow(std::uint32_t window) = 0;

protected:
    ~Platform() = default;
};

}  // namespace quellar
