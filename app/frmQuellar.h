// The main window: its event handlers and procedures hold all the behaviour.
// Each subsystem defines its members in its own folder.
#pragma once

#include <cstdint>
#include <string>

#include "actions/Action.h"
#include "app/FormEvents.h"
#include "app/Platform.h"
#include "tray/TrayRecord.h"

namespace quellar {

class frmQuellar final : public FormEvents {
public:
    explicit frmQuellar(Platform& platform) : ui_(platform) {}

    // 1 on the NT family, 0 otherwise; set once at start-up.
    std::int32_t glngWhichWindows32 = 0;
    // The tray record, filled once at start-up and used unchanged by every
    // add and delete of the icon.
    modSysTray::TrayIconRecord gudtTrayIcon{};

    // Start-up and closing (app/)
    void Form_Load();
    void Form_Unload(std::int16_t& cancel) override;
    void mPopExit_Click();
    void Form_SessionEnd() override;

    // Plain events from the window, handed to the handlers (app/Events.cpp)
    void OnClick(ControlId control) override;
    void OnMenu(MenuId item);  // the item chosen in the tray menu
    void OnTimer(ControlId timer) override;

    // Version, privilege and the actions (actions/)
    std::string getVersionEx();
    void EnableShutdownPrivilege();
    void cmdLogOff_Click();
    void cmdShutdown_Click();
    void cmdReboot_Click();
    void cmdPowerOff_Click();
    void ConfirmAction(const std::string& verb);
    // Returns only when Windows refused, after saying so.
    void ExitWindowsNow(std::int32_t flags);

    // The countdown (countdown/)
    void SetAdvanced(bool Bool);
    void lstAdvanced_Click();
    void cmdStart_Click();
    void cmdAbort_Click();
    void StartCountdown();
    void StopCountdown();
    void timCounter_Timer();

    // The tray (tray/)
    void Form_Resize() override;
    void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Form_TaskbarCreated() override;
    void timTray_Timer();
    void mPopRestore_Click();
    void MenuCheck(ControlId CheckVal, MenuId mCheckVal);
    void MenuCheckOptions();
    void MenuClick(ControlId ClickVal, MenuId mClickVal);
    void mPopForce_Click();
    void mPopDisable_Click();
    void mPopLogOff_Click();
    void mPopShutdown_Click();
    void mPopReboot_Click();
    void mPopPowerOff_Click();

    // The options (settings/)
    bool SaveOption(ControlId checkBox, const std::string& key);
    bool LoadOption(std::string& result, const std::string& key, ControlId checkBox);
    void cmdSave_Click();
    void cmdClear_Click();

private:
    void ShowVersionLabel();
    void SetLogOffCaption();
    void NameForScreenReaders();
    void ResetWarning();
    void FillTrayRecord();
    [[noreturn]] void EndAsDuplicate();
    void SaveBeforeClosing();
    void PutInTray();
    void DeleteTrayIcon();
    void RestoreFromTray();
    // Every road to one action: the privilege first where it needs one.
    void Act(ActionId action);
    // Every question and notice goes through here, so that while one is open
    // nothing opens a second.
    int Ask(const std::string& prompt, BoxStyle style, const std::string& title);

    Platform& ui_;
    bool isDuplicate_ = false;   // another copy runs: this one ends
    bool questionOpen_ = false;  // a message box of the program's is open
    bool iconInTray_ = false;    // the shell took the icon, and has not lost it since
};

}  // namespace quellar
