#include "app/folder_lock.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#include "core/atomic_file.h"
#include "ui/messages.h"

#ifdef Q_OS_WIN
extern Q_CORE_EXPORT int qt_ntfs_permission_lookup;
#endif

namespace tandarel {
namespace {

// The account that made the lock file, where the file system tells (empty otherwise).
QString lockOwner(const QString& lockFile) {
#ifdef Q_OS_WIN
    // NTFS owners are looked up only on request.
    ++qt_ntfs_permission_lookup;
    const QString owner = QFileInfo(lockFile).owner();
    --qt_ntfs_permission_lookup;
    return owner;
#else
    return QFileInfo(lockFile).owner();
#endif
}

QString heldMessage(const QString& folder, const QString& user, const QString& host) {
    const bool elsewhere = !host.isEmpty() && host != QSysInfo::machineHostName();
    QString text = QStringLiteral("Tandarel est déjà ouvert sur ce dossier de données (") + folder + QStringLiteral(")");
    if (!user.isEmpty()) text += QStringLiteral(" par ") + user;
    if (elsewhere)
        text += QStringLiteral(" sur l'ordinateur «\u00A0") + host + QStringLiteral("\u00A0»");
    else if (!host.isEmpty())
        text += QStringLiteral(" sur cet ordinateur");
    text += QStringLiteral(
        ".\r\n\r\nDeux copies ouvertes sur les mêmes fichiers effaceraient chacune le travail de l'autre : "
        "cette copie s'arrête donc sans rien modifier. Fermez l'autre copie, puis relancez Tandarel.");
    // A copy that crashed on another computer cannot be told from a running one.
    if (elsewhere)
        text += QStringLiteral("\r\n\r\nSi Tandarel n'est plus ouvert sur «\u00A0") + host +
                QStringLiteral("\u00A0» (ordinateur arrêté brutalement), supprimez le fichier ") +
                QString::fromLatin1(kFolderLockFile) + QStringLiteral(" de ce dossier, puis relancez Tandarel.");
    return text;
}

}  // namespace

DataFolderLock::DataFolderLock(const std::filesystem::path& dataFolder)
    : lock_(QFileInfo(dataFolder / kFolderLockFile).absoluteFilePath()) {
    // Held for the program's whole life: never stale by age, only when its process is gone.
    lock_.setStaleLockTime(0);
    if (lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError) return;
    qint64 pid = 0;
    QString host, application;
    lock_.getLockInfo(&pid, &host, &application);
    refusal_ = heldMessage(QDir::toNativeSeparators(QFileInfo(dataFolder).absoluteFilePath()),
                           lockOwner(lock_.fileName()), host);
}

std::unique_ptr<DataFolderLock> takeDataFolder(const std::filesystem::path& dataFolder, ui::Messages& messages) {
    auto lock = std::make_unique<DataFolderLock>(dataFolder);
    if (const auto& refusal = lock->refusal()) {
        messages.inform(*refusal);
        return nullptr;
    }
    removeLeftoverTemporaries(dataFolder);
    return lock;
}

}  // namespace tandarel
