#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar.h"

namespace tandarel {

// The data folder's sub-folder that holds the archives.
inline constexpr std::string_view kBackupFolder = "sauvegardes";

// When an archive was made: "tandarel-2026-12-08-0930.zip"; a second archive in the same
// minute takes "-2", and so on, so that names order as the archives were made.
struct ArchiveStamp {
    Date date;
    int hour = 0;
    int minute = 0;
    int sequence = 1;
    auto operator<=>(const ArchiveStamp&) const = default;
};

std::string archiveName(const ArchiveStamp& stamp);
std::optional<ArchiveStamp> parseArchiveName(std::string_view name);

// "mardi 8 décembre 2026 à 09:30", with " (2)" for a second archive of that minute.
std::string archiveDateText(const ArchiveStamp& stamp);

// What an interrupted write of an archive leaves: a name holding an archive's name,
// which is not that name.
bool isArchiveLeftover(std::string_view name);

// The archive names among `names`, newest first.
std::vector<std::string> archivesNewestFirst(const std::vector<std::string>& names);

// At most one archive a day, unless the data differ from the newest archive's.
bool archiveDue(const std::vector<std::string>& names, const Date& today, bool dataDifferFromNewest);

// The name for an archive made at `stamp` that no existing name takes.
std::string freshArchiveName(const std::vector<std::string>& names, ArchiveStamp stamp);

// Retention: the 30 newest archives, and the newest of each of the 12 months before
// today's, are kept; every other archive among `names` is returned, oldest first.
// Names that are not archives' are never returned.
std::vector<std::string> archivesToRemove(const std::vector<std::string>& names, const Date& today);

inline constexpr int kKeptNewest = 30;
inline constexpr int kKeptMonths = 12;

}  // namespace tandarel
