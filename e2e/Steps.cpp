// The step language that scenarios are written in: one table of verbs, each
// with the form of its argument, what it means and what it does. A script is
// steps separated by blanks ('quotes' keep blanks within one step); every
// verb is checked against the table before anything runs, and after every
// step the safety rules must hold (Rules.cpp). Checks wait until they hold.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>
#include <vector>

#include "app/Layout.h"
#include "e2e/Acts.h"
#include "e2e/Run.h"
#include "platform/win32/Identifiers.h"

namespace e2e {
namespace {

constexpr const char* kWineboot = "C:\\windows\\system32\\wineboot.exe";  // the driver, in Wine's place
constexpr const char* kComputerName = "System\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName";
constexpr const char* kDuplicateNotice =
    "Duplicate Instance|There is another instance of this program already running.\r"
    "If Quellar 2000 does not display immediately, please check\rthe system tray (next to the clock) for its icon.";

struct Arg {
    std::string text, name, value;  // NAME=VALUE is split
    int number;
};

// As the driver found it, to be put back after each scenario.
const std::string kHost = [] {
    char name[64] = "";
    DWORD size = sizeof name;
    RegGetValueA(HKEY_LOCAL_MACHINE, kComputerName, "ComputerName", RRF_RT_REG_SZ, nullptr, name, &size);
    return std::string(name);
}();

// What a step's handler gets: the run and the step's argument.
struct Step {
    Run& r;
    const Arg& a;
};
using Handler = bool (*)(Step);
struct Verb {
    const char* name;
    const char* form;
    const char* meaning;
    Handler run;
};

// clang-format off
// What the row sets up, and what the user, Windows and other programs do.
const Verb kDoings[] = {
    // The start.
    {"win", "VERSION", "Wine reports this Windows (win98, nt40, winxp, ...) to the program", [](Step c) -> bool { return Put(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Quellar.exe", "Version", c.a.text), true; }},
    {"dpi", "N", "the screen has N dots per inch", [](Step c) -> bool { return Put(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &c.a.number, 4), true; }},
    {"host", "NAME", "the computer's name", [](Step c) -> bool { return Put(HKEY_LOCAL_MACHINE, kComputerName, "ComputerName", c.a.text), true; }},
    {"put", "KEY=TEXT", "an option stored before the start", [](Step c) -> bool { return Put(HKEY_CURRENT_USER, quellar::ids::kStorePath, c.a.name, c.a.value), true; }},
    {"start", "", "the program started; waits until start-up has filled the list", [](Step c) -> bool { return Started(c.r, 0); }},
    {"second", "", "a second copy started; the steps after it are about that copy", [](Step c) -> bool { return Started(c.r, 1); }},
    {"first", "", "the steps after it are about the first copy again", [](Step c) -> bool { return c.r.current = 0, true; }},
    {"attach", "", "the copy that someone else started, found by its caption", [](Step c) -> bool { return Attach(c.r); }},
    // What the user does.
    {"click", "CONTROL", "a real click on the control", [](Step c) -> bool { return Click(c.r, c.a.text); }},
    {"tab", "N", "a real click on the N-th tab (0 to 2)", [](Step c) -> bool { return ToFront(c.r) && (ClickAt(Centre(TabPlace(c.r.control("SSTabQuellar"), c.a.number))), true); }},
    {"key", "KEYS", "real keys pressed together: r, alt+d, shift+end, enter, space, esc, down", [](Step c) -> bool { return Keys(c.r, {c.a.text}); }},
    {"xkey", "KEYS", "real keys pressed together on the X display's keyboard, by X's names (alt+f, Down, Return, Escape), which go where X has its focus (plain-x groups)", [](Step c) -> bool { return TypeOnDisplay(c.r, c.a.text); }},
    {"hold", "KEYS", "real keys held down until they repeat", [](Step c) -> bool { return Keys(c.r, {}) && (Press(c.a.text, true), true); }},
    {"twice", "KEYS", "real keys pressed twice, the second press typed before anything could answer the first", [](Step c) -> bool { return Keys(c.r, {}) && (Press(c.a.text, false, 2), true); }},
    {"type", "TEXT", "real keys, one character after the other", [](Step c) -> bool { return Keys(c.r, Characters(c.a.text)); }},
    {"letters", "", "every letter underlined in the window or the tray menu, or once underlined there, typed alone", [](Step c) -> bool { return Keys(c.r, Characters("lsrpfdmcvbx")); }},
    {"fill", "CONTROL=TEXT", "the control's text replaced by typing", [](Step c) -> bool { return c.r.Check(Fill(c.r.main(), c.r.control(c.a.name), c.a.value), "not in front"); }},
    {"choose", "ITEM", "the action list's item chosen with the arrow keys", [](Step c) -> bool { return c.r.Check(Choose(c.r.main(), c.r.control("lstAdvanced"), c.a.text), "the list reads " + Text(c.r.control("lstAdvanced"))); }},
    {"sleep", "SECONDS", "time passes", [](Step c) -> bool { return Sleep(1000 * c.a.number), true; }},
    {"answer", "yes|no|ok", "the open box answered", [](Step c) -> bool { return Answer(c.r, c.a.text == "yes" ? IDYES : c.a.text == "no" ? IDNO : IDOK); }},
    {"trayicon", "double|right", "a real double click, or right click, on the one tray icon", [](Step c) -> bool { return ClickIcon(c.r, c.a.text == "right"); }},
    // What Windows, the shell and other programs do.
    {"post", "N", "the shell's tray notification N (515 double click, 517 right button up)", [](Step c) -> bool { return PostMessageA(c.r.main(), WM_MOUSEMOVE, 1, c.a.number) != FALSE; }},
    {"timer", "[N]", "another program posts the countdown's timer message, N times", [](Step c) -> bool { for (int i = 0; i < std::max(1, c.a.number); ++i) PostMessageA(c.r.main(), WM_TIMER, quellar::ids::kCountdownTimer, 0); return true; }},
    {"queued", "CONTROL=KEYS", "a press of the keys posted straight into the queue of the control (main: the window), as Windows gives keys to the focus of the active window, hidden or not", [](Step c) -> bool { return PostKeys(c.a.name == "main" ? c.r.main() : c.r.control(c.a.name), c.a.value), true; }},
    {"refuse", "", "Windows refuses to end the session from now on (under Wine: no wineboot to start)", [](Step c) -> bool { return c.r.Check(DeleteFileA(kWineboot) != FALSE, "wineboot stays"); }},
    {"elsewhere", "", "the user works in another program, whose window comes to the front", [](Step c) -> bool { return WorkElsewhere(c.r); }},
    {"elevated", "", "a copy run as administrator holds the mark that copies find each other by", [](Step c) -> bool { return HoldMarkAsAdministrator(c.r); }},
    {"underbox", "", "the shell minimises the window under its open box (taskbar, Win+D), and the box hides with it", [](Step c) -> bool { return ShowWindow(c.r.main(), SW_MINIMIZE), c.r.Check(ShowWindow(c.r.box, SW_HIDE) != FALSE, "no box shown"); }},
    {"minimise", "", "the window minimised", [](Step c) -> bool { return PostMessageA(c.r.main(), WM_SYSCOMMAND, SC_MINIMIZE, 0) != FALSE; }},
    {"close", "", "the window asked to close", [](Step c) -> bool { return PostMessageA(c.r.main(), WM_CLOSE, 0, 0) != FALSE; }},
    {"endsession", "", "Windows ends the session", [](Step c) -> bool { return WindowsEndsSession(c.r); }},
    {"syscolours", "", "Windows tells its top-level windows of new system colours (a High Contrast scheme)", [](Step) -> bool { return SendNotifyMessageA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0) != FALSE; }},
    {"taskbar", "[sent]", "a new taskbar, which knows no icons and says so; sent: another program says so, and the icon stays", [](Step c) -> bool { return c.a.text == "sent" || (RemoveIcon(c.r.main()), true), SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0) != FALSE; }},
};

// What must hold: checks, which change nothing, so nothing settles after them.
const Verb kChecks[] = {
    {"ask", "TITLE|TEXT|NAME", "the program asks this, with Yes and No; NAME: log off, shutdown, reboot, power down, closing", [](Step c) -> bool { return Asks(c.r, c.a.text, {IDYES, IDNO}); }},
    {"duplicate", "", "the second copy's notice, with OK", [](Step c) -> bool { return Asks(c.r, kDuplicateNotice, {IDOK}); }},
    {"refused", "VERB", "the program tells that Windows refused to VERB, in the system's words for the code its ExitWindowsEx left", [](Step c) -> bool { std::string why; return WhyRefused(c.r, why) && Asks(c.r, "Quellar 2000|Windows refused to " + c.a.text + ":\r" + why, {IDOK}); }},
    {"nobox", "[TITLE]", "no box of the program is open, nor opens before QuietMs() has passed since the last step", [](Step c) -> bool { return c.r.Quiet([&] { return !TopLevel(c.r.program().pid, "#32770", c.a.text, true); }, "a box is open"); }},
    {"menu", "", "the tray menu is open", [](Step c) -> bool { return Shows(c.r, [&] { return TopLevel(c.r.program().pid, "#32768", "", true); }, "no menu"); }},
    {"nomenu", "", "no menu is open, nor opens before QuietMs() has passed since the last step", [](Step c) -> bool { return c.r.Quiet([&] { return !TopLevel(c.r.program().pid, "#32768", "", true); }, "a menu is open"); }},
    {"is", "CHECKBOX=0|1", "the check box's state", [](Step c) -> bool { return c.r.Expect([&] { return Checked(c.r, c.a.name) == c.a.value; }, c.a.text + " but is " + Checked(c.r, c.a.name)); }},
    {"caption", "TEXT", "the window's caption", [](Step c) -> bool { return c.r.Expect([&] { return Text(c.r.main()) == c.a.text; }, "it reads " + Text(c.r.main())); }},
    {"underlined", "LETTERS", "the letters underlined in the window's buttons and boxes, in order", [](Step c) -> bool { return c.r.Expect([&] { return Underlined(c.r.main()) == c.a.text; }, "they are " + Underlined(c.r.main())); }},
    {"counting", "TEXT", "the seconds box of the countdown started with TEXT: TEXT until the first tick, then the seconds left", [](Step c) -> bool { return Counting(c.r, c.a.text); }},
    {"text", "CONTROL=TEXT", "the control's text", [](Step c) -> bool { return c.r.Expect([&] { return Text(c.r.control(c.a.name)) == c.a.value; }, Text(c.r.control(c.a.name))); }},
    {"enabled", "CONTROL=0|1", "the control is enabled, or not", [](Step c) -> bool { return c.r.Expect([&] { return IsWindowEnabled(c.r.control(c.a.name)) == (c.a.value == "1"); }, c.a.text); }},
    {"store", "F,D,M", "the stored Force, Disable, Minimise texts; ~ absent", [](Step c) -> bool { return c.r.Expect([&] { return StoredOptions() == c.a.text; }, "the store holds " + StoredOptions()); }},
    {"front", "", "the window is the one in front", [](Step c) -> bool { return c.r.Expect([&] { return GetForegroundWindow() == c.r.main(); }, "not in front"); }},
    {"shown", "", "the window is shown", [](Step c) -> bool { return c.r.Expect([&] { return IsWindowVisible(c.r.main()) && !IsIconic(c.r.main()); }, "not shown"); }},
    {"hidden", "", "the window is minimised and hidden", [](Step c) -> bool { return c.r.Expect([&] { return !IsWindowVisible(c.r.main()) && IsIconic(c.r.main()); }, "not hidden"); }},
    {"icon", "", "the tray icon is there", [](Step c) -> bool { return c.r.Expect([&] { return IconPresent(c.r.main()); }, "no icon"); }},
    {"noicon", "", "no tray icon", [](Step c) -> bool { return c.r.Expect([&] { return !IconPresent(c.r.main()); }, "an icon"); }},
    {"tip", "TEXT", "the shown icon's tip", [](Step c) -> bool { return c.r.Expect([&] { return IconTip() == c.a.text; }, "the tip reads " + IconTip()); }},
    {"running", "", "the program still runs, and QuietMs() after the last step too", [](Step c) -> bool { return c.r.Quiet([&] { return Running(c.r.program()); }, "it ended"); }},
    {"ended", "", "the program has ended", [](Step c) -> bool { return c.r.Expect([&] { return !Running(c.r.program()); }, "still running"); }},
    {"exit", "FLAGS", "it ended after its only ExitWindowsEx, with these flags, and removed its icon if it had offered one", [](Step c) -> bool { return Exited(c.r, c.a.number); }},
    {"priv", "0|1", "the shutdown privilege enabled before acting (1), or never asked for (0)", [](Step c) -> bool { return Privilege(c.r, c.a.number == 1); }},
    {"privileged", "", "the program's token holds the shutdown privilege enabled", [](Step c) -> bool { return HoldsShutdownPrivilege(c.r); }},
    {"opened", "help|TARGET", "the shell asked to open the target; help: help.html in the exe's folder", [](Step c) -> bool { return Opened(c.r, c.a.text == "help" ? c.r.exe.substr(0, c.r.exe.rfind('\\') + 1) + "help.html" : c.a.text); }},
    {"heard", "CONTROL=MESSAGE", "the control's window procedure got the message (WM_...)", [](Step c) -> bool { return Heard(c.r, c.a.name, c.a.value); }},
    {"letsin", "MESSAGE", "the registered message let through the filter that Windows puts before an elevated program", [](Step c) -> bool { return LetsThrough(c.r, c.a.text); }},
    {"iconsize", "N", "the program loaded its icon's frame of N pixels", [](Step c) -> bool { return IconLoaded(c.r, c.a.number); }},
    {"size", "WxH", "the window's client area in pixels, give or take one", [](Step c) -> bool { return ClientSize(c.r, c.a.number, std::atoi(c.a.text.c_str() + c.a.text.find('x') + 1)); }},
    {"fit", "FACE=HEIGHT", "the program asks for this font, and no caption is cut", [](Step c) -> bool { return CaptionsFit(c.r, c.a.name, std::atoi(c.a.value.c_str())); }},
};
// clang-format on

// Both tables, in the order they are printed.
const std::pair<const Verb*, const Verb*> kTables[] = {{std::begin(kDoings), std::end(kDoings)},
                                                       {std::begin(kChecks), std::end(kChecks)}};

const Verb* Find(const std::string& name) {
    for (const auto& [first, last] : kTables)
        for (const Verb* verb = first; verb != last; ++verb)
            if (name == verb->name) return verb;
    return nullptr;
}

bool IsCheck(const Verb* verb) { return verb >= std::begin(kChecks) && verb < std::end(kChecks); }
bool IsSetUp(const Verb* verb) {
    for (const char* name : {"win", "dpi", "host", "put"})
        if (!std::strcmp(verb->name, name)) return true;
    return false;
}

// A script's steps, each "verb:argument".
std::vector<std::string> Steps(const std::string& script) {
    std::vector<std::string> steps(1);
    bool quoted = false;
    for (char c : script) {
        if (c == '\'')
            quoted = !quoted;
        else if (quoted || (c != ' ' && c != '\n'))
            steps.back() += c;
        else if (!steps.back().empty())
            steps.emplace_back();
    }
    if (steps.back().empty()) steps.pop_back();
    return steps;
}

// "verb:argument" as its verb and argument; the argument is empty without a colon.
std::pair<std::string, std::string> VerbAndArgument(const std::string& step) {
    const std::size_t colon = std::min(step.find(':'), step.size());
    return {step.substr(0, colon), step.substr(std::min(colon + 1, step.size()))};
}

// Each scenario starts where a user who never ran the program would.
void CleanUp(Run& run) {
    for (Program& copy : run.copies) {
        const HWND main = copy.main;
        Stop(copy);
        RemoveIcon(main);
    }
    if (run.heldMutex) CloseHandle(run.heldMutex);
    if (run.elsewhere) DestroyWindow(run.elsewhere);
    run.heldMutex = nullptr;
    run.elsewhere = nullptr;
    CopyFileA("C:\\quellar_e2e.exe", kWineboot, TRUE);
    RegDeleteTreeA(HKEY_CURRENT_USER, quellar::ids::kStorePath);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Quellar.exe");
    const int dpi = 96;
    Put(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, 4);
    Put(HKEY_LOCAL_MACHINE, kComputerName, "ComputerName", kHost);
}

}  // namespace

void PrintVerbs() {
    for (const auto& [first, last] : kTables)
        for (const Verb* verb = first; verb != last; ++verb)
            std::printf("%-10s %-14s %s\n", verb->name, verb->form, verb->meaning);
}

bool CheckScript(const std::string& script, std::string& failure) {
    for (const std::string& token : Steps(script))
        if (!Find(VerbAndArgument(token).first)) return failure = token + ": no such step", false;
    return true;
}

bool RunScenario(const std::string& exe, const std::string& script, std::string& failure) {
    Run run;
    run.exe = exe;
    CleanUp(run);
    run.store = StoredOptions();
    bool ok = CheckScript(script, failure);
    for (const std::string& token : ok ? Steps(script) : std::vector<std::string>()) {
        const auto [verb, text] = VerbAndArgument(token);
        const Arg arg{text, text.substr(0, text.find('=')), text.substr(text.find('=') + 1), std::atoi(text.c_str())};
        BeforeStep(run, verb, text);
        const Verb* step = Find(verb);
        const bool done = step->run({run, arg});
        // What a step does reaches the program a moment later; what is set up
        // for the start (the registry) reaches nobody at once.
        if (done && !IsCheck(step) && !IsSetUp(step)) run.doneAt = GetTickCount(), Sleep(100);
        if (!done || !RulesHold(run, verb, text)) {
            failure = token + ": " + run.why;
            ok = false;
            break;
        }
    }
    if (ok && !TrayStillAnswers(run)) ok = false, failure = "at the end: " + run.why;
    CleanUp(run);
    return ok;
}

}  // namespace e2e
