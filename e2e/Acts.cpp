// What the steps do and what their checks read, from outside the program,
// as a user, Windows or another program would: the step table (Steps.cpp)
// names each of them.
#include "e2e/Acts.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "app/Layout.h"
#include "platform/win32/Identifiers.h"

namespace e2e {
namespace {

// The slowest waits so far: figures for the run's end.
DWORD slowestStartMs = 0, slowestShowMs = 0;

}  // namespace

bool Shows(Run& run, const std::function<bool()>& condition, const std::string& failure) {
    const bool ok = run.Expect(condition, failure);
    if (ok) slowestShowMs = std::max(slowestShowMs, GetTickCount() - run.doneAt);
    return ok;
}

bool ToFront(Run& run) { return run.Check(e2e::ToFront(run.main()), "not in front"); }
bool Keys(Run& run, const std::vector<std::string>& keys) {
    return run.Check(e2e::Keys(run.main(), keys), "not in front");
}

// Start-up fills the list last; a window just started is in front. Wine
// resets the state of the keys (Alt among them) a moment after.
bool Started(Run& run, int copy) {
    const DWORD begun = GetTickCount();
    run.copies[copy] = Start(run.exe);
    run.current = copy;
    const std::string notStarted = "it did not start (error " + std::to_string(run.program().startError) + ")";
    if (copy == 1) return run.Check(run.main() != nullptr, notStarted);
    const bool filled = run.Expect([&] { return SendMessageA(run.control("lstAdvanced"), CB_GETCOUNT, 0, 0) == 5; },
                                   notStarted, kStartMs);
    if (filled) slowestStartMs = std::max(slowestStartMs, GetTickCount() - begun);
    return filled && (!IsWindowVisible(run.main()) || ToFront(run)) && (Sleep(300), true);
}

bool Attach(Run& run) {
    Program& copy = run.copies[0];
    WaitFor([&] { return (copy.main = FindWindowA(quellar::ids::kMainClass, nullptr)); }, 90000);
    GetWindowThreadProcessId(copy.main, &copy.pid);
    copy.process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, copy.pid);
    return run.Check(copy.process, "no window");
}

bool Click(Run& run, const std::string& name) {
    const bool clicked = ClickOn(run.main(), run.control(name));
    if (name == "cmdStart") run.countdownAt = GetTickCount();
    return run.Check(clicked, name + " is not in front, where a click would reach it");
}

// The seconds box of a countdown started with this text shows it until the
// first tick, then the whole seconds left. A slow host reads it late: it may
// have ticked since Start was clicked, once a second, or once less where the
// program took Start late. It is read once the countdown runs, and once only,
// since a box that counts passes through every number.
bool Counting(Run& run, const std::string& started) {
    if (!run.Expect([&] { return IsWindowEnabled(run.control("cmdAbort")); }, "no countdown")) return false;
    const std::string text = Text(run.control("txtCounter"));
    const DWORD since = GetTickCount() - run.countdownAt;
    const long whole = std::lround(std::atof(started.c_str()));
    const long first = std::max(0L, static_cast<long>(since / 1000) - 1);
    const long last = static_cast<long>((since + 100) / 1000);
    bool shows = false;
    for (long ticks = first; ticks <= last; ++ticks)
        shows = shows || text == (ticks == 0 ? started : std::to_string(whole - ticks));
    return run.Check(shows, "it reads " + text + ", " + std::to_string(since) + " ms after Start");
}

bool ClickIcon(Run& run, bool right) {
    std::string tip;
    RECT place;
    return run.Check(ShownIcon(tip, place), "no one icon") && (ClickAt(Centre(place), right ? 1 : 2, right), true);
}

std::string IconTip() {
    std::string tip;
    RECT place;
    return ShownIcon(tip, place) ? tip : "";
}

std::string Checked(Run& run, const std::string& name) {
    return std::to_string(SendMessageA(run.control(name), BM_GETCHECK, 0, 0));
}

