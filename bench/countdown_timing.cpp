// Measures the countdown's timing: starts Quellar.exe, runs a countdown whose
// list text names no action (so reaching zero ends nothing), and notes with
// QueryPerformanceCounter when the seconds box shows each new value, polling
// it about every millisecond. Prints each change and a summary per run.
//
// usage: countdown_timing [-v] QUELLAR_EXE N [N...]   (-v: a line per change)
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "app/Layout.h"
#include "resources/resource.h"

namespace {

using quellar::ControlId;

constexpr UINT kSendTimeoutMs = 5000;
constexpr DWORD kStartTimeoutMs = 20000;
constexpr double kSlackSeconds = 30.0;  // beyond N before a run gives up

struct HandleCloser {
    void operator()(HANDLE h) const {
        if (h != nullptr) CloseHandle(h);
    }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

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

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindMain(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (owner != search->process || !IsWindowVisible(hwnd) || lstrcmpA(name, quellar::ids::kMainClass) != 0)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

struct ControlQuery {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND hwnd, LPARAM data) {
    auto* query = reinterpret_cast<ControlQuery*>(data);
    if (GetDlgCtrlID(hwnd) != query->id) return TRUE;
    query->found = hwnd;
    return FALSE;
}

HWND Control(HWND main, ControlId id) {
    ControlQuery query{quellar::ids::Control(static_cast<int>(id)), nullptr};
    EnumChildWindows(main, MatchControl, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

bool Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               result != nullptr ? result : &ignored) != 0;
}

bool ReadText(HWND hwnd, std::string& text) {
    char buffer[64] = {};
    DWORD_PTR copied = 0;
    if (!Send(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), &copied)) return false;
    text.assign(buffer, std::min<std::size_t>(copied, sizeof buffer - 1));
    return true;
}

// The program under test, ended when the run is over.
class Program {
public:
    explicit Program(const std::string& exe) {
        std::string line = "\"" + exe + "\"";
        std::vector<char> mutableLine(line.begin(), line.end());
        mutableLine.push_back('\0');
        const auto slash = exe.find_last_of("\\/");
        const std::string folder = slash == std::string::npos ? std::string() : exe.substr(0, slash);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessA(exe.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &startup, &info))
            return;
        process_.reset(info.hProcess);
        CloseHandle(info.hThread);
        const double deadline = Now() + kStartTimeoutMs / 1000.0;
        Search search{info.dwProcessId, nullptr};
        while (search.found == nullptr && Now() < deadline) {
            EnumWindows(FindMain, reinterpret_cast<LPARAM>(&search));
            if (search.found == nullptr) Sleep(10);
        }
        main_ = search.found;
    }
    ~Program() {
        if (!process_) return;
        // Zero ticked "Disable confirmation", so closing asks nothing.
        if (main_ != nullptr) PostMessageA(main_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0) {
            TerminateProcess(process_.get(), 1);
            WaitForSingleObject(process_.get(), 5000);
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    HWND main() const { return main_; }

private:
    UniqueHandle process_;
    HWND main_ = nullptr;
};

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
    Program program(exe);
    const HWND main = program.main();
    if (main == nullptr) {
        std::printf("N=%d: the program did not show its window\n", n);
        return false;
    }
    const HWND list = Control(main, ControlId::lstAdvanced);
    const HWND field = Control(main, ControlId::txtCounter);
    const HWND start = Control(main, ControlId::cmdStart);
    // Choose "Log Off" (which enables Start) as the list would report it,
    // then replace the text by one that names no action.
    const int listId = GetDlgCtrlID(list);
    const std::string seconds = std::to_string(n);
    if (!Send(list, CB_SETCURSEL, 1, 0) ||
        !Send(main, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list)) ||
        !Send(list, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("nothing")) ||
        !Send(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(seconds.c_str())) || !IsWindowEnabled(start)) {
        std::printf("N=%d: could not prepare the countdown\n", n);
        return false;
    }

    const double before = Now();
    if (!Send(start, BM_CLICK, 0, 0)) {
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
        std::string text;
        if (!ReadText(field, text)) break;
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
