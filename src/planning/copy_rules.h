#pragma once

#include <string>
#include <vector>

#include "core/week_grid.h"

namespace tandarel {

// Row r, column c: the selected cell. A plage is a school row and the name row under
// it, a half-day two plages, a day the eight rows of a block.

// "Etendre la saisie" shows the day / half-day choice on an "M 1" row; elsewhere it
// extends the half-day at once.
bool extendOffersChoice(const WeekGrid& grid, int row);
// "Journée" from an "M 1" row: its plage goes to the three other plages of the day,
// except onto "HTS" / "Indisponible". An empty or protected plage extends nothing.
bool extendToDay(WeekGrid& grid, int row, int column);
// "Demi-journée": the plage of the selected row goes to the other plage of its half-day.
bool extendToHalfDay(WeekGrid& grid, int row, int column);

enum class CopySpan { Day, HalfDay, Plage };

// "Copier vers la droite": the source rows and texts, read once from the selected column;
// each step copies them one column further right, except onto "HTS" / "Indisponible"
// and except "HTS" itself.
class CopyToRight {
public:
    CopyToRight(const WeekGrid& grid, int row, int column, CopySpan span);

    // The next target column is past this week's last day: the copy goes on in the
    // first day column of the following week.
    bool needsNextWeek(const WeekGrid& grid) const { return column_ + 1 >= grid.columnCount(); }
    void startNextWeek() { column_ = kFirstDayColumn - 1; }
    // Whether the rows and the next column exist in this grid's blocks: a following week
    // built with fewer substitutes cannot take them.
    bool fits(const WeekGrid& grid) const;
    // Copies into the next column; false (nothing written) when it does not fit.
    bool copyNext(WeekGrid& grid);

    int column() const { return column_; }
    int firstRow() const { return firstRow_; }
    const std::vector<std::string>& texts() const { return texts_; }

private:
    int firstRow_ = 0;
    int column_ = 0;
    std::vector<std::string> texts_;
};

inline const std::string kCopyStopsShortWeek =
    "La semaine suivante compte moins de remplaçants que celle-ci : la copie s'arrête là. "
    "Ce qui a déjà été copié est enregistré.";
inline const std::string kCopyStopsNoDay =
    "La semaine suivante n'a aucune journée ouvrée : la copie s'arrête là. "
    "Ce qui a déjà été copié est enregistré.";
// Why a copy cannot go on into `grid` (one of the two messages above).
std::string copyStopReason(const WeekGrid& grid);

enum class ClearResult { Cleared, Refused, Nothing };
// "Vider la journée" from an "M 1" row: the eight rows of the day, except "HTS" /
// "Indisponible" cells; refused when the selected cell is one of those.
ClearResult clearDay(WeekGrid& grid, int row, int column);
// "Vider la plage": the cell and its partner; refused on "HTS" / "Indisponible".
ClearResult clearPlage(WeekGrid& grid, int row, int column);

inline const std::string kClearDayRefused =
    "Je ne vide pas les journées marquées Hors Temps Scolaire ou Indisponible...";
inline const std::string kClearPlageRefused =
    "Je n'efface pas les plages marquées Hors Temps Scolaire ou Indisponible...";

}  // namespace tandarel
