#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar.h"
#include "core/error.h"

namespace tandarel {

// The four kinds of period; the keyword travels with the run.
enum class PeriodMode { SchoolYear, Trimester, Month, DateRange };
std::string_view modeKeyword(PeriodMode mode);  // "ParAnneeScolaire" ...

// A period that reaches past today: the analyses refuse it (the future checks of the
// school year and of the dates); the bilans cut it at today and refuse only a period
// that starts after today, with the dialogue's message of its mode.
enum class FuturePeriods { Refused, CutAtToday };

// The entry fields of the period dialogue.
enum class PeriodField { SchoolYear, Trimester, Month, StartDate, EndDate, Boundary };

// A validated period: the jj/mm/aa texts the user sees and the dates they stand for.
struct Period {
    PeriodMode mode = PeriodMode::SchoolYear;
    std::string startText;
    std::string endText;
    Date start;
    Date end;
};

// A school year "aa/aa" that passed its checks. The first year is the one before the
// second, so 99/00 runs from August 1999 to July 2000.
struct SchoolYear {
    std::string first;   // two digits, as typed
    std::string second;
    int firstYear = 0;   // full years
    int secondYear = 0;
};

// What one "Valider" leads to: refusal messages (in the order they are shown), the
// fields to empty and the one to focus; or the period; or, for trimesters 2 and 3,
// the request for the boundary date.
struct PeriodStep {
    std::vector<std::string> messages;
    std::vector<PeriodField> emptied;
    std::optional<PeriodField> focus;
    std::optional<Period> period;
    int boundaryTrimester = 0;  // 2 or 3 when the boundary frame must be shown
    std::string boundaryCaption;
    std::optional<SchoolYear> schoolYear;  // kept for the boundary step
    // FuturePeriods::CutAtToday: refused because the period (by school year, trimester
    // or month) starts after today; or accepted with its end brought back to today.
    bool startsAfterToday = false;
    bool cutAtToday = false;

    bool refused() const { return !messages.empty(); }
};

// The school-year checks, in their order, against today's date: the year, or the refusal.
struct SchoolYearCheck {
    std::optional<SchoolYear> year;
    Refusal refusal;
};
// With FuturePeriods::CutAtToday the year's own future check is left out: the period
// that the year leads to is checked against today instead.
SchoolYearCheck checkSchoolYear(std::string_view text, const Date& today,
                                FuturePeriods rule = FuturePeriods::Refused);

PeriodStep validateSchoolYearMode(std::string_view schoolYear, const Date& today,
                                  FuturePeriods rule = FuturePeriods::Refused);
PeriodStep validateTrimester(std::string_view schoolYear, std::string_view trimester, const Date& today,
                             FuturePeriods rule = FuturePeriods::Refused);
// The second step of trimesters 2 and 3: the boundary date "jj/mm" between them.
PeriodStep validateBoundary(const SchoolYear& year, int trimester, std::string_view boundary);
// The same for the bilans: a 3rd trimester that starts after today is refused with the
// school year's message (its fields emptied), a 2nd one that ends after today cut.
PeriodStep validateBoundary(const SchoolYear& year, int trimester, std::string_view boundary, const Date& today,
                            FuturePeriods rule);
PeriodStep validateMonth(std::string_view schoolYear, std::string_view month, const Date& today,
                         FuturePeriods rule = FuturePeriods::Refused);
PeriodStep validateDateRange(std::string_view start, std::string_view end, const Date& today,
                             FuturePeriods rule = FuturePeriods::Refused);

// A kind of period without its school year: what the dialogue's entries after the year
// say (the bilans' comparison takes it in every school year).
struct PeriodKind {
    PeriodMode mode = PeriodMode::SchoolYear;  // SchoolYear, Trimester or Month
    std::string trimester;                     // Trimester: "1", "2" or "3"
    std::string boundary;                      // Trimester 2 or 3: the boundary "jj/mm"
    std::string month;                         // Month: "1" to "12"
};
// That kind of period in the school year typed, through the checks of the dialogue in
// their order, the boundary's included. Nothing for PeriodMode::DateRange.
PeriodStep periodOfKind(const PeriodKind& kind, std::string_view schoolYear, const Date& today,
                        FuturePeriods rule = FuturePeriods::Refused);

// The caption of the entry frame of each mode.
std::string_view entryFrameCaption(PeriodMode mode);

// Top-left of a window centred on the screen, one axis at a time: half the spare room,
// rounded, less 10; 0 when the screen is at most 10 pixels larger (never below 0).
int centredOrigin(int screenLength, int windowLength);

}  // namespace tandarel
