// Measures start-up: from CreateProcess until the program's window of the
// given class is visible, over several runs; prints each run and the median
// in milliseconds.
#include <windows.h>

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

// One start; negative when the window did not show within 20 s.
double OneRun(const char* exe, const char* className, LARGE_INTEGER frequency) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(exe, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return -1;
    double elapsed = -1;
    for (;;) {
        Search search{info.dwProcessId, className, false};
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        if (search.found) {
            elapsed = Seconds(start, now, frequency) * 1000.0;
            break;
        }
        if (Seconds(start, now, frequency) > 20.0) break;
        Sleep(1);
    }
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    Sleep(200);  // let the system settle between runs
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: starttime EXE WINDOWCLASS RUNS\n");
        return 2;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < std::atoi(argv[3]); ++i) {
        const double ms = OneRun(argv[1], argv[2], frequency);
        if (ms < 0) {
            std::printf("run %d: window never shown\n", i + 1);
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("median %.1f ms (min %.1f, max %.1f, %zu runs)\n", times[times.size() / 2], times.front(), times.back(),
                times.size());
    return 0;
}