// Keys typed on the X display's keyboard, which X hands to the window with
// its focus, as a user's are: xdotool, a program of the host (run-group.sh
// names it), which Wine starts as it starts any.
bool TypeOnDisplay(Run& run, const std::string& keys) {
    const char* xdotool = std::getenv("E2E_XDOTOOL");
    std::string line = "xdotool key --clearmodifiers " + keys;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION typing{};
    if (!run.Check(xdotool && CreateProcessA(xdotool, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                             &typing),
                   "no xdotool to type with"))
        return false;
    WaitForSingleObject(typing.hProcess, kPatienceMs);
    CloseHandle(typing.hThread);
    CloseHandle(typing.hProcess);
    return true;
}

// The program's questions, by the names that rows give them.
const std::pair<std::string, std::string> kQuestions[] = {
    {"log off", "Quellar 2000|Are you sure you want to log off?"},
    {"shutdown", "Quellar 2000|Are you sure you want to shutdown?"},
    {"reboot", "Quellar 2000|Are you sure you want to reboot?"},
    {"power down", "Quellar 2000|Are you sure you want to power down?"},
    {"closing", "Exit Quellar 2000|Click Yes to quit Quellar 2000, or No to minimise it."}};

// The program's box of this title and text (or this question), with exactly these buttons.
bool Asks(Run& run, std::string box, std::vector<int> buttons) {
    for (const auto& [name, question] : kQuestions) box = box == name ? question : box;
    const std::string title = box.substr(0, box.find('|')), text = box.substr(box.find('|') + 1);
    if (!Shows(
            run, [&] { return (run.box = TopLevel(run.program().pid, "#32770", title, true)); }, "no " + title) ||
        !run.Check(Text(GetDlgItem(run.box, 0xFFFF)) == text, "it says " + Text(GetDlgItem(run.box, 0xFFFF)))) {
        return false;
    }
    bool exactly = true;
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO})
        exactly =
            exactly && (GetDlgItem(run.box, id) != nullptr) == (std::count(buttons.begin(), buttons.end(), id) > 0);
    return run.Check(exactly, "other buttons");
}

bool Answer(Run& run, int id) {
    PostMessageA(run.box, WM_COMMAND, id, reinterpret_cast<LPARAM>(GetDlgItem(run.box, id)));
    return run.Expect([&] { return !IsWindow(run.box); }, "the box stays");
}

// A copy run as administrator makes the running mark, which a copy at the
// user's level may not open.
bool HoldMarkAsAdministrator(Run& run) {
    SECURITY_DESCRIPTOR descriptor;
    ACL empty;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    InitializeAcl(&empty, sizeof empty, ACL_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, &empty, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
    run.heldMutex = CreateMutexA(&attributes, FALSE, quellar::ids::kMutexName);
    return run.Check(run.heldMutex != nullptr, "no mark made");
}

// The user works in another program: its window comes to the front.
bool WorkElsewhere(Run& run) {
    run.elsewhere = CreateWindowExA(0, "STATIC", "Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                    nullptr, nullptr, nullptr, nullptr);
    return run.Expect([&] { return SetForegroundWindow(run.elsewhere) && GetForegroundWindow() == run.elsewhere; },
                      "another program's window cannot come to the front");
}

// Windows ends the session, as it tells each program: may it, and then it does.
bool WindowsEndsSession(Run& run) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(run.main(), WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, kPatienceMs, &answer);
    // The program may end while it answers the second.
    return run.Check(answer == TRUE, "it vetoes") &&
           (SendMessageTimeoutA(run.main(), WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, kPatienceMs, nullptr), true);
}

DWORD QuietMs() { return std::max<DWORD>(1000, 4 * slowestShowMs); }

std::string SlowestWaits() {
    char line[96];
    wsprintfA(line, "slowest start %lu ms, slowest box or menu to appear %lu ms", slowestStartMs, slowestShowMs);
    return line;
}

}  // namespace e2e
