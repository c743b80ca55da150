#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tandarel {

// What the program's own options ask for. Every other argument is left to Qt.
enum class StartRequest { InCurrentFolder, InDocumentsFolder, Version, Help };

// The option of the menu entry: the data folder is kDocumentsDataFolder inside the user's documents folder.
inline constexpr std::string_view kDocumentsOption = "--dossier-documents";
inline constexpr std::string_view kDocumentsDataFolder = "Tandarel";

StartRequest startRequest(const std::vector<std::string>& arguments);

std::string programHelp();

}  // namespace tandarel
