// The relay trace's one reader, for run-group.sh (native build):
//   quellar_relay TRACE RELAY OTHER   the relay lines to RELAY, Wine's other messages to OTHER
#include <cstdio>
#include <fstream>
#include <string>

#include "e2e/Relay.h"

int main(int argc, char** argv) {
    std::ifstream trace(argc == 4 ? argv[1] : "", std::ios::binary);
    if (!trace) return std::fputs("usage: quellar_relay TRACE RELAY OTHER\n", stderr), 64;
    std::ofstream relay(argv[2], std::ios::binary), other(argv[3], std::ios::binary);
    e2e::relay::Line line;
    for (std::string text; std::getline(trace, text);) (e2e::relay::Read(text, line) ? relay : other) << text << '\n';
    return relay && other ? 0 : 74;
}
