#include "lists/list_rows.h"

#include <algorithm>

#include "core/fields.h"

namespace tandarel {

int cappedHeight(int wanted, int screenHeight) { return std::min(wanted, screenHeight - 140); }

int schoolsGridHeight(int rows, int screenHeight) { return cappedHeight(18 * rows + 15, screenHeight); }

int substitutesGridHeight(int rows, int screenHeight) { return cappedHeight(24 * rows + 20, screenHeight); }

std::string nextActivity(std::string_view current) { return current == "Oui" ? "Non" : "Oui"; }

bool holdsAnyName(const std::vector<Substitute>& records) {
    return std::any_of(records.begin(), records.end(), [](const Substitute& r) { return !isBlank(r.Nom); });
}

}  // namespace tandarel
