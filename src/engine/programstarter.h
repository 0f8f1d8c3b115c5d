#pragma once

#include <string>

namespace kalvor {

// Window styles of a started program.
enum class WindowStyle : int { Normal = 1, Minimized = 2, Maximized = 3 };

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the command line without waiting for it, in `directory` (the current one when empty).
    // The style is the stored digit plus one (Normal, Minimized, Maximized for 0..2). False when the
    // directory is missing or the program cannot be started. Texts are UTF-8.
    virtual bool start(const std::string& commandLine, const std::string& directory, int windowStyle) = 0;
};

} // namespace kalvor
