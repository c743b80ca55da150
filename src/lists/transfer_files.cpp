#include "lists/transfer_files.h"

#include <system_error>

#include "core/file_error.h"
#include "core/text_file.h"
#include "core/utf8_path.h"
#include "core/week_layout.h"

namespace tandarel {

WorkingLists readWorkingLists(const std::filesystem::path& dataFolder) {
    WorkingLists lists;
    const auto oldList = dataFolder / kOldSubstitutesFile;
    if (entryExists(oldList)) lists.oldLines = readTextLines(oldList);
    lists.editedLines = readTextLines(dataFolder / kEditedSubstitutesFile);
    return lists;
}

void removeWorkingList(const std::filesystem::path& dataFolder, std::string_view name) {
    const auto file = dataFolder / name;
    if (!entryExists(file)) return;
    std::error_code ec;
    std::filesystem::remove(file, ec);
    if (ec) throw FileError("Impossible de supprimer le fichier " + displayPath(file) + " : " + systemReason(ec), file);
}

RewriteSources readRewriteSources(const std::filesystem::path& dataFolder) {
    RewriteSources sources;
    sources.patterns = slotPatterns(readFirstLine(dataFolder / kWorkingWeekFile));
    sources.newList = parseSubstitutes(readTextLines(dataFolder / kSubstitutesFile));
    return sources;
}

SchoolYearWeeks schoolYearWeeks(const std::filesystem::path& dataFolder, const Date& today) {
    namespace fs = std::filesystem;
    const Date monday = planningMonday(today);
    SchoolYearWeeks weeks;
    weeks.folderName = schoolYearFolder(monday);
    weeks.folder = dataFolder / weeks.folderName;
    weeks.thisWeekFileName = weekFileName(monday);

    std::error_code ec;
    if (!fs::is_directory(weeks.folder, ec)) return weeks;
    std::vector<std::string> names;
    for (fs::directory_iterator it(weeks.folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kindError;
        if (it->is_regular_file(kindError)) names.push_back(utf8FromPath(it->path().filename()));
    }
    if (ec) throwReadError(weeks.folder, systemReason(ec));
    weeks.entries = weekEntries(std::move(names));
    return weeks;
}

RewriteOutcome rewriteWeekFiles(const std::filesystem::path& folder, const std::vector<std::string>& fileNames,
                                const std::vector<Substitute>& newList, const std::vector<PairingRow>& pairing,
                                const SlotPatterns& patterns) {
    RewriteOutcome outcome;
    try {
        for (const auto& name : fileNames) {
            const auto file = folder / pathFromUtf8(name);
            auto lines = rewriteWeekLines(readTextLines(file), newList, pairing, patterns);
            if (!lines) {
                outcome.leftAlone.push_back(name);
                continue;
            }
            writeTextLines(file, *lines);
            outcome.rewritten.push_back(name);
        }
    } catch (const FileError& error) {
        throw RewriteStopped(error, outcome);
    }
    return outcome;
}

}  // namespace tandarel

namespace tandarel {

std::string leftAloneMessage(const std::string& folderName, const std::vector<std::string>& fileNames) {
    std::string files;
    for (const auto& name : fileNames) {
        if (!files.empty()) files += ", ";
        files += utf8FromPath((pathFromUtf8(folderName) / pathFromUtf8(name)).make_preferred());
    }
    const auto line = "ligne « " + std::string(kNonReplacementLabel) + " ».";
    if (fileNames.size() == 1) return "La semaine " + files + " n'a pas été modifiée : ce fichier n'a pas de " + line;
    return "Les semaines " + files + " n'ont pas été modifiées : ces fichiers n'ont pas de " + line;
}

}  // namespace tandarel
