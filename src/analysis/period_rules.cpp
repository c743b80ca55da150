#include "analysis/period_rules.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/fields.h"

namespace tandarel {
namespace {

const std::string kYearFormat = "Saisissez une année scolaire correcte... Exemple : 04/05  ( Format de l'année scolaire : aa/aa )";
const std::string kYearIncomplete = "Année scolaire incomplète... ( Format de l'année scolaire : aa/aa )";
const std::string kNotASchoolYear = "Votre saisie ne définit pas une année scolaire ...";
const std::string kYearInFuture =
    "Je suis incapable de lire dans les boules de cristal... Corrigez l'année scolaire !";

constexpr std::array<std::string_view, 12> kMonthPhrases = {
    "de janvier", "de février", "de mars", "d'avril", "de mai", "de juin",
    "de juillet", "d'août", "de septembre", "d'octobre", "de novembre", "de décembre"};

// The two digits at `at` of a text whose shape was checked.
int twoDigitsAt(std::string_view text, std::size_t at) { return parseDigits(text.substr(at, 2)).value_or(0); }

// Whether `text` has the shape "dd/dd/dd" (d a digit, "/" itself), character by
// character. Lengths are checked before, in characters: a character written on several
// bytes then shows here as a shape fault, since it is neither a digit nor "/".
bool hasShape(std::string_view text, std::string_view shape) {
    if (text.size() != shape.size()) return false;
    for (std::size_t i = 0; i < shape.size(); ++i)
        if (shape[i] == 'd' ? text[i] < '0' || text[i] > '9' : text[i] != shape[i]) return false;
    return true;
}

std::string twoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

// The last day of a month as the dialogue counts it: February has 29 days when the
// two-digit year is a multiple of 4.
int lastDay(int month, int twoDigitYear) {
    static constexpr std::array<int, 12> lengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) return twoDigitYear % 4 == 0 ? 29 : 28;
    return lengths[static_cast<std::size_t>(month - 1)];
}

std::string dayRangeMessage(int month, int twoDigitYear) {
    std::string phrase(kMonthPhrases[static_cast<std::size_t>(month - 1)]);
    if (month == 2) phrase += twoDigitYear % 4 == 0 ? " (année bissextile)" : " (année non bissextile)";
    return "Date incorrecte... Mois " + phrase + " - Valeurs possibles pour le jour : de 01 à " +
           twoDigits(lastDay(month, twoDigitYear));
}

PeriodStep refusal(std::string message, std::vector<PeriodField> emptied, PeriodField focus) {
    PeriodStep step;
    step.messages.push_back(std::move(message));
    step.emptied = std::move(emptied);
    step.focus = focus;
    return step;
}

PeriodStep schoolYearRefusal(std::string message) {
    return refusal(std::move(message), {PeriodField::SchoolYear, PeriodField::Trimester}, PeriodField::SchoolYear);
}

// dd/mm + the year: the period bound as text and as a date.
struct Bound {
    std::string text;
    Date date;
};
Bound bound(int day, int month, const std::string& twoDigitYear, int fullYear) {
    return {twoDigits(day) + "/" + twoDigits(month) + "/" + twoDigitYear, Date{fullYear, month, day}};
}

PeriodStep accepted(PeriodMode mode, const Bound& start, const Bound& end) {
    PeriodStep step;
    step.period = Period{mode, start.text, end.text, start.date, end.date};
    return step;
}

// The bilans' rule once the period is known: `afterToday` when it starts after today,
// its end brought back to today when only that end is after it.
PeriodStep limitedToToday(PeriodStep step, const Date& today, PeriodStep afterToday) {
    if (!step.period) return step;
    if (step.period->start > today) {
        afterToday.startsAfterToday = true;
        return afterToday;
    }
    if (step.period->end > today) {
        step.period->end = today;
        step.period->endText = frenchShortDate(today);
        step.cutAtToday = true;
    }
    return step;
}

PeriodStep limitedToToday(PeriodStep step, const Date& today, FuturePeriods rule) {
    if (rule == FuturePeriods::Refused) return step;
    return limitedToToday(std::move(step), today, schoolYearRefusal(kYearInFuture));
}

// The checks of one date of a custom range; the message on refusal. A date after today
// is refused unless `future` says that it is taken (the end of a bilan's range).
Refusal dateRefusal(std::string_view raw, const Date& today, std::string_view which,
                                       bool future = false) {
    const auto text = trimmed(raw);
    if (characterCount(text) != 8) return "Date incorrecte... Format de la date : jj/mm/aa";
    if (!hasShape(text, "dd/dd/dd"))
        return "Date incorrecte... Format de la date : jj/mm/aa où jj, mm et aa sont des chiffres.";
    const int day = twoDigitsAt(text, 0), month = twoDigitsAt(text, 3), year = twoDigitsAt(text, 6);
    if (month < 1 || month > 12) return "Date incorrecte... Valeur pour le mois : de 01 à 12";
    if (day < 1 || day > lastDay(month, year)) return dayRangeMessage(month, year);
    const Date date{yearFromTwoDigits(year), month, day};
    if (date > today && !future)
        return "Je suis incapable de lire dans les boules de cristal... Corrigez la date de " + std::string(which) +
               " de plage !";
    return std::nullopt;
}


}  // namespace

