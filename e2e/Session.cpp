#include "e2e/Session.h"

#include "e2e/CommonControls.h"
#include "e2e/Controls.h"
#include "e2e/ExpectedLayout.h"
#include "e2e/Input.h"
#include "e2e/MessageBoxes.h"
#include "e2e/Options.h"
#include "e2e/Registry.h"
#include "e2e/Wait.h"

namespace e2e {

constexpr DWORD kReactTimeoutMs = 3000;

namespace {

// Options saved by an earlier test would change how the program starts.
std::unique_ptr<Program> StartWithoutSavedOptions() {
    DeleteUserTree(kSettingsKey);
    return std::make_unique<Program>(GetOptions().programPath);
}

}  // namespace

Session::Session() : program_(StartWithoutSavedOptions()) {}

Session::~Session() {
    Program& program = *program_;
    if (!program.running()) return;
    // A test may leave a message box up: it goes first, declined, since a
    // yes could start a log off or shutdown of the whole prefix.
    constexpr int kMostBoxes = 5;
    for (int i = 0; i < kMostBoxes; ++i) {
        const HWND box = FindTopLevel(program.processId(), kDialogClass);
        if (box == nullptr) break;
        for (const int button : {IDCANCEL, IDNO, IDOK}) {
            if (AnswerMessageBox(box, button)) break;
        }
    }
    PostMessageA(mainWindow(), WM_CLOSE, 0, 0);
    HWND box = nullptr;
    WaitUntil(
        [&] {
            box = FindTopLevel(program.processId(), kDialogClass);
            return box != nullptr || !program.running();
        },
        kExitTimeoutMs);
    if (box != nullptr) AnswerMessageBox(box, IDYES);
    if (!program.waitForExit(kExitTimeoutMs)) program.kill();
}

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

std::string Session::describeClickTarget() const {
    POINT cursor{};
    GetCursorPos(&cursor);
    const HWND under = WindowFromPoint(cursor);
    const HWND foreground = GetForegroundWindow();
    RECT window{};
    GetWindowRect(mainWindow(), &window);
    return "cursor " + std::to_string(cursor.x) + "," + std::to_string(cursor.y) + " over " +
           (under == nullptr ? std::string("nothing") : ClassOf(under) + " id " + std::to_string(GetDlgCtrlID(under))) +
           ", foreground " + (foreground == nullptr ? std::string("none") : ClassOf(foreground)) + ", window at " +
           std::to_string(window.left) + "," + std::to_string(window.top) + ", selected tab " +
           std::to_string(SelectedTab(tabStrip()).value_or(-99));
}

}  // namespace e2e
