// The relay trace's one reader, for the scripts (native build):
//   quellar_relay split TRACE RELAY OTHER   the relay lines to RELAY, Wine's other messages to OTHER
//   quellar_relay tally TRACE               what an idle program did: messages it got from
//                                           GetMessageA, window procedure calls, timers, and the
//                                           five messages its window procedures got most
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "e2e/Relay.h"

namespace {

int Split(std::ifstream& trace, const char* relayPath, const char* otherPath) {
    std::ofstream relay(relayPath, std::ios::binary), other(otherPath, std::ios::binary);
    e2e::relay::Line line;
    for (std::string text; std::getline(trace, text);) (e2e::relay::Read(text, line) ? relay : other) << text << '\n';
    return relay && other ? 0 : 74;
}

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
    std::printf("messages %d\nwinprocs %d\ntimers %d\n", messages, procedures, heard["WM_TIMER"]);
    std::vector<std::pair<int, std::string>> most;
    for (const auto& [message, count] : heard) most.emplace_back(-count, message);
    std::sort(most.begin(), most.end());
    for (std::size_t i = 0; i < most.size() && i < 5; ++i)
        std::printf("%7d %s\n", -most[i].first, most[i].second.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::ifstream trace(argc > 2 ? argv[2] : "", std::ios::binary);
    if (argc == 5 && !std::strcmp(argv[1], "split") && trace) return Split(trace, argv[3], argv[4]);
    if (argc == 3 && !std::strcmp(argv[1], "tally") && trace) return Tally(trace);
    std::fputs("usage: quellar_relay split TRACE RELAY OTHER | tally TRACE\n", stderr);
    return 64;
}
