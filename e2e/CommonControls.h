// Questions about the program's tab control and tooltips.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

std::optional<int> TabCount(HWND tabControl);
std::optional<int> SelectedTab(HWND tabControl);
std::optional<std::string> TabCaption(HWND tabControl, DWORD processId, int index);
// The tab's rectangle in the tab control's client coordinates.
std::optional<RECT> TabRect(HWND tabControl, DWORD processId, int index);

struct Tool {
    HWND window;  // the window the tool belongs to
    UINT_PTR id;  // the control's window handle when TTF_IDISHWND is set
    UINT flags;
    std::string text;
    HWND control() const { return (flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(id) : window; }
};

// Every tooltip window of the process, shown or not.
std::vector<HWND> TooltipWindows(DWORD processId);
// Every tool of a tooltip window with its text (callbacks answered by the program).
std::optional<std::vector<Tool>> ToolsOf(HWND tooltip, DWORD processId);

}  // namespace e2e