std::string_view modeKeyword(PeriodMode mode) {
    switch (mode) {
        case PeriodMode::SchoolYear: return "ParAnneeScolaire";
        case PeriodMode::Trimester: return "ParTrimestre";
        case PeriodMode::Month: return "ParMois";
        case PeriodMode::DateRange: return "ParPlageDeDates";
    }
    return "";
}

std::string_view entryFrameCaption(PeriodMode mode) {
    switch (mode) {
        case PeriodMode::SchoolYear: return " Saisie de l'année scolaire (format : aa/aa) ";
        case PeriodMode::Trimester: return " Année scolaire (format : aa/aa) et trimestre (1 chiffre)";
        case PeriodMode::Month: return " Année scolaire (format : aa/aa) et mois (2 chiffres)";
        case PeriodMode::DateRange: return " Saisie des dates de la plage (format : jj/mm/aa) ";
    }
    return "";
}

SchoolYearCheck checkSchoolYear(std::string_view raw, const Date& today, FuturePeriods rule) {
    const auto text = trimmed(raw);
    const auto length = characterCount(text);
    if (length == 0 || length > 5) return {std::nullopt, kYearFormat};
    if (length < 5) return {std::nullopt, kYearIncomplete};
    if (!hasShape(text, "dd/dd")) return {std::nullopt, kYearFormat};
    const int first = twoDigitsAt(text, 0), second = twoDigitsAt(text, 3);
    if (second != first + 1 && !(first == 99 && second == 0)) return {std::nullopt, kNotASchoolYear};
    if (rule == FuturePeriods::Refused && today.year % 100 < second) return {std::nullopt, kYearInFuture};
    const int secondYear = yearFromTwoDigits(second);
    return {SchoolYear{std::string(text.substr(0, 2)), std::string(text.substr(3, 2)), secondYear - 1, secondYear},
            {}};
}

PeriodStep validateSchoolYearMode(std::string_view schoolYear, const Date& today, FuturePeriods rule) {
    const auto check = checkSchoolYear(schoolYear, today, rule);
    if (check.refusal) return schoolYearRefusal(*check.refusal);
    const auto& y = *check.year;
    return limitedToToday(
        accepted(PeriodMode::SchoolYear, bound(1, 8, y.first, y.firstYear), bound(31, 7, y.second, y.secondYear)),
        today, rule);
}

PeriodStep validateTrimester(std::string_view schoolYear, std::string_view raw, const Date& today,
                             FuturePeriods rule) {
    const auto check = checkSchoolYear(schoolYear, today, rule);
    if (check.refusal) return schoolYearRefusal(*check.refusal);
    const auto& y = *check.year;
    const auto trimester = trimmed(raw);
    if (trimester.empty())
        return refusal("Trimestre non saisi... Corrigez !", {PeriodField::Trimester}, PeriodField::Trimester);
    if (trimester != "1" && trimester != "2" && trimester != "3")
        return refusal("Valeur de trimestre scolaire incorrecte... ( Valeurs possibles : 1, 2 ou 3 )",
                       {PeriodField::Trimester}, PeriodField::Trimester);
    if (trimester == "1")
        return limitedToToday(
            accepted(PeriodMode::Trimester, bound(1, 8, y.first, y.firstYear), bound(31, 12, y.first, y.firstYear)),
            today, rule);
    // A 2nd trimester starts on 01/01, a 3rd one on 01/03 at the earliest: no boundary
    // is asked for a period that will start after today whatever it is.
    if (rule == FuturePeriods::CutAtToday && Date{y.secondYear, trimester == "2" ? 1 : 3, 1} > today) {
        auto refused = schoolYearRefusal(kYearInFuture);
        refused.startsAfterToday = true;
        return refused;
    }
    PeriodStep step;
    step.schoolYear = y;
    step.boundaryTrimester = trimester == "2" ? 2 : 3;
    step.boundaryCaption = step.boundaryTrimester == 2 ? " Saisie de la date de fin du 2ème trimestre "
                                                       : " Saisie de la date de début du 3ème trimestre ";
    step.focus = PeriodField::Boundary;
    return step;
}

