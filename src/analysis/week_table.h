#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/period_rules.h"
#include "analysis/week_collection.h"

namespace tandarel {

// The day columns of one week file (everything after the "M/AM" field of each line):
// row r is file line r (row 0 the header with the day dates), column c day column c.
class WeekTable {
public:
    WeekTable() = default;
    explicit WeekTable(std::vector<std::string> lines);
    // The cells are views into the lines: a copy would point into the original.
    WeekTable(const WeekTable&) = delete;
    WeekTable& operator=(const WeekTable&) = delete;
    WeekTable(WeekTable&&) = default;
    WeekTable& operator=(WeekTable&&) = default;

    int rowCount() const { return static_cast<int>(lines_.size()); }
    int dayCount() const { return days_; }
    // Out-of-range cells (short hand-edited lines included) read as empty.
    std::string_view cell(int row, int day) const;
    std::string_view header(int day) const { return cell(0, day); }
    // Every line below the header holds exactly "HTS" in that column.
    bool allHts(int day) const;

private:
    std::vector<std::string> lines_;
    std::vector<std::string_view> cells_;  // rowCount x dayCount, views into lines_
    int days_ = 0;
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

// Reads each collected file once, in order, and hands its table and analysed columns
// to `perFile`. Throws FileError when a file cannot be read.
using PerFile = std::function<void(const WeekTable& table, ColumnRange columns, PeriodWalk& walk)>;
PeriodWalk walkPeriod(const WeekFileList& files, const Period& period, const PerFile& perFile);

}  // namespace tandarel
