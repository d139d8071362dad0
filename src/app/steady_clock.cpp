#include "app/steady_clock.h"

#include <chrono>

namespace hexia {

std::int64_t SteadyClock::TickCount() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace hexia
