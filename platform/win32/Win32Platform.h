// The platform over Win32: the real window, the registry and the system calls.
#pragma once

#include <windows.h>

#include "app/Platform.h"
#include "platform/win32/Handles.h"
#include "platform/win32/InputGuard.h"
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
    void SetEnabled(ControlId control, bool enabled) override;
    int Value(ControlId checkBox) override;
    void SetValue(ControlId checkBox, int value) override;
    void AddItem(ControlId list, const std::string& item) override;
    void SetInterval(ControlId timer, int milliseconds) override;
    void SetLinkTarget(ControlId link, const std::string& target) override;
    void SetSpokenName(ControlId control, const std::string& name, SpokenRole role) override;
    bool Checked(MenuId item) override;
    void SetChecked(MenuId item, bool checked) override;
    void SetMenuCaption(MenuId item, const std::string& caption) override;
    MenuId PopupMenu(MenuId menu) override;
    WindowState State() override;
    void SetState(WindowState state) override;
    void Show() override;
    void Hide() override;
    void Refresh() override;
    void BringToFront() override;
    void SetCaption(const std::string& caption) override;
    void Unload() override;
    std::uint32_t WindowHandle() override;
    std::uint32_t IconHandle() override;
    float TwipsPerPixelX() override;
    int MsgBox(const std::string& prompt, BoxStyle style, const std::string& title) override;
    void BringBoxToFront() override;
    void CloseMenu() override;
    bool PrevInstance() override;
    std::string AppTitle() override;
    void SetAppTitle(const std::string& title) override;
    bool AppActivate(const std::string& title) override;
    std::string CurDir() override;
    void EndProcess() override;
    std::string UpperCase(const std::string& text) override;
    std::string LowerCase(const std::string& text) override;
    bool IsLeadByte(char c) override;
    bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool GetSetting(const std::string& app, const std::string& section, const std::string& key,
                    std::string& value) override;
    bool DeleteSetting(const std::string& app, const std::string& section, const std::string& key) override;
    WindowsVersion VersionRecord() override;
    std::uint32_t VersionNumber() override;
    std::string ComputerName() override;
    std::string UserName() override;
    void ClearLastError() override;
    void EnableShutdownPrivilegeInToken() override;
    bool EndSession(std::uint32_t flags, std::string& whyRefused) override;
    bool AddTrayIcon(const modSysTray::TrayIconRecord& record) override;
    void DeleteTrayIcon(const modSysTray::TrayIconRecord& record) override;

private:
    HWND control(ControlId id) const { return window_.Control(id); }

    HINSTANCE instance_;
    MainWindow window_;
    SingleInstance single_;
    InputGuard inputGuard_;
    HWND menuOwner_ = nullptr;  // while the tray menu is open
};

}  // namespace win32
}  // namespace quellar
