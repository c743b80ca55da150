#include "analysis/week_table.h"

#include <algorithm>
#include <cstdio>

#include "core/cp1252.h"
#include "core/fields.h"
#include "core/text_file.h"

namespace tandarel {
namespace {

// Calls `take(index, field)` for each field of a ";"-separated line (an unclosed last
// field included), until it returns false. Fields are short: a plain byte loop beats
// a search call per field.
template <typename Take>
void eachField(std::string_view line, Take&& take) {
    const char* const end = line.data() + line.size();
    const char* start = line.data();
    int index = 0;
    for (const char* p = start; p != end; ++p) {
        if (*p != ';') continue;
        if (!take(index++, std::string_view(start, static_cast<std::size_t>(p - start)))) return;
        start = p + 1;
    }
    if (start != end) take(index, std::string_view(start, static_cast<std::size_t>(end - start)));
}

}  // namespace

WeekTable::WeekTable(std::string fileBytes) : bytes_(std::move(fileBytes)), lines_(splitLines(bytes_)) {
    if (lines_.empty()) return;
    const std::string_view header = lines_.front();
    const auto marker = header.find(";M/AM");
    if (marker == std::string_view::npos) return;  // no day columns can be told apart
    labels_ = static_cast<int>(countFields(header.substr(0, marker + 1))) + 1;
    days_ = std::max(0, static_cast<int>(countFields(header)) - labels_);
    cells_.resize(lines_.size() * static_cast<std::size_t>(days_));
    split_.assign(lines_.size(), false);
    headers_.reserve(static_cast<std::size_t>(days_));
    for (int day = 0; day < days_; ++day) headers_.push_back(text(cell(0, day)));
}

void WeekTable::splitRow(std::size_t row) const {
    split_[row] = true;
    auto* out = cells_.data() + row * static_cast<std::size_t>(days_);
    eachField(lines_[row], [&](int index, std::string_view field) {
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
    for (int row = 1; row < rowCount(); ++row)
        if (cell(row, day) != "HTS") return false;
    return true;
}

std::string_view WeekTable::storedMarker() {
    static const std::string marker = encodeCp1252(kMotifMarker).value_or(std::string());
    return marker;
}

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
        const WeekTable table(readFileBytes(files.paths[index]));
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
