#include "lists/rattachements.h"

#include "core/text_file.h"
#include "lists/list_grid.h"
#include "lists/list_order.h"
#include "ui/file_errors.h"
#include "ui/messages.h"

namespace tandarel {
namespace {

const QString kHeading = QStringLiteral("Rattachements");

ListWindow::Rows rowsOf(const std::vector<std::string>& schools) {
    ListWindow::Rows rows;
    for (const auto& school : schools) rows.push_back({school});
    return rows;
}

}  // namespace

Rattachements::Rattachements(ui::AppContext& context, QWidget* parent)
    : ListWindow(context, parent,
                 {QStringLiteral("Tandarel - Gestion des Rattachements     -     "),
                  QStringLiteral("Cliquez dans une cellule"), 1, 18, 200, schoolsGridHeight, std::nullopt}) {
    grid().setHeadings({kHeading});
}

ListWindow::Rows Rattachements::load() {
    const auto file = context_.file(kSchoolsFile);
    if (!entryExists(file)) return {Row(1)};
    return rowsOf(parseSchools(readTextLines(file)));
}

std::vector<std::string> Rattachements::schools() const {
    std::vector<std::string> out;
    for (auto& row : rows()) out.push_back(std::move(row.front()));
    return out;
}

bool Rattachements::writeList(const std::vector<std::string>& list) {
    return ui::reportingFileErrors(context_.messages,
                                   [&] { writeTextLines(context_.file(kSchoolsFile), formatSchools(list)); });
}

bool Rattachements::saveAsShown() { return writeList(schools()); }

void Rattachements::onQuitter() {
    grid().commitEditing();
    stopEditing();
    grid().setHeadings({kHeading});
    auto list = schools();
    if (list.size() > 1) {
        sortSchools(list);
        showRows(rowsOf(list));
    }
    if (list.empty()) {
        context_.messages.inform(QStringLiteral("Aucune école saisie, je n'enregistre pas !"));
    } else {
        if (!writeList(list)) {
            resumeEditing();
            return;
        }
        listSaved();
        context_.messages.inform(QStringLiteral("Tri et enregistrement effectués !"));
    }
    grid().hide();
    accept();
}

}  // namespace tandarel
