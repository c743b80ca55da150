#pragma once

#include "backup/archive_rules.h"
#include "ui/app_context.h"

namespace tandarel {

namespace ui {
class Clock;
}

// The clock's minute, as an archive is named.
ArchiveStamp archiveStampNow(const ui::Clock& clock);

// The archive of the data folder made at each start, before anything is written, and the
// old archives removed. A failure is said once, in French, and the program goes on.
void runStartupBackup(ui::AppContext& context);

}  // namespace tandarel
