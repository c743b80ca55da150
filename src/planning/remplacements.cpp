#include "planning/remplacements.h"

#include <algorithm>

#include <QCalendarWidget>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "core/text_file.h"
#include "planning/frozen_grid.h"
#include "planning/option_group.h"
#include "planning/week_grid_model.h"
#include "ui/clock.h"
#include "ui/cells_command.h"
#include "ui/colour.h"
#include "ui/file_errors.h"
#include "ui/messages.h"
#include "ui/qt_text.h"
#include "ui/screen.h"

namespace tandarel {
namespace {

// The school list opens by itself as soon as the planner types in it.
class SchoolCombo final : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!event->text().isEmpty() && event->text()[0].isPrint() && view() && !view()->isVisible()) showPopup();
        QComboBox::keyPressEvent(event);
    }
};

QPushButton* makeButton(const QString& caption, QWidget* parent, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeReadOnlyField(QWidget* parent, const QRect& geometry, std::uint32_t colour) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setGeometry(geometry);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, ui::bgr(colour));
    field->setPalette(palette);
    return field;
}

constexpr std::uint32_t kAqua = 0xFFFF00;
constexpr std::uint32_t kYellow = 0x00FFFF;
constexpr std::uint32_t kOptionOrange = 0x1F9CFA;
constexpr QSize kMotifGroupSize(150, 85);

}  // namespace

Remplacements::Remplacements(ui::AppContext& context, QWidget* parent)
    : ui::ModalWindow(context, parent), runPrintDialog_([this](QPrinter& printer, int pageCount) {
          QPrintDialog dialog(&printer, this);
          dialog.setOption(QAbstractPrintDialog::PrintPageRange);
          dialog.setMinMax(1, std::max(1, pageCount));
          return dialog.exec() == QDialog::Accepted;
      }) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    model_ = new WeekGridModel(week_, this);
    buildControls();
}

Remplacements::~Remplacements() {
    // While the week still exists: hiding moves the focus, and an open editor would
    // write its text into the grid on losing it.
    grid_->hideEditor();
    QDialog::setVisible(false);
}

