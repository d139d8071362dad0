#pragma once

#include "app/app_context.h"

namespace hexia {

// Milliseconds of the monotonic system clock; unaffected by changes of the
// wall-clock time during a batch.
class SteadyClock : public Clock {
public:
    std::int64_t TickCount() override;
};

} // namespace hexia
