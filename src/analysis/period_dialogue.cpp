#include "analysis/period_dialogue.h"

#include <QKeyEvent>

#include "analysis/analysis_lists.h"
#include "analysis/week_collection.h"
#include "ui/clock.h"
#include "ui/messages.h"
#include "ui/qt_text.h"

namespace tandarel {
namespace {

constexpr std::array<PeriodMode, 4> kModes = {PeriodMode::SchoolYear, PeriodMode::Trimester, PeriodMode::Month,
                                              PeriodMode::DateRange};
constexpr std::array<const char*, 4> kModeCaptions = {"Année scolaire", "Trimestre", "Mois", "Plage personnalisée"};
constexpr std::array<const char*, 6> kFieldLabels = {" Année scolaire ", "Trimestre",      "Mois",
                                                     " Date de début ",  " Date de fin ", " Date ( format : jj/mm ) "};

}  // namespace

PeriodDialogue::PeriodDialogue(ui::Messages& messages, ui::Clock& clock, QWidget* parent)
    : QWidget(parent), messages_(messages), clock_(clock) {
    modeGroup_ = new QGroupBox(QStringLiteral(" Choix du type de plage à analyser "), this);
    modeGroup_->setGeometry(250, 170, 277, 150);
    for (std::size_t i = 0; i < kModes.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(kModeCaptions[i]), modeGroup_);
        radio->setGeometry(25, 30 + 28 * static_cast<int>(i), 230, 22);
        connect(radio, &QRadioButton::clicked, this, [this, i] { chooseMode(kModes[i]); });
        modeButtons_[i] = radio;
    }

    entryFrame_ = new QGroupBox(this);
    entryFrame_->setGeometry(170, 170, 437, 110);
    boundaryFrame_ = new QGroupBox(this);
    boundaryFrame_->setGeometry(170, 290, 437, 70);
    struct Place {
        QWidget* frame;
        QRect label;
        QRect field;
    };
    const std::array<Place, 6> places = {{
        {entryFrame_, {20, 40, 110, 20}, {135, 38, 60, 24}},    // school year
        {entryFrame_, {235, 40, 70, 20}, {310, 38, 30, 24}},    // trimester
        {entryFrame_, {235, 40, 70, 20}, {310, 38, 30, 24}},    // month
        {entryFrame_, {20, 36, 110, 20}, {135, 34, 90, 24}},    // start date
        {entryFrame_, {20, 72, 110, 20}, {135, 70, 90, 24}},    // end date
        {boundaryFrame_, {20, 32, 170, 20}, {195, 30, 60, 24}}, // boundary
    }};
    for (std::size_t i = 0; i < places.size(); ++i) {
        labels_[i] = new QLabel(QString::fromUtf8(kFieldLabels[i]), places[i].frame);
        labels_[i]->setGeometry(places[i].label);
        fields_[i] = new QLineEdit(places[i].frame);
        fields_[i]->setGeometry(places[i].field);
    }
    field(PeriodField::Trimester).setMaxLength(1);
    field(PeriodField::Month).setMaxLength(2);
    field(PeriodField::SchoolYear).installEventFilter(this);
    field(PeriodField::StartDate).installEventFilter(this);

    boundaryValider_ = makeButton(QStringLiteral("Valider"), QRect(290, 28, 100, 28), boundaryFrame_);
    connect(boundaryValider_, &QPushButton::clicked, this, &PeriodDialogue::validateBoundaryDate);
    for (std::size_t i = 0; i < kModes.size(); ++i) {
        validerButtons_[i] = makeButton(QStringLiteral("Valider"), QRect(250, 375, 100, 30), this);
        connect(validerButtons_[i], &QPushButton::clicked, this, [this, i] { validate(kModes[i]); });
    }
    quitter_ = makeButton(QStringLiteral("Quitter"), QRect(427, 375, 100, 30), this);
    connect(quitter_, &QPushButton::clicked, this, &PeriodDialogue::quitRequested);
    reset();
}

void PeriodDialogue::reset() {
    hideEntry();
    for (auto* f : fields_) f->clear();
    showModeChoice();
}

