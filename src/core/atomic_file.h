#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace tandarel {

// Replaces `file` with `bytes` in one step: the bytes go to a temporary file in the
// same folder, which is then renamed over the old one. On any failure the old file
// is left as it was, the temporary file is removed and a FileError is thrown.
void replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Test hook: called with the target path once half of the bytes are in the
// temporary file; returning true makes the write fail there, as a full disk would.
using ReplaceFaultHook = std::function<bool(const std::filesystem::path&)>;
void setReplaceFaultHook(ReplaceFaultHook hook);

}  // namespace tandarel
