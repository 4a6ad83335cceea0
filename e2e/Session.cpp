#include "e2e/Session.h"

#include "e2e/CommonControls.h"
#include "e2e/Controls.h"
#include "e2e/ExpectedLayout.h"
#include "e2e/Input.h"
#include "e2e/Options.h"
#include "e2e/Wait.h"

namespace e2e {

constexpr DWORD kReactTimeoutMs = 3000;

Session::Session() : program_(std::make_unique<Program>(GetOptions().programPath)) {}

HWND Session::control(quellar::ControlId id) const { return FindControl(mainWindow(), WindowIdOf(id)); }

HWND Session::focus() const { return FocusOf(program_->threadId()); }

bool Session::bringToFront() const { return BringToFront(mainWindow()); }

bool Session::waitForPage(int page) const {
    return WaitUntil([&] { return SelectedTab(tabStrip()) == page; }, kReactTimeoutMs);
}

bool Session::clickTab(int page) const {
    const HWND strip = tabStrip();
    const auto rect = TabRect(strip, program_->processId(), page);
    if (!rect || !bringToFront()) return false;
    ClickClientRect(strip, *rect);
    return waitForPage(page);
}

bool Session::clickToFocus(quellar::ControlId id) const {
    const HWND target = control(id);
    if (target == nullptr || !bringToFront()) return false;
    RECT client{};
    GetClientRect(target, &client);
    ClickClientRect(target, client);
    return WaitUntil([&] { return focus() == target || IsChild(target, focus()); }, kReactTimeoutMs);
}

}  // namespace e2e
