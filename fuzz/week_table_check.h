#pragma once
// What the analysis targets share: the week table against the core field walk (the same
// lines, the same day columns and, in every cell, the field the walk finds there), and
// a period's list of files read from memory.
#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <string_view>
#include <vector>

#include "analysis/week_table.h"
#include "core/cp1252.h"
#include "core/fields.h"
#include "core/text_file.h"
#include "core/week_file.h"
#include "fuzz_support.h"

namespace tandarel::fuzz {

inline void checkWeekTable(std::string_view bytes) {
    const WeekTable table{std::string(bytes)};
    const auto lines = splitLines(bytes);
    FUZZ_CHECK(table.rowCount() == static_cast<int>(lines.size()));
    int labels = 0, days = 0;
    // Bytes too large to be a week have no day columns.
    const bool tooLarge = lines.size() > static_cast<std::size_t>(kMaxWeekRows) ||
                          (!lines.empty() && countFields(lines.front()) > static_cast<std::size_t>(kMaxWeekColumns));
    FUZZ_CHECK(table.shapeProblem().has_value() == tooLarge);
    if (!lines.empty() && !tooLarge) {
        const auto marker = lines.front().find(";M/AM");
        if (marker != std::string_view::npos) {
            labels = static_cast<int>(countFields(lines.front().substr(0, marker + 1))) + 1;
            days = std::max(0, static_cast<int>(countFields(lines.front())) - labels);
        }
    }
    FUZZ_CHECK(table.dayCount() == days);
    // Read backwards so that a cell is sometimes the first read of its line, sometimes not.
    for (int row = table.rowCount() - 1; row >= 0; --row) {
        const auto fields = splitFields(lines[static_cast<std::size_t>(row)]);
        const auto cells = table.rowCells(row);
        FUZZ_CHECK(cells.size() == static_cast<std::size_t>(days));
        for (int day = 0; day < days; ++day) {
            const auto at = static_cast<std::size_t>(labels + day);
            const std::string_view expected = at < fields.size() ? std::string_view(fields[at]) : std::string_view();
            FUZZ_CHECK(table.cell(row, day) == expected);
            FUZZ_CHECK(cells[static_cast<std::size_t>(day)] == expected);
        }
        FUZZ_CHECK(table.cell(row, days).empty() && table.cell(row, -1).empty());
        // The walk straight from the bytes gives every asked day of the table, in order:
        // the line's field, or empty where the line is cut short.
        for (const auto& [first, last] : {std::pair{0, days - 1}, std::pair{1, days - 2}, std::pair{days / 2, days}}) {
            int next = std::max(first, 0);
            table.forEachDayCell(row, first, last, [&](int day, std::string_view cell) {
                FUZZ_CHECK(day == next++);
                const auto at = static_cast<std::size_t>(labels + day);
                FUZZ_CHECK(cell == (at < fields.size() ? std::string_view(fields[at]) : std::string_view()));
            });
            FUZZ_CHECK(next == std::max(std::max(first, 0), std::min(last, days - 1) + 1));
        }
    }
    for (int day = 0; day < days; ++day) {
        FUZZ_CHECK(table.header(day) == decodeCp1252(table.cell(0, day)));
        bool hts = true;
        for (int row = 1; row < table.rowCount() && hts; ++row) hts = table.cell(row, day) == "HTS";
        FUZZ_CHECK(table.allHts(day) == hts);
    }
    FUZZ_CHECK(!table.allHts(-1) && !table.allHts(days));
    FUZZ_CHECK(table.header(days).empty() && table.cell(table.rowCount(), 0).empty());
}

// The analysed columns of every place in a list of files: inside the table, and the
// first file's start and the last file's end are those of a lone file.
inline void checkColumns(const WeekTable& table, std::string_view startKey, std::string_view endKey) {
    const int days = table.dayCount();
    const auto only = analysedColumns(table, FilePlace::Only, startKey, endKey);
    const auto first = analysedColumns(table, FilePlace::First, startKey, endKey);
    const auto middle = analysedColumns(table, FilePlace::Middle, startKey, endKey);
    const auto last = analysedColumns(table, FilePlace::Last, startKey, endKey);
    for (const auto& range : {only, first, middle, last}) {
        FUZZ_CHECK(range.first >= 0 && range.first <= days);
        FUZZ_CHECK(range.last >= -1 && range.last < days);
    }
    FUZZ_CHECK(middle.first == 0 && middle.last == days - 1);
    FUZZ_CHECK(first.last == days - 1 && last.first == 0);
    FUZZ_CHECK(only.first == first.first && only.last == last.last);
    if (first.first < days) {
        const auto key = longDateKey(table.header(first.first));
        FUZZ_CHECK(key && *key >= startKey);
    }
    if (last.last >= 0) {
        const auto key = longDateKey(table.header(last.last));
        FUZZ_CHECK(key && *key <= endKey);
    }
}

inline int width(ColumnRange range) { return range.empty() ? 0 : range.last - range.first + 1; }

// One week file listed `count` times, as a period's list: the analyses read it through
// bytesReader, never from the disk.
inline WeekFileList sameWeekFiles(std::size_t count) {
    const auto path = std::filesystem::path("04_05") / "05_04_25.pln";
    WeekFileList files;
    for (std::size_t i = 0; i < count; ++i) {
        files.paths.push_back(path);
        files.shortNames.push_back(shortenedPath(path));
    }
    return files;
}

// The bytes of every listed file; `bytes` outlives the analysis.
inline WeekBytesReader bytesReader(std::string_view bytes) {
    return [bytes](const std::filesystem::path&) {
        std::string copy;
        copy.reserve(bytes.size() + scan::kPadding);
        copy.assign(bytes);
        return copy;
    };
}

}  // namespace tandarel::fuzz
