// What the control table says the window must look like, in pixels and
// window classes, at the screen's resolution.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/Layout.h"

namespace e2e {

constexpr int kTwipsPerInch = 1440;
constexpr int kAlwaysShown = -1;  // page of the tab strip itself

using quellar::Row;

int ScreenDpi();
int Px(int twips);

int WindowIdOf(quellar::ControlId id);
// Every control that has a window (all but the timer), in table order.
std::vector<quellar::ControlId> WindowedControls();
std::string ExpectedClass(quellar::ControlKind kind);
// The table entry whose window is the control's parent; ControlId::None for
// the main window. Tab pages and the icon hang directly on the main window.
quellar::ControlId ExpectedParent(quellar::ControlId id);
// The control's outer rectangle in its parent's client coordinates.
RECT ExpectedRect(quellar::ControlId id);
// The tab page the control is shown on, or kAlwaysShown.
int PageOf(quellar::ControlId id);
SIZE ExpectedClientSize();
int TabCaptionCount();

}  // namespace e2e
