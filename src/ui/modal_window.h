#pragma once

#include <QDialog>

#include "ui/app_context.h"

namespace tandarel::ui {

// A window of the program: created once at start, shown modally from the main menu,
// and set up again by its activation handler every time it is shown.
class ModalWindow : public QDialog {
    Q_OBJECT
public:
    ModalWindow(AppContext& context, QWidget* parent);

protected:
    virtual void FormActivate() = 0;
    void showEvent(QShowEvent* event) override;

    AppContext& context_;
};

// Shows `window` modally and returns once it is closed. A window whose activation
// closes it at once (a missing file, say) returns at once too, where QDialog::exec()
// would wait for a close that already happened.
void runModally(QDialog& window);

}  // namespace tandarel::ui
