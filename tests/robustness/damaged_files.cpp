#include "damaged_files.h"

#include <filesystem>

#include "core/cp1252.h"
#include "core/reference_files.h"
#include "core/text_file.h"
#include "core/week_grid.h"

namespace tandarel::testing {
namespace {

const std::string kCrLf = "\r\n";

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::vector<std::string> rawLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (const auto line : splitLines(bytes)) lines.emplace_back(line);
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + kCrLf;
    return bytes;
}

// Every line after the first keeps its first two fields only.
std::string fewerFields(const std::string& sound) {
    auto lines = rawLines(sound);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::size_t cut = 0;
        for (int field = 0; field < 2 && cut != std::string::npos; ++field) cut = lines[i].find(';', cut ? cut + 1 : 0);
        if (cut != std::string::npos) lines[i].resize(cut + 1);
    }
    return joined(lines);
}

std::string firstLines(const std::string& sound, std::size_t count) {
    auto lines = rawLines(sound);
    if (lines.size() > count) lines.resize(count);
    return joined(lines);
}

// "X¤<digits>" becomes a count that is not a number of 0 to 999.
std::string countsNotNumbers(const std::string& sound) {
    static const std::vector<std::string> junk = {"douze", "-1", "99999", "", "1 2", "0x1F"};
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        out += sound[i];
        if (sound[i] != '\xA4' || i + 1 >= sound.size() || sound[i + 1] < '0' || sound[i + 1] > '9') continue;
        while (i + 1 < sound.size() && sound[i + 1] >= '0' && sound[i + 1] <= '9') ++i;
        out += junk[next++ % junk.size()];
    }
    return out;
}

// A 10 MB run of text without ";" at the start of the second line (of the only one).
std::string tenMegabyteLine(const std::string& sound) {
    auto lines = rawLines(sound);
    if (lines.empty()) lines.emplace_back();
    auto& line = lines[lines.size() > 1 ? 1 : 0];
    line.insert(0, std::string(10 * 1024 * 1024, 'x'));
    return joined(lines);
}

// A first line of 10 MB made of five million fields.
std::string tenMegabytesOfFields(const std::string& sound) {
    auto lines = rawLines(sound);
    std::string fields;
    fields.reserve(10 * 1024 * 1024);
    while (fields.size() < 10 * 1024 * 1024) fields += "x;";
    if (lines.empty()) lines.emplace_back();
    lines[0] += fields;
    return joined(lines);
}

std::string binaryJunk(const std::string&) {
    std::string junk;
    unsigned state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        junk += static_cast<char>((state >> 16) & 0xFF);
    }
    return junk;
}

std::vector<Damage> buildDamages() {
    return {
        {"Empty", [](const std::string&) { return std::string(); }},
        {"TitleLineOnly", [](const std::string& s) { return firstLines(s, 1); }},
        {"NoSemicolons", [](const std::string& s) { return replaceAll(s, ";", ""); }},
        {"LfOnly", [](const std::string& s) { return replaceAll(s, "\r\n", "\n"); }, false, true},
        {"NoLastLineEnd", [](const std::string& s) { return s.substr(0, s.size() - 2); }, false, true},
        {"CrOnly", [](const std::string& s) { return replaceAll(s, "\r\n", "\r"); }},
        {"Utf8Bytes", [](const std::string& s) { return decodeCp1252(s); }},
        {"BinaryJunk", binaryJunk},
        {"TenMegabyteLine", tenMegabyteLine},
        {"TenMegabytesOfFields", tenMegabytesOfFields},
        {"FewerFieldsThanHeader", fewerFields},
        {"FewerLinesThanABlock", [](const std::string& s) { return firstLines(s, 3); }},
        {"CountsNotNumbers", countsNotNumbers},
        {"DirectoryInstead", {}, true},
    };
}

const WorkingWeekSlots kSlots{"LUM", "LUAM", "MAM", "MAAM", "MEM", "", "JEM", "JEAM", "VEM", "VEAM", "", ""};

}  // namespace

const std::vector<Damage>& damages() {
    static const auto table = buildDamages();
    return table;
}

std::string soundSubstitutes() {
    return cp1252Lines({std::string(kSubstitutesTitle), "ALBERT Jean;Nontron;Elémentaire Pradoux;05 01;Oui;",
                        "BERNARD Léa;Nontron;Ecole B;05 02;Non;", "CARON Paul;Vernelle;Ecole C;05 03;Oui;"});
}

std::string soundSchools() {
    return cp1252Lines({std::string(kSchoolsTitle), "Vernelle - Elém Les Tilleuls", "St Aubrin - Mat J. Perlinot",
                        "Nontron - Elém Pradoux"});
}

std::string soundWorkingWeek() { return cp1252Lines({"LUM;LUAM;MAM;MAAM;MEM;;JEM;JEAM;VEM;VEAM;;;"}); }

std::string soundWeekOf(int year, int month, int day) {
    auto grid = buildNewWeek(parseSubstitutes(linesOf(soundSubstitutes())), kSlots, Date{year, month, day});
    const int first = kFirstDayColumn;
    grid.setCell(1, first, "Vernelle - Elém Les Tilleuls");
    grid.setCell(2, first, "M¤DURAND");
    grid.setCell(3, first + 1, "St Aubrin - Mat J. Perlinot");
    grid.setCell(4, first + 1, "E¤MARTIN");
    grid.setCell(10, first + 2, "C¤");
    const int section = grid.firstNonReplacementRow();
    grid.setCell(section, first, "M¤2");
    grid.setCell(section + 1, first + 3, "E¤1");
    grid.setCell(section + 3, first + 4, "A¤12");
    return cp1252Lines(formatWeekLines(grid));
}

std::string soundWeek() { return soundWeekOf(2005, 4, 25); }

void plant(const DataFolder& folder, std::string_view relative, const Damage& damage, const std::string& sound) {
    if (!damage.directory) {
        folder.writeBytes(relative, damage.bytes(sound));
        return;
    }
    // Not empty, so that no removal of it can pass unnoticed.
    folder.writeBytes(std::string(relative) + "/lisez-moi.txt", "notes\r\n");
}

std::string contentOf(const DataFolder& folder, std::string_view relative) {
    if (std::filesystem::is_directory(folder / relative)) {
        std::string listing = "<dossier";
        for (const auto& name : folder.entries(relative)) listing += " " + name;
        return listing + ">";
    }
    if (!folder.exists(relative)) return "<absent>";
    return folder.readBytes(relative);
}

std::vector<std::string> linesOf(std::string_view bytes) {
    std::vector<std::string> lines;
    for (const auto line : splitLines(bytes)) lines.push_back(decodeCp1252(line));
    return lines;
}

}  // namespace tandarel::testing
