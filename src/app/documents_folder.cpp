#include "app/documents_folder.h"

#include <QStandardPaths>
#include <system_error>

#include "app/command_line.h"
#include "core/file_error.h"
#include "ui/messages.h"
#include "ui/qt_text.h"

namespace tandarel {

std::optional<std::filesystem::path> enterDocumentsDataFolder(ui::Messages& messages) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) {
        messages.error(QStringLiteral("Le dossier Documents de l'utilisateur est introuvable : "
                                      "lancez Tandarel depuis son dossier des données."));
        return std::nullopt;
    }
    // UTF-16 to the native path encoding, whatever the locale's code page.
    const auto folder = std::filesystem::path(documents.toStdU16String()) / kDocumentsDataFolder;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!ec) std::filesystem::current_path(folder, ec);
    if (ec) {
        messages.error(QStringLiteral("Impossible d'utiliser le dossier des données « %1 » : %2")
                           .arg(QString::fromStdU16String(folder.u16string()), ui::toQ(systemReason(ec))));
        return std::nullopt;
    }
    return folder;
}

}  // namespace tandarel
