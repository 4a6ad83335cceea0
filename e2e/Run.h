// One scenario's run: the copies of the program it started, what it last saw,
// and what the safety rules remember between its steps.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "e2e/Driver.h"

namespace e2e {

// How long a check that nothing happens waits: four times the slowest box or
// menu this run saw appear after its step, so that it grows with the host's
// load, and at least 1 s (a program that ends does so sooner still). In five
// `make test` runs on a 2-core host the slowest took 0.4 s, 0.83 s with 8
// groups at once.
DWORD QuietMs();

struct Run {
    std::string exe;    // the build under test
    Program copies[2];  // the first copy and a second one
    int current = 0;
    HWND box = nullptr;  // the box the last ask found
    std::string why;     // why the last check failed

    // Between steps, for the rules (Rules.cpp). What a step may cause can
    // show at the check after the next step too, so each leave lasts two.
    std::string store;           // the stored options when last seen
    std::string counter;         // the seconds box when last seen
    bool counting = false;       // a countdown that the user started runs
    int mayAct = 0;              // checks left at which ExitWindowsEx may show
    int maySave = 0;             // ... at which the store may change
    int mayStart = 0;            // ... at which a countdown may start
    int mayEdit = 0;             // ... at which the seconds box may change
    std::size_t exits = 0;       // ExitWindowsEx calls seen so far
    HANDLE heldMutex = nullptr;  // the running mark that an elevated copy would hold
    HWND elsewhere = nullptr;    // another program's window, in front
    DWORD doneAt = 0;            // when the last step that does something was done

    Program& program() { return copies[current]; }
    HWND main() { return copies[current].main; }
    HWND control(const std::string& name) { return Control(main(), name); }
    bool Check(bool ok, const std::string& failure) { return why = ok ? why : failure, ok; }
    template <class Condition>
    bool Expect(Condition condition, const std::string& failure, DWORD ms = kPatienceMs) {
        return Check(WaitFor(condition, ms), failure);
    }
    DWORD countdownAt = 0;  // when Start was last clicked
    // A check that nothing happens holds now and still holds once anything
    // the last step caused would have come (QuietMs after it); checks in a
    // row share that wait.
    template <class Condition>
    bool Quiet(Condition ok, const std::string& failure) {
        const bool now = ok();
        const DWORD since = GetTickCount() - doneAt;
        if (since < QuietMs()) Sleep(QuietMs() - since);
        return Check(now && ok(), failure);
    }
};

// The slowest start of the program and the slowest box or menu to appear so
// far, as a line of figures.
std::string SlowestWaits();

// The safety rules, after a step ("verb:argument") and at the end of a row.
void BeforeStep(Run& run, const std::string& verb, const std::string& arg);
bool RulesHold(Run& run, const std::string& verb, const std::string& arg);
bool TrayStillAnswers(Run& run);

// Checks on the program's calls in the relay trace (Trace.cpp).
// It ended after its only ExitWindowsEx, with these flags, and removed its icon
// if it had offered one.
bool Exited(Run& run, int flags);
// The shutdown privilege enabled before ExitWindowsEx, or never asked for.
bool Privilege(Run& run, bool enabled);
bool HoldsShutdownPrivilege(Run& run);
bool Opened(Run& run, const std::string& target);
bool IconLoaded(Run& run, int size);
bool LetsThrough(Run& run, const std::string& message);
bool Heard(Run& run, const std::string& control, const std::string& message);
bool WhyRefused(Run& run, std::string& words);

// What the window looks like (Looks.cpp): the letters underlined in its
// buttons' and boxes' captions, sorted; its client area in pixels, give or
// take one; every caption within its control's room in the font the program
// is meant to ask for.
std::string Underlined(HWND main);
bool ClientSize(Run& run, int width, int height);
bool CaptionsFit(Run& run, const std::string& face, int height);

// A scenario's steps (see Scenarios.cpp), each run and followed by the rules.
bool RunScenario(const std::string& exe, const std::string& script, std::string& failure);

// The steps of a random walk of safe user actions, with what the model of the
// boxes and the store expects after each.
std::string RandomWalk(unsigned seed, int moves);

}  // namespace e2e
