#include "countdown/TickSchedule.h"

namespace quellar {

std::int64_t TickSchedule::Start(std::int64_t now, std::int64_t period) {
    origin_ = now;
    period_ = period > 0 ? period : 1;
    ticks_ = 0;
    return period_;
}

std::int64_t TickSchedule::Tick(std::int64_t now) {
    ++ticks_;
    if (now - (origin_ + ticks_ * period_) > period_) {
        origin_ = now;
        ticks_ = 0;
    }
    const std::int64_t delay = origin_ + (ticks_ + 1) * period_ - now;
    return delay > 0 ? delay : 1;
}

}  // namespace quellar
