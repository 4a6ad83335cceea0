// What an idle program did, from a relay trace of it (bench/idle.sh), read
// by the end-to-end tests' reader of relay lines:
//   relay_tally TRACE   the messages GetMessageA returned, the window procedure
//                       calls, the timers among them, and the five messages
//                       the window procedures got most
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "e2e/Relay.h"

namespace {

int Tally(std::ifstream& trace) {
    int messages = 0, procedures = 0;
    std::map<std::string, int> heard;
    e2e::relay::Line line;
    for (std::string text; std::getline(trace, text);) {
        if (!e2e::relay::Read(text, line)) continue;
        messages += !line.call && line.function == "user32.GetMessageA" && line.result != 0;
        if (!line.call || !line.function.empty()) continue;
        ++procedures;
        ++heard[line.message];
    }
    const auto timers = heard.find("WM_TIMER");
    std::printf("messages %d\nwinprocs %d\ntimers %d\n", messages, procedures,
                timers == heard.end() ? 0 : timers->second);
    std::vector<std::pair<int, std::string>> most;
    for (const auto& [message, count] : heard) most.emplace_back(-count, message);
    std::sort(most.begin(), most.end());
    for (std::size_t i = 0; i < most.size() && i < 5; ++i)
        std::printf("%7d %s\n", -most[i].first, most[i].second.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::ifstream trace(argc == 2 ? argv[1] : "", std::ios::binary);
    if (trace) return Tally(trace);
    std::fputs("usage: relay_tally TRACE\n", stderr);
    return 64;
}
