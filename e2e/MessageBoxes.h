// The program's message boxes: standard dialogs (#32770) with known ids.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

constexpr DWORD kMessageBoxTimeoutMs = 5000;
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr const char* kDialogClass = "#32770";

// The program's visible message box, or null when none came up in time.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs = kMessageBoxTimeoutMs);
std::optional<std::string> MessageBoxText(HWND box);
std::optional<std::string> MessageBoxTitle(HWND box);
// Presses the box's button (IDOK, IDYES, IDNO, ...) and waits until the box is gone.
bool AnswerMessageBox(HWND box, int buttonId, DWORD timeoutMs = kMessageBoxTimeoutMs);

}  // namespace e2e
