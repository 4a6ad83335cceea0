// Random walks of safe user steps: ticking options, switching tabs, Save and
// Clear, Start and Abort, minimising and restoring, the tray menu's options,
// closing answered No and a second copy. A small model of the boxes and the
// store says what each step must leave; the rules check the rest.
#include <random>

#include "e2e/Run.h"
#include "settings/Options.h"

namespace e2e {

std::string RandomWalk(unsigned seed, int moves) {
    static const char* const kActions[] = {"Log Off", "Shutdown", "Reboot", "Power Down"};
    std::mt19937 random(seed);
    const auto pick = [&](unsigned n) { return static_cast<int>(random() % n); };
    int boxes[3] = {0, 0, 0};
    bool tray = false;
    std::string steps = "start";
    const auto name = [](int box) { return quellar::Row(quellar::kOptions[box].box).name; };
    const auto is = [&](int box) { steps += std::string(" is:") + name(box) + "=" + std::to_string(boxes[box]); };
    const auto stored = [&] {
        steps += " store:" + std::to_string(boxes[0]) + "," + std::to_string(boxes[1]) + "," + std::to_string(boxes[2]);
    };
    for (int move = 0; move < moves; ++move) {
        const int kind = pick(8);
        if (tray && kind != 5 && kind != 7) {  // in the tray: back, or the menu's options
            steps += " trayicon:double shown";
            tray = false;
        } else if (kind == 0) {
            const int box = pick(3);
            steps += std::string(" tab:0 click:") + name(box);
            boxes[box] ^= 1;
            is(box);
        } else if (kind == 1) {
            steps += " tab:" + std::to_string(pick(3));
        } else if (kind == 2) {
            const bool clear = pick(2);
            if (clear) boxes[0] = boxes[1] = boxes[2] = 0;
            steps += clear ? " tab:0 click:cmdClear" : " tab:0 click:cmdSave";
            stored();
        } else if (kind == 3) {
            steps += std::string(" tab:1 choose:'") + kActions[pick(4)] +
                     "' fill:txtCounter=" + std::to_string(19 + pick(100)) +
                     " click:cmdStart enabled:cmdAbort=1 click:cmdAbort text:txtCounter=21";
        } else if (kind == 4 || (kind == 5 && !tray) || (kind == 6 && boxes[1] == 1)) {
            steps += " minimise hidden";
            tray = true;
        } else if (kind == 5) {
            const int box = pick(2);
            steps += std::string(" trayicon:right menu key:") + (box ? "d" : "f");
            boxes[box] ^= 1;
            is(box);
        } else if (kind == 6) {
            steps += " close ask:closing answer:no hidden";
            stored();
            tray = true;
        } else {
            steps += " second duplicate answer:ok ended first";
        }
    }
    return steps;
}

}  // namespace e2e
