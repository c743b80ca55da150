#pragma once

#include <algorithm>
#include <string_view>

#include "analysis/replacement_analysis.h"
#include "analysis/week_table.h"
#include "core/fields.h"
#include "core/week_layout.h"

// What the bilans read of a week table: its substitute blocks, their placements (a
// school line and the motif line under it) and the row each placement belongs to in
// each report. The counting and the details of a row both go through here, so that a
// row lists exactly what it counted.
namespace tandarel::bilan {

// The substitute blocks of a table as the replacement analysis counts them: eight lines
// each from line 1, the last four lines being the non-replacements. A block cut short
// by a damaged file keeps the placements whose motif line is still a substitute line.
class Blocks {
public:
    explicit Blocks(const WeekTable& table);
    int count() const { return count_; }
    // The placements 0..3 (M 1, M 2, AM 1, AM 2) of a block that the table holds: the
    // motif line of placement p is nameRow + 2p + 1, and must be at most the last
    // substitute line.
    int placements(int block) const {
        const int room = lastRow_ - nameRow(block) - 1;
        return room < 0 ? 0 : std::min(room / kPlageRows + 1, kBlockRows / kPlageRows);
    }

    static int nameRow(int block) { return blockFirstRow(block); }
    static int schoolRow(int block, int placement) { return nameRow(block) + kPlageRows * placement; }
    static int motifRow(int block, int placement) { return schoolRow(block, placement) + 1; }

private:
    int lastRow_ = 0;  // the last substitute line
    int count_ = 0;
};

// Keys are the stored (Windows-1252) bytes of a row's first column, trimmed: their byte
// order is the program's text order. The placeholders of the rows without a text:
inline constexpr std::string_view kNoSubstituteName = "(sans nom)";
inline constexpr std::string_view kNoSchool = "(\xE9""cole non saisie)";
inline constexpr std::string_view kNoTeacherName = "(nom non saisi)";

// The name of a block (the first field of its first line).
std::string_view substituteKey(const WeekTable& table, int block);

// A cell without its blanks. The planning window writes every cell trimmed: only a hand
// edit leaves blanks, and only then is the cell searched for them.
inline std::string_view trimmedCell(std::string_view cell) {
    if (cell.empty() ||
        (static_cast<unsigned char>(cell.front()) > 0x20 && static_cast<unsigned char>(cell.back()) > 0x20))
        [[likely]]
        return cell;
    return trimmed(cell);
}

// Whether a slot is one of the four motif codes M, E, C, A.
inline bool isMotifCode(std::size_t slot) { return slot <= static_cast<std::size_t>(Category::Autre); }

// The key of a placement that counts in no row: no text of a cell, once trimmed, is empty.
inline constexpr std::string_view kNoRow = "";

// A school line holding a school (neither blank, "HTS" nor "Indisponible") counts in its
// school's row; a motif code under a blank school line in "(école non saisie)". The
// column is the motif line's slot (motif::countedSlot). (Inline, as the next one: every cell of
// a year is asked for its row.)
inline std::string_view schoolKey(std::string_view storedSchool, std::size_t motifLineSlot) {
    const auto school = trimmedCell(storedSchool);
    if (school.empty()) return isMotifCode(motifLineSlot) ? kNoSchool : kNoRow;
    if (WeekTable::isHts(school) || WeekTable::isUnavailable(school)) return kNoRow;
    return school;
}

// The name of a motif code "X¤name" (trimmed, X one of M, E, C, A): the text after the
// code, trimmed.
inline std::string_view teacherOfCode(std::string_view code) {
    // The code is one letter and the stored marker, one byte each.
    const auto name = trimmedCell(code.substr(1 + sizeof kStoredMotifMarker));
    return name.empty() ? kNoTeacherName : name;
}

// A motif line "X¤name" with X one of M, E, C, A: the name, trimmed.
inline std::string_view teacherKey(std::string_view storedMotif, std::size_t motifLineSlot) {
    if (!isMotifCode(motifLineSlot)) return kNoRow;
    return teacherOfCode(trimmedCell(storedMotif));
}

}  // namespace tandarel::bilan
