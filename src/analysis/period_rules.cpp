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

PeriodStep accepted(PeriodMode mode, const Date& start, const Date& end) {
    PeriodStep step;
    step.period = Period{mode, frenchShortDate(start), frenchShortDate(end), start, end};
    return step;
}

// The checks of one date of a custom range.
Refusal dateRefusal(std::string_view raw, const Date& today, std::string_view which) {
    const auto text = trimmed(raw);
    if (characterCount(text) != 8) return "Date incorrecte... Format de la date : jj/mm/aa";
    if (!hasShape(text, "dd/dd/dd"))
        return "Date incorrecte... Format de la date : jj/mm/aa où jj, mm et aa sont des chiffres.";
    const int day = twoDigitsAt(text, 0), month = twoDigitsAt(text, 3), year = twoDigitsAt(text, 6);
    if (month < 1 || month > 12) return "Date incorrecte... Valeur pour le mois : de 01 à 12";
    if (day < 1 || day > lastDay(month, year)) return dayRangeMessage(month, year);
    const Date date{yearFromTwoDigits(year), month, day};
    if (date > today)
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

SchoolYearCheck checkSchoolYear(std::string_view raw, const Date& today) {
    const auto text = trimmed(raw);
    const auto length = characterCount(text);
    if (length == 0 || length > 5) return {std::nullopt, kYearFormat};
    if (length < 5) return {std::nullopt, kYearIncomplete};
    if (!hasShape(text, "dd/dd")) return {std::nullopt, kYearFormat};
    const int first = twoDigitsAt(text, 0), second = twoDigitsAt(text, 3);
    if (second != first + 1 && !(first == 99 && second == 0)) return {std::nullopt, kNotASchoolYear};
    if (today.year % 100 < second) return {std::nullopt, kYearInFuture};
    const int secondYear = yearFromTwoDigits(second);
    return {SchoolYear{std::string(text.substr(0, 2)), std::string(text.substr(3, 2)), secondYear - 1, secondYear},
            {}};
}

PeriodStep validateSchoolYearMode(std::string_view schoolYear, const Date& today) {
    const auto check = checkSchoolYear(schoolYear, today);
    if (check.refusal) return schoolYearRefusal(*check.refusal);
    const auto& y = *check.year;
    return accepted(PeriodMode::SchoolYear, Date{y.firstYear, 8, 1}, Date{y.secondYear, 7, 31});
}

PeriodStep validateTrimester(std::string_view schoolYear, std::string_view raw, const Date& today) {
    const auto check = checkSchoolYear(schoolYear, today);
    if (check.refusal) return schoolYearRefusal(*check.refusal);
    const auto& y = *check.year;
    const auto trimester = trimmed(raw);
    if (trimester.empty())
        return refusal("Trimestre non saisi... Corrigez !", {PeriodField::Trimester}, PeriodField::Trimester);
    if (trimester != "1" && trimester != "2" && trimester != "3")
        return refusal("Valeur de trimestre scolaire incorrecte... ( Valeurs possibles : 1, 2 ou 3 )",
                       {PeriodField::Trimester}, PeriodField::Trimester);
    if (trimester == "1")
        return accepted(PeriodMode::Trimester, Date{y.firstYear, 8, 1}, Date{y.firstYear, 12, 31});
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
    const Date boundary{y.secondYear, month, day};
    if (trimester == 2) return accepted(PeriodMode::Trimester, Date{y.secondYear, 1, 1}, boundary);
    return accepted(PeriodMode::Trimester, boundary, Date{y.secondYear, 7, 31});
}

PeriodStep validateMonth(std::string_view schoolYear, std::string_view raw, const Date& today) {
    const auto check = checkSchoolYear(schoolYear, today);
    if (check.refusal) return schoolYearRefusal(*check.refusal);
    const auto& y = *check.year;
    const auto text = trimmed(raw);
    const int month = text.size() <= 2 ? parseDigits(text).value_or(0) : 0;
    if (month < 1 || month > 12)
        return refusal("Saisissez un mois correct... ( Valeurs possibles : de 1 à 12 )", {PeriodField::Month},
                       PeriodField::Month);
    const int fullYear = month >= 8 ? y.firstYear : y.secondYear;
    return accepted(PeriodMode::Month, Date{fullYear, month, 1}, Date{fullYear, month, lastDay(month, fullYear % 100)});
}

PeriodStep validateDateRange(std::string_view start, std::string_view end, const Date& today) {
    PeriodStep step;
    const auto startRefusal = dateRefusal(start, today, "début");
    if (startRefusal) {
        step.messages.push_back(*startRefusal);
        step.emptied.push_back(PeriodField::StartDate);
    }
    const auto endRefusal = dateRefusal(end, today, "fin");
    if (endRefusal) {
        step.messages.push_back(*endRefusal);
        step.emptied.push_back(PeriodField::EndDate);
    }
    if (startRefusal || endRefusal) {
        step.focus = startRefusal ? PeriodField::StartDate : PeriodField::EndDate;
        return step;
    }
    // Both passed the checks above, which take only real dates.
    const auto first = *parseShortDate(trimmed(start)), last = *parseShortDate(trimmed(end));
    if (first > last) {
        step.messages.push_back("La date de fin de plage est antérieure à celle de début de plage !!! Corrigez...");
        return step;
    }
    return accepted(PeriodMode::DateRange, first, last);
}

int centredOrigin(int screenLength, int windowLength) {
    if (screenLength - windowLength <= 10) return 0;
    // A screen barely larger than the window would otherwise push it past the edge.
    return std::max(0, static_cast<int>(std::lround((screenLength - windowLength) / 2.0)) - 10);
}

}  // namespace tandarel
