// When a repeating timer's next tick is due, so that ticks do not drift: the
// k-th tick is due k periods after the start, measured on a monotonic clock,
// rather than one period after the tick before, which would add up lateness.
#pragma once

#include <cstdint>

namespace quellar {

class TickSchedule {
public:
    // Starts at `now` (milliseconds of a monotonic clock); returns the delay
    // until the first tick.
    std::int64_t Start(std::int64_t now, std::int64_t period);
    // Called when a tick arrives at `now`; returns the delay until the next.
    // A tick more than a period late restarts the schedule from itself, so
    // that missed ticks are not made up in a rush.
    std::int64_t Tick(std::int64_t now);
    // Whether a timer message at `now` can be the next tick: not more than
    // half a period before it is due. Any program can post the message.
    bool Due(std::int64_t now) const { return now >= origin_ + (ticks_ + 1) * period_ - period_ / 2; }

private:
    std::int64_t origin_ = 0;
    std::int64_t period_ = 1000;
    std::int64_t ticks_ = 0;
};

}  // namespace quellar
