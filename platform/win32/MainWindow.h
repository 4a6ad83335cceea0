// The real window, made from the control table (MainWindowControls.cpp), its
// message handling, one short handler per message handing a plain event to
// the form (MainWindow.cpp), and the keyboard focus (MainWindowFocus.cpp).
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/FormEvents.h"
#include "app/Layout.h"
#include "countdown/TickSchedule.h"
#include "platform/win32/Handles.h"

namespace quellar {
namespace win32 {

class MainWindow {
public:
    bool Create(HINSTANCE instance, FormEvents& events);
    HWND Handle() const { return hwnd_; }
    HWND Control(ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }
    HMENU PopupMenu() const { return popup_.get(); }
    HICON BigIcon() const { return bigIcon_.get(); }
    float TwipsPerPixel() const { return quellar::TwipsPerPixel(dpi_); }

    // The form is loaded: from now on resizes reach it.
    void SetLoaded() { loaded_ = true; }
    void ShowFirstOrAgain();
    void SetInterval(ControlId timer, int milliseconds);
    void SetLinkTarget(ControlId link, const std::string& target);
    void SetEnabled(ControlId control, bool enabled);
    // Runs the form's unload handling; the window goes unless it cancels.
    void Close();
    // Keyboard handling for the message loop; true when the message was used.
    bool PreTranslate(MSG& msg);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void OnSize();
    void OnMouseMove(WPARAM keys, LPARAM position);
    void OnCommand(int id, int code);
    LRESULT OnNotify(const NMHDR& header);
    bool OnSetCursor(HWND under);
    void OnActivate(bool active);
    void OnTimer(UINT_PTR id);
    void OnEndSession(bool ending);

    void CreateControls(HINSTANCE instance);
    HWND CreateControl(HINSTANCE instance, const ControlSpec& row);
    void CreateTooltips(HINSTANCE instance);
    void CreatePopupMenu();
    void ShowSelectedPage();
    void SelectTab(int index);
    int ToPixels(int twips) const { return MulDiv(twips, dpi_, kTwipsPerInch); }
    bool IsLink(HWND control) const;
    ControlId FromCommandId(int id) const;

    HWND hwnd_ = nullptr;
    FormEvents* events_ = nullptr;
    int dpi_ = 96;
    UINT taskbarCreated_ = 0;
    TickSchedule ticks_;
    bool loaded_ = false;
    bool resized_ = false;
    bool shownBefore_ = false;
    bool armed_ = false;  // the countdown's timer ticks
    HWND focusBeforeDeactivation_ = nullptr;
    HWND focusReturnsTo_ = nullptr;  // disabled while it had the focus
    HWND focusLentTo_ = nullptr;     // where the focus went then
    std::array<HWND, kControlCount> controls_{};
    std::array<std::string, kControlCount> linkTargets_;
    Font font_;
    Icon bigIcon_;
    Icon smallIcon_;
    Menu popup_;
};

}  // namespace win32
}  // namespace quellar
