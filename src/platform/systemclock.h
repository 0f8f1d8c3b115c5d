#pragma once

#include "engine/clock.h"

namespace kalvor::platform {

// The computer's local wall-clock time.
class SystemClock final : public Clock {
public:
    LocalSeconds now() const override;
};

} // namespace kalvor::platform
