#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "core/file_error.h"
#include "core/reference_files.h"

// The layout of a week file, and of the grid that shows it, line by line (rows) and
// field by field (columns); every reader and writer of week files takes it from here:
//   row 0        the header: "Remplaçant / Affectation", "M/AM", the date of each working day;
//   rows 1...    a block of 8 rows per substitute: in column 0 the substitute's name, school,
//                commune and telephone on the first four rows, in column 1 the plage labels;
//                each plage is a school row (odd) and the row of the replaced teacher with
//                the motif (even), the morning's two plages then the afternoon's;
//   last 4 rows  the non-replacements, one row per motif letter, "Non-remplacements" in
//                column 0 of the first, a count "M¤n" in each day cell.
namespace tandarel {

// Columns: two label columns, then one column per working day.
inline constexpr int kFirstDayColumn = 2;
inline constexpr std::string_view kSubstituteHeader = "Remplaçant / Affectation";
inline constexpr std::string_view kPlageHeader = "M/AM";

// Substitute blocks.
inline constexpr int kFirstBlockRow = 1;
inline constexpr int kBlockRows = 8;    // a day
inline constexpr int kHalfDayRows = 4;  // two plages
inline constexpr int kPlageRows = 2;    // a school row and the row under it
inline constexpr std::array<std::string_view, kBlockRows> kPlageLabels = {"M 1",  "Nom", "M 2",  "Nom",
                                                                          "AM 1", "Nom", "AM 2", "Nom"};
// Column 0 of the first rows of a block: name, school, commune, telephone.
inline constexpr int kIdentityRows = 4;
std::array<std::string_view, kIdentityRows> blockIdentity(const Substitute& substitute);

// The non-replacement section.
inline constexpr int kNonReplacementRows = 4;
inline constexpr std::string_view kNonReplacementLabel = "Non-remplacements";

// Cell texts.
inline constexpr std::string_view kOutOfSchoolTime = "HTS";  // "Hors Temps Scolaire"
inline constexpr std::string_view kUnavailable = "Indisponible";
// "¤" as the program holds it (UTF-8) and as the files store it (Windows-1252, where a
// character from U+00A0 to U+00FF is its own byte).
inline constexpr std::string_view kMotifMarker = "\xC2\xA4";
inline constexpr char kStoredMotifMarker =
    static_cast<char>(((kMotifMarker[0] & 0x1F) << 6) | (kMotifMarker[1] & 0x3F));
static_assert(kMotifMarker.size() == 2 && static_cast<unsigned char>(kStoredMotifMarker) >= 0xA0);
// The motif letters: before "¤" on a replaced teacher's row, and one per non-replacement row.
inline constexpr char kIllnessLetter = 'M';   // Maladie
inline constexpr char kTeamLetter = 'E';      // Equipe
inline constexpr char kPersonalLetter = 'C';  // Convenance personnelle
inline constexpr char kOtherLetter = 'A';     // Autre raison
// In the order of the non-replacement rows (and of the planner's motif options).
inline constexpr std::array<char, kNonReplacementRows> kMotifLetters = {kIllnessLetter, kTeamLetter,
                                                                        kPersonalLetter, kOtherLetter};

// A cell whose second character is "¤": its first character (the motif or count
// letter) and the text after the marker.
struct MarkedCell {
    std::string letter;  // one character, UTF-8
    std::string rest;
};
std::optional<MarkedCell> splitMarked(std::string_view cell);

// Row kinds, for rows of a block (row >= kFirstBlockRow).
constexpr int blockOf(int row) { return (row - kFirstBlockRow) / kBlockRows; }
constexpr int blockFirstRow(int block) { return kFirstBlockRow + kBlockRows * block; }
constexpr int offsetInBlock(int row) { return (row - kFirstBlockRow) % kBlockRows; }
constexpr bool isBlockFirstRow(int row) { return row >= kFirstBlockRow && offsetInBlock(row) == 0; }
constexpr bool isHalfDayFirstRow(int row) { return (row - kFirstBlockRow) % kHalfDayRows == 0; }
constexpr bool isSchoolRow(int row) { return row % 2 != 0; }
// The other row of the plage.
constexpr int plagePartner(int row) { return isSchoolRow(row) ? row + 1 : row - 1; }

// Rows of a week of `rowCount` rows. The substitute rows run from kFirstBlockRow to the
// last one, just above the non-replacement section; a hand-edited file may end a block early.
constexpr int firstNonReplacementRow(int rowCount) { return rowCount - kNonReplacementRows; }
constexpr int lastSubstituteRow(int rowCount) { return firstNonReplacementRow(rowCount) - 1; }
constexpr int weekRowCount(int substitutes) { return kFirstBlockRow + kBlockRows * substitutes + kNonReplacementRows; }

// A week has at most 2 + 6 columns and 8 rows per substitute: these bounds are far beyond
// anything the program writes, and keep a damaged file from asking for gigabytes.
inline constexpr int kMaxWeekColumns = 64;
inline constexpr int kMaxWeekRows = 100000;
// Why a file of `lineCount` lines, `firstLineFields` fields in its first, is too large
// to be a week, if it is.
Refusal weekSizeProblem(std::size_t lineCount, std::size_t firstLineFields);
// Why lines cannot be a week shown in the grid, if they cannot: too large, or a line
// holding text beyond the fields of the first line (which the grid would not show and
// the next save would drop).
Refusal weekShapeProblem(const std::vector<std::string>& lines);
// The error for a week file whose shape is refused: the file, the problem, then what
// follows from it (a sentence).
FileError unreadableWeekError(const std::filesystem::path& file, std::string_view problem,
                              std::string_view consequence);

}  // namespace tandarel
