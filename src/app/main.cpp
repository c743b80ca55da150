#include <filesystem>
#include <iostream>

#include "app/accueil.h"
#include "app/command_line.h"
#include "app/documents_folder.h"
#include "app/folder_lock.h"
#include "app/startup_backup.h"
#include "core/build_version.h"
#include "ui/clock.h"
#include "ui/clock_setter.h"
#include "ui/application_setup.h"
#include "ui/guarded_application.h"
#include "ui/messages.h"

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that they need no display.
    const auto request = tandarel::startRequest({argv + 1, argv + argc});
    if (request == tandarel::StartRequest::Version) {
        std::cout << tandarel::kVersionLine << '\n';
        return 0;
    }
    if (request == tandarel::StartRequest::Help) {
        std::cout << tandarel::programHelp();
        return 0;
    }

    tandarel::ui::GuardedApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(TANDAREL_APP_ID));
    tandarel::ui::setUpApplication(app);

    tandarel::ui::DialogMessages messages;
    tandarel::ui::GuardedApplication::setReporter(&messages);
    if (request == tandarel::StartRequest::InDocumentsFolder && !tandarel::enterDocumentsDataFolder(messages)) return 1;
    tandarel::ui::SystemClock clock;
    const auto clockSetter = tandarel::ui::makeSystemClockSetter();
    // The data folder is the current directory: where the program is started, or the one just entered.
    tandarel::ui::AppContext context{std::filesystem::current_path(), messages, clock, *clockSetter, {}};
    // One program per data folder, before anything is read or written there.
    const auto folderLock = tandarel::takeDataFolder(context.dataFolder, messages);
    if (!folderLock) return 1;

    tandarel::runStartupBackup(context);
    tandarel::Accueil accueil(context);
    accueil.show();
    return app.exec();
}