void Remplacements::buildControls() {
    using B = Button;
    auto set = [this](B which, QPushButton* button) { buttons_[static_cast<std::size_t>(which)] = button; };

    title_ = makeReadOnlyField(this, QRect(0, 2, 415, 22), kAqua);
    schoolCaption_ = makeReadOnlyField(this, QRect(0, 29, 105, 22), kYellow);
    schoolCaption_->setText(QStringLiteral("Liste des écoles :"));
    schools_ = new SchoolCombo(this);
    schools_->setGeometry(108, 29, 307, 22);
    QPalette comboPalette = schools_->palette();
    comboPalette.setColor(QPalette::Base, comboPalette.color(QPalette::ToolTipBase));
    comboPalette.setColor(QPalette::Button, comboPalette.color(QPalette::ToolTipBase));
    schools_->setPalette(comboPalette);
    connect(schools_, &QComboBox::activated, this, &Remplacements::onSchoolChosen);

    copyModes_ = new QGroupBox(QStringLiteral(" Modes de Copie  "), this);
    copyModes_->setGeometry(420, 0, 262, 54);
    set(B::Etendre, makeButton(QStringLiteral("Etendre la saisie"), copyModes_, QRect(8, 21, 118, 26)));
    set(B::Copier, makeButton(QStringLiteral("Copier vers la droite"), copyModes_, QRect(130, 21, 124, 26)));

    clearModes_ = new QGroupBox(QStringLiteral("Modes d'effacement "), this);
    clearModes_->setGeometry(687, 0, 230, 54);
    set(B::ViderJournee, makeButton(QStringLiteral("Vider la journée"), clearModes_, QRect(8, 21, 106, 26)));
    set(B::ViderPlage, makeButton(QStringLiteral("Vider la plage"), clearModes_, QRect(118, 21, 104, 26)));

    timeGroup_ = new QGroupBox(QStringLiteral(" Gestion du temps "), this);
    timeGroup_->setGeometry(922, 0, 180, 54);
    set(B::Calendrier, makeButton(QStringLiteral("Calendrier"), timeGroup_, QRect(8, 21, 80, 26)));
    set(B::Previous, makeButton(QStringLiteral("<"), timeGroup_, QRect(92, 21, 38, 26)));
    set(B::Next, makeButton(QStringLiteral(">"), timeGroup_, QRect(134, 21, 38, 26)));

    set(B::Imprimer, makeButton(QStringLiteral("Imprimer"), this, QRect(1107, 17, 78, 26)));
    set(B::Quitter, makeButton(QStringLiteral("Quitter"), this, QRect(1190, 17, 78, 26)));

    // In place of the school list, of no use on a week that cannot be changed: says why
    // the week on screen is not saved.
    readOnlyNotice_ = new QLabel(QStringLiteral("Semaine en lecture seule : son fichier n'est pas modifié."), this);
    readOnlyNotice_->setGeometry(0, 29, 415, 22);
    QPalette noticePalette = readOnlyNotice_->palette();
    noticePalette.setColor(QPalette::WindowText, Qt::red);
    readOnlyNotice_->setPalette(noticePalette);
    QFont noticeFont = readOnlyNotice_->font();
    noticeFont.setBold(true);
    readOnlyNotice_->setFont(noticeFont);
    readOnlyNotice_->hide();

    calendar_ = new QCalendarWidget(this);
    calendar_->setLocale(QLocale(QLocale::French, QLocale::France));
    calendar_->setFirstDayOfWeek(Qt::Monday);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setGeometry(922, 0, 280, 190);
    calendar_->hide();
    connect(calendar_, &QCalendarWidget::clicked, this, &Remplacements::onCalendarClicked);
    connect(calendar_, &QCalendarWidget::activated, this, &Remplacements::onCalendarActivated);

    grid_ = new FrozenGrid(*model_, context_.messages, this);
    connect(grid_->body().selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Remplacements::onCellSelected);
    connect(&grid_->body(), &PlanningTableView::currentClickedAgain, this, &Remplacements::onCellSelected);
    connect(&grid_->body(), &PlanningTableView::keyTyped, this, &Remplacements::onKeyTyped);
    connect(&grid_->body(), &QTableView::doubleClicked, this, &Remplacements::onDoubleClicked);
    connect(&grid_->body(), &QWidget::customContextMenuRequested, this, &Remplacements::onContextMenu);
    connect(grid_, &FrozenGrid::mouseAt, this, [this](QPoint at) { mouse_ = at; });

    motifGroup_ = new OptionGroup(QStringLiteral(" Motif du remplacement "), kMotifGroupSize, ui::bgr(kYellow),
                                  {QStringLiteral("Maladie"), QStringLiteral("Equipe (éducative, ...)"),
                                   QStringLiteral("Convenance personnelle"), QStringLiteral("Autre motif"),
                                   QStringLiteral("Hors Temps Scolaire")},
                                  5, {13, 26, 39, 52, 65}, this);
    copyGroup_ = new OptionGroup(QStringLiteral("Copier la..."), QSize(105, 85), ui::bgr(kOptionOrange),
                                 {QStringLiteral("Journée"), QStringLiteral("Demi-journée"), QStringLiteral("Plage")},
                                 10, {15, 37, 59}, this);
    extendGroup_ = new OptionGroup(QStringLiteral(" Etendre à la ... "), QSize(105, 55), ui::bgr(kOptionOrange),
                                   {QStringLiteral("Journée"), QStringLiteral("Demi-journée")}, 10, {15, 37}, this);
    connect(motifGroup_, &OptionGroup::chosen, this, &Remplacements::onMotifChosen);
    connect(copyGroup_, &OptionGroup::chosen, this, &Remplacements::onCopyChosen);
    connect(extendGroup_, &OptionGroup::chosen, this, &Remplacements::onExtendChosen);

    // Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z, on every change of the week on screen.
    auto* undo = new QAction(this);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(undo, &QAction::triggered, this, [this] { undoOrRedo(Direction::Undo); });
    auto* redo = new QAction(this);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(redo, &QAction::triggered, this, [this] { undoOrRedo(Direction::Redo); });
    addActions({undo, redo});
    connect(model_, &WeekGridModel::cellTyped, this, [this](int row, int column, const std::string& before) {
        record({{row, column, before, week_.grid().cell(row, column)}}, true);
    });

    connect(&button(B::Calendrier), &QPushButton::clicked, this, &Remplacements::onCalendrier);
    connect(&button(B::Previous), &QPushButton::clicked, this, [this] { onStep(-7); });
    connect(&button(B::Next), &QPushButton::clicked, this, [this] { onStep(7); });
    connect(&button(B::Etendre), &QPushButton::clicked, this, &Remplacements::onEtendre);
    connect(&button(B::Copier), &QPushButton::clicked, this, &Remplacements::onCopier);
    connect(&button(B::ViderJournee), &QPushButton::clicked, this, &Remplacements::onViderJournee);
    connect(&button(B::ViderPlage), &QPushButton::clicked, this, &Remplacements::onViderPlage);
    connect(&button(B::Imprimer), &QPushButton::clicked, this, &Remplacements::onImprimer);
    connect(&button(B::Quitter), &QPushButton::clicked, this, &Remplacements::onQuitter);
}

