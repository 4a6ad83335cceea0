// Measures the countdown's timing: starts Quellar.exe, prepares a countdown
// as a user would (the Advanced tab, "Log Off" chosen with the arrow keys, then
// a list text typed that names no action, so reaching zero ends nothing, and
// the seconds typed), starts it, and notes with QueryPerformanceCounter when
// the seconds box shows each new value, polling it about every millisecond.
// Prints each change and a summary per run.
//
// usage: countdown_timing [-v] QUELLAR_EXE N [N...]   (-v: a line per change)
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/Driver.h"

namespace {

constexpr double kSlackSeconds = 30.0;  // beyond N before a run gives up

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

// The control's text typed, and shown.
bool Fill(HWND main, HWND control, const std::string& text) {
    return e2e::Fill(main, control, text) && e2e::WaitFor([&] { return e2e::Text(control) == text; });
}

// The countdown of n seconds set up and ready to start; null, or the step
// that failed.
const char* Prepare(HWND main, int n) {
    // Start-up fills the list last; Wine resets the keys' state a moment after.
    HWND list = nullptr;
    if (!e2e::WaitFor([&] { return SendMessageA(list = e2e::Control(main, "lstAdvanced"), CB_GETCOUNT, 0, 0) == 5; }))
        return "the list was not filled";
    if (!e2e::ToFront(main)) return "the window did not come in front";
    Sleep(300);
    e2e::ClickAt(e2e::Centre(e2e::TabPlace(e2e::Control(main, "SSTabQuellar"), 1)));
    if (!e2e::WaitFor([&] { return IsWindowVisible(list) != FALSE; })) return "the Advanced tab did not show";
    if (!e2e::Choose(main, list, "Log Off")) return "Log Off could not be chosen";
    if (!Fill(main, list, "nothing")) return "the list text could not be typed";
    if (!Fill(main, e2e::Control(main, "txtCounter"), std::to_string(n))) return "the seconds could not be typed";
    if (!e2e::WaitFor([&] { return IsWindowEnabled(e2e::Control(main, "cmdStart")) != FALSE; }))
        return "Start stayed disabled";
    return nullptr;
}

struct Change {
    double at;  // seconds since Start's handler returned
    std::string text;
};

struct Stats {
    double mean = 0, sd = 0, min = 0, max = 0;
};

Stats StatsOf(const std::vector<double>& values) {
    Stats s;
    if (values.empty()) return s;
    s.min = *std::min_element(values.begin(), values.end());
    s.max = *std::max_element(values.begin(), values.end());
    for (const double v : values) s.mean += v;
    s.mean /= static_cast<double>(values.size());
    for (const double v : values) s.sd += (v - s.mean) * (v - s.mean);
    s.sd = std::sqrt(s.sd / static_cast<double>(values.size()));
    return s;
}

// One countdown of n seconds; false when it could not be run.
bool Measure(const std::string& exe, int n, bool verbose) {
    // The program is stopped after each run.
    e2e::Program program = e2e::Start(exe);
    struct Closer {
        e2e::Program& program;
        ~Closer() { e2e::Stop(program); }
    } closer{program};
    const HWND main = program.main;
    if (main == nullptr) {
        std::printf("N=%d: the program did not show its window\n", n);
        return false;
    }
    if (const char* failed = Prepare(main, n)) {
        std::printf("N=%d: could not prepare the countdown: %s\n", n, failed);
        return false;
    }
    const HWND field = e2e::Control(main, "txtCounter");
    const HWND start = e2e::Control(main, "cmdStart");
    const std::string seconds = std::to_string(n);

    const double before = Now();
    // Sent, so that the click's handler has run when it returns.
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(start, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, e2e::kPatienceMs, &ignored)) {
        std::printf("N=%d: Start did not answer\n", n);
        return false;
    }
    const double origin = Now();  // Start's handler has armed the timer by now
    std::vector<Change> changes;
    std::string last = seconds;
    std::size_t polls = 0;
    double longestGap = 0;
    double previousPoll = origin;
    while (Now() - origin < n + kSlackSeconds) {
        const std::string text = e2e::Text(field);
        const double at = Now() - origin;
        ++polls;
        longestGap = std::max(longestGap, at - (previousPoll - origin));
        previousPoll = at + origin;
        if (text != last) {
            changes.push_back({at, text});
            last = text;
            if (text == "0") break;
        }
        Sleep(1);
    }
    if (changes.empty() || changes.back().text != "0") {
        std::printf("N=%d: the box did not reach 0 within %.0f s\n", n, n + kSlackSeconds);
        return false;
    }

    std::vector<double> errors;
    std::vector<double> intervals;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const int remaining = std::atoi(changes[i].text.c_str());
        const double expected = n - remaining;
        const double error = (changes[i].at - expected) * 1000.0;
        errors.push_back(error);
        if (i > 0) intervals.push_back((changes[i].at - changes[i - 1].at) * 1000.0);
        if (verbose)
            std::printf("  N=%d  box %-5s at %8.3f s  error %+7.1f ms\n", n, changes[i].text.c_str(), changes[i].at,
                        error);
    }
    const Stats e = StatsOf(errors);
    const Stats gap = StatsOf(intervals);
    const double zeroAt = changes.back().at;
    std::printf("N=%d: zero reached %.3f s after Start (error %+.1f ms)\n", n, zeroAt, (zeroAt - n) * 1000.0);
    std::printf("N=%d: per-tick error ms: mean %+.1f  sd %.1f  min %+.1f  max %+.1f  (%zu of %d ticks seen)\n", n,
                e.mean, e.sd, e.min, e.max, changes.size(), n);
    std::printf("N=%d: tick interval ms: mean %.1f  sd %.1f  min %.1f  max %.1f\n", n, gap.mean, gap.sd, gap.min,
                gap.max);
    std::printf(
        "N=%d: Start took %.1f ms to answer; box read %zu times, every %.2f ms on average, longest gap %.1f ms\n", n,
        (origin - before) * 1000.0, polls, polls > 0 ? zeroAt * 1000.0 / static_cast<double>(polls) : 0.0,
        longestGap * 1000.0);
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    const bool verbose = argc > 1 && std::string(argv[1]) == "-v";
    if (verbose) ++first;
    if (argc - first < 2) {
        std::fprintf(stderr, "usage: countdown_timing [-v] QUELLAR_EXE N [N...]\n");
        return 64;
    }
    int failures = 0;
    for (int i = first + 1; i < argc; ++i) {
        if (!Measure(argv[first], std::atoi(argv[i]), verbose)) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
