#pragma once

#include <QTimer>

#include "ui/blink.h"
#include "ui/modal_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tandarel {

// Shows the computer's date and time, blinking, and sets the system clock from the
// date and time the user types. Left only through "Quitter".
class Ges_date_system : public ui::ModalWindow {
    Q_OBJECT
public:
    Ges_date_system(ui::AppContext& context, QWidget* parent);

    QGroupBox& displayGroup() { return *displayGroup_; }
    QLabel& dateLine() { return *dateLine_; }
    QLabel& timeLine() { return *timeLine_; }
    QGroupBox& modificationsGroup() { return *modificationsGroup_; }
    QLineEdit& dayField() { return *day_; }
    QLineEdit& monthField() { return *month_; }
    QLineEdit& yearField() { return *year_; }
    QLineEdit& hoursField() { return *hours_; }
    QLineEdit& minutesField() { return *minutes_; }
    QLineEdit& secondsField() { return *seconds_; }
    QPushButton& modifier() { return *modifier_; }
    QPushButton& valider() { return *valider_; }
    QPushButton& quitter() { return *quitter_; }
    QTimer& timer() { return timer_; }

protected:
    void FormActivate() override;
    void reject() override;  // Escape and the close box do nothing: only "Quitter" leaves
    void hideEvent(QHideEvent* event) override;

private:
    void onTick();
    void onModifier();
    void onValider();
    void onQuitter();
    void paintDisplay(std::uint32_t colour);
    void writeDisplayLines();
    void fillDateFields();
    void fillTimeFields();
    void showModifications(bool visible);

    QGroupBox* displayGroup_ = nullptr;
    QLabel* dateLine_ = nullptr;
    QLabel* timeLine_ = nullptr;
    QGroupBox* modificationsGroup_ = nullptr;
    QLineEdit* day_ = nullptr;
    QLineEdit* month_ = nullptr;
    QLineEdit* year_ = nullptr;
    QLineEdit* hours_ = nullptr;
    QLineEdit* minutes_ = nullptr;
    QLineEdit* seconds_ = nullptr;
    QPushButton* modifier_ = nullptr;
    QPushButton* valider_ = nullptr;
    QPushButton* quitter_ = nullptr;
    int milliseconds_ = 0;  // of the moment the time fields were filled
    QTimer timer_;
    ui::BlinkSequence blink_;
};

}  // namespace tandarel
