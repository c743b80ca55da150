#include <gtest/gtest.h>

#include "lists/list_order.h"

namespace tandarel {
namespace {

struct SchoolsCase {
    const char* name;
    std::vector<std::string> rows;
    std::vector<std::string> sorted;
};

class SchoolsOrder : public ::testing::TestWithParam<SchoolsCase> {};

TEST_P(SchoolsOrder, Sorts) {
    auto rows = GetParam().rows;
    sortSchools(rows);
    EXPECT_EQ(rows, GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SchoolsOrder,
    ::testing::Values(
        SchoolsCase{"EqualKeysKeepExchangeOrder", {"b", "a", "B"}, {"a", "b", "B"}},
        SchoolsCase{"EqualKeysOtherStart", {"b", "B", "a"}, {"a", "B", "b"}},
        SchoolsCase{"CapitalEAcuteAfterEveryPlainLetter", {"Élan", "Zoé", "Amiens"}, {"Amiens", "Zoé", "Élan"}},
        SchoolsCase{"SmallEAcuteAmongTheEs", {"Fleurs", "école", "Dune", "Ecrins"}, {"Dune", "école", "Ecrins", "Fleurs"}},
        SchoolsCase{"EmptyNamesFirst", {"Bois", "", "Arbre", ""}, {"", "", "Arbre", "Bois"}},
        SchoolsCase{"PrefixFirst", {"Vernelle - Mat", "Vernelle"}, {"Vernelle", "Vernelle - Mat"}},
        SchoolsCase{"OnlyCapitalOCircumflexFolded", {"ôrme", "Pins", "Ôrme"}, {"Ôrme", "Pins", "ôrme"}},
        SchoolsCase{"CedillaFolded", {"Dax", "ça"}, {"ça", "Dax"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SchoolsKey, FoldsOnlyTheListedLetters) {
    EXPECT_EQ(schoolSortKey("àâéèêëîïÔûüÿç"), "AAEEEEIIOUUYC");
    EXPECT_EQ(schoolSortKey("É ô-1"), "\xC9 \xF4-1");
}

Substitute record(std::string name, std::string commune) { return {std::move(name), std::move(commune), "", "", "Oui"}; }

struct SubstitutesCase {
    const char* name;
    std::vector<Substitute> rows;
    std::vector<std::string> sortedNames;
};

class SubstitutesOrder : public ::testing::TestWithParam<SubstitutesCase> {};

TEST_P(SubstitutesOrder, SortsByCommuneThenName) {
    auto rows = GetParam().rows;
    sortSubstitutes(rows);
    std::vector<std::string> names;
    for (const auto& r : rows) names.push_back(r.Nom);
    EXPECT_EQ(names, GetParam().sortedNames);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SubstitutesOrder,
    ::testing::Values(
        SubstitutesCase{"ByCommuneThenName",
                        {record("D", "Mareuil"), record("C", "Brantôme"), record("A", "Mareuil"), record("B", "Brantôme")},
                        {"B", "C", "A", "D"}},
        SubstitutesCase{"EmptyCommuneFirst", {record("A", "Mareuil"), record("Z", "")}, {"Z", "A"}},
        // "Vernelle" and "vernelle" are two runs: the names are not mixed across them.
        SubstitutesCase{"CapitalCommuneBeforeSmallTwinInItsOwnRun",
                        {record("A", "vernelle"), record("D", "Vernelle"), record("B", "vernelle"), record("C", "Vernelle")},
                        {"C", "D", "A", "B"}},
        SubstitutesCase{"EAcuteNameAfterZ", {record("ÉMERY Luc", "Nontron"), record("ZANETTI Paul", "Nontron")},
                        {"ZANETTI Paul", "ÉMERY Luc"}},
        SubstitutesCase{"EmptyNameFirstInItsCommune", {record("abel", "X"), record("Zora", "X"), record("", "X")},
                        {"", "Zora", "abel"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tandarel
