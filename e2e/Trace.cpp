// The checks that read the program's calls in the relay trace, which shows
// plain arguments (not what structures hold) as numbers, and texts quoted
// with each backslash doubled. The 64-bit trace shows a 32-bit argument as
// the register it came in, with whatever its upper half held: numbers are
// compared in their lower 32 bits.
#include <objbase.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "e2e/Run.h"

namespace e2e {
namespace {

constexpr unsigned long long kAny = ~0ull;
constexpr std::size_t kNone = std::string::npos;

// Where the first call of the function at or after `from` begins, whose
// leading arguments are these (kAny: any); kNone when there is none.
std::size_t Call(const std::string& calls, const std::string& function,
                 std::initializer_list<unsigned long long> args = {}, std::size_t from = 0) {
    const std::string opening = "." + function + "(";
    for (std::size_t at = calls.find(opening, from); at != kNone; at = calls.find(opening, at + 1)) {
        const char* field = calls.c_str() + at + opening.size();
        bool same = true;
        for (const unsigned long long wanted : args) {
            char* end = nullptr;
            const unsigned long long value = std::strtoull(field, &end, 16) & 0xFFFFFFFF;
            same = same && end != field && (wanted == kAny || value == wanted);
            const char* comma = std::strchr(end, ',');
            field = comma ? comma + 1 : end;
        }
        if (same) return at;
    }
    return kNone;
}

// Waits until the program's traced calls show what is wanted.
template <class Shows>
bool Traced(Run& run, Shows shows, DWORD ms = kPatienceMs) {
    const DWORD pid = run.program().pid;
    const bool shown = WaitFor([&] { return shows(TracedCalls(pid)); }, ms);
    return run.Check(shown, "its calls were:\n" + TracedCalls(pid));
}

}  // namespace

bool Exited(Run& run, int flags) {
    return run.Expect([&] { return !Running(run.program()); }, "it did not end", 40000) &&
           Traced(run, [&](const std::string& calls) {
               const std::size_t at = Call(calls, "ExitWindowsEx");
               return at != kNone && at == Call(calls, "ExitWindowsEx", {static_cast<unsigned>(flags), 0xFFFFFFFF}) &&
                      Call(calls, "ExitWindowsEx", {}, at + 1) == kNone &&
                      Call(calls, "Shell_NotifyIconA", {NIM_DELETE}, at) != kNone;
           });
}

// Enabled: the privilege looked up by its name, then the token adjusted
// without disabling every privilege, all before ExitWindowsEx.
bool Privilege(Run& run, bool enabled) {
    return Traced(run, [&](std::string calls) {
        calls.resize(std::min(calls.size(), Call(calls, "ExitWindowsEx")));
        const std::size_t asked = calls.find("\"SeShutdownPrivilege\"");
        return enabled ? asked != kNone && Call(calls, "AdjustTokenPrivileges", {kAny, FALSE}, asked) != kNone
                       : asked == kNone && Call(calls, "OpenProcessToken") == kNone;
    });
}

// The program's token, read from outside, holds the shutdown privilege
// enabled: what the calls above put into it, which the trace cannot show.
bool HoldsShutdownPrivilege(Run& run) {
    LUID shutdown{};
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &shutdown);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, run.program().pid), token = nullptr;
    bool enabled = false;
    if (process && OpenProcessToken(process, TOKEN_QUERY, &token)) {
        alignas(TOKEN_PRIVILEGES) char buffer[4096];
        DWORD size = 0;
        const auto* held = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer);
        if (GetTokenInformation(token, TokenPrivileges, buffer, sizeof buffer, &size)) {
            for (DWORD i = 0; i < held->PrivilegeCount; ++i) {
                const LUID_AND_ATTRIBUTES& privilege = held->Privileges[i];
                enabled = enabled ||
                          (privilege.Luid.LowPart == shutdown.LowPart && privilege.Luid.HighPart == shutdown.HighPart &&
                           (privilege.Attributes & SE_PRIVILEGE_ENABLED));
            }
        }
        CloseHandle(token);
    }
    if (process) CloseHandle(process);
    return run.Check(enabled, "its token holds no enabled shutdown privilege");
}

// The shell asked to open the target, with COM ready on the thread first.
bool Opened(Run& run, const std::string& target) {
    std::string quoted = " \"";
    for (char c : target) quoted += c == '\\' ? "\\\\" : std::string(1, c);
    return Traced(run, [&](const std::string& calls) {
        const std::size_t com = Call(calls, "CoInitializeEx", {0, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE});
        const std::size_t opened = Call(calls, "ShellExecuteA");
        return com < opened && opened != kNone && calls.find(quoted + "\",", opened) != kNone;
    });
}

// LoadImageA(instance, 1, IMAGE_ICON, width, height, flags).
bool IconLoaded(Run& run, int size) {
    const auto pixels = static_cast<unsigned>(size);
    return Traced(run, [&](const std::string& calls) {
        return Call(calls, "LoadImageA", {kAny, 1, IMAGE_ICON, pixels, pixels}) != kNone;
    });
}

// The control's window procedure got the message.
bool Heard(Run& run, const std::string& control, const std::string& message) {
    char wanted[80];
    wsprintfA(wanted, "(hwnd=%016I64X,msg=%s,",
              static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(run.control(control))), message.c_str());
    const DWORD pid = run.program().pid;
    return run.Expect([&] { return TracedMessages(pid).find(wanted) != std::string::npos; },
                      control + " did not get " + message);
}

// The registered message let through to the main window by the filter that
// Windows puts before an elevated program (ChangeWindowMessageFilterEx).
bool LetsThrough(Run& run, const std::string& message) {
    const auto window = static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(run.main()));
    const UINT id = RegisterWindowMessageA(message.c_str());
    return Traced(run, [&](const std::string& calls) {
        return Call(calls, "ChangeWindowMessageFilterEx", {window, id, MSGFLT_ALLOW}) != kNone;
    });
}

}  // namespace e2e
