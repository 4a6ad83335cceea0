// The platform over Win32: the real window, the registry and the system calls.
#pragma once

#include <windows.h>

#include "platform/Platform.h"
#include "platform/win32/Handles.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/SingleInstance.h"

namespace quellar {
namespace win32 {

class Win32Platform final : public Platform {
public:
    explicit Win32Platform(HINSTANCE instance) : instance_(instance), single_(instance) {}

    bool CreateWindows(FormEvents& events) { return window_.Create(instance_, events) && single_.CreateTitleWindow(); }
    MainWindow& Window() { return window_; }

    std::string Text(ControlId control) override;
    void SetText(ControlId control, const std::string& text) override;
    bool Enabled(ControlId control) override;
    void SetEnabled(ControlId control, bool enabled) override;
    int Value(ControlId checkBox) override;
    void SetValue(ControlId checkBox, int value) override;
    void AddItem(ControlId list, const std::string& item) override;
    void SetInterval(ControlId timer, int milliseconds) override;
    void SetLinkTarget(ControlId link, const std::string& target) override;
    bool Checked(MenuId item) override;
    void SetChecked(MenuId item, bool checked) override;
    void SetMenuCaption(MenuId item, const std::string& caption) override;
    MenuId PopupMenu(MenuId menu) override;
    WindowState State() override;
    void SetState(WindowState state) override;
    void Show() override;
    void Hide() override;
    void Refresh() override;
    void SetCaption(const std::string& caption) override;
    void Unload() override;
    std::uint32_t WindowHandle() override;
    std::uint32_t IconHandle() override;
    float TwipsPerPixelX() override;
    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    void BringBoxToFront() override;
    bool PrevInstance() override;
    std::string AppTitle() override;
    void SetAppTitle(const std::string& title) override;
    bool AppActivate(const std::string& title) override;
    std::string CurDir() override;
    void EndProcess() override;
    std::string UpperCase(const std::string& text) override;
    std::string LowerCase(const std::string& text) override;
    bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool GetSetting(const std::string& app, const std::string& section, const std::string& key,
                    std::string& value) override;
    bool DeleteSetting(const std::string& app, const std::string& section, const std::string& key) override;
    bool GetVersionExA(OsVersionInfo& info) override;
    std::uint32_t GetVersion() override;
    bool GetComputerNameA(char* buffer, std::uint32_t& size) override;
    bool GetUserNameA(char* buffer, std::uint32_t& size) override;
    void SetLastError(std::uint32_t code) override;
    Handle GetCurrentProcess() override;
    bool OpenProcessToken(Handle process, std::uint32_t access, Handle& token) override;
    bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid& luid) override;
    bool AdjustTokenPrivileges(Handle token, bool disableAll, const TokenPrivileges& newState,
                               std::uint32_t bufferLength, TokenPrivileges& previousState,
                               std::uint32_t& returnLength) override;
    bool CloseHandle(Handle handle) override;
    bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) override;
    bool Shell_NotifyIconA(std::uint32_t message, const modSysTray::TrayIconRecord& record) override;
    bool SetForegroundWindow(std::uint32_t window) override;

private:
    HWND control(ControlId id) const { return window_.Control(id); }

    HINSTANCE instance_;
    MainWindow window_;
    SingleInstance single_;
    HWND focusReturnsTo_ = nullptr;
    HWND focusLentTo_ = nullptr;
};

}  // namespace win32
}  // namespace quellar
