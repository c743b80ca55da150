// Cell entry in the planning window: selection, schools, motifs, counts, and the
// column / day toggles.
#include <QComboBox>
#include <QPushButton>
#include <QTableView>

#include "planning/entry_rules.h"
#include "planning/frozen_grid.h"
#include "planning/option_group.h"
#include "planning/remplacements.h"
#include "planning/week_grid_model.h"
#include "ui/messages.h"
#include "ui/screen.h"
#include "ui/text_guard.h"

namespace tandarel {

void Remplacements::releaseSchoolList() {
    schools_->setCurrentIndex(-1);
    schools_->setEnabled(false);
}

void Remplacements::hideOptionGroups() {
    motifGroup_->hide();
    copyGroup_->hide();
    extendGroup_->hide();
}

void Remplacements::setEditing(bool on) {
    editing_ = on;
    syncEditor();
}

void Remplacements::syncEditor() {
    // A fresh editor on the selected cell, so it shows what the rules just wrote.
    grid_->hideEditor();
    if (editing_) grid_->showEditor(model_->index(selectedRow_, selectedColumn_));
}

void Remplacements::gridChanged() {
    model_->cellsChanged();
    syncEditor();
}

void Remplacements::onCellSelected(const QModelIndex& current) {
    if (restoring_ || !current.isValid()) return;
    copyGroup_->hide();
    extendGroup_->hide();
    saveWeek();  // a failure is shown; the grid stays in memory for the next save point

    selectedRow_ = current.row();
    selectedColumn_ = current.column();
    if (week_.readOnly()) return;  // looked at only: no rule may change the cell
    SelectionEffect effect;
    recorded([&] { effect = selectCell(week_.grid(), selectedRow_, selectedColumn_); });
    if (effect.gridChanged) model_->cellsChanged();

    if (effect.schoolList == SelectionEffect::SchoolList::FirstSchool && schools_->count() > 0) {
        schools_->setCurrentIndex(0);
        schools_->setEnabled(true);
    } else {
        releaseSchoolList();
    }
    if (effect.showMotifGroup) {
        const QSize screen = ui::screenSize();
        const Point at = motifGroupPosition({mouse_.x(), mouse_.y()}, motifGroup_->width(), motifGroup_->height(),
                                            screen.width(), screen.height());
        motifGroup_->move(at.x, at.y);
        motifGroup_->show();
        motifGroup_->raise();
    } else {
        motifGroup_->hide();
    }
    if (effect.editing) editing_ = *effect.editing;
    syncEditor();

    if (effect.enableExtend) button(Button::Etendre).setEnabled(true);
    button(Button::Copier).setEnabled(effect.copyEnabled);
    button(Button::ViderJournee).setEnabled(effect.clearDayEnabled);
    button(Button::ViderPlage).setEnabled(effect.clearPlageEnabled);
}

void Remplacements::onSchoolChosen(int index) {
    // Back to the grid: the arrow keys the planner presses next move the selection, and
    // must not go on changing the school in the cell.
    grid_->body().setFocus(Qt::OtherFocusReason);
    if (week_.readOnly() || index < 0 || index >= static_cast<int>(schoolNames_.size())) return;
    const auto& school = schoolNames_[static_cast<std::size_t>(index)];
    if (school.find(';') != std::string::npos) {
        context_.messages.inform(ui::kSemicolonRefused);
        return;
    }
    bool changed = false;
    recorded([&] { changed = chooseSchool(week_.grid(), selectedRow_, selectedColumn_, school); });
    if (changed) gridChanged();
}

void Remplacements::onMotifChosen(int option) {
    motifGroup_->hide();
    motifGroup_->clear();
    if (week_.readOnly()) return;
    const bool motif = option < static_cast<int>(kMotifLetters.size());
    editing_ = motif;
    recorded([&] {
        if (motif)
            chooseMotif(week_.grid(), selectedRow_, selectedColumn_, kMotifLetters[static_cast<std::size_t>(option)]);
        else
            markOutOfSchoolTime(week_.grid(), selectedRow_, selectedColumn_);
    });
    gridChanged();
}

void Remplacements::onKeyTyped(QChar key) {
    if (key == QLatin1Char(';')) {
        context_.messages.inform(ui::kSemicolonRefused);
        return;
    }
    if (week_.readOnly()) return;
    const int step = key == QLatin1Char('+') ? 1 : -1;
    bool changed = false;
    recorded([&] { changed = stepCount(week_.grid(), selectedRow_, selectedColumn_, step); });
    if (changed) gridChanged();
}

void Remplacements::onDoubleClicked() {
    if (week_.readOnly() || selectedRow_ != 1 || !isDayCell(week_.grid(), selectedRow_, selectedColumn_)) return;
    hideOptionGroups();
    const bool yes = context_.messages.ask(
        QStringLiteral("Attention !!!"),
        QStringLiteral("Les plages de la colonne dans laquelle vous venez de double-cliquer vont toutes passer à "
                       "Hors Temps Scolaire ou être vidées : confirmez-vous cette action ?"));
    if (!yes) return;
    editing_ = false;
    recorded([&] { toggleColumnOutOfSchoolTime(week_.grid(), selectedColumn_); });
    gridChanged();
}

void Remplacements::onContextMenu() {
    if (week_.readOnly() || !isBlockFirstRow(selectedRow_) || !isPlanningCell(week_.grid(), selectedRow_, selectedColumn_)) return;
    // A block the substitute table does not reach belongs to nobody known: left alone.
    const Substitute* substitute = week_.substituteOfRow(selectedRow_);
    if (!substitute || substitute->EnActivite == "Oui") return;
    hideOptionGroups();
    const bool yes = context_.messages.ask(
        QStringLiteral("Attention !!!"),
        QStringLiteral("Les plages de la journée de ce remplaçant vont passer à la valeur Indisponible ou être "
                       "vidées : confirmez-vous cette action ?"));
    if (!yes) return;
    editing_ = false;
    recorded([&] { toggleUnavailableDay(week_.grid(), selectedRow_, selectedColumn_); });
    gridChanged();
}

}  // namespace tandarel
