#include "app/startup_backup.h"

#include <exception>

#include "backup/backup.h"
#include "ui/clock.h"
#include "ui/messages.h"
#include "ui/qt_text.h"

namespace tandarel {

ArchiveStamp archiveStampNow(const ui::Clock& clock) {
    const QDateTime now = clock.now();
    return {ui::toDate(now.date()), now.time().hour(), now.time().minute(), 1};
}

void runStartupBackup(ui::AppContext& context) {
    const auto stamp = archiveStampNow(context.clock);
    const auto report = [&](const QString& what, const char* reason) {
        context.messages.error(what + QStringLiteral("\r\n") + ui::toQ(reason) +
                               QStringLiteral("\r\nLe programme continue ; vos données n'ont pas été modifiées."));
    };
    try {
        backUpData(context.dataFolder, stamp);
    } catch (const std::exception& failure) {
        report(QStringLiteral("La sauvegarde automatique des données n'a pas pu être faite."), failure.what());
        return;
    }
    try {
        removeOldArchives(context.dataFolder, stamp.date);
    } catch (const std::exception& failure) {
        report(QStringLiteral("Les anciennes sauvegardes n'ont pas pu être supprimées."), failure.what());
    }
}

}  // namespace tandarel
