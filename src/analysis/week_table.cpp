#include "analysis/week_table.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <iterator>

#include "analysis/parallel_files.h"
#include "core/cp1252.h"
#include "core/fields.h"
#include "core/file_error.h"
#include "core/text_file.h"

namespace tandarel {

WeekTable::WeekTable(std::string fileBytes) : bytes_(std::move(fileBytes)) {
    // The scans read whole blocks past the last byte: room for them, free when the bytes
    // were read with readFileBytes(file, scan::kPadding).
    const std::size_t size = bytes_.size();
    bytes_.append(scan::kPadding, '\0');
    auto index = scan::indexSeparators(bytes_.data(), bytes_.data() + size);
    lines_ = std::move(index.lines);
    semicolons_ = std::move(index.semicolons);
    // Every line has its flag, even in a table without day columns: rowCells reads it.
    split_.assign(lines_.size(), false);
    if (lines_.empty()) return;
    const std::string_view header = lines_.front();
    // The cells are lines x days: a damaged file must not ask for gigabytes.
    const auto fields = countFields(header);
    shapeProblem_ = weekSizeProblem(lines_.size(), fields);
    if (shapeProblem_) return;
    static const std::string marker = std::string(";").append(kPlageHeader);
    const auto markerAt = header.find(marker);
    if (markerAt == std::string_view::npos) return;  // no day columns can be told apart
    labels_ = static_cast<int>(countFields(header.substr(0, markerAt + 1))) + 1;
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
    forEachDayCell(static_cast<int>(row), 0, days_ - 1, [&](int day, std::string_view cell) { out[day] = cell; });
}

const std::string& WeekTable::header(int day) const {
    static const std::string none;
    return day >= 0 && day < days_ ? headers_[static_cast<std::size_t>(day)] : none;
}

bool WeekTable::allHts(int day) const {
    if (day < 0 || day >= days_) return false;
    if (htsDays_.empty()) {
        // One pass over the lines for every column at once, reading only the columns that
        // can still be all "HTS" and stopping when none can: a week is read through once,
        // not once a day, and a bank holiday costs one cell a line.
        htsDays_.assign(static_cast<std::size_t>(days_), 1);
        int first = 0, last = days_ - 1;
        for (int row = 1; row < rowCount() && first <= last; ++row) {
            forEachDayCell(row, first, last, [&](int d, std::string_view cell) {
                if (!isHts(cell)) htsDays_[static_cast<std::size_t>(d)] = 0;
            });
            while (first <= last && !htsDays_[static_cast<std::size_t>(first)]) ++first;
            while (last >= first && !htsDays_[static_cast<std::size_t>(last)]) --last;
        }
    }
    return htsDays_[static_cast<std::size_t>(day)] != 0;
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

namespace {

// Files are numbered from 1 in the lists: the even ones in one colour, the odd ones in another.
std::uint32_t fileColour(std::size_t index) { return (index + 1) % 2 == 0 ? kEvenFileColour : kOddFileColour; }

// What the walk learns of one file, on whichever thread reads it.
struct FileWalk {
    std::vector<ListEntry> days;
    bool foreignDates = false;
    std::vector<std::string> messages;
    std::exception_ptr error;
};

}  // namespace

std::string readWeekFileBytes(const std::filesystem::path& file) { return readFileBytes(file, scan::kPadding); }

PeriodWalk walkPeriod(const WeekFileList& files, const Period& period, const PerFile& perFile,
                      const WeekBytesReader& read, WalkDays days) {
    const auto startKey = dateKey(period.start), endKey = dateKey(period.end);
    std::vector<FileWalk> fileWalks(files.size());
    // The files are read and counted a few at a time, each on its own; what the user
    // sees is then put together in their order.
    forEachIndexInParallel(files.size(), [&](std::size_t index) {
        FileWalk& fileWalk = fileWalks[index];
        try {
            const WeekTable table(read(files.paths[index]));
            if (const auto& problem = table.shapeProblem())
                throw unreadableWeekError(files.paths[index], *problem, "L'analyse s'arrête là.");
            const auto place = filePlace(index, files.size());
            const auto columns = analysedColumns(table, place, startKey, endKey);
            fileWalk.foreignDates = place == FilePlace::Only && columns.empty();
            for (int day = columns.first; day <= columns.last && days == WalkDays::Listed; ++day)
                fileWalk.days.push_back({table.header(day), table.allHts(day) ? kHtsDayColour : fileColour(index)});
            perFile(index, table, columns, fileWalk.messages);
            return true;
        } catch (...) {
            fileWalk.error = std::current_exception();
            return false;
        }
    });
    PeriodWalk walk;
    bool anyDay = false;
    for (std::size_t index = 0; index < files.size(); ++index) {
        FileWalk& fileWalk = fileWalks[index];
        // The first file that cannot be read, as the user would meet it going through
        // them: after what the files before it said.
        if (fileWalk.error) {
            try {
                std::rethrow_exception(fileWalk.error);
            } catch (const FileError& error) {
                throw UnreadableWeekFile(error, std::move(walk.messages));
            }
        }
        if (fileWalk.foreignDates) walk.messages.emplace_back(kForeignDateMessage);
        std::move(fileWalk.messages.begin(), fileWalk.messages.end(), std::back_inserter(walk.messages));
        if (!fileWalk.days.empty()) {
            if (!anyDay) walk.rangeStart = fileWalk.days.front().text;
            walk.rangeEnd = fileWalk.days.back().text;
            anyDay = true;
        }
        std::move(fileWalk.days.begin(), fileWalk.days.end(), std::back_inserter(walk.days));
        if (index + 1 < files.size()) walk.days.push_back({"", 0});
        walk.files.push_back({files.shortNames[index], fileColour(index)});
    }
    if (!anyDay) {
        walk.rangeStart = period.startText;
        walk.rangeEnd = period.endText;
    }
    return walk;
}

}  // namespace tandarel
