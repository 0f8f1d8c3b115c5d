#pragma once

#include "oledate.h"

namespace kalvor {

// The local wall-clock time, to the second.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalSeconds now() const = 0;
};

} // namespace kalvor
