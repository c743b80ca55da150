#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <optional>

#include "analysis/period_rules.h"

namespace tandarel {
namespace ui {
class Clock;
class Messages;
}  // namespace ui

// The period dialogue of both analysis windows: the choice of the kind of period, its
// entry, the checks of each "Valider" and the boundary date of trimesters 2 and 3. It
// covers its window and lies below the window's other controls, so that its bare area
// counts as the window's background.
class PeriodDialogue : public QWidget {
    Q_OBJECT
public:
    PeriodDialogue(ui::Messages& messages, ui::Clock& clock, QWidget* parent);

    // The analyses refuse a period reaching past today; the bilans cut it at today.
    void setFuturePeriods(FuturePeriods rule) { futureRule_ = rule; }

    // Activation: every entry control hidden and emptied, the four modes unchecked.
    void reset();
    // "Souhaitez-vous une autre analyse ?" answered yes: the mode choice again.
    void showModeChoice();
    // A click on the window's background: entry frames, fields and buttons hidden.
    void hideEntry();
    // No week file for the period: that mode's fields emptied and hidden with the frame.
    void abandonEntry(PeriodMode mode);

    QGroupBox& modeGroup() { return *modeGroup_; }
    QRadioButton& modeButton(PeriodMode mode) { return *modeButtons_[index(mode)]; }
    QGroupBox& entryFrame() { return *entryFrame_; }
    QGroupBox& boundaryFrame() { return *boundaryFrame_; }
    QLineEdit& field(PeriodField field) { return *fields_[static_cast<std::size_t>(field)]; }
    QPushButton& valider(PeriodMode mode) { return *validerButtons_[index(mode)]; }
    QPushButton& boundaryValider() { return *boundaryValider_; }
    QPushButton& quitter() { return *quitter_; }

signals:
    void modeChosen();
    void periodAccepted(const tandarel::Period& period);
    void quitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t index(PeriodMode mode) { return static_cast<std::size_t>(mode); }
    void chooseMode(PeriodMode mode);
    void validate(PeriodMode mode);
    void validateBoundaryDate();
    void apply(const PeriodStep& step, bool showButtonsAgain);
    void showFields(PeriodMode mode);

    ui::Messages& messages_;
    ui::Clock& clock_;
    PeriodMode mode_ = PeriodMode::SchoolYear;
    FuturePeriods futureRule_ = FuturePeriods::Refused;
    std::optional<SchoolYear> boundaryYear_;
    int boundaryTrimester_ = 0;

    QGroupBox* modeGroup_ = nullptr;
    std::array<QRadioButton*, 4> modeButtons_{};
    QGroupBox* entryFrame_ = nullptr;
    QGroupBox* boundaryFrame_ = nullptr;
    std::array<QLineEdit*, 6> fields_{};
    std::array<QLabel*, 6> labels_{};
    std::array<QPushButton*, 4> validerButtons_{};
    QPushButton* boundaryValider_ = nullptr;
    QPushButton* quitter_ = nullptr;
};

}  // namespace tandarel