PeriodStep validateBoundary(const SchoolYear& y, int trimester, std::string_view raw) {
    const auto text = trimmed(raw);
    auto refuse = [](std::string message) {
        return refusal(std::move(message), {PeriodField::Boundary}, PeriodField::Boundary);
    };
    if (characterCount(text) != 5)
        return refuse(trimester == 2 ? "La date de fin de 2ème trimestre est invalide (vide ou incorrecte...)"
                                     : "La date de début de 3ème trimestre est invalide (vide ou incorrecte...)");
    if (!hasShape(text, "dd/dd"))
        return refuse("Date incorrecte... Format de la date : jj/mm où jj et mm sont des chiffres.");
    const int day = twoDigitsAt(text, 0), month = twoDigitsAt(text, 3);
    if (month < 3 || month > 5)
        return refuse(
            "Seules valeurs possibles pour le mois-charnière entre 2ème et 3ème trimestres : de 03, 04 ou 05");
    if (day < 1 || day > lastDay(month, 0)) return refuse(dayRangeMessage(month, 0));
    const auto boundary = bound(day, month, y.second, y.secondYear);
    if (trimester == 2) return accepted(PeriodMode::Trimester, bound(1, 1, y.second, y.secondYear), boundary);
    return accepted(PeriodMode::Trimester, boundary, bound(31, 7, y.second, y.secondYear));
}

PeriodStep validateBoundary(const SchoolYear& y, int trimester, std::string_view boundary, const Date& today,
                            FuturePeriods rule) {
    return limitedToToday(validateBoundary(y, trimester, boundary), today, rule);
}

PeriodStep validateMonth(std::string_view schoolYear, std::string_view raw, const Date& today, FuturePeriods rule) {
    const auto check = checkSchoolYear(schoolYear, today, rule);
    if (check.refusal) return schoolYearRefusal(*check.refusal);
    const auto& y = *check.year;
    const auto text = trimmed(raw);
    const int month = text.size() <= 2 ? parseDigits(text).value_or(0) : 0;
    if (month < 1 || month > 12)
        return refusal("Saisissez un mois correct... ( Valeurs possibles : de 1 à 12 )", {PeriodField::Month},
                       PeriodField::Month);
    const bool autumn = month >= 8;
    const auto& yy = autumn ? y.first : y.second;
    const int fullYear = autumn ? y.firstYear : y.secondYear;
    return limitedToToday(accepted(PeriodMode::Month, bound(1, month, yy, fullYear),
                                   bound(lastDay(month, fullYear % 100), month, yy, fullYear)),
                          today, rule);
}

PeriodStep validateDateRange(std::string_view start, std::string_view end, const Date& today, FuturePeriods rule) {
    PeriodStep step;
    const auto startRefusal = dateRefusal(start, today, "début");
    if (startRefusal) {
        step.messages.push_back(*startRefusal);
        step.emptied.push_back(PeriodField::StartDate);
    }
    const bool cut = rule == FuturePeriods::CutAtToday;
    const auto endRefusal = dateRefusal(end, today, "fin", cut);
    if (endRefusal) {
        step.messages.push_back(*endRefusal);
        step.emptied.push_back(PeriodField::EndDate);
    }
    if (startRefusal || endRefusal) {
        step.focus = startRefusal ? PeriodField::StartDate : PeriodField::EndDate;
        return step;
    }
    // Both passed the checks above, which take only real dates.
    const auto s = trimmed(start), e = trimmed(end);
    const auto first = *parseShortDate(s), last = *parseShortDate(e);
    if (first > last) {
        step.messages.push_back("La date de fin de plage est antérieure à celle de début de plage !!! Corrigez...");
        return step;
    }
    step.period = Period{PeriodMode::DateRange, std::string(s), std::string(e), first, last};
    // The start was checked against today above, with its own message.
    return cut ? limitedToToday(std::move(step), today, PeriodStep{}) : step;
}

PeriodStep periodOfKind(const PeriodKind& kind, std::string_view schoolYear, const Date& today,
                        FuturePeriods rule) {
    switch (kind.mode) {
        case PeriodMode::SchoolYear: return validateSchoolYearMode(schoolYear, today, rule);
        case PeriodMode::Trimester: {
            auto step = validateTrimester(schoolYear, kind.trimester, today, rule);
            if (step.boundaryTrimester == 0) return step;
            return validateBoundary(*step.schoolYear, step.boundaryTrimester, kind.boundary, today, rule);
        }
        case PeriodMode::Month: return validateMonth(schoolYear, kind.month, today, rule);
        case PeriodMode::DateRange: break;
    }
    return {};
}

int centredOrigin(int screenLength, int windowLength) {
    if (screenLength - windowLength <= 10) return 0;
    // A screen barely larger than the window would otherwise push it past the edge.
    return std::max(0, static_cast<int>(std::lround((screenLength - windowLength) / 2.0)) - 10);
}

}  // namespace tandarel
