#pragma once

#include <filesystem>

namespace kalvor::platform {

// The folder that holds the event file: $XDG_DATA_HOME/Kalvor on Linux (~/.local/share/Kalvor by
// default), created private to the user when missing. Throws FileError when it cannot be made.
std::filesystem::path dataFolder();

// The folder of the settings files: $XDG_CONFIG_HOME/Kalvor on Linux (~/.config/Kalvor by
// default). It is not created here.
std::filesystem::path configFolder();

} // namespace kalvor::platform