void Remplacements::FormActivate() {
    setWindowTitle(QStringLiteral("Tandarel - Gestion des Remplacements   -   "));
    ui::fillScreen(*this);
    const QSize screen = ui::screenSize();
    grid_->setGeometry(0, 56, screen.width() - 10, screen.height() - 110);

    schools_->clear();
    releaseSchoolList();
    motifGroup_->move(0, 0);
    copyGroup_->move(490, 0);
    extendGroup_->move(420, 0);
    hideOptionGroups();
    selectedRow_ = 0;
    selectedColumn_ = 0;
    mouse_ = QPoint(200, 200);
    loaded_ = false;
    history_.clear();
    setEditing(false);
    button(Button::Etendre).setEnabled(true);
    button(Button::Copier).setEnabled(false);
    button(Button::ViderJournee).setEnabled(false);
    button(Button::ViderPlage).setEnabled(false);

    const auto substitutesFile = context_.file(kSubstitutesFile);
    if (!entryExists(substitutesFile)) {
        context_.messages.inform(
            QStringLiteral("Le fichier des personnels remplaçants est introuvable ; j'abandonne..."));
        return closeLater();
    }
    std::vector<Substitute> substitutes;
    if (!ui::reportingFileErrors(context_.messages,
                                 [&] { substitutes = planningSubstitutes(readTextLines(substitutesFile)); }))
        return closeLater();

    const auto schoolsFile = context_.file(kSchoolsFile);
    if (!entryExists(schoolsFile)) {
        context_.messages.inform(QStringLiteral("Je n'ai pas trouvé le fichier des écoles ; j'abandonne..."));
        return closeLater();
    }
    if (!ui::reportingFileErrors(context_.messages,
                                 [&] { schoolNames_ = planningSchools(readTextLines(schoolsFile)); }))
        return closeLater();
    // The list shows each name; the cell receives the whole line of the file.
    for (const auto& school : schoolNames_) schools_->addItem(ui::shownPart(ui::toQ(school)));
    releaseSchoolList();

    week_.setSources(context_.dataFolder, std::move(substitutes), context_.workingWeek);
    if (!openWeek(context_.clock.today())) return closeLater();
    loaded_ = true;
    timeGroup_->show();
    calendar_->hide();
}

void Remplacements::record(CellChanges changes, bool typing) {
    if (changes.empty() || week_.readOnly()) return;
    history().push(new ui::CellsCommand(
        std::move(changes), [this](const CellChanges& c, Direction d) { applyRecorded(c, d); }, typing));
}

void Remplacements::applyRecorded(const CellChanges& changes, Direction direction) {
    applyChanges(week_.grid(), changes, direction);
    gridChanged();
    saveWeek();  // an undone state is kept like any other change
}

void Remplacements::undoOrRedo(Direction direction) {
    if (!loaded_ || week_.readOnly()) return;
    hideOptionGroups();
    if (direction == Direction::Undo)
        history().undo();
    else
        history().redo();
}

void Remplacements::closeLater() {
    // Not from inside the activation itself: the window is still being shown.
    QMetaObject::invokeMethod(this, [this] { QDialog::done(QDialog::Rejected); }, Qt::QueuedConnection);
}

