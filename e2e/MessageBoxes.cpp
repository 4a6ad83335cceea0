#include "e2e/MessageBoxes.h"

#include "e2e/Controls.h"
#include "e2e/Program.h"
#include "e2e/Wait.h"

namespace e2e {

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            box = FindTopLevel(processId, kDialogClass);
            return box != nullptr;
        },
        timeoutMs);
    return box;
}

std::optional<std::string> MessageBoxText(HWND box) {
    const HWND text = GetDlgItem(box, kMessageBoxTextId);
    if (text == nullptr) return std::nullopt;
    return TextOf(text);
}

std::optional<std::string> MessageBoxTitle(HWND box) { return TextOf(box); }

bool AnswerMessageBox(HWND box, int buttonId, DWORD timeoutMs) {
    const HWND button = GetDlgItem(box, buttonId);
    if (button == nullptr) return false;
    Click(button);
    return WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, timeoutMs);
}

}  // namespace e2e
