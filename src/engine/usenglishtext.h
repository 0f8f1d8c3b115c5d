#pragma once

#include "localetext.h"

namespace kalvor {

// United States English: "M/d/yy" and "h:mm AM".
class UsEnglishText final : public LocaleText {
public:
    std::string shortDate(const CivilDate& date) const override;
    std::string shortTime(int hour, int minute) const override;
};

} // namespace kalvor
