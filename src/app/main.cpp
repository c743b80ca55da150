#include <QApplication>
#include <filesystem>

#include "app/accueil.h"
#include "app/startup_backup.h"
#include "ui/clock.h"
#include "ui/clock_setter.h"
#include "ui/application_setup.h"
#include "ui/messages.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tandarel::ui::setUpApplication(app);

    tandarel::ui::DialogMessages messages;
    tandarel::ui::SystemClock clock;
    const auto clockSetter = tandarel::ui::makeSystemClockSetter();
    // The data folder is the directory the program is started in.
    tandarel::ui::AppContext context{std::filesystem::current_path(), messages, clock, *clockSetter, {}};

    tandarel::runStartupBackup(context);
    tandarel::Accueil accueil(context);
    accueil.show();
    return app.exec();
}