void PeriodDialogue::showModeChoice() {
    // Exclusive buttons refuse to be unchecked one by one.
    for (auto* radio : modeButtons_) {
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
    modeGroup_->show();
}

void PeriodDialogue::hideEntry() {
    entryFrame_->hide();
    boundaryFrame_->hide();
    for (auto* b : validerButtons_) b->hide();
    quitter_->hide();
}

void PeriodDialogue::abandonEntry(PeriodMode mode) {
    for (const auto f : noWeekFileFields(mode)) field(f).clear();
    hideEntry();
}

void PeriodDialogue::chooseMode(PeriodMode mode) {
    mode_ = mode;
    for (auto* f : fields_) f->clear();
    emit modeChosen();
    modeGroup_->hide();
    entryFrame_->setTitle(ui::toQ(entryFrameCaption(mode)));
    showFields(mode);
    boundaryFrame_->hide();
    for (std::size_t i = 0; i < validerButtons_.size(); ++i) validerButtons_[i]->setVisible(i == index(mode));
    quitter_->show();
    entryFrame_->show();
    field(mode == PeriodMode::DateRange ? PeriodField::StartDate : PeriodField::SchoolYear).setFocus();
}

void PeriodDialogue::showFields(PeriodMode mode) {
    const std::array<bool, 5> shown = {
        mode != PeriodMode::DateRange, mode == PeriodMode::Trimester, mode == PeriodMode::Month,
        mode == PeriodMode::DateRange, mode == PeriodMode::DateRange};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        labels_[i]->setVisible(shown[i]);
        fields_[i]->setVisible(shown[i]);
    }
}

void PeriodDialogue::validate(PeriodMode mode) {
    validerButtons_[index(mode)]->hide();
    quitter_->hide();
    const auto text = [this](PeriodField f) { return ui::fromQ(field(f).text()); };
    const auto today = clock_.today();
    PeriodStep step;
    switch (mode) {
        case PeriodMode::SchoolYear: step = validateSchoolYearMode(text(PeriodField::SchoolYear), today, futureRule_); break;
        case PeriodMode::Trimester:
            step = validateTrimester(text(PeriodField::SchoolYear), text(PeriodField::Trimester), today, futureRule_);
            break;
        case PeriodMode::Month:
            step = validateMonth(text(PeriodField::SchoolYear), text(PeriodField::Month), today, futureRule_);
            break;
        case PeriodMode::DateRange:
            step = validateDateRange(text(PeriodField::StartDate), text(PeriodField::EndDate), today, futureRule_);
            break;
    }
    if (step.boundaryTrimester != 0) {
        boundaryYear_ = step.schoolYear;
        boundaryTrimester_ = step.boundaryTrimester;
        boundaryFrame_->setTitle(ui::toQ(step.boundaryCaption));
        boundaryFrame_->show();
        field(PeriodField::Boundary).setFocus();
        return;
    }
    apply(step, true);
}

void PeriodDialogue::validateBoundaryDate() {
    if (!boundaryYear_) return;
    apply(validateBoundary(*boundaryYear_, boundaryTrimester_, ui::fromQ(field(PeriodField::Boundary).text()),
                           clock_.today(), futureRule_),
          false);
}

void PeriodDialogue::apply(const PeriodStep& step, bool showButtonsAgain) {
    if (step.refused()) {
        for (const auto& message : step.messages) messages_.inform(ui::toQ(message));
        for (const auto f : step.emptied) field(f).clear();
        if (showButtonsAgain) {
            valider(mode_).show();
            quitter_->show();
        }
        if (step.focus) field(*step.focus).setFocus();
        return;
    }
    if (!step.period) return;
    field(PeriodField::StartDate).setText(ui::toQ(step.period->startText));
    field(PeriodField::EndDate).setText(ui::toQ(step.period->endText));
    // The results take the place of the entry.
    entryFrame_->hide();
    boundaryFrame_->hide();
    boundaryYear_.reset();
    emit periodAccepted(*step.period);
}

bool PeriodDialogue::eventFilter(QObject* watched, QEvent* event) {
    // Typing aids: a key typed in a nearly full field still goes to it, and the
    // focus moves on to the next field.
    if (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->text().isEmpty()) {
        auto& schoolYear = field(PeriodField::SchoolYear);
        auto& start = field(PeriodField::StartDate);
        if (watched == &schoolYear && schoolYear.text().size() == 4) {
            if (modeButton(PeriodMode::Trimester).isChecked()) field(PeriodField::Trimester).setFocus();
            if (modeButton(PeriodMode::Month).isChecked()) field(PeriodField::Month).setFocus();
        } else if (watched == &start && start.text().size() == 7) {
            field(PeriodField::EndDate).setFocus();
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tandarel
