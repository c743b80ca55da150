#include <gtest/gtest.h>

#include "analysis/period_rules.h"

using namespace tandarel;

namespace {

const Date kToday{2005, 4, 25};

// One run of the dialogue: the mode's "Valider", then, when it asks for it, the boundary's.
PeriodStep enter(PeriodMode mode, const std::string& a, const std::string& b, const std::string& boundary,
                 const Date& today) {
    switch (mode) {
        case PeriodMode::SchoolYear: return validateSchoolYearMode(a, today);
        case PeriodMode::Trimester: {
            auto step = validateTrimester(a, b, today);
            if (step.boundaryTrimester == 0) return step;
            return validateBoundary(*step.schoolYear, step.boundaryTrimester, boundary);
        }
        case PeriodMode::Month: return validateMonth(a, b, today);
        case PeriodMode::DateRange: return validateDateRange(a, b, today);
    }
    return {};
}

struct Case {
    const char* name;
    PeriodMode mode;
    std::string a, b, boundary;
    std::string message{};  // empty: accepted
    std::string start{};
    std::string end{};
    Date today = kToday;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
std::string caseName(const ::testing::TestParamInfo<Case>& info) { return info.param.name; }

class PeriodCheck : public ::testing::TestWithParam<Case> {};

TEST_P(PeriodCheck, GivesThePeriodOrTheMessage) {
    const auto& c = GetParam();
    const auto step = enter(c.mode, c.a, c.b, c.boundary, c.today);
    if (c.message.empty()) {
        EXPECT_EQ(step.messages, std::vector<std::string>{});
        ASSERT_TRUE(step.period.has_value());
        EXPECT_EQ(step.period->startText, c.start);
        EXPECT_EQ(step.period->endText, c.end);
        EXPECT_EQ(step.period->mode, c.mode);
    } else {
        EXPECT_EQ(step.messages, std::vector<std::string>{c.message});
        EXPECT_FALSE(step.period.has_value());
    }
}

const std::string kFormat = "Saisissez une année scolaire correcte... Exemple : 04/05  ( Format de l'année scolaire : aa/aa )";
const std::string kIncomplete = "Année scolaire incomplète... ( Format de l'année scolaire : aa/aa )";
const std::string kNotYear = "Votre saisie ne définit pas une année scolaire ...";
const std::string kCrystal = "Je suis incapable de lire dans les boules de cristal... Corrigez l'année scolaire !";
const std::string kMonth = "Saisissez un mois correct... ( Valeurs possibles : de 1 à 12 )";
const std::string kTrimValue = "Valeur de trimestre scolaire incorrecte... ( Valeurs possibles : 1, 2 ou 3 )";
const std::string kBadBoundary = "Date incorrecte... Format de la date : jj/mm où jj et mm sont des chiffres.";
const std::string kHinge = "Seules valeurs possibles pour le mois-charnière entre 2ème et 3ème trimestres : de 03, 04 ou 05";
const std::string kDateLength = "Date incorrecte... Format de la date : jj/mm/aa";
const std::string kDateDigits = "Date incorrecte... Format de la date : jj/mm/aa où jj, mm et aa sont des chiffres.";

using M = PeriodMode;

INSTANTIATE_TEST_SUITE_P(SchoolYear, PeriodCheck, ::testing::Values(
    Case{"Plain", M::SchoolYear, "04/05", "", "", "", "01/08/04", "31/07/05"},
    Case{"CenturyWrap", M::SchoolYear, " 99/00 ", "", "", "", "01/08/99", "31/07/00"},
    Case{"Empty", M::SchoolYear, "   ", "", "", kFormat},
    Case{"SixCharacters", M::SchoolYear, "04/055", "", "", kFormat},
    Case{"FourCharacters", M::SchoolYear, "4/05", "", "", kIncomplete},
    Case{"Dash", M::SchoolYear, "04-05", "", "", kFormat},
    Case{"Letter", M::SchoolYear, "0a/05", "", "", kFormat},
    Case{"Accent", M::SchoolYear, "é4/05", "", "", kFormat},
    Case{"FourCharactersOneAccented", M::SchoolYear, "é/05", "", "", kIncomplete},
    Case{"SixCharactersOneAccented", M::SchoolYear, "04/05é", "", "", kFormat},
    Case{"TwoYearsApart", M::SchoolYear, "04/06", "", "", kNotYear},
    Case{"Backwards", M::SchoolYear, "05/04", "", "", kNotYear},
    Case{"WrapTooFar", M::SchoolYear, "99/01", "", "", kNotYear},
    Case{"SecondYearAhead", M::SchoolYear, "05/06", "", "", kCrystal},
    Case{"AutumnOfItsFirstYear", M::SchoolYear, "04/05", "", "", kCrystal, "", "", Date{2004, 10, 12}},
    Case{"JanuaryOfItsSecondYear", M::SchoolYear, "04/05", "", "", "", "01/08/04", "31/07/05", Date{2005, 1, 3}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(Trimester, PeriodCheck, ::testing::Values(
    Case{"First", M::Trimester, "04/05", "1", "", "", "01/08/04", "31/12/04"},
    Case{"SecondEndsAtBoundary", M::Trimester, "04/05", "2", "15/04", "", "01/01/05", "15/04/05"},
    Case{"ThirdStartsAtBoundary", M::Trimester, "04/05", " 3 ", "15/04", "", "15/04/05", "31/07/05"},
    Case{"YearCheckedFirst", M::Trimester, "04/06", "", "", kNotYear},
    Case{"Missing", M::Trimester, "04/05", " ", "", "Trimestre non saisi... Corrigez !"},
    Case{"Four", M::Trimester, "04/05", "4", "", kTrimValue},
    Case{"Letter", M::Trimester, "04/05", "a", "", kTrimValue},
    Case{"SecondNoBoundary", M::Trimester, "04/05", "2", "", "La date de fin de 2ème trimestre est invalide (vide ou incorrecte...)"},
    Case{"ThirdShortBoundary", M::Trimester, "04/05", "3", "5/04", "La date de début de 3ème trimestre est invalide (vide ou incorrecte...)"},
    Case{"BoundaryLetters", M::Trimester, "04/05", "2", "1a/04", kBadBoundary},
    Case{"BoundarySeparator", M::Trimester, "04/05", "2", "15-04", kBadBoundary},
    // Five characters, one of them written on two bytes: a shape fault, not a length fault.
    Case{"BoundaryAccentedDay", M::Trimester, "04/05", "2", "é1/04", kBadBoundary},
    Case{"BoundaryAccentedSeparator", M::Trimester, "04/05", "3", "01é04", kBadBoundary},
    Case{"BoundaryInJune", M::Trimester, "04/05", "2", "15/06", kHinge},
    Case{"BoundaryMarch32", M::Trimester, "04/05", "2", "32/03", "Date incorrecte... Mois de mars - Valeurs possibles pour le jour : de 01 à 31"},
    Case{"BoundaryApril31", M::Trimester, "04/05", "3", "31/04", "Date incorrecte... Mois d'avril - Valeurs possibles pour le jour : de 01 à 30"},
    Case{"BoundaryMay0", M::Trimester, "04/05", "3", "00/05", "Date incorrecte... Mois de mai - Valeurs possibles pour le jour : de 01 à 31"},
    Case{"BoundaryMay31", M::Trimester, "04/05", "2", "31/05", "", "01/01/05", "31/05/05"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(Month, PeriodCheck, ::testing::Values(
    Case{"LeapFebruary", M::Month, "03/04", "2", "", "", "01/02/04", "29/02/04"},
    Case{"February", M::Month, "04/05", "02", "", "", "01/02/05", "28/02/05"},
    Case{"AugustOfFirstYear", M::Month, "04/05", "8", "", "", "01/08/04", "31/08/04"},
    Case{"JulyOfSecondYear", M::Month, "04/05", "7", "", "", "01/07/05", "31/07/05"},
    Case{"September", M::Month, "04/05", "09", "", "", "01/09/04", "30/09/04"},
    Case{"December", M::Month, "04/05", "12", "", "", "01/12/04", "31/12/04"},
    Case{"Zero", M::Month, "04/05", "0", "", kMonth},
    Case{"DoubleZero", M::Month, "04/05", "00", "", kMonth},
    Case{"Thirteen", M::Month, "04/05", "13", "", kMonth},
    Case{"Empty", M::Month, "04/05", "", "", kMonth},
    Case{"ThreeDigits", M::Month, "04/05", "012", "", kMonth},
    Case{"Letter", M::Month, "04/05", "1a", "", kMonth},
    Case{"YearCheckedFirst", M::Month, "4/05", "13", "", kIncomplete}),
    caseName);

INSTANTIATE_TEST_SUITE_P(DateRange, PeriodCheck, ::testing::Values(
    Case{"OneDay", M::DateRange, "20/04/05", "20/04/05", "", "", "20/04/05", "20/04/05"},
    Case{"UpToToday", M::DateRange, " 01/03/05", "25/04/05 ", "", "", "01/03/05", "25/04/05"},
    Case{"LeapDay", M::DateRange, "29/02/04", "01/03/04", "", "", "29/02/04", "01/03/04"},
    Case{"NotLeap", M::DateRange, "29/02/05", "01/03/05", "", "Date incorrecte... Mois de février (année non bissextile) - Valeurs possibles pour le jour : de 01 à 28"},
    Case{"LeapTooFar", M::DateRange, "30/02/04", "01/03/04", "", "Date incorrecte... Mois de février (année bissextile) - Valeurs possibles pour le jour : de 01 à 29"},
    Case{"April31", M::DateRange, "31/04/05", "01/04/05", "", "Date incorrecte... Mois d'avril - Valeurs possibles pour le jour : de 01 à 30"},
    Case{"JanuaryZero", M::DateRange, "00/01/05", "01/02/05", "", "Date incorrecte... Mois de janvier - Valeurs possibles pour le jour : de 01 à 31"},
    Case{"August32", M::DateRange, "32/08/04", "01/02/05", "", "Date incorrecte... Mois d'août - Valeurs possibles pour le jour : de 01 à 31"},
    Case{"November31", M::DateRange, "31/11/04", "01/02/05", "", "Date incorrecte... Mois de novembre - Valeurs possibles pour le jour : de 01 à 30"},
    Case{"ShortDay", M::DateRange, "1/04/05", "02/04/05", "", kDateLength},
    Case{"FourDigitYear", M::DateRange, "01/04/2005", "02/04/05", "", kDateLength},
    Case{"Dashes", M::DateRange, "01-04-05", "02/04/05", "", kDateDigits},
    Case{"AccentedDay", M::DateRange, "é1/01/05", "02/04/05", "", kDateDigits},
    Case{"AccentedYear", M::DateRange, "01/01/05", "02/04/0é", "", kDateDigits},
    Case{"NineCharactersOneAccented", M::DateRange, "é01/01/05", "02/04/05", "", kDateLength},
    Case{"Month13", M::DateRange, "01/13/04", "02/04/05", "", "Date incorrecte... Valeur pour le mois : de 01 à 12"},
    Case{"StartTomorrow", M::DateRange, "26/04/05", "25/04/05", "", "Je suis incapable de lire dans les boules de cristal... Corrigez la date de début de plage !"},
    Case{"EndTomorrow", M::DateRange, "01/04/05", "26/04/05", "", "Je suis incapable de lire dans les boules de cristal... Corrigez la date de fin de plage !"},
    Case{"EndBeforeStart", M::DateRange, "20/04/05", "19/04/05", "", "La date de fin de plage est antérieure à celle de début de plage !!! Corrigez..."}),
    caseName);

TEST(PeriodRefusal, EmptiesAndFocusesTheFieldsAtFault) {
    using F = PeriodField;
    struct Row {
        const char* name;
        PeriodStep step;
        std::vector<F> emptied;
        std::optional<F> focus;
    };
    const SchoolYear year = *checkSchoolYear("04/05", kToday).year;
    const Row rows[] = {
        {"school year", validateTrimester("04/06", "2", kToday), {F::SchoolYear, F::Trimester}, F::SchoolYear},
        {"trimester", validateTrimester("04/05", "7", kToday), {F::Trimester}, F::Trimester},
        {"boundary", validateBoundary(year, 2, "15/07"), {F::Boundary}, F::Boundary},
        {"month", validateMonth("04/05", "13", kToday), {F::Month}, F::Month},
        {"start only", validateDateRange("31/04/05", "01/04/05", kToday), {F::StartDate}, F::StartDate},
        {"end only", validateDateRange("01/04/05", "31/04/05", kToday), {F::EndDate}, F::EndDate},
        {"both: focus ends on the start", validateDateRange("x", "31/04/05", kToday), {F::StartDate, F::EndDate}, F::StartDate},
        {"order: both kept", validateDateRange("20/04/05", "19/04/05", kToday), {}, std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(row.step.refused()) << row.name;
        EXPECT_EQ(row.step.emptied, row.emptied) << row.name;
        EXPECT_EQ(row.step.focus, row.focus) << row.name;
    }
}

TEST(PeriodDates, TheCenturyWrapKeepsItsOrder) {
    const auto period = *validateSchoolYearMode("99/00", kToday).period;
    EXPECT_EQ(period.start, (Date{1999, 8, 1}));
    EXPECT_EQ(period.end, (Date{2000, 7, 31}));
    const auto february = *validateMonth("99/00", "2", kToday).period;
    EXPECT_EQ(february.end, (Date{2000, 2, 29}));
    const auto range = *validateDateRange("01/09/04", "15/04/05", kToday).period;
    EXPECT_EQ(range.start, (Date{2004, 9, 1}));
    EXPECT_EQ(range.end, (Date{2005, 4, 15}));
}

TEST(BilanPeriod, CutAtTodayOrRefusedWhenItStartsAfterToday) {
    struct Row {
        const char* name;
        PeriodStep step;
        std::string start, end;  // empty: refused with `message`
        std::string message{};
        bool cut = false;
    };
    const Date autumn{2005, 10, 10}, spring{2006, 4, 10};
    const auto cut = FuturePeriods::CutAtToday;
    auto kind = [](PeriodMode mode, std::string trimester, std::string boundary, std::string month) {
        PeriodKind k;
        k.mode = mode;
        k.trimester = std::move(trimester);
        k.boundary = std::move(boundary);
        k.month = std::move(month);
        return k;
    };
    const auto year = kind(M::SchoolYear, "", "", "");
    const Row rows[] = {
        {"year under way", periodOfKind(year, "05/06", autumn, cut), "01/08/05", "10/10/05", "", true},
        {"year over", periodOfKind(year, "04/05", autumn, cut), "01/08/04", "31/07/05"},
        {"year to come", periodOfKind(year, "06/07", autumn, cut), "", "", kCrystal},
        {"the analyses refuse a year under way", periodOfKind(year, "05/06", autumn), "", "", kCrystal},
        {"first trimester", periodOfKind(kind(M::Trimester, "1", "", ""), "05/06", autumn, cut), "01/08/05", "10/10/05", "", true},
        {"second trimester to come", periodOfKind(kind(M::Trimester, "2", "15/04", ""), "05/06", autumn, cut), "", "", kCrystal},
        {"third trimester to come", periodOfKind(kind(M::Trimester, "3", "15/04", ""), "05/06", spring, cut), "", "", kCrystal},
        {"third trimester begun", periodOfKind(kind(M::Trimester, "3", "01/04", ""), "05/06", spring, cut), "01/04/06", "10/04/06", "", true},
        {"month under way", periodOfKind(kind(M::Month, "", "", "10"), "05/06", autumn, cut), "01/10/05", "10/10/05", "", true},
        {"month to come", periodOfKind(kind(M::Month, "", "", "11"), "05/06", autumn, cut), "", "", kCrystal},
        {"range past today", validateDateRange("01/10/05", "31/12/05", autumn, cut), "01/10/05", "10/10/05", "", true},
        {"range of today", validateDateRange("10/10/05", "10/10/05", autumn, cut), "10/10/05", "10/10/05"},
        {"range to come", validateDateRange("11/10/05", "31/12/05", autumn, cut), "", "",
         "Je suis incapable de lire dans les boules de cristal... Corrigez la date de début de plage !"},
    };
    for (const auto& row : rows) {
        if (row.start.empty()) {
            EXPECT_EQ(row.step.messages, std::vector<std::string>{row.message}) << row.name;
            EXPECT_FALSE(row.step.period) << row.name;
            continue;
        }
        ASSERT_TRUE(row.step.period) << row.name;
        EXPECT_EQ(row.step.period->startText + " " + row.step.period->endText, row.start + " " + row.end) << row.name;
        EXPECT_EQ(row.step.cutAtToday, row.cut) << row.name;
    }
}

TEST(WindowPlacement, CentredLessTenNeverOffTheScreen) {
    EXPECT_EQ(centredOrigin(1280, 777), 242);
    EXPECT_EQ(centredOrigin(1024, 600), 202);
    EXPECT_EQ(centredOrigin(800, 777), 2);
    EXPECT_EQ(centredOrigin(787, 777), 0);
    EXPECT_EQ(centredOrigin(790, 777), 0);  // 7 - 10 would leave the screen
    EXPECT_EQ(centredOrigin(700, 777), 0);
}

}  // namespace
