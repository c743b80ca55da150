// The period dialogue's checks on any texts and any "today" of this century: a step is
// a refusal or a period, never both; a period is made of real dates in order, its texts
// are those dates, and it lies where its mode puts it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/period_rules.h"
#include "core/fields.h"
#include "fuzz_support.h"

namespace {

using namespace tandarel;

bool real(const Date& d) { return isValidDate(d.year, d.month, d.day); }

void checkStep(const PeriodStep& step, PeriodMode mode) {
    FUZZ_CHECK(!(step.refused() && step.period));
    for (const auto& message : step.messages) FUZZ_CHECK(!message.empty());
    if (!step.period) return;
    const auto& p = *step.period;
    FUZZ_CHECK(p.mode == mode && step.boundaryTrimester == 0);
    FUZZ_CHECK(real(p.start) && real(p.end) && p.start <= p.end);
    FUZZ_CHECK(p.startText == frenchShortDate(p.start) && p.endText == frenchShortDate(p.end));
}

// Every period of a school year lies from 1 August of its first year to 31 July of its second.
void checkInYear(const PeriodStep& step, const SchoolYear& year) {
    if (!step.period) return;
    FUZZ_CHECK(step.period->start >= (Date{year.firstYear, 8, 1}));
    FUZZ_CHECK(step.period->end <= (Date{year.secondYear, 7, 31}));
}

void checkRefusal(const PeriodStep& step) {
    if (!step.refused()) return;
    FUZZ_CHECK(step.focus.has_value());
    FUZZ_CHECK(!step.emptied.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputBytes input(data, size);
    Date today{2000 + input.below(100), 1 + input.below(12), 1};
    today.day = 1 + input.below(daysInMonth(today.year, today.month));
    const int screen = input.next() | input.next() << 8, window = input.next() | input.next() << 8;

    // The entry fields, one a line: school year, trimester, month, boundary, start, end.
    std::vector<std::string> texts;
    const auto rest = input.rest();
    std::size_t from = 0;
    while (texts.size() < 6) {
        const auto end = rest.find('\n', from);
        texts.emplace_back(rest.substr(std::min(from, rest.size()), end == std::string_view::npos ? rest.npos : end - from));
        from = end == std::string_view::npos ? rest.size() : end + 1;
    }
    const auto &yearText = texts[0], &trimester = texts[1], &month = texts[2], &boundary = texts[3];

    const auto year = checkSchoolYear(yearText, today);
    FUZZ_CHECK(year.year.has_value() == !year.refusal.has_value());
    if (year.year) {
        const auto& y = *year.year;
        FUZZ_CHECK(y.secondYear == y.firstYear + 1 && y.secondYear <= today.year);
        FUZZ_CHECK(y.first == trimmed(yearText).substr(0, 2) && y.second == trimmed(yearText).substr(3, 2));
    }

    const auto whole = validateSchoolYearMode(yearText, today);
    checkStep(whole, PeriodMode::SchoolYear);
    checkRefusal(whole);
    FUZZ_CHECK(whole.period.has_value() == year.year.has_value());
    if (whole.period) {
        FUZZ_CHECK(whole.period->start == (Date{year.year->firstYear, 8, 1}));
        FUZZ_CHECK(whole.period->end == (Date{year.year->secondYear, 7, 31}));
    }

    const auto term = validateTrimester(yearText, trimester, today);
    checkStep(term, PeriodMode::Trimester);
    checkRefusal(term);
    if (year.year) checkInYear(term, *year.year);
    if (term.boundaryTrimester != 0) {
        FUZZ_CHECK(term.boundaryTrimester == 2 || term.boundaryTrimester == 3);
        FUZZ_CHECK(!term.refused() && !term.period && term.schoolYear && !term.boundaryCaption.empty());
        const auto second = validateBoundary(*term.schoolYear, term.boundaryTrimester, boundary);
        checkStep(second, PeriodMode::Trimester);
        checkRefusal(second);
        checkInYear(second, *term.schoolYear);
        if (second.period) {
            // The boundary ends the second trimester or begins the third, in spring.
            const auto& at = term.boundaryTrimester == 2 ? second.period->end : second.period->start;
            FUZZ_CHECK(at.year == term.schoolYear->secondYear && at.month >= 3 && at.month <= 5);
        }
    } else if (!term.refused()) {
        FUZZ_CHECK(term.period.has_value());
    }

    const auto monthStep = validateMonth(yearText, month, today);
    checkStep(monthStep, PeriodMode::Month);
    checkRefusal(monthStep);
    if (monthStep.period) {
        checkInYear(monthStep, *year.year);
        const auto& p = *monthStep.period;
        // The whole month, to its real last day.
        FUZZ_CHECK(p.start.day == 1 && p.start.month == p.end.month && p.start.year == p.end.year);
        FUZZ_CHECK(addDays(p.end, 1).day == 1);
    }

    const auto range = validateDateRange(texts[4], texts[5], today);
    checkStep(range, PeriodMode::DateRange);
    if (range.period) {
        FUZZ_CHECK(range.period->end <= today);
        FUZZ_CHECK(range.period->startText == trimmed(texts[4]) && range.period->endText == trimmed(texts[5]));
    } else {
        FUZZ_CHECK(range.refused());
    }
    FUZZ_CHECK(range.emptied.size() <= 2 && range.messages.size() <= 2);

    const int origin = centredOrigin(screen, window);
    FUZZ_CHECK(origin >= 0);
    if (screen - window > 10) FUZZ_CHECK(origin + window <= screen);
    for (const auto mode : {PeriodMode::SchoolYear, PeriodMode::Trimester, PeriodMode::Month, PeriodMode::DateRange})
        FUZZ_CHECK(!modeKeyword(mode).empty() && !entryFrameCaption(mode).empty());
    return 0;
}
