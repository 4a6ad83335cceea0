// Where the keyboard focus goes when the window or a control changes, so
// that keys always reach a control of the window.
#include "platform/win32/MainWindow.h"

namespace quellar {
namespace win32 {

// Like a dialog, give the focus back to the control that had it, or to the
// tab strip.
LRESULT MainWindow::OnActivate(bool active) {
    HWND focus = GetFocus();
    if (!active) {
        if (focus && IsChild(hwnd_, focus)) focusBeforeDeactivation_ = focus;
        return 0;
    }
    HWND target = focusBeforeDeactivation_;
    if (!target || !IsChild(hwnd_, target) || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
        target = Control(ControlId::SSTabQuellar);
    }
    SetFocus(target);
    return 0;
}

// A control that is disabled while it has the focus would leave no control
// with the focus. The tab strip takes it, where neither Enter nor Space does
// anything: the next control could be a button, such as Start under Abort,
// which one more key would click. A box or list gets the focus back when it
// is enabled again before the user has moved it; a button never does.
void MainWindow::SetEnabled(ControlId id, bool enabled) {
    HWND hwnd = Control(id);
    HWND focus = GetFocus();
    const bool hadFocus = focus && (focus == hwnd || IsChild(hwnd, focus));
    EnableWindow(hwnd, enabled ? TRUE : FALSE);
    if (!enabled && hadFocus) {
        HWND strip = Control(ControlId::SSTabQuellar);
        SetFocus(strip);
        const ControlKind kind = Row(id).kind;
        const bool clicks =
            kind == ControlKind::CommandButton || kind == ControlKind::CheckBox || kind == ControlKind::HyperLink;
        focusReturnsTo_ = clicks ? nullptr : hwnd;
        focusLentTo_ = strip;
    } else if (enabled && hwnd == focusReturnsTo_) {
        focus = GetFocus();
        if (!focus || focus == focusLentTo_) SetFocus(hwnd);
        focusReturnsTo_ = nullptr;
    }
}

}  // namespace win32
}  // namespace quellar
