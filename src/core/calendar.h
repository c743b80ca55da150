#pragma once

#include <compare>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tandarel {

// A calendar day (proleptic Gregorian). Date texts are made here, in French,
// whatever the system's locale.
struct Date {
    int year = 2000;
    int month = 1;
    int day = 1;
    auto operator<=>(const Date&) const = default;
};

bool isValidDate(int year, int month, int day);
int daysInMonth(int year, int month);
long daysSinceEpoch(const Date& date);  // 1970-01-01 is day 0
Date dateFromDays(long days);
Date addDays(const Date& date, long days);
// 0 = Monday ... 6 = Sunday.
int weekdayIndex(const Date& date);

// Two-digit years are read in the current century.
int yearFromTwoDigits(int twoDigits);

std::string frenchDayName(int weekdayIndex);  // "lundi" ... "dimanche"
std::string frenchMonthName(int month);       // "janvier" ... "décembre"
// "lundi 25 avril 2005"
std::string frenchLongDate(const Date& date);
// "25/04/05"
std::string frenchShortDate(const Date& date);
// "dd/mm/yy" with a real date, read in the current century.
std::optional<Date> parseShortDate(std::string_view text);
// "yyyymmdd" from a long date text (weekday word dropped, day on two digits, month
// word to its number, year as written); nothing when the text is not such a date.
std::optional<std::string> longDateKey(std::string_view longDate);

// The planning window's week: Monday on or before the date (a Sunday ends its week).
Date planningMonday(const Date& date);
// The analyses' week: a Sunday belongs to the week that starts the next day.
Date analysisMonday(const Date& date);

// "Semaine du lundi 25 avril 2005 au dimanche 1 mai 2005"
std::string weekTitle(const Date& monday);
// "05_04_25.pln"
std::string weekFileName(const Date& monday);
// The week-file name's date, when `name` is exactly yy_mm_dd.pln for a real date.
std::optional<Date> parseWeekFileName(std::string_view name);

// "04_05": months 1-7 belong to the school year that began the previous August.
std::string schoolYearFolder(int twoDigitYear, int month);
std::string schoolYearFolder(const Date& date);
// "YY_YY" with consecutive years, "99_00" included: a folder that can hold week files.
bool isSchoolYearFolderName(std::string_view name);

// dataFolder / school-year folder of the Monday / yy_mm_dd.pln: one week, one file.
std::filesystem::path weekFilePath(const std::filesystem::path& dataFolder, const Date& monday);

}  // namespace tandarel
