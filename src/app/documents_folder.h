#pragma once

#include <filesystem>
#include <optional>

namespace tandarel {
namespace ui {
class Messages;
}

// Makes the "Tandarel" folder of the user's documents the current directory, creating it on the first start.
// Returns that folder, or nothing once the user has been told why it cannot be used.
std::optional<std::filesystem::path> enterDocumentsDataFolder(ui::Messages& messages);

}  // namespace tandarel
