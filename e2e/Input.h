// Real user input (SendInput): it goes to the foreground window's focus,
// exactly as a keyboard and a mouse would deliver it.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

constexpr DWORD kFocusTimeoutMs = 3000;

// Makes the program's window the foreground window; true when it is.
bool BringToFront(HWND topLevel, DWORD timeoutMs = kFocusTimeoutMs);
HWND ForegroundWindow();
// The window with the keyboard focus in another thread, or null.
HWND FocusOf(DWORD threadId);

void PressKey(WORD virtualKey);
void PressWithModifier(WORD modifier, WORD virtualKey);  // e.g. VK_CONTROL + VK_TAB
void PressAltLetter(char letter);
// Digits and letters only: one key press each, as typed.
void TypeText(const std::string& text);

// Left click at a point in screen coordinates.
void ClickAt(POINT screenPoint);
// Left click at the centre of a rectangle in hwnd's client coordinates.
void ClickClientRect(HWND hwnd, const RECT& clientRect);

}  // namespace e2e
