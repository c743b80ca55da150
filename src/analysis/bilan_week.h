#pragma once

#include <optional>
#include <string_view>

#include "analysis/replacement_analysis.h"
#include "analysis/week_table.h"
#include "core/week_grid.h"

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
    // The placements 0..3 (M 1, M 2, AM 1, AM 2) of a block that the table holds.
    int placements(int block) const;

    static int nameRow(int block) { return 1 + kRows * block; }
    static int schoolRow(int block, int placement) { return nameRow(block) + 2 * placement; }
    static int motifRow(int block, int placement) { return schoolRow(block, placement) + 1; }

private:
    static constexpr int kRows = WeekGrid::kRowsPerSubstitute;
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

// A school line holding a school (neither blank, "HTS" nor "Indisponible") counts in its
// school's row; a motif code under a blank school line in "(école non saisie)". The
// column is the motif line's slot (motifSlot).
std::optional<std::string_view> schoolKey(std::string_view storedSchool, std::size_t motifLineSlot);
// Whether a school line names a school, by the vocabulary its cells share with a motif line's.
bool holdsSchool(std::size_t schoolLineSlot);

// A motif line "X¤name" with X one of M, E, C, A: the name, trimmed.
std::optional<std::string_view> teacherKey(std::string_view storedMotif, std::size_t motifLineSlot);

// Whether a slot is one of the four motif codes M, E, C, A.
inline bool isMotifCode(std::size_t slot) { return slot <= static_cast<std::size_t>(Category::Autre); }

}  // namespace tandarel::bilan
