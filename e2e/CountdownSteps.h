// Steps on the Advanced tab, done the way a user does them (mouse clicks,
// arrow keys, typing), shared by the countdown tests and the action runs.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/Layout.h"
#include "e2e/CommonControls.h"
#include "e2e/Controls.h"
#include "e2e/ExpectedLayout.h"
#include "e2e/Input.h"
#include "e2e/Program.h"
#include "e2e/Wait.h"

namespace e2e {
namespace advanced {

using quellar::ControlId;

constexpr int kPage = 1;
constexpr DWORD kReactTimeoutMs = 3000;
constexpr DWORD kClickTimeoutMs = 5000;

// The list's items in their order; index 0 is the placeholder.
constexpr const char* kItems[] = {"(Make selection)", "Log Off", "Shutdown", "Reboot", "Power Down"};
constexpr int kPlaceholder = 0;
constexpr int kLogOff = 1;
constexpr int kShutdown = 2;
constexpr int kItemCount = 5;

// A list text that names no action: a countdown with it can safely reach zero.
constexpr const char* kNoAction = "nothing";

using ControlList = std::vector<ControlId>;

// Switched together with the list's choice; the list itself stays usable.
inline ControlList FollowTheChoice() {
    return {ControlId::txtCounter, ControlId::cmdStart,   ControlId::lblInfoAdvanced,
            ControlId::lblCombo,   ControlId::lblCounter, ControlId::lblWarning};
}

inline HWND Control(const Program& program, ControlId id) { return FindControl(program.mainWindow(), WindowIdOf(id)); }

inline bool Enabled(const Program& program, ControlId id) {
    const HWND hwnd = Control(program, id);
    return hwnd != nullptr && IsWindowEnabled(hwnd);
}

// "name=on name=off ..." for failure messages.
inline std::string States(const Program& program, const ControlList& ids) {
    std::string text;
    for (const ControlId id : ids) text += std::string(" ") + Row(id).name + (Enabled(program, id) ? "=on" : "=off");
    return text;
}

inline std::string Quoted(const std::optional<std::string>& text) {
    return text ? "\"" + *text + "\"" : std::string("(no answer)");
}

// Waits until every control in ids is enabled (or every one disabled).
inline testing::AssertionResult AllEnabledAre(const Program& program, const ControlList& ids, bool enabled) {
    const bool reached = WaitUntil(
        [&] {
            for (const ControlId id : ids) {
                if (Enabled(program, id) != enabled) return false;
            }
            return true;
        },
        kReactTimeoutMs);
    if (reached) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "expected all " << (enabled ? "enabled" : "disabled") << ", found"
                                       << States(program, ids);
}

inline testing::AssertionResult ShowPage(const Program& program) {
    const HWND strip = Control(program, ControlId::SSTabQuellar);
    const auto rect = TabRect(strip, program.processId(), kPage);
    if (!rect) return testing::AssertionFailure() << "no rectangle for the Advanced tab";
    if (!BringToFront(program.mainWindow())) return testing::AssertionFailure() << "the window would not come forward";
    ClickClientRect(strip, *rect);
    if (WaitUntil([&] { return SelectedTab(strip) == kPage; }, kReactTimeoutMs)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "a click on the Advanced tab did not select it";
}

// Clicks the control and waits until it (or its edit part) has the focus.
inline testing::AssertionResult FocusByClick(const Program& program, ControlId id) {
    const HWND target = Control(program, id);
    if (target == nullptr) return testing::AssertionFailure() << Row(id).name << " is missing";
    if (!BringToFront(program.mainWindow())) return testing::AssertionFailure() << "the window would not come forward";
    RECT client{};
    GetClientRect(target, &client);
    ClickClientRect(target, client);
    const auto focused = [&] {
        const HWND focus = FocusOf(program.threadId());
        return focus == target || IsChild(target, focus);
    };
    if (WaitUntil(focused, kReactTimeoutMs)) return testing::AssertionSuccess();
    POINT cursor{};
    GetCursorPos(&cursor);
    const HWND under = WindowFromPoint(cursor);
    const HWND focus = FocusOf(program.threadId());
    return testing::AssertionFailure() << "a click on " << Row(id).name << " did not give it the focus; it is on "
                                       << (focus ? ClassOf(focus) : std::string("nothing")) << ", the pointer over "
                                       << (under ? ClassOf(under) : std::string("nothing"));
}

// Moves the list's selection with the arrow keys until the item is chosen;
// every key press is a choice the program reacts to.
inline testing::AssertionResult ChooseWithArrows(const Program& program, int item) {
    const HWND list = Control(program, ControlId::lstAdvanced);
    constexpr int kMostPresses = 2 * kItemCount;
    for (int press = 0; press < kMostPresses; ++press) {
        const auto current = Ask(list, CB_GETCURSEL);
        if (!current) return testing::AssertionFailure() << "the list does not answer";
        if (*current == item) break;
        // Choosing the placeholder disables the list for a moment, which
        // takes the focus away; under Wine a click on the field alone does
        // not bring it back, a click on the tab first does.
        const HWND focus = FocusOf(program.threadId());
        if (focus != list && !IsChild(list, focus)) {
            auto focused = ShowPage(program);
            if (focused) focused = FocusByClick(program, ControlId::lstAdvanced);
            if (!focused) return focused;
        }
        PressKey(*current != CB_ERR && *current > item ? VK_UP : VK_DOWN);
        WaitUntil([&] { return Ask(list, CB_GETCURSEL) != current; }, kReactTimeoutMs);
    }
    const bool shown = WaitUntil(
        [&] { return Ask(list, CB_GETCURSEL) == item && TextOf(list) == std::string(kItems[item]); }, kReactTimeoutMs);
    if (shown) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "arrow keys did not choose \"" << kItems[item] << "\": item "
                                       << Ask(list, CB_GETCURSEL).value_or(-99) << " selected, field shows "
                                       << Quoted(TextOf(list));
}

// Opens the list with a click on its button and clicks the item.
inline testing::AssertionResult ChooseWithMouse(const Program& program, int item) {
    const HWND list = Control(program, ControlId::lstAdvanced);
    if (list == nullptr || !BringToFront(program.mainWindow()))
        return testing::AssertionFailure() << "the list or the window is not there";
    RECT field{};
    GetClientRect(list, &field);
    const RECT button{field.right - GetSystemMetrics(SM_CXVSCROLL), field.top, field.right, field.bottom};
    ClickClientRect(list, button);
    HWND dropped = nullptr;
    const bool open = WaitUntil(
        [&] {
            dropped = FindTopLevel(program.processId(), "ComboLBox");
            return dropped != nullptr && Ask(list, CB_GETDROPPEDSTATE).value_or(FALSE) != FALSE;
        },
        kReactTimeoutMs);
    if (!open) return testing::AssertionFailure() << "a click on the list's button did not open it";
    const auto height = Ask(dropped, LB_GETITEMHEIGHT, 0);
    const auto top = Ask(dropped, LB_GETTOPINDEX);
    if (!height || !top || *height <= 0) return testing::AssertionFailure() << "the open list does not answer";
    RECT rows{};
    GetClientRect(dropped, &rows);
    const RECT row{rows.left, static_cast<LONG>((item - *top) * *height), rows.right,
                   static_cast<LONG>((item - *top + 1) * *height)};
    ClickClientRect(dropped, row);
    const bool chosen = WaitUntil(
        [&] {
            return Ask(list, CB_GETDROPPEDSTATE).value_or(TRUE) == FALSE && Ask(list, CB_GETCURSEL) == item &&
                   TextOf(list) == std::string(kItems[item]);
        },
        kReactTimeoutMs);
    if (chosen) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "a click on \"" << kItems[item] << "\" did not choose it: item "
                                       << Ask(list, CB_GETCURSEL).value_or(-99) << " selected, field shows "
                                       << Quoted(TextOf(list));
}

// Replaces the text of the seconds box or of the list's field by typing
// (digits and lower-case letters).
inline testing::AssertionResult TypeOver(const Program& program, ControlId id, const std::string& text) {
    const auto focused = FocusByClick(program, id);
    if (!focused) return focused;
    const HWND target = Control(program, id);
    if (id == ControlId::lstAdvanced) {
        Ask(target, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    } else {
        Ask(target, EM_SETSEL, 0, -1);
    }
    TypeText(text);
    if (WaitUntil([&] { return TextOf(target) == text; }, kReactTimeoutMs)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "typed \"" << text << "\" into " << Row(id).name << ", which shows "
                                       << Quoted(TextOf(target));
}

// WM_SETTEXT from outside, for texts no keyboard could enter (longer than the
// box allows).
inline bool SetTextFromOutside(HWND hwnd, const std::string& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                               kSendTimeoutMs, &result) != 0 &&
           result != FALSE;
}

// BM_CLICK that returns once the program has handled it; only for buttons
// that show no message box.
inline bool ClickAndWait(HWND button) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kClickTimeoutMs, &result) != 0;
}

// Chooses an action (which enables Start) and then types a text that names
// none over it: the countdown runs, yet reaching zero ends nothing.
inline testing::AssertionResult PrepareHarmlessCountdown(const Program& program, const std::string& seconds) {
    auto step = ChooseWithArrows(program, kLogOff);
    if (step) step = TypeOver(program, ControlId::lstAdvanced, kNoAction);
    if (step) step = TypeOver(program, ControlId::txtCounter, seconds);
    if (step && !Enabled(program, ControlId::cmdStart)) step = testing::AssertionFailure() << "Start is disabled";
    return step;
}

}  // namespace advanced
}  // namespace e2e
