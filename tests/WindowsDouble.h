// A stand-in for Windows behind every role of the port, for what Wine does
// not show: the controls, menu, window, store and tray icon kept as plain
// values, and the few parts of Windows the tests play (a first show that the
// starting shortcut minimises, a shell that refuses icons, Windows refusing
// to end the session). What no test reads answers the least: nothing done,
// empty text, no other copy, an unknown system.
#pragma once

#include <map>
#include <stdexcept>
#include <vector>

#include "app/Ports.h"

namespace quellar {

struct WindowsDouble final : Controls,
                             Timers,
                             TrayMenu,
                             Window,
                             Questions,
                             OtherCopies,
                             OptionStore,
                             Workstation,
                             TrayIcon,
                             TextCase {
    Ports Roles() { return {*this, *this, *this, *this, *this, *this, *this, *this, *this, *this}; }

    // Windows' part, set by a test before it acts.
    FormEvents* form = nullptr;
    int dpi = 96;
    bool firstShowMinimised = false;  // started from a "Run: Minimized" shortcut
    bool shellTakesIcons = true;
    std::string refusal;  // why Windows refuses to end the session; empty: it does not

    // What the program did.
    std::map<ControlId, std::string> texts, spoken;  // spoken: "name" or "name, link", as a screen reader says it
    std::map<ControlId, bool> ticked;
    std::map<ControlId, int> intervals;
    std::map<MenuId, bool> ticks;
    std::string ticksShown;                    // the menu's Force and Disable ticks, "F,D", as it last opened
    std::map<std::string, std::string> store;  // by key
    std::vector<std::string> boxes;            // "title|prompt" of every box shown; each answered No
    std::vector<std::uint32_t> sessionEnds;    // the flags of every request to end the session
    int menusOpened = 0;
    WindowState state = WindowState::Normal;
    bool visible = false, icon = false, shownBefore = false;

    // The controls as the control table makes them.
    std::string Text(ControlId c) override { return texts.count(c) ? texts[c] : Row(c).text; }
    void SetText(ControlId c, const std::string& text) override { texts[c] = text; }
    bool Ticked(ControlId c) override { return ticked[c]; }
    void SetTicked(ControlId c, bool on) override { ticked[c] = on; }
    void SetInterval(ControlId timer, int ms) override { intervals[timer] = ms; }
    void SetSpokenName(ControlId c, const std::string& name, SpokenRole role) override {
        spoken[c] = name + (role == SpokenRole::Link ? ", link" : "");
    }
    void SetEnabled(ControlId, bool) override {}
    void AddItem(ControlId, const std::string&) override {}
    void SetLinkTarget(ControlId, const std::string&) override {}

    bool Ticked(MenuId item) override { return ticks[item]; }
    void SetTicked(MenuId item, bool on) override { ticks[item] = on; }
    MenuId PopupMenu(MenuId menu) override {  // closed with nothing chosen
        ticksShown = std::to_string(ticks[MenuId::mPopForce]) + "," + std::to_string(ticks[MenuId::mPopDisable]);
        return ++menusOpened, menu;
    }
    void SetMenuCaption(MenuId, const std::string&) override {}
    void CloseMenu() override {}

    // As on Windows: a change of state is a resize, run inside the call; the
    // first show of a process takes its state from the shortcut that started it.
    WindowState State() override { return state; }
    void SetState(WindowState wanted) override {
        if (wanted == state) return;
        state = wanted;
        visible = visible || wanted != WindowState::Minimised;
        form->Form_Resize();
    }
    void Show() override {
        const bool first = !shownBefore;
        shownBefore = visible = true;
        if (first) firstShowMinimised ? SetState(WindowState::Minimised) : form->Form_Resize();
    }
    void Hide() override { visible = false; }
    float TwipsPerPixelX() override { return TwipsPerPixel(dpi); }
    void Refresh() override {}
    void BringToFront() override {}
    void SetCaption(const std::string&) override {}
    void Close() override {}

    int ShowBox(const std::string& prompt, BoxStyle, const std::string& title) override {
        return boxes.push_back(title + "|" + prompt), kAnswerNo;
    }
    void BringBoxToFront() override {}
    bool AnotherCopyRuns() override { return false; }
    std::string Title() override { return {}; }
    void SetTitle(const std::string&) override {}
    bool ActivateCopy(const std::string&) override { return false; }
    bool Load(const std::string& key, std::string& text) override { return text = store[key], true; }
    bool Save(const std::string& key, const std::string& text) override { return store[key] = text, true; }
    bool Remove(const std::string& key) override { return store.erase(key), true; }

    WindowsVersion VersionRecord() override { return {}; }
    std::uint32_t VersionNumber() override { return 0; }
    std::string ComputerName() override { return {}; }
    std::string UserName() override { return {}; }
    std::string StartFolder() override { return {}; }
    void ClearLastError() override {}
    void EnableShutdownPrivilegeInToken() override {}
    bool AskToEndSession(std::uint32_t flags, std::string& whyRefused) override {
        sessionEnds.push_back(flags);
        whyRefused = refusal;
        return refusal.empty();
    }
    [[noreturn]] void EndProgram() override { throw std::logic_error("the program ended its process"); }
    bool Add() override { return icon = icon || shellTakesIcons; }
    void Delete() override { icon = false; }
    std::string UpperCase(const std::string& text) override { return text; }
    std::string LowerCase(const std::string& text) override { return text; }
    bool IsLeadByte(char) override { return false; }
};

}  // namespace quellar
