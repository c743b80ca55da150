#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/byte_scan.h"
#include "analysis/period_rules.h"
#include "analysis/week_collection.h"
#include "core/file_error.h"
#include "core/week_layout.h"

namespace tandarel {

// Whether a text is stored as it is held: ASCII, the same bytes in UTF-8 and in Windows-1252.
constexpr bool storedAsHeld(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
// The cell texts that the analyses compare with stored bytes.
static_assert(storedAsHeld(kOutOfSchoolTime) && storedAsHeld(kUnavailable));

// The day columns of one week file (everything after the kPlageHeader field of each line):
// row r is file line r (row 0 the header with the day dates), column c day column c.
// The cells stay in the file's own bytes, so that a year of files is counted without
// converting every cell; the codes are compared in their stored form (`storedMarker`)
// and only the texts shown to the user (the day dates, refused cells) are decoded.
class WeekTable {
public:
    explicit WeekTable(std::string fileBytes);
    // The cells are views into the bytes held here.
    WeekTable(const WeekTable&) = delete;
    WeekTable& operator=(const WeekTable&) = delete;

    // Why the bytes cannot be a week file (weekSizeProblem: too many lines or fields to
    // hold), if they cannot; such a table has no day columns.
    const Refusal& shapeProblem() const { return shapeProblem_; }

    int rowCount() const { return static_cast<int>(lines_.size()); }
    int dayCount() const { return days_; }
    // The stored bytes of a cell; out-of-range cells (short hand-edited lines) read as empty.
    std::string_view cell(int row, int day) const {
        if (row < 0 || day < 0 || row >= rowCount() || day >= days_) return {};
        const auto r = static_cast<std::size_t>(row);
        if (!split_[r]) splitRow(r);
        return cells_[r * static_cast<std::size_t>(days_) + static_cast<std::size_t>(day)];
    }
    // All the day cells of a line (none out of range).
    std::span<const std::string_view> rowCells(int row) const {
        if (row < 0 || row >= rowCount()) return {};
        const auto r = static_cast<std::size_t>(row);
        if (!split_[r]) splitRow(r);
        return {cells_.data() + r * static_cast<std::size_t>(days_), static_cast<std::size_t>(days_)};
    }
    // Calls `take(day, storedCell)` for the day cells first..last of a line (within the
    // table's days), straight from the file's bytes: a line read once needs no copy of
    // its cells. A cell missing from a line cut short reads as empty; the
    // scan::kPadding bytes after any cell can be read.
    template <typename Take>
    void forEachDayCell(int row, int first, int last, Take&& take) const {
        if (row < 0 || row >= rowCount()) return;
        first = std::max(first, 0);
        last = std::min(last, days_ - 1);
        if (first > last) return;
        scan::LineFields fields = lineFields(row);
        fields.skip(labels_ + first);
        for (int day = first; day <= last; ++day) take(day, fields.next());
    }
    // The same for two lines at once, `take(day, cell, otherCell)`, for a line read
    // with the one under it: no cell needs keeping until the other line is read.
    // Nothing is called unless both lines are in the table.
    template <typename Take>
    void forEachDayCellPair(int row, int other, int first, int last, Take&& take) const {
        if (row < 0 || row >= rowCount() || other < 0 || other >= rowCount()) return;
        first = std::max(first, 0);
        last = std::min(last, days_ - 1);
        if (first > last) return;
        scan::LineFields fields = lineFields(row), otherFields = lineFields(other);
        fields.skip(labels_ + first);
        otherFields.skip(labels_ + first);
        for (int day = first; day <= last; ++day) take(day, fields.next(), otherFields.next());
    }
    // The stored bytes of a line's first field (the name on a block's first line).
    std::string_view lineLabel(int row) const {
        if (row < 0 || row >= rowCount()) return {};
        return lineFields(row).next();
    }
    // The date of a day column, as text ("lundi 25 avril 2005").
    const std::string& header(int day) const;
    // Every line below the header holds exactly "HTS" in that column.
    bool allHts(int day) const;

    // "¤" as the files store it.
    static std::string_view storedMarker() { return {&kStoredMotifMarker, 1}; }
    // A stored cell is exactly "HTS" (an ASCII text, stored as it is).
    static bool isHts(std::string_view stored) { return stored == kOutOfSchoolTime; }
    // A stored cell is exactly "Indisponible" (ASCII too).
    static bool isUnavailable(std::string_view stored) { return stored == kUnavailable; }
    // The stored bytes of a cell as text.
    static std::string text(std::string_view storedCell);

private:
    // A line is cut into its cells the first time one of them is read: each analysis
    // reads only some of the lines.
    void splitRow(std::size_t row) const;
    scan::LineFields lineFields(int row) const {
        return {bytes_.data(), semicolons_, lines_[static_cast<std::size_t>(row)]};
    }

    std::string bytes_;
    std::vector<std::string_view> lines_;
    std::vector<std::uint64_t> semicolons_;  // scan::SeparatorIndex::semicolons
    int labels_ = 0;  // fields before the first day column
    mutable std::vector<std::string_view> cells_;  // rowCount x dayCount
    mutable std::vector<bool> split_;
    mutable std::vector<char> htsDays_;  // per day: every line below the header is "HTS"
    std::vector<std::string> headers_;
    int days_ = 0;
    Refusal shapeProblem_;
};

// The analysed day columns [first, last] of one file; empty when first > last.
struct ColumnRange {
    int first = 0;
    int last = -1;
    bool empty() const { return first > last; }
};

enum class FilePlace { Only, First, Middle, Last };
FilePlace filePlace(std::size_t index, std::size_t count);

// Columns kept by the period's dates ("yyyymmdd" keys): from the first day not before
// the start in the period's first file, up to the last day not after the end in its last.
ColumnRange analysedColumns(const WeekTable& table, FilePlace place, std::string_view startKey,
                            std::string_view endKey);

std::string dateKey(const Date& date);  // "yyyymmdd"

// Colours of the two lists (0xBBGGRR).
inline constexpr std::uint32_t kHtsDayColour = 0x0000FF;
inline constexpr std::uint32_t kEvenFileColour = 0x008000;
inline constexpr std::uint32_t kOddFileColour = 0xFF0000;

struct ListEntry {
    std::string text;
    std::uint32_t colour = 0;  // 0xBBGGRR
    bool operator==(const ListEntry&) const = default;
};

inline constexpr std::string_view kForeignDateMessage =
    "Problème : une date étrangère à la semaine active a sans doute été saisie deux fois... Je n'ai aucune "
    "donnée à traiter !";

// What both analyses show of the walk through the files: the retained range, the
// days and files lists, and the messages met on the way, in order.
struct PeriodWalk {
    std::string rangeStart;
    std::string rangeEnd;
    std::vector<ListEntry> days;
    std::vector<ListEntry> files;
    std::vector<std::string> messages;
};

// The first file of a period that cannot be read, or is too large to be a week; the
// user is shown first what the files before it said, in their order, then why.
class UnreadableWeekFile : public FileError {
public:
    UnreadableWeekFile(const FileError& error, std::vector<std::string> messagesBefore)
        : FileError(error), messagesBefore_(std::move(messagesBefore)) {}
    const std::vector<std::string>& messagesBefore() const { return messagesBefore_; }

private:
    std::vector<std::string> messagesBefore_;
};

// Where the analyses get the bytes of a collected file: the file itself, or bytes held
// in memory (tests, fuzzing). Called on several threads at once. Bytes that come with
// scan::kPadding bytes of spare capacity are not copied again.
using WeekBytesReader = std::function<std::string(const std::filesystem::path& file)>;
// Reads the file (throws FileError).
std::string readWeekFileBytes(const std::filesystem::path& file);

// Reads each collected file once and hands its table and analysed columns to
// `perFile`, with the file's index and the list where its messages go: several files
// are read at once, on several threads, and `perFile` must only touch what belongs to
// its file. The walk is put together in the files' order. Throws UnreadableWeekFile
// for the first file in that order that cannot be read.
using PerFile = std::function<void(std::size_t index, const WeekTable& table, ColumnRange columns,
                                   std::vector<std::string>& messages)>;
// The bilans show neither the days list nor the retained range: `WalkDays::Skipped` spares
// finding the days all "HTS" (a read through every line of a holiday week), and the
// range is then the period's.
enum class WalkDays { Listed, Skipped };
PeriodWalk walkPeriod(const WeekFileList& files, const Period& period, const PerFile& perFile,
                      const WeekBytesReader& read = readWeekFileBytes, WalkDays days = WalkDays::Listed);

}  // namespace tandarel
