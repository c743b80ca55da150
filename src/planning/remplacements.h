#pragma once

#include <QPoint>
#include <array>
#include <functional>
#include <string_view>

#include "planning/cell_changes.h"
#include "planning/copy_rules.h"
#include "planning/planning_week.h"
#include "planning/week_history.h"
#include "ui/modal_window.h"

class QCalendarWidget;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace tandarel {

class FrozenGrid;
class OptionGroup;
class WeekGridModel;

// The planning window: one week, one block of eight rows per substitute, one column
// per working day. Every rule it applies lives in the planning rules; the window wires
// the controls to them and writes the week at each save point.
class Remplacements : public ui::ModalWindow {
    Q_OBJECT
public:
    Remplacements(ui::AppContext& context, QWidget* parent);
    ~Remplacements() override;

    enum class Button { Calendrier, Previous, Next, Etendre, Copier, ViderJournee, ViderPlage, Imprimer, Quitter };
    QPushButton& button(Button which) { return *buttons_[static_cast<std::size_t>(which)]; }

    const PlanningWeek& week() const { return week_; }
    WeekGridModel& model() { return *model_; }
    FrozenGrid& grid() { return *grid_; }
    QLineEdit& titleField() { return *title_; }
    QComboBox& schoolList() { return *schools_; }
    QCalendarWidget& calendar() { return *calendar_; }
    QGroupBox& timeGroup() { return *timeGroup_; }
    OptionGroup& motifGroup() { return *motifGroup_; }
    OptionGroup& copyGroup() { return *copyGroup_; }
    OptionGroup& extendGroup() { return *extendGroup_; }
    bool editing() const { return editing_; }

    QLabel& readOnlyNotice() { return *readOnlyNotice_; }
    // The undo history of the week on screen.
    QUndoStack& history() { return history_.of(week_.monday()); }

    // Shows the print dialog for the printer and the week's page count; false when the
    // planner cancels it. The pages printed are those the printer's range names.
    using PrintRunner = std::function<bool(QPrinter&, int pageCount)>;
    void setPrintRunner(PrintRunner runner) { runPrintDialog_ = std::move(runner); }

protected:
    void FormActivate() override;
    void reject() override;  // the close box leaves like "Quitter"
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void closeLater();

    // Week and file.
    bool saveWeek();
    bool savedOrLeftUnsaved(const QString& question);
    bool openWeek(const Date& date);
    void showReadOnlyState();
    void restoreSelection();

    // Navigation.
    void onCalendrier();
    void onCalendarClicked();
    void onCalendarActivated();
    void onStep(int days);
    void onQuitter();

    // Undo: every change of the week's cells goes through these.
    template <typename Change>
    void recorded(Change&& change) {
        const WeekGrid before = week_.grid();
        change();
        record(changedCells(before, week_.grid()));
    }
    void record(CellChanges changes, bool typing = false);
    void applyRecorded(const CellChanges& changes, Direction direction);
    void undoOrRedo(Direction direction);

    // Entry (remplacements_entry.cpp).
    void onCellSelected(const QModelIndex& current);
    void onSchoolChosen(int index);
    void onMotifChosen(int option);
    void onKeyTyped(QChar key);
    void onDoubleClicked();
    void onContextMenu();
    void setEditing(bool on);
    void syncEditor();
    void gridChanged();
    void releaseSchoolList();
    void hideOptionGroups();

    // Commands (remplacements_commands.cpp).
    void onEtendre();
    void onExtendChosen(int option);
    void extendHalfDay();
    void onCopier();
    void onCopyChosen(int option);
    void onViderJournee();
    void onViderPlage();
    void finishClear(ClearResult result, std::string_view refusal);
    void onImprimer();

    PlanningWeek week_;
    WeekHistory history_;
    std::vector<std::string> schoolNames_;
    bool loaded_ = false;
    int selectedRow_ = 0;
    int selectedColumn_ = 0;
    QPoint mouse_{200, 200};
    bool editing_ = false;
    bool restoring_ = false;
    QString lastSaveFailure_;  // said once, not again at every click while it lasts
    PrintRunner runPrintDialog_;

    WeekGridModel* model_ = nullptr;
    FrozenGrid* grid_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLineEdit* schoolCaption_ = nullptr;
    QLabel* readOnlyNotice_ = nullptr;
    QComboBox* schools_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
    QGroupBox* timeGroup_ = nullptr;
    QGroupBox* copyModes_ = nullptr;
    QGroupBox* clearModes_ = nullptr;
    OptionGroup* motifGroup_ = nullptr;
    OptionGroup* copyGroup_ = nullptr;
    OptionGroup* extendGroup_ = nullptr;
    std::array<QPushButton*, 9> buttons_{};
};

}  // namespace tandarel
