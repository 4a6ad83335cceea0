// The port over Win32: each role of app/Ports.h, over the one main window,
// implemented in the file of the role's name (Controls.cpp, TrayMenu.cpp,
// Window.cpp, Questions.cpp, OtherCopies.cpp, OptionStore.cpp,
// Workstation.cpp, TrayIcon.cpp, TextCase.cpp, Timers.cpp), and all of them
// made together here.
#pragma once

#include <windows.h>

#include "app/Ports.h"
#include "platform/win32/InputGuard.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/OtherCopies.h"
#include "platform/win32/Timers.h"
#include "tray/TrayRecord.h"

namespace quellar {
namespace win32 {

class Win32Controls final : public Controls {
public:
    explicit Win32Controls(MainWindow& window) : window_(window) {}
    std::string Text(ControlId control) override;
    void SetText(ControlId control, const std::string& text) override;
    void SetEnabled(ControlId control, bool enabled) override;
    bool Ticked(ControlId checkBox) override;
    void SetTicked(ControlId checkBox, bool ticked) override;
    void AddItem(ControlId list, const std::string& item) override;
    void SetLinkTarget(ControlId link, const std::string& target) override;
    void SetSpokenName(ControlId control, const std::string& name, SpokenRole role) override;

private:
    HWND control(ControlId id) const { return window_.Control(id); }
    MainWindow& window_;
};

class Win32TrayMenu final : public TrayMenu {
public:
    explicit Win32TrayMenu(MainWindow& window) : window_(window) {}
    bool Ticked(MenuId item) override;
    void SetTicked(MenuId item, bool ticked) override;
    void SetMenuCaption(MenuId item, const std::string& caption) override;
    MenuId PopupMenu(MenuId menu) override;
    void CloseMenu() override;

private:
    MainWindow& window_;
    HWND owner_ = nullptr;  // the open menu's owner (MenuOwner.h)
};

class Win32Window final : public Window {
public:
    explicit Win32Window(MainWindow& window) : window_(window) {}
    WindowState State() override;
    void SetState(WindowState state) override;
    void Show() override;
    void Hide() override;
    void Refresh() override;
    void BringToFront() override;
    void SetCaption(const std::string& caption) override;
    void Close() override;
    float TwipsPerPixelX() override;

private:
    MainWindow& window_;
};

class Win32Questions final : public Questions {
public:
    explicit Win32Questions(MainWindow& window) : window_(window) {}
    int ShowBox(const std::string& prompt, BoxStyle style, const std::string& title) override;
    void BringBoxToFront() override;

private:
    MainWindow& window_;
};

// The registry, under HKEY_CURRENT_USER.
class Win32OptionStore final : public OptionStore {
public:
    bool Load(const std::string& key, std::string& text) override;
    bool Save(const std::string& key, const std::string& text) override;
    bool Remove(const std::string& key) override;
};

class Win32Workstation final : public Workstation {
public:
    WindowsVersion VersionRecord() override;
    std::uint32_t VersionNumber() override;
    std::string ComputerName() override;
    std::string UserName() override;
    std::string StartFolder() override;
    void ClearLastError() override;
    void EnableShutdownPrivilegeInToken() override;
    bool AskToEndSession(std::uint32_t flags, std::string& whyRefused) override;
    [[noreturn]] void EndProgram() override;
};

class Win32TrayIcon final : public TrayIcon {
public:
    explicit Win32TrayIcon(MainWindow& window) : window_(window) {}
    // The tray record, filled once the window is made and used unchanged by
    // every add and delete of the icon.
    void FillRecord();
    bool Add() override;
    void Delete() override;

private:
    MainWindow& window_;
    modSysTray::TrayIconRecord gudtTrayIcon{};
    bool offered_ = false;  // the shell may hold an icon of this window
};

class Win32TextCase final : public TextCase {
public:
    std::string UpperCase(const std::string& text) override;
    std::string LowerCase(const std::string& text) override;
    bool IsLeadByte(char c) override;
};

class Win32Ports {
public:
    explicit Win32Ports(HINSTANCE instance)
        : instance_(instance),
          copies_(instance),
          controls_(window_),
          timers_(window_),
          menu_(window_),
          windowRole_(window_),
          questions_(window_),
          icon_(window_) {}

    bool CreateWindows(FormEvents& events) {
        if (!window_.Create(instance_, events, timers_)) return false;
        icon_.FillRecord();
        return copies_.CreateTitleWindow();
    }
    MainWindow& Window() { return window_; }
    Ports Roles() {
        return {controls_, timers_, menu_, windowRole_, questions_, copies_, store_, workstation_, icon_, text_};
    }

private:
    HINSTANCE instance_;
    MainWindow window_;
    Win32OtherCopies copies_;
    InputGuard inputGuard_;
    Win32Controls controls_;
    Win32Timers timers_;
    Win32TrayMenu menu_;
    Win32Window windowRole_;
    Win32Questions questions_;
    Win32OptionStore store_;
    Win32Workstation workstation_;
    Win32TrayIcon icon_;
    Win32TextCase text_;
};

}  // namespace win32
}  // namespace quellar
