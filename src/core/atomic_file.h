#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace tandarel {

// Replaces `file` with `bytes` in one step that survives a crash or a power cut: the
// bytes go to a new temporary file in the same folder, are flushed to the disk, and the
// temporary is renamed over the old file. The old file's permissions are kept; a file
// that is a symbolic link is written through to its target (the link stays a link).
// On any failure the old file is left as it was, the temporary file is removed and a
// FileError is thrown.
//
// The core and the command-line tool link no Qt, so QSaveFile is not an option here;
// every data file of the program is written by this one routine, so that these rules
// live in one place.
void replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Temporary files are named ".<name>.<random>.tandarel-tmp": never a data file's name.
bool isTemporaryFileName(const std::filesystem::path& name);

// Removes the temporary files that a crash left behind, in the data folder and in each
// of its sub-folders (the school years). Only for the one program that holds the folder:
// another one's save in progress would lose its temporary. Returns how many were removed;
// what cannot be removed stays (it is never read as data).
int removeLeftoverTemporaries(const std::filesystem::path& dataFolder);

// Test hooks. A replacement goes through these stages in order; the hook is called at
// each with the target path and the temporary's path, and returning true makes the
// replacement fail there, as a full disk or a failing drive would. The write fails once
// half of the bytes are in the temporary file.
enum class ReplaceStage { CreatingTemporary, Writing, BeforeFlush, AfterFlush, BeforeRename };
using ReplaceStageHook =
    std::function<bool(const std::filesystem::path& file, const std::filesystem::path& temporary, ReplaceStage)>;
void setReplaceStageHook(ReplaceStageHook hook);

// The same, failing the write half-way only.
using ReplaceFaultHook = std::function<bool(const std::filesystem::path&)>;
void setReplaceFaultHook(ReplaceFaultHook hook);

}  // namespace tandarel
