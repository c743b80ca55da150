#pragma once

#include <filesystem>

#include "core/reference_files.h"

namespace tandarel::ui {

class Messages;
class Clock;
class ClockSetter;

// What every window shares: the data folder, the message boxes, the clock, and the
// one datum held in memory, the main window's working-week slot list.
struct AppContext {
    std::filesystem::path dataFolder;
    Messages& messages;
    Clock& clock;
    ClockSetter& clockSetter;
    // Filled at start-up from semaine.pln, refilled by the week definition, read by the planning grid.
    WorkingWeekSlots workingWeek;

    std::filesystem::path file(std::string_view name) const { return dataFolder / name; }
};

}  // namespace tandarel::ui
