#pragma once

#include <QLockFile>

#include <memory>

namespace kalvor::platform {

// A per-user lock held while Kalvor runs. The lock of a copy that crashed is taken over: it names
// a process that no longer exists.
class SingleInstance {
public:
    SingleInstance();
    // True when this copy holds the lock, false when another running copy does.
    bool acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace kalvor::platform
