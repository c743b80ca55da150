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

    bool refused() const { return !messages.empty(); }
};

// The school-year checks, in their order, against today's date: the year, or the refusal.
struct SchoolYearCheck {
    std::optional<SchoolYear> year;
    Refusal refusal;
};
SchoolYearCheck checkSchoolYear(std::string_view text, const Date& today);

PeriodStep validateSchoolYearMode(std::string_view schoolYear, const Date& today);
PeriodStep validateTrimester(std::string_view schoolYear, std::string_view trimester, const Date& today);
// The second step of trimesters 2 and 3: the boundary date "jj/mm" between them.
PeriodStep validateBoundary(const SchoolYear& year, int trimester, std::string_view boundary);
PeriodStep validateMonth(std::string_view schoolYear, std::string_view month, const Date& today);
PeriodStep validateDateRange(std::string_view start, std::string_view end, const Date& today);

// The caption of the entry frame of each mode.
std::string_view entryFrameCaption(PeriodMode mode);

// Top-left of a window centred on the screen, one axis at a time: half the spare room,
// rounded, less 10; 0 when the screen is at most 10 pixels larger (never below 0).
int centredOrigin(int screenLength, int windowLength);

}  // namespace tandarel
