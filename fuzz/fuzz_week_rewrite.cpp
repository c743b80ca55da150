// The timetable rewrite of one week file of any shape, with a new list, a pairing and a
// working week derived from the first bytes (names drawn from the file's own blocks and
// a few others): the header and the non-replacement lines are kept, every block is the
// one its substitute's pairing leads to or a new one, and the result stores and reads
// back as it is.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/cp1252.h"
#include "core/fields.h"
#include "core/text_file.h"
#include "fuzz_support.h"
#include "lists/transfer_rules.h"

namespace {

using namespace tandarel;

constexpr std::size_t kBlock = 8;

std::string_view afterFirstField(std::string_view line) {
    const auto sep = line.find(';');
    return sep == std::string_view::npos ? std::string_view() : line.substr(sep);
}

std::vector<std::string> newBlock(const Substitute& s, const SlotPatterns& p) {
    return {trim(s.Nom) + ";M 1;" + p.morning,      trim(s.Etablissement) + ";Nom;" + p.morning,
            trim(s.Commune) + ";M 2;" + p.morning,  trim(s.Telephone) + ";Nom;" + p.morning,
            ";AM 1;" + p.afternoon,                 ";Nom;" + p.afternoon,
            ";AM 2;" + p.afternoon,                 ";Nom;" + p.afternoon};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputBytes input(data, size);
    const int newCount = input.below(8), pairingRows = input.below(10);
    std::vector<std::uint8_t> choices;
    for (int i = 0; i < newCount + 2 * pairingRows; ++i) choices.push_back(input.next());
    const int halfDays = input.next() | input.next() << 8;
    std::vector<std::string> oldLines;
    for (const auto line : splitLines(input.rest())) oldLines.push_back(decodeCp1252(line));

    // Names: the first fields of the file's block lines as they are, and a few others.
    std::vector<std::string> pool = {"", "  ", "Dupont", "Martin ", "Éloïse Bérard", "Non-remplacements"};
    for (std::size_t start = 1; start < oldLines.size() && pool.size() < 16; start += kBlock)
        pool.emplace_back(firstField(oldLines[start]));
    std::size_t choice = 0;
    auto pick = [&] { return pool[choices[choice++] % pool.size()]; };
    std::vector<Substitute> newList;
    for (int i = 0; i < newCount; ++i) {
        const auto n = std::to_string(i);
        newList.push_back({pick(), "Commune " + n, "École " + n, "05 55 00 00 0" + n, "Oui"});
    }
    std::vector<PairingRow> pairing;
    for (int i = 0; i < pairingRows; ++i) {
        auto left = pick();
        pairing.push_back({std::move(left), pick()});
    }
    std::string week;
    for (int slot = 0; slot < 12; ++slot) week += (halfDays >> slot & 1 ? std::string(kSlotCodes[slot]) : "") + ";";
    const auto patterns = slotPatterns(week);

    const auto rewritten = rewriteWeekLines(oldLines, newList, pairing, patterns);
    std::size_t section = 1;
    while (section < oldLines.size() && firstField(oldLines[section]) != "Non-remplacements") ++section;
    FUZZ_CHECK(rewritten.has_value() == (section < oldLines.size()));
    if (!rewritten) return 0;
    const auto& out = *rewritten;

    FUZZ_CHECK(out.size() == 1 + kBlock * newList.size() + (oldLines.size() - section));
    FUZZ_CHECK(out.front() == oldLines.front());
    for (std::size_t i = section; i < oldLines.size(); ++i)
        FUZZ_CHECK(out[1 + kBlock * newList.size() + i - section] == oldLines[i]);

    for (std::size_t k = 0; k < newList.size(); ++k) {
        const auto& s = newList[k];
        const std::size_t at = 1 + kBlock * k;
        // The first old block of the paired name, if any.
        std::optional<std::size_t> taken;
        if (const auto oldName = pairedOldName(pairing, s.Nom))
            for (std::size_t start = 1; start + kBlock <= section && !taken; start += kBlock)
                if (trimmed(firstField(oldLines[start])) == trimmed(*oldName)) taken = start;
        if (!taken) {
            const auto fresh = newBlock(s, patterns);
            for (std::size_t i = 0; i < kBlock; ++i) FUZZ_CHECK(out[at + i] == fresh[i]);
            continue;
        }
        const std::string_view identity[4] = {s.Nom, s.Etablissement, s.Commune, s.Telephone};
        for (std::size_t i = 0; i < kBlock; ++i) {
            const auto& old = oldLines[*taken + i];
            if (i >= 4) {
                FUZZ_CHECK(out[at + i] == old);
                continue;
            }
            FUZZ_CHECK(firstField(out[at + i]) == trimmed(identity[i]));
            FUZZ_CHECK(afterFirstField(out[at + i]) == afterFirstField(old));
        }
    }

    // Rewritten again with everyone paired with himself, the file stays as it is: each
    // finds his own block. Only for names that tell the blocks apart (not blank, not
    // twice, not the label that opens the non-replacement lines).
    std::vector<PairingRow> itself;
    bool distinct = true;
    for (const auto& s : newList) {
        const auto name = trimmed(s.Nom);
        for (const auto& row : itself) distinct = distinct && trimmed(row.newName) != name;
        distinct = distinct && !name.empty() && name != "Non-remplacements";
        itself.push_back({s.Nom, s.Nom});
    }
    if (distinct) FUZZ_CHECK(rewriteWeekLines(out, newList, itself, patterns) == out);

    // What is written is read back line for line.
    const auto stored = encodeTextLines(out, "05_04_25.pln");
    std::vector<std::string> back;
    for (const auto line : splitLines(stored)) back.push_back(decodeCp1252(line));
    FUZZ_CHECK(back == out);
    return 0;
}
