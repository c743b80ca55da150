#pragma once

#include "ui/modal_window.h"

class QPlainTextEdit;

namespace tandarel {

// The short user guide; edits in the field are never saved.
class documentation : public ui::ModalWindow {
    Q_OBJECT
public:
    documentation(ui::AppContext& context, QWidget* parent);

    QPlainTextEdit& guide() { return *guide_; }

protected:
    void FormActivate() override;

private:
    QPlainTextEdit* guide_ = nullptr;
};

}  // namespace tandarel
