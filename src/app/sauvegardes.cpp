#include "app/sauvegardes.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <exception>

#include "app/startup_backup.h"
#include "backup/restore.h"
#include "core/file_error.h"
#include "ui/file_errors.h"
#include "ui/messages.h"
#include "ui/qt_text.h"
#include "ui/screen.h"

namespace tandarel {
namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 380;
const QString kQuestionCaption = QStringLiteral("Restaurer une sauvegarde ?");

QString sizeText(std::uintmax_t bytes) {
    if (bytes < 1024 * 1024) return QStringLiteral("%1 Ko").arg(std::max<std::uintmax_t>(1, (bytes + 1023) / 1024));
    return QStringLiteral("%1 Mo").arg(QLocale(QLocale::French).toString(bytes / (1024.0 * 1024.0), 'f', 1));
}

// "1 fichier remplacé", "3 fichiers remplacés"
QString counted(int count, const char* noun, const char* participle) {
    const QString plural = count > 1 ? QStringLiteral("s") : QString();
    return QStringLiteral("%1 %2%3 %4%3").arg(count).arg(QString::fromUtf8(noun), plural, QString::fromUtf8(participle));
}

QString dateOf(const std::string& archiveName) {
    const auto stamp = parseArchiveName(archiveName);
    return stamp ? ui::toQ(archiveDateText(*stamp)) : ui::toQ(archiveName);
}

QString undoSentence(const BackupOutcome& before) {
    if (!before.holding) return {};
    return QStringLiteral("\r\nLes données d'avant la restauration sont dans la sauvegarde du %1.")
        .arg(dateOf(*before.holding));
}

}  // namespace

Sauvegardes::Sauvegardes(ui::AppContext& context, QWidget* parent) : ui::ModalWindow(context, parent) {
    heading_ = new QLabel(this);
    heading_->setGeometry(10, 10, kWidth - 20, 17);

    table_ = new QTableWidget(0, 3, this);
    table_->setGeometry(10, 32, kWidth - 20, kHeight - 32 - 45);
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Date de la sauvegarde"), QStringLiteral("Taille"), QStringLiteral("Fichiers de semaine")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setColumnWidth(0, 280);
    table_->setColumnWidth(1, 90);
    table_->horizontalHeader()->setStretchLastSection(true);

    restaurer_ = new QPushButton(QStringLiteral("Restaurer"), this);
    restaurer_->setGeometry(kWidth / 2 - 90, kHeight - 35, 80, 25);
    quitter_ = new QPushButton(QStringLiteral("Quitter"), this);
    quitter_->setGeometry(kWidth / 2 + 10, kHeight - 35, 80, 25);
    restaurer_->setAutoDefault(false);
    quitter_->setAutoDefault(false);

    connect(restaurer_, &QPushButton::clicked, this, &Sauvegardes::onRestaurer);
    connect(quitter_, &QPushButton::clicked, this, &QDialog::accept);
}

void Sauvegardes::FormActivate() {
    setWindowTitle(QStringLiteral("Tandarel - Sauvegardes     -     "));
    setGeometry(ui::centredLeft(kWidth), std::max(0, (ui::screenSize().height() - kHeight) / 2), kWidth, kHeight);
    fillTable();
}

void Sauvegardes::fillTable() {
    archives_.clear();
    ui::reportingFileErrors(context_.messages, [&] { archives_ = listArchives(context_.dataFolder); });
    table_->setRowCount(static_cast<int>(archives_.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const auto& archive = archives_[static_cast<std::size_t>(row)];
        const QString count = archive.weekFiles ? QString::number(*archive.weekFiles) : QStringLiteral("illisible");
        const QString cells[] = {ui::toQ(archiveDateText(archive.stamp)), sizeText(archive.bytes), count};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
    heading_->setText(archives_.empty()
                          ? QStringLiteral("Aucune sauvegarde pour l'instant : elles sont faites à chaque démarrage.")
                          : QStringLiteral("Sauvegardes des données, de la plus récente à la plus ancienne :"));
    restaurer_->setEnabled(!archives_.empty());
    if (!archives_.empty()) table_->selectRow(0);
}

void Sauvegardes::onRestaurer() {
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(archives_.size())) return;
    const auto chosen = archives_[static_cast<std::size_t>(row)];
    try {
        restore(chosen);
    } catch (const std::exception& failure) {
        context_.messages.error(QStringLiteral("La restauration s'est arrêtée sur une erreur inattendue : ") +
                                ui::toQ(failure.what()));
    }
    fillTable();
}

void Sauvegardes::restore(const ArchiveSummary& chosen) {
    const QString date = ui::toQ(archiveDateText(chosen.stamp));
    const QString question =
        QStringLiteral("Restaurer la sauvegarde du %1 ?\r\n\r\n"
                       "Les données actuelles seront d'abord sauvegardées, pour que la restauration puisse être "
                       "annulée.\r\nLes fichiers de la sauvegarde remplaceront ceux du dossier de données ; les "
                       "semaines qui n'y figurent pas seront conservées telles quelles.")
            .arg(date);
    if (!context_.messages.ask(kQuestionCaption, question)) return;

    std::vector<DataFile> files;
    try {
        files = readArchiveData(backupFolder(context_.dataFolder) / chosen.name);
    } catch (const FileError& failure) {
        context_.messages.error(ui::toQ(failure.what()) + QStringLiteral("\r\nRien n'a été restauré."));
        return;
    }

    BackupOutcome before;
    try {
        before = backUpData(context_.dataFolder, archiveStampNow(context_.clock));
    } catch (const FileError& failure) {
        context_.messages.error(
            QStringLiteral("Les données actuelles n'ont pas pu être sauvegardées : la restauration n'a pas été faite.\r\n") +
            ui::toQ(failure.what()));
        return;
    }

    RestoreOutcome outcome;
    try {
        outcome = restoreDataFiles(context_.dataFolder, files);
    } catch (const RestoreStopped& failure) {
        if (failure.done().written > 0) emit restored();
        context_.messages.error(ui::toQ(failure.what()) + QStringLiteral("\r\nLa restauration s'est arrêtée : ") +
                                counted(failure.done().written, "fichier", "restauré") + QStringLiteral(" avant.") +
                                undoSentence(before));
        return;
    }
    emit restored();
    context_.messages.inform(QStringLiteral("La sauvegarde du %1 est restaurée : %2, %3.").arg(
                                 date, counted(outcome.written, "fichier", "remplacé"),
                                 counted(outcome.unchanged, "fichier", "inchangé")) +
                             undoSentence(before));
}

}  // namespace tandarel
