#include "analysis/week_table.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <cstdio>

#include "core/cp1252.h"
#include "core/fields.h"
#include "core/file_error.h"
#include "core/text_file.h"
#include "core/week_file.h"

namespace tandarel {

WeekTable::WeekTable(std::string fileBytes) : bytes_(std::move(fileBytes)) {
    // The scans read whole blocks past the last byte: room for them, free when the bytes
    // were read with readFileBytes(file, scan::kPadding).
    const std::size_t size = bytes_.size();
    bytes_.append(scan::kPadding, '\0');
    lines_ = scan::lines(bytes_.data(), bytes_.data() + size);
    // Every line has its flag, even in a table without day columns: rowCells reads it.
    split_.assign(lines_.size(), false);
    if (lines_.empty()) return;
    const std::string_view header = lines_.front();
    // The cells are lines x days: a damaged file must not ask for gigabytes.
    const auto fields = countFields(header);
    if (lines_.size() > static_cast<std::size_t>(kMaxWeekRows))
        shapeProblem_ = "il a " + std::to_string(lines_.size()) + " lignes";
    else if (fields > static_cast<std::size_t>(kMaxWeekColumns))
        shapeProblem_ = "sa première ligne a " + std::to_string(fields) + " champs";
    if (shapeProblem_) return;
    const auto marker = header.find(";M/AM");
    if (marker == std::string_view::npos) return;  // no day columns can be told apart
    labels_ = static_cast<int>(countFields(header.substr(0, marker + 1))) + 1;
    days_ = std::max(0, static_cast<int>(fields) - labels_);
    headers_.resize(static_cast<std::size_t>(days_));
    forEachDayCell(0, 0, days_ - 1,
                   [&](int day, std::string_view cell) { headers_[static_cast<std::size_t>(day)] = text(cell); });
}

void WeekTable::splitRow(std::size_t row) const {
    // Most runs read cells through forEachDayCell and never need the cache.
    if (cells_.empty()) cells_.resize(lines_.size() * static_cast<std::size_t>(days_));
    split_[row] = true;
    auto* out = cells_.data() + row * static_cast<std::size_t>(days_);
    const std::string_view line = lines_[row];
    scan::forEachField(line.data(), line.data() + line.size(), [&](int index, std::string_view field) {
        const int day = index - labels_;
        if (day >= days_) return false;
        if (day >= 0) out[day] = field;
        return true;
    });
}

const std::string& WeekTable::header(int day) const {
    static const std::string none;
    return day >= 0 && day < days_ ? headers_[static_cast<std::size_t>(day)] : none;
}

bool WeekTable::allHts(int day) const {
    if (day < 0 || day >= days_) return false;
    if (htsDays_.empty()) {
        // One pass over the lines for every column at once, stopping as soon as no
        // column can still be all "HTS": a holiday week is read through once, not once a day.
        const auto days = static_cast<std::size_t>(days_);
        htsDays_.assign(days, 1);
        std::string allHtsCells;
        for (std::size_t d = 0; d < days; ++d) allHtsCells += "HTS;";
        std::vector<char> hts(days);
        std::size_t candidates = days;
        for (int row = 1; row < rowCount() && candidates > 0; ++row) {
            // A line of a holiday week is its labels then "HTS;" in every column: one compare.
            const std::string_view cells = dayPart(row);
            if (cells == allHtsCells || (cells.size() + 1 == allHtsCells.size() && allHtsCells.starts_with(cells)))
                continue;
            std::fill(hts.begin(), hts.end(), 0);
            forEachDayCell(row, 0, days_ - 1,
                           [&](int d, std::string_view cell) { hts[static_cast<std::size_t>(d)] = isHts(cell); });
            for (std::size_t d = 0; d < days; ++d)
                if (htsDays_[d] && !hts[d]) {
                    htsDays_[d] = 0;
                    --candidates;
                }
        }
    }
    return htsDays_[static_cast<std::size_t>(day)] != 0;
}

std::string_view WeekTable::dayPart(int row) const {
    const std::string_view line = lines_[static_cast<std::size_t>(row)];
    std::string_view rest;
    scan::forEachField(line.data(), line.data() + line.size(), [&](int index, std::string_view field) {
        if (index + 1 < labels_) return true;
        const char* after = field.data() + field.size() + 1;  // past its ";"
        if (after <= line.data() + line.size())
            rest = {after, static_cast<std::size_t>(line.data() + line.size() - after)};
        return false;
    });
    return rest;
}

std::string_view WeekTable::storedMarker() { return {&kStoredMarkerByte, 1}; }

std::string WeekTable::text(std::string_view storedCell) { return decodeCp1252(storedCell); }

FilePlace filePlace(std::size_t index, std::size_t count) {
    if (count == 1) return FilePlace::Only;
    if (index == 0) return FilePlace::First;
    if (index + 1 == count) return FilePlace::Last;
    return FilePlace::Middle;
}

ColumnRange analysedColumns(const WeekTable& table, FilePlace place, std::string_view startKey,
                            std::string_view endKey) {
    const int days = table.dayCount();
    ColumnRange range{0, days - 1};
    // A header that is not a date is never taken as a bound.
    if (place == FilePlace::Only || place == FilePlace::First) {
        range.first = days;
        for (int day = 0; day < days; ++day) {
            const auto key = longDateKey(table.header(day));
            if (key && *key >= startKey) {
                range.first = day;
                break;
            }
        }
    }
    if (place == FilePlace::Only || place == FilePlace::Last) {
        range.last = -1;
        for (int day = days - 1; day >= 0; --day) {
            const auto key = longDateKey(table.header(day));
            if (key && *key <= endKey) {
                range.last = day;
                break;
            }
        }
    }
    return range;
}

std::string dateKey(const Date& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.year, date.month, date.day);
    return buffer;
}

PeriodWalk walkPeriod(const WeekFileList& files, const Period& period, const PerFile& perFile) {
    PeriodWalk walk;
    const auto startKey = dateKey(period.start), endKey = dateKey(period.end);
    bool anyDay = false;
    for (std::size_t index = 0; index < files.size(); ++index) {
        const WeekTable table(readFileBytes(files.paths[index], scan::kPadding));
        if (const auto& problem = table.shapeProblem())
            throw FileError("Le fichier « " + displayPath(files.paths[index]) +
                                " » n'est pas lisible comme une semaine : " + *problem + ". L'analyse s'arrête là.",
                            files.paths[index]);
        const auto place = filePlace(index, files.size());
        const auto columns = analysedColumns(table, place, startKey, endKey);
        if (place == FilePlace::Only && columns.empty()) walk.messages.emplace_back(kForeignDateMessage);
        const bool even = (index + 1) % 2 == 0;  // files are numbered from 1
        const auto fileColour = even ? kEvenFileColour : kOddFileColour;
        for (int day = columns.first; day <= columns.last; ++day) {
            const std::string header(table.header(day));
            if (!anyDay) walk.rangeStart = header;
            walk.rangeEnd = header;
            anyDay = true;
            walk.days.push_back({header, table.allHts(day) ? kHtsDayColour : fileColour});
        }
        if (index + 1 < files.size()) walk.days.push_back({"", 0});
        walk.files.push_back({files.shortNames[index], fileColour});
        perFile(table, columns, walk);
    }
    if (!anyDay) {
        walk.rangeStart = period.startText;
        walk.rangeEnd = period.endText;
    }
    return walk;
}

}  // namespace tandarel
