// One running copy of the program with the questions tests ask about it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/Layout.h"
#include "e2e/Program.h"

namespace e2e {

// Where the program keeps its options (HKEY_CURRENT_USER).
constexpr const char* kSettingsKey = "Software\\VB and VBA Program Settings\\Quellar";

class Session {
public:
    // Starts the program named by the options, with no saved options.
    Session();
    // Closes the program as a user would, saying yes when it asks.
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    bool ok() const { return program_->ok(); }
    const std::string& error() const { return program_->error(); }

    Program& program() { return *program_; }
    HWND mainWindow() const { return program_->mainWindow(); }
    HWND control(quellar::ControlId id) const;  // null when missing
    HWND tabStrip() const { return control(quellar::ControlId::SSTabQuellar); }
    HWND focus() const;

    bool bringToFront() const;
    // Clicks the tab with the mouse and waits until it is the selected one.
    bool clickTab(int page) const;
    // Waits until the given page is selected and shown.
    bool waitForPage(int page) const;
    // Gives the keyboard focus to a control by clicking it.
    bool clickToFocus(quellar::ControlId id) const;
    // Where the mouse is and what is under it, for failure messages.
    std::string describeClickTarget() const;

private:
    std::unique_ptr<Program> program_;
};

}  // namespace e2e
