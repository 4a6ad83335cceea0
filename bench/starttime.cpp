// Measures start-up, over several runs: from CreateProcess until the
// program's window of the given class is visible, and until it has drawn it
// and waits for input (WaitForInputIdle), which is when a user can use it;
// and its memory then: private bytes and working set. Prints the medians.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Search {
    DWORD process;
    const char* className;
    bool found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    char name[64];
    if (process == search->process && IsWindowVisible(hwnd) && GetClassNameA(hwnd, name, sizeof name) &&
        lstrcmpA(name, search->className) == 0) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Start {
    double visibleMs = -1, idleMs = -1;
    SIZE_T privateBytes = 0, workingSet = 0;
};

// One start; negative times when the window did not show within 20 s.
Start OneRun(const char* exe, const char* className, LARGE_INTEGER frequency) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    LARGE_INTEGER start, now;
    Start run;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(exe, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return run;
    for (;;) {
        Search search{info.dwProcessId, className, false};
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        if (search.found) {
            run.visibleMs = Seconds(start, now, frequency) * 1000.0;
            break;
        }
        if (Seconds(start, now, frequency) > 20.0) break;
        Sleep(1);
    }
    if (run.visibleMs >= 0 && WaitForInputIdle(info.hProcess, 20000) == 0) {
        QueryPerformanceCounter(&now);
        run.idleMs = Seconds(start, now, frequency) * 1000.0;
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
            // Wine leaves PrivateUsage empty; Windows gives the same figure as PagefileUsage.
            run.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
            run.workingSet = memory.WorkingSetSize;
        }
    }
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    Sleep(200);  // let the system settle between runs
    return run;
}

template <class Field>
double Median(std::vector<Start> runs, Field field) {
    std::sort(runs.begin(), runs.end(), [&](const Start& a, const Start& b) { return field(a) < field(b); });
    return static_cast<double>(field(runs[runs.size() / 2]));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: starttime EXE WINDOWCLASS RUNS\n");
        return 2;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<Start> runs;
    for (int i = 0; i < std::atoi(argv[3]); ++i) {
        runs.push_back(OneRun(argv[1], argv[2], frequency));
        if (runs.back().idleMs < 0) {
            std::printf("run %d: window never shown, or never idle\n", i + 1);
            return 1;
        }
    }
    std::printf("median visible %.1f ms, idle %.1f ms, private %.0f KB, working set %.0f KB (%zu runs)\n",
                Median(runs, [](const Start& r) { return r.visibleMs; }),
                Median(runs, [](const Start& r) { return r.idleMs; }),
                Median(runs, [](const Start& r) { return r.privateBytes; }) / 1024,
                Median(runs, [](const Start& r) { return r.workingSet; }) / 1024, runs.size());
    return 0;
}
