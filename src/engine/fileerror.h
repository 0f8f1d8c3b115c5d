#pragma once

#include <stdexcept>
#include <string>

namespace kalvor {

// An input/output failure of the event file; what() says what failed and why, in English.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace kalvor