bool Remplacements::saveWeek() {
    if (!loaded_) return true;  // no week on screen: nothing of the planner's to keep
    try {
        week_.save();
        lastSaveFailure_.clear();
        return true;
    } catch (const FileError& failure) {
        const QString text = ui::toQ(failure.what());
        if (text != lastSaveFailure_) context_.messages.error(text);
        lastSaveFailure_ = text;
        return false;
    }
}

// A failed save (already said) must not trap the planner: he may leave the week unsaved,
// its file staying as it was.
bool Remplacements::savedOrLeftUnsaved(const QString& question) {
    if (saveWeek()) return true;
    return context_.messages.ask(QStringLiteral("Semaine non enregistrée"),
                                 QStringLiteral("La semaine affichée n'a pas pu être enregistrée.\r\n") + question +
                                     QStringLiteral("\r\nLe fichier de cette semaine sur le disque reste tel qu'il "
                                                    "était."));
}

bool Remplacements::openWeek(const Date& date) {
    grid_->hideEditor();
    lastSaveFailure_.clear();
    const bool opened =
        ui::reportingFileErrors(context_.messages, [&] { model_->replaceWeek([&] { week_.moveTo(date); }); });
    title_->setText(ui::toQ(week_.title()));
    showReadOnlyState();
    restoreSelection();
    return opened;
}

void Remplacements::showReadOnlyState() {
    const auto& reason = week_.readOnlyReason();
    readOnlyNotice_->setVisible(reason.has_value());
    schoolCaption_->setVisible(!reason);
    schools_->setVisible(!reason);
    if (!reason) {
        button(Button::Etendre).setEnabled(true);  // as every week has it
        return;
    }
    releaseSchoolList();
    hideOptionGroups();
    editing_ = false;
    for (auto which : {Button::Etendre, Button::Copier, Button::ViderJournee, Button::ViderPlage})
        button(which).setEnabled(false);
    // Said over the week it is about: once the window is on screen when it is opening.
    const QString text = ui::toQ(*reason);
    if (loaded_)
        context_.messages.error(text);
    else
        QMetaObject::invokeMethod(this, [this, text] { context_.messages.error(text); }, Qt::QueuedConnection);
}

void Remplacements::restoreSelection() {
    // The selected cell keeps its place from week to week, as the planner left it.
    const QModelIndex index = model_->index(selectedRow_, selectedColumn_);
    restoring_ = true;
    if (index.isValid() && (index.flags() & Qt::ItemIsSelectable))
        grid_->body().setCurrentIndex(index);
    else
        grid_->body().selectionModel()->clear();
    restoring_ = false;
    syncEditor();
}

void Remplacements::onCalendrier() {
    releaseSchoolList();
    timeGroup_->hide();
    hideOptionGroups();
    calendar_->setSelectedDate(ui::toQDate(context_.clock.today()));
    calendar_->show();
    calendar_->raise();
}

void Remplacements::onCalendarClicked() { saveWeek(); }

namespace {
const QString kLeaveWeekUnsaved = QStringLiteral("Passer à une autre semaine sans l'enregistrer ?");
const QString kQuitUnsaved = QStringLiteral("Quitter sans l'enregistrer ?");
}  // namespace

void Remplacements::onCalendarActivated() {
    if (!savedOrLeftUnsaved(kLeaveWeekUnsaved)) return;
    openWeek(ui::toDate(calendar_->selectedDate()));
    timeGroup_->show();
    calendar_->hide();
}

void Remplacements::onStep(int days) {
    releaseSchoolList();
    hideOptionGroups();
    if (!savedOrLeftUnsaved(kLeaveWeekUnsaved)) return;  // the week stays on screen, nothing of it lost
    openWeek(addDays(week_.monday(), days));
}

void Remplacements::onQuitter() {
    hideOptionGroups();
    if (!savedOrLeftUnsaved(kQuitUnsaved)) return;
    accept();
}

void Remplacements::reject() {
    hideOptionGroups();
    if (!savedOrLeftUnsaved(kQuitUnsaved)) return;
    QDialog::reject();
}

void Remplacements::keyPressEvent(QKeyEvent* event) {
    // Escape does not leave the planning: only "Quitter" and the close box do.
    if (event->key() == Qt::Key_Escape) return event->accept();
    ui::ModalWindow::keyPressEvent(event);
}

}  // namespace tandarel
