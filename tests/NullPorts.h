// A null implementation of each role of the port: every call changes nothing
// and answers the least (empty text, nothing ticked, No, a store that keeps
// nothing). Whoever implements a role for a test derives from its null and
// writes only what differs.
#pragma once

#include <cstdlib>

#include "app/Ports.h"

namespace quellar {

struct NullControls : Controls {
    std::string Text(ControlId) override { return {}; }
    void SetText(ControlId, const std::string&) override {}
    void SetEnabled(ControlId, bool) override {}
    bool Ticked(ControlId) override { return false; }
    void SetTicked(ControlId, bool) override {}
    void AddItem(ControlId, const std::string&) override {}
    void SetLinkTarget(ControlId, const std::string&) override {}
    void SetSpokenName(ControlId, const std::string&, SpokenRole) override {}
};

struct NullTimers : Timers {
    void SetInterval(ControlId, int) override {}
};

struct NullTrayMenu : TrayMenu {
    bool Ticked(MenuId) override { return false; }
    void SetTicked(MenuId, bool) override {}
    void SetMenuCaption(MenuId, const std::string&) override {}
    MenuId PopupMenu(MenuId menu) override { return menu; }
    void CloseMenu() override {}
};

struct NullWindow : Window {
    WindowState State() override { return WindowState::Normal; }
    void SetState(WindowState) override {}
    void Show() override {}
    void Hide() override {}
    void Refresh() override {}
    void BringToFront() override {}
    void SetCaption(const std::string&) override {}
    void Close() override {}
    float TwipsPerPixelX() override { return TwipsPerPixel(96); }
};

struct NullQuestions : Questions {
    int ShowBox(const std::string&, BoxStyle, const std::string&) override { return kAnswerNo; }
    void BringBoxToFront() override {}
};

struct NullOtherCopies : OtherCopies {
    bool AnotherCopyRuns() override { return false; }
    std::string Title() override { return {}; }
    void SetTitle(const std::string&) override {}
    bool ActivateCopy(const std::string&) override { return false; }
};

struct NullOptionStore : OptionStore {
    bool Load(const std::string&, std::string& text) override { return text.clear(), true; }
    bool Save(const std::string&, const std::string&) override { return true; }
    bool Remove(const std::string&) override { return true; }
};

struct NullWorkstation : Workstation {
    WindowsVersion VersionRecord() override { return {}; }
    std::uint32_t VersionNumber() override { return 0; }
    std::string ComputerName() override { return {}; }
    std::string UserName() override { return {}; }
    std::string StartFolder() override { return {}; }
    void ClearLastError() override {}
    void EnableShutdownPrivilegeInToken() override {}
    bool AskToEndSession(std::uint32_t, std::string&) override { return false; }
    [[noreturn]] void EndProgram() override { std::abort(); }
};

struct NullTrayIcon : TrayIcon {
    bool Add() override { return false; }
    void Delete() override {}
};

struct NullTextCase : TextCase {
    std::string UpperCase(const std::string& text) override { return text; }
    std::string LowerCase(const std::string& text) override { return text; }
    bool IsLeadByte(char) override { return false; }
};

// Every role null at once, handed over as one.
struct NullPorts : NullControls,
                   NullTimers,
                   NullTrayMenu,
                   NullWindow,
                   NullQuestions,
                   NullOtherCopies,
                   NullOptionStore,
                   NullWorkstation,
                   NullTrayIcon,
                   NullTextCase {
    Ports Roles() { return {*this, *this, *this, *this, *this, *this, *this, *this, *this, *this}; }
};

}  // namespace quellar
