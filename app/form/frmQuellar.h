// The main window's form: its event handlers, each handing the event to the
// part of the program that handles it, and the procedures that take more
// than one part: start-up, closing, the actions, one question at a time.
#pragma once

#include <cstdint>
#include <string>

#include "actions/Action.h"
#include "actions/WhichWindows.h"
#include "app/FormEvents.h"
#include "app/Ports.h"
#include "countdown/Countdown.h"
#include "settings/Options.h"
#include "tray/OptionTicks.h"
#include "tray/Tray.h"

namespace quellar {

class frmQuellar final : public FormEvents {
public:
    explicit frmQuellar(const Ports& ports);

    // Start-up and closing (Startup.cpp, Closing.cpp)
    void Form_Load();
    void Form_Unload(std::int16_t& cancel) override;
    void mPopExit_Click();
    void Form_SessionEnd() override;

    // Plain events from the window, handed to the handlers; the countdown's
    // and the options' handlers (Events.cpp)
    void OnClick(ControlId control) override;
    void OnMenu(MenuId item);  // the item chosen in the tray menu
    void OnTimer(ControlId timer) override;
    void lstAdvanced_Click();
    void cmdStart_Click();
    void cmdAbort_Click();
    void timCounter_Timer();
    void cmdSave_Click();
    void cmdClear_Click();

    // The actions (Acting.cpp)
    void cmdLogOff_Click();
    void cmdShutdown_Click();
    void cmdReboot_Click();
    void cmdPowerOff_Click();
    void ConfirmAction(const std::string& verb);
    // Returns only when Windows refused, after saying so.
    void ExitWindowsNow(std::int32_t flags);

    // The tray (TrayEvents.cpp)
    void Form_Resize() override;
    void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Form_TaskbarCreated() override;
    void timTray_Timer();
    void mPopRestore_Click();
    void mPopForce_Click();
    void mPopDisable_Click();
    void mPopLogOff_Click();
    void mPopShutdown_Click();
    void mPopReboot_Click();
    void mPopPowerOff_Click();

private:
    void ShowVersionLabel();
    void SetLogOffCaption();
    void NameForScreenReaders();
    [[noreturn]] void GiveWayToRunningCopy();
    void SaveBeforeClosing();
    // Every road to one action: the privilege first where it needs one.
    void Act(const Action& action);
    // Every question and notice goes through here, so that while one is open
    // nothing opens a second.
    int Ask(const std::string& prompt, BoxStyle style, const std::string& title);

    Controls& controls_;
    TrayMenu& menu_;
    Window& window_;
    Questions& questions_;
    OtherCopies& copies_;
    Workstation& workstation_;
    TextCase& text_;
    WhichWindows windows_;
    Options options_;
    Countdown countdown_;
    Tray tray_;
    OptionTicks ticks_;
    bool isDuplicate_ = false;   // another copy runs: this one ends
    bool questionOpen_ = false;  // a message box of the program's is open
};

}  // namespace quellar
