#pragma once

#include <QLockFile>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

namespace tandarel {

namespace ui {
class Messages;
}

// The lock file that a running program holds in its data folder.
inline constexpr const char* kFolderLockFile = "tandarel.lock";

// This program's hold on its data folder, for as long as it runs: a second copy on the
// same folder would overwrite this one's saves and delete its working files. A lock
// left by a copy that crashed on this computer is taken over.
class DataFolderLock {
public:
    explicit DataFolderLock(const std::filesystem::path& dataFolder);
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // Why this copy must not run: another running copy holds the folder. Nothing when the
    // folder is ours, or when no lock can be made there at all (a read-only folder, where
    // nothing can be overwritten either).
    const std::optional<QString>& refusal() const { return refusal_; }

private:
    QLockFile lock_;
    std::optional<QString> refusal_;
};

// At start, before anything is read or written: takes the folder and clears what a
// crash left there (temporary files, which only the folder's holder may remove). When
// another copy holds it, says so in a box and returns nothing: the program then ends.
std::unique_ptr<DataFolderLock> takeDataFolder(const std::filesystem::path& dataFolder, ui::Messages& messages);

}  // namespace tandarel
