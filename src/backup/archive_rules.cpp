#include "backup/archive_rules.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "core/fields.h"

namespace tandarel {
namespace {

constexpr std::string_view kPrefix = "tandarel-";
constexpr std::string_view kExtension = ".zip";

// (stamp, name) of every archive name, newest first.
std::vector<std::pair<ArchiveStamp, std::string>> stamped(const std::vector<std::string>& names) {
    std::vector<std::pair<ArchiveStamp, std::string>> archives;
    for (const auto& name : names)
        if (const auto stamp = parseArchiveName(name)) archives.emplace_back(*stamp, name);
    std::sort(archives.begin(), archives.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    return archives;
}

int monthIndex(const Date& date) { return date.year * 12 + (date.month - 1); }

}  // namespace

std::string archiveName(const ArchiveStamp& s) {
    char text[64];
    if (s.sequence > 1)
        std::snprintf(text, sizeof text, "tandarel-%04d-%02d-%02d-%02d%02d-%d.zip", s.date.year, s.date.month,
                      s.date.day, s.hour, s.minute, s.sequence);
    else
        std::snprintf(text, sizeof text, "tandarel-%04d-%02d-%02d-%02d%02d.zip", s.date.year, s.date.month,
                      s.date.day, s.hour, s.minute);
    return text;
}

std::optional<ArchiveStamp> parseArchiveName(std::string_view name) {
    // tandarel-YYYY-MM-DD-HHMM[-n].zip
    if (!name.starts_with(kPrefix) || !name.ends_with(kExtension)) return std::nullopt;
    auto body = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kExtension.size());
    if (body.size() < 15 || body[4] != '-' || body[7] != '-' || body[10] != '-') return std::nullopt;
    const auto year = parseDigits(body.substr(0, 4)), month = parseDigits(body.substr(5, 2)),
               day = parseDigits(body.substr(8, 2));
    const auto hour = parseDigits(body.substr(11, 2)), minute = parseDigits(body.substr(13, 2));
    if (!year || !month || !day || !hour || !minute) return std::nullopt;
    ArchiveStamp stamp{{*year, *month, *day}, *hour, *minute, 1};
    if (!isValidDate(stamp.date.year, stamp.date.month, stamp.date.day) || stamp.hour > 23 || stamp.minute > 59)
        return std::nullopt;
    const auto rest = body.substr(15);
    if (!rest.empty()) {
        const auto sequence = rest.substr(1);
        const auto number = parseDigits(sequence);
        // "-2" to "-999": the first archive of a minute has no number, and none has a leading zero.
        if (rest[0] != '-' || sequence.size() > 3 || !number || sequence[0] == '0' || *number < 2) return std::nullopt;
        stamp.sequence = *number;
    }
    return stamp;
}

std::string archiveDateText(const ArchiveStamp& s) {
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d", s.hour, s.minute);
    std::string text = frenchLongDate(s.date) + " à " + time;
    if (s.sequence > 1) text += " (" + std::to_string(s.sequence) + ")";
    return text;
}

bool isArchiveLeftover(std::string_view name) {
    for (auto start = name.find(kPrefix); start != std::string_view::npos; start = name.find(kPrefix, start + 1)) {
        const auto end = name.find(kExtension, start);
        if (end == std::string_view::npos) return false;
        const auto archive = name.substr(start, end + kExtension.size() - start);
        if (archive.size() != name.size() && parseArchiveName(archive)) return true;
    }
    return false;
}

std::vector<std::string> archivesNewestFirst(const std::vector<std::string>& names) {
    std::vector<std::string> archives;
    for (auto& [stamp, name] : stamped(names)) archives.push_back(std::move(name));
    return archives;
}

bool archiveDue(const std::vector<std::string>& names, const Date& today, bool dataDifferFromNewest) {
    if (dataDifferFromNewest) return true;
    const auto archives = stamped(names);
    return std::none_of(archives.begin(), archives.end(), [&](const auto& a) { return a.first.date == today; });
}

std::string freshArchiveName(const std::vector<std::string>& names, ArchiveStamp stamp) {
    const std::set<std::string> taken(names.begin(), names.end());
    for (stamp.sequence = 1; taken.count(archiveName(stamp)); ++stamp.sequence) {
    }
    return archiveName(stamp);
}

std::vector<std::string> archivesToRemove(const std::vector<std::string>& names, const Date& today) {
    const auto archives = stamped(names);
    std::set<std::string> kept;
    std::set<int> monthsKept;
    const int thisMonth = monthIndex(today);
    for (std::size_t i = 0; i < archives.size(); ++i) {
        const auto& [stamp, name] = archives[i];
        const int month = monthIndex(stamp.date);
        // Newest first: the first archive met in a month is that month's last.
        const bool monthsLast = month < thisMonth && month >= thisMonth - kKeptMonths && monthsKept.insert(month).second;
        if (i < static_cast<std::size_t>(kKeptNewest) || monthsLast) kept.insert(name);
    }
    std::vector<std::string> removed;
    for (auto it = archives.rbegin(); it != archives.rend(); ++it)
        if (!kept.count(it->second)) removed.push_back(it->second);
    return removed;
}

}  // namespace tandarel
