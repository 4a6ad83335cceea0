// Everything the behaviour needs from outside itself, in its own words. The
// form calls only this; platform/win32/ implements it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/Captions.h"
#include "app/Layout.h"
#include "tray/TrayRecord.h"

namespace quellar {

enum class WindowState : int { Normal = 0, Minimised = 1, Maximised = 2 };

// What a screen reader announces a control as, where it would guess wrong.
enum class SpokenRole { AsMade, Link };

// The message boxes the program shows, and the answer it tests for, as
// Windows numbers them.
enum class BoxStyle : std::uint32_t { OkOnly = 0, YesNo = 4 };
constexpr int kAnswerYes = 6;

// What the program reads of the system's version record; all zero when the
// record cannot be read.
struct WindowsVersion {
    std::uint32_t platformId;
    std::uint32_t major;
    std::uint32_t minor;
};

class Platform : public TextCase {
public:
    // Controls, by name. Text is a caption or a text box's or list's text.
    virtual std::string Text(ControlId control) = 0;
    virtual void SetText(ControlId control, const std::string& text) = 0;
    virtual void SetEnabled(ControlId control, bool enabled) = 0;
    virtual int Value(ControlId checkBox) = 0;
    virtual void SetValue(ControlId checkBox, int value) = 0;
    virtual void AddItem(ControlId list, const std::string& item) = 0;
    virtual void SetInterval(ControlId timer, int milliseconds) = 0;
    virtual void SetLinkTarget(ControlId link, const std::string& target) = 0;
    // The name and role screen readers announce for the control; systems
    // without a way to set them keep their own.
    virtual void SetSpokenName(ControlId control, const std::string& name, SpokenRole role) = 0;

    // The pop-up menu.
    virtual bool Checked(MenuId item) = 0;
    virtual void SetChecked(MenuId item, bool checked) = 0;
    virtual void SetMenuCaption(MenuId item, const std::string& caption) = 0;
    // Shows the menu at the mouse and returns the item chosen, or the menu
    // itself when none was, once the menu has closed.
    virtual MenuId PopupMenu(MenuId menu) = 0;
    // An open pop-up menu closes, with nothing chosen.
    virtual void CloseMenu() = 0;

    // The main window. Changing the state runs Form_Resize, as it does on Windows.
    virtual WindowState State() = 0;
    virtual void SetState(WindowState state) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Refresh() = 0;
    virtual void BringToFront() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Unloads the window: runs Form_Unload, and unless it cancels, the window
    // is gone and the program ends once the current handler returns.
    virtual void Unload() = 0;
    virtual std::uint32_t WindowHandle() = 0;
    virtual std::uint32_t IconHandle() = 0;
    virtual float TwipsPerPixelX() = 0;

    // The application.
    virtual int MsgBox(const std::string& prompt, BoxStyle style, const std::string& title) = 0;
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

    // The system.
    virtual WindowsVersion VersionRecord() = 0;
    // The system's version as one number, whose top bit is clear on the NT family.
    virtual std::uint32_t VersionNumber() = 0;
    // The names are empty when they cannot be read.
    virtual std::string ComputerName() = 0;
    virtual std::string UserName() = 0;
    virtual void ClearLastError() = 0;
    // The NT family ends a session only for a process whose token holds the
    // shutdown privilege enabled.
    virtual void EnableShutdownPrivilegeInToken() = 0;
    // Asks Windows to end the session with these flags (log off, shut down,
    // reboot, power down, force); Windows only starts doing so. False, with
    // the system's own words for why, when Windows refuses.
    virtual bool EndSession(std::uint32_t flags, std::string& whyRefused) = 0;
    // True when the shell shows the icon afterwards, added now or before;
    // false when it refused (it does while it is busy).
    virtual bool AddTrayIcon(const modSysTray::TrayIconRecord& record) = 0;
    virtual void DeleteTrayIcon(const modSysTray::TrayIconRecord& record) = 0;

protected:
    ~Platform() = default;
};

}  // namespace quellar
