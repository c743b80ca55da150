#pragma once

#include <QCheckBox>
#include <array>

#include "ui/modal_window.h"

class QPushButton;

namespace tandarel {

// The working-week definition: which of the twelve half-days are worked.
class Semaine : public ui::ModalWindow {
    Q_OBJECT
public:
    Semaine(ui::AppContext& context, QWidget* parent);

    QCheckBox& box(int slot) { return *boxes_[static_cast<std::size_t>(slot)]; }
    QPushButton& finDeChoix() { return *finDeChoix_; }

signals:
    // semaine.pln was written and the slot list refilled: the whole menu may be enabled.
    void weekSaved();

protected:
    void FormActivate() override;
    void reject() override;  // no way out but "Fin de choix"

private:
    void onFinDeChoix();

    std::array<QCheckBox*, 12> boxes_{};
    QPushButton* finDeChoix_ = nullptr;
};

}  // namespace tandarel
