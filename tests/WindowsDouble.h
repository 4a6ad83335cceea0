// A stand-in for Windows behind the program's port, for what Wine does not
// show: it keeps the window's controls, menu, state, store and tray icon as
// plain values, and plays the few parts of Windows the tests need (a first
// show that the starting shortcut minimises, a shell that refuses icons,
// Windows refusing to end the session).
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Platform.h"

namespace quellar {

class WindowsDouble final : public Platform {
public:
    // The window as the control table makes it.
    WindowsDouble() {
        for (std::size_t i = 0; i < kControlCount; ++i) texts[ControlTable()[i].id] = ControlTable()[i].text;
    }

    // Windows' part, set by a test before it acts.
    FormEvents* form = nullptr;
    int dpi = 96;
    bool firstShowMinimised = false;  // started from a "Run: Minimized" shortcut
    bool shellTakesIcons = true;
    std::string refusal;  // why Windows refuses to end the session; empty: it does not

    // What the program did.
    std::map<ControlId, std::string> texts;
    std::map<ControlId, int> values, intervals;
    std::map<MenuId, bool> ticks;
    std::string ticksShown;                    // the menu's Force and Disable ticks, "F,D", as it last opened
    std::map<ControlId, std::string> spoken;   // "name" or "name, link", as a screen reader would say
    std::map<std::string, std::string> store;  // "section\key"
    std::vector<std::string> boxes;            // "title|prompt" of every box shown; each answered No
    std::vector<std::uint32_t> sessionEnds;    // the flags of every request
    int menusOpened = 0;
    WindowState state = WindowState::Normal;
    bool visible = false, icon = false, shownBefore = false;
    modSysTray::TrayIconRecord iconRecord{};  // as the last add gave it

    std::string Text(ControlId c) override { return texts[c]; }
    void SetText(ControlId c, const std::string& text) override { texts[c] = text; }
    void SetEnabled(ControlId, bool) override {}
    int Value(ControlId c) override { return values[c]; }
    void SetValue(ControlId c, int value) override { values[c] = value; }
    void AddItem(ControlId, const std::string&) override {}
    void SetInterval(ControlId timer, int ms) override { intervals[timer] = ms; }
    void SetLinkTarget(ControlId, const std::string&) override {}
    void SetSpokenName(ControlId c, const std::string& name, SpokenRole role) override {
        spoken[c] = name + (role == SpokenRole::Link ? ", link" : "");
    }

    bool Checked(MenuId item) override { return ticks[item]; }
    void SetChecked(MenuId item, bool checked) override { ticks[item] = checked; }
    void SetMenuCaption(MenuId, const std::string&) override {}
    MenuId PopupMenu(MenuId menu) override {  // closed with nothing chosen
        ticksShown = std::to_string(ticks[MenuId::mPopForce]) + "," + std::to_string(ticks[MenuId::mPopDisable]);
        return ++menusOpened, menu;
    }
    void CloseMenu() override {}

    // As on Windows: a change of state is a resize, run inside the call; the
    // first show of a process takes its state from the shortcut that started it.
    WindowState State() override { return state; }
    void SetState(WindowState wanted) override {
        if (wanted == state) return;
        state = wanted;
        if (wanted != WindowState::Minimised) visible = true;
        form->Form_Resize();
    }
    void Show() override {
        const bool first = !shownBefore;
        shownBefore = visible = true;
        if (first && firstShowMinimised) {
            SetState(WindowState::Minimised);
        } else if (first) {
            form->Form_Resize();
        }
    }
    void Hide() override { visible = false; }
    void Refresh() override {}
    void BringToFront() override {}
    void SetCaption(const std::string&) override {}
    void Unload() override {}
    std::uint32_t WindowHandle() override { return 0x1234; }
    std::uint32_t IconHandle() override { return 0x5678; }
    float TwipsPerPixelX() override { return TwipsPerPixel(dpi); }

    int MsgBox(const std::string& prompt, BoxStyle, const std::string& title) override {
        boxes.push_back(title + "|" + prompt);
        return 7;  // No
    }
    void BringBoxToFront() override {}
    bool PrevInstance() override { return false; }
    std::string AppTitle() override { return "Quellar"; }
    void SetAppTitle(const std::string&) override {}
    bool AppActivate(const std::string&) override { return false; }
    std::string CurDir() override { return "C:\\Quellar"; }
    void EndProcess() override { throw std::logic_error("the program ended its process"); }

    std::string UpperCase(const std::string& text) override { return text; }
    std::string LowerCase(const std::string& text) override { return text; }
    bool IsLeadByte(char) override { return false; }

    bool SaveSetting(const std::string&, const std::string& section, const std::string& key,
                     const std::string& value) override {
        store[section + "\\" + key] = value;
        return true;
    }
    bool GetSetting(const std::string&, const std::string& section, const std::string& key,
                    std::string& value) override {
        const auto found = store.find(section + "\\" + key);
        value = found == store.end() ? "" : found->second;
        return true;
    }
    bool DeleteSetting(const std::string&, const std::string& section, const std::string& key) override {
        store.erase(section + "\\" + key);
        return true;
    }

    WindowsVersion VersionRecord() override { return {2, 5, 0}; }  // Windows 2000
    std::uint32_t VersionNumber() override { return 0x00000005; }
    std::string ComputerName() override { return "PC"; }
    std::string UserName() override { return "jsmith"; }
    void ClearLastError() override {}
    void EnableShutdownPrivilegeInToken() override {}
    bool EndSession(std::uint32_t flags, std::string& whyRefused) override {
        sessionEnds.push_back(flags);
        whyRefused = refusal;
        return refusal.empty();
    }
    // The shell refuses a record without a window.
    bool AddTrayIcon(const modSysTray::TrayIconRecord& record) override {
        if (icon) return true;
        if (!shellTakesIcons || record.cbSize == 0 || record.hWnd == 0) return false;
        iconRecord = record;
        return icon = true;
    }
    void DeleteTrayIcon(const modSysTray::TrayIconRecord&) override { icon = false; }
};

}  // namespace quellar
