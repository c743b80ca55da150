#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar.h"
#include "core/file_error.h"
#include "lists/transfer_rules.h"

namespace tandarel {

// The two lists the change test compares, as lines: the list as it was when the
// window opened (kOldSubstitutesFile, no lines when missing) and as edited
// (kEditedSubstitutesFile). Throws FileError when either cannot be read.
struct WorkingLists {
    std::vector<std::string> oldLines;
    std::vector<std::string> editedLines;
};
WorkingLists readWorkingLists(const std::filesystem::path& dataFolder);

// Removes one working copy of the list (kOldSubstitutesFile or kEditedSubstitutesFile)
// where it is. Throws FileError when it cannot (a folder of that name stays).
void removeWorkingList(const std::filesystem::path& dataFolder, std::string_view name);

// What a rewrite takes from the data folder: the day cells of a new block
// (semaine.pln) and the sorted new list (personnels.pln). Throws FileError.
struct RewriteSources {
    SlotPatterns patterns;
    std::vector<Substitute> newList;
};
RewriteSources readRewriteSources(const std::filesystem::path& dataFolder);

// The weeks the transfer may rewrite: those of the current school year's folder.
struct SchoolYearWeeks {
    std::string folderName;        // "04_05"
    std::filesystem::path folder;  // data folder / "04_05"
    std::string thisWeekFileName;  // "05_04_25.pln"
    std::vector<WeekEntry> entries;  // empty when the folder is missing or holds no week
};

// From today's date: this week's Monday, its file name and its school-year folder.
// Throws FileError when the folder exists but cannot be listed.
SchoolYearWeeks schoolYearWeeks(const std::filesystem::path& dataFolder, const Date& today);

struct RewriteOutcome {
    std::vector<std::string> rewritten;   // file names, in the order done
    std::vector<std::string> leftAlone;   // files without the week layout, not touched
};

using RewriteStopped = StoppedPartWay<RewriteOutcome>;

// Rewrites the named week files of `folder` in order, each replaced in one step.
// Throws RewriteStopped on the first file that cannot be read or written, telling
// what was done before it.
RewriteOutcome rewriteWeekFiles(const std::filesystem::path& folder, const std::vector<std::string>& fileNames,
                                const std::vector<Substitute>& newList, const std::vector<PairingRow>& pairing,
                                const SlotPatterns& patterns);

}  // namespace tandarel

namespace tandarel {

// The sentence naming the week files left untouched for want of the week layout.
std::string leftAloneMessage(const std::string& folderName, const std::vector<std::string>& fileNames);

}  // namespace tandarel
