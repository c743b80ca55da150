// The copy, extend, clear and print commands of the planning window.
#include <QPrinter>
#include <QPushButton>

#include "planning/copy_rules.h"
#include "planning/option_group.h"
#include "planning/print_painter.h"
#include "planning/remplacements.h"
#include "planning/week_grid_model.h"
#include "ui/messages.h"
#include "ui/qt_text.h"

namespace tandarel {

void Remplacements::onEtendre() {
    releaseSchoolList();
    motifGroup_->hide();
    copyGroup_->hide();
    if (extendOffersChoice(week_.grid(), selectedRow_)) {
        extendGroup_->show();
        extendGroup_->raise();
    } else {
        extendHalfDay();
    }
}

void Remplacements::onExtendChosen(int option) {
    extendGroup_->clear();
    if (option == 0) {
        extendGroup_->hide();
        bool changed = false;
        recorded([&] { changed = extendToDay(week_.grid(), selectedRow_, selectedColumn_); });
        if (changed) {
            gridChanged();
            saveWeek();
        }
    } else {
        extendHalfDay();
    }
}

void Remplacements::extendHalfDay() {
    extendGroup_->hide();
    bool changed = false;
    recorded([&] { changed = extendToHalfDay(week_.grid(), selectedRow_, selectedColumn_); });
    if (changed) gridChanged();
}

void Remplacements::onCopier() {
    releaseSchoolList();
    motifGroup_->hide();
    extendGroup_->hide();
    copyGroup_->show();
    copyGroup_->raise();
}

void Remplacements::onCopyChosen(int option) {
    copyGroup_->hide();
    copyGroup_->clear();
    static constexpr CopySpan kSpans[] = {CopySpan::Day, CopySpan::HalfDay, CopySpan::Plage};
    CopyToRight copy(week_.grid(), selectedRow_, selectedColumn_, kSpans[option]);
    if (copy.texts().empty()) return;
    for (;;) {
        if (copy.needsNextWeek(week_.grid())) {
            if (!saveWeek() || !openWeek(addDays(week_.monday(), 7))) return;
            if (week_.readOnly()) return;  // its file is not a week to write into: said on opening
            copy.startNextWeek();
        }
        bool copied = false;
        recorded([&] { copied = copy.copyNext(week_.grid()); });
        if (!copied) {
            context_.messages.inform(ui::toQ(copyStopReason(week_.grid())));
            return;
        }
        gridChanged();
        if (!saveWeek()) return;
        if (!context_.messages.ask(QStringLiteral("Autre copie ?"), QStringLiteral("Encore une copie vers la droite ?")))
            return;
    }
}

void Remplacements::onViderJournee() {
    releaseSchoolList();
    hideOptionGroups();
    ClearResult result = ClearResult::Nothing;
    recorded([&] { result = clearDay(week_.grid(), selectedRow_, selectedColumn_); });
    finishClear(result, kClearDayRefused);
}

void Remplacements::onViderPlage() {
    releaseSchoolList();
    hideOptionGroups();
    ClearResult result = ClearResult::Nothing;
    recorded([&] { result = clearPlage(week_.grid(), selectedRow_, selectedColumn_); });
    finishClear(result, kClearPlageRefused);
}

void Remplacements::finishClear(ClearResult result, std::string_view refusal) {
    if (result == ClearResult::Refused) context_.messages.inform(ui::toQ(refusal));
    if (result != ClearResult::Cleared) return;
    gridChanged();
    saveWeek();
}

void Remplacements::onImprimer() {
    releaseSchoolList();
    hideOptionGroups();
    const auto pages = layoutPrint(week_.grid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!runPrintDialog_(printer, static_cast<int>(pages.size()))) return;
    const bool range = printer.printRange() == QPrinter::PageRange || printer.fromPage() > 0;
    const auto chosen = range ? pagesInRange(pages, printer.fromPage(), printer.toPage()) : pages;
    // The layout counts in the device units of a 600 dpi page, where 48 rows of 90
    // units fit under the header on a landscape sheet.
    printer.setResolution(600);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!paintPrintPages(printer, chosen))
        context_.messages.error(QStringLiteral("L'impression n'a pas pu commencer : l'imprimante est indisponible."));
}

}  // namespace tandarel
