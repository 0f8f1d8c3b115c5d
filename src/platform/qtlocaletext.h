#pragma once

#include "engine/civildate.h"
#include "engine/localetext.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace kalvor::platform {

// Dates and times in the user's locale (QLocale), with plain spaces where the locale data has
// no-break ones, so that US English reads exactly "12/25/96" and "10:30 PM".
class QtLocaleText final : public LocaleText {
public:
    explicit QtLocaleText(QLocale locale = QLocale());

    std::string shortDate(const CivilDate& date) const override;
    std::string shortTime(int hour, int minute) const override;

    QString dateText(const CivilDate& date) const;
    QString timeText(int hour, int minute) const;

    // Reads a short date as the user types it; a two-digit year falls in 1930..2029.
    std::optional<CivilDate> parseDate(const QString& text) const;
    // Reads a time of day with or without seconds, in the locale's form or as h:mm AM/PM.
    std::optional<CivilDateTime> parseTime(const QString& text) const;

private:
    QLocale locale_;
};

} // namespace kalvor::platform
