#include "lists/personnels.h"

#include "core/atomic_file.h"
#include "core/text_file.h"
#include "lists/list_grid.h"
#include "lists/list_order.h"
#include "lists/transfer_steps.h"
#include "ui/file_errors.h"
#include "ui/messages.h"

namespace tandarel {
namespace {

constexpr int kFieldCount = 5;

std::string Substitute::*const kFields[kFieldCount] = {&Substitute::Nom, &Substitute::Commune,
                                                       &Substitute::Etablissement, &Substitute::Telephone,
                                                       &Substitute::EnActivite};

ListWindow::Rows rowsOf(const std::vector<Substitute>& records) {
    ListWindow::Rows rows;
    for (const auto& record : records) {
        auto& row = rows.emplace_back();
        for (const auto field : kFields) row.push_back(record.*field);
    }
    return rows;
}

}  // namespace

Personnels::Personnels(ui::AppContext& context, QWidget* parent)
    : ListWindow(context, parent,
                 {QStringLiteral("Tandarel - Gestion des Remplaçants     -     "),
                  QStringLiteral("Cliquez dans une cellule "), kFieldCount, 24, 100, substitutesGridHeight,
                  ListEditSession::Toggle{kActivityColumn, nextActivity}}),
      transfer_(new TransferSteps(context, *this)) {
    setTitles(false);
    connect(transfer_, &TransferSteps::finished, this, &QDialog::accept);
}

void Personnels::setTitles(bool fileMissing) {
    grid().setHeadings({QStringLiteral("Nom"), QStringLiteral("Commune"),
                        fileMissing ? QStringLiteral("Etablissement") : QStringLiteral("Etablissement de rattachement"),
                        QStringLiteral("Téléphone"), QStringLiteral("En activité")});
}

void Personnels::FormActivate() {
    transfer_->reset();
    ListWindow::FormActivate();
}

ListWindow::Rows Personnels::load() {
    const auto file = context_.file(kSubstitutesFile);
    const bool missing = !entryExists(file);
    setTitles(missing);
    if (missing) return {Row(kFieldCount)};
    // The list as it stands now: what the timetable transfer compares the edited list with.
    replaceFileAtomically(context_.file(kOldSubstitutesFile), readFileBytes(file));
    return rowsOf(parseSubstitutes(readTextLines(file)));
}

std::vector<Substitute> Personnels::records() const {
    std::vector<Substitute> out;
    for (const auto& row : rows()) {
        auto& record = out.emplace_back();
        for (int field = 0; field < kFieldCount; ++field) record.*kFields[field] = row[static_cast<std::size_t>(field)];
    }
    return out;
}

bool Personnels::writeRecords(std::string_view fileName, const std::vector<Substitute>& list) {
    return ui::reportingFileErrors(context_.messages,
                                   [&] { writeTextLines(context_.file(fileName), formatSubstitutes(list)); });
}

bool Personnels::saveAsShown() { return writeRecords(kSubstitutesFile, records()); }

void Personnels::onQuitter() {
    grid().commitEditing();
    auto list = records();
    if (!holdsAnyName(list)) {
        // No one to hand a timetable to: nothing is saved, no week is rewritten.
        context_.messages.inform(QStringLiteral("Aucun personnel saisi, je n'enregistre pas !"));
        stopEditing();
        grid().hide();
        transfer_->finish();
        return;
    }
    if (!writeRecords(kEditedSubstitutesFile, list)) return;
    stopEditing();
    if (list.size() >= 2) {
        sortSubstitutes(list);
        showRows(rowsOf(list));
    }
    setTitles(false);
    if (!writeRecords(kSubstitutesFile, list)) {
        resumeEditing();
        return;
    }
    listSaved();
    context_.messages.inform(QStringLiteral("Tri (par communes, puis par noms) et enregistrement effectués !"));
    grid().hide();
    transfer_->start();
}

}  // namespace tandarel
