#include "e2e/ProgramTest.h"

#include "e2e/Controls.h"
#include "e2e/ExpectedLayout.h"
#include "e2e/Wait.h"
#include "resources/resource.h"

namespace e2e {

std::string NameOfWindow(HWND hwnd, HWND mainWindow) {
    if (hwnd == nullptr) return "(no focus)";
    if (hwnd == mainWindow) return "(main window)";
    const int index = GetDlgCtrlID(hwnd) - quellar::ids::kFirstControl;
    if (index >= 0 && static_cast<std::size_t>(index) < quellar::kControlCount && IsChild(mainWindow, hwnd))
        return quellar::ControlTable()[index].name;
    return "(" + ClassOf(hwnd) + " id " + std::to_string(GetDlgCtrlID(hwnd)) + ")";
}

testing::AssertionResult ShownControlsMatchPage(const Session& session, int page) {
    std::string wrong;
    const auto check = [&] {
        wrong.clear();
        for (const auto id : WindowedControls()) {
            const HWND hwnd = session.control(id);
            const int on = PageOf(id);
            const bool expected = on == kAlwaysShown || on == page;
            if (hwnd == nullptr) {
                wrong += std::string(" ") + Row(id).name + "(missing)";
            } else if (static_cast<bool>(IsWindowVisible(hwnd)) != expected) {
                wrong += std::string(" ") + Row(id).name + (expected ? "(hidden)" : "(shown)");
            }
        }
        return wrong.empty();
    };
    constexpr DWORD kSwitchTimeoutMs = 2000;
    if (WaitUntil(check, kSwitchTimeoutMs)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "with page " << page << " selected, wrong:" << wrong;
}

}  // namespace e2e
