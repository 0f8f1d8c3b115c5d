#include "qtlocaletext.h"

#include <QDate>
#include <QStringList>
#include <QTime>

namespace kalvor::platform {

namespace {

QString plainSpaces(QString text) {
    text.replace(QChar(0x202F), QLatin1Char(' '));
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    return text;
}

// A date of three numbers in the order of an all-numeric format such as "M/d/yy". Qt itself would
// read a two-digit year as 19yy (and so refuse 2/29/00); here it falls in 1930..2029.
std::optional<CivilDate> parseNumericDate(const QString& input, const QString& format) {
    if (format.contains(QLatin1String("MMM")) || format.contains(QLatin1String("ddd")))
        return std::nullopt;
    QString order;
    for (const QChar c : format)
        if ((c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) && !order.endsWith(c))
            order.append(c);
    if (order.size() != 3)
        return std::nullopt;

    QStringList numbers;
    QString current;
    for (const QChar c : input + QLatin1Char(' ')) {
        if (c.isDigit() && c.unicode() < 128) {
            current.append(c);
        } else if (c.isLetter()) {
            return std::nullopt;
        } else if (!current.isEmpty()) {
            numbers.append(current);
            current.clear();
        }
    }
    if (numbers.size() != 3)
        return std::nullopt;

    CivilDate date{};
    for (int i = 0; i < 3; ++i) {
        const int value = numbers[i].left(5).toInt();
        switch (order[i].unicode()) {
        case 'd':
            date.day = value;
            break;
        case 'M':
            date.month = value;
            break;
        default:
            date.year = numbers[i].size() <= 2 ? expandTwoDigitYear(value) : value;
        }
    }
    if (date.year < 100 || date.year > 9999 || !is_valid(date))
        return std::nullopt;
    return date;
}

} // namespace

QtLocaleText::QtLocaleText(QLocale locale) : locale_(std::move(locale)) {}

QString QtLocaleText::dateText(const CivilDate& date) const {
    return plainSpaces(locale_.toString(QDate(date.year, date.month, date.day), QLocale::ShortFormat));
}

QString QtLocaleText::timeText(int hour, int minute) const {
    return plainSpaces(locale_.toString(QTime(hour, minute), QLocale::ShortFormat));
}

std::string QtLocaleText::shortDate(const CivilDate& date) const {
    return dateText(date).toStdString();
}

std::string QtLocaleText::shortTime(int hour, int minute) const {
    return timeText(hour, minute).toStdString();
}

std::optional<CivilDate> QtLocaleText::parseDate(const QString& text) const {
    const QString input = plainSpaces(text).trimmed();
    const QString format = plainSpaces(locale_.dateFormat(QLocale::ShortFormat));
    if (const auto numeric = parseNumericDate(input, format))
        return numeric;
    const QDate d = locale_.toDate(input, format);
    if (!d.isValid())
        return std::nullopt;
    return CivilDate{d.year(), d.month(), d.day()};
}

std::optional<CivilDateTime> QtLocaleText::parseTime(const QString& text) const {
    const QString input = plainSpaces(text).trimmed();
    const QString formats[] = {plainSpaces(locale_.timeFormat(QLocale::ShortFormat)),
                               plainSpaces(locale_.timeFormat(QLocale::LongFormat)),
                               QStringLiteral("h:mm AP"),
                               QStringLiteral("h:mm:ss AP"),
                               QStringLiteral("H:mm"),
                               QStringLiteral("H:mm:ss")};
    for (const QString& format : formats) {
        const QTime t = locale_.toTime(input, format);
        if (t.isValid())
            return CivilDateTime{CivilDate{}, t.hour(), t.minute(), t.second()};
    }
    return std::nullopt;
}

} // namespace kalvor::platform
