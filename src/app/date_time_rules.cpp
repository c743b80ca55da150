#include "app/date_time_rules.h"

#include <array>
#include <utility>

#include "core/calendar.h"
#include "core/fields.h"

namespace tandarel {

std::optional<int> parseWholeNumber(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto value = parseDigits(text);
    if (!value) return std::nullopt;
    return negative ? -*value : *value;
}

ClockEntryCheck checkClockEntry(const ClockEntry& entry) {
    ClockEntryCheck check;
    const std::array<std::pair<const char*, const std::string*>, 6> fields = {{{"Jour", &entry.day},
                                                                               {"Mois", &entry.month},
                                                                               {"Année", &entry.year},
                                                                               {"Heures", &entry.hours},
                                                                               {"Minutes", &entry.minutes},
                                                                               {"Secondes", &entry.seconds}}};
    std::array<int, 6> values{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto value = parseWholeNumber(*fields[i].second);
        if (!value) {
            check.notWholeNumber = std::string("Le champ « ") + fields[i].first +
                                   " » doit contenir un nombre entier... Date et heure système inchangées !";
            return check;
        }
        values[i] = *value;
    }
    auto& v = check.value;
    v = {values[2], values[1], values[0], values[3], values[4], values[5], entry.milliseconds};
    check.dateValid = v.year >= 1000 && v.year <= 9999 && isValidDate(v.year, v.month, v.day);
    check.timeValid = v.hour >= 0 && v.hour <= 23 && v.minute >= 0 && v.minute <= 59 && v.second >= 0 &&
                      v.second <= 59 && v.millisecond >= 0 && v.millisecond <= 999;
    return check;
}

}  // namespace tandarel
