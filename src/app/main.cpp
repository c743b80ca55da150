#include <filesystem>

#include "app/accueil.h"
#include "app/folder_lock.h"
#include "ui/clock.h"
#include "ui/clock_setter.h"
#include "ui/application_setup.h"
#include "ui/guarded_application.h"
#include "ui/messages.h"

int main(int argc, char* argv[]) {
    tandarel::ui::GuardedApplication app(argc, argv);
    tandarel::ui::setUpApplication(app);

    tandarel::ui::DialogMessages messages;
    tandarel::ui::GuardedApplication::setReporter(&messages);
    tandarel::ui::SystemClock clock;
    const auto clockSetter = tandarel::ui::makeSystemClockSetter();
    // The data folder is the directory the program is started in.
    tandarel::ui::AppContext context{std::filesystem::current_path(), messages, clock, *clockSetter, {}};
    // One program per data folder, before anything is read or written there.
    const auto folderLock = tandarel::takeDataFolder(context.dataFolder, messages);
    if (!folderLock) return 1;

    tandarel::Accueil accueil(context);
    accueil.show();
    return app.exec();
}
