#include "lists/list_order.h"

#include <utility>

#include "core/cp1252.h"

namespace tandarel {
namespace {

unsigned char foldedSchoolByte(unsigned char byte) {
    if (byte >= 'a' && byte <= 'z') return static_cast<unsigned char>(byte - 'a' + 'A');
    switch (byte) {
        case 0xE0:  // à
        case 0xE2:  // â
            return 'A';
        case 0xE8:  // è
        case 0xE9:  // é
        case 0xEA:  // ê
        case 0xEB:  // ë
            return 'E';
        case 0xEE:  // î
        case 0xEF:  // ï
            return 'I';
        case 0xD4:  // Ô
            return 'O';
        case 0xFB:  // û
        case 0xFC:  // ü
            return 'U';
        case 0xFF:  // ÿ
            return 'Y';
        case 0xE7:  // ç
            return 'C';
        default:
            return byte;
    }
}

// std::string compares its bytes as unsigned char, which is the order wanted here.
template <typename Item>
void exchangeSort(std::vector<Item>& items, std::vector<std::string>& keys) {
    const std::size_t n = items.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (keys[i] > keys[j]) {
                std::swap(keys[i], keys[j]);
                std::swap(items[i], items[j]);
            }
}

}  // namespace

std::string cp1252Bytes(std::string_view utf8) {
    if (auto bytes = encodeCp1252(utf8)) return std::move(*bytes);
    // Only a text that could never be stored gets here; its own bytes still give an order.
    return std::string(utf8);
}

std::string schoolSortKey(std::string_view name) {
    std::string key = cp1252Bytes(name);
    for (char& c : key) c = static_cast<char>(foldedSchoolByte(static_cast<unsigned char>(c)));
    return key;
}

void sortSchools(std::vector<std::string>& schools) {
    std::vector<std::string> keys;
    keys.reserve(schools.size());
    for (const auto& name : schools) keys.push_back(schoolSortKey(name));
    exchangeSort(schools, keys);
}

void sortSubstitutes(std::vector<Substitute>& records) {
    std::vector<std::string> keys;
    keys.reserve(records.size());
    for (const auto& r : records) keys.push_back(cp1252Bytes(r.Commune));
    exchangeSort(records, keys);

    std::size_t runStart = 0;
    while (runStart < records.size()) {
        std::size_t runEnd = runStart + 1;
        while (runEnd < records.size() && keys[runEnd] == keys[runStart]) ++runEnd;
        if (runEnd - runStart > 1) {
            std::vector<Substitute> run(records.begin() + static_cast<std::ptrdiff_t>(runStart),
                                        records.begin() + static_cast<std::ptrdiff_t>(runEnd));
            std::vector<std::string> names;
            names.reserve(run.size());
            for (const auto& r : run) names.push_back(cp1252Bytes(r.Nom));
            exchangeSort(run, names);
            std::move(run.begin(), run.end(), records.begin() + static_cast<std::ptrdiff_t>(runStart));
        }
        runStart = runEnd;
    }
}

}  // namespace tandarel
