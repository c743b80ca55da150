#pragma once

#include "ui/modal_window.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tandarel {

struct WeekFileTarget;

// Deletes one week file, chosen by the date of its Monday, after confirmation.
class Suppression_fichier : public ui::ModalWindow {
    Q_OBJECT
public:
    Suppression_fichier(ui::AppContext& context, QWidget* parent);

    QPlainTextEdit& instruction() { return *instruction_; }
    QLineEdit& entry() { return *entry_; }
    QPushButton& valider() { return *valider_; }
    QPushButton& quitter() { return *quitter_; }

protected:
    void FormActivate() override;

private:
    void onValider();
    void deleteTarget(const WeekFileTarget& target);
    void resetEntry();

    QPlainTextEdit* instruction_ = nullptr;
    QLineEdit* entry_ = nullptr;
    QPushButton* valider_ = nullptr;
    QPushButton* quitter_ = nullptr;
};

}  // namespace tandarel
