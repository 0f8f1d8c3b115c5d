#pragma once

#include <string>
#include <string_view>

namespace kalvor {

// The folder of the event file from the system folder's name: a drive root ("C:\", three
// characters) loses its separator so that appending "\KALVOR.DAT" never doubles it.
inline std::string datadir(std::string_view systemFolder) {
    if (systemFolder.size() == 3)
        systemFolder.remove_suffix(1);
    return std::string(systemFolder);
}

} // namespace kalvor
