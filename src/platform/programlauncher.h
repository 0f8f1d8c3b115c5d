#pragma once

#include "engine/programstarter.h"

namespace kalvor::platform {

// Starts a program as a detached process in its starting directory. The command line is split by
// the usual quoting rules, with no shell. Window styles mean nothing to X11 and Wayland programs
// and are ignored.
class ProgramLauncher final : public ProgramStarter {
public:
    bool start(const std::string& commandLine, const std::string& directory, int windowStyle) override;
};

} // namespace kalvor::platform
