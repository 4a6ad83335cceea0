// Reading and poking the program's windows from outside its process.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

constexpr UINT kSendTimeoutMs = 2000;

// The descendant of root with this control id, or null.
HWND FindControl(HWND root, int controlId);

std::string ClassOf(HWND hwnd);
// WM_GETTEXT with a timeout; nullopt when the program did not answer.
std::optional<std::string> TextOf(HWND hwnd);
// A message that carries no pointers, answered within the timeout.
std::optional<LRESULT> Ask(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

LONG_PTR StyleOf(HWND hwnd);
LONG_PTR ExStyleOf(HWND hwnd);
// The window's outer rectangle in its parent's client coordinates
// (screen coordinates for a top-level window).
RECT RectInParent(HWND hwnd);
SIZE ClientSize(HWND hwnd);

bool IsChecked(HWND checkBox);
// A click that does not wait for the program: safe while it shows a modal box.
void Click(HWND button);

}  // namespace e2e
