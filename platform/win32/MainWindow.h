// The real window, made from the control table (MainWindowControls.cpp), its
// message handling, one line per message handing a plain event to the form
// (MainWindow.cpp), and the keyboard focus (MainWindowFocus.cpp).
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/FormEvents.h"
#include "app/Layout.h"
#include "platform/win32/Handles.h"

namespace quellar {
namespace win32 {

class Win32Timers;

class MainWindow {
public:
    // The window's events go to the form, its timer messages to the timers.
    bool Create(HINSTANCE instance, FormEvents& events, Win32Timers& timers);
    HWND Handle() const { return hwnd_; }
    // The control's window; the controls of a tab are made when first needed.
    HWND Control(ControlId id);
    HMENU PopupMenu() const { return popup_.get(); }
    HICON BigIcon() const { return bigIcon_.get(); }
    float TwipsPerPixel() const { return quellar::TwipsPerPixel(dpi_); }

    // The form is loaded: from now on resizes reach it.
    void SetLoaded() { loaded_ = true; }
    void ShowFirstOrAgain();
    void SetLinkTarget(ControlId link, const std::string& target);
    void SetEnabled(ControlId control, bool enabled);
    // Runs the form's unload handling; the window goes unless it cancels.
    void Close();
    // Keyboard handling for the message loop; true when the message was used.
    bool PreTranslate(MSG& msg);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }

    LRESULT OnSize();
    LRESULT OnMouseMove(WPARAM keys, LPARAM position);
    LRESULT OnCommand(int id, int code);
    LRESULT OnNotify(const NMHDR& header);
    LRESULT OnDrawItem(const DRAWITEMSTRUCT& item);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivate(bool active);
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivateApp(bool active);
    LRESULT OnTimer(UINT_PTR id);
    LRESULT OnQueryEndSession();
    LRESULT OnEndSession(bool ending);
    LRESULT OnClose();
    LRESULT OnDestroy();
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnOther(UINT message, WPARAM wParam, LPARAM lParam);

    void ChooseIcons(HINSTANCE instance);
    bool RegisterClasses(HINSTANCE instance);
    RECT CentredFrame() const;
    void CreateControls();
    void MakePage(int page);
    HWND CreateControl(const ControlSpec& row);
    // The control's window, or null while its tab's controls are not made.
    HWND Made(ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }
    void CreateTooltips();
    void AddTooltip(std::size_t control);
    void CreatePopupMenu();
    void ShowSelectedPage();
    void SelectTab(int index);
    bool ShowChosenItem(HWND combo);
    void OpenLink(ControlId link);
    int ToPixels(int twips) const { return MulDiv(twips, dpi_, kTwipsPerInch); }
    bool IsLink(HWND control) const;
    ControlId FromCommandId(int id) const;

    HINSTANCE instance_ = nullptr;
    HWND hwnd_ = nullptr;
    HWND tips_ = nullptr;
    FormEvents* events_ = nullptr;
    Win32Timers* timers_ = nullptr;
    int dpi_ = 96;
    UINT taskbarCreated_ = 0;
    bool loaded_ = false;
    bool resized_ = false;
    bool shownBefore_ = false;
    bool tipsMade_ = false;  // the tooltips are made when the pointer first comes over the window
    HWND focusBeforeDeactivation_ = nullptr;
    HWND focusReturnsTo_ = nullptr;  // disabled while it had the focus
    HWND focusLentTo_ = nullptr;     // where the focus went then
    std::array<bool, kTabCount> pageMade_{};
    std::array<HWND, kControlCount> controls_{};
    std::array<std::string, kControlCount> linkTargets_;
    Font font_;
    Icon bigIcon_;
    Icon smallIcon_;
    Menu popup_;
};

}  // namespace win32
}  // namespace quellar
