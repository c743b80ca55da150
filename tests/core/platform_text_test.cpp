#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/file_error.h"
#include "core/system_error_text.h"
#include "core/text_file.h"
#include "core/utf8_path.h"
#include "data_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

using namespace tandarel;
using tandarel::testing::DataFolder;

// A data folder may bear any name: beyond ASCII, and beyond what Windows' ANSI code page holds.
TEST(Utf8Path, NamesReachTheFileSystemAndComeBack) {
    const DataFolder folder;
    for (const std::string name : {"données d'été", "Ωμέγα Жук", "日本 😀"}) {
        const auto file = folder.path() / pathFromUtf8(name) / "semaine.pln";
        std::filesystem::create_directories(file.parent_path());
        writeTextLines(file, {"LUM;"});
        EXPECT_EQ(readTextLines(file), std::vector<std::string>{"LUM;"}) << name;

        std::vector<std::string> listed;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            listed.push_back(utf8FromPath(entry.path().filename()));
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name;

        try {
            readFileBytes(file.parent_path() / "absent.pln");
            ADD_FAILURE() << name;
        } catch (const FileError& error) {
            EXPECT_NE(std::string(error.what()).find(name + static_cast<char>(std::filesystem::path::preferred_separator) +
                                                     "absent.pln"),
                      std::string::npos)
                << error.what();
        }
    }
}

#ifdef _WIN32
TEST(SystemErrorText, WindowsCodesInTheUsersLanguage) {
    EXPECT_EQ(systemErrorText({0x2000ABCD, std::system_category()}), "erreur du système n° 536914893");
    if (PRIMARYLANGID(GetUserDefaultUILanguage()) != LANG_FRENCH) GTEST_SKIP() << "the system speaks no French";
    // Read as UTF-16: the ANSI text would hold byte 0xE8 for "è".
    EXPECT_EQ(systemErrorText({ERROR_ACCESS_DENIED, std::system_category()}), "Accès refusé");
}
#endif
