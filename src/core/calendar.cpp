#include "core/calendar.h"

#include <array>
#include <cstdio>

#include "core/fields.h"

namespace tandarel {
namespace {

constexpr std::array<std::string_view, 7> kDayNames = {"lundi", "mardi", "mercredi", "jeudi",
                                                       "vendredi", "samedi", "dimanche"};
constexpr std::array<std::string_view, 12> kMonthNames = {
    "janvier", "février", "mars", "avril", "mai", "juin",
    "juillet", "août", "septembre", "octobre", "novembre", "décembre"};

std::string twoDigits(int value) {
    // The usual case without a formatted print: a collection names hundreds of week files.
    if (value >= 0 && value < 100) return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

// The date of two-digit texts (year in the current century), when they write a real one.
std::optional<Date> dateOfDigits(std::string_view yy, std::string_view mm, std::string_view dd) {
    const auto year = parseDigits(yy), month = parseDigits(mm), day = parseDigits(dd);
    if (!year || !month || !day) return std::nullopt;
    const Date date{yearFromTwoDigits(*year), *month, *day};
    if (!isValidDate(date.year, date.month, date.day)) return std::nullopt;
    return date;
}

}  // namespace

bool isValidDate(int year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> lengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : lengths[month - 1];
}

// Civil-from-days and days-from-civil after H. Hinnant's public-domain algorithms.
long daysSinceEpoch(const Date& d) {
    const long y = d.year - (d.month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long mp = (d.month + 9) % 12;
    const long doy = (153 * mp + 2) / 5 + d.day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date dateFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return Date{year, month, day};
}

Date addDays(const Date& date, long days) { return dateFromDays(daysSinceEpoch(date) + days); }

int weekdayIndex(const Date& date) {
    const long days = daysSinceEpoch(date);  // 1970-01-01 was a Thursday (index 3)
    return static_cast<int>(((days + 3) % 7 + 7) % 7);
}

int yearFromTwoDigits(int twoDigits) { return 2000 + twoDigits; }

std::string frenchDayName(int index) { return std::string(kDayNames.at(static_cast<std::size_t>(index))); }

std::string frenchMonthName(int month) { return std::string(kMonthNames.at(static_cast<std::size_t>(month - 1))); }

std::string frenchLongDate(const Date& d) {
    return frenchDayName(weekdayIndex(d)) + " " + std::to_string(d.day) + " " + frenchMonthName(d.month) + " " +
           std::to_string(d.year);
}

std::string frenchShortDate(const Date& d) {
    return twoDigits(d.day) + "/" + twoDigits(d.month) + "/" + twoDigits(((d.year % 100) + 100) % 100);
}

std::optional<Date> parseShortDate(std::string_view text) {
    if (text.size() != 8 || text[2] != '/' || text[5] != '/') return std::nullopt;
    return dateOfDigits(text.substr(6, 2), text.substr(3, 2), text.substr(0, 2));
}

std::optional<std::string> longDateKey(std::string_view text) {
    text = trimmed(text);
    const auto firstBlank = text.find(' ');
    if (firstBlank == std::string_view::npos) return std::nullopt;
    auto rest = trimmed(text.substr(firstBlank + 1));
    const auto dayEnd = rest.find(' ');
    if (dayEnd == std::string_view::npos) return std::nullopt;
    const auto day = rest.substr(0, dayEnd);
    rest = trimmed(rest.substr(dayEnd + 1));
    const auto monthEnd = rest.find(' ');
    if (monthEnd == std::string_view::npos) return std::nullopt;
    const auto monthWord = rest.substr(0, monthEnd);
    const auto year = trimmed(rest.substr(monthEnd + 1));
    if (!allDigits(day) || day.size() > 2 || !allDigits(year)) return std::nullopt;
    for (std::size_t m = 0; m < kMonthNames.size(); ++m)
        if (kMonthNames[m] == monthWord)
            return std::string(year) + twoDigits(static_cast<int>(m) + 1) + (day.size() == 1 ? "0" : "") +
                   std::string(day);
    return std::nullopt;
}

Date planningMonday(const Date& date) { return addDays(date, -weekdayIndex(date)); }

Date analysisMonday(const Date& date) {
    const int index = weekdayIndex(date);
    return addDays(date, index == 6 ? 1 : -index);
}

std::string weekTitle(const Date& monday) {
    return "Semaine du " + frenchLongDate(monday) + " au " + frenchLongDate(addDays(monday, 6));
}

std::string weekFileName(const Date& monday) {
    return twoDigits(monday.year % 100) + "_" + twoDigits(monday.month) + "_" + twoDigits(monday.day) + ".pln";
}

std::optional<Date> parseWeekFileName(std::string_view name) {
    if (name.size() != 12 || name.substr(8) != ".pln" || name[2] != '_' || name[5] != '_') return std::nullopt;
    return dateOfDigits(name.substr(0, 2), name.substr(3, 2), name.substr(6, 2));
}

std::string schoolYearFolder(int y, int m) {
    int first = y, second = y + 1;
    if (m >= 1 && m <= 7) {
        first = y - 1;
        second = y;
    }
    if (first < 0) first = 99;
    if (second > 99) second = 0;
    return twoDigits(first) + "_" + twoDigits(second);
}

std::string schoolYearFolder(const Date& date) { return schoolYearFolder(date.year % 100, date.month); }

std::filesystem::path weekFilePath(const std::filesystem::path& dataFolder, const Date& monday) {
    return dataFolder / schoolYearFolder(monday) / weekFileName(monday);
}

bool isSchoolYearFolderName(std::string_view name) {
    if (name.size() != 5 || name[2] != '_') return false;
    const auto first = parseDigits(name.substr(0, 2)), second = parseDigits(name.substr(3, 2));
    return first && second && *second == (*first + 1) % 100;
}

}  // namespace tandarel
