#pragma once

#include <QString>

namespace kalvor {

// The text of a What's This topic of the event editor (10, 70 to 190), shipped with the program;
// empty for a topic that has none.
QString helpText(int topic);

} // namespace kalvor
