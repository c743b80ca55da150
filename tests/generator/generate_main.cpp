#include <iostream>
#include <string>

#include "core/utf8_path.h"
#include "data_generator.h"

// tandarel-generate FOLDER [WEEKS]: a deterministic data folder on disk, from the school year 04/05 on,
// for the scripts that compare builds on the same data.
int main(int argc, char** argv) {
    // An option is no folder name: "--help" would otherwise make a folder of that name.
    if (argc < 2 || argc > 3 || argv[1][0] == '-') {
        std::cerr << "Usage : tandarel-generate DOSSIER [SEMAINES]\n";
        return 2;
    }
    tandarel::testing::GeneratedFolder options;
    if (argc == 3) options.weeks = std::stoi(argv[2]);
    const auto folder = tandarel::pathFromUtf8(argv[1]);
    std::filesystem::create_directories(folder);
    tandarel::testing::generateDataFolder(folder, options);
    return 0;
}
