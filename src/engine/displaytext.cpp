#include "displaytext.h"

#include "oledate.h"

namespace kalvor {

std::string mytime(double tme, const LocaleText& locale) {
    const auto t = oleToCivil(tme);
    if (!t)
        return kInvalidDateText;
    return locale.shortTime(t->hour, t->minute);
}

std::string displayText(double when, const LocaleText& locale) {
    const auto t = oleToCivil(when);
    if (!t)
        return kInvalidDateText;
    return locale.shortDate(t->date) + ' ' + locale.shortTime(t->hour, t->minute);
}

} // namespace kalvor
